#pragma once
// The start-up tips: sixteen short hints on using the program, one shown at a time in the tips dialog.

#include <cstdint>
#include <string_view>

namespace quintaro::tips {

inline constexpr int kTipCount = 16;

// The tip with this number, 1 to 16.
std::string_view tipText(int number);

// A tip number drawn uniformly from 1 to 16 by a generator seeded with the given seed (the dialog seeds it
// from the clock at every pick, so successive picks may show the same tip again).
int pickTip(std::uint64_t seed);

}  // namespace quintaro::tips
