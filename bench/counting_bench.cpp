// Counting of columns on fixed game files (bench/games, described in its README):
//   (a) skor6_groups.sk6  "ΣΚΟΡ 6", 8 horses a race, 5 basics in 2 groups and a super-group
//   (b) skor9_ten.sk9     "ΣΚΟΡ 9", 10 horses a race (10^9 candidates), 6 basics
//   (c) edge_*            the small games of the counting's edge cases
// Each case reports candidates per second (wall time); the argument is the number of threads.

#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "core/game/counting.h"
#include "core/game/game_file.h"
#include "core/game/game_types.h"

namespace {

using namespace quintaro;

// The request a counting of the file makes, loaded as the game window loads it.
CountRequest requestFor(const std::string& name) {
    const std::filesystem::path path = std::filesystem::path(QUINTARO_BENCH_DIR) / "games" / name;
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
    return q;
}

// The single-threaded result of a file, against which every other run is compared.
const CountOutcome& reference(const std::string& name) {
    static std::map<std::string, CountOutcome> outcomes;
    auto it = outcomes.find(name);
    if (it == outcomes.end()) {
        CountRequest q = requestFor(name);
        q.threads = 1;
        it = outcomes.emplace(name, countColumns(q)).first;
    }
    return it->second;
}

bool sameColumns(const ColumnList& a, const ColumnList& b) {
    if (a.size() != b.size() || a.stored() != b.stored()) {
        return false;
    }
    for (std::size_t i = 0; i < a.stored(); ++i) {
        const auto x = a.horses(i), y = b.horses(i);
        if (!std::equal(x.begin(), x.end(), y.begin(), y.end())) {
            return false;
        }
    }
    return true;
}

void countFile(benchmark::State& state, const std::string& name) {
    CountRequest q = requestFor(name);
    q.threads = static_cast<unsigned>(state.range(0));
    std::uint64_t candidates = 0;
    CountOutcome last;
    for (auto _ : state) {
        last = countColumns(q);
        candidates += last.candidates;
    }
    if (state.range(0) != 1 && !sameColumns(last.columns, reference(name).columns)) {
        state.SkipWithError("the result differs from one thread's");
        return;
    }
    state.counters["candidates/s"] =
        benchmark::Counter(static_cast<double>(candidates), benchmark::Counter::kIsRate);
    state.counters["found"] = static_cast<double>(last.found);
}

void BM_A_Skor6Groups(benchmark::State& state) {
    countFile(state, "skor6_groups.sk6");
}
void BM_B_Skor9Ten(benchmark::State& state) {
    countFile(state, "skor9_ten.sk9");
}
void BM_C_EdgeGames(benchmark::State& state) {
    const char* names[] = {"edge_all16.sk4", "edge_ones.sk4", "edge_trikast.tri", "edge_sum10.sk4"};
    std::vector<CountRequest> requests;
    for (const char* n : names) {
        requests.push_back(requestFor(n));
        requests.back().threads = static_cast<unsigned>(state.range(0));
    }
    std::uint64_t candidates = 0;
    for (auto _ : state) {
        for (const CountRequest& q : requests) {
            candidates += countColumns(q).candidates;
        }
    }
    state.counters["candidates/s"] =
        benchmark::Counter(static_cast<double>(candidates), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_A_Skor6Groups)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_B_Skor9Ten)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_C_EdgeGames)->Arg(1)->UseRealTime()->Unit(benchmark::kMicrosecond);

}  // namespace
