#include "core/game/gathering.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "core/text/horse_list.h"

namespace quintaro {
namespace {

// The columns of one pass as symbols: row i holds `races` symbols, one per race. Two rows are equal in a
// race exactly when their symbols there are equal (a horse number, or the id of a horse list).
struct SymbolRows {
    std::size_t count = 0;
    int races = 0;
    std::vector<std::uint32_t> symbols;  // count * races

    std::uint32_t at(std::size_t row, int race) const {
        return symbols[row * static_cast<std::size_t>(races) + static_cast<std::size_t>(race)];
    }
};

// The gathered columns one pass makes, in the order of their templates. Group g's members are
// members[start[g] .. start[g + 1]), the template first, then the joiners in list order; freeRace[g] is the
// race in which they differ, or -1 for a template that took no partner.
struct Groups {
    std::vector<std::uint32_t> members;
    std::vector<std::uint32_t> start;
    std::vector<int> freeRace;

    std::size_t size() const { return freeRace.size(); }
    std::span<const std::uint32_t> of(std::size_t g) const {
        const std::size_t end = g + 1 < start.size() ? start[g + 1] : members.size();
        return std::span<const std::uint32_t>(members).subspan(start[g], end - start[g]);
    }
};

// For one race r: the rows sorted by their symbols in every other race, ties in list order, and the runs of
// equal rows ("groups": rows that differ at most in race r).
struct RaceGroups {
    std::vector<std::uint32_t> order;    // row indices
    std::vector<std::uint32_t> groupOf;  // row -> group
    std::vector<std::uint32_t> groupEnd;
    std::vector<std::uint32_t> cursor;  // first position of the group not yet known to be placed
};

int bitsFor(std::uint32_t maxSymbol) {
    return std::max(1, static_cast<int>(std::bit_width(maxSymbol)));
}

RaceGroups groupRowsLeavingOut(const SymbolRows& rows, int race, const std::vector<int>& bits) {
    const std::size_t n = rows.count;
    RaceGroups g;
    g.order.resize(n);
    std::iota(g.order.begin(), g.order.end(), 0u);

    int keyBits = 0;
    for (int r = 0; r < rows.races; ++r) {
        if (r != race) {
            keyBits += bits[static_cast<std::size_t>(r)];
        }
    }
    std::vector<std::uint64_t> key;
    if (keyBits <= 64) {
        // The other races packed into one number: one sort of (key, row) pairs.
        key.resize(n);
        for (std::size_t i = 0; i < n; ++i) {
            std::uint64_t k = 0;
            for (int r = 0; r < rows.races; ++r) {
                if (r != race) {
                    k = (k << bits[static_cast<std::size_t>(r)]) | rows.at(i, r);
                }
            }
            key[i] = k;
        }
        std::sort(g.order.begin(), g.order.end(), [&](std::uint32_t a, std::uint32_t b) {
            return key[a] != key[b] ? key[a] < key[b] : a < b;
        });
    } else {
        std::sort(g.order.begin(), g.order.end(), [&](std::uint32_t a, std::uint32_t b) {
            for (int r = 0; r < rows.races; ++r) {
                if (r != race && rows.at(a, r) != rows.at(b, r)) {
                    return rows.at(a, r) < rows.at(b, r);
                }
            }
            return a < b;
        });
    }

    auto sameGroup = [&](std::uint32_t a, std::uint32_t b) {
        if (!key.empty()) {
            return key[a] == key[b];
        }
        for (int r = 0; r < rows.races; ++r) {
            if (r != race && rows.at(a, r) != rows.at(b, r)) {
                return false;
            }
        }
        return true;
    };
    g.groupOf.resize(n);
    for (std::size_t pos = 0; pos < n; ++pos) {
        if (pos == 0 || !sameGroup(g.order[pos - 1], g.order[pos])) {
            if (pos != 0) {
                g.groupEnd.push_back(static_cast<std::uint32_t>(pos));
            }
            g.cursor.push_back(static_cast<std::uint32_t>(pos));
        }
        g.groupOf[g.order[pos]] = static_cast<std::uint32_t>(g.cursor.size() - 1);
    }
    if (n != 0) {
        g.groupEnd.push_back(static_cast<std::uint32_t>(n));
    }
    return g;
}

// One pass of the scan over distinct rows. A template's first partner in the scan is the first unplaced
// later row that differs from it in exactly one race; that race becomes free, and the joiners are then the
// unplaced later rows that differ from the template in the free race only: the rest of the template's
// group for that race. Every row before the template is already placed, so "later" needs no test.
Groups joinPass(const SymbolRows& rows) {
    const std::size_t n = rows.count;
    const int races = rows.races;
    std::vector<int> bits(static_cast<std::size_t>(races), 1);
    for (std::size_t i = 0; i < n; ++i) {
        for (int r = 0; r < races; ++r) {
            bits[static_cast<std::size_t>(r)] =
                std::max(bits[static_cast<std::size_t>(r)], bitsFor(rows.at(i, r)));
        }
    }
    std::vector<RaceGroups> byRace;
    byRace.reserve(static_cast<std::size_t>(races));
    for (int r = 0; r < races; ++r) {
        byRace.push_back(groupRowsLeavingOut(rows, r, bits));
    }

    std::vector<std::uint8_t> placed(n, 0);
    // The first unplaced row of a group, moving the group's cursor past the placed ones.
    auto firstUnplaced = [&](RaceGroups& g, std::uint32_t group) -> std::optional<std::uint32_t> {
        std::uint32_t& c = g.cursor[group];
        while (c < g.groupEnd[group] && placed[g.order[c]]) {
            ++c;
        }
        if (c < g.groupEnd[group]) {
            return g.order[c];
        }
        return std::nullopt;
    };

    Groups out;
    for (std::uint32_t i = 0; i < n; ++i) {
        if (placed[i]) {
            continue;
        }
        placed[i] = 1;
        out.start.push_back(static_cast<std::uint32_t>(out.members.size()));
        out.members.push_back(i);

        std::optional<std::uint32_t> partner;
        int freeRace = -1;
        for (int r = 0; r < races; ++r) {
            RaceGroups& g = byRace[static_cast<std::size_t>(r)];
            const auto candidate = firstUnplaced(g, g.groupOf[i]);
            if (candidate && (!partner || *candidate < *partner)) {
                partner = candidate;
                freeRace = r;
            }
        }
        out.freeRace.push_back(freeRace);
        if (freeRace < 0) {
            continue;
        }
        RaceGroups& g = byRace[static_cast<std::size_t>(freeRace)];
        const std::uint32_t group = g.groupOf[i];
        for (std::uint32_t c = g.cursor[group]; c < g.groupEnd[group]; ++c) {
            const std::uint32_t j = g.order[c];
            if (!placed[j]) {
                placed[j] = 1;
                out.members.push_back(j);
            }
        }
        g.cursor[group] = g.groupEnd[group];
    }
    return out;
}

// Gathered columns between the passes: per row and race a horse list held as its horse numbers, one byte
// each, in joining order. Two lists are equal as texts exactly when these byte strings are equal.
struct ListRows {
    std::size_t count = 0;
    int races = 0;
    std::vector<std::string> lists;  // count * races

