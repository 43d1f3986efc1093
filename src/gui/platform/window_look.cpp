#include "gui/platform/window_look.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QScreen>

namespace quintaro::gui {

void paintDialogBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel* fontLabel(const QString& text, QWidget* parent, bool bold, int pointSize) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(bold);
    if (pointSize > 0) {
        font.setPointSize(pointSize);
    }
    label->setFont(font);
    return label;
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
