#include "tools/KbTeacher.h"

#include "engine/Cp1251.h"
#include "engine/KbLine.h"
#include "engine/Learning.h"
#include "engine/PatternScan.h"
#include "engine/PhrasePreparation.h"
#include "engine/ProgramFiles.h"
#include "tools/LearnableText.h"

#include <algorithm>
#include <functional>

namespace {

LineList withHeader(LineList words) {
    if (words.empty()) {
        words.append(programfiles::wordsHeader()); // line 0 is never read as a pattern
    }
    return words;
}

} // namespace

KbTeacher::KbTeacher(LineList words)
    : words_(withHeader(std::move(words))), startingPatterns_(words_) {
    const std::vector<std::string>& lines = words_.lines();
    wordsOfLine_.assign(lines.size(), -1);
    patterns_.reserve(lines.size() * 2);
    for (std::size_t index = 1; index < lines.size(); ++index) {
        const std::string& line = lines[index];
        if (kbline::separator(line) == kbline::npos) {
            continue;
        }
        const std::string_view pattern = kbline::pattern(line);
        patterns_.try_emplace(std::string(pattern), kbline::answers(line));
        // A branch pattern begins with "_", which no learnable phrase holds.
        if (kbline::answers(line) && kbline::depth(line) == 0) {
            answersFromNowOn(pattern);
            wordsOfLine_[index] = static_cast<int>(patternWords_.size());
            std::vector<std::string>& words = patternWords_.emplace_back();
            std::size_t start = 0;
            while (start < pattern.size()) {
                const std::size_t space = std::min(pattern.find(' ', start), pattern.size());
                if (space > start) {
                    words.emplace_back(pattern.substr(start, space - start));
                }
                start = space + 1;
            }
        }
    }
}

void KbTeacher::answersFromNowOn(std::string_view pattern) {
    answering_.emplace_back(pattern);
    wholePatterns_.add(answering_.back(), static_cast<int>(answering_.size()));
}

// Whether the lookup would answer the phrase: a pattern of a line that answers is found in it as a
// whole, or word by word (each word after the one before) among the patterns the base started
// with. A pattern taught in this run is looked for only as a whole: the phrases of one dialogue
// seldom hold all the words of an earlier one.
bool KbTeacher::answered(const std::string& upperPhrase, const std::string& phrase) const {
    if (wholePatterns_.firstShadowOf(upperPhrase) >= 0) {
        return true;
    }
    const PatternScan scan(phrase);
    if (const auto candidates = startingPatterns_.wordByWordCandidates(upperPhrase)) {
        return std::any_of(candidates->begin(), candidates->end(), [&](int line) {
            const int words = wordsOfLine_[static_cast<std::size_t>(line)];
            return words >= 0 && wordsFound(patternWords_[static_cast<std::size_t>(words)], scan);
        });
    }
    return std::any_of(
        patternWords_.begin(), patternWords_.end(),
        [&scan](const std::vector<std::string>& words) { return wordsFound(words, scan); });
}

// Each word after the one before, as the lookup's word-by-word pass finds them.
bool KbTeacher::wordsFound(const std::vector<std::string>& words, const PatternScan& scan) {
    // Most patterns hold a word whose first two characters never stand together in the phrase:
    // they are refused before any search.
    if (!std::all_of(words.begin(), words.end(), [&scan](const std::string& word) {
            return word.size() < 2 || scan.holdsPair(word[0], word[1]);
        })) {
        return false;
    }
    std::size_t CharPos = 0;
    for (const std::string& word : words) {
        const auto end = scan.find(word, CharPos);
        if (!end) {
            return false;
        }
        CharPos = *end;
    }
    return true;
}

namespace {

// A side of a pair as the program would have taken it, typed into its input line.
std::string prepared(const std::string& said) {
    const std::string_view text = learnabletext::trimmed(said);
    return text.empty() ? std::string() : preparePhrase(std::string(text));
}

} // namespace

