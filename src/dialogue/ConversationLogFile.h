#pragma once

#include "engine/LineList.h"

#include <string>
#include <vector>

class WorkList;

// The conversation log file "Base\Log.Mirtel": every exit appends one block for the run (a dated
// header, the log list, a closing line) and writes the whole file back, before the window closes.
// The date and time are the user's regional short date and long time. All text is Windows-1251.
class ConversationLogFile {
public:
    static constexpr int kHyphens = 80;
    static constexpr int kUnderscores = 30;
    static constexpr int kTildes = 30;
    static constexpr int kEquals = 53;

    // Counts what the main file has learned, then loads the log file through the work list RE2,
    // appends the block for the run (the header, each log line as one line, the closing line) and
    // saves it, holding the base meanwhile so that two copies ending at once keep both blocks.
    // Throws FileError "Cannot open file ..." for either file or "Cannot create file ..." for the
    // log; the log file is then unchanged on disk. RE2 holds what was loaded or built so far.
    static void append(WorkList& RE2, const LineList& log, const std::string& date,
                       const std::string& time);

    // Lines 1 to 6 of a block: "", 80 "-", 22 blanks + 30 "_",
    // 22 blanks + "Дата - " + date + "   |   " + "Время - " + time, 22 blanks + 30 "~",
    // "//Загружено фраз выученных программой: " + phrases.
    static std::vector<std::string> headerLines(const std::string& date, const std::string& time,
                                                int phrases);
    // The closing line: 53 "=".
    static std::string closingLine();

    // The count of header line 6: the line count of "Base\Words.Dat" minus 1 (a final empty line
    // is not a line), never below 0 (an empty file counts 0, not -1).
    static int phrasesLearned(const LineList& words);

    // The whole block for a run: the header, one line per log line, the closing line.
    static LineList block(const LineList& log, const std::string& date, const std::string& time,
                          int phrases);
};
