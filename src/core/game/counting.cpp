// The enumeration of a counting. The candidates are walked in odometer order; the races before the last one
// form a prefix whose hit counts are kept per race level, so a step of the odometer only adds the new horse's
// hits. The prefixes are cut into chunks that worker threads take in order; the chunks' results are merged
// in chunk order, so the columns come out exactly as one thread finds them.

#include <algorithm>
#include <bit>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

#include "core/game/counting_engine.h"

namespace quintaro::counting {

namespace {

constexpr std::uint64_t kProgressStep = 1000;
constexpr std::size_t kMaxRememberedBasics = 8;  // 4^8 remembered masks a thread
constexpr std::uint64_t kUnknown = ~std::uint64_t{0};

struct ChunkResult {
    bool done = false;
    std::uint64_t candidates = 0;
    std::uint64_t found = 0;
    std::vector<std::uint8_t> columns;  // the first stored ones, races bytes each
};

// The data of the table path: hit counts packed four bits a basic, and acceptance by which basics hold.
struct TableData {
    // [race][position]: 1 << 4k when basic k names the horse.
    std::vector<std::vector<std::uint64_t>> packed;
    // [position]: bit k when basic k names that horse of the last race.
    std::vector<std::uint32_t> lastRaceBasics;
    // [basic]: bit v when the basic holds with v hits.
    std::vector<std::uint32_t> holdsAt;
    // The basics that hold for a column out of the sum bounds (hits -1).
    std::uint32_t outOfBoundsMask = 0;
    // [mask of the basics that hold]: the candidate is accepted.
    std::vector<std::uint8_t> accepted;
    // [sum of the races before the last]: bit j when horse j of the last race keeps the sum in bounds.
    std::vector<std::uint64_t> inBoundsAt;
    // A bit for every horse of the last race.
    std::uint64_t all = 0;
    // A column out of the sum bounds is accepted.
    bool outOfBoundsAccepted = false;
};

// The table path needs hit counts below 16 and at most 64 horses in the last race.
bool tableFits(const CompiledCounting& c) {
    return c.basics.size() <= static_cast<std::size_t>(kMaxTableBasics) && c.races < 15 &&
           c.horses.back().size() <= 64;
}

TableData buildTable(const CompiledCounting& c) {
    TableData d;
    const std::size_t basics = c.basics.size();
    d.packed.resize(c.member.size());
    for (std::size_t r = 0; r < c.member.size(); ++r) {
        for (const auto& row : c.member[r]) {
            std::uint64_t packed = 0;
            std::uint32_t bits = 0;
            for (std::size_t k = 0; k < basics; ++k) {
                packed |= std::uint64_t{row[k]} << (4 * k);
                bits |= std::uint32_t{row[k]} << k;
            }
            d.packed[r].push_back(packed);
            if (r + 1 == c.member.size()) {
                d.lastRaceBasics.push_back(bits);
            }
        }
    }
    for (std::size_t k = 0; k < basics; ++k) {
        std::uint32_t at = 0;
        for (int v = 0; v <= c.races; ++v) {
            if (c.basics[k].holds(v)) {
                at |= std::uint32_t{1} << v;
            }
        }
        d.holdsAt.push_back(at);
        if (c.basics[k].holdsOutOfBounds) {
            d.outOfBoundsMask |= std::uint32_t{1} << k;
        }
    }
    std::vector<int> satisfied(c.groups.size()), superSatisfied(c.supers.size());
    const auto& last = c.horses.back();
    d.all = last.size() == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << last.size()) - 1;
    int prefixMax = 0;
    for (std::size_t r = 0; r + 1 < c.horses.size(); ++r) {
        prefixMax += *std::max_element(c.horses[r].begin(), c.horses[r].end());
    }
    for (int sum = 0; sum <= prefixMax; ++sum) {
        std::uint64_t bits = 0;
        for (std::size_t j = 0; j < last.size(); ++j) {
            const int total = sum + last[j];
            const bool in = !c.sumsApply || (c.leastSum <= total && total <= c.greatestSum);
            bits |= std::uint64_t{in} << j;
        }
        d.inBoundsAt.push_back(bits);
    }
    d.accepted.resize(std::size_t{1} << basics);
    for (std::uint32_t mask = 0; mask < d.accepted.size(); ++mask) {
        d.accepted[mask] = c.noBasics || c.accepts([mask](std::size_t k) { return (mask >> k) & 1u; },
                                                   satisfied, superSatisfied);
    }
    d.outOfBoundsAccepted = d.accepted[d.outOfBoundsMask] != 0;
    return d;
}

// Walks one chunk of prefixes and tests the last race's horses of each.
class ChunkWalker {
public:
    ChunkWalker(const CompiledCounting& c, const TableData* table, CountProgress* progress)
        : c_(c),
          table_(table),
          progress_(progress),
          levels_(c.races - 1),
          digit_(static_cast<std::size_t>(levels_), 0),
          packedAt_(static_cast<std::size_t>(levels_) + 1, 0),
          sumAt_(static_cast<std::size_t>(levels_) + 1, 0),
          hitsAt_((static_cast<std::size_t>(levels_) + 1) * c.basics.size(), 0),
          column_(static_cast<std::size_t>(c.races), 0),
          satisfied_(c.groups.size()),
          superSatisfied_(c.supers.size()) {
        if (table && c.basics.size() <= kMaxRememberedBasics) {
            memo_.assign(std::size_t{1} << (2 * c.basics.size()), kUnknown);
        }
    }

