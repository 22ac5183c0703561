#include "ui/WindowLook.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace {

// The faces the windows are drawn in, by the names the program has always used (and "Config.ini"
// writes), each with the faces that stand in for it where it is missing, best first; the
// platform's own face of the same kind comes last. The install script installs the Liberation and
// DejaVu faces.
// - "MS Sans Serif": narrowest first, so the status texts fit their panels.
// - "Arial Black": a heavy, wide sans; DejaVu Sans in bold comes closest.
// - "Courier New": Liberation Mono has the same metrics.
void substituteMissingFaces() {
    static const bool done = [] {
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Liberation Sans"),
                                    QStringLiteral("Nimbus Sans"), QStringLiteral("Arimo"),
                                    QStringLiteral("FreeSans"),
                                    QStringLiteral("DejaVu Sans Condensed")});
        QFont::insertSubstitutions(QStringLiteral("Arial Black"),
                                   {QStringLiteral("DejaVu Sans"), QStringLiteral("Verdana"),
                                    QStringLiteral("Liberation Sans")});
        QFont::insertSubstitutions(QStringLiteral("Courier New"),
                                   {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
                                    QStringLiteral("Nimbus Mono PS"),
                                    QStringLiteral("DejaVu Sans Mono")});
        return true;
    }();
    (void)done;
}

} // namespace

QFont WindowLook::font(const QString& face, int points, bool bold, bool italic) {
    substituteMissingFaces();
    QFont font(face);
    font.setStyleHint(face.contains(QStringLiteral("Courier"), Qt::CaseInsensitive)
                          ? QFont::TypeWriter
                          : QFont::SansSerif);
    font.setPointSize(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont WindowLook::windowFont() {
    return font(QStringLiteral("MS Sans Serif"), 8);
}

QFont WindowLook::statusFont() {
    constexpr int kOriginalWidth = 88; // percent of the stand-in's width
    QFont font = windowFont();
    font.setStretch(kOriginalWidth);
    return font;
}

void WindowLook::paintSilver(QWidget& widget) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, kSilver);
    palette.setColor(QPalette::Button, kSilver);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void WindowLook::paintDesktopColours(QWidget& widget) {
    const QPalette desktop = QApplication::palette(&widget);
    QPalette palette = widget.palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button}) {
        for (QPalette::ColorGroup group :
             {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            palette.setColor(group, role, desktop.color(group, role)); // held, not inherited
        }
    }
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}
