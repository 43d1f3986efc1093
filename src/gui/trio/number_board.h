#pragma once
// The TRIO number board: 10 columns x 2 rows of 28 x 28 cells holding "1" ... "20". A set number is drawn
// white on black, any other in the board's own colour on white, in a bold font 6 pixels right and 5 down from
// the cell's corner. A mouse button released over a cell reports the cell; outside the cells nothing happens.

#include <QColor>
#include <QWidget>
#include <optional>
#include <utility>

#include "core/trio/board.h"

namespace quintaro::gui {

class NumberBoard : public QWidget {
    Q_OBJECT
public:
    NumberBoard(const trio::TrioBoard& flags, QColor unsetColour, QWidget* parent = nullptr);

    QSize sizeHint() const override;

    // The cell under a point of the widget, as (row, column).
    std::optional<std::pair<int, int>> cellAt(QPoint point) const;
    QRect cellRect(int row, int column) const;

signals:
    void cellReleased(int row, int column);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const trio::TrioBoard& flags_;
    QColor unsetColour_;
};

}  // namespace quintaro::gui
