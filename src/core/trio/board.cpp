#include "core/trio/board.h"

#include "core/text/horse_list.h"

namespace quintaro::trio {

std::string boardCellText(int row, int column) {
    return std::to_string(boardNumber(row, column));
}

bool TrioBoard::isNumberSet(int number) const {
    return number >= 1 && number <= kBoardNumbers && flags_[number - 1];
}

void TrioBoard::setNumber(int number, bool on) {
    if (number >= 1 && number <= kBoardNumbers) {
        flags_[number - 1] = on;
    }
}

int TrioBoard::count() const {
    int n = 0;
    for (bool f : flags_) {
        n += f ? 1 : 0;
    }
    return n;
}

std::vector<int> TrioBoard::numbers() const {
    std::vector<int> out;
    for (int i = 0; i < kBoardNumbers; ++i) {
        if (flags_[i]) {
            out.push_back(i + 1);
        }
    }
    return out;
}

void TrioBoard::setParity(int row, bool odd, bool pressed) {
    for (int c = 0; c < kBoardColumns; ++c) {
        if ((boardNumber(row, c) % 2 == 1) == odd) {
            set(row, c, pressed);
        }
    }
}

void selectFromList(TrioBoard& board, std::string_view list) {
    for (std::string_view entry : splitHorseList(list)) {
        for (int r = 0; r < kBoardRows; ++r) {
            for (int c = 0; c < kBoardColumns; ++c) {
                if (entry == boardCellText(r, c)) {
                    board.set(r, c, true);
                }
            }
        }
    }
}

}  // namespace quintaro::trio
