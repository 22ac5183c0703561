#pragma once

#include "LineList.h"

#include <string>
#include <vector>

class WorkList;

// The conversation log file "Base\Log.Mirtel": every exit appends one block for the run (a dated
// header, the log list, a closing line) and writes the whole file back. All text is Windows-1251.
//
// The exit command N4Click is then:
//   ConversationLogFile::append(RE2, transcript.log(), date, time);  // steps 1..6, may throw
//   close();                                                          // step 7
// with date = QLocale::system() short date and time = long time, read in that order and
// converted to Windows-1251 (cp1251::fromUtf8).
class ConversationLogFile {
public:
    static constexpr int kHyphens = 80;
    static constexpr int kUnderscores = 30;
    static constexpr int kTildes = 30;
    static constexpr int kEquals = 53;

    // Steps 1 to 6, through the work list RE2:
    //  1. load "Base\Words.Dat" and take phrasesLearned() of it;
    //  2. load "Base\Log.Mirtel" in its place;
    //  3. append the header (headerLines());
    //  4. append the log lines, each exactly as one line;
    //  5. append the 53 equals signs;
    //  6. save "Base\Log.Mirtel" (RTF, replaced atomically).
    // Throws FileError "Cannot open file ..." (steps 1, 2) or "Cannot create file ..." (step 6);
    // the log file is then unchanged on disk. RE2 holds what was loaded or built so far.
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
