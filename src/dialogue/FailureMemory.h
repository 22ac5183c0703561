#pragma once

#include <optional>
#include <string>

// The last failure of a job that runs again and again (a timer's tick, the console's exchange
// period), so that a fault that lasts is reported once: a failure is new when the job has
// succeeded since the last one or fails in another way.
class FailureMemory {
public:
    // True when this failure should be reported.
    bool failed(const std::string& message) {
        if (last_ == message) {
            return false;
        }
        last_ = message;
        return true;
    }
    void succeeded() { last_.reset(); }

private:
    std::optional<std::string> last_;
};
