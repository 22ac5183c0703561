#include "engine/BranchSearch.h"

#include "engine/KbLine.h"
#include "engine/PatternScan.h"
#include "engine/ProgramFiles.h"

std::optional<std::string> BranchSearch::continueBranch(std::string_view phrase,
                                                        EngineState& state) {
    RE2_.load(programfiles::Words);
    const PatternScan scan(phrase);
    const LineList& words = RE2_.lines();
    for (;;) {
        ++state.ContextLine;
        if (state.ContextLine >= words.count()) {
            break;
        }
        const std::string& line = words.line(state.ContextLine);
        const int BranchPrefix = kbline::depth(line);
        if (BranchPrefix == 0) {
            break;
        }
        if (BranchPrefix != state.BranchDepth) {
            continue;
        }
        const std::size_t patternStart = static_cast<std::size_t>(BranchPrefix);
        if (!kbline::answers(line, patternStart)) {
            continue;
        }
        const std::string_view BranchPattern = kbline::pattern(line, patternStart);
        if (!scan.find(BranchPattern)) {
            continue;
        }
        ++state.BranchDepth;
        return kbline::chooseReply(line, kbline::separator(line, patternStart), random_);
    }
    state.BranchDepth = 0;
    return std::nullopt;
}
