#include "tools/KbChecker.h"

#include "engine/Cp1251.h"
#include "engine/FileError.h"
#include "engine/KbLine.h"
#include "engine/PatternScan.h"
#include "engine/ProgramFiles.h"
#include "engine/SaveLeftovers.h"
#include "tools/EarlierPatterns.h"

#include <filesystem>
#include <map>
#include <string_view>

namespace {

using Findings = std::vector<KbChecker::Finding>;

std::string quoted(std::string_view text) {
    std::string quoted = "\"";
    quoted += cp1251::toUtf8(text);
    quoted += '"';
    return quoted;
}

// Everything the program opens: the base, the log, its settings, sounds, picture and history.
const std::vector<const char*>& neededFiles() {
    static const std::vector<const char*> files = [] {
        std::vector<const char*> all = {
            programfiles::Words,      programfiles::Povtor,     programfiles::X,
            programfiles::Collection, programfiles::BigString,  programfiles::W1,
            programfiles::W2,         programfiles::AI,         programfiles::Pause,
            programfiles::Begin,      programfiles::Dictionary, programfiles::Log,
            programfiles::Config,     programfiles::ReadMe,     programfiles::Picture};
        all.insert(all.end(), programfiles::Sounds.begin(), programfiles::Sounds.end());
        return all;
    }();
    return files;
}

// The files the program reads as lines, and how many lines each needs before it has one to give
// (the follow-up remarks never use their first line; the main file is checked line by line).
struct LineFile {
    const char* name;
    int linesNeeded;
};
constexpr LineFile kLineFiles[] = {
    {programfiles::Words, 0},      {programfiles::Povtor, 1},     {programfiles::X, 1},
    {programfiles::Collection, 0}, {programfiles::BigString, 1},  {programfiles::W1, 1},
    {programfiles::W2, 1},         {programfiles::AI, 2},         {programfiles::Pause, 1},
    {programfiles::Begin, 1},      {programfiles::Dictionary, 1}, {programfiles::Log, 0}};

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
// whole-pattern pass: the earlier line takes every phrase they would. The line named is the first
// such line, the one that answers in their place.
void checkShadowing(const LineList& words, Findings& findings) {
    EarlierPatterns earlier;
    for (int index = 1; index < words.count(); ++index) {
        const std::string& line = words.line(index);
        if (kbline::depth(line) != 0 || !kbline::answers(line)) {
            continue;
        }
        const std::string_view pattern = kbline::pattern(line);
        const int shadow = earlier.firstShadowOf(pattern);
        if (shadow >= 0) {
            findings.push_back({programfiles::Words, index,
                                "never answers as a whole: the pattern " +
                                    quoted(kbline::pattern(words.line(shadow))) + " of line " +
                                    std::to_string(shadow) + " occurs in it"});
        }
        earlier.add(pattern, index);
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
            findings.push_back({programfiles::Words, index, what});
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
    checkLineFiles(findings);
    checkSaveLeftovers(findings);
    return findings;
}

// A file that is there but not a file the program can read is reported for what it is.
void KbChecker::checkFilesExist(Findings& findings) const {
    namespace fs = std::filesystem;
    for (const char* name : neededFiles()) {
        const fs::path path = files_.resolver().resolve(name);
        std::error_code error;
        const fs::file_status status = fs::status(path, error);
        std::error_code linkError;
        if (status.type() == fs::file_type::not_found) {
            findings.push_back({name, -1,
                                fs::is_symlink(fs::symlink_status(path, linkError))
                                    ? "a link that leads nowhere: the program needs this file"
                                    : "missing: the program needs this file"});
        } else if (error) {
            findings.push_back({name, -1, "cannot be read: " + error.message()});
        } else if (status.type() != fs::file_type::regular) {
            findings.push_back({name, -1, "not a regular file: the program reads only files"});
        }
    }
}

// Every line file the program reads must read whole; a damaged one is named with the byte where
// reading stopped, since the program will neither answer from it nor write it back.
void KbChecker::checkLineFiles(Findings& findings) const {
    for (const LineFile& file : kLineFiles) {
        LineList lines;
        try {
            lines = files_.load(file.name);
        } catch (const FileError& error) {
            if (error.damagedAt()) {
                findings.push_back({file.name, -1,
                                    "damaged: reading stopped at byte " +
                                        std::to_string(*error.damagedAt()) +
                                        "; the program will not read or change it until mended"});
            }
            continue; // otherwise reported as missing or unreadable above
        }
        if (file.name == programfiles::Words) {
            if (lines.empty()) {
                findings.push_back(
                    {programfiles::Words, -1, "the file is empty: it needs a header line"});
            }
            const Findings inWords = checkWords(lines);
            findings.insert(findings.end(), inWords.begin(), inWords.end());
        } else if (lines.count() < file.linesNeeded) {
            findings.push_back({file.name, -1, "no line to give: the program would say nothing"});
        }
    }
}

void KbChecker::checkSaveLeftovers(Findings& findings) const {
    const auto base = files_.resolver().resolve("Base");
    for (const auto& leftover : saveleftovers::findIn(base)) {
        std::string name = "Base\\";
        name += leftover.filename().string();
        findings.push_back(
            {name, -1, "left by a save that did not finish: the next save removes it"});
    }
}
