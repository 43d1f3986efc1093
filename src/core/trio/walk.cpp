#include "core/trio/walk.h"

#include <utility>

#include "core/trio/binomial.h"

namespace quintaro::trio {

TrioWalk::TrioWalk(std::vector<int> numbers, const Conditions& conditions, int guarantee)
    : numbers_(std::move(numbers)),
      filter_(conditions),
      guarantee_(guarantee),
      candidates_(binomial(static_cast<int>(numbers_.size()), kColumnSize)) {
    ended_ = numbers_.size() < static_cast<std::size_t>(kColumnSize);
}

bool TrioWalk::step() {
    if (ended_) {
        return false;
    }
    const int n = static_cast<int>(numbers_.size());
    for (int p3 = p2_ + 1; p3 < n; ++p3) {
        examine({static_cast<std::uint8_t>(numbers_[p1_]), static_cast<std::uint8_t>(numbers_[p2_]),
                 static_cast<std::uint8_t>(numbers_[p3])});
    }
    if (++p2_ > n - 2) {
        ++p1_;
        p2_ = p1_ + 1;
    }
    if (p1_ > n - 3 || stop_) {
        ended_ = true;
    }
    return !ended_;
}

void TrioWalk::examine(const Column& values) {
    ++visited_;
    if (!filter_.passes(values, stop_)) {
        return;
    }
    if (accepts(values)) {
        found_.push_back(values);
    }
}

bool TrioWalk::accepts(const Column& values) const {
    if (kHitSize <= guarantee_) {
        return true;
    }
    for (const Column& taken : found_) {
        int shared = 0;
        for (std::uint8_t v : values) {
            for (std::uint8_t t : taken) {
                shared += v == t ? 1 : 0;
            }
        }
        if (shared >= guarantee_) {
            return false;
        }
    }
    return true;
}

TrioResult TrioWalk::result() const {
    TrioResult r;
    r.stopped = stop_;
    if (!stop_) {
        r.columns = found_;
    }
    r.candidates = candidates_;
    r.selected = static_cast<int>(numbers_.size());
    return r;
}

TrioResult calculateTrio(std::vector<int> numbers, const Conditions& conditions, int guarantee) {
    TrioWalk walk(std::move(numbers), conditions, guarantee);
    while (walk.step()) {
    }
    return walk.result();
}

}  // namespace quintaro::trio
