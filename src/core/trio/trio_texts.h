#pragma once
// The texts the TRIO construction window shows: the labels of the full and the guaranteed system, the running
// count, the coupons, the percentage, the previous count and the message at the end of a calculation. Amounts
// and percentages are "%.2f" with the user's decimal separator; every cost is columns x the column price.

#include <cstdint>
#include <string>
#include <string_view>

namespace quintaro::trio {

inline constexpr double kColumnPrice = 1.00;  // the TRIO window's own price per column, in euro

// The guarantee items and the other drop-down lists of the window.
inline constexpr std::string_view kGuarantee3 = "100%  3αρι";
inline constexpr std::string_view kGuarantee2 = "100%  3αρι ή 2αρι(α)";
inline constexpr std::string_view kSystemKind = "3αδες";
inline constexpr std::string_view kHitItem = "3";

// The guarantee of an item of the guarantee list: 3 for item 0, 2 for item 1, 0 for anything else.
int guaranteeOfItem(int item);

// Label1, Label2, Label3: the full system of n selected numbers.
std::string selectedLabel(int n);                         // "Επιλεγμένοι Αριθμοί : 7"
std::string fullColumnsLabel(int n);                      // "Στήλες : 35"
std::string fullCostLabel(int n, char decimalSeparator);  // "Κόστος : 35.00"

// Label5, Label6: the guaranteed system of the last calculation.
std::string foundColumnsLabel(std::int64_t found);
std::string foundCostLabel(std::int64_t found, char decimalSeparator);

// Label9 while a calculation runs.
std::string runningCountLabel(std::int64_t found);  // "Στήλες που έχουν βρεθεί : 5"

// Label10: the coupons of three columns each, ceil(found / 3).
std::int64_t couponCount(std::int64_t found);
std::string couponsLabel(std::int64_t found);  // "Δελτία : 3" ("Δελτία : 0" when nothing was found)

// Label11: the share of all columns of the n numbers that the system holds.
std::string percentText(std::int64_t found, int n, char decimalSeparator);  // "20.00", or "" when C(n,3) = 0
std::string percentLabel(std::int64_t found, int n, char decimalSeparator);

// Label15 at the start of a calculation, with the found count of the previous one.
std::string previousCountLabel(std::int64_t previous);

// The texts of the reset.
inline constexpr std::string_view kPreviousCountReset = "Προηγούμενο μέτρημα : ";

// The message at the end of a calculation. label1 and label10 are the texts those labels hold, guarantee and
// systemKind the texts of the two drop-down lists.
std::string resultMessage(std::string_view label1, std::string_view guarantee, std::string_view systemKind,
                          std::int64_t found, std::string_view label10, char decimalSeparator);

}  // namespace quintaro::trio
