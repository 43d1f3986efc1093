#include "core/game/group_tables.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <optional>
#include <vector>

#include "core/text/number_text.h"

namespace quintaro {
namespace {

constexpr std::array<std::string_view, GroupTable::kColumns> kGroupHeaders = {"ΟΜΑΣ", "ΟΡΟΙ", "ΑΠΟ", "ΕΩΣ",
                                                                              "ΥΠΕΡ"};
constexpr std::array<std::string_view, SuperGroupTable::kColumns> kSuperGroupHeaders = {"ΥΠΕ", "ΟΜΑΔΕΣ",
                                                                                        "ΑΠΟ", "ΕΩΣ"};

using NumberSet = std::bitset<kMaxGroupNumber + 1>;

bool isGroupNumber(std::int32_t n) {
    return n >= 0 && n <= kMaxGroupNumber;
}

std::vector<int> ascending(const NumberSet& set) {
    std::vector<int> out;
    for (int n = 0; n <= kMaxGroupNumber; ++n) {
        if (set.test(static_cast<std::size_t>(n))) {
            out.push_back(n);
        }
    }
    return out;
}

// The limit of a group that already had a row, after its member count went from `oldMembers` to `members`.
std::string keptLimit(const std::string& limit, const std::string& oldMembers, int members) {
    const auto value = tryParseInt(limit);
    if (!value) {
        return limit;
    }
    const auto old = tryParseInt(oldMembers);
    if (old && *value == *old) {
        return std::to_string(members);
    }
    return std::to_string(std::min(*value, members));
}

// The first data row whose number cell, trimmed, is exactly `number`.
std::optional<int> rowOf(const LimitTable& table, const std::string& number) {
    for (int r = 1; r <= table.dataRows(); ++r) {
        if (trimmed(table.cell(0, r)) == number) {
            return r;
        }
    }
    return std::nullopt;
}

// Moves "ΑΠΟ" and "ΕΩΣ" of every row numbered `number` by one step (+1 raises, -1 lowers); rows whose cells
// are no numbers are skipped. A raise is capped by the row's cell `capColumn` or by `fixedCap`.
void adjustLimits(LimitTable& table, int number, int fromColumn, int toColumn, int step,
                  std::optional<int> capColumn, std::optional<int> fixedCap) {
    for (int r = 1; r <= table.dataRows(); ++r) {
        const auto rowNumber = tryParseInt(table.cell(0, r));
        if (!rowNumber || *rowNumber != number) {
            continue;
        }
        const auto from = tryParseInt(table.cell(fromColumn, r));
        const auto to = tryParseInt(table.cell(toColumn, r));
        std::optional<int> cap = fixedCap;
        if (capColumn) {
            cap = tryParseInt(table.cell(*capColumn, r));
        }
        if (!from || !to || (step > 0 && !cap)) {
            continue;
        }
        // 64-bit so that a limit at the edge of the 32-bit range does not wrap.
        std::int64_t newFrom = std::max<std::int64_t>(0, std::int64_t{*from} + step);
        std::int64_t newTo = std::int64_t{*to} + step;
        if (step > 0) {
            newFrom = std::min<std::int64_t>(*cap, newFrom);
            newTo = std::min<std::int64_t>(*cap, newTo);
        } else {
            newTo = std::max<std::int64_t>(0, newTo);
        }
        table.setCell(fromColumn, r, std::to_string(newFrom));
        table.setCell(toColumn, r, std::to_string(newTo));
    }
}

}  // namespace

LimitTable::LimitTable(std::span<const std::string_view> headers) : headers_(headers) {
    clear();
}

void LimitTable::clear() {
    grid_ = TextGrid(static_cast<int>(headers_.size()), 2);
    for (std::size_t c = 0; c < headers_.size(); ++c) {
        grid_.setCell(static_cast<int>(c), 0, headers_[c]);
    }
}

void LimitTable::setDataRows(int rows) {
    grid_.setRowCount(std::max(rows, 0) + 1);
}

void LimitTable::swapRows(int a, int b) {
    for (int c = 0; c < columnCount(); ++c) {
        const std::string upper = grid_.cell(c, a);
        grid_.setCell(c, a, grid_.cell(c, b));
        grid_.setCell(c, b, upper);
    }
}

GroupTable::GroupTable() : LimitTable(kGroupHeaders) {}

SuperGroupTable::SuperGroupTable() : LimitTable(kSuperGroupHeaders) {}

void rebuildGroupTable(const SelectionTable& selection, GroupTable& groups, SuperGroupTable& superGroups) {
    const int first = SelectionTable::kFirstBasicColumn;
    const int groupRow = selection.groupRow();

    NumberSet numbers;
    for (int c = first; c < selection.columnCount(); ++c) {
        const auto n = tryParseInt(selection.cell(c, groupRow));
        const bool valid = n && isGroupNumber(*n);
        if (c == first) {
            numbers.set(valid ? static_cast<std::size_t>(*n) : 0);
        } else if (valid && !selection.isBasicEmpty(c)) {
            numbers.set(static_cast<std::size_t>(*n));
        }
    }

    const GroupTable before = groups;
    const std::vector<int> list = ascending(numbers);
    groups.setDataRows(static_cast<int>(list.size()));
    for (std::size_t k = 0; k < list.size(); ++k) {
        const int row = static_cast<int>(k) + 1;
        const std::string number = std::to_string(list[k]);
        int members = 0;
        for (int c = first; c < selection.columnCount(); ++c) {
            if (selection.cell(c, groupRow) == number && !selection.isBasicEmpty(c)) {
                ++members;
            }
        }
        const std::string count = std::to_string(members);
        groups.setCell(GroupTable::kNumberColumn, row, number);
        groups.setCell(GroupTable::kMembersColumn, row, count);
        if (const auto old = rowOf(before, number)) {
            const std::string& oldMembers = before.cell(GroupTable::kMembersColumn, *old);
            groups.setCell(GroupTable::kFromColumn, row,
                           keptLimit(before.cell(GroupTable::kFromColumn, *old), oldMembers, members));
            groups.setCell(GroupTable::kToColumn, row,
                           keptLimit(before.cell(GroupTable::kToColumn, *old), oldMembers, members));
            groups.setCell(GroupTable::kSuperGroupColumn, row,
                           before.cell(GroupTable::kSuperGroupColumn, *old));
        } else {
            groups.setCell(GroupTable::kFromColumn, row, count);
            groups.setCell(GroupTable::kToColumn, row, count);
            groups.setCell(GroupTable::kSuperGroupColumn, row, "0");
        }
    }

    orderAndRebuildSuperGroups(groups, superGroups);
}

void orderGroupRows(GroupTable& groups) {
    const int column = GroupTable::kSuperGroupColumn;
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (int r = 1; r < groups.lastRow(); ++r) {
            const std::string& upper = groups.cell(column, r);
            const std::string& lower = groups.cell(column, r + 1);
            if (!trimmed(upper).empty() && !trimmed(lower).empty() && upper > lower) {
                groups.swapRows(r, r + 1);
                swapped = true;
            }
        }
    }
}

