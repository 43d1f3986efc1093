#pragma once
// The large column lists the gathering is measured on (bench/gathering_bench.cpp) and checked against the
// scan on (gathering_offline_test.cpp). Header-only: the benchmarks build it without the test support.

#include <cstdint>
#include <filesystem>
#include <random>
#include <vector>

#include "core/game/column_list.h"
#include "core/game/game_file_count.h"
#include "core/game/game_types.h"

namespace quintaro::test {

// The columns a counting of the game file keeps, as a list of their own (a counting beyond 100 000 keeps
// the first 100 000).
inline ColumnList keptColumnsOfGameFile(const std::filesystem::path& path) {
    const GameType* type = findGameTypeByExtension(path.extension().string());
    const CountOutcome outcome = countGameFile(path, *type, 1);
    ColumnList kept;
    kept.reset(type->races);
    for (std::size_t i = 0; i < outcome.columns.stored(); ++i) {
        kept.append(outcome.columns.horses(i));
    }
    return kept;
}

// 100 000 columns of a "ΣΚΟΡ 6" of 9 horses a race, each column of the full system kept with a chance of
// 40 % (a fixed seed): many small coupons and a long second stage of the gathering.
inline ColumnList fragmentedSkor6Columns() {
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
    return list;
}

}  // namespace quintaro::test
