// The TRIO calculation: the binomial, the condition filter, the walk in lexicographic order, the two
// guarantees and the stop flag, checked against the worked systems and against a plain nested-loop oracle.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/trio/binomial.h"
#include "core/trio/walk.h"

namespace quintaro::trio {
namespace {

std::vector<int> firstNumbers(int n) {
    std::vector<int> out;
    for (int v = 1; v <= n; ++v) {
        out.push_back(v);
    }
    return out;
}

std::vector<Column> cols(std::initializer_list<std::array<int, 3>> list) {
    std::vector<Column> out;
    for (const auto& c : list) {
        out.push_back({static_cast<std::uint8_t>(c[0]), static_cast<std::uint8_t>(c[1]),
                       static_cast<std::uint8_t>(c[2])});
    }
    return out;
}

Conditions withRow(int row, int from, int to, Conditions c = neutralConditions()) {
    c.rows[row - 1] = {from, to};
    return c;
}

// The calculation written out plainly: three nested loops over positions, every condition measured from the
// values, the stop flag looked at after each innermost loop.
TrioResult oracle(const std::vector<int>& x, const Conditions& c, int g) {
    TrioResult r;
    const int n = static_cast<int>(x.size());
    r.selected = n;
    r.candidates = binomial(n, 3);
    bool stop = false;
    auto neutral = [&](int row, int f, int t) { return c.rows[row - 1] == Bounds{f, t}; };
    auto in = [&](int row, int v) { return v >= c.rows[row - 1].from && v <= c.rows[row - 1].to; };
    std::vector<Column> found;
    for (int a = 0; a < n - 2 && !stop; ++a) {
        for (int b = a + 1; b < n - 1; ++b) {
            for (int d = b + 1; d < n; ++d) {
                const int v[3] = {x[a], x[b], x[d]};
                int odd = 0, left = 0;
                std::vector<int> digits, fives;
                for (int i : v) {
                    odd += i % 2;
                    left += (i % 10 >= 1 && i % 10 <= 5) ? 1 : 0;
                    if (std::find(digits.begin(), digits.end(), i % 10) == digits.end())
                        digits.push_back(i % 10);
                    if (std::find(fives.begin(), fives.end(), (i - 1) / 5) == fives.end())
                        fives.push_back((i - 1) / 5);
                }
                if (!neutral(1, 6, 57) && !in(1, v[0] + v[1] + v[2]))
                    continue;
                if (c.rows[1].from + c.rows[2].from > 5)
                    stop = true;
                if (!neutral(2, 0, 3) && !in(2, odd))
                    continue;
                if (!neutral(3, 0, 3) && !in(3, 3 - odd))
                    continue;
                if (c.rows[3].from + c.rows[4].from > 3)
                    stop = true;
                if (!neutral(4, 0, 3) && !in(4, left))
                    continue;
                if (!neutral(5, 0, 3) && !in(5, 3 - left))
                    continue;
                if (!neutral(6, 0, 3) && !in(6, static_cast<int>(digits.size())))
                    continue;
                if (!neutral(7, 0, 3) && !in(7, static_cast<int>(fives.size())))
                    continue;
                if (!neutral(8, 2, 19) && !in(8, v[2] - v[0]))
                    continue;
                bool groupsPass = true;
                for (const NumberGroup& grp : c.groups) {
                    if (grp.list.empty() || grp.bounds == Bounds{0, 0})
                        continue;
                    int count = 0;
                    for (int i : v) {
                        const std::string t = std::to_string(i);
                        std::size_t s = 0;
                        bool hit = false;
                        while (s <= grp.list.size()) {
                            std::size_t e = grp.list.find(',', s);
                            if (e == std::string::npos)
                                e = grp.list.size();
                            hit = hit || grp.list.substr(s, e - s) == t;
                            s = e + 1;
                        }
                        count += hit ? 1 : 0;
                    }
                    groupsPass = groupsPass && count >= grp.bounds.from && count <= grp.bounds.to;
                }
                if (!groupsPass)
                    continue;
                bool take = true;
                if (g < 3) {
                    for (const Column& f : found) {
                        int shared = 0;
                        for (int i : v)
                            shared += std::count(f.begin(), f.end(), i);
                        if (shared >= g) {
                            take = false;
                            break;
                        }
                    }
                }
                if (take)
                    found.push_back({static_cast<std::uint8_t>(v[0]), static_cast<std::uint8_t>(v[1]),
                                     static_cast<std::uint8_t>(v[2])});
            }
            if (stop)
                break;
        }
    }
    r.stopped = stop;
    if (!stop)
        r.columns = found;
    return r;
}

TEST(TrioBinomial, ExtendedPrecisionRoundedHalfToEven) {
    struct Case {
        int a, b;
        std::int64_t expected;
    };
    for (const Case& c : std::vector<Case>{{20, 3, 1140},
                                           {5, 5, 1},
                                           {3, 5, 0},
                                           {7, 0, 1},
                                           {2, 3, 0},
                                           {0, 3, 0},
                                           {7, 3, 35},
                                           {3, 3, 1},
                                           {35, 5, 324632},
                                           {60, 30, 118264581564861424}}) {
        EXPECT_EQ(binomial(c.a, c.b), c.expected) << c.a << " choose " << c.b;
    }
    EXPECT_EQ(roundHalfEven(0.5L), 0);
    EXPECT_EQ(roundHalfEven(1.5L), 2);
    EXPECT_EQ(roundHalfEven(2.5L), 2);
    EXPECT_EQ(roundHalfEven(1428.5714L), 1429);
    EXPECT_EQ(roundHalfEven(2.4999L), 2);
}

TEST(TrioWalk, GuaranteeTwoWithoutConditionsGivesTheWorkedSystems) {
    EXPECT_EQ(calculateTrio(firstNumbers(7), neutralConditions(), 2).columns,
              cols({{1, 2, 3}, {1, 4, 5}, {1, 6, 7}, {2, 4, 6}, {2, 5, 7}, {3, 4, 7}, {3, 5, 6}}));
    EXPECT_EQ(calculateTrio(firstNumbers(6), neutralConditions(), 2).columns,
              cols({{1, 2, 3}, {1, 4, 5}, {2, 4, 6}, {3, 5, 6}}));
    const std::pair<int, std::size_t> sizes[] = {{6, 4},   {7, 7},   {8, 7},   {9, 8},
                                                 {10, 10}, {12, 17}, {15, 35}, {20, 45}};
    for (const auto& [n, found] : sizes) {
        const TrioResult r = calculateTrio(firstNumbers(n), neutralConditions(), 2);
        EXPECT_EQ(r.columns.size(), found) << "n = " << n;
        EXPECT_FALSE(r.stopped);
        // Every pair of kept columns shares at most one number.
        for (std::size_t i = 0; i < r.columns.size(); ++i) {
            for (std::size_t j = i + 1; j < r.columns.size(); ++j) {
                int shared = 0;
                for (auto v : r.columns[i])
                    shared += std::count(r.columns[j].begin(), r.columns[j].end(), v);
                EXPECT_LE(shared, 1);
            }
        }
    }
    // Other numbers: the same positions.
    EXPECT_EQ(
        calculateTrio({2, 5, 8, 11, 14, 17, 20}, neutralConditions(), 2).columns,
        cols({{2, 5, 8}, {2, 11, 14}, {2, 17, 20}, {5, 11, 17}, {5, 14, 20}, {8, 11, 20}, {8, 14, 17}}));
}

TEST(TrioWalk, GuaranteeThreeKeepsEveryColumnInLexicographicOrder) {
    const TrioResult five = calculateTrio(firstNumbers(5), neutralConditions(), 3);
    EXPECT_EQ(five.columns, cols({{1, 2, 3},
                                  {1, 2, 4},
                                  {1, 2, 5},
                                  {1, 3, 4},
                                  {1, 3, 5},
                                  {1, 4, 5},
                                  {2, 3, 4},
                                  {2, 3, 5},
                                  {2, 4, 5},
                                  {3, 4, 5}}));
    for (int n : {3, 8, 13, 20}) {
        const TrioResult r = calculateTrio(firstNumbers(n), neutralConditions(), 3);
        EXPECT_EQ(static_cast<std::int64_t>(r.columns.size()), binomial(n, 3));
        EXPECT_TRUE(std::is_sorted(r.columns.begin(), r.columns.end()));
    }
    // Fewer than three numbers: nothing to visit.
    TrioWalk two({4, 9}, neutralConditions(), 3);
    EXPECT_FALSE(two.step());
    EXPECT_EQ(two.visited(), 0);
    EXPECT_EQ(two.result().candidates, 0);
}

TEST(TrioWalk, ConditionsFilterTheColumns) {
    // ΑΘΡΟΙΣΜΑ 6-9 with 1-5.
    EXPECT_EQ(calculateTrio(firstNumbers(5), withRow(kSumRow, 6, 9), 3).columns,
              cols({{1, 2, 3}, {1, 2, 4}, {1, 2, 5}, {1, 3, 4}, {1, 3, 5}, {2, 3, 4}}));
    // ΕΥΡΟΣ ΣΤΗΛΗΣ at (2, 19) is neutral; at (2, 18) every column with both 1 and 20 fails.
    const std::vector<int> ends = {1, 5, 12, 20};
    EXPECT_EQ(calculateTrio(ends, withRow(kRangeRow, 2, 19), 3).columns.size(), 4u);
    EXPECT_EQ(calculateTrio(ends, withRow(kRangeRow, 2, 18), 3).columns, cols({{1, 5, 12}, {5, 12, 20}}));
    // ΛΗΓΟΝΤΕΣ 2-2 with 1, 11, 2, 3: only columns with a repeated last digit.
    EXPECT_EQ(calculateTrio({1, 2, 3, 11}, withRow(kDigitsRow, 2, 2), 3).columns,
              cols({{1, 2, 11}, {1, 3, 11}}));
    // 5 άδες 1-1: all three in one group of five.
    EXPECT_EQ(calculateTrio({1, 4, 6, 7, 9}, withRow(kFivesRow, 1, 1), 3).columns, cols({{6, 7, 9}}));
    // ΑΡΙΣΤΕΡΑ 3-3 keeps columns of last digits 1-5 only; ΔΕΞΙΑ 3-3 the others.
    EXPECT_EQ(calculateTrio({1, 5, 6, 11, 20}, withRow(kLeftRow, 3, 3), 3).columns, cols({{1, 5, 11}}));
    EXPECT_EQ(calculateTrio({1, 6, 10, 16}, withRow(kRightRow, 3, 3), 3).columns, cols({{6, 10, 16}}));
    // ΜΟΝΑ 2-3 and ΖΥΓΑ: counts of odd and even values.
    EXPECT_EQ(calculateTrio(firstNumbers(4), withRow(kOddRow, 2, 3), 3).columns,
              cols({{1, 2, 3}, {1, 3, 4}}));
    EXPECT_EQ(calculateTrio(firstNumbers(4), withRow(kEvenRow, 2, 3), 3).columns,
              cols({{1, 2, 4}, {2, 3, 4}}));
}

TEST(TrioWalk, NumberGroups) {
    Conditions c = neutralConditions();
    c.groups[0] = {"1,2", {2, 2}};
    EXPECT_EQ(calculateTrio(firstNumbers(4), c, 3).columns, cols({{1, 2, 3}, {1, 2, 4}}));
    c.groups[0] = {"1,2", {0, 1}};
    EXPECT_EQ(calculateTrio(firstNumbers(4), c, 3).columns, cols({{1, 3, 4}, {2, 3, 4}}));
    c.groups[0] = {"1,2", {0, 0}};  // not applied
    EXPECT_EQ(calculateTrio(firstNumbers(4), c, 3).columns.size(), 4u);
    c.groups[0] = {"", {1, 1}};  // not applied
    EXPECT_EQ(calculateTrio(firstNumbers(4), c, 3).columns.size(), 4u);
    // Entries are compared as texts: "01" names no number.
    c.groups[0] = {"01,2", {2, 2}};
    EXPECT_TRUE(calculateTrio(firstNumbers(4), c, 3).columns.empty());
    // The Z example: group 1 = "1,2" with bounds 1-2, g = 2, numbers 1-7.
    c.groups[0] = {"1,2", {1, 2}};
    EXPECT_EQ(calculateTrio(firstNumbers(7), c, 2).columns,
              cols({{1, 2, 3}, {1, 4, 5}, {1, 6, 7}, {2, 4, 6}, {2, 5, 7}}));
    // Groups apply in order and all must pass.
    c.groups[1] = {"3", {1, 1}};
    EXPECT_EQ(calculateTrio(firstNumbers(7), c, 3).columns, cols({{1, 2, 3},
                                                                  {1, 3, 4},
                                                                  {1, 3, 5},
                                                                  {1, 3, 6},
                                                                  {1, 3, 7},
                                                                  {2, 3, 4},
                                                                  {2, 3, 5},
                                                                  {2, 3, 6},
                                                                  {2, 3, 7}}));
}

TEST(TrioWalk, StopFlagRules) {
    // ΜΟΝΑ from 3 and ΖΥΓΑ from 3: the filter raises the flag and the walk ends after its first run.
    TrioWalk odd(firstNumbers(10), withRow(kOddRow, 3, 3, withRow(kEvenRow, 3, 3)), 3);
    EXPECT_FALSE(odd.step());
    EXPECT_EQ(odd.visited(), 8);  // (1,2,3) ... (1,2,10)
    EXPECT_TRUE(odd.result().stopped);
    EXPECT_TRUE(odd.result().columns.empty());
    // ΜΟΝΑ from 2 and ΖΥΓΑ from 2: the walk runs to its end and finds nothing.
    TrioWalk four(firstNumbers(10), withRow(kOddRow, 2, 3, withRow(kEvenRow, 2, 3)), 3);
    while (four.step()) {
    }
    EXPECT_EQ(four.visited(), 120);
    EXPECT_FALSE(four.result().stopped);
    EXPECT_TRUE(four.result().columns.empty());
    // ΑΡΙΣΤΕΡΑ + ΔΕΞΙΑ minimums above 3 stop as well.
    EXPECT_TRUE(
        calculateTrio(firstNumbers(10), withRow(kLeftRow, 2, 3, withRow(kRightRow, 2, 3)), 3).stopped);
    // The flag is raised only by a candidate that passed the sum: with no such candidate the walk runs on.
    const TrioResult sumFirst = calculateTrio(
        firstNumbers(6), withRow(kSumRow, 57, 57, withRow(kOddRow, 3, 3, withRow(kEvenRow, 3, 3))), 3);
    EXPECT_FALSE(sumFirst.stopped);
}

TEST(TrioWalk, StopButtonTakesEffectAfterTheCurrentRunAndKeepsNothing) {
    TrioWalk walk(firstNumbers(9), neutralConditions(), 3);
    ASSERT_TRUE(walk.step());  // (1,2,3) ... (1,2,9)
    EXPECT_EQ(walk.visited(), 7);
    EXPECT_EQ(walk.foundCount(), 7);
    walk.requestStop();
    EXPECT_FALSE(walk.step());  // the run (1,3,*) is still examined, then the flag ends the walk
    EXPECT_EQ(walk.visited(), 13);
    EXPECT_TRUE(walk.ended());
    const TrioResult r = walk.result();
    EXPECT_TRUE(r.stopped);
    EXPECT_TRUE(r.columns.empty());
}

TEST(TrioWalk, SteppedWalkEqualsThePlainOrderOnRandomSystems) {
    std::mt19937 rng(20240611);
    for (int round = 0; round < 400; ++round) {
        std::vector<int> numbers;
        for (int v = 1; v <= 20; ++v) {
            if (rng() % 3 != 0)
                numbers.push_back(v);
        }
        Conditions c = neutralConditions();
        auto pick = [&](int lo, int hi) {
            return lo + static_cast<int>(rng() % static_cast<unsigned>(hi - lo + 1));
        };
        for (int row = 1; row <= kConditionCount; ++row) {
            if (rng() % 3 == 0) {
                const int a = row == kSumRow ? pick(6, 57) : row == kRangeRow ? pick(2, 19) : pick(0, 3);
                const int b = row == kSumRow ? pick(6, 57) : row == kRangeRow ? pick(2, 19) : pick(0, 3);
                c.rows[row - 1] = {std::min(a, b), std::max(a, b)};
            }
        }
        for (auto& g : c.groups) {
            if (rng() % 4 == 0) {
                g.list = std::to_string(pick(1, 20)) + "," + std::to_string(pick(1, 20)) + "," +
                         std::to_string(pick(1, 20));
                g.bounds = {pick(0, 2), pick(1, 3)};
            }
        }
        const int guarantee = rng() % 2 == 0 ? 2 : 3;
        const TrioResult expected = oracle(numbers, c, guarantee);
        TrioWalk walk(numbers, c, guarantee);
        while (walk.step()) {
        }
        const TrioResult got = walk.result();
        ASSERT_EQ(got.columns, expected.columns) << "round " << round;
        ASSERT_EQ(got.stopped, expected.stopped) << "round " << round;
        ASSERT_EQ(got.candidates, expected.candidates);
    }
}

}  // namespace
}  // namespace quintaro::trio
