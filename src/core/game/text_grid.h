#pragma once
// A grid of text cells addressed as (column, row). The game window's selection table and the group and
// super-group tables are held this way: the cells are the store, and readers parse them at each use.

#include <string>
#include <string_view>
#include <vector>

namespace quintaro {

class TextGrid {
public:
    TextGrid() = default;
    TextGrid(int columns, int rows) { resize(columns, rows); }

    int columnCount() const { return static_cast<int>(columns_.size()); }
    int rowCount() const { return rows_; }

    // Grows or shrinks the grid; cells that remain keep their texts, new cells are empty.
    void resize(int columns, int rows);
    void setColumnCount(int columns) { resize(columns, rows_); }
    void setRowCount(int rows) { resize(columnCount(), rows); }

    // The cell's text; empty for a cell outside the grid.
    const std::string& cell(int column, int row) const;
    void setCell(int column, int row, std::string_view text);

    void clearColumn(int column, int fromRow = 0);
    void clearRow(int row);
    void removeColumn(int column);
    void removeRow(int row);
    void insertRow(int row);

    bool operator==(const TextGrid&) const = default;

private:
    std::vector<std::vector<std::string>> columns_;  // columns_[column][row]
    int rows_ = 0;
};

}  // namespace quintaro