void rebuildSuperGroupTable(const GroupTable& groups, SuperGroupTable& superGroups) {
    NumberSet numbers;
    for (int r = 1; r <= groups.dataRows(); ++r) {
        const std::int32_t n = parseInt(groups.cell(GroupTable::kSuperGroupColumn, r));
        if (isGroupNumber(n)) {
            numbers.set(static_cast<std::size_t>(n));
        }
    }

    const std::vector<int> list = ascending(numbers);
    superGroups.setDataRows(static_cast<int>(list.size()));
    for (std::size_t k = 0; k < list.size(); ++k) {
        const int row = static_cast<int>(k) + 1;
        const int s = list[k];
        const std::string number = std::to_string(s);
        int n = 0;
        for (int r = 1; r <= groups.dataRows(); ++r) {
            if (groups.cell(GroupTable::kSuperGroupColumn, r) == number) {
                ++n;
            }
        }
        superGroups.setCell(SuperGroupTable::kNumberColumn, row, number);
        const std::string& oldGroups = superGroups.cell(SuperGroupTable::kGroupsColumn, row);
        if (!trimmed(oldGroups).empty()) {
            if (const auto old = tryParseInt(oldGroups)) {
                if (*old < n) {
                    raiseSuperGroupLimits(superGroups, s, n);
                } else if (*old > n) {
                    lowerSuperGroupLimits(superGroups, s);
                }
            }
        }
        const std::string count = std::to_string(n);
        superGroups.setCell(SuperGroupTable::kGroupsColumn, row, count);
        for (int c : {SuperGroupTable::kFromColumn, SuperGroupTable::kToColumn}) {
            if (trimmed(superGroups.cell(c, row)).empty()) {
                superGroups.setCell(c, row, count);
            }
        }
    }
}

