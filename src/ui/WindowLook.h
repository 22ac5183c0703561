#pragma once

#include <QColor>
#include <QFont>

class QWidget;

// The look the program's windows share: silver surfaces and the small sans window font.
class WindowLook {
public:
    static inline const QColor kSilver{192, 192, 192};
    // "MS Sans Serif", 8 points; where the face is missing, the platform's sans face stands in.
    static QFont windowFont();
    static QFont font(const QString& face, int points, bool bold = false, bool italic = false);
    // Silver background for the window and everything in it that takes its colour.
    static void paintSilver(QWidget& widget);
};
