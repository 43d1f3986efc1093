#pragma once
// The TRIO calculation: every column of the selected numbers is visited in lexicographic order of positions,
// (1,2,3), (1,2,4), ..., (1,2,n), (1,3,4), ..., (n-2,n-1,n); the columns that pass the conditions are reduced
// to the guarantee. With a guarantee of a 3-hit every passing column is kept; with a 3- or 2-hit a passing
// column is kept only when it shares at most one number with every column kept before it (a greedy packing).
//
// The walk can be run in steps: one step examines one run of candidates sharing their first two positions and
// then looks at the stop flag, which is the only point where a stop takes effect. A stopped walk keeps
// nothing.

#include <cstdint>
#include <vector>

#include "core/trio/conditions.h"

namespace quintaro::trio {

inline constexpr int kColumnSize = 3;  // k: a TRIO system is developed in 3-number columns
inline constexpr int kHitSize = 3;     // h: the hit counted is a 3-hit

struct TrioResult {
    std::vector<Column> columns;  // in the order of acceptance
    bool stopped = false;         // the walk was stopped; columns is then empty
    std::int64_t candidates = 0;  // C(n, 3): every column of the selected numbers
    int selected = 0;             // n
};

class TrioWalk {
public:
    // numbers: the selected numbers, ascending; guarantee: 3 or 2.
    TrioWalk(std::vector<int> numbers, const Conditions& conditions, int guarantee);

    // Examines the next run of candidates sharing their first two positions, then ends the walk if the stop
    // flag is raised. Returns false once the walk has ended.
    bool step();

    // The stop button: the walk ends at its next check.
    void requestStop() { stop_ = true; }

    bool stopRaised() const { return stop_; }
    bool ended() const { return ended_; }
    std::int64_t visited() const { return visited_; }
    std::int64_t candidateCount() const { return candidates_; }
    int foundCount() const { return static_cast<int>(found_.size()); }

    // The result once the walk has ended (or at any point, as it stands): a raised stop flag empties it.
    TrioResult result() const;

private:
    void examine(const Column& values);
    bool accepts(const Column& values) const;

    std::vector<int> numbers_;
    ConditionFilter filter_;
    int guarantee_;
    std::int64_t candidates_;
    std::vector<Column> found_;
    std::int64_t visited_ = 0;
    int p1_ = 0;
    int p2_ = 1;
    bool stop_ = false;
    bool ended_ = false;
};

// The whole calculation in one go.
TrioResult calculateTrio(std::vector<int> numbers, const Conditions& conditions, int guarantee);

}  // namespace quintaro::trio
