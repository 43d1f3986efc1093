#pragma once
// The grid of a limit table (groups or super-groups): the number columns are fixed, the limit columns are
// edited in place. Only digits, Backspace, Tab and Enter reach a cell; typing replaces the cell's text;
// Enter moves the current cell as the table's rule says.

#include <functional>

#include "core/game/group_tables.h"
#include "gui/game/cell_grid.h"

namespace quintaro::gui {

class LimitGrid : public CellGrid {
    Q_OBJECT
public:
    using EnterRule = std::function<TableCell(TableCell current, int lastRow)>;
    // Whether a cell of the column may hold the text being typed.
    using TextRule = std::function<bool(int column, const QString& text)>;

    LimitGrid(LimitTable& table, int firstEditableColumn, EnterRule enterRule, TextRule textRule,
              QWidget* parent = nullptr);

    // Enter in the grid or in a cell being edited: the current cell moves.
    void moveOnEnter();

    const TextRule& textRule() const { return textRule_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    LimitTable& table_;
    EnterRule enterRule_;
    TextRule textRule_;
};

}  // namespace quintaro::gui
