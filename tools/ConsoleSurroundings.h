#pragma once

#include "Transcript.h"
#include "TurnSurroundings.h"

#include <ostream>
#include <string>

// The reply turn's surroundings at a terminal: the phrase comes from standard input, and every log
// line the turn adds is printed in UTF-8 as it is added. Always in Cpu\User mode; the timers a turn
// switches have no remarks to make here.
class ConsoleSurroundings : public TurnSurroundings {
public:
    explicit ConsoleSurroundings(std::ostream& out) : out_(out) {}

    void setInput(std::string phrase) { input_ = std::move(phrase); }
    const Transcript& transcript() const { return transcript_; }
    bool farewellArmed() const { return farewell_; }

    bool cpuUserMode() const override { return true; }
    bool cpuCpuMode() const override { return false; }
    std::string inputText() const override { return input_; }
    std::string exchangeFirstLine() const override { return {}; }
    std::string earlierLine() const override { return transcript_.earlierLine(); }
    void setBusyCursor(bool) override {}
    void playPhraseCue() override {}
    void echoPhrase(const std::string& phrase) override;
    void playReplyCue() override {}
    void showReply(const std::string& reply) override;
    void setFarewellTimer(bool enabled) override { farewell_ = enabled; }
    void setFollowUpTimer(bool) override {}
    void writeExchange(const std::string&) override {}
    void clearInput() override { input_.clear(); }

private:
    void printLastLogLine();

    std::ostream& out_;
    Transcript transcript_;
    std::string input_;
    bool farewell_ = false;
};