    // Tests the prefixes [first, end); false when the counting was cancelled.
    bool run(std::uint64_t first, std::uint64_t end, std::size_t storeBudget, ChunkResult& out) {
        out_ = &out;
        storeBudget_ = storeBudget;
        const std::uint64_t most = (end - first) * c_.horses.back().size();
        out.columns.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(storeBudget, most)) *
                            column_.size());
        // The digits of the first prefix, the last prefix race varying fastest.
        std::uint64_t rest = first;
        for (int l = levels_ - 1; l >= 0; --l) {
            const std::size_t n = c_.horses[static_cast<std::size_t>(l)].size();
            digit_[static_cast<std::size_t>(l)] = static_cast<std::size_t>(rest % n);
            rest /= n;
        }
        refresh(0);
        for (std::uint64_t p = first; p < end; ++p) {
            if (table_) {
                testLastRaceByTable();
            } else {
                testLastRace();
            }
            if (out.candidates - reported_ >= kProgressStep && !report()) {
                return false;
            }
            int l = levels_ - 1;
            while (l >= 0) {
                auto& d = digit_[static_cast<std::size_t>(l)];
                if (++d < c_.horses[static_cast<std::size_t>(l)].size()) {
                    break;
                }
                d = 0;
                --l;
            }
            if (l >= 0) {
                refresh(l);
            }
        }
        return report();
    }

