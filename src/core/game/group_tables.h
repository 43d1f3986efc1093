#pragma once
// The group table ("ΟΡΙΑ ΟΜΑΔΩΝ") and the super-group table ("ΟΡΙΑ ΥΠΕΡΟΜΑΔΩΝ"), held as text cells with
// their header row, and the operations that keep them in step with the basics of the selection table.
//
//   group table        "ΟΜΑΣ" | "ΟΡΟΙ" | "ΑΠΟ" | "ΕΩΣ" | "ΥΠΕΡ"     one row per group of the basics
//   super-group table  "ΥΠΕ"  | "ΟΜΑΔΕΣ" | "ΑΠΟ" | "ΕΩΣ"           one row per super-group of the groups
//
// A group holds when "ΑΠΟ" .. "ΕΩΣ" of its basics hold; a super-group holds when "ΑΠΟ" .. "ΕΩΣ" of its groups
// hold. The cells are the store: counting, saving and printing parse them at each use. Group and super-group
// numbers run from 0 to 255; a larger number read from a file matches no row.

#include <span>
#include <string>
#include <string_view>

#include "core/game/selection_table.h"
#include "core/game/text_grid.h"

namespace quintaro {

inline constexpr int kMaxGroupNumber = 255;

// A table of limits: a header row, then data rows 1 .. rowCount() - 1.
class LimitTable {
public:
    int columnCount() const { return grid_.columnCount(); }
    int rowCount() const { return grid_.rowCount(); }  // with the header row
    int dataRows() const { return grid_.rowCount() - 1; }
    int lastRow() const { return grid_.rowCount() - 1; }

    const std::string& cell(int column, int row) const { return grid_.cell(column, row); }
    void setCell(int column, int row, std::string_view text) { grid_.setCell(column, row, text); }
    const TextGrid& grid() const { return grid_; }

    // A fresh table: the header row and one empty row.
    void clear();

    // The header row and `rows` data rows; rows that remain keep their cells, new rows are empty.
    void setDataRows(int rows);

    void swapRows(int a, int b);

    bool operator==(const LimitTable& other) const { return grid_ == other.grid_; }

protected:
    explicit LimitTable(std::span<const std::string_view> headers);

private:
    TextGrid grid_;
    std::span<const std::string_view> headers_;
};

class GroupTable : public LimitTable {
public:
    static constexpr int kNumberColumn = 0;      // "ΟΜΑΣ": the group number
    static constexpr int kMembersColumn = 1;     // "ΟΡΟΙ": the non-empty basics of the group
    static constexpr int kFromColumn = 2;        // "ΑΠΟ": least basics that must hold
    static constexpr int kToColumn = 3;          // "ΕΩΣ": most basics that may hold
    static constexpr int kSuperGroupColumn = 4;  // "ΥΠΕΡ": the group's super-group
    static constexpr int kColumns = 5;

    GroupTable();
};

class SuperGroupTable : public LimitTable {
public:
    static constexpr int kNumberColumn = 0;  // "ΥΠΕ": the super-group number
    static constexpr int kGroupsColumn = 1;  // "ΟΜΑΔΕΣ": the groups in the super-group
    static constexpr int kFromColumn = 2;    // "ΑΠΟ": least groups that must hold
    static constexpr int kToColumn = 3;      // "ΕΩΣ": most groups that may hold
    static constexpr int kColumns = 4;

