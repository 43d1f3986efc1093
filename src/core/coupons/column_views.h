#pragma once
// What the plain and gathered column lists show: their cells and captions.

#include <cstdint>
#include <string>

#include "core/game/column_list.h"
#include "core/game/gathering.h"

namespace quintaro {

// A cell of the plain list at (column, row): column 0 the race numbers "1" .. R in rows 1 .. R, row 0 the
// column numbers, and counted column c's horse of race r in column c, row r.
std::string plainListCell(const ColumnList& columns, int column, int row);

// A cell of the gathered list: column 0 the race numbers, row 0 the coupon numbers, coupon c's list of
// race r in column c, row r.
std::string gatheredListCell(const CouponList& coupons, int races, int column, int row);

// "ΣΤΗΛΕΣ : 25   ΚΟΣΤΟΣ : 37.50". When the counting found more columns than the list keeps, the caption
// adds that only the first kept ones are shown.
std::string plainListCaption(std::int64_t found, std::size_t kept, double cost, char decimalSeparator);

// "ΜΑΖΕΜΑ ΣΤΗΛΩΝ - ΣΤΗΛΕΣ : 16  ΔΕΛΤΙΑ : 1    ΚΟΣΤΟΣ : 24.00".
std::string gatheredListCaption(std::int64_t columns, std::size_t coupons, double cost,
                                char decimalSeparator);

namespace column_view_texts {
inline constexpr std::string_view kPlainCaption = "ΣΤΗΛΕΣ ΑΠΛΕΣ";
inline constexpr std::string_view kGatheredCaption = "ΜΑΖΕΜΑ ΣΤΗΛΩΝ ";
}  // namespace column_view_texts

}  // namespace quintaro