private:
    // Recomputes the running hit counts and sums from prefix race `from` on.
    void refresh(int from) {
        const std::size_t basics = c_.basics.size();
        for (int l = from; l < levels_; ++l) {
            const auto ul = static_cast<std::size_t>(l);
            const std::size_t j = digit_[ul];
            const std::uint8_t h = c_.horses[ul][j];
            column_[ul] = h;
            sumAt_[ul + 1] = sumAt_[ul] + h;
            if (table_) {
                packedAt_[ul + 1] = packedAt_[ul] + table_->packed[ul][j];
            } else {
                const auto& member = c_.member[ul][j];
                for (std::size_t k = 0; k < basics; ++k) {
                    hitsAt_[(ul + 1) * basics + k] = hitsAt_[ul * basics + k] + member[k];
                }
            }
        }
    }

    // A places game drops the candidates that name a horse twice: none when the prefix repeats itself,
    // otherwise those whose last horse is in the prefix.
    bool prefixRepeats() const {
        for (int a = 0; a < levels_; ++a) {
            for (int b = a + 1; b < levels_; ++b) {
                if (column_[static_cast<std::size_t>(a)] == column_[static_cast<std::size_t>(b)]) {
                    return true;
                }
            }
        }
        return false;
    }
    bool inPrefix(std::uint8_t h) const {
        for (int a = 0; a < levels_; ++a) {
            if (column_[static_cast<std::size_t>(a)] == h) {
                return true;
            }
        }
        return false;
    }

    bool inBounds(int sum) const { return !c_.sumsApply || (c_.leastSum <= sum && sum <= c_.greatestSum); }

    void accept(std::uint8_t lastHorse) {
        if (out_->found < storeBudget_) {
            column_.back() = lastHorse;
            auto& columns = out_->columns;
            const std::size_t at = columns.size();
            columns.resize(at + column_.size());
            std::copy(column_.begin(), column_.end(), columns.begin() + static_cast<std::ptrdiff_t>(at));
        }
        ++out_->found;
    }

    void testLastRaceByTable() {
        const auto& last = c_.horses.back();
        if (c_.places && prefixRepeats()) {
            return;
        }
        const TableData& t = *table_;
        const std::uint64_t packed = packedAt_[static_cast<std::size_t>(levels_)];
        const int sum = sumAt_[static_cast<std::size_t>(levels_)];
        std::uint32_t holdsBefore = 0;  // the basics that hold when the last horse is not theirs
        std::uint32_t holdsWith = 0;    // ... and when it is
        for (std::size_t k = 0; k < t.holdsAt.size(); ++k) {
            const auto hits = static_cast<unsigned>((packed >> (4 * k)) & 15u);
            holdsBefore |= ((t.holdsAt[k] >> hits) & 1u) << k;
            holdsWith |= ((t.holdsAt[k] >> (hits + 1)) & 1u) << k;
        }
        // The last race's horses that are accepted: those within the sum bounds by the basics that hold,
        // the others as a column out of bounds.
        const std::uint64_t inBounds = t.inBoundsAt[static_cast<std::size_t>(sum)];
        std::uint64_t accepted = acceptedWithinBounds(holdsBefore, holdsWith) & inBounds;
        if (t.outOfBoundsAccepted) {
            accepted |= t.all & ~inBounds;
        }
        std::uint64_t candidates = last.size();
        if (c_.places) {
            std::uint64_t valid = 0;
            for (std::size_t j = 0; j < last.size(); ++j) {
                valid |= std::uint64_t{!inPrefix(last[j])} << j;
            }
            accepted &= valid;
            candidates = static_cast<std::uint64_t>(std::popcount(valid));
        }
        out_->candidates += candidates;
        if (out_->found >= storeBudget_) {
            out_->found += static_cast<std::uint64_t>(std::popcount(accepted));
            return;
        }
        for (; accepted != 0; accepted &= accepted - 1) {
            accept(last[static_cast<std::size_t>(std::countr_zero(accepted))]);
        }
    }

    // Bit j: the last race's horse j is accepted when the column is within the sum bounds, given the basics
    // that hold without it and with it. Remembered per pair when the basics are few.
    std::uint64_t acceptedWithinBounds(std::uint32_t holdsBefore, std::uint32_t holdsWith) {
        const TableData& t = *table_;
        std::uint64_t* remembered = nullptr;
        if (!memo_.empty()) {
            remembered = &memo_[holdsBefore | (std::size_t{holdsWith} << t.holdsAt.size())];
            if (*remembered != kUnknown) {
                return *remembered;
            }
        }
        const std::uint32_t changes = holdsBefore ^ holdsWith;
        std::uint64_t accepted = 0;
        for (std::size_t j = 0; j < t.lastRaceBasics.size(); ++j) {
            accepted |= std::uint64_t{t.accepted[holdsBefore ^ (changes & t.lastRaceBasics[j])]} << j;
        }
        if (remembered) {
            *remembered = accepted;
        }
        return accepted;
    }

    void testLastRace() {
        const auto& last = c_.horses.back();
        if (c_.places && prefixRepeats()) {
            return;
        }
        const std::size_t basics = c_.basics.size();
        const int* hits = hitsAt_.data() + static_cast<std::size_t>(levels_) * basics;
        const int sum = sumAt_[static_cast<std::size_t>(levels_)];
        for (std::size_t j = 0; j < last.size(); ++j) {
            const std::uint8_t h = last[j];
            if (c_.places && inPrefix(h)) {
                continue;
            }
            ++out_->candidates;
            const bool in = inBounds(sum + h);
            const auto& member = c_.member.back()[j];
            const bool accepted =
                c_.noBasics ||
                c_.accepts([&](std::size_t k) { return c_.basics[k].holds(in ? hits[k] + member[k] : -1); },
                           satisfied_, superSatisfied_);
            if (accepted) {
                accept(h);
            }
        }
    }

    // Publishes the counters; false when the window asked to stop.
    bool report() {
        if (progress_) {
            progress_->candidates.fetch_add(out_->candidates - reported_, std::memory_order_relaxed);
            progress_->found.fetch_add(out_->found - reportedFound_, std::memory_order_relaxed);
            reported_ = out_->candidates;
            reportedFound_ = out_->found;
            return !progress_->cancel.load(std::memory_order_relaxed);
        }
        reported_ = out_->candidates;
        return true;
    }

    const CompiledCounting& c_;
    const TableData* table_;
    CountProgress* progress_;
    int levels_;  // the races before the last one
    std::vector<std::size_t> digit_;
    std::vector<std::uint64_t> packedAt_;
    std::vector<int> sumAt_;
    std::vector<int> hitsAt_;  // [level][basic]
    std::vector<std::uint8_t> column_;
    std::vector<int> satisfied_, superSatisfied_;
    std::vector<std::uint64_t> memo_;  // acceptedWithinBounds by (holdsBefore, holdsWith)
    ChunkResult* out_ = nullptr;
    std::size_t storeBudget_ = 0;
    std::uint64_t reported_ = 0;
    std::uint64_t reportedFound_ = 0;
};

