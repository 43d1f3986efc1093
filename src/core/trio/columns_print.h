#pragma once
// Where the TRIO columns editor prints its grid, in units of 1/600 inch from the page's printable corner:
// the heading at (0, 100) in Times New Roman 10 bold and underlined; the grid's cells column by column, each
// column from 6 x the screen widths of the columns before it; the heading row in the box from y 300 to 450
// with its text at y 300 (bold 8); row r in the box from 300 + 120r to 420 + 120r with its text at 350 + 120r
// (bold and underlined 8). A list longer than a page goes on over further pages, each repeating the heading
// and the heading row.

#include <string>
#include <vector>

#include "core/game/text_grid.h"

namespace quintaro::trio {

inline constexpr int kPrintUnitsPerInch = 600;

enum class PrintFont { Heading, HeaderRow, Row };

struct PrintBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const PrintBox&) const = default;
};

struct PrintText {
    PrintFont font = PrintFont::Row;
    PrintBox clip;  // the text is clipped to this box (empty box: not clipped)
    int x = 0;      // top-left corner of the text
    int y = 0;
    std::string text;
    bool operator==(const PrintText&) const = default;
};

using PrintPage = std::vector<PrintText>;

// "ΒΕΛΤΡΑΝΟ-trio  ΣΤΗΛΕΣ  ΓΙΑ ΠΑΙΧΝΙΔΙ ΤΡΙΟ  TOY " followed by the full name of the file last opened; it is
// the job's title as well.
std::string columnsPrintHeading(const std::string& fileName);

// Rows that fit on a page of the given printable height (at least one).
int rowsPerPrintPage(int pageHeight);

// The pages of the grid: rows 1 ... last row (the empty last row included), columnWidths the grid's column
// widths on screen in pixels.
std::vector<PrintPage> layoutColumnsPrint(const TextGrid& grid, const std::vector<int>& columnWidths,
                                          const std::string& heading, int pageHeight);

}  // namespace quintaro::trio
