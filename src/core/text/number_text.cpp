#include "core/text/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace quintaro {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (isDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::optional<std::int32_t> tryParseInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = base == 16 ? hexValue(text[i]) : (isDigit(text[i]) ? text[i] - '0' : -1);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * base + digit;
        if (value > std::int64_t{std::numeric_limits<std::uint32_t>::max()}) {
            return std::nullopt;
        }
    }
    if (negative) {
        value = -value;
    }
    if (base == 16 && value > std::numeric_limits<std::int32_t>::max()) {
        value -= std::int64_t{1} << 32;  // hex texts name the 32-bit pattern
    }
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::int32_t parseInt(std::string_view text) {
    if (auto v = tryParseInt(text)) {
        return *v;
    }
    throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
}

std::optional<double> tryParseFloat(std::string_view text, char decimalSeparator) {
    const std::string_view t = trimmed(text);
    std::string plain;  // the number rewritten with '.' for strtod
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        plain.push_back(t[i++]);
    }
    bool digits = false;
    bool separator = false;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (isDigit(c)) {
            digits = true;
            plain.push_back(c);
        } else if (c == decimalSeparator && !separator) {
            separator = true;
            plain.push_back('.');
        } else {
            break;
        }
    }
    if (!digits) {
        return std::nullopt;
    }
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        plain.push_back('e');
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
            plain.push_back(t[i++]);
        }
        bool expDigits = false;
        for (; i < t.size() && isDigit(t[i]); ++i) {
            expDigits = true;
            plain.push_back(t[i]);
        }
        if (!expDigits) {
            return std::nullopt;
        }
    }
    if (i != t.size()) {
        return std::nullopt;
    }
    // from_chars does not look at the C locale, which a windowed program sets from the user's.
    double value = 0;
    const char* first = plain.data();
    if (*first == '+') {
        ++first;
    }
    const auto [end, ec] = std::from_chars(first, plain.data() + plain.size(), value);
    if (ec != std::errc{} || end != plain.data() + plain.size()) {
        return std::nullopt;
    }
    return value;
}

double parseFloat(std::string_view text, char decimalSeparator) {
    if (auto v = tryParseFloat(text, decimalSeparator)) {
        return *v;
    }
    throw ConversionError("'" + std::string(text) + "' is not a valid floating point value");
}

std::string formatFixed2(double value, char decimalSeparator) {
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    std::string out(buffer, result.ptr);
    for (char& c : out) {
        if (c == '.') {
            c = decimalSeparator;
        }
    }
    return out;
}

std::string formatGeneral(double value, char decimalSeparator) {
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value > 0 ? "INF" : "-INF";
    }
    if (value == 0) {
        return "0";  // also for -0
    }
    constexpr int kPrecision = 15;
    // "d.dddddddddddddde[+-]x": the 15 significant digits after rounding, and the decimal exponent.
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer - 1, std::fabs(value),
                                       std::chars_format::scientific, kPrecision - 1);
    *written.ptr = '\0';
    std::string digits;
    const char* p = buffer;
    for (; *p != 'e'; ++p) {
        if (isDigit(*p)) {
            digits.push_back(*p);
        }
    }
    const int exponent = std::atoi(p + 1);
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }

    std::string out = value < 0 ? "-" : "";
    if (exponent >= kPrecision || exponent < -5) {
        out += digits[0];
        if (digits.size() > 1) {
            out += decimalSeparator;
            out.append(digits, 1);
        }
        out += 'E';
        out += std::to_string(exponent);
        return out;
    }
    if (exponent < 0) {
        out += '0';
        out += decimalSeparator;
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
        return out;
    }
    const auto whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) {
        out += digits;
        out.append(whole - digits.size(), '0');
        return out;
    }
    out.append(digits, 0, whole);
    out += decimalSeparator;
    out.append(digits, whole);
    return out;
}

}  // namespace quintaro
