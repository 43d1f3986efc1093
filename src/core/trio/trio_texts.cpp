#include "core/trio/trio_texts.h"

#include "core/text/number_text.h"
#include "core/trio/binomial.h"
#include "core/trio/walk.h"

namespace quintaro::trio {
namespace {

// C(k, 3): the 3-number columns in one developed column; 1 with k = 3.
std::int64_t columnsPerColumn() {
    return binomial(kColumnSize, 3);
}

std::string cost(std::int64_t columns, char sep) {
    return formatFixed2(static_cast<double>(columns) * kColumnPrice, sep);
}

}  // namespace

int guaranteeOfItem(int item) {
    return item == 0 ? 3 : item == 1 ? 2 : 0;
}

std::string selectedLabel(int n) {
    return "Επιλεγμένοι Αριθμοί : " + std::to_string(n);
}

std::string fullColumnsLabel(int n) {
    return "Στήλες : " + std::to_string(binomial(n, kColumnSize) * columnsPerColumn());
}

std::string fullCostLabel(int n, char sep) {
    return "Κόστος : " + cost(binomial(n, kColumnSize) * columnsPerColumn(), sep);
}

std::string foundColumnsLabel(std::int64_t found) {
    return "Στήλες : " + std::to_string(columnsPerColumn() * found);
}

std::string foundCostLabel(std::int64_t found, char sep) {
    return "Κόστος : " + cost(columnsPerColumn() * found, sep);
}

std::string runningCountLabel(std::int64_t found) {
    return "Στήλες που έχουν βρεθεί : " + std::to_string(found);
}

std::int64_t couponCount(std::int64_t found) {
    return (found + 2) / 3;
}

std::string couponsLabel(std::int64_t found) {
    return found == 0 ? std::string("Δελτία : 0") : "Δελτία : " + std::to_string(couponCount(found));
}

std::string percentText(std::int64_t found, int n, char sep) {
    const std::int64_t all = binomial(n, kColumnSize);
    if (all == 0) {
        return {};
    }
    return formatFixed2(static_cast<double>(found) * 100.0 / static_cast<double>(all), sep);
}

std::string percentLabel(std::int64_t found, int n, char sep) {
    const std::string percent = percentText(found, n, sep);
    return "Ποσοστό για 3άρι : " + (percent.empty() ? std::string("0") : percent) + "%";
}

std::string previousCountLabel(std::int64_t previous) {
    return "Προγηγούμενο μέτρημα : " + std::to_string(previous);
}

std::string resultMessage(std::string_view label1, std::string_view guarantee, std::string_view systemKind,
                          std::int64_t found, std::string_view label10, char sep) {
    std::string text(label1);
    text += "   Εγγυημένη Επιτυχία ";
    text += guarantee;
    text += " ΣΕ ";
    text += systemKind;
    text += '\r';
    text += "Βρέθηκαν " + std::to_string(columnsPerColumn() * found) + " στήλες   Κόστος : ";
    text += cost(columnsPerColumn() * found, sep) + " Ευρώ";
    text += "  ";
    text += label10;
    return text;
}

}  // namespace quintaro::trio
