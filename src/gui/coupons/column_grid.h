#pragma once
// The grid of the column lists (`SGrd`): a table view over a ColumnGridModel with rows 20 pixels high,
// the race-number column 25 wide and fixed headers, as the lists show them.

#include <QTableView>

#include "gui/coupons/column_grid_model.h"

namespace quintaro::gui {

class ColumnGrid : public QTableView {
    Q_OBJECT
public:
    explicit ColumnGrid(QWidget* parent = nullptr);

    ColumnGridModel* grid() const { return model_; }

    // Fills the grid and gives every column (but the race numbers) the same width.
    void fill(int columns, int rows, ColumnGridModel::CellText cell, int columnWidth);

private:
    ColumnGridModel* model_;
};

}  // namespace quintaro::gui
