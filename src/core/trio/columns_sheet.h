#pragma once
// The grid of the TRIO columns editor as text cells: column 0 holds the row numbers, columns 1.. the numbers
// of one TRIO column per row; row 0 holds the headings "A/Α", "1", "2", "3". The rows are the columns read
// from a file followed by one empty row. The editor does not let cells be typed into: the user moves with
// Enter and Backspace, deletes columns with Ctrl+Delete, and is told about incomplete or repeated rows.

#include <optional>
#include <string>
#include <string_view>

#include "core/game/text_grid.h"
#include "core/trio/columns_reader.h"

namespace quintaro::trio {

struct GridCell {
    int column = 0;
    int row = 0;
    bool operator==(const GridCell&) const = default;
};

// The headings of row 0 (a Latin A, a slash and a Greek Alpha, then the positions).
void writeColumnsHeadings(TextGrid& grid);

// Clearing: every value cell of rows 1 and below emptied, two rows left (the headings and one empty row).
void clearColumnsSheet(TextGrid& grid);

// A file read into the grid: the grid becomes width + 1 columns and rows + 2 rows; column 0 numbers the rows
// 1 ... rows + 1. A refused file leaves the grid cleared with row 1 numbered.
void loadColumnsSheet(TextGrid& grid, const ColumnsRead& read);

bool isSheetRowEmpty(const TextGrid& grid, int row);

// Removes the last row while it and the row before it are both empty, down to the given lowest row.
void removeSurplusEmptyRows(TextGrid& grid, int lowestRow);

// Enter in a cell: nullopt when another cell of the row holds the same text ("lathos timh", the cell stays);
// otherwise the next cell (next column, or column 1 of the next row; not beyond the last row).
std::optional<GridCell> enterMove(const TextGrid& grid, GridCell current);

// Backspace: from an empty cell to the previous one (previous column, or the last column of the row above;
// not above row 1); nullopt when the cell is not empty (the key does nothing then).
std::optional<GridCell> backspaceMove(const TextGrid& grid, GridCell current);

// Ctrl+Delete: the rows from this one to the end move up by one (value columns only; the row numbers stay)
// and the last row is emptied. The row count does not change.
void deleteSheetRow(TextGrid& grid, int row);

// The first cell of rows 1 ... lastRow that is empty or repeats another cell of its row.
std::optional<GridCell> firstBadCell(const TextGrid& grid, int lastRow);

// The editor's own file: the count of columns, the values per column, three empty lines, then one line per
// column with its cells joined by "," (cp1253, CR LF).
std::string columnsSheetBytes(const TextGrid& grid);

inline constexpr std::string_view kWrongValueOnLeave = "lathos timh";
inline constexpr std::string_view kWrongValueOnMove = "ΛΑΘΟΣ ΤΙΜΗ";

}  // namespace quintaro::trio
