#include "core/trio/columns_sheet.h"

#include <vector>

#include "core/trio/trio_files.h"

namespace quintaro::trio {
namespace {

bool repeatsInRow(const TextGrid& grid, GridCell cell) {
    for (int c = 1; c < grid.columnCount(); ++c) {
        if (c != cell.column && grid.cell(c, cell.row) == grid.cell(cell.column, cell.row)) {
            return true;
        }
    }
    return false;
}

}  // namespace

void writeColumnsHeadings(TextGrid& grid) {
    if (grid.rowCount() < 1) {
        grid.setRowCount(2);
    }
    grid.setCell(0, 0, "A/Α");
    for (int c = 1; c < grid.columnCount(); ++c) {
        grid.setCell(c, 0, std::to_string(c));
    }
}

void clearColumnsSheet(TextGrid& grid) {
    for (int c = 1; c < grid.columnCount(); ++c) {
        grid.clearColumn(c, 1);
    }
    grid.setRowCount(2);
}

void loadColumnsSheet(TextGrid& grid, const ColumnsRead& read) {
    grid.resize(read.width + 1, 2);
    clearColumnsSheet(grid);
    writeColumnsHeadings(grid);
    if (!read.refused) {
        grid.setRowCount(static_cast<int>(read.rows.size()) + 2);
        for (std::size_t r = 0; r < read.rows.size(); ++r) {
            for (std::size_t c = 0; c < read.rows[r].size(); ++c) {
                grid.setCell(static_cast<int>(c) + 1, static_cast<int>(r) + 1, read.rows[r][c]);
            }
        }
    }
    for (int r = 1; r < grid.rowCount(); ++r) {
        grid.setCell(0, r, std::to_string(r));
    }
}

bool isSheetRowEmpty(const TextGrid& grid, int row) {
    for (int c = 1; c < grid.columnCount(); ++c) {
        if (!grid.cell(c, row).empty()) {
            return false;
        }
    }
    return true;
}

void removeSurplusEmptyRows(TextGrid& grid, int lowestRow) {
    int last = grid.rowCount() - 1;
    while (last >= lowestRow && last >= 2 && isSheetRowEmpty(grid, last) && isSheetRowEmpty(grid, last - 1)) {
        grid.setRowCount(last);
        --last;
    }
}

std::optional<GridCell> enterMove(const TextGrid& grid, GridCell current) {
    if (repeatsInRow(grid, current)) {
        return std::nullopt;
    }
    const int lastColumn = grid.columnCount() - 1;
    if (current.column < lastColumn) {
        return GridCell{current.column + 1, current.row};
    }
    if (current.row < grid.rowCount() - 1) {
        return GridCell{1, current.row + 1};
    }
    return current;
}

std::optional<GridCell> backspaceMove(const TextGrid& grid, GridCell current) {
    if (!grid.cell(current.column, current.row).empty()) {
        return std::nullopt;
    }
    if (current.column > 1) {
        return GridCell{current.column - 1, current.row};
    }
    if (current.row > 1) {
        return GridCell{grid.columnCount() - 1, current.row - 1};
    }
    return current;
}

void deleteSheetRow(TextGrid& grid, int row) {
    const int last = grid.rowCount() - 1;
    if (row < 1 || row > last) {
        return;
    }
    for (int r = row; r < last; ++r) {
        for (int c = 1; c < grid.columnCount(); ++c) {
            grid.setCell(c, r, grid.cell(c, r + 1));
        }
    }
    for (int c = 1; c < grid.columnCount(); ++c) {
        grid.setCell(c, last, "");
    }
}

std::optional<GridCell> firstBadCell(const TextGrid& grid, int lastRow) {
    for (int r = 1; r <= lastRow && r < grid.rowCount(); ++r) {
        for (int c = 1; c < grid.columnCount(); ++c) {
            if (grid.cell(c, r).empty() || repeatsInRow(grid, {c, r})) {
                return GridCell{c, r};
            }
        }
    }
    return std::nullopt;
}

std::string columnsSheetBytes(const TextGrid& grid) {
    const int columns = grid.rowCount() - 2;
    std::vector<std::string> lines = {std::to_string(columns < 0 ? 0 : columns),
                                      std::to_string(grid.columnCount() - 1), "", "", ""};
    for (int r = 1; r <= columns; ++r) {
        // An empty first cell is skipped; an empty later cell leaves an empty place between two commas.
        std::string line;
        for (int c = 1; c < grid.columnCount(); ++c) {
            line = line.empty() ? grid.cell(c, r) : line + "," + grid.cell(c, r);
        }
        lines.push_back(std::move(line));
    }
    return encodeLines(lines);
}

}  // namespace quintaro::trio
