#pragma once

#include <QString>

// Where the program's error messages go: a message box in the program, a recorder in tests.
class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    virtual void report(const QString& message) = 0;
};
