// Gathering 100 000 counted columns of a "ΣΚΟΡ 6" system narrowed by basics, and of a fragmented one.
// Run from the release preset: ./build/release/bin/quintaro_bench --benchmark_filter=Gathering

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "core/game/column_list.h"
#include "core/game/gathering.h"

namespace {

using quintaro::ColumnList;

// The first 100 000 columns, in odometer order, of a "ΣΚΟΡ 6" of eight horses a race that pass `keep`.
template <typename Keep>
ColumnList narrowedSkor6(Keep keep) {
    ColumnList list;
    list.reset(6);
    std::vector<std::uint8_t> c(6);
    for (int a = 1; a <= 8 && list.size() < 100000; ++a) {
        for (int b = 1; b <= 8; ++b) {
            for (int d = 1; d <= 8; ++d) {
                for (int e = 1; e <= 8; ++e) {
                    for (int f = 1; f <= 8; ++f) {
                        for (int g = 1; g <= 8 && list.size() < 100000; ++g) {
                            c = {std::uint8_t(a), std::uint8_t(b), std::uint8_t(d),
                                 std::uint8_t(e), std::uint8_t(f), std::uint8_t(g)};
                            if (keep(c)) {
                                list.append(c);
                            }
                        }
                    }
                }
            }
        }
    }
    return list;
}

// Hits of a basic that names the horses 1..4 of every race (odd horses when `odd`).
int hits(const std::vector<std::uint8_t>& c, bool odd) {
    int n = 0;
    for (std::uint8_t h : c) {
        n += odd ? (h % 2 == 1) : (h <= 4);
    }
    return n;
}

void run(benchmark::State& state, const ColumnList& counted) {
    std::size_t coupons = 0;
    for (auto _ : state) {
        ColumnList columns = counted;
        coupons = quintaro::Mazema(columns).size();
        benchmark::DoNotOptimize(coupons);
    }
    state.counters["columns"] = static_cast<double>(counted.size());
    state.counters["coupons"] = static_cast<double>(coupons);
}

void GatheringOneBasic(benchmark::State& state) {
    static const ColumnList counted = narrowedSkor6([](const auto& c) {
        const int h = hits(c, false);
        return h >= 2 && h <= 4;
    });
    run(state, counted);
}

void GatheringTwoBasics(benchmark::State& state) {
    static const ColumnList counted = narrowedSkor6([](const auto& c) {
        const int h = hits(c, false);
        const int k = hits(c, true);
        return h >= 2 && h <= 4 && k >= 1 && k <= 4;
    });
    run(state, counted);
}

void GatheringFragmented(benchmark::State& state) {
    static const ColumnList counted = [] {
        std::mt19937 rng(6);
        return narrowedSkor6([&](const auto&) { return rng() % 10 < 4; });
    }();
    run(state, counted);
}

BENCHMARK(GatheringOneBasic)->Unit(benchmark::kMillisecond);
BENCHMARK(GatheringTwoBasics)->Unit(benchmark::kMillisecond);
BENCHMARK(GatheringFragmented)->Unit(benchmark::kMillisecond);

}  // namespace
