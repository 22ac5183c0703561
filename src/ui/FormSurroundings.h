#pragma once

#include "engine/TurnSurroundings.h"

class TForm1;

// The reply turn's surroundings in the main window: the phrase comes from the input line (or the
// exchange list), the lines go into the dialog view and the log in the speakers' styles, the cues
// sound, and the farewell and follow-up timers are switched as the turn decides.
class FormSurroundings : public TurnSurroundings {
public:
    explicit FormSurroundings(TForm1& form) : form_(form) {}

    bool cpuUserMode() const override;
    bool cpuCpuMode() const override;
    std::string inputText() const override;
    std::string exchangeFirstLine() const override;
    std::string earlierLine() const override;
    void setBusyCursor(bool busy) override;
    void playPhraseCue() override;
    void echoPhrase(const std::string& phrase) override;
    void playReplyCue() override;
    void showReply(const std::string& reply) override;
    void setFarewellTimer(bool enabled) override;
    void setFollowUpTimer(bool enabled) override;
    void writeExchange(const std::string& reply) override;
    void clearInput() override;

private:
    TForm1& form_;
};
