#pragma once
// A number group of the TRIO construction window: a set of numbers (its list, "1,4,7") and how many of them a
// column must hold (Από at least, Έως at most). The group dialog marks the numbers on its own board, where
// only numbers selected in the construction window can be marked, and keeps its two bounds sensible on
// leaving them.

#include <optional>
#include <string>
#include <string_view>

#include "core/trio/board.h"

namespace quintaro::trio {

// The dialog's marks from a group's list: entries 1-20 are marked, others ignored (an empty list marks
// nothing).
TrioBoard marksFromList(std::string_view list);

// The group's list from the marks: the marked numbers in board order joined by ",".
std::string listFromMarks(const TrioBoard& marks);

struct MarkClick {
    bool tooMany = false;  // ten or more marks: "Δώστε τώρα τα όρια σας ..." is shown
    std::optional<std::string> toText;  // the new text of Έως, when it changes
};

// A click on the number: toggles its mark only when the number is selected in the construction window. With
// m marks after that, ten or more ask for the bounds; otherwise Έως becomes m (at most 3).
MarkClick clickMark(TrioBoard& marks, const TrioBoard& selection, int number);

inline constexpr std::string_view kTooManyMarksText = "Δώστε τώρα τα όρια σας για τους επιλεγμένους αριθμούς";
inline constexpr std::string_view kTooManyMarksCaption = "Ενημέρωση";

// The key filter of the two bound edits: digits, Backspace, Tab and Enter.
bool boundEditAcceptsKey(char32_t key);

// Leaving Από: it takes the text of Έως when Έως is smaller; "0" when either is not an integer.
std::string leaveFromEdit(std::string_view fromText, std::string_view toText);

// Leaving Έως: it takes the text of Από when smaller, then at most 3, then at most the number of marks;
// "0" when either is not an integer.
std::string leaveToEdit(std::string_view fromText, std::string_view toText, int marks);

}  // namespace quintaro::trio
