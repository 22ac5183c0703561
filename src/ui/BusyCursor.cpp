#include "ui/BusyCursor.h"

#include <QApplication>
#include <QCursor>

void BusyCursor::set(bool busy) {
    if (busy == on_) {
        return;
    }
    on_ = busy;
    if (busy) {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    } else {
        QApplication::restoreOverrideCursor();
    }
}
