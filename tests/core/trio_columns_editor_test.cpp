// The TRIO columns editor: its file reader (separators, width, refusals, the editor's own header), its grid
// rules (moves, deleting a column, surplus empty rows, the checks) and its save format.

#include <gtest/gtest.h>

#include "core/text/cp1253.h"
#include "core/trio/columns_print.h"
#include "core/trio/columns_reader.h"
#include "core/trio/columns_sheet.h"
#include "core/trio/trio_files.h"

namespace quintaro::trio {
namespace {

const std::vector<std::string> kSeven = {"1,2,3", "1,4,5", "1,6,7", "2,4,6", "2,5,7", "3,4,7", "3,5,6"};

TextGrid sheetOf(const std::vector<std::string>& lines) {
    TextGrid grid;
    loadColumnsSheet(grid, readColumnLines(lines));
    return grid;
}

std::vector<std::string> row(const TextGrid& grid, int r) {
    std::vector<std::string> out;
    for (int c = 0; c < grid.columnCount(); ++c)
        out.push_back(grid.cell(c, r));
    return out;
}

TEST(TrioColumnsReader, SeparatorsAndWidth) {
    struct Case {
        std::vector<std::string> lines;
        int width;
        std::vector<std::vector<std::string>> rows;
    };
    const Case cases[] = {
        {{"1,2,3", "4,5,6"}, 3, {{"1", "2", "3"}, {"4", "5", "6"}}},
        {{"1;2;3"}, 3, {{"1", "2", "3"}}},
        {{"1 2 3"}, 3, {{"1", "2", "3"}}},
        {{"7"}, 1, {{"7"}}},
        // A comma wins over the others; tokens are not trimmed (" 2" reads as an integer).
        {{"1, 2,3;4"}, 2, {{"1", " 2"}}},
        // Fewer numbers than the first line: the last one repeats.
        {{"1,2,3", "4,5", "9"}, 3, {{"1", "2", "3"}, {"4", "5", "5"}, {"9", "9", "9"}}},
        // An empty line reuses the last token; an empty first line gives no value columns.
        {{"1,2,3", ""}, 3, {{"1", "2", "3"}, {"3", "3", "3"}}},
        {{"", "1,2"}, 0, {{}, {}}},
        // Tokens the first line cannot count are not columns.
        {{"1,2,99"}, 2, {{"1", "2"}}},
    };
    for (const Case& c : cases) {
        const ColumnsRead read = readColumnLines(c.lines);
        EXPECT_EQ(read.width, c.width) << c.lines[0];
        EXPECT_EQ(read.rows, c.rows) << c.lines[0];
    }
}

TEST(TrioColumnsReader, UnsuitableFiles) {
    const ColumnsRead bad = readColumnLines({"1,2,3", "4,x,6", "7,8,9"});
    EXPECT_TRUE(bad.refused);
    EXPECT_EQ(bad.unsuitableReports, 1);
    EXPECT_TRUE(bad.rows.empty());
    TextGrid grid = sheetOf({"1,2,3", "4,x,6", "7,8,9"});
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(row(grid, 1), (std::vector<std::string>{"1", "", "", ""}));

    const ColumnsRead far = readColumnLines({"1,2,3", "4,90,6", "1,0,2"});
    EXPECT_FALSE(far.refused);
    EXPECT_EQ(far.unsuitableReports, 2);
    EXPECT_EQ(far.rows,
              (std::vector<std::vector<std::string>>{{"1", "2", "3"}, {"4", "90", "6"}, {"1", "0", "2"}}));
}

TEST(TrioColumnsSheet, SevenColumnFileSaveAndReopen) {
    TextGrid grid = sheetOf(kSeven);
    ASSERT_EQ(grid.rowCount(), 9);
    ASSERT_EQ(grid.columnCount(), 4);
    EXPECT_EQ(row(grid, 0), (std::vector<std::string>{"A/Α", "1", "2", "3"}));
    EXPECT_EQ(row(grid, 1), (std::vector<std::string>{"1", "1", "2", "3"}));
    EXPECT_EQ(row(grid, 7), (std::vector<std::string>{"7", "3", "5", "6"}));
    EXPECT_EQ(row(grid, 8), (std::vector<std::string>{"8", "", "", ""}));

    const std::string saved = columnsSheetBytes(grid);
    EXPECT_EQ(saved, "7\r\n3\r\n\r\n\r\n\r\n1,2,3\r\n1,4,5\r\n1,6,7\r\n2,4,6\r\n2,5,7\r\n3,4,7\r\n3,5,6\r\n");
    const std::vector<std::string> lines = decodeLines(saved);
    EXPECT_TRUE(hasEditorHeader(lines));
    EXPECT_EQ(sheetOf(lines), grid);

    // A header whose count does not match is read as data (and refused at the first empty-token line).
    std::vector<std::string> wrong = lines;
    wrong[0] = "6";
    EXPECT_FALSE(hasEditorHeader(wrong));
    EXPECT_FALSE(hasEditorHeader(kSeven));
    EXPECT_EQ(sheetOf(decodeLines(columnsSheetBytes(sheetOf({"1,2,3"})))), sheetOf({"1,2,3"}));
    // An emptied grid saves its header alone and opens again as an empty grid of the same width.
    TextGrid emptied = sheetOf(kSeven);
    clearColumnsSheet(emptied);
    const ColumnsRead reopened = readColumnLines(decodeLines(columnsSheetBytes(emptied)));
    EXPECT_TRUE(reopened.widthFound);
    EXPECT_EQ(reopened.width, 3);
    EXPECT_TRUE(reopened.rows.empty());
    // A file without lines keeps the one value column the grid starts with.
    EXPECT_FALSE(readColumnLines({}).widthFound);
    EXPECT_EQ(sheetOf({}).columnCount(), 2);
}

TEST(TrioColumnsSheet, SaveJoinsCellsSkippingAnEmptyFirstCell) {
    TextGrid grid = sheetOf({"1,2,3", "4,5,6", "7,8,9"});
    grid.setCell(1, 1, "");
    grid.setCell(2, 2, "");
    grid.setCell(1, 3, "");
    grid.setCell(2, 3, "");
    EXPECT_EQ(columnsSheetBytes(grid), "3\r\n3\r\n\r\n\r\n\r\n2,3\r\n4,,6\r\n9\r\n");
}

TEST(TrioColumnsSheet, DeleteColumnThenSurplusRowGoes) {
    TextGrid grid = sheetOf(kSeven);
    deleteSheetRow(grid, 2);
    EXPECT_EQ(grid.rowCount(), 9);
    EXPECT_EQ(row(grid, 2), (std::vector<std::string>{"2", "1", "6", "7"}));
    EXPECT_EQ(row(grid, 6), (std::vector<std::string>{"6", "3", "5", "6"}));
    EXPECT_EQ(row(grid, 7), (std::vector<std::string>{"7", "", "", ""}));
    // A key pressed in row 7 keeps the rows down to row 9 (nothing below 7 + 2 is there to remove).
    removeSurplusEmptyRows(grid, 7 + 2);
    EXPECT_EQ(grid.rowCount(), 9);
    // Leaving the grid removes it.
    removeSurplusEmptyRows(grid, 2);
    EXPECT_EQ(grid.rowCount(), 8);
    EXPECT_FALSE(firstBadCell(grid, grid.rowCount() - 2));
    // Deleting every column leaves the heading row and one empty row.
    for (int i = 0; i < 6; ++i)
        deleteSheetRow(grid, 1);
    removeSurplusEmptyRows(grid, 2);
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_TRUE(isSheetRowEmpty(grid, 1));
}

TEST(TrioColumnsSheet, EnterBackspaceAndChecks) {
    TextGrid grid = sheetOf({"1,2,3", "4,4,6", "7,8"});
    EXPECT_EQ(enterMove(grid, {1, 1}), (GridCell{2, 1}));
    EXPECT_EQ(enterMove(grid, {3, 1}), (GridCell{1, 2}));
    EXPECT_EQ(enterMove(grid, {1, 2}), std::nullopt);  // 4 twice: "lathos timh"
    EXPECT_EQ(enterMove(grid, {3, 2}), (GridCell{1, 3}));
    EXPECT_EQ(enterMove(grid, {3, 4}), std::nullopt);  // the empty last row: its empty cells are equal
    EXPECT_EQ(firstBadCell(grid, grid.rowCount() - 2), (GridCell{1, 2}));
    EXPECT_EQ(firstBadCell(grid, 1), std::nullopt);
    grid.setCell(2, 2, "5");
    EXPECT_EQ(firstBadCell(grid, grid.rowCount() - 2), (GridCell{2, 3}));  // "7,8,8"
    grid.setCell(3, 3, "");
    EXPECT_EQ(firstBadCell(grid, 3), (GridCell{3, 3}));

    EXPECT_EQ(backspaceMove(grid, {2, 2}), std::nullopt);  // not empty: nothing
    EXPECT_EQ(backspaceMove(grid, {3, 3}), (GridCell{2, 3}));
    EXPECT_EQ(backspaceMove(grid, {1, 4}), (GridCell{3, 3}));
    EXPECT_EQ(backspaceMove(grid, {2, 4}), (GridCell{1, 4}));
    grid.setCell(1, 1, "");
    EXPECT_EQ(backspaceMove(grid, {1, 1}), (GridCell{1, 1}));  // not above row 1
}

TEST(TrioColumnsPrint, PositionsAndPagesWithRepeatedHeadings) {
    TextGrid grid = sheetOf(kSeven);
    const std::vector<int> widths = {64, 64, 64, 64};
    const std::string heading = columnsPrintHeading("/data/DELTIA/seven.tri");
    EXPECT_EQ(heading, "ΒΕΛΤΡΑΝΟ-trio  ΣΤΗΛΕΣ  ΓΙΑ ΠΑΙΧΝΙΔΙ ΤΡΙΟ  TOY /data/DELTIA/seven.tri");

    const std::vector<PrintPage> one = layoutColumnsPrint(grid, widths, heading, 6600);
    ASSERT_EQ(one.size(), 1u);
    const PrintPage& page = one[0];
    ASSERT_EQ(page.size(), 1u + 4u + 8u * 4u);  // heading, heading row, rows 1-8 (the empty row 8 included)
    EXPECT_EQ(page[0], (PrintText{PrintFont::Heading, {}, 0, 100, heading}));
    EXPECT_EQ(page[2], (PrintText{PrintFont::HeaderRow, {384, 300, 738, 450}, 434, 300, "1"}));
    // Row 1, column 3: x from 6 x 192 to 6 x 256 - 30; y box 420-540, text at 470.
    EXPECT_EQ(page[5 + 3], (PrintText{PrintFont::Row, {1152, 420, 1506, 540}, 1202, 470, "3"}));
    // Row 8, column 0: its number.
    EXPECT_EQ(page.back().text, "");
    EXPECT_EQ(page[page.size() - 4], (PrintText{PrintFont::Row, {0, 1260, 354, 1380}, 50, 1310, "8"}));

    // A page of 900 units holds (900 - 420) / 120 = 4 rows: rows 1-4, then 5-8, each page with both headings.
    EXPECT_EQ(rowsPerPrintPage(900), 4);
    const std::vector<PrintPage> pages = layoutColumnsPrint(grid, widths, heading, 900);
    ASSERT_EQ(pages.size(), 2u);
    for (const PrintPage& p : pages) {
        EXPECT_EQ(p[0].text, heading);
        EXPECT_EQ(p[1].text, "A/Α");
        EXPECT_EQ(p[1].y, 300);
        ASSERT_EQ(p.size(), 1u + 4u + 4u * 4u);
    }
    EXPECT_EQ(pages[1][5], (PrintText{PrintFont::Row, {0, 420, 354, 540}, 50, 470, "5"}));
    EXPECT_EQ(pages[1].back().y, 350 + 120 * 4);
}

}  // namespace
}  // namespace quintaro::trio
