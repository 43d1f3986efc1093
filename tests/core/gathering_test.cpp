#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

#include "core/game/gathering.h"
#include "core/text/horse_list.h"
#include "support/counted_lists.h"
#include "support/gathering_oracle.h"

namespace quintaro {
namespace {

using test::columnsOf;
using test::fullSystem;

std::vector<int> range(int from, int to) {
    std::vector<int> out;
    for (int h = from; h <= to; ++h) {
        out.push_back(h);
    }
    return out;
}

std::string describe(const CouponList& coupons) {
    std::string out;
    for (const TsSthlh& c : coupons) {
        out += "(";
        for (std::size_t r = 0; r < c.size(); ++r) {
            out += (r ? " | " : "") + c[r];
        }
        out += ") ";
    }
    return out;
}

// Every coupon stands only for counted columns, and every counted column lies in exactly one coupon.
void expectCoversEveryColumnOnce(const ColumnList& columns, const CouponList& coupons) {
    std::map<std::string, int> seen;  // by the column's horses joined by ","
    for (std::size_t i = 0; i < columns.stored(); ++i) {
        seen[joinHorseList(columns.horses(i))] = 0;
    }
    std::int64_t total = 0;
    for (const TsSthlh& coupon : coupons) {
        std::vector<std::vector<int>> lists;
        for (const std::string& text : coupon) {
            std::vector<int> horses;
            for (std::string_view e : splitHorseList(text)) {
                horses.push_back(std::stoi(std::string(e)));
            }
            lists.push_back(horses);
        }
        const ColumnList expanded = fullSystem(lists);
        for (std::size_t i = 0; i < expanded.stored(); ++i) {
            const auto it = seen.find(joinHorseList(expanded.horses(i)));
            ASSERT_NE(it, seen.end()) << "a coupon stands for a column that was not counted";
            ++it->second;
        }
        total += couponColumns(coupon);
    }
    EXPECT_EQ(total, columns.size());
    for (const auto& [column, times] : seen) {
        ASSERT_EQ(times, 1) << "a counted column lies in " << times << " coupons";
    }
}

struct EdgeCase {
    const char* name;
    ColumnList columns;
    CouponList expected;
};

TEST(Gathering, EdgeCasesGiveTheScansCouponsInOrder) {
    const std::vector<EdgeCase> cases = {
        {"the full system of {1,2},{3,4},{5,6},{7,8} collapses into one coupon",
         fullSystem({{1, 2}, {3, 4}, {5, 6}, {7, 8}}),
         {{"1,2", "3,4", "5,6", "7,8"}}},
        {"a single column is its own coupon", columnsOf(4, {{3, 12, 1, 7}}), {{"3", "12", "1", "7"}}},
        {"race 4 becomes free, so the third column stays apart",
         columnsOf(4, {{1, 3, 5, 7}, {1, 3, 5, 8}, {1, 3, 6, 7}}),
         {{"1", "3", "5", "7,8"}, {"1", "3", "6", "7"}}},
        {"the first partner fixes the free race",
         columnsOf(4, {{1, 1, 1, 1}, {1, 1, 1, 2}, {1, 1, 2, 1}}),
         {{"1", "1", "1", "1,2"}, {"1", "1", "2", "1"}}},
        {"eighteen horses make a list of 44 characters",
         fullSystem({range(1, 18), {5}, {6}, {7}}),
         {{"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18", "5", "6", "7"}}},
        {"twenty horses joined in the first stage are all kept",
         fullSystem({{4}, range(1, 20), {6}}),
         {{"4", "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20", "6"}}},
        {"twenty horses joined in the second stage are all kept",
         fullSystem({range(1, 20), {1, 2}, {5}}),
         {{"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20", "1,2", "5"}}},
        {"lists keep the order in which they joined",
         columnsOf(3, {{1, 1, 1}, {1, 1, 2}, {3, 1, 1}, {3, 1, 2}, {2, 1, 1}, {2, 1, 2}}),
         {{"1,3,2", "1", "1,2"}}},
        {"a places game keeps its columns apart where a horse would repeat",
         fullSystem({{1, 2, 3}, {1, 2, 3}, {1, 2, 3}}, true),
         {{"1", "2", "3"},
          {"1", "3", "2"},
          {"2", "1", "3"},
          {"2", "3", "1"},
          {"3", "1", "2"},
          {"3", "2", "1"}}},
    };
    for (const EdgeCase& c : cases) {
        ColumnList engine = c.columns;
        ColumnList oracle = c.columns;
        EXPECT_EQ(describe(Mazema(engine)), describe(c.expected)) << c.name;
        EXPECT_EQ(describe(test::literalMazema(oracle)), describe(c.expected)) << c.name;
        expectCoversEveryColumnOnce(c.columns, c.expected);
    }
}

TEST(Gathering, MarksEveryColumnAndStartsAfresh) {
    ColumnList columns = columnsOf(4, {{1, 3, 5, 7}, {1, 3, 5, 8}, {1, 3, 6, 7}});
    columns.setMarked(1, true);  // left over from an earlier gathering
    const CouponList first = Mazema(columns);
    for (std::size_t i = 0; i < columns.stored(); ++i) {
        EXPECT_TRUE(columns.marked(i)) << i;
    }
    EXPECT_EQ(describe(Mazema(columns)), describe(first));
    EXPECT_EQ(first.size(), 2u);
}

TEST(Gathering, EmptyListGivesNoCoupons) {
    ColumnList columns;
    columns.reset(4);
    EXPECT_TRUE(Mazema(columns).empty());
}

TEST(Gathering, RefusesACountingLargerThanTheKeptColumns) {
    ColumnList columns;
    columns.reset(4, 3);
    for (int h = 1; h <= 3; ++h) {
        columns.append(std::vector<std::uint8_t>{1, 1, 1, static_cast<std::uint8_t>(h)});
    }
    EXPECT_EQ(Mazema(columns).size(), 1u) << "exactly as many as are kept: gathered";

    columns.append(std::vector<std::uint8_t>{1, 1, 1, 4});
    ASSERT_TRUE(columns.truncated());
    try {
        Mazema(columns);
        FAIL() << "a partial system was gathered";
    } catch (const GatheringRefused& e) {
        const std::string text = e.what();
        EXPECT_NE(text.find("4 στήλες"), std::string::npos) << text;
        EXPECT_NE(text.find("από τις 3"), std::string::npos) << text;
    }
}

TEST(Gathering, AgreesWithTheScanOnRandomCountedLists) {
    std::mt19937 rng(20240611);
    const int racesOf[] = {3, 4, 6, 9};
    std::int64_t largest = 0;
    for (int round = 0; round < 40; ++round) {
        // Small systems of every size of game, then one of tens of thousands of columns for each.
        const bool large = round >= 36;
        const int races = racesOf[round % 4];
        const std::int64_t limit = large ? 60000 : 3000;
        test::RandomCountedList game = test::randomCountedList(rng, races, limit);
        while (large && game.columns.size() < 10000 && races > 3) {
            game = test::randomCountedList(rng, races, limit);
        }
        ColumnList engine = game.columns;
        ColumnList oracle = game.columns;
        const CouponList fast = Mazema(engine);
        const CouponList literal = test::literalMazema(oracle);
        ASSERT_EQ(fast, literal) << "round " << round << ", " << races << " races, " << game.columns.size()
                                 << " columns";
        expectCoversEveryColumnOnce(game.columns, fast);
        largest = std::max(largest, game.columns.size());
    }
    EXPECT_GT(largest, 10000) << "the random lists never reached tens of thousands of columns";
}

TEST(FindDeltio, FirstCouponHoldingEveryHorse) {
    const CouponList coupons = {{"1", "3", "5", "7,8"}, {"10,12", "3", "6", "7"}, {"1,2", "3", "6", "7"}};
    struct Case {
        std::vector<std::uint8_t> winning;
        std::optional<std::size_t> coupon;
    } cases[] = {
        {{1, 3, 5, 8}, 1},         {{12, 3, 6, 7}, 2},
        {{1, 3, 6, 7}, 3},  // 1 is not an entry of 10,12
        {{2, 3, 6, 7}, 3},         {{1, 3, 5, 9}, std::nullopt},
        {{1, 3, 5}, std::nullopt},  // a column of another game
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindDeltio(coupons, c.winning), c.coupon) << joinHorseList(c.winning);
    }
}

TEST(FindDeltio, FindsTheCouponOfEveryCountedColumnAndNoOther) {
    std::mt19937 rng(7);
    const test::RandomCountedList game = test::randomCountedList(rng, 4, 2000);
    ColumnList columns = game.columns;
    const CouponList coupons = Mazema(columns);
    std::set<std::string> counted;  // by the column's horses joined by ","
    for (std::size_t i = 0; i < columns.stored(); ++i) {
        const auto horses = columns.horses(i);
        counted.insert(joinHorseList(horses));
        const auto found = FindDeltio(coupons, horses);
        ASSERT_TRUE(found) << i;
        for (std::size_t r = 0; r < horses.size(); ++r) {
            EXPECT_TRUE(horseListContains(coupons[*found - 1][r], horses[r]));
        }
    }
    // The columns of the full system that the counting left out are held by no coupon.
    const ColumnList full = fullSystem(game.horses);
    std::size_t leftOut = 0;
    for (std::size_t i = 0; i < full.stored(); ++i) {
        const auto horses = full.horses(i);
        if (!counted.count(joinHorseList(horses))) {
            ++leftOut;
            EXPECT_EQ(FindDeltio(coupons, horses), std::nullopt) << joinHorseList(horses);
        }
    }
    EXPECT_GT(leftOut, 0u);
}

}  // namespace
}  // namespace quintaro
