#include <gtest/gtest.h>

#include "core/game/group_tables.h"
#include "core/text/number_text.h"
#include "game_builders.h"

namespace quintaro {
namespace {

using test::BasicCells;
using test::makeSelection;
using test::Rows;
using test::rowsOf;
using test::setRows;

const std::vector<std::vector<int>> kFourRaces = {{1, 2}, {1, 2}, {1, 2}, {1, 2}};

BasicCells inUse(std::string group) {
    return {{"1", "", "", ""}, "1", "1", std::move(group)};
}
BasicCells unused(std::string group) {
    return {{"", "", "", ""}, "", "", std::move(group)};
}

TEST(GroupTables, FreshTablesHaveTheirHeaderAndOneEmptyRow) {
    GroupTable groups;
    SuperGroupTable supers;
    EXPECT_EQ(groups.rowCount(), 2);
    EXPECT_EQ(rowsOf(groups), (Rows{{"", "", "", "", ""}}));
    EXPECT_EQ(groups.cell(0, 0), "ΟΜΑΣ");
    EXPECT_EQ(groups.cell(4, 0), "ΥΠΕΡ");
    EXPECT_EQ(supers.cell(0, 0), "ΥΠΕ");
    EXPECT_EQ(supers.cell(1, 0), "ΟΜΑΔΕΣ");
    EXPECT_EQ(supers.cell(3, 0), "ΕΩΣ");
    setRows(groups, {{"1", "1", "1", "1", "0"}, {"2", "1", "1", "1", "0"}});
    groups.clear();
    EXPECT_EQ(groups, GroupTable());
}

TEST(GroupTables, RebuildCollectsTheGroupsOfTheBasics) {
    struct Case {
        const char* name;
        std::vector<BasicCells> basics;
        Rows groups;
    } cases[] = {
        {"groups 0, 2 and 0",
         {inUse("0"), inUse("2"), inUse("0")},
         {{"0", "2", "2", "2", "0"}, {"2", "1", "1", "1", "0"}}},
        {"an empty first basic keeps its group",
         {unused("5"), inUse("0"), inUse("0")},
         {{"0", "2", "2", "2", "0"}, {"5", "0", "0", "0", "0"}}},
        {"a leading zero matches no basic", {inUse("01")}, {{"1", "0", "0", "0", "0"}}},
        {"a first basic without a number counts as group 0",
         {inUse("x"), inUse("3")},
         {{"0", "0", "0", "0", "0"}, {"3", "1", "1", "1", "0"}}},
        {"empty basics after the first give no group",
         {inUse("0"), unused("7")},
         {{"0", "1", "1", "1", "0"}}},
        {"numbers above 255 give no row",
         {inUse("300"), inUse("256"), inUse("255")},
         {{"0", "0", "0", "0", "0"}, {"255", "1", "1", "1", "0"}}},
    };
    for (const Case& c : cases) {
        const SelectionTable t = makeSelection("ΣΚΟΡ 4", kFourRaces, c.basics);
        GroupTable groups;
        SuperGroupTable supers;
        rebuildGroupTable(t, groups, supers);
        EXPECT_EQ(rowsOf(groups), c.groups) << c.name;
    }
}

TEST(GroupTables, RebuildKeepsTypedLimitsAndFollowsGroupsThatNeedAllTheirBasics) {
    SelectionTable t = makeSelection("ΣΚΟΡ 4", kFourRaces, {inUse("0"), inUse("0"), inUse("1"), inUse("2")});
    GroupTable groups;
    SuperGroupTable supers;
    // Group 0 needs all of its 3 basics; group 1 was typed down to 0..1 of 3 in super-group 4; group 2 has a
    // limit that is no number; group 9 has gone.
    setRows(groups, {{"0", "3", "3", "3", "0"},
                     {"1", "3", "0", "1", "4"},
                     {"2", "1", "", "1", "0"},
                     {"9", "1", "1", "1", "0"}});
    rebuildGroupTable(t, groups, supers);
    EXPECT_EQ(rowsOf(groups), (Rows{{"0", "2", "2", "2", "0"},    // "all of them" follows the count
                                    {"2", "1", "", "1", "0"},     // a cell that is no number stays
                                    {"1", "1", "0", "1", "4"}}))  // kept and capped; ordered by "ΥΠΕΡ"
        << "rows ordered by super-group";
    EXPECT_EQ(rowsOf(supers), (Rows{{"0", "2", "2", "2"}, {"4", "1", "1", "1"}}));
}

// Every flow that changes the basics ends with a group at its defaults still needing all of its basics.
TEST(GroupTables, AGroupAtItsDefaultsNeedsAllItsBasicsAfterEveryFlow) {
    SelectionTable t = makeSelection("ΣΚΟΡ 4", kFourRaces, {inUse("0")});
    GroupTable groups;
    SuperGroupTable supers;
    rebuildGroupTable(t, groups, supers);
    ASSERT_EQ(rowsOf(groups), (Rows{{"0", "1", "1", "1", "0"}}));

    auto groupRow = [&](const std::string& g) {
        for (const auto& row : rowsOf(groups)) {
            if (row[0] == g) {
                return row;
            }
        }
        return std::vector<std::string>{};
    };
    auto fillBasic = [&](int column, const std::string& group) {
        t.setCell(column, 1, "2");
        t.setCell(column, t.fromRow(), "1");
        t.setCell(column, t.toRow(), "1");
        t.setCell(column, t.groupRow(), group);
    };
    // "+": the column is added, the modal editor fills it, then the rebuild and the raise of its group run.
    auto plus = [&](const std::string& editorGroup, bool cancelled) {
        const auto column = t.addBasic();
        ASSERT_TRUE(column.has_value());
        if (!cancelled) {
            fillBasic(*column, editorGroup);
        }
        rebuildGroupTable(t, groups, supers);
        raiseGroupLimits(groups, t.cell(*column, t.groupRow()));
    };

    plus("0", false);
    EXPECT_EQ(groupRow("0"), (std::vector<std::string>{"0", "2", "2", "2", "0"}));
    plus("0", false);
    EXPECT_EQ(groupRow("0"), (std::vector<std::string>{"0", "3", "3", "3", "0"}));

    // A cancelled entry leaves an empty basic; filling it by a later click makes the group need it too.
    plus("0", true);
    EXPECT_EQ(groupRow("0"), (std::vector<std::string>{"0", "3", "3", "3", "0"}));
    fillBasic(5, "0");
    rebuildGroupTable(t, groups, supers);
    EXPECT_EQ(groupRow("0"), (std::vector<std::string>{"0", "4", "4", "4", "0"}));

    // The basic editor moves basic 4 from group 0 to group 2: raise 2 (no row yet), lower 0, then a
    // counting's rebuild.
    raiseGroupLimits(groups, "2");
    lowerGroupLimits(groups, "0");
    t.setCell(5, t.groupRow(), "2");
    rebuildGroupTable(t, groups, supers);
    EXPECT_EQ(groupRow("0"), (std::vector<std::string>{"0", "3", "3", "3", "0"}));
    EXPECT_EQ(groupRow("2"), (std::vector<std::string>{"2", "1", "1", "1", "0"}));

    // Deleting basic 2 (group 0): the lowering, the removal, then a rebuild.
    lowerGroupLimits(groups, t.cell(3, t.groupRow()));
    t.deleteBasic(3);
    rebuildGroupTable(t, groups, supers);
    EXPECT_EQ(groupRow("0"), (std::vector<std::string>{"0", "2", "2", "2", "0"}));

    // A loaded game: the tables come from the file as they were saved, then a counting's rebuild.
    GroupTable loaded;
    SuperGroupTable loadedSupers;
    setRows(loaded, rowsOf(groups));
    setRows(loadedSupers, rowsOf(supers));
    rebuildGroupTable(t, loaded, loadedSupers);
    EXPECT_EQ(loaded, groups);
    EXPECT_EQ(loadedSupers, supers);
    EXPECT_EQ(groupRow("0"), (std::vector<std::string>{"0", "2", "2", "2", "0"}));
}

TEST(GroupTables, RowsAreOrderedByTheTextOfTheirSuperGroup) {
    GroupTable groups;
    SuperGroupTable supers;
    setRows(groups, {{"0", "1", "1", "1", "2"}, {"1", "1", "1", "1", "10"}, {"2", "1", "1", "1", "1"}});
    orderAndRebuildSuperGroups(groups, supers);
    EXPECT_EQ(rowsOf(groups),
              (Rows{{"2", "1", "1", "1", "1"}, {"1", "1", "1", "1", "10"}, {"0", "1", "1", "1", "2"}}));
    EXPECT_EQ(rowsOf(supers), (Rows{{"1", "1", "1", "1"}, {"2", "1", "1", "1"}, {"10", "1", "1", "1"}}));

    // A blank "ΥΠΕΡ" is never swapped, so rows on either side of it stay apart.
    setRows(groups, {{"0", "1", "1", "1", "5"}, {"1", "1", "1", "1", " "}, {"2", "1", "1", "1", "3"}});
    orderGroupRows(groups);
    EXPECT_EQ(groups.cell(4, 1), "5");
    EXPECT_EQ(groups.cell(4, 3), "3");
}

TEST(GroupTables, SuperGroupRebuildReusesRowsAndAdjustsTheirLimits) {
    struct Case {
        int groupsInSuperGroup;
        Rows expected;
    } cases[] = {
        {4, {{"1", "4", "3", "4"}}},
        {1, {{"1", "1", "1", "2"}}},
        {3, {{"1", "3", "2", "3"}}},
    };
    for (const Case& c : cases) {
        GroupTable groups;
        Rows rows;
        for (int g = 0; g < c.groupsInSuperGroup; ++g) {
            rows.push_back({std::to_string(g), "1", "1", "1", "1"});
        }
        setRows(groups, rows);
        SuperGroupTable supers;
        setRows(supers, {{"1", "3", "2", "3"}});
        rebuildSuperGroupTable(groups, supers);
        EXPECT_EQ(rowsOf(supers), c.expected) << c.groupsInSuperGroup;
    }

    // Row 1 held super-group 7 with its limits; it now serves super-group 0, and new rows start at the count.
    GroupTable groups;
    setRows(groups, {{"0", "1", "1", "1", "0"}, {"1", "1", "1", "1", "3"}, {"2", "1", "1", "1", "3"}});
    SuperGroupTable supers;
    setRows(supers, {{"7", "1", "0", "1"}});
    rebuildSuperGroupTable(groups, supers);
    EXPECT_EQ(rowsOf(supers), (Rows{{"0", "1", "0", "1"}, {"3", "2", "2", "2"}}));
}

TEST(GroupTables, ASuperGroupThatIsNoNumberStopsTheRebuildAndLeavesTheSuperGroupsAlone) {
    GroupTable groups;
    setRows(groups, {{"0", "1", "1", "1", "2"}, {"1", "1", "1", "1", "1"}, {"2", "1", "1", "1", ""}});
    SuperGroupTable supers;
    setRows(supers, {{"9", "1", "1", "1"}});
    const SuperGroupTable before = supers;
    try {
        orderAndRebuildSuperGroups(groups, supers);
        FAIL() << "no conversion error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid integer value");
    }
    EXPECT_EQ(supers, before);
    EXPECT_EQ(groups.cell(4, 1), "1");  // ordered before the failure
    EXPECT_EQ(groups.cell(4, 2), "2");

