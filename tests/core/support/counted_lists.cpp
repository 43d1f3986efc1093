#include "support/counted_lists.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <set>

namespace quintaro::test {
namespace {

void odometer(const std::vector<std::vector<int>>& races, bool places,
              const std::function<void(const std::vector<std::uint8_t>&)>& visit) {
    const std::size_t R = races.size();
    std::vector<std::size_t> at(R, 0);
    std::vector<std::uint8_t> column(R);
    for (const auto& race : races) {
        if (race.empty()) {
            return;
        }
    }
    while (true) {
        for (std::size_t r = 0; r < R; ++r) {
            column[r] = static_cast<std::uint8_t>(races[r][at[r]]);
        }
        const bool repeats = places && std::set<std::uint8_t>(column.begin(), column.end()).size() != R;
        if (!repeats) {
            visit(column);
        }
        std::size_t r = R;
        while (r > 0) {
            --r;
            if (++at[r] < races[r].size()) {
                break;
            }
            at[r] = 0;
            if (r == 0) {
                return;
            }
        }
    }
}

}  // namespace

ColumnList columnsOf(int races, const std::vector<std::vector<int>>& columns) {
    ColumnList list;
    list.reset(races);
    for (const auto& c : columns) {
        std::vector<std::uint8_t> horses(c.begin(), c.end());
        list.append(horses);
    }
    return list;
}

ColumnList fullSystem(const std::vector<std::vector<int>>& races, bool places) {
    ColumnList list;
    list.reset(static_cast<int>(races.size()));
    odometer(races, places, [&](const std::vector<std::uint8_t>& c) { list.append(c); });
    return list;
}

RandomCountedList randomCountedList(std::mt19937& rng, int races, std::int64_t maxFullSystem) {
    RandomCountedList out;
    out.places = races == 3 || (races == 4 && rng() % 3 == 0);
    std::vector<int> all(20);
    std::iota(all.begin(), all.end(), 1);

    // Horses per race: about the races-th root of a full system between a quarter of the bound and the
    // bound, give or take one, while the full system stays within the bound.
    const double target =
        std::uniform_real_distribution<double>(0.25, 1.0)(rng) * static_cast<double>(maxFullSystem);
    const int typical = std::max(1, static_cast<int>(std::pow(target, 1.0 / races)));
    std::int64_t full = 1;
    for (int r = 0; r < races; ++r) {
        int count = std::clamp(typical - 1 + static_cast<int>(rng() % 3), 1, 20);
        while (count > 1 && full * count > maxFullSystem) {
            --count;
        }
        std::shuffle(all.begin(), all.end(), rng);
        std::vector<int> race(all.begin(), all.begin() + count);
        std::sort(race.begin(), race.end());
        out.horses.push_back(race);
        full *= count;
    }

    // A basic: a random part of each race's horses, with bounds on its hits.
    struct Basic {
        std::vector<std::set<int>> horses;
        int from, to;
    };
    auto randomBasic = [&]() {
        Basic b;
        for (const auto& race : out.horses) {
            std::set<int> part;
            for (int h : race) {
                if (rng() % 2 == 0) {
                    part.insert(h);
                }
            }
            b.horses.push_back(part);
        }
        b.from = static_cast<int>(rng() % static_cast<unsigned>(races));
        b.to = b.from + static_cast<int>(rng() % static_cast<unsigned>(races - b.from + 1));
        return b;
    };
    const unsigned mode = rng() % 3;
    std::vector<Basic> basics;
    if (mode != 0) {
        basics.push_back(randomBasic());
        if (mode == 2) {
            basics.push_back(randomBasic());
        }
    }
    const double keep = 0.3 + 0.65 * std::uniform_real_distribution<double>(0, 1)(rng);
    std::uniform_real_distribution<double> chance(0, 1);

    out.columns.reset(races);
    odometer(out.horses, out.places, [&](const std::vector<std::uint8_t>& c) {
        bool accepted = true;
        if (basics.empty()) {
            accepted = chance(rng) < keep;
        }
        for (const Basic& b : basics) {
            int hits = 0;
            for (std::size_t r = 0; r < c.size(); ++r) {
                hits += b.horses[r].count(c[r]) ? 1 : 0;
            }
            accepted = accepted && hits >= b.from && hits <= b.to;
        }
        if (accepted) {
            out.columns.append(c);
        }
    });
    return out;
}

}  // namespace quintaro::test
