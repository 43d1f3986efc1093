#include "gui/game/check_pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace quintaro::gui {
namespace {

QPixmap blank(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void drawTick(QPainter& p, qreal size, const QColor& colour, qreal width) {
    QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    QPainterPath tick;
    tick.moveTo(size * 0.26, size * 0.52);
    tick.lineTo(size * 0.43, size * 0.70);
    tick.lineTo(size * 0.75, size * 0.32);
    p.drawPath(tick);
}

}  // namespace

QPixmap entryPicture(bool chosen) {
    QPixmap pixmap = blank(20);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (chosen) {
        p.setPen(QPen(QColor(0, 90, 0), 1));
        p.setBrush(QColor(0, 150, 40));
        p.drawEllipse(QRectF(1.5, 1.5, 17, 17));
        drawTick(p, 20, Qt::white, 2.4);
    } else {
        p.setPen(QPen(QColor(120, 120, 120), 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(3.5, 3.5, 13, 13), 2, 2);
    }
    return pixmap;
}

QPixmap resultPicture(bool win) {
    QPixmap pixmap = blank(32);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (win) {
        // A gold medal with a tick.
        p.setPen(QPen(QColor(150, 110, 0), 1.5));
        p.setBrush(QColor(240, 190, 30));
        p.drawEllipse(QRectF(2, 2, 28, 28));
        drawTick(p, 32, QColor(0, 110, 30), 3.5);
    } else {
        // A red disc with a cross.
        p.setPen(QPen(QColor(120, 0, 0), 1.5));
        p.setBrush(QColor(205, 40, 40));
        p.drawEllipse(QRectF(2, 2, 28, 28));
        p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10.5, 10.5), QPointF(21.5, 21.5));
        p.drawLine(QPointF(21.5, 10.5), QPointF(10.5, 21.5));
    }
    return pixmap;
}

}  // namespace quintaro::gui
