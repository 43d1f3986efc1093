#pragma once
// Numbers read from and written to text the way the program's cells and fields hold them.
// Conversion failures carry the exact message the user sees.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quintaro {

// A text that does not convert to the number asked for. what() is the message shown to the user,
// e.g. "'abc' is not a valid integer value".
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A 32-bit integer: leading blanks, an optional sign, then decimal digits (or "$"/"0x" and hex digits)
// and nothing after them. nullopt for anything else or a value out of range.
std::optional<std::int32_t> tryParseInt(std::string_view text);

// As tryParseInt; throws ConversionError("'<text>' is not a valid integer value") on failure.
std::int32_t parseInt(std::string_view text);

// A floating-point number written with the given decimal separator: blanks around it, an optional sign,
// digits with at most one separator, an optional exponent. nullopt for anything else.
std::optional<double> tryParseFloat(std::string_view text, char decimalSeparator);

// As tryParseFloat; throws ConversionError("'<text>' is not a valid floating point value") on failure.
double parseFloat(std::string_view text, char decimalSeparator);

// The amount with two decimals ("%.2f") and the given decimal separator: 37.5 -> "37.50" or "37,50".
std::string formatFixed2(double value, char decimalSeparator);

// The number in general format with up to 15 significant digits and no trailing zeros, as the calculators
// write their results: 100 -> "100", 11.11 -> "11.11", 200/115 -> "1.73913043478261". Fixed notation while
// the number has at most 15 digits before the point and is at least 0.00001; otherwise scientific ("1E20",
// "1.5E-6").
std::string formatGeneral(double value, char decimalSeparator);

// The text with blanks (spaces, tabs, line ends) removed from both ends.
std::string_view trimmed(std::string_view text);

}  // namespace quintaro
