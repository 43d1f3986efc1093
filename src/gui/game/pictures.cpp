#include "gui/game/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>

namespace quintaro::gui {
namespace {

QPixmap box(bool marked) {
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame(2.5, 2.5, 15, 15);
    p.setPen(QPen(QColor(64, 64, 64), 1));
    p.setBrush(Qt::white);
    p.drawRect(frame);
    if (marked) {
        // A bold tick in dark red.
        QPainterPath tick;
        tick.moveTo(5.0, 10.0);
        tick.lineTo(8.5, 14.0);
        tick.lineTo(15.0, 5.5);
        p.setPen(QPen(QColor(170, 0, 0), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    }
    return pixmap;
}

QPixmap saddleCloth(int race) {
    // The colours of the numbered cloths, one per race.
    static const std::array<QColor, 9> colours = {
        QColor(200, 30, 30),  QColor(245, 245, 245), QColor(30, 80, 200),
        QColor(240, 200, 0),  QColor(20, 140, 60),   QColor(20, 20, 20),
        QColor(240, 120, 20), QColor(230, 110, 170), QColor(40, 180, 190)};
    const QColor colour = colours[static_cast<std::size_t>((race - 1) % 9)];
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
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
    return pixmap;
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

}  // namespace quintaro::gui
