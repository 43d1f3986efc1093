// Counting by states. Whether a candidate of a races game is accepted depends only on which tested basics
// hold and on whether its sum lies within the bounds; a basic holds by its number of hits. So the races are
// folded in one at a time over states: a set of hit counts (one count per basic that matters) and a sum.
// Counts that can no longer change the outcome are merged: a basic whose hits can no longer leave (or reach)
// its from .. to is decided, a set of hit counts whose decided basics already fix acceptance is merged with
// every other such set, and a sum whose completions all lie within (or all outside) the bounds is decided as
// well. For every state the number of accepted completions is computed once; found is then the sum over the
// first races' horses, and the stored columns are walked in odometer order through the branches that have
// an accepted completion.

#include <array>
#include <bit>
#include <unordered_map>

#include "core/game/counting_engine.h"

namespace quintaro::counting {
namespace {

// A basic's field in a set of hit counts: its hits so far (0 .. 13), or decided.
constexpr unsigned kFails = 14;
constexpr unsigned kHolds = 15;
constexpr int kMaxRaces = 13;  // hit counts fit below kFails

// The hit counts of the basics that matter, four bits each.
struct HitCounts {
    std::array<std::uint64_t, 2> words{};

    unsigned get(std::size_t t) const { return static_cast<unsigned>(words[t / 16] >> (4 * (t % 16))) & 15u; }
    void set(std::size_t t, unsigned value) {
        std::uint64_t& w = words[t / 16];
        const unsigned shift = 4 * (t % 16);
        w = (w & ~(std::uint64_t{15} << shift)) | (std::uint64_t{value} << shift);
    }
    std::uint64_t hash() const {
        std::uint64_t h = (words[0] ^ (words[1] * 0x9E3779B97F4A7C15ull)) * 0xBF58476D1CE4E5B9ull;
        return h ^ (h >> 31);
    }
    bool operator==(const HitCounts&) const = default;
};

// Finds a set of hit counts among those of a race, adding it when new (open addressing).
class HitCountIndex {
public:
    std::uint32_t findOrAdd(const HitCounts& key, std::vector<HitCounts>& keys) {
        if ((keys.size() + 1) * 2 > slots_.size()) {
            grow(keys);
        }
        for (std::size_t i = key.hash() & mask_;; i = (i + 1) & mask_) {
            const std::uint32_t at = slots_[i];
            if (at == kEmpty) {
                slots_[i] = static_cast<std::uint32_t>(keys.size());
                keys.push_back(key);
                return slots_[i];
            }
            if (keys[at] == key) {
                return at;
            }
        }
    }

private:
    static constexpr std::uint32_t kEmpty = ~std::uint32_t{0};

    void grow(const std::vector<HitCounts>& keys) {
        slots_.assign(std::max<std::size_t>(64, slots_.size() * 2), kEmpty);
        mask_ = slots_.size() - 1;
        for (std::size_t k = 0; k < keys.size(); ++k) {
            std::size_t i = keys[k].hash() & mask_;
            while (slots_[i] != kEmpty) {
                i = (i + 1) & mask_;
            }
            slots_[i] = static_cast<std::uint32_t>(k);
        }
    }

    std::vector<std::uint32_t> slots_;
    std::size_t mask_ = 0;
};

// The column sums before a race, merged where their outcome is decided: each exact sum whose completions
// may fall on either side of a bound is a slot of its own; the sums whose completions all lie within the
// bounds share one slot, those whose completions all lie outside another.
struct SumSlots {
    int least = 0;                         // the least sum of the races before
    std::vector<std::uint16_t> slotOfSum;  // [sum - least]
    std::vector<int> representative;       // a sum of each slot
    std::size_t count() const { return representative.size(); }
    std::size_t at(int sum) const { return slotOfSum[static_cast<std::size_t>(sum - least)]; }
};

// The horses of a race grouped by the basics that name them: horses that add the same hits.
struct RaceClasses {
    std::vector<std::uint32_t> signature;            // per class: bit t when basic t names its horses
    std::vector<std::vector<std::uint32_t>> horses;  // per class: the positions of its horses in the race
    std::vector<std::uint32_t> classOf;              // per position in the race
};

// The states before one race.
struct Level {
    std::vector<HitCounts> keys;      // kept for the last race only
    std::vector<std::uint32_t> next;  // [set * classes + class]: the set after the race (not for the last)
    SumSlots sums;
    std::vector<std::uint16_t> sumAfter;  // [slot * horses + position]: the slot after the race
    std::vector<std::uint64_t> accepted;  // [set * slots + slot]: accepted completions
    std::vector<std::uint8_t> done;       // per set: `accepted` is computed
    std::size_t sets = 0;
};

struct Cancelled {};

class StateCounter {
public:
    StateCounter(const CompiledCounting& c, CountProgress* progress) : c_(c), progress_(progress) {}

