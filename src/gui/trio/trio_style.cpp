#include "gui/trio/trio_style.h"

#include <QKeyEvent>
#include <QWidget>

namespace quintaro::gui {

QLabel* titleBand(const QString& text, QWidget* parent) {
    auto* band = new QLabel(text, parent);
    band->setAlignment(Qt::AlignCenter);
    band->setAutoFillBackground(true);
    QPalette palette = band->palette();
    palette.setColor(QPalette::Window, QColor(0, 128, 0));
    palette.setColor(QPalette::WindowText, Qt::white);
    band->setPalette(palette);
    QFont font = band->font();
    font.setBold(true);
    band->setFont(font);
    band->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return band;
}

char32_t typedCharacter(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return 0;
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    switch (key->key()) {
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return 9;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        default:
            break;
    }
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint()) {
        return 0;
    }
    return text.toUcs4().value(0);
}

}  // namespace quintaro::gui
