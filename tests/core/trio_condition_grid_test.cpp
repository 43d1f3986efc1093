// The condition grid of the TRIO window: its reset, its key filter, and what Enter does to a row (clamps,
// ΕΩΣ not below ΑΠΟ, the "ON" mark).

#include <gtest/gtest.h>

#include "core/text/number_text.h"
#include "core/trio/condition_grid.h"
#include "core/trio/conditions.h"

namespace quintaro::trio {
namespace {

TEST(TrioConditionGrid, ResetWritesHeadingsNamesAndNeutralBounds) {
    TextGrid grid(4, 9);
    grid.setCell(kOnColumn, 3, "ON");
    grid.setCell(kFromColumn, 3, "2");
    resetConditionGrid(grid);
    const std::vector<std::vector<std::string>> expected = {
        {"OΡΟΙ", "ΑΠΟ", "ΕΩΣ", "ON"}, {"AΘΡΟΙΣΜΑ", "6", "57", ""}, {"ΜΟΝΑ", "0", "3", ""},
        {"ΖΥΓΑ", "0", "3", ""},       {"ΑΡΙΣΤΕΡΑ", "0", "3", ""},  {"ΔΕΞΙΑ", "0", "3", ""},
        {"ΛΗΓΟΝΤΕΣ", "0", "3", ""},   {"5 άδες", "0", "3", ""},    {"ΕΥΡΟΣ ΣΤΗΛΗΣ", "2", "19", ""}};
    for (int r = 0; r < kGridRows; ++r) {
        for (int c = 0; c < kGridColumns; ++c) {
            EXPECT_EQ(grid.cell(c, r), expected[r][c]) << c << "," << r;
        }
    }
    // The defaults read back as conditions that apply nothing.
    const Conditions read = readConditions(grid, {});
    EXPECT_EQ(read.rows, neutralConditions().rows);
}

TEST(TrioConditionGrid, KeyFilter) {
    for (char32_t k : {U'0', U'5', U'9', char32_t{8}, char32_t{9}, char32_t{13}}) {
        EXPECT_TRUE(conditionGridAcceptsKey(1, k));
        EXPECT_TRUE(conditionGridAcceptsKey(3, k));
        EXPECT_FALSE(conditionGridAcceptsKey(0, k));
    }
    for (char32_t k : {U'-', U'+', U'a', U'Α', U' ', U'.'}) {
        EXPECT_FALSE(conditionGridAcceptsKey(2, k));
    }
}

TEST(TrioConditionGrid, EnterClampsByTheRowsTable) {
    struct Case {
        int row;
        int column;
        const char* typed;
        const char* expected;
        const char* on;
    };
    const Case cases[] = {
        {kSumRow, kFromColumn, "5", "6", ""},     {kSumRow, kToColumn, "60", "57", ""},
        {kSumRow, kToColumn, "9", "9", "ON"},     {kSumRow, kFromColumn, "57", "57", "ON"},
        {kOddRow, kToColumn, "4", "4", "ON"},     {kOddRow, kToColumn, "5", "5", "ON"},
        {kOddRow, kToColumn, "6", "3", ""},       {kEvenRow, kFromColumn, "9", "3", "ON"},
        {kLeftRow, kToColumn, "2", "2", "ON"},    {kRightRow, kFromColumn, "1", "1", "ON"},
        {kDigitsRow, kFromColumn, "1", "0", ""},  {kDigitsRow, kFromColumn, "2", "2", "ON"},
        {kDigitsRow, kToColumn, "7", "3", ""},    {kFivesRow, kFromColumn, "0", "0", ""},
        {kFivesRow, kFromColumn, "1", "1", "ON"}, {kRangeRow, kFromColumn, "3", "2", ""},
        {kRangeRow, kFromColumn, "4", "4", "ON"}, {kRangeRow, kToColumn, "25", "25", "ON"},
        {kRangeRow, kToColumn, "34", "34", "ON"}, {kRangeRow, kToColumn, "35", "19", ""},
        {kRangeRow, kToColumn, "1", "2", "ON"},
    };
    for (const Case& c : cases) {
        TextGrid grid;
        resetConditionGrid(grid);
        grid.setCell(c.column, c.row, c.typed);
        conditionGridEnter(grid, c.column, c.row);
        EXPECT_EQ(grid.cell(c.column, c.row), c.expected) << "row " << c.row << " typed " << c.typed;
        EXPECT_EQ(grid.cell(kOnColumn, c.row), c.on) << "row " << c.row << " typed " << c.typed;
    }
}

TEST(TrioConditionGrid, EnterRaisesToUpToFromAndMarksTheRow) {
    TextGrid grid;
    resetConditionGrid(grid);
    grid.setCell(kFromColumn, kSumRow, "30");
    grid.setCell(kToColumn, kSumRow, "20");
    conditionGridEnter(grid, kFromColumn, kSumRow);
    EXPECT_EQ(grid.cell(kToColumn, kSumRow), "30");
    EXPECT_EQ(grid.cell(kOnColumn, kSumRow), "ON");
    // Back to the neutral pair: the mark goes; Enter in the "ON" column evaluates the mark as well.
    grid.setCell(kFromColumn, kSumRow, "6");
    grid.setCell(kToColumn, kSumRow, "57");
    grid.setCell(kOnColumn, kSumRow, "12");
    conditionGridEnter(grid, kOnColumn, kSumRow);
    EXPECT_EQ(grid.cell(kOnColumn, kSumRow), "");
    // A value left by moving away is not clamped: only Enter clamps.
    grid.setCell(kFromColumn, kRangeRow, "3");
    EXPECT_EQ(readConditions(grid, {}).rows[kRangeRow - 1], (Bounds{3, 19}));
}

TEST(TrioConditionGrid, EnterOnAnEmptyBoundFailsAndLeavesTheMark) {
    TextGrid grid;
    resetConditionGrid(grid);
    grid.setCell(kOnColumn, kOddRow, "ON");
    grid.setCell(kFromColumn, kOddRow, "");
    try {
        conditionGridEnter(grid, kFromColumn, kOddRow);
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid integer value");
    }
    EXPECT_EQ(grid.cell(kOnColumn, kOddRow), "ON");
    EXPECT_EQ(grid.cell(kFromColumn, kOddRow), "");
    EXPECT_THROW(readConditions(grid, {}), ConversionError);
}

TEST(TrioConditionGrid, GroupBoundsThatAreNotIntegersBecomeZero) {
    TextGrid grid;
    resetConditionGrid(grid);
    std::array<NumberGroupTexts, kNumberGroups> groups;
    groups[0] = {"1,2", "1", "x"};
    groups[1] = {"3", "1", "2"};
    const Conditions c = readConditions(grid, groups);
    EXPECT_EQ(c.groups[0].bounds, (Bounds{0, 0}));
    EXPECT_EQ(c.groups[0].list, "1,2");
    EXPECT_EQ(c.groups[1].bounds, (Bounds{1, 2}));
}

}  // namespace
}  // namespace quintaro::trio
