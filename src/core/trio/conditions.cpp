#include "core/trio/conditions.h"

#include <algorithm>

#include "core/text/horse_list.h"
#include "core/text/number_text.h"

namespace quintaro::trio {
namespace {

bool within(int value, const Bounds& b) {
    return value >= b.from && value <= b.to;
}

// Left numbers end in 1-5 (1-5, 11-15, 21-25, 31-35); right numbers end in 6-9 or 0.
bool isLeft(int v) {
    const int digit = v % 10;
    return digit >= 1 && digit <= 5;
}

int distinctCount(int a, int b, int c) {
    return 1 + (b != a ? 1 : 0) + (c != a && c != b ? 1 : 0);
}

// Group of five: 1-5 -> 1, 6-10 -> 2, ..., 31-35 -> 7.
int fiveGroup(int v) {
    return (v - 1) / 5 + 1;
}

constexpr int kMaxNumber = 31;  // group members are kept as bits of a 32-bit mask

}  // namespace

Conditions neutralConditions() {
    Conditions c;
    for (int r = 1; r <= kConditionCount; ++r) {
        const ConditionRowRule& rule = conditionRowRule(r);
        c.rows[r - 1] = {rule.neutralFrom, rule.neutralTo};
    }
    return c;
}

Conditions readConditions(const TextGrid& grid, const std::array<NumberGroupTexts, kNumberGroups>& groups) {
    Conditions c;
    for (int r = 1; r <= kConditionCount; ++r) {
        c.rows[r - 1] = {parseInt(grid.cell(kFromColumn, r)), parseInt(grid.cell(kToColumn, r))};
    }
    for (int g = 0; g < kNumberGroups; ++g) {
        c.groups[g].list = groups[g].list;
        const auto from = tryParseInt(groups[g].from);
        const auto to = tryParseInt(groups[g].to);
        c.groups[g].bounds = from && to ? Bounds{*from, *to} : Bounds{0, 0};
    }
    return c;
}

ConditionFilter::ConditionFilter(const Conditions& conditions) {
    for (int r = 1; r <= kConditionCount; ++r) {
        const Bounds& b = conditions.rows[r - 1];
        tests_[r - 1] = {isConditionActive(r, b.from, b.to), b};
    }
    stopOddEven_ = conditions.rows[kOddRow - 1].from + conditions.rows[kEvenRow - 1].from > 5;
    stopLeftRight_ = conditions.rows[kLeftRow - 1].from + conditions.rows[kRightRow - 1].from > 3;
    for (const NumberGroup& group : conditions.groups) {
        // A group applies only when its list is not empty and its bounds are not (0, 0).
        if (group.list.empty() || group.bounds == Bounds{0, 0}) {
            continue;
        }
        Group compiled;
        compiled.bounds = group.bounds;
        for (std::string_view entry : splitHorseList(group.list)) {
            for (int v = 1; v <= kMaxNumber; ++v) {
                if (entry == std::to_string(v)) {
                    compiled.members |= std::uint32_t{1} << v;
                }
            }
        }
        groups_[groupCount_++] = compiled;
    }
}

bool ConditionFilter::passes(const Column& values, bool& stopFlag) const {
    const int x1 = values[0];
    const int x2 = values[1];
    const int x3 = values[2];
    auto failsTest = [this](int row, int measured) {
        const Test& t = tests_[row - 1];
        return t.active && !within(measured, t.bounds);
    };
    if (failsTest(kSumRow, x1 + x2 + x3)) {
        return false;
    }
    if (stopOddEven_) {
        stopFlag = true;
    }
    const int odd = (x1 % 2) + (x2 % 2) + (x3 % 2);
    if (failsTest(kOddRow, odd) || failsTest(kEvenRow, 3 - odd)) {
        return false;
    }
    if (stopLeftRight_) {
        stopFlag = true;
    }
    const int left = (isLeft(x1) ? 1 : 0) + (isLeft(x2) ? 1 : 0) + (isLeft(x3) ? 1 : 0);
    if (failsTest(kLeftRow, left) || failsTest(kRightRow, 3 - left)) {
        return false;
    }
    if (failsTest(kDigitsRow, distinctCount(x1 % 10, x2 % 10, x3 % 10))) {
        return false;
    }
    if (failsTest(kFivesRow, distinctCount(fiveGroup(x1), fiveGroup(x2), fiveGroup(x3)))) {
        return false;
    }
    // The largest value is taken from a start of 0 and the smallest from a start of 35.
    const int largest = std::max({0, x1, x2, x3});
    const int smallest = std::min({35, x1, x2, x3});
    if (failsTest(kRangeRow, largest - smallest)) {
        return false;
    }
    for (int g = 0; g < groupCount_; ++g) {
        const std::uint32_t m = groups_[g].members;
        const int inGroup = static_cast<int>((m >> x1) & 1U) + static_cast<int>((m >> x2) & 1U) +
                            static_cast<int>((m >> x3) & 1U);
        if (!within(inGroup, groups_[g].bounds)) {
            return false;
        }
    }
    return true;
}

}  // namespace quintaro::trio
