#include "ui/HandlerErrors.h"

#include "engine/Cp1251.h"
#include "ui/CpText.h"

#include <exception>

std::string HandlerErrors::failureOf(const std::function<void()>& handler, bool& failed) {
    failed = true;
    try {
        handler();
        failed = false;
        return {};
    } catch (const std::exception& error) {
        return error.what();
    }
}

bool HandlerErrors::run(const std::function<void()>& handler) {
    bool failed = false;
    const std::string message = failureOf(handler, failed);
    if (failed) {
        report(message);
    }
    return !failed;
}

bool HandlerErrors::runTick(const std::string& timer, const std::function<void()>& handler) {
    bool failed = false;
    const std::string message = failureOf(handler, failed);
    if (!failed) {
        lastFailure_[timer].succeeded();
        return true;
    }
    if (lastFailure_[timer].failed(message)) {
        report(message);
    }
    return false;
}

void HandlerErrors::report(const std::string& message) {
    reporter_.report(fromCp(message));
}
