#include "gui/game/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <functional>

namespace quintaro::gui {
namespace {

// A transparent square picture of `size` pixels, painted with anti-aliasing by `paint`.
QPixmap drawn(int size, const std::function<void(QPainter&)>& paint) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    return pixmap;
}

// A tick through three points, drawn with round ends in the pen's colour and width.
void drawTick(QPainter& p, const std::array<QPointF, 3>& points, const QColor& colour, qreal width) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath tick;
    tick.moveTo(points[0]);
    tick.lineTo(points[1]);
    tick.lineTo(points[2]);
    p.drawPath(tick);
}

// The tick of the check's pictures, scaled to their size.
void drawCheckTick(QPainter& p, qreal size, const QColor& colour, qreal width) {
    drawTick(p,
             {QPointF(size * 0.26, size * 0.52), QPointF(size * 0.43, size * 0.70),
              QPointF(size * 0.75, size * 0.32)},
             colour, width);
}

QPixmap box(bool marked) {
    return drawn(20, [marked](QPainter& p) {
        p.setPen(QPen(QColor(64, 64, 64), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 2.5, 15, 15));
        if (marked) {
            // A bold tick in dark red.
            drawTick(p, {QPointF(5.0, 10.0), QPointF(8.5, 14.0), QPointF(15.0, 5.5)}, QColor(170, 0, 0), 2.6);
        }
    });
}

QPixmap saddleCloth(int race) {
    // The colours of the numbered cloths, one per race.
    static const std::array<QColor, 9> colours = {
        QColor(200, 30, 30),  QColor(245, 245, 245), QColor(30, 80, 200),
        QColor(240, 200, 0),  QColor(20, 140, 60),   QColor(20, 20, 20),
        QColor(240, 120, 20), QColor(230, 110, 170), QColor(40, 180, 190)};
    const QColor colour = colours[static_cast<std::size_t>((race - 1) % 9)];
    return drawn(32, [race, &colour](QPainter& p) {
        QPainterPath cloth;
        cloth.moveTo(3, 4);
        cloth.lineTo(29, 4);
        cloth.lineTo(29, 22);
        cloth.quadTo(16, 31, 3, 22);
        cloth.closeSubpath();
        p.setPen(QPen(QColor(230, 230, 230), 1.5));
        p.setBrush(colour);
        p.drawPath(cloth);
        QFont font = p.font();
        font.setBold(true);
        font.setPixelSize(16);
        p.setFont(font);
        p.setPen(colour.lightness() > 150 ? Qt::black : Qt::white);
        p.drawText(QRectF(3, 4, 26, 20), Qt::AlignCenter, QString::number(race));
    });
}

}  // namespace

const QPixmap& markedBoxPicture() {
    static const QPixmap picture = box(true);
    return picture;
}

const QPixmap& emptyBoxPicture() {
    static const QPixmap picture = box(false);
    return picture;
}

const QPixmap& racePicture(int race) {
    static const std::array<QPixmap, 9> pictures = [] {
        std::array<QPixmap, 9> out;
        for (int i = 0; i < 9; ++i) {
            out[static_cast<std::size_t>(i)] = saddleCloth(i + 1);
        }
        return out;
    }();
    return pictures[static_cast<std::size_t>(std::clamp(race, 1, 9) - 1)];
}

QPixmap entryPicture(bool chosen) {
    return drawn(20, [chosen](QPainter& p) {
        if (chosen) {
            p.setPen(QPen(QColor(0, 90, 0), 1));
            p.setBrush(QColor(0, 150, 40));
            p.drawEllipse(QRectF(1.5, 1.5, 17, 17));
            drawCheckTick(p, 20, Qt::white, 2.4);
        } else {
            p.setPen(QPen(QColor(120, 120, 120), 1));
            p.setBrush(Qt::white);
            p.drawRoundedRect(QRectF(3.5, 3.5, 13, 13), 2, 2);
        }
    });
}

QPixmap resultPicture(bool win) {
    return drawn(32, [win](QPainter& p) {
        if (win) {
            // A gold medal with a tick.
            p.setPen(QPen(QColor(150, 110, 0), 1.5));
            p.setBrush(QColor(240, 190, 30));
            p.drawEllipse(QRectF(2, 2, 28, 28));
            drawCheckTick(p, 32, QColor(0, 110, 30), 3.5);
        } else {
            // A red disc with a cross.
            p.setPen(QPen(QColor(120, 0, 0), 1.5));
            p.setBrush(QColor(205, 40, 40));
            p.drawEllipse(QRectF(2, 2, 28, 28));
            p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(10.5, 10.5), QPointF(21.5, 21.5));
            p.drawLine(QPointF(21.5, 10.5), QPointF(10.5, 21.5));
        }
    });
}

}  // namespace quintaro::gui
