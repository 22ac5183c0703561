#include "ui/SecondaryForm.h"

#include "ui/WindowLook.h"

SecondaryForm::SecondaryForm(const QString& caption, QSize client, Qt::WindowFlags titleBar)
    : QWidget(nullptr, titleBar | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(caption);
    setFixedSize(client);
    WindowLook::paintSilver(*this);
    setFont(WindowLook::windowFont());
}