    // A super-group above 255 (from a file) gives no row.
    setRows(groups, {{"0", "1", "1", "1", "300"}, {"1", "1", "1", "1", "1"}});
    rebuildSuperGroupTable(groups, supers);
    EXPECT_EQ(rowsOf(supers), (Rows{{"1", "1", "1", "1"}}));
}

TEST(GroupTables, RaiseAndLowerMoveLimitsByOneWithinTheirCaps) {
    GroupTable groups;
    setRows(groups, {{"0", "3", "3", "3", "0"},
                     {"1", "1", "1", "1", "0"},
                     {"1", "x", "0", "0", "0"},
                     {"2", "4", "0", "9", "0"}});
    // A basic moves from group 0 to group 1.
    raiseGroupLimits(groups, 1);
    lowerGroupLimits(groups, 0);
    raiseGroupLimits(groups, 2);
    lowerGroupLimits(groups, "not a number");
    EXPECT_EQ(rowsOf(groups), (Rows{{"0", "3", "2", "2", "0"},
                                    {"1", "1", "1", "1", "0"},
                                    {"1", "x", "0", "0", "0"},  // skipped: its count is no number
                                    {"2", "4", "1", "4", "0"}}));
    lowerGroupLimits(groups, 1);
    lowerGroupLimits(groups, 1);
    EXPECT_EQ(groups.cell(2, 2), "0");
    EXPECT_EQ(groups.cell(3, 3), "0");

    SuperGroupTable supers;
    setRows(supers, {{"1", "3", "2", "3"}});
    raiseSuperGroupLimits(supers, 1, 4);
    EXPECT_EQ(rowsOf(supers), (Rows{{"1", "3", "3", "4"}}));
    lowerSuperGroupLimits(supers, 1);
    EXPECT_EQ(rowsOf(supers), (Rows{{"1", "3", "2", "3"}}));
}

TEST(GroupTables, TypingRules) {
    for (char32_t key : {U'0', U'5', U'9', kKeyBackspace, kKeyTab, kKeyEnter}) {
        EXPECT_TRUE(limitCellAcceptsKey(key)) << static_cast<int>(key);
    }
    for (char32_t key : {U'a', U'-', U' ', U'.', U'Α', char32_t{27}}) {
        EXPECT_FALSE(limitCellAcceptsKey(key)) << static_cast<int>(key);
    }
    EXPECT_TRUE(isGroupNumberText(""));
    EXPECT_TRUE(isGroupNumberText("255"));
    EXPECT_TRUE(isGroupNumberText("007"));
    EXPECT_FALSE(isGroupNumberText("256"));
    EXPECT_FALSE(isGroupNumberText("99999999999"));
    EXPECT_FALSE(isGroupNumberText("1a"));

    struct Move {
        TableCell from;
        TableCell to;
    };
    for (const Move& m : {Move{{2, 1}, {3, 1}}, Move{{3, 1}, {4, 1}}, Move{{4, 1}, {2, 2}},
                          Move{{4, 3}, {2, 3}}, Move{{0, 2}, {0, 2}}}) {
        EXPECT_EQ(groupTableEnterTarget(m.from, 3), m.to) << m.from.column << "," << m.from.row;
    }
    for (const Move& m :
         {Move{{2, 1}, {3, 1}}, Move{{3, 1}, {2, 2}}, Move{{3, 2}, {2, 2}}, Move{{1, 1}, {1, 1}}}) {
        EXPECT_EQ(superGroupTableEnterTarget(m.from, 2), m.to) << m.from.column << "," << m.from.row;
    }
}

}  // namespace
}  // namespace quintaro
