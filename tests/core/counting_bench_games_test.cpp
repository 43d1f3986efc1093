// Counting by states against the exhaustive walk on the fixed games of the benchmarks (bench/games). The
// games of 20 horses a race have 512 000 000 000 candidates, too many to walk here: they are compared branch
// by branch (the first three races' horses fixed, 64 000 000 candidates), and their found is checked to be
// the sum of their branches' found.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/game/counting.h"
#include "core/game/game_file.h"
#include "core/game/game_file_count.h"
#include "core/game/game_types.h"

namespace quintaro {
namespace {

// The request a counting of the file makes, loaded as the game window loads it.
CountRequest benchRequest(const std::string& name) {
    const std::filesystem::path path = std::filesystem::path(QUINTARO_BENCH_GAMES_DIR) / name;
    CountRequest q = countRequestOfFile(path, *findGameTypeByExtension(path.extension().string()), 1);
    q.threads = 2;
    return q;
}

CountOutcome countBy(CountRequest q, CountingPath path) {
    q.path = path;
    CountOutcome out = countColumns(q);
    if (path != CountingPath::Automatic) {
        EXPECT_EQ(out.path, isPlacesGame(q.game) ? CountingPath::Exhaustive : path);
    }
    return out;
}

std::vector<std::vector<std::uint8_t>> stored(const ColumnList& columns) {
    std::vector<std::vector<std::uint8_t>> out;
    for (std::size_t i = 0; i < columns.stored(); ++i) {
        const auto h = columns.horses(i);
        out.emplace_back(h.begin(), h.end());
    }
    return out;
}

void expectSame(const CountOutcome& actual, const CountOutcome& expected) {
    EXPECT_EQ(actual.full, expected.full);
    EXPECT_EQ(actual.candidates, expected.candidates);
    EXPECT_EQ(actual.found, expected.found);
    EXPECT_EQ(actual.columns.size(), expected.columns.size());
    EXPECT_TRUE(stored(actual.columns) == stored(expected.columns));
}

// The game with the first races' horses fixed: the branch of the odometer under those horses.
CountRequest branch(CountRequest q, const std::vector<int>& horses) {
    for (std::size_t r = 0; r < horses.size(); ++r) {
        q.selection.setCell(SelectionTable::kHorsesColumn, static_cast<int>(r) + 1,
                            std::to_string(horses[r]));
    }
    return q;
}

TEST(CountingBenchGames, StatesAgreeWithTheExhaustiveWalk) {
    struct Case {
        const char* file;
        std::uint64_t found;
    } cases[] = {{"edge_all16.sk4", 16},  {"edge_ones.sk4", 1},        {"edge_sum10.sk4", 0},
                 {"edge_trikast.tri", 6}, {"skor6_groups.sk6", 87726}, {"skor9_ten.sk9", 417482366}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const CountRequest q = benchRequest(c.file);
        const CountOutcome byStates = countBy(q, CountingPath::States);
        EXPECT_EQ(byStates.found, c.found);
        expectSame(byStates, countBy(q, CountingPath::Exhaustive));
    }
}

TEST(CountingBenchGames, TwentyHorseGamesAgreeBranchByBranch) {
    struct Case {
        const char* file;
        std::uint64_t found;
    } cases[] = {{"skor9_twenty.sk9", 60247560386}, {"skor9_three_groups.sk9", 55661662679}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const CountRequest q = benchRequest(c.file);
        const CountOutcome whole = countBy(q, CountingPath::Automatic);
        EXPECT_EQ(whole.path, CountingPath::States);
        EXPECT_EQ(whole.candidates, 512000000000u);
        EXPECT_EQ(whole.found, c.found);
        ASSERT_EQ(whole.columns.stored(), ColumnList::kDefaultStoredLimit);

        // The first 100 000 accepted columns lie in the first branch: the exhaustive walk of that branch
        // stores the same ones.
        const CountOutcome first = countBy(branch(q, {1, 1, 1}), CountingPath::Exhaustive);
        ASSERT_GE(first.found, ColumnList::kDefaultStoredLimit);
        EXPECT_TRUE(stored(whole.columns) == stored(first.columns));

        for (const std::vector<int>& horses :
             {std::vector<int>{1, 1, 1}, {20, 20, 20}, {7, 13, 2}, {4, 5, 6}}) {
            const CountRequest part = branch(q, horses);
            SCOPED_TRACE(::testing::Message()
                         << "branch " << horses[0] << "," << horses[1] << "," << horses[2]);
            expectSame(countBy(part, CountingPath::States), countBy(part, CountingPath::Exhaustive));
        }

        // The found of the whole game is the sum of its branches under the first race's horses.
        std::uint64_t sum = 0;
        for (int horse = 1; horse <= 20; ++horse) {
            sum += countBy(branch(q, {horse}), CountingPath::States).found;
        }
        EXPECT_EQ(sum, whole.found);
    }
}

}  // namespace
}  // namespace quintaro
