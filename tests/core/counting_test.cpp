#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <thread>

#include "core/game/counting.h"
#include "core/game/counting_engine.h"
#include "core/text/number_text.h"
#include "game_builders.h"

namespace quintaro {
namespace {

using test::BasicCells;
using test::makeSelection;
using test::setRows;
using Races = std::vector<std::vector<int>>;
using Columns = std::vector<std::vector<int>>;

// A counting as the game window runs it: the default sum bounds, the group table rebuilt, the default price.
CountRequest requestFor(std::string_view game, const Races& races,
                        const std::vector<BasicCells>& basics = {}) {
    CountRequest q;
    q.game = std::string(game);
    q.selection = makeSelection(game, races, basics);
    const auto bounds = q.selection.computeSumBounds();
    q.leastSum = std::to_string(bounds->least);
    q.greatestSum = std::to_string(bounds->greatest);
    rebuildGroupTable(q.selection, q.groups, q.superGroups);
    q.price = game.find("ΣΚΟΡ ") != std::string_view::npos ? 1.5 : 0.5;
    return q;
}

Columns storedColumns(const ColumnList& list) {
    Columns out;
    for (std::size_t i = 0; i < list.stored(); ++i) {
        const auto h = list.horses(i);
        out.emplace_back(h.begin(), h.end());
    }
    return out;
}

const Races kTwoEach = {{1, 2}, {1, 2}, {1, 2}, {1, 2}};

TEST(Counting, WithoutBasicsEveryColumnComesInOdometerOrder) {
    const CountOutcome out = countColumns(requestFor("ΣΚΟΡ 4", kTwoEach));
    EXPECT_TRUE(out.noBasics);
    EXPECT_EQ(out.full, 16u);
    EXPECT_EQ(out.candidates, 16u);
    EXPECT_EQ(out.found, 16u);
    Columns expected;
    for (int a : {1, 2}) {
        for (int b : {1, 2}) {
            for (int c : {1, 2}) {
                for (int d : {1, 2}) {
                    expected.push_back({a, b, c, d});
                }
            }
        }
    }
    EXPECT_EQ(storedColumns(out.columns), expected);
    EXPECT_EQ(out.OlaAloga, (std::vector<std::uint8_t>{1, 2, 1, 2, 1, 2, 1, 2}));
    EXPECT_EQ(out.KoursaAlogou, (std::vector<std::uint8_t>{1, 1, 2, 2, 3, 3, 4, 4}));

    // Races {1,2} and {5,6,7}: the last race varies fastest.
    CountRequest two = requestFor("ΣΚΟΡ 4", {{1, 2}, {5, 6, 7}, {3}, {4}});
    EXPECT_EQ(storedColumns(countColumns(two).columns),
              (Columns{{1, 5, 3, 4}, {1, 6, 3, 4}, {1, 7, 3, 4}, {2, 5, 3, 4}, {2, 6, 3, 4}, {2, 7, 3, 4}}));
}

TEST(Counting, EdgeCasesOfTheBasicsAndTheSums) {
    const BasicCells allOnes{{"1", "1", "1", "1"}, "4", "4"};
    const BasicCells firstRaceOne{{"1", "", "", ""}, "0", "4"};
    struct Case {
        const char* name;
        std::vector<BasicCells> basics;
        std::string least, greatest;
        Columns expected;
        std::uint64_t found;
    } cases[] = {
        {"one basic from 4 to 4", {allOnes}, "", "", {{1, 1, 1, 1}}, 1},
        {"sums 10..10 with a basic", {firstRaceOne}, "10", "10", {}, 0},
        {"sums 10..10 without a basic", {}, "10", "10", {}, 16},
        // An empty basic is never tested: before, an emptied basic 1 made every counting find nothing.
        {"an empty first basic is skipped",
         {BasicCells{{"", "", "", ""}, "1", "4"}, allOnes},
         "",
         "",
         {{1, 1, 1, 1}},
         1},
        {"an unreadable bound rejects", {BasicCells{{"1", "1", "1", "1"}, "x", "4"}}, "", "", {}, 0},
    };
    for (const Case& c : cases) {
        CountRequest q = requestFor("ΣΚΟΡ 4", kTwoEach, c.basics);
        if (!c.least.empty()) {
            q.leastSum = c.least;
            q.greatestSum = c.greatest;
        }
        const CountOutcome out = countColumns(q);
        EXPECT_EQ(out.found, c.found) << c.name;
        EXPECT_EQ(out.candidates, 16u) << c.name;
        if (c.found <= 1) {
            EXPECT_EQ(storedColumns(out.columns), c.expected) << c.name;
        }
    }
}

TEST(Counting, APlacesGameDropsColumnsThatRepeatAHorse) {
    const CountRequest q = requestFor("ΤΡΙΚΑΣΤ", {{1, 2, 3}, {1, 2, 3}, {1, 2, 3}});
    const CountOutcome out = countColumns(q);
    EXPECT_EQ(out.full, 27u);
    EXPECT_EQ(out.candidates, 6u);
    EXPECT_EQ(out.found, 6u);
    for (const auto& column : storedColumns(out.columns)) {
        EXPECT_EQ(std::set<int>(column.begin(), column.end()).size(), 3u);
    }
    EXPECT_EQ(preparedInformationLine(q.game, out.full), std::nullopt);
    EXPECT_EQ(countedInformationLine(q.game, out, '.'),
              "ΤΡΙΚΑΣΤ   ΠΛΗΡΕΣ : 6     ΜΕΤΡΗΣΑ : 6      ΚΟΣΤΟΣ :3.00");

    // One and the same horse for every place: nothing.
    const CountOutcome same = countColumns(requestFor("ΤΕΤΡΑΠΛΟ", {{4}, {4}, {4}, {4}}));
    EXPECT_EQ(same.candidates, 0u);
    EXPECT_TRUE(same.columns.empty());
}

// Groups: basics 1 and 2 in group 0, which needs exactly one of them.
TEST(Counting, AGroupCountsItsBasicsThatHold) {
    CountRequest q =
        requestFor("ΣΚΟΡ 4", {{1, 2, 3}, {1}, {1}, {1}},
                   {BasicCells{{"1", "", "", ""}, "1", "1"}, BasicCells{{"2", "", "", ""}, "1", "1"}});
    setRows(q.groups, {{"0", "2", "1", "1", "0"}});
    EXPECT_EQ(storedColumns(countColumns(q).columns), (Columns{{1, 1, 1, 1}, {2, 1, 1, 1}}));
    // At its defaults the group needs both: no column holds both.
    setRows(q.groups, {{"0", "2", "2", "2", "0"}});
    EXPECT_EQ(countColumns(q).found, 0u);
    // In a super-group that needs none of its groups, the group may fail: every column holds.
    setRows(q.superGroups, {{"0", "1", "0", "1"}});
    EXPECT_EQ(countColumns(q).found, 3u);
}

TEST(Counting, TheStoredColumnsStopAtTheCapWhileCountingGoesOn) {
    for (auto [threads, path] :
         {std::pair{1u, CountingPath::Exhaustive}, std::pair{3u, CountingPath::Exhaustive},
          std::pair{1u, CountingPath::States}}) {
        CountRequest q = requestFor("ΣΚΟΡ 4", kTwoEach);
        q.threads = threads;
        q.path = path;
        q.storedLimit = 16;
        counting::EngineOptions small;
        small.candidatesPerChunk = 2;
        const CountOutcome all = counting::countColumns(q, nullptr, small);
        EXPECT_EQ(all.columns.size(), 16);
        EXPECT_EQ(all.columns.stored(), 16u);
        EXPECT_FALSE(all.columns.truncated());

        q.storedLimit = 15;
        const CountOutcome capped = counting::countColumns(q, nullptr, small);
        EXPECT_EQ(capped.found, 16u);
        EXPECT_EQ(capped.columns.size(), 16);
        EXPECT_EQ(capped.columns.stored(), 15u);
        EXPECT_TRUE(capped.columns.horses(15).empty());
        EXPECT_TRUE(capped.columns.column(15).empty());
        Columns first15 = storedColumns(all.columns);
        first15.pop_back();
        EXPECT_EQ(storedColumns(capped.columns), first15);
    }
}

TEST(Counting, TextsOfTheWindow) {
    // 25 of 1296 columns at the default price of a "ΣΚΟΡ" game.
    const CountRequest q =
        requestFor("ΣΚΟΡ 4", {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}},
                   {BasicCells{{"1,2,3,4,5", "1,2,3,4,5", "1", "1"}, "4", "4"}});
    const CountOutcome out = countColumns(q);
    EXPECT_EQ(out.found, 25u);
    EXPECT_DOUBLE_EQ(out.cost, 37.5);
    EXPECT_EQ(preparedInformationLine(q.game, out.full), "ΣΚΟΡ 4   ΠΛΗΡΕΣ : 1296");
    EXPECT_EQ(countedInformationLine(q.game, out, '.'),
              "ΣΚΟΡ 4   ΠΛΗΡΕΣ : 1296     ΜΕΤΡΗΣΑ : 25      ΚΟΣΤΟΣ :37.50");
    EXPECT_EQ(countedInformationLine(q.game, out, ','),
              "ΣΚΟΡ 4   ΠΛΗΡΕΣ : 1296     ΜΕΤΡΗΣΑ : 25      ΚΟΣΤΟΣ :37,50");
    EXPECT_EQ(foundLabelText(25), "Βρέθηκαν 25 στήλες.");
    EXPECT_EQ(progressLabelText(3000), "Έχουν βρεθεί 3000 στήλες.");
    EXPECT_EQ(previousCountingLabelText(std::nullopt), "");
    EXPECT_EQ(previousCountingLabelText(25), "Προηγούμενο μέτρημα :  25 στήλες");
    EXPECT_EQ(countingResultMessage("ΣΚΟΡ 4   ΠΛΗΡΕΣ : 16", 1.234, ','),
              "ΣΚΟΡ 4   ΠΛΗΡΕΣ : 16    XΡΟΝΟΣ : 1,23 δευτερόλεπτα ");

