#include "WindowLook.h"

#include <QPalette>
#include <QWidget>

namespace {

// Faces that stand in for the window's small sans face where it is missing, narrowest first, so
// the status texts fit their panels (the scripts install Liberation Sans); the platform's own sans
// face comes last.
void substituteMissingFaces() {
    static const bool done = [] {
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Liberation Sans"),
                                    QStringLiteral("Nimbus Sans"), QStringLiteral("Arimo"),
                                    QStringLiteral("FreeSans"),
                                    QStringLiteral("DejaVu Sans Condensed")});
        return true;
    }();
    (void)done;
}

} // namespace

QFont WindowLook::font(const QString& face, int points, bool bold, bool italic) {
    substituteMissingFaces();
    QFont font(face);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont WindowLook::windowFont() {
    return font(QStringLiteral("MS Sans Serif"), 8);
}

void WindowLook::paintSilver(QWidget& widget) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, kSilver);
    palette.setColor(QPalette::Button, kSilver);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}
