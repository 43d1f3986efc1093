#include "gui/shell/status_title_panel.h"

#include <QPainter>

#include "gui/app_title.h"

namespace quintaro::gui {

StatusTitlePanel::StatusTitlePanel(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFixedWidth(300);
    setMinimumHeight(18);
}

void StatusTitlePanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.fillRect(area, palette().window());
    QFont font = painter.font();
    font.setBold(true);
    font.setPointSize(8);
    painter.setFont(font);
    painter.setPen(QColor(0, 128, 0));
    painter.drawText(area.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, appTitle());
}

}  // namespace quintaro::gui
