#pragma once

#include "engine/LineList.h"
#include "engine/ProgramFiles.h"

#include <optional>
#include <string>
#include <string_view>

class PathResolver;

// "Config.ini" as the program keeps it (the value list ConfigFile of the main window): the file's
// lines, in order, loaded once at start and never changed or written. A setting is found by its
// line number alone (from 1); the name before "=" is never read.
//
// The file is plain Windows-1251 text only (no RTF): a line ends at CR LF, a lone CR or a lone
// LF, a final line break adds no line, empty lines count, and a NUL byte ends the text.
class ConfigFile {
public:
    static constexpr const char* kName = programfiles::Config;
    // The line that switches the start-up shake off when it says "NO".
    static constexpr int kShakeLine = 2;

    // No lines: every value is empty, exactly like an empty file. A window whose Config.ini could
    // not be read keeps one of these, so the start-up shake still runs.
    ConfigFile() = default;
    explicit ConfigFile(LineList lines) : lines_(std::move(lines)) {}

    // Splits the bytes of the file as described above.
    static ConfigFile parse(std::string_view bytes);

    // Reads "Config.ini" from the program folder (the name matched without regard to letter
    // case), replacing the lines held. Throws FileError "Cannot open file Config.ini" when it is
    // missing or unreadable; the lines held are then left as they were.
    void load(const PathResolver& folder);

    const LineList& lines() const { return lines_; }

    // The value of line `lineNumber` (from 1): everything after the line's first "=", unchanged,
    // blanks and further "=" included; a line without "=" is its value in full.
    // - a file with no lines at all gives "" for every line;
    // - otherwise a line that is not there (beyond the last, or below 1) throws ValueError
    //   "List index out of bounds (N)" with N = lineNumber - 1.
    std::string value(int lineNumber) const;

    // The start-up shake switch, read afresh at every tick of the shake.
    struct ShakeSwitch {
        // True when line 2's value, upper-cased by the code page, is "NO": the tick ends at once.
        bool off = false;
        // Set only when line 2 is missing (a file of exactly one line), and only on the first
        // read: "List index out of bounds (1)". The window reports it and lets the shake run;
        // later reads say nothing, so the message never comes twice in a run.
        std::optional<std::string> problemToReport;
    };
    // Our choice for a missing line 2: the shake runs, as for an empty value, and the problem is
    // reported once. An empty file (or none loaded) gives an empty value, so the shake runs with no
    // report at all.
    ShakeSwitch readShakeSwitch();

private:
    LineList lines_;
    bool shakeProblemReported_ = false;
};
