// The gathering of 100 000 counted columns against the literal scan. The scan is quadratic and takes
// minutes on these games, so the test is disabled in the suite; run it on its own with
//   core_tests --gtest_also_run_disabled_tests --gtest_filter='GatheringOffline.*'

#include <gtest/gtest.h>

#include <filesystem>

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

TEST(GatheringOffline, DISABLED_OracleAgreesAt100000Columns) {
    const std::filesystem::path dir = std::filesystem::path(QUINTARO_FIXTURES_DIR) / "gathering";
    for (const char* name : {"skor6_100000.sk6", "skor6_over.sk6"}) {
        const ColumnList counted = keptColumns(dir / name);
        ASSERT_EQ(counted.size(), 100000) << name;
        ColumnList engine = counted;
        ColumnList oracle = counted;
        const CouponList fast = Mazema(engine);
        const CouponList literal = test::literalMazema(oracle);
        EXPECT_EQ(fast, literal) << name;
        std::printf("%s: %zu coupons, identical: %s\n", name, fast.size(), fast == literal ? "yes" : "no");
    }
}

}  // namespace
}  // namespace quintaro