    // False when the game is not one the state path takes.
    bool prepare() {
        if (c_.places || c_.full == 0 || c_.races > kMaxRaces ||
            c_.basics.size() > static_cast<std::size_t>(kMaxStateBasics)) {
            return false;
        }
        races_ = static_cast<std::size_t>(c_.races);
        column_.assign(races_, 0);
        buildAcceptance();
        buildRaces();
        buildSums();
        return true;
    }

    // Folds the races in one at a time, keeping only the sets of hit counts that some column reaches.
    // False when `bounded` and the states grow beyond the bounds. Throws Cancelled.
    bool build(bool bounded, const EngineOptions& options, StateReport* report) {
        levels_.resize(races_);
        Level& first = levels_[0];
        first.keys.push_back(settle(HitCounts{}, 0, 0));
        first.sets = 1;
        std::uint64_t states = first.sums.count();
        std::uint64_t hitCounts = 1;
        bool within = true;
        const auto stop = [&] { return bounded && !within; };
        for (std::size_t r = 0; r + 1 < races_ && !stop(); ++r) {
            Level& from = levels_[r];
            Level& to = levels_[r + 1];
            const RaceClasses& race = classes_[r];
            const std::size_t classes = race.signature.size();
            HitCountIndex index;
            from.next.resize(from.sets * classes);
            for (std::size_t s = 0; s < from.sets && !stop(); ++s) {
                if ((s & 4095u) == 4095u) {
                    checkCancel();
                }
                for (std::size_t k = 0; k < classes; ++k) {
                    const std::size_t before = to.keys.size();
                    from.next[s * classes + k] =
                        index.findOrAdd(settle(from.keys[s], race.signature[k], r + 1), to.keys);
                    if (to.keys.size() != before) {
                        states += to.sums.count();
                        ++hitCounts;
                        within = within && states <= options.stateBound && hitCounts <= options.hitCountBound;
                    }
                }
            }
            to.sets = to.keys.size();
            from.keys = {};  // only the last race's sets are needed from here on
        }
        if (report) {
            report->states = states;
            report->hitCounts = hitCounts;
            report->withinBound = within;
        }
        if (stop()) {
            return false;
        }
        for (Level& level : levels_) {
            level.accepted.assign(level.sets * level.sums.count(), 0);
            level.done.assign(level.sets, 0);
        }
        return true;
    }

    // The accepted columns, accounted for in odometer order by branches of the first races' horses.
    // Throws Cancelled.
    std::uint64_t count() {
        const std::size_t top = std::min<std::size_t>(3, races_ - 1);
        std::uint64_t below = 1;  // the columns under one choice of the first `top` races' horses
        for (std::size_t r = top; r < races_; ++r) {
            below *= c_.horses[r].size();
        }
        std::uint64_t found = 0;
        forEachPrefix(top, [&](std::size_t set, int sum) {
            ensure(top, set);
            const Level& level = levels_[top];
            const std::uint64_t accepted = level.accepted[set * level.sums.count() + level.sums.at(sum)];
            found += accepted;
            if (progress_) {
                progress_->candidates.fetch_add(below, std::memory_order_relaxed);
                progress_->found.fetch_add(accepted, std::memory_order_relaxed);
                checkCancel();
            }
            return true;
        });
        return found;
    }

