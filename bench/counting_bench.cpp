// Counting of columns on fixed game files (bench/games, described in its README; make_bench_games writes
// them):
//   (a) skor6_groups.sk6        "ΣΚΟΡ 6", 8 horses a race, 5 basics in 2 groups and a super-group
//   (b) skor9_ten.sk9           "ΣΚΟΡ 9", 10 horses a race (10^9 candidates), 6 basics
//   (c) skor9_twenty.sk9        "ΣΚΟΡ 9", 20 horses a race (512 * 10^9 candidates), 6 basics in 2 groups and
//                               a super-group that needs both
//   (d) skor9_three_groups.sk9  the same with 10 basics in 3 groups and 2 super-groups
//   (e) edge_*                  the small games of the counting's edge cases
// Each game is counted by states and by the exhaustive walk (argument: threads). The exhaustive walk of (c)
// and (d) would take most of an hour: it is timed on one branch, the first three races' horses fixed (1/8000
// of the game). Each case reports candidates per second (wall time); the state path also its states.

#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "core/game/counting_engine.h"
#include "core/game/game_file.h"
#include "core/game/game_file_count.h"
#include "core/game/game_types.h"

namespace {

using namespace quintaro;

// The request a counting of the file makes, loaded as the game window loads it.
CountRequest requestFor(const std::string& name) {
    const std::filesystem::path path = std::filesystem::path(QUINTARO_BENCH_DIR) / "games" / name;
    return countRequestOfFile(path, *findGameTypeByExtension(path.extension().string()), 1);
}

// The first branch of the odometer: the first three races' horses fixed to their first horse.
CountRequest firstBranch(CountRequest q) {
    for (int r = 1; r <= 3; ++r) {
        q.selection.setCell(SelectionTable::kHorsesColumn, r,
                            std::to_string(q.selection.selectedHorses(r)[0]));
    }
    return q;
}

// The single-threaded exhaustive result of a request, against which every other run is compared.
const CountOutcome& reference(const std::string& key, const CountRequest& request) {
    static std::map<std::string, CountOutcome> outcomes;
    auto it = outcomes.find(key);
    if (it == outcomes.end()) {
        CountRequest q = request;
        q.threads = 1;
        q.path = CountingPath::Exhaustive;
        it = outcomes.emplace(key, countColumns(q)).first;
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

// Counts `q` by `path`; `key` names it for the comparison with the single-threaded exhaustive walk (empty:
// not compared, the walk being too long).
void count(benchmark::State& state, CountRequest q, CountingPath path, const std::string& key) {
    q.path = path;
    q.threads = path == CountingPath::Exhaustive ? static_cast<unsigned>(state.range(0)) : 0;
    std::uint64_t candidates = 0;
    CountOutcome last;
    counting::StateReport report;
    for (auto _ : state) {
        last = counting::countColumns(q, nullptr, {}, &report);
        candidates += last.candidates;
    }
    if (last.path != path) {
        state.SkipWithError("counted by another path");
        return;
    }
    if (!key.empty() && (path != CountingPath::Exhaustive || q.threads != 1) &&
        !sameColumns(last.columns, reference(key, q).columns)) {
        state.SkipWithError("the result differs from the single-threaded exhaustive walk's");
        return;
    }
    state.counters["candidates/s"] =
        benchmark::Counter(static_cast<double>(candidates), benchmark::Counter::kIsRate);
    state.counters["found"] = static_cast<double>(last.found);
    if (path == CountingPath::States) {
        state.counters["states"] = static_cast<double>(report.states);
    }
}

void BM_A_Skor6Groups_Exhaustive(benchmark::State& state) {
    count(state, requestFor("skor6_groups.sk6"), CountingPath::Exhaustive, "a");
}
void BM_A_Skor6Groups_States(benchmark::State& state) {
    count(state, requestFor("skor6_groups.sk6"), CountingPath::States, "a");
}
void BM_B_Skor9Ten_Exhaustive(benchmark::State& state) {
    count(state, requestFor("skor9_ten.sk9"), CountingPath::Exhaustive, "b");
}
void BM_B_Skor9Ten_States(benchmark::State& state) {
    count(state, requestFor("skor9_ten.sk9"), CountingPath::States, "b");
}
void BM_C_Skor9Twenty_States(benchmark::State& state) {
    count(state, requestFor("skor9_twenty.sk9"), CountingPath::States, "");
}
void BM_C_Skor9Twenty_ExhaustiveFirstBranch(benchmark::State& state) {
    count(state, firstBranch(requestFor("skor9_twenty.sk9")), CountingPath::Exhaustive, "c branch");
}
void BM_D_Skor9ThreeGroups_States(benchmark::State& state) {
    count(state, requestFor("skor9_three_groups.sk9"), CountingPath::States, "");
}
void BM_D_Skor9ThreeGroups_ExhaustiveFirstBranch(benchmark::State& state) {
    count(state, firstBranch(requestFor("skor9_three_groups.sk9")), CountingPath::Exhaustive, "d branch");
}
void BM_E_EdgeGames(benchmark::State& state) {
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

BENCHMARK(BM_A_Skor6Groups_Exhaustive)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_A_Skor6Groups_States)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_B_Skor9Ten_Exhaustive)
    ->Arg(1)
    ->Arg(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_B_Skor9Ten_States)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_C_Skor9Twenty_States)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_C_Skor9Twenty_ExhaustiveFirstBranch)
    ->Arg(1)
    ->Arg(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_D_Skor9ThreeGroups_States)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_D_Skor9ThreeGroups_ExhaustiveFirstBranch)
    ->Arg(1)
    ->Arg(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_E_EdgeGames)->Arg(1)->UseRealTime()->Unit(benchmark::kMicrosecond);

}  // namespace
