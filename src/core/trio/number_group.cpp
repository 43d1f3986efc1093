#include "core/trio/number_group.h"

#include "core/text/horse_list.h"
#include "core/text/number_text.h"

namespace quintaro::trio {

TrioBoard marksFromList(std::string_view list) {
    TrioBoard marks;
    if (trimmed(list).empty()) {
        return marks;
    }
    for (std::string_view entry : splitHorseList(list)) {
        if (const auto v = tryParseInt(entry); v && *v >= 1 && *v <= kBoardNumbers) {
            marks.setNumber(*v, true);
        }
    }
    return marks;
}

std::string listFromMarks(const TrioBoard& marks) {
    return joinHorseList(marks.numbers());
}

MarkClick clickMark(TrioBoard& marks, const TrioBoard& selection, int number) {
    if (selection.isNumberSet(number)) {
        marks.setNumber(number, !marks.isNumberSet(number));
    }
    const int m = marks.count();
    if (m >= 10) {
        return {true, std::nullopt};
    }
    return {false, m <= 3 ? std::to_string(m) : std::string("3")};
}

bool boundEditAcceptsKey(char32_t key) {
    return key == 8 || key == 9 || key == 13 || (key >= U'0' && key <= U'9');
}

std::string leaveFromEdit(std::string_view fromText, std::string_view toText) {
    const auto from = tryParseInt(fromText);
    const auto to = tryParseInt(toText);
    if (!from || !to) {
        return "0";
    }
    return std::string(*to < *from ? toText : fromText);
}

std::string leaveToEdit(std::string_view fromText, std::string_view toText, int marks) {
    const auto from = tryParseInt(fromText);
    const auto to = tryParseInt(toText);
    if (!from || !to) {
        return "0";
    }
    std::string text(toText);
    int value = *to;
    if (value < *from) {
        text = fromText;
        value = *from;
    }
    if (value > 3) {
        text = "3";
        value = 3;
    }
    if (value > marks) {
        text = std::to_string(marks);
    }
    return text;
}

}  // namespace quintaro::trio
