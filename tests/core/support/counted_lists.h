#pragma once
// Counted column lists for tests: small hand-made ones, and random ones shaped like what a counting yields
// (a subset of the full system of random races, in odometer order, distinct columns).

#include <cstdint>
#include <random>
#include <vector>

#include "core/game/column_list.h"

namespace quintaro::test {

// A list holding exactly these columns, in this order.
ColumnList columnsOf(int races, const std::vector<std::vector<int>>& columns);

// Every column of the full system of these races, in odometer order (the last race varying fastest); a
// places game drops the columns that name one horse twice.
ColumnList fullSystem(const std::vector<std::vector<int>>& races, bool places = false);

struct RandomCountedList {
    std::vector<std::vector<int>> horses;  // the selected horses of each race, ascending
    bool places = false;
    ColumnList columns;
};

// A random game of `races` races with at most `maxFullSystem` candidate columns, narrowed the way basics
// narrow a system: either each column kept with some chance, or kept when its hits on one or two random
// basics lie within random bounds. Deterministic for a given generator state.
RandomCountedList randomCountedList(std::mt19937& rng, int races, std::int64_t maxFullSystem);

}  // namespace quintaro::test
