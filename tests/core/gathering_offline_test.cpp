// The gathering of 100 000 counted columns against the literal scan. The scan is quadratic and takes
// minutes on these games, so the test is disabled in the suite; run it on its own with
//   core_tests --gtest_also_run_disabled_tests --gtest_filter='GatheringOffline.*'

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "core/game/gathering.h"
#include "support/gathering_games.h"
#include "support/gathering_oracle.h"

namespace quintaro {
namespace {

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
        const ColumnList counted = test::keptColumnsOfGameFile(dir / name);
        ASSERT_EQ(counted.size(), 100000) << name;
        expectSameAsTheScan(name, counted);
    }
    const std::filesystem::path bench = std::filesystem::path(QUINTARO_FIXTURES_DIR) / ".." / ".." / "bench";
    expectSameAsTheScan("skor6_groups.sk6",
                        test::keptColumnsOfGameFile(bench / "games" / "skor6_groups.sk6"));
}

// 40 % of a "ΣΚΟΡ 6" of 9 horses a race, drawn at random: many small coupons, long second stage.
TEST(GatheringOffline, DISABLED_OracleAgreesOnAFragmentedList) {
    expectSameAsTheScan("fragmented", test::fragmentedSkor6Columns());
}

}  // namespace
}  // namespace quintaro
