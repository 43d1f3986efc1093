#pragma once
// Inside the counting engine: the cells of a counting compiled once into numbers, the exhaustive walk with
// its choice of test, and the counting by states. countColumns() picks the path; tests and benchmarks may
// name one.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/game/counting.h"

namespace quintaro::counting {

// Up to this many tested basics, the exhaustive walk looks acceptance up in a table indexed by which basics
// hold.
inline constexpr int kMaxTableBasics = 16;

// Counting by states takes games of at most this many tested basics (its acceptance table has 2^20 entries).
inline constexpr int kMaxStateBasics = 20;

// The state bound. A state is a set of hit counts (one count per basic that matters; counts that can no
// longer change the outcome merged) together with a column sum (sums whose outcome is already decided
// merged); it costs 8 bytes, its number of accepted completions. Automatic counting takes the state path
// while the states before the races number at most kStateBound (384 MiB) and their sets of hit counts at
// most kHitCountBound (each about 32 bytes and 4 more per group of horses that add the same hits: at most
// about 200 MiB), so that a counting stays well under 1 GiB; within it, counting takes a few seconds at
// most. Beyond it the exhaustive walk takes over; finding that out costs under a second.
inline constexpr std::uint64_t kStateBound = std::uint64_t{48} << 20;
inline constexpr std::uint64_t kHitCountBound = std::uint64_t{2} << 20;

// The exhaustive walk's test of a candidate.
enum class EnginePath {
    Automatic,  // the table when the tested basics allow it, else the general path
    General,    // hit counts per basic and the rules evaluated for each candidate
};

// One tested basic (non-empty basic column), in column order.
struct CompiledBasic {
    bool unreadable = false;  // its from, to or group is no integer: every candidate reaching it is rejected
    int from = 0;
    int to = 0;
    std::vector<int> groupRecords;  // the group records numbered as the basic's group
    int ownRecord = -1;             // the last of them, or -1
    // The limits of the basic's group row found by text (or those of the basic before when none matches).
    int groupTo = 0;
    bool groupNeedsAll = false;  // the row's "ΑΠΟ", "ΕΩΣ" and "ΟΡΟΙ" are equal
    bool holdsOutOfBounds =
        false;  // from <= -1 <= to: the basic holds for a column whose sum is out of bounds
    bool holds(int hits) const { return from <= hits && hits <= to; }
};

struct GroupRecord {
    int number = 0, from = 0, to = 0, superGroup = 0;
    int firstSuperRecord = -1;      // the first super-group record numbered as superGroup
    std::vector<int> superRecords;  // every super-group record numbered as superGroup
};

struct SuperGroupRecord {
    int number = 0, from = 0, to = 0, groups = 0;
    bool needsAll() const { return from == to && to == groups; }
};

struct CompiledCounting {
    int races = 0;
    bool places = false;
    bool noBasics = false;
    std::uint64_t full = 0;
    std::vector<std::vector<std::uint8_t>> horses;  // per race, in cell order
    std::vector<std::uint8_t> olaAloga, koursaAlogou;
    std::vector<CompiledBasic> basics;
    // member[race][position] holds, per tested basic, 1 when the basic names that horse in that race.
    std::vector<std::vector<std::vector<std::uint8_t>>> member;
    std::vector<GroupRecord> groups;
    std::vector<SuperGroupRecord> supers;
    bool sumsApply = false;  // some basic is tested, so the sum bounds are read
    int leastSum = 0;
    int greatestSum = 0;

    // The rules of one candidate, given which tested basics hold.
    template <typename Holds>
    bool accepts(Holds holds, std::vector<int>& satisfied, std::vector<int>& superSatisfied) const;
};

// Parses the cells. Throws ConversionError as countColumns documents.
CompiledCounting compile(const CountRequest& request);

struct EngineOptions {
    EnginePath path = EnginePath::Automatic;
    // Work is handed to the threads in chunks of about this many candidates (at most 64 chunks a thread).
    std::uint64_t candidatesPerChunk = std::uint64_t{1} << 18;
    // The state bound of CountingPath::Automatic (tests lower them to see the fall-back).
    std::uint64_t stateBound = kStateBound;
    std::uint64_t hitCountBound = kHitCountBound;
};

// Also reports how large the state path grew (0 when it was not tried).
struct StateReport {
    std::uint64_t states = 0;     // states (hit counts and sum) of all races
    std::uint64_t hitCounts = 0;  // sets of hit counts of all races
    bool withinBound = false;
};

CountOutcome countColumns(const CountRequest& request, CountProgress* progress, const EngineOptions& options,
                          StateReport* report = nullptr);

// The exhaustive walk over a compiled counting.
CountOutcome countExhaustively(CompiledCounting&& c, const CountRequest& request, CountProgress* progress,
                               const EngineOptions& options);

// Counting by states; nullopt when the game is not one the state path takes (a places game, more than
// kMaxStateBasics tested basics) or, with `bounded`, when its states exceed the options' bound. `report`
// receives the sizes reached.
std::optional<CountOutcome> countByStates(const CompiledCounting& c, const CountRequest& request,
                                          CountProgress* progress, const EngineOptions& options, bool bounded,
                                          StateReport* report);

template <typename Holds>
bool CompiledCounting::accepts(Holds holds, std::vector<int>& satisfied,
                               std::vector<int>& superSatisfied) const {
    std::fill(satisfied.begin(), satisfied.end(), 0);
    std::size_t last = 0;        // the group record credited last
    std::size_t superFound = 0;  // the super-group record found last (record 0 before any)
    auto superGroupNeedsAll = [&] {
        if (groups.empty()) {
            return false;
        }
        if (groups[last].firstSuperRecord >= 0) {
            superFound = static_cast<std::size_t>(groups[last].firstSuperRecord);
        }
        return !supers.empty() && supers[superFound].needsAll();
    };
    for (std::size_t k = 0; k < basics.size(); ++k) {
        const CompiledBasic& b = basics[k];
        if (b.unreadable) {
            return false;
        }
        if (holds(k)) {
            for (int i : b.groupRecords) {
                ++satisfied[static_cast<std::size_t>(i)];
            }
            if (b.ownRecord >= 0) {
                last = static_cast<std::size_t>(b.ownRecord);
            }
        } else if (b.groupNeedsAll && superGroupNeedsAll()) {
            return false;  // a group that needs all its basics, in a super-group that needs all its groups
        }
        if (b.ownRecord >= 0 && satisfied[static_cast<std::size_t>(b.ownRecord)] > b.groupTo) {
            return false;
        }
    }
    if (superGroupNeedsAll()) {
        for (std::size_t i = 0; i < groups.size(); ++i) {
            if (satisfied[i] < groups[i].from || satisfied[i] > groups[i].to) {
                return false;
            }
        }
    }
    // The super-group test: every super-group holds between its limits of groups that hold.
    std::fill(superSatisfied.begin(), superSatisfied.end(), 0);
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (groups[i].from <= satisfied[i] && satisfied[i] <= groups[i].to) {
            for (int j : groups[i].superRecords) {
                ++superSatisfied[static_cast<std::size_t>(j)];
            }
        }
    }
    for (std::size_t j = 0; j < supers.size(); ++j) {
        if (superSatisfied[j] < supers[j].from || superSatisfied[j] > supers[j].to) {
            return false;
        }
    }
    return true;
}

}  // namespace quintaro::counting