    // A "ΣΚΟΡ 9" of 20 horses a race is shown in full.
    EXPECT_EQ(preparedInformationLine("ΣΚΟΡ 9", 512000000000ull), "ΣΚΟΡ 9   ΠΛΗΡΕΣ : 512000000000");

    CurrentGame game;
    CountOutcome moved = out;
    storeCounting(game, std::move(moved));
    EXPECT_EQ(game.Sthles.size(), 25);
    EXPECT_EQ(game.OlaAloga.size(), 24u);
}

TEST(Counting, ConversionErrorsStopTheCountingWhereACellIsRead) {
    const BasicCells any{{"1", "", "", ""}, "0", "4"};
    struct Case {
        const char* name;
        std::vector<BasicCells> basics;
        std::string least, greatest;
        std::string groupCell;  // "ΑΠΟ" of the group row
        std::string error;      // empty: no error
        std::uint64_t found;
    } cases[] = {
        {"least sum read by a basic", {any}, "abc", "8", "1", "'abc' is not a valid integer value", 0},
        {"least sum unread without basics", {}, "abc", "8", "0", "", 16},
        {"greatest sum read once a sum reaches the least",
         {any},
         "4",
         "",
         "1",
         "'' is not a valid integer value",
         0},
        {"greatest sum unread when every sum is below the least", {any}, "9", "?", "1", "", 0},
        {"a group cell", {any}, "4", "8", "x", "'x' is not a valid integer value", 0},
    };
    for (const Case& c : cases) {
        CountRequest q = requestFor("ΣΚΟΡ 4", kTwoEach, c.basics);
        q.leastSum = c.least;
        q.greatestSum = c.greatest;
        q.groups.setCell(GroupTable::kFromColumn, 1, c.groupCell);
        if (c.error.empty()) {
            EXPECT_EQ(countColumns(q).found, c.found) << c.name;
            continue;
        }
        try {
            countColumns(q);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.what(), c.error) << c.name;
        }
    }
}

