#pragma once
// The selection table of the game window (`Sgrd`): with R races,
//   row 0          race label ("ΚΟΥΡΣΕΣ"/"ΘΕΣΕΙΣ") | "ΑΛΟΓΑ"            | basic numbers "1", "2", ...
//   rows 1..R      race number                      | selected horses    | the basic's horses in that race
//   row R+1        (empty)                          | "ΑΠΟ"              | lower bound of the basic's hits
//   row R+2        (empty)                          | "ΕΩΣ"              | upper bound
//   row R+3        (empty)                          | "ΟΜΑΣ"             | group number
// Column 2 is the first basic and always exists, possibly empty.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/game/race_horses.h"
#include "core/game/text_grid.h"

namespace quintaro {

struct SumBounds {
    int least = 0;
    int greatest = 0;
    bool operator==(const SumBounds&) const = default;
};

class SelectionTable {
public:
    static constexpr int kRaceColumn = 0;
    static constexpr int kHorsesColumn = 1;
    static constexpr int kFirstBasicColumn = 2;

    SelectionTable() { reset(0, ""); }

    // Empties every basic and sets up R + 4 rows and 3 columns: labels, race numbers, and group "0" in the
    // first basic. The selected horses (column 1 of the race rows) are left empty.
    void reset(int races, std::string_view rowLabel);

    int races() const { return races_; }
    int fromRow() const { return races_ + 1; }
    int toRow() const { return races_ + 2; }
    int groupRow() const { return races_ + 3; }

    int columnCount() const { return grid_.columnCount(); }
    int rowCount() const { return grid_.rowCount(); }
    int basicCount() const { return grid_.columnCount() - kFirstBasicColumn; }
    bool isBasicColumn(int column) const { return column >= kFirstBasicColumn && column < columnCount(); }

    const std::string& cell(int column, int row) const { return grid_.cell(column, row); }
    void setCell(int column, int row, std::string_view text) { grid_.setCell(column, row, text); }
    const TextGrid& grid() const { return grid_; }

    // A basic column is empty when all its race cells are blank after trimming.
    bool isBasicEmpty(int column) const;

    // True when there is exactly one basic column and it is empty: counting then applies no condition.
    bool hasNoBasics() const { return basicCount() == 1 && isBasicEmpty(kFirstBasicColumn); }

    // Writes each race's horses, comma-separated, into column 1.
    void setSelectedHorses(const aTAloga& races);

    // The selected horses of race r (1-based) as parsed from column 1, in cell order; entries that are not
    // numbers are skipped.
    std::vector<int> selectedHorses(int race) const;

    // The least and greatest column sums: over the races, the smallest and the largest selected horse.
    // nullopt when a race cell is empty or holds an entry that is not a number.
    std::optional<SumBounds> computeSumBounds() const;

    // The number of columns of the full system: the product of the races' horse counts (64-bit).
    std::uint64_t fullSystemSize() const;

    // Adds a basic column at the right, unless the last column is an empty basic. Its header is the previous
    // header + 1 (1 when that is not a number), its group "0". Returns the new column.
    std::optional<int> addBasic();

    // Removes basic `column`. With more than one basic the column goes and the headers are renumbered
    // 1, 2, ...; the only basic is emptied instead (header included) and keeps group "0".
    void deleteBasic(int column);

    // Empties every basic: back to one empty basic column with group "0" (its header stays).
    void clearBasics();

    // Gives the table 2 + basics columns (for loading a game); new columns are empty.
    void setBasicCount(int basics);

    bool operator==(const SelectionTable&) const = default;

private:
    TextGrid grid_;
    int races_ = 0;
};

// Column widths of the game window's grid, from the width w of the letter "X" in the grid's font. Text is
// measured as (w - w div 4) per character.
int horsesColumnWidth(int xWidth, const std::vector<std::string>& raceTexts);  // max(3w, text) + 2
int basicColumnWidth(int xWidth, const std::vector<std::string>& raceTexts);   // max(25, text) + 5

}  // namespace quintaro
