#include "dialogue/ConversationLogFile.h"

#include "engine/Cp1251.h"
#include "engine/ProgramFiles.h"
#include "engine/WorkList.h"

#include <algorithm>

namespace {

const std::string kIndent(22, ' ');

} // namespace

std::vector<std::string> ConversationLogFile::headerLines(const std::string& date,
                                                          const std::string& time, int phrases) {
    return {
        "",
        std::string(kHyphens, '-'),
        kIndent + std::string(kUnderscores, '_'),
        kIndent + cp1251::fromUtf8("Дата - ") + date + "   |   " + cp1251::fromUtf8("Время - ") +
            time,
        kIndent + std::string(kTildes, '~'),
        cp1251::fromUtf8("//Загружено фраз выученных программой: ") + std::to_string(phrases),
    };
}

std::string ConversationLogFile::closingLine() {
    return std::string(kEquals, '=');
}

int ConversationLogFile::phrasesLearned(const LineList& words) {
    return std::max(words.count() - 1, 0);
}

LineList ConversationLogFile::block(const LineList& log, const std::string& date,
                                    const std::string& time, int phrases) {
    LineList lines;
    for (const std::string& header : headerLines(date, time, phrases)) {
        lines.append(header);
    }
    // One log line, one line of the file. Taking the log as one text and adding that would add a
    // stray empty line for an empty log; line by line, an empty log adds nothing and an empty log
    // line stays one empty line.
    for (const std::string& line : log.lines()) {
        lines.append(line);
    }
    lines.append(closingLine());
    return lines;
}

void ConversationLogFile::append(WorkList& RE2, const LineList& log, const std::string& date,
                                 const std::string& time) {
    // Two copies ending at once would each write back the log without the other's block.
    const BaseLock hold = RE2.files().lockBase(programfiles::Log);
    RE2.load(programfiles::Words);
    const int phrases = phrasesLearned(RE2.lines());
    RE2.load(programfiles::Log);
    const LineList added = block(log, date, time, phrases);
    for (const std::string& line : added.lines()) {
        RE2.lines().append(line);
    }
    RE2.save(programfiles::Log);
}
