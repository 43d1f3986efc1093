#pragma once
// The condition table of a TRIO calculation: the bounds of the eight grid conditions and the four number
// groups, read from the window's texts at the start of every calculation, and the filter that a candidate
// column must pass. The filter may raise the stop flag when the minimums of two complementary conditions can
// never be met together.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/game/text_grid.h"
#include "core/trio/condition_grid.h"

namespace quintaro::trio {

inline constexpr int kNumberGroups = 4;

struct Bounds {
    int from = 0;
    int to = 0;
    bool operator==(const Bounds&) const = default;
};

// The texts of a number group as the window holds them: its list ("1,4,7", empty when unused) and its bounds.
struct NumberGroupTexts {
    std::string list;
    std::string from = "0";
    std::string to = "0";
    bool operator==(const NumberGroupTexts&) const = default;
};

struct NumberGroup {
    std::string list;
    Bounds bounds;
};

struct Conditions {
    std::array<Bounds, kConditionCount> rows;  // grid rows 1-8 in order
    std::array<NumberGroup, kNumberGroups> groups;
};

// Conditions that apply nothing: every row at its neutral pair, every group empty.
Conditions neutralConditions();

// Reads the condition table: rows 1-8 of the grid as integers (a bound that is not an integer throws
// ConversionError), each group's bounds as integers (when either is not, both become 0).
Conditions readConditions(const TextGrid& grid, const std::array<NumberGroupTexts, kNumberGroups>& groups);

// A candidate column: three different numbers, ascending.
using Column = std::array<std::uint8_t, 3>;

// The conditions compiled for the walk: which tests apply and each group as a set of numbers.
class ConditionFilter {
public:
    explicit ConditionFilter(const Conditions& conditions);

    // Pass or fail for the values x1 < x2 < x3; raises stopFlag as the filter's two stop rules say.
    bool passes(const Column& values, bool& stopFlag) const;

private:
    struct Test {
        bool active = false;
        Bounds bounds;
    };
    struct Group {
        std::uint32_t members = 0;  // bit v: the decimal text of v is an entry of the list
        Bounds bounds;
    };
    std::array<Test, kConditionCount> tests_;
    std::array<Group, kNumberGroups> groups_{};
    int groupCount_ = 0;
    bool stopOddEven_ = false;
    bool stopLeftRight_ = false;
};

}  // namespace quintaro::trio
