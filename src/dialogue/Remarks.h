#pragma once

#include "dialogue/LineStyle.h"
#include "dialogue/Transcript.h"
#include "engine/EngineState.h"
#include "engine/Random.h"
#include "engine/WorkList.h"

#include <cstdint>
#include <string>

// The remarks the program makes unasked: the idle remark that breaks a silence (T2), the greeting
// that may open a conversation (T10) and the follow-up remark about two seconds after a reply
// (T9). Each is shown and logged as a line of the program. Text is Windows-1251.
//
// A remark file that cannot be opened throws FileError at its load: the tick ends there and
// shows nothing, the idle counter keeps its value and the greeting timer stays armed, so the next
// tick tries again.
class Remarks {
public:
    // What the remarks need from the window around them.
    class Sink {
    public:
        virtual ~Sink() = default;
        virtual LineStyle cpuLineStyle() const = 0;
        virtual std::uint32_t generalColour() const = 0; // 0xRRGGBB
        virtual void setBusyCursor(bool busy) = 0;
        virtual void playReplyCue() = 0;
        virtual void stopGreetingTimer() = 0; // T10
        virtual void stopFollowUpTimer() = 0; // T9
    };

    static constexpr int kIdleFrom = 60; // the idle remark never comes before this many ticks
    static constexpr int kIdleBy = 90;   // and always by this many
    static constexpr int kFollowUpStep = 500;

    Remarks(WorkList& RE2, Random& random, EngineState& state, Transcript& transcript)
        : RE2_(RE2), random_(random), state_(state), transcript_(transcript) {}

    // One tick of the idle timer: a threshold drawn afresh from 60 to 90, one more idle tick, and
    // a line of "Base\Pause.Dat" in the general colour once the count reaches the threshold.
    void T2Tick(Sink& sink);
    // One tick of the greeting timer: one chance in three of a line of "Base\Begin.dat" in the
    // program's style; the timer is disarmed whatever the draw, so each arming is one chance.
    void T10Tick(Sink& sink);
    // One tick of the follow-up timer: the remark comes when the wait reaches the timer's
    // interval, from the work list as the turn left it (line 0 is a header, never said).
    void T9Tick(Sink& sink, int interval);

    int FollowUpWait = 0;

private:
    void sayInCpuStyle(Sink& sink, const std::string& text);

    WorkList& RE2_;
    Random& random_;
    EngineState& state_;
    Transcript& transcript_;
};
