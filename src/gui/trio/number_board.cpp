#include "gui/trio/number_board.h"

#include <QMouseEvent>
#include <QPainter>

namespace quintaro::gui {
namespace {
constexpr int kCell = 28;
constexpr int kLine = 1;
constexpr int kStep = kCell + kLine;
}  // namespace

NumberBoard::NumberBoard(const trio::TrioBoard& flags, QColor unsetColour, QWidget* parent)
    : QWidget(parent), flags_(flags), unsetColour_(unsetColour) {
    setFixedSize(sizeHint());
    setCursor(Qt::PointingHandCursor);
}

QSize NumberBoard::sizeHint() const {
    return {kLine + trio::kBoardColumns * kStep, kLine + trio::kBoardRows * kStep};
}

QRect NumberBoard::cellRect(int row, int column) const {
    return {kLine + column * kStep, kLine + row * kStep, kCell, kCell};
}

std::optional<std::pair<int, int>> NumberBoard::cellAt(QPoint point) const {
    for (int r = 0; r < trio::kBoardRows; ++r) {
        for (int c = 0; c < trio::kBoardColumns; ++c) {
            if (cellRect(r, c).contains(point)) {
                return std::make_pair(r, c);
            }
        }
    }
    return std::nullopt;
}

void NumberBoard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(128, 128, 128));  // the grid lines
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    for (int r = 0; r < trio::kBoardRows; ++r) {
        for (int c = 0; c < trio::kBoardColumns; ++c) {
            const QRect cell = cellRect(r, c);
            const bool set = flags_.isSet(r, c);
            painter.fillRect(cell, set ? Qt::black : Qt::white);
            painter.setPen(set ? QColor(Qt::white) : unsetColour_);
            painter.drawText(cell.adjusted(6, 5, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                             QString::number(trio::boardNumber(r, c)));
        }
    }
}

void NumberBoard::mouseReleaseEvent(QMouseEvent* event) {
    if (const auto cell = cellAt(event->position().toPoint())) {
        emit cellReleased(cell->first, cell->second);
    }
}

}  // namespace quintaro::gui
