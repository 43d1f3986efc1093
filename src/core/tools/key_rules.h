#pragma once
// Which typed characters reach the number fields and the calculator grids. Only printable characters are
// decided here; Backspace, Enter, Esc and Tab have their own rules in the windows.

#include <optional>

namespace quintaro::keys {

constexpr bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

// A calculator cell takes digits and a decimal point: a typed "," or "." becomes the locale's separator,
// so "." typed under a "," locale puts "," into the cell. Every other character is dropped (nullopt).
constexpr std::optional<char32_t> calculatorCellChar(char32_t typed, char decimalSeparator) {
    if (isDigit(typed)) {
        return typed;
    }
    if (typed == U',' || typed == U'.') {
        return static_cast<char32_t>(decimalSeparator);
    }
    return std::nullopt;
}

// The cost fields and the cut field take digits and the locale's separator only; the other separator
// character is dropped.
constexpr bool numberFieldAccepts(char32_t typed, char decimalSeparator) {
    return isDigit(typed) || typed == static_cast<char32_t>(decimalSeparator);
}

// Enter in a calculator's input row moves to the next runner, from the last back to the first.
constexpr int nextRunnerColumn(int column, int runners) {
    return (column + 1) % runners;
}

}  // namespace quintaro::keys
