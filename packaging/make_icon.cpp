// lorintal-make-icon HICOLOR_DIR: draws the program's icon into an icon theme folder, as
// HICOLOR_DIR/<size>x<size>/apps/lorintal.png for every size a desktop asks for. It shows what the
// about picture shows: two speech bubbles talking under a night sky, a person's and the
// program's. Shapes are drawn at each size rather than scaled from one bitmap, so the small icons
// stay sharp.

#include <QColor>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <iostream>

namespace {

constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

struct Bubble {
    QPointF centre;
    QSizeF radii;
    QPointF tailTip;
    double tailBase; // where the tail leaves the bubble, across
    QColor fill;
    QColor dots;
};

QPainterPath bubbleShape(const Bubble& b) {
    QPainterPath ellipse;
    ellipse.addEllipse(b.centre, b.radii.width(), b.radii.height());
    QPainterPath tail;
    const double y = b.centre.y() + b.radii.height() * 0.6;
    tail.moveTo(b.tailBase - 16, y);
    tail.lineTo(b.tailBase + 16, y);
    tail.lineTo(b.tailTip);
    tail.closeSubpath();
    return ellipse.united(tail);
}

// The icon on a 256 by 256 canvas; the painter is scaled to the size drawn.
void draw(QPainter& painter, int size) {
    const QRectF tile(8, 8, 240, 240);
    QLinearGradient sky(0, tile.top(), 0, tile.bottom());
    sky.setColorAt(0, QColor(18, 24, 72));
    sky.setColorAt(1, QColor(46, 96, 150));
    QPainterPath tileShape;
    tileShape.addRoundedRect(tile, 44, 44);
    painter.fillPath(tileShape, sky);
    painter.setClipPath(tileShape);

    if (size >= 32) { // the moon and the hill only blur a small icon
        QPainterPath moon;
        moon.addEllipse(QPointF(206, 50), 22, 22);
        QPainterPath bite;
        bite.addEllipse(QPointF(216, 42), 20, 20);
        painter.fillPath(moon.subtracted(bite), QColor(250, 236, 170));
        QPainterPath hill;
        hill.moveTo(0, 256);
        hill.lineTo(0, 222);
        hill.cubicTo(70, 200, 170, 238, 256, 214);
        hill.lineTo(256, 256);
        hill.closeSubpath();
        painter.fillPath(hill, QColor(45, 90, 62));
    }

    const Bubble person{{104, 100},        {82, 54}, {60, 190}, 78, QColor(236, 236, 236),
                        QColor(40, 40, 40)};
    const Bubble program{{156, 160},         {80, 48}, {206, 236}, 184, QColor(196, 232, 226),
                         QColor(0, 128, 128)};
    const double outline = size >= 32 ? 6 : 10; // wide enough to show at every size
    for (const Bubble& b : {person, program}) {
        const QPainterPath shape = bubbleShape(b);
        painter.setPen(QPen(QColor(20, 20, 30), outline));
        painter.setBrush(b.fill);
        painter.drawPath(shape);
        painter.setPen(Qt::NoPen);
        painter.setBrush(b.dots);
        const double dot = size >= 24 ? 10 : 14;
        const double gap = size >= 24 ? 30 : 36;
        for (int i = -1; i <= 1; ++i) {
            painter.drawEllipse(QPointF(b.centre.x() + i * gap, b.centre.y()), dot, dot);
        }
    }
}

QImage icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 256.0, size / 256.0);
    draw(painter, size);
    painter.end();
    return image;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: lorintal-make-icon HICOLOR_DIR\n";
        return 2;
    }
    const QString theme = QString::fromLocal8Bit(argv[1]);
    for (const int size : kSizes) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(theme).arg(size);
        const QString file = folder + QStringLiteral("/lorintal.png");
        if (!QDir().mkpath(folder) || !icon(size).save(file, "PNG")) {
            std::cerr << "lorintal-make-icon: cannot write " << file.toStdString() << '\n';
            return 1;
        }
    }
    return 0;
}
