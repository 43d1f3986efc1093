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
#include <random>
#include <vector>

#include "core/game/counting.h"
#include "core/game/game_file.h"
#include "core/game/gathering.h"

namespace {

using namespace quintaro;

// The kept columns of a game file's counting, as a list of their own.
ColumnList counted(const std::filesystem::path& path) {
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
    static const ColumnList columns = counted(fixture("skor6_100000.sk6"));
    run(state, columns);
}

void GatheringFirst100000Of101000(benchmark::State& state) {
    static const ColumnList columns = counted(fixture("skor6_over.sk6"));
    run(state, columns);
}

void GatheringSkor6Groups(benchmark::State& state) {
    static const ColumnList columns =
        counted(std::filesystem::path(QUINTARO_BENCH_DIR) / "games" / "skor6_groups.sk6");
    run(state, columns);
}

void GatheringFragmented(benchmark::State& state) {
    static const ColumnList columns = [] {
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
    }();
    run(state, columns);
}

BENCHMARK(GatheringExactly100000)->Unit(benchmark::kMillisecond);
BENCHMARK(GatheringFirst100000Of101000)->Unit(benchmark::kMillisecond);
BENCHMARK(GatheringSkor6Groups)->Unit(benchmark::kMillisecond);
BENCHMARK(GatheringFragmented)->Unit(benchmark::kMillisecond);

}  // namespace
