#pragma once

#include "ui/ErrorReporter.h"

// Shows each error in a message box that blocks the program's windows until it is confirmed, but
// does not stop the handler that reported it: the box opens and the handler returns, so no timer
// tick is held up inside another one.
class MessageBoxReporter : public ErrorReporter {
public:
    void report(const QString& message) override;

    // The title of the program's message boxes.
    static QString title() { return QStringLiteral("Lorintal"); }
};
