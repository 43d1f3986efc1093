#include "core/trio/binomial.h"

#include <cmath>

namespace quintaro::trio {

std::int64_t roundHalfEven(long double value) {
    const long double down = std::floor(value);
    const long double fraction = value - down;
    long double result = down;
    if (fraction > 0.5L) {
        result = down + 1;
    } else if (fraction == 0.5L) {
        result = std::fmod(down, 2.0L) == 0 ? down : down + 1;
    }
    return static_cast<std::int64_t>(result);
}

std::int64_t binomial(int a, int b) {
    long double product = 1.0L;
    long double factorial = 1.0L;
    for (int i = 0; i < b; ++i) {
        product *= static_cast<long double>(a - i);
        factorial *= static_cast<long double>(i + 1);
    }
    return roundHalfEven(product / factorial);
}

}  // namespace quintaro::trio
