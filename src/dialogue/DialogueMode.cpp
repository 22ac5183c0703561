#include "dialogue/DialogueMode.h"

#include "engine/Cp1251.h"

namespace {

const char* modeName(DialogueMode::Mode mode) {
    return mode == DialogueMode::Mode::CpuUser ? "Cpu\\User" : "Cpu\\Cpu";
}

} // namespace

void DialogueMode::CpuUser1Click(Sink& sink) {
    sink.clearInput();
    sink.setInputRules(true);
    sink.showModeText(statusText(Mode::CpuUser));
    addServiceLine(serviceLine(Mode::CpuUser));
    transcript_.addViewLine({});
    mode_ = Mode::CpuUser;
    sink.showMode(mode_);
    sink.setExchangeTimer(false);
}

// The input line keeps its text and the input rules pause: the buttons keep their last state and
// the focus is no longer pulled into the line.
void DialogueMode::Cpu31Click(Sink& sink) {
    sink.setInputRules(false);
    sink.showModeText(statusText(Mode::CpuCpu));
    addServiceLine(serviceLine(Mode::CpuCpu));
    mode_ = Mode::CpuCpu;
    sink.showMode(mode_);
    sink.setExchangeTimer(true);
}

std::string DialogueMode::statusText(Mode mode) {
    return cp1251::fromUtf8("Режим ") + modeName(mode);
}

std::string DialogueMode::serviceLine(Mode mode) {
    return cp1251::fromUtf8("Сервис:   // Режим диалога ") + modeName(mode) + ".";
}

// Only the colour changes: the line keeps the font the last line was written in.
void DialogueMode::addServiceLine(const std::string& text) {
    transcript_.currentStyle().rgb = kServiceColour;
    transcript_.addViewLine(text);
}