// Hands out chunks in order and merges their results in order. A chunk is not started more than a few
// chunks ahead of the first unfinished one, so the columns waiting to be merged stay bounded.
class ChunkScheduler {
public:
    ChunkScheduler(std::uint64_t prefixes, std::uint64_t chunks, unsigned threads, ColumnList& columns)
        : prefixes_(prefixes), results_(chunks), window_(4 * std::uint64_t{threads}), columns_(columns) {}

    void work(const CompiledCounting& c, const TableData* table, CountProgress* progress) {
        try {
            ChunkWalker walker(c, table, progress);
            std::unique_lock lock(mutex_);
            while (true) {
                ready_.wait(lock, [&] {
                    return stopped_ || next_ >= results_.size() || next_ < frontier_ + window_;
                });
                if (stopped_ || next_ >= results_.size()) {
                    return;
                }
                const std::uint64_t chunk = next_++;
                const std::size_t limit = columns_.storedLimit();
                const std::size_t budget = columns_.stored() < limit ? limit - columns_.stored() : 0;
                lock.unlock();

                ChunkResult result;
                const bool finished = walker.run(begin(chunk), begin(chunk + 1), budget, result);

                lock.lock();
                if (!finished) {
                    stopped_ = true;
                    cancelled_ = true;
                    ready_.notify_all();
                    return;
                }
                result.done = true;
                results_[chunk] = std::move(result);
                while (frontier_ < results_.size() && results_[frontier_].done) {
                    ChunkResult& r = results_[frontier_];
                    columns_.appendFound(r.columns, static_cast<std::int64_t>(r.found));
                    candidates_ += r.candidates;
                    r.columns = {};
                    ++frontier_;
                }
                ready_.notify_all();
            }
        } catch (...) {
            std::lock_guard guard(mutex_);
            if (!error_) {
                error_ = std::current_exception();
            }
            stopped_ = true;
            ready_.notify_all();
        }
    }