TEST(Counting, ProgressIsPublishedAndACancelStopsTheCounting) {
    Races races(6, std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8});
    CountRequest q =
        requestFor("ΣΚΟΡ 6", races, {BasicCells{{"1,2", "1,2", "1,2", "1,2", "1,2", "1,2"}, "0", "3"}});
    for (CountingPath path : {CountingPath::States, CountingPath::Exhaustive}) {
        SCOPED_TRACE(path == CountingPath::States ? "by states" : "exhaustive");
        q.path = path;
        CountProgress progress;
        const CountOutcome out = countColumns(q, &progress);
        EXPECT_EQ(out.path, path);
        EXPECT_EQ(out.candidates, 262144u);
        EXPECT_EQ(progress.candidates.load(), out.candidates);
        EXPECT_EQ(progress.found.load(), out.found);

        CountProgress stop;
        stop.cancel = true;
        const CountOutcome cancelled = countColumns(q, &stop);
        EXPECT_TRUE(cancelled.cancelled);
        EXPECT_TRUE(cancelled.columns.empty());
        EXPECT_EQ(cancelled.found, 0u);
        EXPECT_LT(stop.candidates.load(), out.candidates);
        if (path == CountingPath::States) {
            // What was accounted for before the stop is the first branch of the odometer (the columns
            // starting 1,1,1) and the accepted columns among them.
            EXPECT_EQ(stop.candidates.load(), 512u);
            std::uint64_t firstBranch = 0;
            for (const auto& column : storedColumns(out.columns)) {
                firstBranch += column[0] == 1 && column[1] == 1 && column[2] == 1 ? 1 : 0;
            }
            EXPECT_EQ(stop.found.load(), firstBranch);
        }
    }

    // A cancel from the window while the workers of the exhaustive walk run.
    CountRequest big = q;
    big.selection = makeSelection("ΣΚΟΡ 9", Races(9, std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    big.game = "ΣΚΟΡ 9";
    big.threads = 2;
    big.path = CountingPath::Exhaustive;
    CountProgress later;
    std::jthread canceller([&] {
        while (later.candidates.load() < 100000) {
            std::this_thread::yield();
        }
        later.cancel = true;
    });
    EXPECT_TRUE(countColumns(big, &later).cancelled);
}

// Counting by states takes the races games while their states stay within the bound; the exhaustive walk
// takes the rest, with the same result.
TEST(Counting, ThePathIsChosenByTheGameAndTheStateBound) {
    Races races(6, std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8});
    const std::vector<BasicCells> basics = {BasicCells{{"1,2", "1,2", "1,2", "1,2", "1,2", "1,2"}, "1", "3"},
                                            BasicCells{{"3", "4", "5", "6", "7", "8"}, "2", "6"}};
    CountRequest q = requestFor("ΣΚΟΡ 6", races, basics);
    q.leastSum = "20";
    q.greatestSum = "30";
    q.path = CountingPath::Exhaustive;
    const CountOutcome exhaustive = countColumns(q);
    EXPECT_EQ(exhaustive.path, CountingPath::Exhaustive);

    struct Case {
        const char* name;
        CountingPath path;
        std::uint64_t stateBound;
        CountingPath expected;
        bool withinBound;
    } cases[] = {
        {"automatic within the bound", CountingPath::Automatic, counting::kStateBound, CountingPath::States,
         true},
        {"automatic beyond the bound", CountingPath::Automatic, 50, CountingPath::Exhaustive, false},
        {"by states whatever the bound", CountingPath::States, 50, CountingPath::States, false},
    };
    for (const Case& c : cases) {
        q.path = c.path;
        counting::EngineOptions options;
        options.stateBound = c.stateBound;
        counting::StateReport report;
        const CountOutcome out = counting::countColumns(q, nullptr, options, &report);
        EXPECT_EQ(out.path, c.expected) << c.name;
        EXPECT_EQ(report.withinBound, c.withinBound) << c.name;
        EXPECT_GT(report.states, 0u) << c.name;
        EXPECT_EQ(out.found, exhaustive.found) << c.name;
        EXPECT_EQ(out.candidates, exhaustive.candidates) << c.name;
        EXPECT_EQ(storedColumns(out.columns), storedColumns(exhaustive.columns)) << c.name;
    }

    // Places games, and games of more basics than the state path takes, are walked.
    CountRequest places = requestFor("ΤΕΤΡΑΠΛΟ", Races(4, std::vector<int>{1, 2, 3, 4, 5}),
                                     {BasicCells{{"1", "2", "3", "4"}, "1", "4"}});
    places.path = CountingPath::States;
    EXPECT_EQ(countColumns(places).path, CountingPath::Exhaustive);
    std::vector<BasicCells> many(counting::kMaxStateBasics + 1, BasicCells{{"1", "", "", ""}, "0", "4"});
    CountRequest manyBasics = requestFor("ΣΚΟΡ 4", kTwoEach, many);
    manyBasics.path = CountingPath::States;
    const CountOutcome walked = countColumns(manyBasics);
    EXPECT_EQ(walked.path, CountingPath::Exhaustive);
    EXPECT_EQ(walked.found, 16u);
}

