#pragma once

#include <QKeySequence>
#include <QLineEdit>
#include <QList>

class TypingLimitValidator;

// The input line. What the user types is held to the typing limit; text the program sets is
// kept whole. The window's command shortcuts (Ctrl+Z undoes the last line of the dialog, not the
// typing) win over the line's own use of those keys, and Alt with a character is a menu key that
// types nothing, also where no menu takes it.
class InputLine : public QLineEdit {
public:
    explicit InputLine(QWidget* parent);

    // The program's way of setting the text: never cut.
    void setText(const QString& text);
    void setWindowShortcuts(QList<QKeySequence> shortcuts) {
        windowShortcuts_ = std::move(shortcuts);
    }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TypingLimitValidator* limit_;
    QList<QKeySequence> windowShortcuts_;
};
