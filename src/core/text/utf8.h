#pragma once
// Small UTF-8 helpers: the program counts, cuts and compares texts by characters, as the
// fixed-width fields of its files and windows do.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quintaro::utf8 {

// Decodes the whole text into code points; nullopt when the text is not valid UTF-8.
std::optional<std::u32string> toCodePoints(std::string_view text);

// Appends one code point, encoded as UTF-8.
void append(std::string& out, char32_t codePoint);

// Number of characters (code points) of valid UTF-8 text.
std::size_t length(std::string_view text);

// The first n characters of the text (the whole text when it is shorter).
std::string left(std::string_view text, std::size_t n);

}  // namespace quintaro::utf8
