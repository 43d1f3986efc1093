#pragma once
// Inside the counting engine: the cells of a counting compiled once into numbers, and the choice of
// enumeration. countColumns() picks the path; tests and benchmarks may name one.

#include <cstdint>
#include <optional>
#include <vector>

#include "core/game/counting.h"

namespace quintaro::counting {

// Up to this many tested basics, acceptance is looked up in a table indexed by which basics hold.
inline constexpr int kMaxTableBasics = 16;

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
};

CountOutcome countColumns(const CountRequest& request, CountProgress* progress, const EngineOptions& options);

}  // namespace quintaro::counting
