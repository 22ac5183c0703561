#pragma once

#include "dialogue/FailureMemory.h"
#include "ui/ErrorReporter.h"

#include <functional>
#include <map>
#include <string>

// Runs the handlers of the windows: a failure ends the handler at the step that failed, is shown
// to the user, and the program runs on. A command the user gives shows every failure; a timer
// that fails tick after tick shows its message once, and again only after one of its ticks has
// succeeded or it fails in another way, so a lasting fault never floods the screen.
class HandlerErrors {
public:
    explicit HandlerErrors(ErrorReporter& reporter) : reporter_(reporter) {}

    // True when the handler ran to its end.
    bool run(const std::function<void()>& handler);
    bool runTick(const std::string& timer, const std::function<void()>& handler);

    // A message of the program's own (Windows-1251), shown at once.
    void report(const std::string& message);

    ErrorReporter& reporter() { return reporter_; }

private:
    static std::string failureOf(const std::function<void()>& handler, bool& failed);

    ErrorReporter& reporter_;
    std::map<std::string, FailureMemory> lastFailure_;
};
