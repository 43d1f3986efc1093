#include "core/text/horse_list.h"

namespace quintaro {

std::vector<std::string_view> splitHorseList(std::string_view cell) {
    std::vector<std::string_view> entries;
    std::size_t start = 0;
    auto isSeparator = [](char c) { return c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    for (std::size_t i = 0; i <= cell.size(); ++i) {
        if (i == cell.size() || isSeparator(cell[i])) {
            if (i > start) {
                entries.push_back(cell.substr(start, i - start));
            }
            start = i + 1;
        }
    }
    return entries;
}

bool horseListContains(std::string_view cell, std::string_view entry) {
    for (std::string_view e : splitHorseList(cell)) {
        if (e == entry) {
            return true;
        }
    }
    return false;
}

bool horseListContains(std::string_view cell, int horse) {
    return horseListContains(cell, std::to_string(horse));
}

}  // namespace quintaro
