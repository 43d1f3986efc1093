#include "gui/coupons/window_look.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

namespace quintaro::gui {

void paintDialogBackground(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor(215, 207, 179));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void centreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QSize size =
        window->frameGeometry().size().isValid() ? window->frameGeometry().size() : window->size();
    window->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

}  // namespace quintaro::gui