    SuperGroupTable();
};

// Rebuilds the group table from the basics of the selection table: one row per distinct group number of the
// first basic (in use or not; a group cell that is no number in 0..255 counts as 0) and of every basic in use
// (a cell that is no number in 0..255 gives no row), ascending. "ΟΡΟΙ" is the number of basics in use whose
// group cell is exactly the group's decimal text. A group without a row before this rebuild gets "ΑΠΟ" and
// "ΕΩΣ" equal to that count and "ΥΠΕΡ" "0". A group that had a row keeps its "ΥΠΕΡ"; each of its limits that
// equalled the old count ("all of them") becomes the new count, any other number is kept, capped at the new
// count, and a cell that is no number stays as it is.
// Then orders the rows and rebuilds the super-group table. Throws ConversionError from that rebuild (see
// rebuildSuperGroupTable); the group table is then already rebuilt and ordered.
void rebuildGroupTable(const SelectionTable& selection, GroupTable& groups, SuperGroupTable& superGroups);

// Bubble-sorts the group rows by the text of "ΥΠΕΡ" ("10" before "2"); a row whose "ΥΠΕΡ" is blank is never
// swapped with its neighbours.
void orderGroupRows(GroupTable& groups);

// Rebuilds the super-group table from the "ΥΠΕΡ" cells of the group table: one row per distinct super-group
// (0..255; a larger number gives no row), ascending. Rows are reused in place and keep their limits; when a
// row's old "ΟΜΑΔΕΣ" is below the new count the limits of the super-group are raised (capped at the count),
// when it is above they are lowered; empty limits become the count.
// Throws ConversionError("'<cell>' is not a valid integer value") for a "ΥΠΕΡ" cell that is empty or no
// number, before anything is changed.
void rebuildSuperGroupTable(const GroupTable& groups, SuperGroupTable& superGroups);

// The "&OK" and "&ΥΠΕΡΟΜΑΔΕΣ" buttons of the group dialog: order the group rows, then rebuild the super-group
// table (which may throw ConversionError as above; the rows stay ordered).
void orderAndRebuildSuperGroups(GroupTable& groups, SuperGroupTable& superGroups);

// A basic joined group `group`: in every row of that group, "ΑΠΟ" = min(ΟΡΟΙ, max(0, ΑΠΟ + 1)) and
// "ΕΩΣ" = min(ΟΡΟΙ, ΕΩΣ + 1). Rows whose cells are no numbers are skipped.
void raiseGroupLimits(GroupTable& groups, int group);
// A basic left group `group`: "ΑΠΟ" = max(0, ΑΠΟ - 1), "ΕΩΣ" = max(0, ΕΩΣ - 1).
void lowerGroupLimits(GroupTable& groups, int group);
// The same, given the group cell's text (a text that is no number changes nothing).
void raiseGroupLimits(GroupTable& groups, std::string_view groupText);
void lowerGroupLimits(GroupTable& groups, std::string_view groupText);

// A super-group gained groups (now `groupCount`): limits raised by one, capped at the count.
void raiseSuperGroupLimits(SuperGroupTable& superGroups, int superGroup, int groupCount);
// A super-group lost groups: limits lowered by one, not below 0.
void lowerSuperGroupLimits(SuperGroupTable& superGroups, int superGroup);

// Typing in the two grids: only digits, Backspace, Tab and Enter reach a cell.
inline constexpr char32_t kKeyBackspace = 8;
inline constexpr char32_t kKeyTab = 9;
inline constexpr char32_t kKeyEnter = 13;
bool limitCellAcceptsKey(char32_t key);

// The text of a group number being typed ("ΥΠΕΡ" cells, the basic editor's "ΟΜΑΣ" field): digits only, with
// a value of at most 255; an empty text is allowed while typing.
bool isGroupNumberText(std::string_view text);

struct TableCell {
    int column = 0;
    int row = 0;
    bool operator==(const TableCell&) const = default;
};

// Where Enter moves the current cell. Group table: "ΑΠΟ" -> "ΕΩΣ" -> "ΥΠΕΡ" -> "ΑΠΟ" of the next row (of the
// same row when it is the last). Super-group table: "ΑΠΟ" -> "ΕΩΣ" -> "ΑΠΟ" of the next row (same rule).
// Any other cell stays where it is.
TableCell groupTableEnterTarget(TableCell current, int lastRow);
TableCell superGroupTableEnterTarget(TableCell current, int lastRow);

}  // namespace quintaro
