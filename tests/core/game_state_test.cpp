#include <gtest/gtest.h>

#include "core/game/column_list.h"
#include "core/game/current_game.h"
#include "core/game/selection_table.h"
#include "core/shell/caps_lock.h"

namespace quintaro {
namespace {

TEST(CapsLock, OnlyTheResting0And1Change) {
    struct Case {
        std::uint8_t current;
        bool on;
        std::uint8_t expected;
    } cases[] = {
        {0x00, true, 0x01},  {0x00, false, 0x00}, {0x01, true, 0x01},
        {0x01, false, 0x00}, {0x81, true, 0x81},  {0x80, false, 0x80},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(capsLockByte(c.current, c.on), c.expected) << int(c.current) << " " << c.on;
    }
}

TEST(GameTypes, TableRowsAndKinds) {
    ASSERT_EQ(gameTypes().size(), 6u);
    ASSERT_EQ(windowGameTypes().size(), 5u);
    const GameType* trikast = findGameType("ΤΡΙΚΑΣΤ");
    ASSERT_NE(trikast, nullptr);
    EXPECT_EQ(trikast->races, 3);
    EXPECT_EQ(trikast->extension, "tri");
    EXPECT_TRUE(isPlacesGame("ΤΕΤΡΑΠΛΟ"));
    EXPECT_FALSE(isPlacesGame("ΣΚΟΡ 4"));
    EXPECT_EQ(rowLabelFor("ΤΡΙΚΑΣΤ"), "ΘΕΣΕΙΣ");
    EXPECT_EQ(rowLabelFor("ΣΚΟΡ 9"), "ΚΟΥΡΣΕΣ");
    EXPECT_EQ(findGameTypeByExtension(".SK9")->name, "ΣΚΟΡ 9");
    EXPECT_EQ(findGameTypeByExtension("txt"), nullptr);
    EXPECT_EQ(findGameType("ΤΡΙΟ")->kind, GameKind::Trio);
    EXPECT_EQ(findGameTypeByExtension(""), nullptr);
}

TEST(RaceHorses, AscendingAndDistinct) {
    const TAlogo race = makeRace({12, 3});
    EXPECT_EQ(race.count, 2);
    EXPECT_EQ(race.text(), "3,12");
    EXPECT_EQ(distinctHorses({makeRace({1, 3}), makeRace({1, 5})}),
              (std::vector<std::string>{"1", "3", "5"}));
}

SelectionTable fourRaces() {
    SelectionTable t;
    t.reset(4, "ΚΟΥΡΣΕΣ");
    t.setSelectedHorses({makeRace({1, 2}), makeRace({1, 2}), makeRace({1, 2}), makeRace({20, 3})});
    return t;
}

TEST(SelectionTable, ResetLaysOutLabelsAndTheFirstBasic) {
    const SelectionTable t = fourRaces();
    EXPECT_EQ(t.rowCount(), 8);
    EXPECT_EQ(t.columnCount(), 3);
    EXPECT_EQ(t.cell(0, 0), "ΚΟΥΡΣΕΣ");
    EXPECT_EQ(t.cell(1, 0), "ΑΛΟΓΑ");
    EXPECT_EQ(t.cell(2, 0), "1");
    EXPECT_EQ(t.cell(0, 4), "4");
    EXPECT_EQ(t.cell(1, 5), "ΑΠΟ");
    EXPECT_EQ(t.cell(1, 6), "ΕΩΣ");
    EXPECT_EQ(t.cell(1, 7), "ΟΜΑΣ");
    EXPECT_EQ(t.cell(2, 7), "0");
    EXPECT_EQ(t.cell(1, 4), "3,20");
    EXPECT_TRUE(t.hasNoBasics());
}

TEST(SelectionTable, SumBoundsAndFullSize) {
    SelectionTable t = fourRaces();
    EXPECT_EQ(t.computeSumBounds(), (SumBounds{6, 26}));
    EXPECT_EQ(t.fullSystemSize(), 16u);
    t.setCell(1, 2, "");
    EXPECT_EQ(t.computeSumBounds(), std::nullopt);
    t.setCell(1, 2, "1,x");
    EXPECT_EQ(t.computeSumBounds(), std::nullopt);

    SelectionTable nine;
    nine.reset(9, "ΚΟΥΡΣΕΣ");
    std::vector<int> all;
    for (int h = 1; h <= 20; ++h) {
        all.push_back(h);
    }
    nine.setSelectedHorses(aTAloga(9, makeRace(all)));
    EXPECT_EQ(nine.fullSystemSize(), 512000000000ull);
    EXPECT_EQ(nine.computeSumBounds(), (SumBounds{9, 180}));
}

TEST(SelectionTable, AddingABasicNeedsHorsesInTheLastOne) {
    SelectionTable t = fourRaces();
    EXPECT_EQ(t.addBasic(), std::nullopt);
    t.setCell(2, 1, "1");
    EXPECT_EQ(t.addBasic(), 3);
    EXPECT_EQ(t.cell(3, 0), "2");
    EXPECT_EQ(t.cell(3, t.groupRow()), "0");
    EXPECT_EQ(t.addBasic(), std::nullopt);
}

TEST(SelectionTable, DeletingRenumbersAndTheLastBasicIsEmptiedInstead) {
    SelectionTable t = fourRaces();
    for (int b = 0; b < 3; ++b) {
        t.setCell(t.columnCount() - 1, 1, "1");
        t.addBasic();
    }
    t.setCell(5, 1, "2");
    ASSERT_EQ(t.basicCount(), 4);
    t.deleteBasic(3);  // basic 2
    ASSERT_EQ(t.basicCount(), 3);
    EXPECT_EQ(t.cell(2, 0), "1");
    EXPECT_EQ(t.cell(3, 0), "2");
    EXPECT_EQ(t.cell(4, 0), "3");
    EXPECT_EQ(t.cell(4, 1), "2");

    t.deleteBasic(2);
    t.deleteBasic(2);
    t.deleteBasic(2);
    EXPECT_EQ(t.basicCount(), 1);
    EXPECT_EQ(t.cell(2, 0), "");
    EXPECT_EQ(t.cell(2, t.groupRow()), "0");
    EXPECT_EQ(t.addBasic(), std::nullopt);
}

TEST(SelectionTable, ClearingKeepsOneEmptyBasic) {
    SelectionTable t = fourRaces();
    t.setCell(2, 1, "1");
    t.setCell(2, t.fromRow(), "1");
    t.addBasic();
    t.clearBasics();
    EXPECT_EQ(t.basicCount(), 1);
    EXPECT_TRUE(t.hasNoBasics());
    EXPECT_EQ(t.cell(2, t.fromRow()), "");
    EXPECT_EQ(t.cell(2, t.groupRow()), "0");
}

TEST(SelectionTable, ColumnWidthRules) {
    EXPECT_EQ(basicColumnWidth(8, {}), 30);  // a cancelled entry
    EXPECT_EQ(basicColumnWidth(8, {"1,2,3,4,5"}), 6 * 9 + 5);
    EXPECT_EQ(horsesColumnWidth(8, {"1"}), 26);
}

TEST(ColumnList, KeepsTheFirstColumnsAndCountsTheRest) {
    ColumnList list;
    list.reset(2, 3);
    for (std::uint8_t h = 1; h <= 4; ++h) {
        const std::uint8_t col[] = {h, h};
        list.append(col);
    }
    EXPECT_EQ(list.size(), 4);
    EXPECT_EQ(list.stored(), 3u);
    EXPECT_TRUE(list.truncated());
    EXPECT_EQ(list.horses(2)[1], 3);
    EXPECT_TRUE(list.horses(3).empty());
    list.setMarked(1, true);
    EXPECT_EQ(list.column(1)[0].mark, 1);
    EXPECT_EQ(list.column(1)[1].mark, 0);
    list.clear();
    EXPECT_TRUE(list.empty());
}

}  // namespace
}  // namespace quintaro

namespace quintaro {
namespace {

// Columns counted for a game of 4 races are no columns of a game of 9 races chosen afterwards: the views, the
// check and the coupons answer as before any counting instead of reading past the stored races.
TEST(CurrentGame, CountedColumnsBelongOnlyToAGameWithTheirNumberOfRaces) {
    CurrentGame game;
    game.choose(*findGameType("ΣΚΟΡ 4"));
    EXPECT_FALSE(game.hasCountedColumns());
    game.Sthles.reset(4);
    const std::uint8_t column[] = {1, 2, 3, 4};
    game.Sthles.append(column);
    EXPECT_TRUE(game.hasCountedColumns());
    game.choose(*findGameType("ΤΕΤΡΑΠΛΟ"));  // another game, as many places
    EXPECT_TRUE(game.hasCountedColumns());
    game.choose(*findGameType("ΣΚΟΡ 9"));
    EXPECT_FALSE(game.hasCountedColumns());
}

}  // namespace
}  // namespace quintaro
