// The input aids of the main window: word completion with its key hook, the layout converter and
// the opening of the on-screen keyboard.

#include "engine/Cp1251.h"
#include "engine/LineFiles.h"
#include "input/EnableRule.h"
#include "input/LayoutConverter.h"
#include "ui/CpText.h"
#include "ui/InputLine.h"
#include "ui/StatusBar.h"
#include "ui/TimerArming.h"
#include "ui/Unit1.h"
#include "ui/Unit4.h"

#include <QAction>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

#include <optional>

namespace {

// A key going down anywhere in the program, seen once: as it reaches one of the program's windows
// from the desktop, or, for a key that is a command's shortcut, as the command is given it. The
// same key event passed on from a widget to its parents is not a second key.
std::optional<Completion::Key> keyDown(const QObject* receiver, const QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        return Completion::Key::Other;
    }
    if (event->type() != QEvent::KeyPress || !receiver->isWindowType()) {
        return std::nullopt;
    }
    switch (static_cast<const QKeyEvent*>(event)->key()) {
    case Qt::Key_Up:
        return Completion::Key::Up;
    case Qt::Key_Down:
        return Completion::Key::Down;
    default:
        return Completion::Key::Other;
    }
}

} // namespace

void TForm1::connectInputAids() {
    connect(N24, &QAction::triggered, this, &TForm1::N24Click);
    connect(N22, &QAction::triggered, this, &TForm1::N22Click);
    connect(EnRus, &QToolButton::clicked, this, &TForm1::EnRusClick);
    // The key the converter's hint names; like the button, it acts only on a line with text.
    auto* convert = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
    connect(convert, &QShortcut::activated, this, [this] {
        if (EnRus->isEnabled()) {
            EnRusClick();
        }
    });
}

void TForm1::N24Click() {
    errors_.run([this] {
        completion.N24Click(LineFiles(folder_));
        N24->setChecked(completion.isOn());
        if (completion.isOn()) {
            SB1->setPanelText(0, fromCp(EnableRule::noMatchText()));
            arm(T11);
        } else {
            SB1->setPanelText(0, fromCp(EnableRule::loadedText()));
            T11.stop();
        }
    });
}

void TForm1::T11Timer() {
    SB1->setPanelText(0, fromCp(completion.T11Timer(toCp(Input->text()))));
    T11.stop();
}

void TForm1::N23Click() {
    Input->setText(fromCp(completion.accepted(toCp(Input->text()))));
    arm(T11);
}

bool TForm1::AppMessage(QObject* receiver, QEvent* event) {
    const std::optional<Completion::Key> key = keyDown(receiver, event);
    if (!key) {
        return false;
    }
    if (const std::optional<std::string> entry = completion.keyDown(*key)) {
        busyCursor_.set(true);
        SB1->setPanelText(0, fromCp(*entry));
        arm(T11);
        busyCursor_.set(false);
    }
    return false; // the key always goes on to its ordinary processing
}

void TForm1::EnRusClick() {
    MP3->play();
    // Written back once: an unchanged line runs no change handler.
    Input->setText(fromCp(LayoutConverter::convert(toCp(Input->text()))));
}

void TForm1::N22Click() {
    QString caption = fromCp(completion.SpeedSuggestion);
    Talk->setText(caption.replace(QLatin1Char('&'), QStringLiteral("&&"))); // no Alt key for Talk
    takeOutOfService();
    if (form4_) {
        form4_->open(completion.SpeedSuggestion);
    }
}
