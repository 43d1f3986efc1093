#pragma once
// The reference counting: a plain reading of the counting rules, written to be obviously faithful rather than
// fast. It parses the cells for every candidate. The engine must agree with it exactly.

#include <cstdint>
#include <vector>

#include "core/game/counting.h"

namespace quintaro::test {

struct OracleResult {
    std::uint64_t full = 0;
    std::uint64_t candidates = 0;
    std::uint64_t found = 0;
    bool noBasics = false;
    std::vector<std::uint8_t> olaAloga;
    std::vector<std::uint8_t> koursaAlogou;
    std::vector<std::vector<std::uint8_t>> stored;  // the first storedLimit accepted columns
};

// Throws ConversionError where the counting stops with the conversion message.
OracleResult oracleCount(const CountRequest& request);

}  // namespace quintaro::test