    std::string& at(std::size_t row, int race) {
        return lists[row * static_cast<std::size_t>(races) + static_cast<std::size_t>(race)];
    }
    const std::string& at(std::size_t row, int race) const {
        return lists[row * static_cast<std::size_t>(races) + static_cast<std::size_t>(race)];
    }
};

// The lists of each race numbered by their text, for a pass's comparisons.
SymbolRows symbolsOf(const ListRows& lists) {
    SymbolRows rows;
    rows.count = lists.count;
    rows.races = lists.races;
    rows.symbols.resize(lists.count * static_cast<std::size_t>(lists.races));
    for (int r = 0; r < lists.races; ++r) {
        std::unordered_map<std::string_view, std::uint32_t> ids;
        ids.reserve(lists.count);
        for (std::size_t i = 0; i < lists.count; ++i) {
            const std::string& text = lists.at(i, r);
            const auto [it, added] = ids.emplace(text, static_cast<std::uint32_t>(ids.size()));
            rows.symbols[i * static_cast<std::size_t>(lists.races) + static_cast<std::size_t>(r)] =
                it->second;
        }
    }
    return rows;
}

// The pass's output: the template's lists, with the free race's list made of every member's list in turn.
ListRows joinLists(const ListRows& in, const Groups& groups) {
    ListRows out;
    out.count = groups.size();
    out.races = in.races;
    out.lists.resize(out.count * static_cast<std::size_t>(in.races));
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const auto members = groups.of(g);
        for (int r = 0; r < in.races; ++r) {
            if (r != groups.freeRace[g]) {
                out.at(g, r) = in.at(members[0], r);
                continue;
            }
            std::string& list = out.at(g, r);
            for (const std::uint32_t m : members) {
                list += in.at(m, r);
            }
        }
    }
    return out;
}

std::string listText(const std::string& horses) {
    return joinHorseList(
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(horses.data()), horses.size()));
}

}  // namespace

