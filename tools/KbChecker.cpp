#include "KbChecker.h"

#include "Cp1251.h"
#include "FileError.h"
#include "KbFiles.h"
#include "KbLine.h"
#include "PatternScan.h"

#include <filesystem>
#include <map>
#include <string_view>
#include <unordered_map>

namespace {

using Findings = std::vector<KbChecker::Finding>;

std::string quoted(std::string_view text) {
    return "\"" + cp1251::toUtf8(text) + "\"";
}

// Everything the program opens: the base, the log, its settings, sounds, picture and history.
constexpr const char* kNeededFiles[] = {
    kbfiles::Words,       kbfiles::Povtor,      kbfiles::X,           kbfiles::Collection,
    kbfiles::BigString,   kbfiles::W1,          kbfiles::W2,          kbfiles::AI,
    kbfiles::Pause,       kbfiles::Begin,       kbfiles::Dictionary,  kbfiles::Log,
    "Config.ini",         "ReadMe.Txt",         "Images\\Inform.bmp", "Sound\\KeyBoard.wav",
    "Sound\\Button3.wav", "Sound\\Button2.wav", "Sound\\Button1.wav", "Sound\\CpuSound.wav",
    "Sound\\Close.wav"};

// Files whose lines are the replies or remarks the program says, and how many lines each needs
// before it has one to give (the follow-up remarks never use their first line).
struct ReplyFile {
    const char* name;
    int linesNeeded;
};
constexpr ReplyFile kReplyFiles[] = {
    {kbfiles::Povtor, 1}, {kbfiles::X, 1},     {kbfiles::BigString, 1},
    {kbfiles::W1, 1},     {kbfiles::W2, 1},    {kbfiles::AI, 2},
    {kbfiles::Pause, 1},  {kbfiles::Begin, 1}, {kbfiles::Dictionary, 1}};

bool holdsSmallLetter(std::string_view pattern) {
    for (char c : pattern) {
        if (cp1251::toUpper(c) != c) {
            return true;
        }
    }
    return false;
}

// What follows the separator: alternatives closed by ";", and on a main line a final "@".
void checkReplies(std::string_view line, std::size_t separator, bool mainLine,
                  std::vector<std::string>& problems) {
    std::string_view replies = line.substr(separator + 1);
    if (mainLine && !replies.empty() && replies.back() == '@') {
        replies.remove_suffix(1);
    } else if (!replies.empty() && replies.back() == '@') {
        problems.push_back("a final \"@\" on a branch line starts no farewell");
        replies.remove_suffix(1);
    }
    if (replies.find('^') != std::string_view::npos) {
        problems.push_back("a reply holds \"^\"");
    }
    if (replies.find('@') != std::string_view::npos) {
        problems.push_back("\"@\" stands elsewhere than at the very end of the line");
    }
    if (replies.empty()) {
        problems.push_back("no reply after the separator");
        return;
    }
    if (replies.front() == ';' || replies.find(";;") != std::string_view::npos) {
        problems.push_back("an empty alternative (it would answer with the \";\" itself)");
    }
    const std::size_t lastSemicolon = replies.rfind(';');
    if (lastSemicolon == std::string_view::npos) {
        problems.push_back("no \";\" closes the reply");
    } else if (lastSemicolon + 1 < replies.size()) {
        problems.push_back("the text after the last \";\" is never a reply");
    }
}

// Later main lines whose whole pattern holds an earlier main line's pattern never answer in the
// whole-pattern pass: the earlier line takes every phrase they would.
void checkShadowing(const LineList& words, Findings& findings) {
    std::unordered_map<std::string_view, int> earlier; // pattern -> first line holding it
    for (int index = 1; index < words.count(); ++index) {
        const std::string& line = words.line(index);
        if (kbline::depth(line) != 0 || !kbline::answers(line)) {
            continue;
        }
        const std::string_view pattern = kbline::pattern(line);
        int shadow = -1;
        for (std::size_t start = 0; start < pattern.size() && shadow < 0; ++start) {
            // a pattern equal to an earlier one is reported as a repeat instead
            for (std::size_t length = 1;
                 start + length <= pattern.size() && length < pattern.size(); ++length) {
                const auto found = earlier.find(pattern.substr(start, length));
                if (found != earlier.end() && patternScan(found->first, pattern)) {
                    shadow = found->second;
                    break;
                }
            }
        }
        if (shadow >= 0) {
            findings.push_back({kbfiles::Words, index,
                                "never answers as a whole: the pattern " +
                                    quoted(kbline::pattern(words.line(shadow))) + " of line " +
                                    std::to_string(shadow) + " occurs in it"});
        }
        earlier.emplace(pattern, index);
    }
}

} // namespace