    // The first accepted columns in odometer order, into `columns` (as many as it keeps).
    void store(ColumnList& columns) {
        if (columns.storedLimit() == 0) {
            return;
        }
        const std::size_t top = std::min<std::size_t>(3, races_ - 1);
        forEachPrefix(top, [&](std::size_t set, int sum) {
            const Level& level = levels_[top];
            if (level.accepted[set * level.sums.count() + level.sums.at(sum)] != 0) {
                walk(top, set, sum, columns);
            }
            return columns.stored() < columns.storedLimit();
        });
    }

private:
    // Acceptance by which basics hold, and the basics it depends on.
    void buildAcceptance() {
        const std::size_t basics = c_.basics.size();
        std::vector<std::uint8_t> byMask(std::size_t{1} << basics);
        std::vector<int> satisfied(c_.groups.size()), superSatisfied(c_.supers.size());
        std::uint32_t outOfBounds = 0;
        for (std::size_t k = 0; k < basics; ++k) {
            outOfBounds |= std::uint32_t{c_.basics[k].holdsOutOfBounds} << k;
        }
        for (std::size_t mask = 0; mask < byMask.size(); ++mask) {
            byMask[mask] =
                c_.noBasics || c_.accepts([mask](std::size_t k) { return ((mask >> k) & 1u) != 0; },
                                          satisfied, superSatisfied);
        }
        acceptedOutOfBounds_ = byMask[outOfBounds];
        // A basic matters when turning it alone can change the outcome of a column within the bounds.
        for (std::size_t k = 0; k < basics; ++k) {
            const std::size_t bit = std::size_t{1} << k;
            for (std::size_t mask = 0; mask < byMask.size(); ++mask) {
                if ((mask & bit) == 0 && byMask[mask] != byMask[mask | bit]) {
                    tracked_.push_back(k);
                    break;
                }
            }
        }
        accepted_.resize(std::size_t{1} << tracked_.size());
        for (std::size_t m = 0; m < accepted_.size(); ++m) {
            std::size_t mask = 0;
            for (std::size_t t = 0; t < tracked_.size(); ++t) {
                mask |= ((m >> t) & 1u) << tracked_[t];
            }
            accepted_[m] = byMask[mask];
        }
        for (int a = 0; a < 2; ++a) {
            const auto it = std::find(accepted_.begin(), accepted_.end(), a);
            if (it != accepted_.end()) {
                const auto holds = static_cast<std::uint32_t>(it - accepted_.begin());
                for (std::size_t t = 0; t < tracked_.size(); ++t) {
                    merged_[a].set(t, ((holds >> t) & 1u) != 0 ? kHolds : kFails);
                }
            }
        }
    }

    // The horses of each race grouped by the tracked basics that name them, and what each basic can still
    // add from a race on.
    void buildRaces() {
        const std::size_t tracked = tracked_.size();
        classes_.resize(races_);
        leastAdded_.assign((races_ + 1) * tracked, 0);
        mostAdded_.assign((races_ + 1) * tracked, 0);
        for (std::size_t r = 0; r < races_; ++r) {
            RaceClasses& race = classes_[r];
            for (std::size_t j = 0; j < c_.horses[r].size(); ++j) {
                std::uint32_t signature = 0;
                for (std::size_t t = 0; t < tracked; ++t) {
                    signature |= std::uint32_t{c_.member[r][j][tracked_[t]]} << t;
                }
                const auto it = std::find(race.signature.begin(), race.signature.end(), signature);
                const auto k = static_cast<std::size_t>(it - race.signature.begin());
                if (it == race.signature.end()) {
                    race.signature.push_back(signature);
                    race.horses.emplace_back();
                }
                race.horses[k].push_back(static_cast<std::uint32_t>(j));
                race.classOf.push_back(static_cast<std::uint32_t>(k));
            }
        }
        for (std::size_t r = races_; r-- > 0;) {
            const RaceClasses& race = classes_[r];
            for (std::size_t t = 0; t < tracked; ++t) {
                bool all = true, any = false;
                for (std::uint32_t signature : race.signature) {
                    const bool names = ((signature >> t) & 1u) != 0;
                    all = all && names;
                    any = any || names;
                }
                leastAdded_[r * tracked + t] = leastAdded_[(r + 1) * tracked + t] + (all ? 1 : 0);
                mostAdded_[r * tracked + t] = mostAdded_[(r + 1) * tracked + t] + (any ? 1 : 0);
            }
        }
    }