void orderAndRebuildSuperGroups(GroupTable& groups, SuperGroupTable& superGroups) {
    orderGroupRows(groups);
    rebuildSuperGroupTable(groups, superGroups);
}

void raiseGroupLimits(GroupTable& groups, int group) {
    adjustLimits(groups, group, GroupTable::kFromColumn, GroupTable::kToColumn, +1,
                 GroupTable::kMembersColumn, std::nullopt);
}

void lowerGroupLimits(GroupTable& groups, int group) {
    adjustLimits(groups, group, GroupTable::kFromColumn, GroupTable::kToColumn, -1, std::nullopt,
                 std::nullopt);
}

void raiseGroupLimits(GroupTable& groups, std::string_view groupText) {
    if (const auto n = tryParseInt(groupText)) {
        raiseGroupLimits(groups, *n);
    }
}

void lowerGroupLimits(GroupTable& groups, std::string_view groupText) {
    if (const auto n = tryParseInt(groupText)) {
        lowerGroupLimits(groups, *n);
    }
}

void raiseSuperGroupLimits(SuperGroupTable& superGroups, int superGroup, int groupCount) {
    adjustLimits(superGroups, superGroup, SuperGroupTable::kFromColumn, SuperGroupTable::kToColumn, +1,
                 std::nullopt, groupCount);
}

void lowerSuperGroupLimits(SuperGroupTable& superGroups, int superGroup) {
    adjustLimits(superGroups, superGroup, SuperGroupTable::kFromColumn, SuperGroupTable::kToColumn, -1,
                 std::nullopt, std::nullopt);
}

bool limitCellAcceptsKey(char32_t key) {
    return (key >= U'0' && key <= U'9') || key == kKeyBackspace || key == kKeyTab || key == kKeyEnter;
}

bool isGroupNumberText(std::string_view text) {
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + (c - '0');
        if (value > kMaxGroupNumber) {
            return false;
        }
    }
    return true;
}

TableCell groupTableEnterTarget(TableCell current, int lastRow) {
    switch (current.column) {
        case GroupTable::kFromColumn:
            return {GroupTable::kToColumn, current.row};
        case GroupTable::kToColumn:
            return {GroupTable::kSuperGroupColumn, current.row};
        case GroupTable::kSuperGroupColumn:
            return {GroupTable::kFromColumn, current.row < lastRow ? current.row + 1 : current.row};
        default:
            return current;
    }
}

TableCell superGroupTableEnterTarget(TableCell current, int lastRow) {
    switch (current.column) {
        case SuperGroupTable::kFromColumn:
            return {SuperGroupTable::kToColumn, current.row};
        case SuperGroupTable::kToColumn:
            return {SuperGroupTable::kFromColumn, current.row < lastRow ? current.row + 1 : current.row};
        default:
            return current;
    }
}

}  // namespace quintaro
