#pragma once

#include "dialogue/Transcript.h"

#include <cstdint>
#include <string>

// Who the program talks to. In Cpu\User mode (at launch) it answers what the user types; in
// Cpu\Cpu mode it answers the first line of the exchange file, on Enter or at a period, and writes
// its reply there. Each switch runs in full on every use, also when its mode is already on, and
// announces itself with a service line in the dialog view that is never logged.
class DialogueMode {
public:
    enum class Mode { CpuUser, CpuCpu };

    // The window's side of a switch.
    class Sink {
    public:
        virtual ~Sink() = default;
        virtual void clearInput() = 0;
        virtual void setInputRules(bool running) = 0;           // T1
        virtual void setExchangeTimer(bool armed) = 0;          // T6
        virtual void showModeText(const std::string& text) = 0; // status panel 2, Windows-1251
        virtual void showMode(Mode mode) = 0; // the check marks of "&Cpu\User" and "C&pu\Cpu"
    };

    static constexpr std::uint32_t kServiceColour = 0x008080; // teal

    explicit DialogueMode(Transcript& transcript) : transcript_(transcript) {}

    void CpuUser1Click(Sink& sink);
    void Cpu31Click(Sink& sink);

    Mode mode() const { return mode_; }
    bool cpuUser() const { return mode_ == Mode::CpuUser; }
    bool cpuCpu() const { return mode_ == Mode::CpuCpu; }

    // "Режим Cpu\User" or "Режим Cpu\Cpu", Windows-1251.
    static std::string statusText(Mode mode);
    // "Сервис:   // Режим диалога Cpu\User." or "... Cpu\Cpu.", Windows-1251.
    static std::string serviceLine(Mode mode);

private:
    void addServiceLine(const std::string& text);

    Transcript& transcript_;
    Mode mode_ = Mode::CpuUser;
};
