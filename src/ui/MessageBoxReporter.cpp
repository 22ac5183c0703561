#include "ui/MessageBoxReporter.h"

#include <QMessageBox>

void MessageBoxReporter::report(const QString& message) {
    auto* box = new QMessageBox(QMessageBox::Critical, title(), message, QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->open();
}
