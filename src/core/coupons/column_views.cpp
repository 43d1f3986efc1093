#include "core/coupons/column_views.h"

#include "core/text/number_text.h"

namespace quintaro {

std::string plainListCell(const ColumnList& columns, int column, int row) {
    if (column < 0 || row < 0 || row > columns.races()) {
        return {};
    }
    if (column == 0) {
        return row == 0 ? std::string() : std::to_string(row);
    }
    const auto index = static_cast<std::size_t>(column - 1);
    if (index >= columns.stored()) {
        return {};
    }
    if (row == 0) {
        return std::to_string(column);
    }
    const auto horses = columns.horses(index);
    const auto race = static_cast<std::size_t>(row - 1);
    return race < horses.size() ? std::to_string(horses[race]) : std::string();
}

std::string gatheredListCell(const CouponList& coupons, int races, int column, int row) {
    if (column < 0 || row < 0 || row > races) {
        return {};
    }
    if (column == 0) {
        return row == 0 ? std::string() : std::to_string(row);
    }
    const auto index = static_cast<std::size_t>(column - 1);
    if (index >= coupons.size()) {
        return {};
    }
    if (row == 0) {
        return std::to_string(column);
    }
    const TsSthlh& coupon = coupons[index];
    const auto race = static_cast<std::size_t>(row - 1);
    return race < coupon.size() ? coupon[race] : std::string();
}

std::string plainListCaption(std::int64_t found, std::size_t kept, double cost, char decimalSeparator) {
    std::string caption =
        "ΣΤΗΛΕΣ : " + std::to_string(found) + "   ΚΟΣΤΟΣ : " + formatFixed2(cost, decimalSeparator);
    if (found > static_cast<std::int64_t>(kept)) {
        caption += "   (ΕΜΦΑΝΙΖΟΝΤΑΙ ΟΙ ΠΡΩΤΕΣ " + std::to_string(kept) + ")";
    }
    return caption;
}

std::string gatheredListCaption(std::int64_t columns, std::size_t coupons, double cost,
                                char decimalSeparator) {
    return "ΜΑΖΕΜΑ ΣΤΗΛΩΝ - ΣΤΗΛΕΣ : " + std::to_string(columns) + "  ΔΕΛΤΙΑ : " + std::to_string(coupons) +
           "    ΚΟΣΤΟΣ : " + formatFixed2(cost, decimalSeparator);
}

}  // namespace quintaro
