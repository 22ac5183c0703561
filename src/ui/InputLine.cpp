#include "ui/InputLine.h"

#include "ui/TypingLimitValidator.h"

#include <QKeyEvent>

InputLine::InputLine(QWidget* parent) : QLineEdit(parent), limit_(new TypingLimitValidator(this)) {
    setValidator(limit_);
    // Connected first, so every other listener already finds the new text "before" the next edit.
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString& text) { limit_->setBefore(text); });
}

void InputLine::setText(const QString& text) {
    limit_->setProgramSets(true);
    QLineEdit::setText(text);
    limit_->setProgramSets(false);
}

bool InputLine::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QKeySequence& shortcut : windowShortcuts_) {
            if (shortcut == pressed) {
                key->ignore(); // leave the key to the window's command
                return true;
            }
        }
    }
    return QLineEdit::event(event);
}

void InputLine::keyPressEvent(QKeyEvent* event) {
    // Ctrl+Alt is how some keyboards type their third-level characters: those are typed.
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if ((modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier) &&
        !event->text().isEmpty() && event->text().at(0).isPrint()) {
        event->ignore();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
