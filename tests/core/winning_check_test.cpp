#include <gtest/gtest.h>

#include "core/game/gathering.h"
#include "core/game/winning_check.h"
#include "support/counted_lists.h"

namespace quintaro {
namespace {

using Column = std::vector<std::uint8_t>;

TEST(PlainCheck, WinAndNearMisses) {
    const ColumnList columns = test::columnsOf(4, {{1, 1, 1, 1}, {1, 1, 1, 2}});
    struct Case {
        Column winning;
        bool win;
        std::string message;
        std::string secondLine;
    } cases[] = {
        {{1, 1, 1, 2}, true, "Κερδίζετε το ΣΚΟΡ 4 με αυτή τη νικήτρια στήλη!", "1 στήλες έχουν 3 επιτυχίες."},
        {{2, 2, 2, 2},
         false,
         "Δεν κερδίζει καμμία στήλη με αυτή τη νικήτρια στήλη.",
         "0 στήλες έχουν 3 επιτυχίες."},
        {{1, 1, 2, 3},
         false,
         "Δεν κερδίζει καμμία στήλη με αυτή τη νικήτρια στήλη.",
         "0 στήλες έχουν 3 επιτυχίες."},
        {{1, 1, 1, 3},
         false,
         "Δεν κερδίζει καμμία στήλη με αυτή τη νικήτρια στήλη.",
         "2 στήλες έχουν 3 επιτυχίες."},
    };
    for (const Case& c : cases) {
        const CheckResult result = plainCheckResult("ΣΚΟΡ 4", 4, checkPlain(columns, c.winning), c.winning);
        EXPECT_EQ(result.win, c.win) << winningColumnText(c.winning);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(result.secondLine, c.secondLine);
        EXPECT_EQ(result.winningLine, winningColumnText(c.winning));
    }
    EXPECT_EQ(winningColumnText(Column{3, 12, 1, 7}), "3 / 12 / 1 / 7");
}

TEST(PlainCheck, SaysWhenOnlyTheKeptColumnsWereExamined) {
    ColumnList columns;
    columns.reset(3, 2);
    columns.append(Column{1, 2, 3});
    columns.append(Column{1, 2, 4});
    columns.append(Column{1, 2, 5});  // found, but not kept: it has no horses and no hits
    const Column winning{1, 2, 5};
    const PlainCheck check = checkPlain(columns, winning);
    EXPECT_FALSE(check.win);
    EXPECT_EQ(check.nearMisses, 2);
    const CheckResult result = plainCheckResult("ΤΡΙΚΑΣΤ", 3, check, winning);
    EXPECT_EQ(result.message,
              "Δεν κερδίζει καμμία στήλη με αυτή τη νικήτρια στήλη.\rΕξετάστηκαν μόνο οι πρώτες 2 από τις 3 "
              "στήλες.");

    columns.reset(3, 2);
    columns.append(Column{1, 2, 5});
    EXPECT_EQ(plainCheckResult("ΤΡΙΚΑΣΤ", 3, checkPlain(columns, winning), winning).message.find('\r'),
              std::string::npos);
}

TEST(GatheredCheck, CouponNumberOrFailure) {
    ColumnList columns = test::columnsOf(4, {{1, 3, 5, 7}, {1, 3, 5, 8}, {1, 3, 6, 7}});
    const CouponList coupons = Mazema(columns);
    const Column held{1, 3, 6, 7};
    const CheckResult found = gatheredCheckResult("ΣΚΟΡ 4", FindDeltio(coupons, held), held);
    EXPECT_TRUE(found.win);
    // A capital Greek tau followed by a Latin small o.
    EXPECT_EQ(found.message, "\xCE\xA4o ΣΚΟΡ 4 βρίσκεται στο δελτίο 2 με αυτή τη νικήτρια στήλη!");
    EXPECT_EQ(found.winningLine, "1 / 3 / 6 / 7");
    EXPECT_EQ(found.secondLine, "");

    const Column missing{1, 3, 6, 8};
    const CheckResult none = gatheredCheckResult("ΣΚΟΡ 4", FindDeltio(coupons, missing), missing);
    EXPECT_FALSE(none.win);
    EXPECT_EQ(none.message, "Δεν κερδίζει κανένα δελτίο με αυτή τη νικήτρια στήλη.");
    EXPECT_EQ(none.secondLine, "");
}

aTAloga races13And15() {
    return {makeRace({1, 3}), makeRace({1, 5})};
}

TEST(WinningEntry, AvailableMarksFollowTheRacesHorses) {
    WinningEntryMarks marks;
    marks.prepare(races13And15(), distinctHorses(races13And15()));
    ASSERT_EQ(marks.horses(), 3);
    const bool expected[2][3] = {{true, true, false}, {true, false, true}};
    for (int r = 0; r < 2; ++r) {
        for (int h = 0; h < 3; ++h) {
            EXPECT_EQ(marks.available(r, h), expected[r][h]) << r << "," << h;
            EXPECT_FALSE(marks.chosen(r, h));
        }
    }
}

TEST(WinningEntry, ClicksAndValidation) {
    WinningEntryMarks marks;
    marks.prepare(races13And15(), distinctHorses(races13And15()));
    EXPECT_FALSE(marks.valid()) << "nothing chosen";

    marks.click(0, 2);  // horse 5 does not run in race 1
    EXPECT_FALSE(marks.chosen(0, 2));
    marks.clickHorse(0);  // horse 1 in both races
    EXPECT_TRUE(marks.chosen(0, 0));
    EXPECT_TRUE(marks.chosen(1, 0));
    EXPECT_TRUE(marks.valid());
    EXPECT_EQ(marks.winningColumn(), (Column{1, 1}));

    marks.click(1, 2);  // a second winner in race 2
    EXPECT_FALSE(marks.valid());
    marks.click(1, 0);  // un-choose horse 1 there
    EXPECT_TRUE(marks.valid());
    EXPECT_EQ(marks.winningColumn(), (Column{1, 5}));

    marks.clickHorse(0);  // each race on its own: race 1 un-chosen, race 2 chosen again
    EXPECT_FALSE(marks.chosen(0, 0));
    EXPECT_TRUE(marks.chosen(1, 0));
    EXPECT_FALSE(marks.valid()) << "race 1 has no winner";
    marks.click(5, 0);  // outside the grid: nothing
    marks.click(0, -1);
}

TEST(WinningEntry, TheLastEntryIsKeptForTheSameHorsesOnly) {
    WinningEntryMarks marks;
    marks.prepare(races13And15(), distinctHorses(races13And15()));
    marks.click(0, 1);
    marks.click(1, 2);
    marks.prepare(races13And15(), distinctHorses(races13And15()));
    EXPECT_EQ(marks.winningColumn(), (Column{3, 5})) << "the same horses offer the last winning column";

    // Other horses of the same count: the old marks would name horses that do not run.
    const aTAloga other = {makeRace({2, 3}), makeRace({2, 7})};
    marks.prepare(other, distinctHorses(other));
    EXPECT_FALSE(marks.chosen(0, 1));
    EXPECT_FALSE(marks.chosen(1, 2));
    EXPECT_TRUE(marks.available(1, 2)) << "horse 7 runs in race 2";
    EXPECT_FALSE(marks.available(1, 1)) << "horse 3 does not";
}

}  // namespace
}  // namespace quintaro