// A "ΣΚΟΡ 9" of 20 horses a race: 512 000 000 000 candidates, counted by states without walking them.
TEST(Counting, ByStatesAFullNineRaceSystemIsCountedWithoutWalkingIt) {
    const Races races(9, [] {
        std::vector<int> all;
        for (int h = 1; h <= 20; ++h) {
            all.push_back(h);
        }
        return all;
    }());
    // Without a basic every column is accepted; the first ones stored are the first in odometer order.
    CountRequest q = requestFor("ΣΚΟΡ 9", races);
    q.storedLimit = 3;
    CountOutcome out = countColumns(q);
    EXPECT_EQ(out.path, CountingPath::States);
    EXPECT_EQ(out.candidates, 512000000000u);
    EXPECT_EQ(out.found, 512000000000u);
    EXPECT_EQ(
        storedColumns(out.columns),
        (Columns{{1, 1, 1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1, 1, 2}, {1, 1, 1, 1, 1, 1, 1, 1, 3}}));

    // Horse 20 in at least eight races, and a sum of at least 175: the columns with eight 20s and a 15 or
    // more, and the nine 20s.
    q = requestFor("ΣΚΟΡ 9", races,
                   {BasicCells{{"20", "20", "20", "20", "20", "20", "20", "20", "20"}, "8", "9"}});
    q.leastSum = "175";
    out = countColumns(q);
    EXPECT_EQ(out.path, CountingPath::States);
    EXPECT_EQ(out.found, 9u * 5u + 1u);
    const Columns stored = storedColumns(out.columns);
    ASSERT_EQ(stored.size(), 46u);
    EXPECT_EQ(stored.front(), (std::vector<int>{15, 20, 20, 20, 20, 20, 20, 20, 20}));
    EXPECT_EQ(stored.back(), (std::vector<int>{20, 20, 20, 20, 20, 20, 20, 20, 20}));
    EXPECT_TRUE(std::is_sorted(stored.begin(), stored.end()));
}

}  // namespace
}  // namespace quintaro