std::string gatheringRefusalText(std::int64_t found, std::size_t kept) {
    return "Το σύστημα έχει " + std::to_string(found) + " στήλες, περισσότερες από τις " +
           std::to_string(kept) +
           " που κρατούνται.\rΔεν γίνεται μάζεμα σε δελτία για μέρος μόνο του συστήματος.\r"
           "Περιορίστε πρώτα το σύστημα και μετρήστε ξανά.";
}

CouponList Mazema(ColumnList& Sthles) {
    if (Sthles.truncated()) {
        throw GatheringRefused(gatheringRefusalText(Sthles.size(), Sthles.stored()));
    }
    Sthles.clearMarks();
    const std::size_t n = Sthles.stored();
    const int races = Sthles.races();
    if (n == 0 || races <= 0) {
        return {};
    }

    // First stage, on the horses themselves.
    SymbolRows columns;
    columns.count = n;
    columns.races = races;
    columns.symbols.reserve(n * static_cast<std::size_t>(races));
    for (std::size_t i = 0; i < n; ++i) {
        for (const std::uint8_t h : Sthles.horses(i)) {
            columns.symbols.push_back(h);
        }
    }
    const Groups first = joinPass(columns);
    for (std::size_t i = 0; i < n; ++i) {
        Sthles.setMarked(i, true);
    }

    ListRows lists;
    lists.count = first.size();
    lists.races = races;
    lists.lists.resize(lists.count * static_cast<std::size_t>(races));
    for (std::size_t g = 0; g < first.size(); ++g) {
        const auto members = first.of(g);
        for (int r = 0; r < races; ++r) {
            std::string& list = lists.at(g, r);
            if (r == first.freeRace[g]) {
                for (const std::uint32_t m : members) {
                    list.push_back(static_cast<char>(columns.at(m, r)));
                }
            } else {
                list.push_back(static_cast<char>(columns.at(members[0], r)));
            }
        }
    }

    // Second stage: one pass per race but one. A pass that joins nothing leaves its input as it was, and
    // so would every further pass.
    for (int pass = 1; pass < races; ++pass) {
        const Groups groups = joinPass(symbolsOf(lists));
        if (groups.size() == lists.count) {
            break;
        }
        lists = joinLists(lists, groups);
    }

    CouponList coupons(lists.count, TsSthlh(static_cast<std::size_t>(races)));
    for (std::size_t c = 0; c < lists.count; ++c) {
        for (int r = 0; r < races; ++r) {
            coupons[c][static_cast<std::size_t>(r)] = listText(lists.at(c, r));
        }
    }
    return coupons;
}

std::optional<std::size_t> FindDeltio(const CouponList& coupons, std::span<const std::uint8_t> winning) {
    for (std::size_t c = 0; c < coupons.size(); ++c) {
        const TsSthlh& coupon = coupons[c];
        bool holds = coupon.size() == winning.size();
        for (std::size_t r = 0; holds && r < winning.size(); ++r) {
            holds = horseListContains(coupon[r], static_cast<int>(winning[r]));
        }
        if (holds) {
            return c + 1;
        }
    }
    return std::nullopt;
}

std::int64_t couponColumns(const TsSthlh& coupon) {
    std::int64_t product = coupon.empty() ? 0 : 1;
    for (const std::string& list : coupon) {
        product *= static_cast<std::int64_t>(splitHorseList(list).size());
    }
    return product;
}

}  // namespace quintaro