    bool cancelled() const { return cancelled_; }
    std::uint64_t candidates() const { return candidates_; }
    void rethrow() const {
        if (error_) {
            std::rethrow_exception(error_);
        }
    }

private:
    std::uint64_t begin(std::uint64_t chunk) const {
        // prefixes <= 20^8 and chunks stay in the thousands, so the product fits.
        return prefixes_ * chunk / results_.size();
    }

    std::uint64_t prefixes_;
    std::vector<ChunkResult> results_;
    std::uint64_t window_;
    ColumnList& columns_;
    std::mutex mutex_;
    std::condition_variable ready_;
    std::uint64_t next_ = 0;
    std::uint64_t frontier_ = 0;
    std::uint64_t candidates_ = 0;
    bool stopped_ = false;
    bool cancelled_ = false;
    std::exception_ptr error_;
};

}  // namespace

CountOutcome countColumns(const CountRequest& request, CountProgress* progress, const EngineOptions& options,
                          StateReport* report) {
    CompiledCounting c = compile(request);
    if (request.path != CountingPath::Exhaustive) {
        if (auto byStates = countByStates(c, request, progress, options,
                                          request.path == CountingPath::Automatic, report)) {
            return std::move(*byStates);
        }
    }
    return countExhaustively(std::move(c), request, progress, options);
}

CountOutcome countExhaustively(CompiledCounting&& c, const CountRequest& request, CountProgress* progress,
                               const EngineOptions& options) {
    CountOutcome out;
    out.noBasics = c.noBasics;
    out.full = c.full;
    out.columns.reset(c.races, request.storedLimit);

    if (c.full > 0) {
        std::optional<TableData> table;
        if (options.path == EnginePath::Automatic && tableFits(c)) {
            table = buildTable(c);
        }
        const std::uint64_t lastRace = c.horses.back().size();
        const std::uint64_t prefixes = c.full / lastRace;
        unsigned threads = request.threads != 0 ? request.threads : std::thread::hardware_concurrency();
        threads = std::max(threads, 1u);
        const std::uint64_t wanted =
            std::max<std::uint64_t>(1, c.full / std::max<std::uint64_t>(1, options.candidatesPerChunk));
        const std::uint64_t chunks = std::min({prefixes, wanted, std::uint64_t{threads} * 64});
        threads = static_cast<unsigned>(std::min<std::uint64_t>(threads, chunks));

        ChunkScheduler scheduler(prefixes, chunks, threads, out.columns);
        const TableData* tableData = table ? &*table : nullptr;
        std::vector<std::jthread> helpers;
        for (unsigned i = 1; i < threads; ++i) {
            helpers.emplace_back([&] { scheduler.work(c, tableData, progress); });
        }
        scheduler.work(c, tableData, progress);
        helpers.clear();  // joins
        scheduler.rethrow();
        if (scheduler.cancelled()) {
            out.cancelled = true;
            out.columns.clear();
            return out;
        }
        out.candidates = scheduler.candidates();
    }
    out.found = static_cast<std::uint64_t>(out.columns.size());
    out.cost = static_cast<double>(out.found) * request.price;
    out.OlaAloga = std::move(c.olaAloga);
    out.KoursaAlogou = std::move(c.koursaAlogou);
    return out;
}

}  // namespace quintaro::counting

namespace quintaro {

CountOutcome countColumns(const CountRequest& request, CountProgress* progress) {
    return counting::countColumns(request, progress, counting::EngineOptions{});
}

}  // namespace quintaro
