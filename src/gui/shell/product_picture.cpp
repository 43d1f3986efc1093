#include "gui/shell/product_picture.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace quintaro::gui {

QPixmap productPicture(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = side;

    // The turf: a green rounded square with a lighter track bend.
    QLinearGradient turf(0, 0, 0, s);
    turf.setColorAt(0, QColor(30, 120, 50));
    turf.setColorAt(1, QColor(10, 70, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(turf);
    p.drawRoundedRect(QRectF(0, 0, s, s), s * 0.12, s * 0.12);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 60), s * 0.03));
    p.drawEllipse(QRectF(s * 0.08, s * 0.55, s * 0.84, s * 0.6));

    // The horseshoe: a thick arc open at the bottom, with its nail holes.
    const QRectF shoe(s * 0.2, s * 0.14, s * 0.6, s * 0.66);
    QPen gold(QColor(212, 175, 55), s * 0.12, Qt::SolidLine, Qt::FlatCap);
    p.setPen(gold);
    p.drawArc(shoe, -50 * 16, 280 * 16);
    p.setPen(QPen(QColor(150, 110, 20), s * 0.02));
    p.drawArc(shoe.adjusted(-s * 0.06, -s * 0.06, s * 0.06, s * 0.06), -50 * 16, 280 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 60, 10));
    const QPointF centre = shoe.center();
    for (int degrees : {-30, 10, 50, 130, 170, 210}) {
        const qreal a = degrees * 3.14159265358979 / 180;
        const QPointF hole(centre.x() + std::cos(a) * shoe.width() / 2,
                           centre.y() - std::sin(a) * shoe.height() / 2);
        p.drawEllipse(hole, s * 0.018, s * 0.018);
    }
    return pixmap;
}

QPixmap lampPicture(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = side;
    QRadialGradient glow(QPointF(s * 0.45, s * 0.35), s * 0.4);
    glow.setColorAt(0, QColor(255, 255, 210));
    glow.setColorAt(1, QColor(250, 210, 40));
    p.setPen(QPen(QColor(150, 120, 20), s * 0.03));
    p.setBrush(glow);
    QPainterPath bulb;
    bulb.addEllipse(QRectF(s * 0.2, s * 0.08, s * 0.6, s * 0.6));
    p.drawPath(bulb);
    p.setBrush(QColor(150, 150, 150));
    p.setPen(QPen(QColor(90, 90, 90), s * 0.02));
    p.drawRect(QRectF(s * 0.36, s * 0.66, s * 0.28, s * 0.2));
    for (qreal y : {0.72, 0.79}) {
        p.drawLine(QPointF(s * 0.36, s * y), QPointF(s * 0.64, s * y));
    }
    p.setBrush(QColor(90, 90, 90));
    p.drawRoundedRect(QRectF(s * 0.42, s * 0.86, s * 0.16, s * 0.06), s * 0.02, s * 0.02);
    return pixmap;
}

}  // namespace quintaro::gui
