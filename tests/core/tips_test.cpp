#include "core/shell/tips.h"

#include <gtest/gtest.h>

#include <set>

#include "core/text/utf8.h"

namespace quintaro::tips {
namespace {

TEST(Tips, SixteenTipsOfAtMost250Characters) {
    std::set<std::string_view> distinct;
    for (int n = 1; n <= kTipCount; ++n) {
        const std::string_view tip = tipText(n);
        EXPECT_LE(utf8::length(tip), 250u) << n;
        EXPECT_FALSE(tip.empty());
        distinct.insert(tip);
    }
    EXPECT_EQ(distinct.size(), 16u);
    EXPECT_EQ(utf8::length(tipText(3)), 250u);
    EXPECT_EQ(tipText(12), "Τα μεγάλα κέρδη τα δίνουν τα Αουτσάιντερς και όχι τα Φαβορί!");
    EXPECT_THROW(tipText(0), std::out_of_range);
    EXPECT_THROW(tipText(17), std::out_of_range);
}

TEST(Tips, PicksCoverEveryTipAndMayRepeat) {
    std::set<int> seen;
    bool repeated = false;
    int previous = 0;
    for (std::uint64_t seed = 0; seed < 2000; ++seed) {
        const int n = pickTip(seed);
        ASSERT_GE(n, 1);
        ASSERT_LE(n, kTipCount);
        repeated = repeated || n == previous;
        previous = n;
        seen.insert(n);
    }
    EXPECT_EQ(seen.size(), 16u);
    EXPECT_TRUE(repeated);
    EXPECT_EQ(pickTip(42), pickTip(42));
}

}  // namespace
}  // namespace quintaro::tips