Findings KbChecker::checkWords(const LineList& words) {
    Findings findings;
    std::map<std::pair<int, std::string>, int> seen; // (parent line, pattern) -> line
    std::vector<int> parents{0};                     // the line each depth continues
    int previousDepth = 0;
    for (int index = 1; index < words.count(); ++index) {
        const std::string& line = words.line(index);
        auto report = [&](const std::string& what) {
            findings.push_back({kbfiles::Words, index, what});
        };
        if (line.empty()) {
            report("an empty line: never answers and counts as a main phrase");
            continue;
        }
        const int depth = kbline::depth(line);
        if (depth > previousDepth + 1) {
            report("branch depth " + std::to_string(depth) + " does not follow the line above (" +
                   std::to_string(previousDepth) + ")");
        }
        previousDepth = depth;
        parents.resize(static_cast<std::size_t>(depth) + 1, index);
        parents[static_cast<std::size_t>(depth)] = index;
        const int parent = depth == 0 ? 0 : parents[static_cast<std::size_t>(depth) - 1];

        const auto start = static_cast<std::size_t>(depth);
        const std::size_t separator = kbline::separator(line, start);
        if (separator == kbline::npos) {
            report("no separator \"^\" after the pattern: the line never answers");
            continue;
        }
        const std::string_view pattern = kbline::pattern(line, start);
        if (holdsSmallLetter(pattern)) {
            report("the pattern " + quoted(pattern) + " holds small letters: it never matches");
        }
        const auto [where, fresh] = seen.emplace(std::pair(parent, std::string(pattern)), index);
        if (!fresh) {
            report("the pattern " + quoted(pattern) + " repeats line " +
                   std::to_string(where->second));
        }
        if (separator + 1 == line.size()) {
            continue; // learned, waiting for its first answer
        }
        std::vector<std::string> problems;
        checkReplies(line, separator, depth == 0, problems);
        for (const std::string& problem : problems) {
            report(problem);
        }
    }
    checkShadowing(words, findings);
    return findings;
}

Findings KbChecker::check() const {
    Findings findings;
    checkFilesExist(findings);
    try {
        const LineList words = files_.load(kbfiles::Words);
        if (words.empty()) {
            findings.push_back({kbfiles::Words, -1, "the file is empty: it needs a header line"});
        }
        const Findings inWords = checkWords(words);
        findings.insert(findings.end(), inWords.begin(), inWords.end());
    } catch (const FileError&) {
        // reported as missing above
    }
    checkReplyFiles(findings);
    return findings;
}

void KbChecker::checkFilesExist(Findings& findings) const {
    for (const char* name : kNeededFiles) {
        if (!std::filesystem::is_regular_file(files_.resolver().resolve(name))) {
            findings.push_back({name, -1, "missing: the program needs this file"});
        }
    }
}

void KbChecker::checkReplyFiles(Findings& findings) const {
    for (const ReplyFile& file : kReplyFiles) {
        try {
            if (files_.load(file.name).count() < file.linesNeeded) {
                findings.push_back(
                    {file.name, -1, "no line to give: the program would say nothing"});
            }
        } catch (const FileError&) {
            // reported as missing
        }
    }
}
