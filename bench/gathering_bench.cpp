// Gathering 100 000 counted columns. Run from the release preset:
//   ./build/release/bin/quintaro_bench --benchmark_filter=Gathering
//   (a) skor6_100000.sk6  "ΣΚΟΡ 6" narrowed by a basic to exactly 100 000 columns
//   (b) skor6_over.sk6    "ΣΚΟΡ 6" narrowed to 101 000 columns; the program refuses to gather it, the
//                         benchmark gathers its first 100 000 as a list of their own
//   (c) skor6_groups.sk6  the counting benchmark's "ΣΚΟΡ 6" with groups, 87 726 columns
//   (d) a fragmented list: 40 % of a "ΣΚΟΡ 6" of 9 horses a race, drawn at random (many small coupons)
// The game files of (a) and (b) are in tests/fixtures/gathering, (c) in bench/games.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/game/gathering.h"
#include "support/gathering_games.h"

namespace {

using namespace quintaro;

std::filesystem::path fixture(const char* name) {
    return std::filesystem::path(QUINTARO_BENCH_DIR) / ".." / "tests" / "fixtures" / "gathering" / name;
}

void run(benchmark::State& state, const ColumnList& columns) {
    std::size_t coupons = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ColumnList list = columns;
        state.ResumeTiming();
        coupons = Mazema(list).size();
        benchmark::DoNotOptimize(coupons);
    }
    state.counters["columns"] = static_cast<double>(columns.size());
    state.counters["coupons"] = static_cast<double>(coupons);
}

void GatheringExactly100000(benchmark::State& state) {
    static const ColumnList columns = test::keptColumnsOfGameFile(fixture("skor6_100000.sk6"));
    run(state, columns);
}

void GatheringFirst100000Of101000(benchmark::State& state) {
    static const ColumnList columns = test::keptColumnsOfGameFile(fixture("skor6_over.sk6"));
    run(state, columns);
}

void GatheringSkor6Groups(benchmark::State& state) {
    static const ColumnList columns =
        test::keptColumnsOfGameFile(std::filesystem::path(QUINTARO_BENCH_DIR) / "games" / "skor6_groups.sk6");
    run(state, columns);
}

void GatheringFragmented(benchmark::State& state) {
    static const ColumnList columns = test::fragmentedSkor6Columns();
    run(state, columns);
}

BENCHMARK(GatheringExactly100000)->Unit(benchmark::kMillisecond);
BENCHMARK(GatheringFirst100000Of101000)->Unit(benchmark::kMillisecond);
BENCHMARK(GatheringSkor6Groups)->Unit(benchmark::kMillisecond);
BENCHMARK(GatheringFragmented)->Unit(benchmark::kMillisecond);

}  // namespace
