#include "core/trio/condition_grid.h"

#include <string>

#include "core/text/number_text.h"

namespace quintaro::trio {
namespace {

constexpr std::array<ConditionRowRule, kConditionCount> kRules = {{
    {"AΘΡΟΙΣΜΑ", 6, 57, 6, "6", 57, "57"},
    {"ΜΟΝΑ", 0, 3, 0, "0", 5, "3"},
    {"ΖΥΓΑ", 0, 3, 0, "0", 5, "3"},
    {"ΑΡΙΣΤΕΡΑ", 0, 3, 0, "0", 5, "3"},
    {"ΔΕΞΙΑ", 0, 3, 0, "0", 5, "3"},
    {"ΛΗΓΟΝΤΕΣ", 0, 3, 2, "0", 5, "3"},
    {"5 άδες", 0, 3, 1, "0", 5, "3"},
    {"ΕΥΡΟΣ ΣΤΗΛΗΣ", 2, 19, 4, "2", 34, "19"},
}};

constexpr char32_t kBackspace = 8;
constexpr char32_t kTab = 9;
constexpr char32_t kEnter = 13;

}  // namespace

const ConditionRowRule& conditionRowRule(int row) {
    return kRules.at(static_cast<std::size_t>(row - 1));
}

void resetConditionGrid(TextGrid& grid) {
    grid.resize(kGridColumns, kGridRows);
    for (int r = 1; r < kGridRows; ++r) {
        grid.clearRow(r);
    }
    grid.setCell(0, 0, "OΡΟΙ");
    grid.setCell(kFromColumn, 0, "ΑΠΟ");
    grid.setCell(kToColumn, 0, "ΕΩΣ");
    grid.setCell(kOnColumn, 0, "ON");
    for (int r = 1; r < kGridRows; ++r) {
        const ConditionRowRule& rule = conditionRowRule(r);
        grid.setCell(0, r, rule.name);
        grid.setCell(kFromColumn, r, std::to_string(rule.neutralFrom));
        grid.setCell(kToColumn, r, std::to_string(rule.neutralTo));
    }
}

bool isConditionActive(int row, int from, int to) {
    const ConditionRowRule& rule = conditionRowRule(row);
    return from != rule.neutralFrom || to != rule.neutralTo;
}

bool conditionGridAcceptsKey(int column, char32_t key) {
    if (column == 0) {
        return false;
    }
    return key == kBackspace || key == kTab || key == kEnter || (key >= U'0' && key <= U'9');
}

void conditionGridEnter(TextGrid& grid, int column, int row) {
    if (row < 1 || row >= kGridRows || column < 1) {
        return;
    }
    if (column == kFromColumn || column == kToColumn) {
        const ConditionRowRule& rule = conditionRowRule(row);
        if (auto v = tryParseInt(grid.cell(column, row)); v && *v < rule.lowLimit) {
            grid.setCell(column, row, rule.lowText);
        }
        if (auto v = tryParseInt(grid.cell(column, row)); v && *v > rule.highLimit) {
            grid.setCell(column, row, rule.highText);
        }
    }
    const auto from = tryParseInt(grid.cell(kFromColumn, row));
    const auto to = tryParseInt(grid.cell(kToColumn, row));
    if (from && to && *to < *from) {
        grid.setCell(kToColumn, row, grid.cell(kFromColumn, row));
    }
    const bool active =
        isConditionActive(row, parseInt(grid.cell(kFromColumn, row)), parseInt(grid.cell(kToColumn, row)));
    grid.setCell(kOnColumn, row, active ? "ON" : "");
}

}  // namespace quintaro::trio
