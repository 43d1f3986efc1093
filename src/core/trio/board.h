#pragma once
// The TRIO number board: the numbers 1-20 in two rows of ten, each with a selection flag. Flag (row, column)
// stands for the number 10 * row + column + 1. The construction window keeps its selection on such a board
// and the number-group dialog its marks.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace quintaro::trio {

inline constexpr int kBoardRows = 2;
inline constexpr int kBoardColumns = 10;
inline constexpr int kBoardNumbers = kBoardRows * kBoardColumns;

// The number of a board cell and the text the cell shows: "1" ... "20".
constexpr int boardNumber(int row, int column) {
    return 10 * row + column + 1;
}
std::string boardCellText(int row, int column);

class TrioBoard {
public:
    bool isSet(int row, int column) const { return flags_[index(row, column)]; }
    void set(int row, int column, bool on) { flags_[index(row, column)] = on; }
    void toggle(int row, int column) { flags_[index(row, column)] = !flags_[index(row, column)]; }

    // By number 1-20; numbers outside the board read as not set and are ignored when set.
    bool isNumberSet(int number) const;
    void setNumber(int number, bool on);

    void clear() { flags_.fill(false); }
    int count() const;

    // The numbers whose flag is set, in board order (row 0 left to right, then row 1), hence ascending.
    std::vector<int> numbers() const;

    // The " Μ " / "Ζ" buttons of a row: every number of the row with the button's parity (odd or even) takes
    // the button's new pressed state; numbers of the other parity keep their flags.
    void setParity(int row, bool odd, bool pressed);

    bool operator==(const TrioBoard&) const = default;

private:
    static int index(int row, int column) { return row * kBoardColumns + column; }
    std::array<bool, kBoardNumbers> flags_{};
};

// Sets the flag of every board number whose cell text equals an entry of the comma list exactly
// (the selection line of a conditions file). Entries that name no cell are ignored.
void selectFromList(TrioBoard& board, std::string_view list);

}  // namespace quintaro::trio
