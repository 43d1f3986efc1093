#pragma once
// Gathering (μάζεμα): the counted columns rewritten as gathered columns, one coupon each. A gathered column
// gives every race a list of horses and stands for every column that takes one horse from each list; every
// such column is a counted column, and every counted column lies in exactly one gathered column.
//
// The gathering is greedy and its coupons depend on the exact scan order, so it is defined by the scan:
//  1. First stage. Templates are the unplaced columns in list order. A template takes, in list order, every
//     later unplaced column that equals it in all fixed races but at most one; the first such partner makes
//     the race in which it differs the free race, after which only columns that differ in the free race
//     alone are taken. Joined horses are appended to the free race's list in the order they joined.
//  2. Second stage: the same scan over the gathered columns with their lists compared as texts, run once
//     per race but one, each pass on the previous pass's result; joined lists are appended with ",".
//
// This engine gives the coupons of that scan in the same order without comparing every pair: the columns
// are grouped, race by race, by their horses in the other races; a template's first partner is the first
// unplaced column in one of its groups, and its joiners are the rest of that group. A cursor per group
// skips the columns that are already placed, so a pass costs a sort per race instead of a square scan.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/game/column_list.h"

namespace quintaro {

// A gathered column (one coupon): one horse list per race ("7,8"), the horses in the order they joined.
// A list keeps every horse it joined: a coupon stands for exactly the columns it came from.
using TsSthlh = std::vector<std::string>;

// The coupons of a gathering, in order; a coupon's number is its 1-based position.
using CouponList = std::vector<TsSthlh>;

// The gathering refuses a counting that found more columns than the list keeps: coupons for only part of
// a system would be a wrong bet. what() is the message for the user.
class GatheringRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The refusal's text for a counting that found `found` columns, of which `kept` are kept.
std::string gatheringRefusalText(std::int64_t found, std::size_t kept);

// `Mazema`: gathers the counted columns into coupons. Sets the mark of every column it places (all of them).
// Counted columns are distinct (counting never finds a column twice). Throws GatheringRefused when the
// counting found more columns than the list keeps. An empty list gives no coupons.
CouponList Mazema(ColumnList& Sthles);

// `FindDeltio`: the 1-based number of the first coupon that holds the winning column (one horse per race:
// the horse's decimal text is an entry of the coupon's list for that race), or nullopt when none does.
std::optional<std::size_t> FindDeltio(const CouponList& coupons, std::span<const std::uint8_t> winning);

// The number of columns a coupon stands for: the product of its lists' lengths.
std::int64_t couponColumns(const TsSthlh& coupon);

}  // namespace quintaro