KbTeacher::Summary KbTeacher::teach(const std::vector<DialogueFile::Pair>& pairs,
                                    const Progress& progress) {
    Summary summary;
    const std::size_t step = std::max<std::size_t>(pairs.size() / 100, 1);
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        if (progress && i % step == 0) {
            progress(i, pairs.size());
        }
        ++summary.pairs;
        const std::string phrase = prepared(pairs[i].phrase);
        const std::string reply = prepared(pairs[i].reply);
        Skip skip = skipReason(phrase);
        if (skip == Skip::None) {
            skip = skipReason(reply);
        }
        switch (skip) {
        case Skip::Empty:
            ++summary.empty;
            continue;
        case Skip::Markup:
            ++summary.markup;
            continue;
        case Skip::Abuse:
            ++summary.abuse;
            continue;
        case Skip::NoLearn:
            ++summary.noLearn;
            continue;
        case Skip::None:
            break;
        }
        const std::string upperPhrase = cp1251::upper(phrase);
        const auto known = patterns_.find(upperPhrase);
        if ((known != patterns_.end() && known->second) || answered(upperPhrase, phrase)) {
            ++summary.known;
            continue;
        }
        summary.answered += known != patterns_.end() ? 1 : 0;
        teachPair(phrase, reply);
        ++summary.taught;
    }
    if (progress) {
        progress(pairs.size(), pairs.size());
    }
    return summary;
}

KbTeacher::Skip KbTeacher::skipReason(const std::string& prepared) const {
    if (prepared.empty()) {
        return Skip::Empty;
    }
    if (!learnabletext::markupIn(prepared).empty()) {
        return Skip::Markup;
    }
    if (guards_.firstGuardHit(prepared) >= 0) {
        return Skip::Abuse;
    }
    if (guards_.secondGuardHit(prepared) >= 0) {
        return Skip::NoLearn;
    }
    return Skip::None;
}

// The phrase's line (a waiting one, or a new one made as learning makes it) takes the reply as a
// turn's learning attaches one: moved to the end, with the reply as its last alternative.
void KbTeacher::teachPair(const std::string& phrase, const std::string& reply) {
    const std::string upperPhrase = cp1251::upper(phrase);
    auto [entry, isNew] = patterns_.try_emplace(upperPhrase, true);
    int LineIndex = -1;
    if (isNew) {
        words_.append(Learning::patternLine(phrase));
        LineIndex = words_.count() - 1;
    } else {
        LineIndex = Learning::findPattern(words_, upperPhrase);
        entry->second = true;
    }
    Learning::attachAnswerAt(words_, LineIndex, reply);
    answersFromNowOn(upperPhrase);
}

namespace {

class ProgressBar {
public:
    explicit ProgressBar(std::ostream* out) : out_(out) {}
    void operator()(std::size_t done, std::size_t total) {
        if (out_ == nullptr || total == 0) {
            return;
        }
        const int percent = static_cast<int>(done * 100 / total);
        if (percent == shown_) {
            return;
        }
        shown_ = percent;
        constexpr int kWidth = 40;
        const int filled = percent * kWidth / 100;
        *out_ << "\r[" << std::string(filled, '#') << std::string(kWidth - filled, ' ') << "] "
              << percent << "%" << std::flush;
    }
    ~ProgressBar() {
        if (out_ != nullptr && shown_ >= 0) {
            *out_ << "\r" << std::string(48, ' ') << "\r" << std::flush;
        }
    }

private:
    std::ostream* out_;
    int shown_ = -1;
};

void printSummary(std::ostream& out, const KbTeacher::Summary& summary, bool dryRun) {
    out << (dryRun ? "Would teach: " : "Taught: ") << summary.taught << " ("
        << "new lines " << summary.taught - summary.answered << ", waiting lines answered "
        << summary.answered << ")\n"
        << "Already known: " << summary.known << '\n'
        << "Skipped: " << summary.skipped() << " (empty " << summary.empty << ", markup "
        << summary.markup << ", abuse list " << summary.abuse << ", no-learn list "
        << summary.noLearn << ")\n"
        << "Pairs read: " << summary.pairs << '\n';
    if (dryRun) {
        out << "Nothing was changed (--dry-run).\n";
    }
}

} // namespace

int KbTeacher::command(const LineFiles& files, const std::string& dialoguePath, bool dryRun,
                       std::ostream& out, std::ostream* bar) {
    // The dialogue is read and paired before the base is held, so a copy of the program that
    // wants to learn meanwhile waits only for the teaching itself.
    const DialogueFile dialogue = DialogueFile::load(dialoguePath);
    if (dialogue.lineCount() <= kProgressFromLines) {
        bar = nullptr;
    }
    const BaseLock hold = files.lockBase(programfiles::Words);
    KbTeacher teacher(files.load(programfiles::Words));
    Summary summary;
    {
        ProgressBar progress(bar);
        summary = teacher.teach(dialogue.pairs(), std::ref(progress));
    }
    if (!dryRun && summary.taught > 0) {
        files.save(programfiles::Words, teacher.words());
    }
    printSummary(out, summary, dryRun);
    return 0;
}
