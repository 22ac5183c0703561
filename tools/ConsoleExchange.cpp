#include "tools/ConsoleExchange.h"

#include "engine/Cp1251.h"
#include "engine/FileError.h"

#include <chrono>
#include <thread>

ConsoleExchange::ConsoleExchange(ReplyEngine& engine, ConsoleSurroundings& console, LineFiles files,
                                 std::string path, int period, std::ostream& errors)
    : engine_(engine), console_(console), files_(std::move(files)), errors_(errors) {
    settings_.path = std::move(path);
    settings_.trigger = ExchangeFile::Trigger::Timer;
    settings_.period = period;
    console_.useExchange(files_, settings_.path);
}

// A missing or unwritable file fails on every period: its message is shown once, and again only
// after a tick has succeeded or the failure has changed.
bool ConsoleExchange::tick() {
    answered_ = false;
    try {
        ExchangeFile::T6Tick(files_, settings_, console_.exchangeList(), *this);
        failure_.succeeded();
    } catch (const FileError& error) {
        if (failure_.failed(error.what())) {
            errors_ << cp1251::toUtf8(error.what()) << std::endl;
        }
    }
    return answered_;
}

void ConsoleExchange::speak() {
    const int logged = console_.transcript().log().count();
    engine_.SpeakClick(console_);
    answered_ = console_.transcript().log().count() > logged; // an empty phrase is no turn
}

long ConsoleExchange::run(long turns, const std::function<bool()>& stop) {
    using Clock = std::chrono::steady_clock;
    constexpr auto kSlice = std::chrono::milliseconds(50); // how soon a stop is seen while waiting
    long done = 0;
    while (!stop() && (turns == 0 || done < turns)) {
        const auto next = Clock::now() + std::chrono::milliseconds(settings_.period);
        if (tick()) {
            ++done;
        }
        for (auto now = Clock::now(); now < next && !stop(); now = Clock::now()) {
            std::this_thread::sleep_for(std::min<Clock::duration>(next - now, kSlice));
        }
    }
    return done;
}
