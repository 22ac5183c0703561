#pragma once

#include "dialogue/ExchangeFile.h"
#include "dialogue/FailureMemory.h"
#include "engine/ReplyEngine.h"
#include "tools/ConsoleSurroundings.h"

#include <functional>
#include <ostream>

// The console as a partner in the Cpu\Cpu mode: a copy of the program on the timer trigger, with no
// window. Every period it reads line 0 of the exchange file, answers it through the reply turn
// and writes its reply back, exactly as the window's exchange timer does.
class ConsoleExchange : private ExchangeFile::Sink {
public:
    // `files` resolve the exchange file's name; the engine works on its own program folder.
    ConsoleExchange(ReplyEngine& engine, ConsoleSurroundings& console, LineFiles files,
                    std::string path, int period, std::ostream& errors);

    // One tick of the exchange timer. True when a turn was answered and written.
    bool tick();
    // Ticks once a period until `turns` turns are done (0: no limit) or `stop` says so; a stop
    // is seen between ticks, so the turn in progress is always finished and written. Returns the
    // number of turns answered.
    long run(long turns, const std::function<bool()>& stop);

    int period() const { return settings_.period; }

private:
    void setTalkEnabled(bool) override {}
    void setPeriod(int milliseconds) override { settings_.period = milliseconds; }
    void speak() override;

    ReplyEngine& engine_;
    ConsoleSurroundings& console_;
    LineFiles files_;
    ExchangeFile::Settings settings_;
    std::ostream& errors_;
    FailureMemory failure_;
    bool answered_ = false;
};
