#pragma once
// The Greek code page (Windows-1253) in which game files, printer layouts and TRIO files hold their texts.
// Text inside the program is UTF-8; conversion happens only at the file boundary.

#include <stdexcept>
#include <string>
#include <string_view>

namespace quintaro::cp1253 {

// A byte that the code page leaves undefined, a character it cannot hold, or malformed UTF-8.
class CodecError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Decodes cp1253 bytes into UTF-8. Throws CodecError on an undefined byte.
std::string decode(std::string_view bytes);

// Encodes UTF-8 text into cp1253 bytes. Throws CodecError on a character without a cp1253 code
// or on malformed UTF-8.
std::string encode(std::string_view utf8);

// True when every character of the UTF-8 text has a cp1253 code.
bool canEncode(std::string_view utf8);

// The Unicode code point of one cp1253 byte, or -1 when the byte is undefined.
int toUnicode(unsigned char byte);

// The cp1253 byte of one code point, or -1 when the code page has none.
int fromUnicode(char32_t codePoint);

}  // namespace quintaro::cp1253
