#pragma once

#include <string>

// What a reply turn needs from the program around it: the window fills it, and so does the console.
// The turn calls these in the order it runs; a call that throws FileError ends the turn there.
class TurnSurroundings {
public:
    virtual ~TurnSurroundings() = default;

    // Where the phrase comes from: the input line in Cpu\User mode, line 0 of the exchange list in
    // Cpu\Cpu mode. The two modes are never on together.
    virtual bool cpuUserMode() const = 0;
    virtual bool cpuCpuMode() const = 0;
    virtual std::string inputText() const = 0;
    virtual std::string exchangeFirstLine() const = 0;

    // The dialog view's next-to-last line before the turn adds anything (empty below two lines).
    virtual std::string earlierLine() const = 0;

    // The busy cursor goes on before the phrase is prepared and off once the reply is shown; a
    // turn that fails before its reply leaves it on until a later turn completes.
    virtual void setBusyCursor(bool busy) = 0;

    virtual void playPhraseCue() = 0;
    // Shows the phrase in the user-line style and logs "USER:     " + phrase.
    virtual void echoPhrase(const std::string& phrase) = 0;
    virtual void playReplyCue() = 0;
    // Shows the reply in the CPU-line style and logs "CPU:     " + reply.
    virtual void showReply(const std::string& reply) = 0;

    virtual void setFarewellTimer(bool enabled) = 0; // T4
    virtual void
    setFollowUpTimer(bool enabled) = 0; // T9; enabling an enabled timer keeps its period

    // Cpu\Cpu mode: the reply becomes the only line of the exchange list and the exchange file.
    virtual void writeExchange(const std::string& reply) = 0;

    virtual void clearInput() = 0;
};
