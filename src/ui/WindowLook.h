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
    // The window font for the status panels. Their widths are fixed and were measured for the
    // original face, whose letters are narrower than its stand-in's: the stand-in is drawn that
    // much narrower there, so the fixed status texts fit their panels.
    static QFont statusFont();
    static QFont font(const QString& face, int points, bool bold = false, bool italic = false);
    // Silver background for the window and everything in it that takes its colour.
    static void paintSilver(QWidget& widget);
    // The desktop's own surface colours for a part that lies on a coloured window but is drawn
    // as the desktop draws it, whatever colour the window takes.
    static void paintDesktopColours(QWidget& widget);
};