    bool inBounds(int sum) const { return !c_.sumsApply || (c_.leastSum <= sum && sum <= c_.greatestSum); }

    // The sum slots before each race, and where each horse of the race takes them.
    void buildSums() {
        levels_.resize(races_);
        std::vector<int> least(races_ + 1, 0), most(races_ + 1, 0);
        for (std::size_t r = 0; r < races_; ++r) {
            const auto& h = c_.horses[r];
            least[r + 1] = least[r] + *std::min_element(h.begin(), h.end());
            most[r + 1] = most[r] + *std::max_element(h.begin(), h.end());
        }
        for (std::size_t r = 0; r < races_; ++r) {
            SumSlots& slots = levels_[r].sums;
            slots.least = least[r];
            const int leastRest = least[races_] - least[r];
            const int mostRest = most[races_] - most[r];
            constexpr std::uint16_t kNone = 0xFFFF;
            std::uint16_t within = kNone, outside = kNone;
            for (int sum = least[r]; sum <= most[r]; ++sum) {
                std::uint16_t* shared = nullptr;
                if (!c_.sumsApply || (inBounds(sum + leastRest) && inBounds(sum + mostRest))) {
                    shared = &within;
                } else if (sum + mostRest < c_.leastSum || sum + leastRest > c_.greatestSum) {
                    shared = &outside;
                }
                if (shared && *shared != kNone) {
                    slots.slotOfSum.push_back(*shared);
                    continue;
                }
                const auto slot = static_cast<std::uint16_t>(slots.representative.size());
                slots.representative.push_back(sum);
                slots.slotOfSum.push_back(slot);
                if (shared) {
                    *shared = slot;
                }
            }
        }
        for (std::size_t r = 0; r + 1 < races_; ++r) {
            Level& level = levels_[r];
            const auto& horses = c_.horses[r];
            for (int sum : level.sums.representative) {
                for (std::uint8_t h : horses) {
                    level.sumAfter.push_back(static_cast<std::uint16_t>(levels_[r + 1].sums.at(sum + h)));
                }
            }
        }
        // The last race: of each class, the horses that keep each slot's sum within the bounds.
        const Level& last = levels_[races_ - 1];
        const RaceClasses& race = classes_[races_ - 1];
        for (int sum : last.sums.representative) {
            for (const auto& horses : race.horses) {
                std::uint64_t in = 0;
                for (std::uint32_t j : horses) {
                    in += inBounds(sum + c_.horses[races_ - 1][j]) ? 1 : 0;
                }
                lastWithin_.push_back(in);
            }
        }
    }

    // The hit counts after adding the hits of `signature`, settled for the races from `race` on.
    HitCounts settle(const HitCounts& before, std::uint32_t signature, std::size_t race) {
        const std::size_t tracked = tracked_.size();
        HitCounts after;
        std::uint32_t open = 0, holds = 0;
        for (std::size_t t = 0; t < tracked; ++t) {
            unsigned v = before.get(t);
            if (v < kFails) {
                v += (signature >> t) & 1u;
                const CompiledBasic& b = c_.basics[tracked_[t]];
                const int least = static_cast<int>(v) + leastAdded_[race * tracked + t];
                const int most = static_cast<int>(v) + mostAdded_[race * tracked + t];
                if (b.from > b.to || most < b.from || least > b.to) {
                    v = kFails;
                } else if (least >= b.from && most <= b.to) {
                    v = kHolds;
                }
            }
            after.set(t, v);
            open |= std::uint32_t{v < kFails} << t;
            holds |= std::uint32_t{v == kHolds} << t;
        }
        const int decided = decidedAcceptance(open, holds);
        return decided < 0 ? after : merged_[decided];
    }

