#pragma once
// The condition grid of the TRIO construction window: 4 columns x 9 rows of text cells. Row 0 and column 0
// are fixed (headings and condition names); rows 1-8 hold the ΑΠΟ and ΕΩΣ bounds of one condition each and,
// in column 3, the "ON" mark of a row whose bounds differ from its neutral pair. The cells are the store: the
// calculation reads them as integers at each use.

#include <array>
#include <string_view>

#include "core/game/text_grid.h"

namespace quintaro::trio {

inline constexpr int kConditionCount = 8;
inline constexpr int kGridColumns = 4;
inline constexpr int kGridRows = kConditionCount + 1;
inline constexpr int kFromColumn = 1;  // ΑΠΟ
inline constexpr int kToColumn = 2;    // ΕΩΣ
inline constexpr int kOnColumn = 3;
inline constexpr std::array<int, kGridColumns> kGridColumnWidths = {130, 80, 80, 50};

enum ConditionRow {
    kSumRow = 1,  // ΑΘΡΟΙΣΜΑ
    kOddRow,      // ΜΟΝΑ
    kEvenRow,     // ΖΥΓΑ
    kLeftRow,     // ΑΡΙΣΤΕΡΑ
    kRightRow,    // ΔΕΞΙΑ
    kDigitsRow,   // ΛΗΓΟΝΤΕΣ
    kFivesRow,    // 5 άδες
    kRangeRow,    // ΕΥΡΟΣ ΣΤΗΛΗΣ
};

// One condition row: its name, its neutral (default) pair, and the clamps applied on Enter: a value below
// lowLimit becomes lowText, a value above highLimit becomes highText.
struct ConditionRowRule {
    std::string_view name;
    int neutralFrom;
    int neutralTo;
    int lowLimit;
    std::string_view lowText;
    int highLimit;
    std::string_view highText;
};

// The rule of grid row 1-8.
const ConditionRowRule& conditionRowRule(int row);

// Empties rows 1-8 (every "ON" mark included), writes the headings of row 0 and column 0 and the default
// bounds.
void resetConditionGrid(TextGrid& grid);

// True when a row's (ΑΠΟ, ΕΩΣ) pair differs from its neutral pair, so the condition is applied.
bool isConditionActive(int row, int from, int to);

// The key filter of the grid: nothing in column 0; elsewhere Backspace, Tab, Enter and the digits only.
bool conditionGridAcceptsKey(int column, char32_t key);

// Enter in cell (column, row): clamps an edited ΑΠΟ or ΕΩΣ cell by the row's rule (lower test first, then the
// upper test on the new text; a test that cannot read an integer is skipped), lets ΕΩΣ take the text of ΑΠΟ
// when it is smaller, and sets the row's "ON" mark. An empty or non-integer bound makes the mark's evaluation
// throw ConversionError with the usual message; the mark is then left as it was.
void conditionGridEnter(TextGrid& grid, int column, int row);

}  // namespace quintaro::trio
