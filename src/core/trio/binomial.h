#pragma once
// The binomial coefficient C(a, b) with which the TRIO window counts its systems: the product of the b
// factors a, a - 1, ..., a - b + 1 divided by b!, both in extended floating point, rounded to the nearest
// integer with ties going to the even one. C(a, 0) = 1; for 0 <= a < b one factor is 0, so C(a, b) = 0.

#include <cstdint>

namespace quintaro::trio {

std::int64_t binomial(int a, int b);

// Rounds to the nearest integer, a tie going to the even integer (as every rounding of this window does).
std::int64_t roundHalfEven(long double value);

}  // namespace quintaro::trio
