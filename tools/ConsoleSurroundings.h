#pragma once

#include "dialogue/Transcript.h"
#include "engine/LineFiles.h"
#include "engine/LineList.h"
#include "engine/TurnSurroundings.h"

#include <optional>
#include <ostream>
#include <string>

// The reply turn's surroundings at a terminal: every log line the turn adds is printed in UTF-8 as
// it is added. In Cpu\User mode (the default) the phrase comes from standard input; in Cpu\Cpu mode
// it is line 0 of the exchange list, and the reply is written to the exchange file as the window
// writes it. The timers a turn switches have no remarks to make here.
class ConsoleSurroundings : public TurnSurroundings {
public:
    explicit ConsoleSurroundings(std::ostream& out) : out_(out) {}

    void setInput(std::string phrase) { input_ = std::move(phrase); }
    // Cpu\Cpu mode on the exchange file named `path` (Windows-1251), resolved by `files`.
    void useExchange(LineFiles files, std::string path);
    LineList& exchangeList() { return LoadtxtCpuCpu_; }
    const Transcript& transcript() const { return transcript_; }
    bool farewellArmed() const { return farewell_; }

    bool cpuUserMode() const override { return !exchange_; }
    bool cpuCpuMode() const override { return exchange_.has_value(); }
    std::string inputText() const override { return input_; }
    std::string exchangeFirstLine() const override { return LoadtxtCpuCpu_.line(0); }
    std::string earlierLine() const override { return transcript_.earlierLine(); }
    void setBusyCursor(bool) override {}
    void playPhraseCue() override {}
    void echoPhrase(const std::string& phrase) override;
    void playReplyCue() override {}
    void showReply(const std::string& reply) override;
    void setFarewellTimer(bool enabled) override { farewell_ = enabled; }
    void setFollowUpTimer(bool) override {}
    void writeExchange(const std::string& reply) override;
    void clearInput() override { input_.clear(); }

private:
    void printLastLogLine();

    std::ostream& out_;
    Transcript transcript_;
    std::string input_;
    bool farewell_ = false;
    struct Exchange {
        LineFiles files;
        std::string path;
    };
    std::optional<Exchange> exchange_;
    LineList LoadtxtCpuCpu_;
};
