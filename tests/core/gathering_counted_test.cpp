// Gathering on the columns that the engine's counting finds for random games: the same coupons in the same
// order as the literal scan, every counted column in exactly one coupon.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/game/counting.h"
#include "core/game/gathering.h"
#include "core/text/horse_list.h"
#include "game_builders.h"
#include "support/gathering_oracle.h"

namespace quintaro {
namespace {

// A random game of the game window with one to three basics, counted as the game window counts it.
CountOutcome countRandomGame(std::mt19937& rng, const GameType& type, int maxPerRace, int maxBasics) {
    auto pick = [&](int from, int to) { return std::uniform_int_distribution<int>(from, to)(rng); };
    std::vector<int> pool(20);
    for (int h = 0; h < 20; ++h) {
        pool[static_cast<std::size_t>(h)] = h + 1;
    }
    std::vector<std::vector<int>> horses;
    for (int r = 0; r < type.races; ++r) {
        std::shuffle(pool.begin(), pool.end(), rng);
        std::vector<int> race(pool.begin(), pool.begin() + pick(1, maxPerRace));
        std::sort(race.begin(), race.end());
        horses.push_back(race);
    }
    std::vector<test::BasicCells> basics;
    const int count = pick(1, maxBasics);
    for (int b = 0; b < count; ++b) {
        test::BasicCells basic;
        for (const auto& race : horses) {
            std::vector<int> chosen;
            for (int h : race) {
                if (pick(0, 1) == 1) {
                    chosen.push_back(h);
                }
            }
            basic.cells.push_back(joinHorseList(chosen));
        }
        const int from = pick(0, type.races - 1);
        basic.from = std::to_string(from);
        basic.to = std::to_string(pick(from, type.races));
        basics.push_back(basic);
    }
    CountRequest q;
    q.game = std::string(type.name);
    q.selection = test::makeSelection(type.name, horses, basics);
    const auto bounds = q.selection.computeSumBounds();
    q.leastSum = std::to_string(bounds->least);
    q.greatestSum = std::to_string(bounds->greatest);
    rebuildGroupTable(q.selection, q.groups, q.superGroups);
    q.price = 1;
    return countColumns(q);
}

TEST(Gathering, AgreesWithTheScanOnCountedGames) {
    std::mt19937 rng(61);
    std::size_t largest = 0;
    for (int round = 0; round < 25; ++round) {
        const GameType& type = windowGameTypes()[static_cast<std::size_t>(round % 5)];
        // A few rounds of tens of thousands of columns, the rest small.
        const bool large = round >= 20 && type.races > 3;
        const int maxPerRace = type.races == 3   ? (large ? 20 : 12)
                               : type.races == 4 ? (large ? 18 : 8)
                               : type.races == 6 ? (large ? 8 : 4)
                                                 : (large ? 4 : 2);
        // Drawn again until it finds columns (large: between 10 000 and 30 000, for the scan's sake).
        CountOutcome counted;
        do {
            counted = countRandomGame(rng, type, maxPerRace, large ? 1 : 2);
        } while (counted.columns.empty() ||
                 (large && (counted.columns.stored() < 10000 || counted.columns.stored() > 30000)));
        ColumnList engine = counted.columns;
        ColumnList oracle = counted.columns;
        ASSERT_EQ(Mazema(engine), test::literalMazema(oracle))
            << "round " << round << ", " << type.name << ", " << counted.columns.size() << " columns";
        largest = std::max(largest, counted.columns.stored());
    }
    EXPECT_GT(largest, 10000u);
}

}  // namespace
}  // namespace quintaro
