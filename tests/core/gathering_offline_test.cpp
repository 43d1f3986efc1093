// The gathering of 100 000 counted columns against the literal scan. The scan is quadratic and takes
// minutes on these games, so the test is disabled in the suite; run it on its own with
//   core_tests --gtest_also_run_disabled_tests --gtest_filter='GatheringOffline.*'

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>

#include "core/game/counting.h"
#include "core/game/game_file.h"
#include "core/game/gathering.h"
#include "support/gathering_oracle.h"

namespace quintaro {
namespace {

// The kept columns of a game file's counting, as a list of their own (a counting beyond 100 000 keeps the
// first 100 000).
ColumnList keptColumns(const std::filesystem::path& path) {
    const GameType* type = findGameTypeByExtension(path.extension().string());
    LoadedGame game = tablesFromGameFile(readGameFile(path, type->races), type->name);
    rebuildGroupTable(game.selection, game.groups, game.superGroups);
    CountRequest q;
    q.game = std::string(type->name);
    q.selection = std::move(game.selection);
    q.leastSum = game.leastSum;
    q.greatestSum = game.greatestSum;
    q.groups = std::move(game.groups);
    q.superGroups = std::move(game.superGroups);
    q.price = 1;
    const CountOutcome outcome = countColumns(q);
    ColumnList kept;
    kept.reset(type->races);
    for (std::size_t i = 0; i < outcome.columns.stored(); ++i) {
        kept.append(outcome.columns.horses(i));
    }
    return kept;
}

void expectSameAsTheScan(const char* name, const ColumnList& counted) {
    ColumnList engine = counted;
    ColumnList oracle = counted;
    const CouponList fast = Mazema(engine);
    const CouponList literal = test::literalMazema(oracle);
    EXPECT_EQ(fast, literal) << name;
    std::printf("%s: %lld columns, %zu coupons, identical: %s\n", name,
                static_cast<long long>(counted.size()), fast.size(), fast == literal ? "yes" : "no");
}

TEST(GatheringOffline, DISABLED_OracleAgreesAt100000Columns) {
    const std::filesystem::path dir = std::filesystem::path(QUINTARO_FIXTURES_DIR) / "gathering";
    for (const char* name : {"skor6_100000.sk6", "skor6_over.sk6"}) {
        const ColumnList counted = keptColumns(dir / name);
        ASSERT_EQ(counted.size(), 100000) << name;
        expectSameAsTheScan(name, counted);
    }
    const std::filesystem::path bench = std::filesystem::path(QUINTARO_FIXTURES_DIR) / ".." / ".." / "bench";
    expectSameAsTheScan("skor6_groups.sk6", keptColumns(bench / "games" / "skor6_groups.sk6"));
}

// 40 % of a "ΣΚΟΡ 6" of 9 horses a race, drawn at random: many small coupons, long second stage.
TEST(GatheringOffline, DISABLED_OracleAgreesOnAFragmentedList) {
    std::mt19937 rng(6);
    ColumnList list;
    list.reset(6);
    std::vector<std::uint8_t> c(6, 1);
    while (list.size() < 100000) {
        if (rng() % 10 < 4) {
            list.append(c);
        }
        for (int r = 5; r >= 0 && ++c[static_cast<std::size_t>(r)] > 9; --r) {
            c[static_cast<std::size_t>(r)] = 1;
        }
    }
    expectSameAsTheScan("fragmented", list);
}

}  // namespace
}  // namespace quintaro
