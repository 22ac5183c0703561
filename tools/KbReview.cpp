#include "tools/KbReview.h"

#include "engine/Cp1251.h"
#include "engine/KbLine.h"
#include "engine/Learning.h"
#include "engine/PhrasePreparation.h"
#include "engine/ProgramFiles.h"
#include "tools/LearnableText.h"

std::vector<int> KbReview::waitingLines(const LineList& words) {
    std::vector<int> waiting;
    for (int index = words.count() - 1; index >= 1; --index) {
        const std::string& line = words.line(index);
        if (!line.empty() && kbline::depth(line) == 0 &&
            kbline::separator(line) + 1 == line.size()) {
            waiting.push_back(index);
        }
    }
    return waiting;
}

void KbReview::list(std::ostream& out) const {
    const LineList words = files_.load(programfiles::Words);
    for (const int index : waitingLines(words)) {
        out << index << ": " << cp1251::toUtf8(kbline::pattern(words.line(index))) << '\n';
    }
}

void KbReview::ask(std::istream& in, std::ostream& out) const {
    const LineList words = files_.load(programfiles::Words);
    const std::vector<int> waiting = waitingLines(words);
    if (waiting.empty()) {
        out << "No learned line is waiting for a reply.\n";
        return;
    }
    out << waiting.size()
        << " learned lines wait for a reply, newest first.\n"
           "Type a reply and Enter to attach it, '-' to delete the line, Enter to skip, "
           "'q' to stop.\n";
    int changed = 0;
    for (std::size_t n = 0; n < waiting.size(); ++n) {
        const int LineIndex = waiting[n];
        const std::string& line = words.line(LineIndex);
        for (;;) {
            out << '[' << n + 1 << '/' << waiting.size() << "] line " << LineIndex << ": "
                << cp1251::toUtf8(kbline::pattern(line)) << "\n> " << std::flush;
            std::string typed;
            if (!std::getline(in, typed) || learnabletext::trimmed(typed) == "q") {
                out << (in ? "" : "\n") << "Lines changed: " << changed << ".\n";
                return;
            }
            const std::string text =
                cp1251::fromUtf8(learnabletext::trimmed(typed.substr(0, typed.find('\r'))));
            if (text.empty()) {
                break;
            }
            Outcome outcome = Outcome::Done;
            if (text == "-") {
                outcome = remove(line, LineIndex);
            } else if (const std::string why = learnabletext::markupIn(text); !why.empty()) {
                out << "Not attached: " << why << ". Type another reply.\n";
                continue;
            } else {
                outcome = answer(line, LineIndex, preparePhrase(text));
            }
            switch (outcome) {
            case Outcome::Done:
                ++changed;
                out << (text == "-" ? "Deleted.\n" : "Attached.\n");
                break;
            case Outcome::Gone:
                out << "The line is no longer waiting (the program changed it meanwhile): left "
                       "alone.\n";
                break;
            case Outcome::HasBranches:
                out << "Not deleted: branch lines follow it and would then continue the line "
                       "above. Edit the file by hand.\n";
                break;
            }
            break;
        }
    }
    out << "Lines changed: " << changed << ".\n";
}

// The line where it was listed, else the first line with its text: a copy of the program may have
// learned meanwhile and moved lines up.
int KbReview::locate(const LineList& words, const std::string& waiting, int LineIndex) {
    if (words.line(LineIndex) == waiting) {
        return LineIndex;
    }
    for (int index = 1; index < words.count(); ++index) {
        if (words.line(index) == waiting) {
            return index;
        }
    }
    return -1;
}

KbReview::Outcome KbReview::answer(const std::string& waiting, int LineIndex,
                                   const std::string& reply) const {
    const BaseLock hold = files_.lockBase(programfiles::Words);
    LineList words = files_.load(programfiles::Words);
    const int found = locate(words, waiting, LineIndex);
    if (found < 0) {
        return Outcome::Gone;
    }
    Learning::attachAnswerAt(words, found, reply);
    files_.save(programfiles::Words, words);
    return Outcome::Done;
}

KbReview::Outcome KbReview::remove(const std::string& waiting, int LineIndex) const {
    const BaseLock hold = files_.lockBase(programfiles::Words);
    LineList words = files_.load(programfiles::Words);
    const int found = locate(words, waiting, LineIndex);
    if (found < 0) {
        return Outcome::Gone;
    }
    if (kbline::depth(words.line(found + 1)) > 0) {
        return Outcome::HasBranches;
    }
    words.remove(found);
    files_.save(programfiles::Words, words);
    return Outcome::Done;
}
