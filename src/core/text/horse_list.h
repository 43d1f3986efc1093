#pragma once
// Horse lists: decimal horse numbers joined by "," without blanks ("1,4,7"). This is the form in which
// selections, basics and gathered columns are held in cells and shown.
// Readers trim the cell, split it at commas (blanks separate entries too) and compare entries as texts.

#include <string>
#include <string_view>
#include <vector>

namespace quintaro {

// The entries of a horse-list cell, in cell order; empty entries are skipped.
std::vector<std::string_view> splitHorseList(std::string_view cell);

// True when one entry of the cell is exactly the given text ("1" is not in "10,12").
bool horseListContains(std::string_view cell, std::string_view entry);

// True when one entry of the cell is exactly the decimal text of the horse number.
bool horseListContains(std::string_view cell, int horse);

// The numbers joined by "," in the given order: {1,4,7} -> "1,4,7".
template <typename Numbers>
std::string joinHorseList(const Numbers& numbers) {
    std::string out;
    for (const auto& n : numbers) {
        if (!out.empty()) {
            out.push_back(',');
        }
        out += std::to_string(static_cast<int>(n));
    }
    return out;
}

}  // namespace quintaro