    // 0 or 1 when every outcome of the open basics gives that acceptance, else -1. Remembered per pattern.
    int decidedAcceptance(std::uint32_t open, std::uint32_t holds) {
        if (open == 0) {
            return accepted_[holds];
        }
        if (std::popcount(open) > 12) {
            return -1;
        }
        const std::uint64_t pattern = (std::uint64_t{open} << 32) | holds;
        const auto it = decided_.find(pattern);
        if (it != decided_.end()) {
            return it->second;
        }
        const int first = accepted_[holds];
        int result = first;
        for (std::uint32_t sub = open; sub != 0 && result >= 0; sub = (sub - 1) & open) {
            if (accepted_[holds | sub] != first) {
                result = -1;
            }
        }
        decided_.emplace(pattern, static_cast<std::int8_t>(result));
        return result;
    }

    // Acceptance of a column within the bounds whose last race adds `signature` to `before`.
    bool acceptedAfterLast(const HitCounts& before, std::uint32_t signature) const {
        std::uint32_t holds = 0;
        for (std::size_t t = 0; t < tracked_.size(); ++t) {
            unsigned v = before.get(t);
            bool h = v == kHolds;
            if (v < kFails) {
                v += (signature >> t) & 1u;
                const CompiledBasic& b = c_.basics[tracked_[t]];
                h = b.from <= static_cast<int>(v) && static_cast<int>(v) <= b.to;
            }
            holds |= std::uint32_t{h} << t;
        }
        return accepted_[holds] != 0;
    }

    // Computes the accepted completions of set `set` before race `race` for every sum slot.
    void ensure(std::size_t race, std::size_t set) {
        Level& level = levels_[race];
        if (level.done[set]) {
            return;
        }
        const RaceClasses& classes = classes_[race];
        const std::size_t slots = level.sums.count();
        std::uint64_t* out = level.accepted.data() + set * slots;
        if (race + 1 == races_) {
            const std::size_t n = classes.signature.size();
            for (std::size_t k = 0; k < n; ++k) {
                const std::uint64_t within = acceptedAfterLast(level.keys[set], classes.signature[k]) ? 1 : 0;
                const std::uint64_t size = classes.horses[k].size();
                for (std::size_t slot = 0; slot < slots; ++slot) {
                    const std::uint64_t in = lastWithin_[slot * n + k];
                    out[slot] += in * within + (size - in) * acceptedOutOfBounds_;
                }
            }
        } else {
            const Level& after = levels_[race + 1];
            const std::size_t n = classes.signature.size();
            const std::size_t horses = c_.horses[race].size();
            const std::size_t afterSlots = after.sums.count();
            for (std::size_t k = 0; k < n; ++k) {
                const std::uint32_t next = level.next[set * n + k];
                ensure(race + 1, next);
                const std::uint64_t* child = after.accepted.data() + std::size_t{next} * afterSlots;
                const auto& members = classes.horses[k];
                for (std::size_t slot = 0; slot < slots; ++slot) {
                    const std::uint16_t* to = level.sumAfter.data() + slot * horses;
                    std::uint64_t sum = 0;
                    for (std::uint32_t j : members) {
                        sum += child[to[j]];
                    }
                    out[slot] += sum;
                }
            }
        }
        level.done[set] = 1;
        if ((++computed_ & 4095u) == 0) {
            checkCancel();
        }
    }

    void checkCancel() const {
        if (progress_ && progress_->cancel.load(std::memory_order_relaxed)) {
            throw Cancelled{};
        }
    }

    // Calls visit(set, sum) for every choice of the first `top` races' horses, in odometer order, while it
    // returns true.
    template <typename Visit>
    void forEachPrefix(std::size_t top, Visit visit) {
        std::vector<std::size_t> digit(top, 0);
        std::vector<std::size_t> set(top + 1, 0);
        std::vector<int> sum(top + 1, 0);
        std::size_t from = 0;
        while (true) {
            for (std::size_t r = from; r < top; ++r) {
                const RaceClasses& race = classes_[r];
                const std::size_t n = race.signature.size();
                set[r + 1] = levels_[r].next[set[r] * n + race.classOf[digit[r]]];
                sum[r + 1] = sum[r] + c_.horses[r][digit[r]];
                column_[r] = c_.horses[r][digit[r]];
            }
            if (!visit(set[top], sum[top])) {
                return;
            }
            std::size_t r = top;
            while (r > 0 && ++digit[r - 1] == c_.horses[r - 1].size()) {
                digit[r - 1] = 0;
                --r;
            }
            if (r == 0) {
                return;
            }
            from = r - 1;
        }
    }

