#pragma once

#include "dialogue/DialogueMode.h"
#include "dialogue/ExchangeFile.h"
#include "dialogue/Remarks.h"

class TForm1;

// The main window as the remarks, the mode switches and the exchange timer see it: the styles
// and the general colour, the cues and the busy cursor, the timers they arm and stop, the status
// panel and check marks of the mode, and the turn that the exchange timer starts.
class FormDialogue : public Remarks::Sink, public DialogueMode::Sink, public ExchangeFile::Sink {
public:
    explicit FormDialogue(TForm1& form) : form_(form) {}

    // Remarks::Sink
    LineStyle cpuLineStyle() const override;
    std::uint32_t generalColour() const override;
    void setBusyCursor(bool busy) override;
    void playReplyCue() override;
    void stopGreetingTimer() override;
    void stopFollowUpTimer() override;

    // DialogueMode::Sink
    void clearInput() override;
    void setInputRules(bool running) override;
    void setExchangeTimer(bool armed) override;
    void showModeText(const std::string& text) override;
    void showMode(DialogueMode::Mode mode) override;

    // ExchangeFile::Sink
    void setTalkEnabled(bool enabled) override;
    void setPeriod(int milliseconds) override;
    void speak() override;

private:
    TForm1& form_;
};
