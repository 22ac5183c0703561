#include "dialogue/Remarks.h"

#include "engine/ProgramFiles.h"

void Remarks::T2Tick(Sink& sink) {
    random_.reseed();
    const int threshold = random_.random(kIdleBy - kIdleFrom + 1) + kIdleFrom;
    ++state_.IdleTicks;
    if (state_.IdleTicks < threshold) {
        return;
    }
    RE2_.loadAndPick(programfiles::Pause, random_, state_.CpuReply);
    // Only the colour changes: the remark keeps whatever font the last line was written in.
    transcript_.currentStyle().rgb = sink.generalColour();
    transcript_.addViewLine(state_.CpuReply);
    transcript_.log().append(Transcript::kCpuPrefix + state_.CpuReply);
    sink.playReplyCue();
    state_.IdleTicks = 0;
}

void Remarks::T10Tick(Sink& sink) {
    if (random_.random(3) + 1 == 1) {
        RE2_.load(programfiles::Begin);
        sink.setBusyCursor(true);
        state_.CpuReply = RE2_.lines().line(random_.random(RE2_.lines().count()));
        sink.setBusyCursor(false);
        sayInCpuStyle(sink, state_.CpuReply);
    }
    sink.stopGreetingTimer();
}

void Remarks::T9Tick(Sink& sink, int interval) {
    FollowUpWait += kFollowUpStep;
    if (FollowUpWait != interval) {
        return;
    }
    sink.setBusyCursor(true);
    const int lines = RE2_.lines().count();
    const std::string remark = RE2_.lines().line(random_.random(lines - 1) + 1);
    sayInCpuStyle(sink, remark);
    sink.setBusyCursor(false);
    FollowUpWait = 0;
    sink.stopFollowUpTimer();
}

void Remarks::sayInCpuStyle(Sink& sink, const std::string& text) {
    sink.playReplyCue();
    transcript_.addCpuLine(text, sink.cpuLineStyle());
}
