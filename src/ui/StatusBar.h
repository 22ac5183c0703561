#pragma once

#include <QFrame>
#include <QString>

#include <array>

class QLabel;

// The status bar of the main window: three sunken panels side by side, the last one reaching to
// the right end of the bar.
class StatusBar : public QFrame {
public:
    StatusBar(QWidget* parent, std::array<int, 2> leadingWidths);

    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layOut();

    std::array<int, 2> widths_;
    std::array<QLabel*, 3> panels_{};
};