    // Stores the accepted columns under a state, in odometer order, while the list keeps columns.
    void walk(std::size_t race, std::size_t set, int sum, ColumnList& columns) {
        const Level& level = levels_[race];
        const RaceClasses& classes = classes_[race];
        const std::size_t n = classes.signature.size();
        const auto& horses = c_.horses[race];
        if (race + 1 == races_) {
            std::array<std::int8_t, 64> within{};
            within.fill(-1);
            for (std::size_t j = 0; j < horses.size() && columns.stored() < columns.storedLimit(); ++j) {
                bool accepted = acceptedOutOfBounds_;
                if (inBounds(sum + horses[j])) {
                    const std::uint32_t k = classes.classOf[j];
                    if (k >= within.size()) {
                        accepted = acceptedAfterLast(level.keys[set], classes.signature[k]);
                    } else {
                        if (within[k] < 0) {
                            within[k] = acceptedAfterLast(level.keys[set], classes.signature[k]) ? 1 : 0;
                        }
                        accepted = within[k] != 0;
                    }
                }
                if (accepted) {
                    column_[race] = horses[j];
                    columns.append(column_);
                }
            }
            return;
        }
        const Level& after = levels_[race + 1];
        for (std::size_t j = 0; j < horses.size() && columns.stored() < columns.storedLimit(); ++j) {
            const std::uint32_t next = level.next[set * n + classes.classOf[j]];
            const int total = sum + horses[j];
            if (after.accepted[std::size_t{next} * after.sums.count() + after.sums.at(total)] != 0) {
                column_[race] = horses[j];
                walk(race + 1, next, total, columns);
            }
        }
    }

    const CompiledCounting& c_;
    CountProgress* progress_;
    std::size_t races_ = 0;
    std::vector<std::size_t> tracked_;    // the tested basics that matter
    std::vector<std::uint8_t> accepted_;  // [which tracked basics hold]: accepted within the bounds
    bool acceptedOutOfBounds_ = false;    // a column out of the sum bounds is accepted
    std::array<HitCounts, 2> merged_{};   // the set of every state whose acceptance is decided as 0 or 1
    std::unordered_map<std::uint64_t, std::int8_t> decided_;
    std::vector<RaceClasses> classes_;
    std::vector<int> leastAdded_, mostAdded_;  // [race * tracked + t]: hits basic t surely / at most adds
    std::vector<std::uint64_t> lastWithin_;    // [slot * classes + class] of the last race
    std::vector<Level> levels_;
    std::vector<std::uint8_t> column_;
    std::uint64_t computed_ = 0;
};

}  // namespace

std::optional<CountOutcome> countByStates(const CompiledCounting& c, const CountRequest& request,
                                          CountProgress* progress, const EngineOptions& options, bool bounded,
                                          StateReport* report) {
    StateCounter counter(c, progress);
    if (!counter.prepare()) {
        return std::nullopt;
    }
    CountOutcome out;
    out.path = CountingPath::States;
    out.noBasics = c.noBasics;
    out.full = c.full;
    out.columns.reset(c.races, request.storedLimit);
    try {
        if (!counter.build(bounded, options, report)) {
            return std::nullopt;
        }
        const std::uint64_t found = counter.count();
        counter.store(out.columns);
        out.columns.addUnstored(static_cast<std::int64_t>(found - out.columns.stored()));
    } catch (const Cancelled&) {
        out.cancelled = true;
        out.columns.clear();
        return out;
    }
    out.candidates = c.full;
    out.found = static_cast<std::uint64_t>(out.columns.size());
    out.cost = static_cast<double>(out.found) * request.price;
    out.OlaAloga = c.olaAloga;
    out.KoursaAlogou = c.koursaAlogou;
    return out;
}

}  // namespace quintaro::counting
