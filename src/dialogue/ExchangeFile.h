#pragma once

#include "engine/LineFiles.h"
#include "engine/LineList.h"

#include <string>

// The exchange file of the Cpu\Cpu mode, shared with a partner: another copy of the program, the
// console, or any program that writes its phrase as the first line (plain text or RTF). Only line
// 0 is read; the program writes the file with exactly one line, its reply, as RTF, replacing it
// atomically so a partner reading at that moment sees the old reply or the new one, never half of
// one. Names are Windows-1251 and resolved like every file of the program ("D:\Txt.Dat" is taken
// from the program folder).
class ExchangeFile {
public:
    static constexpr const char* kDefaultPath = "D:\\Txt.Dat";

    enum class Trigger {
        None,  // neither radio button checked: Enter starts a turn
        Enter, // "По нажатию клавиши [ENTER]"
        Timer, // "По таймеру  каждые:"
    };

    // The settings of the editor dialog, read live whenever the timer or a turn runs.
    struct Settings {
        std::string path = kDefaultPath;
        Trigger trigger = Trigger::Enter;
        int period = 1; // milliseconds
    };

    // The window's side of an exchange tick.
    class Sink {
    public:
        virtual ~Sink() = default;
        virtual void setTalkEnabled(bool enabled) = 0; // Enter starts a turn only while enabled
        virtual void setPeriod(int milliseconds) = 0;  // the exchange timer's interval
        virtual void speak() = 0;                      // one reply turn, at once
    };

    // Loads the file into the exchange list. Throws FileError "Cannot open file <path>".
    static void read(const LineFiles& files, const std::string& path, LineList& LoadtxtCpuCpu);
    // The reply becomes the list's only line and the file's only line. Throws FileError
    // "Cannot create file <path>".
    static void write(const LineFiles& files, const std::string& path, const std::string& reply,
                      LineList& LoadtxtCpuCpu);

    // One tick of the exchange timer: read the file, then by the trigger either let Enter start
    // a turn, or take up the period, keep Enter out and start a turn. A file that cannot be read
    // ends the tick there: no turn, Enter as it was.
    static void T6Tick(const LineFiles& files, const Settings& settings, LineList& LoadtxtCpuCpu,
                       Sink& sink);
};
