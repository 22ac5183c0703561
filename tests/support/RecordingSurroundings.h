#pragma once

#include "engine/LineList.h"
#include "engine/TurnSurroundings.h"

#include <string>
#include <vector>

// Turn surroundings that keep a transcript and record every call the turn makes, in order, so a
// test can check what the user would see and in which order it happened.
class RecordingSurroundings : public TurnSurroundings {
public:
    // The dialog view's lines and the log list, as the window keeps them.
    struct Lines {
        LineList view;
        LineList logLines;
        LineList& log() { return logLines; }
        const LineList& log() const { return logLines; }
        void clearView() { view.clear(); }
        // The next-to-last view line: empty below two lines.
        const std::string& earlierLine() const { return view.line(view.count() - 2); }
    };

    bool CpuUser = true;
    bool CpuCpu = false;
    std::string Input;
    std::string exchangeLine;
    Lines transcript;
    std::vector<std::string> calls;
    bool busy = false;
    bool T4 = false;
    bool T9 = false;
    std::vector<std::string> exchangeWrites;

    bool cpuUserMode() const override { return CpuUser; }
    bool cpuCpuMode() const override { return CpuCpu; }
    std::string inputText() const override { return Input; }
    std::string exchangeFirstLine() const override { return exchangeLine; }
    std::string earlierLine() const override { return transcript.earlierLine(); }
    void setBusyCursor(bool on) override {
        busy = on;
        calls.push_back(on ? "busy" : "normal cursor");
    }
    void playPhraseCue() override { calls.push_back("phrase cue"); }
    void echoPhrase(const std::string& phrase) override {
        transcript.view.append(phrase);
        transcript.logLines.append("USER:     " + phrase);
        calls.push_back("echo");
    }
    void playReplyCue() override { calls.push_back("reply cue"); }
    void showReply(const std::string& reply) override {
        transcript.view.append(reply);
        transcript.logLines.append("CPU:     " + reply);
        calls.push_back("reply");
    }
    void setFarewellTimer(bool on) override {
        T4 = on;
        calls.push_back(on ? "T4 on" : "T4 off");
    }
    void setFollowUpTimer(bool on) override {
        T9 = on;
        calls.push_back(on ? "T9 on" : "T9 off");
    }
    void writeExchange(const std::string& reply) override {
        exchangeWrites.push_back(reply);
        calls.push_back("exchange");
    }
    void clearInput() override {
        Input.clear();
        calls.push_back("clear input");
    }
};
