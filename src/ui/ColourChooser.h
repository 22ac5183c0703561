#pragma once

#include <QColor>

#include <cstdint>
#include <deque>
#include <optional>

class QWidget;

// A colour chooser of the main window. It keeps the colour last confirmed in it (or set from
// "Config.ini" or by the restore), which is both what it offers next and the colour of the role it
// stands for.
class ColourChooser {
public:
    QColor color() const { return color_; }
    void setColor(const QColor& color) { color_ = color; }
    // 0xRRGGBB, the colour of a dialog-view line.
    std::uint32_t rgb() const { return color_.rgb() & 0xFFFFFFu; }

    // Offers the kept colour and lets the user choose: the colour confirmed, or nothing when the
    // user cancelled. What is kept changes only when the window applies the choice.
    std::optional<QColor> execute(QWidget* parent);
    // What the next execute() answers without showing anything: a colour as if confirmed, or
    // nothing as if cancelled. Answers queue up, one per execute().
    void answerNext(std::optional<QColor> answer) { answers_.push_back(answer); }
    // How often the chooser was opened, and with which colour the last time.
    int opened() const { return opened_; }
    QColor offered() const { return offered_; }

private:
    QColor color_ = Qt::black;
    std::deque<std::optional<QColor>> answers_;
    int opened_ = 0;
    QColor offered_;
};
