#include "core/text/cp1253.h"

#include <array>

#include "core/text/utf8.h"

namespace quintaro::cp1253 {
namespace {

// Code points of the bytes 0x80..0xFF; 0 marks a byte the code page leaves undefined.
// The bytes 0x00..0x7F are ASCII.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x20AC, 0x0000, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x0000, 0x2030, 0x0000, 0x2039, 0x0000,
    0x0000, 0x0000, 0x0000, 0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0000, 0x2122,
    0x0000, 0x203A, 0x0000, 0x0000, 0x0000, 0x0000, 0x00A0, 0x0385, 0x0386, 0x00A3, 0x00A4, 0x00A5, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x0000, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x2015, 0x00B0, 0x00B1, 0x00B2, 0x00B3,
    0x0384, 0x00B5, 0x00B6, 0x00B7, 0x0388, 0x0389, 0x038A, 0x00BB, 0x038C, 0x00BD, 0x038E, 0x038F, 0x0390,
    0x0391, 0x0392, 0x0393, 0x0394, 0x0395, 0x0396, 0x0397, 0x0398, 0x0399, 0x039A, 0x039B, 0x039C, 0x039D,
    0x039E, 0x039F, 0x03A0, 0x03A1, 0x0000, 0x03A3, 0x03A4, 0x03A5, 0x03A6, 0x03A7, 0x03A8, 0x03A9, 0x03AA,
    0x03AB, 0x03AC, 0x03AD, 0x03AE, 0x03AF, 0x03B0, 0x03B1, 0x03B2, 0x03B3, 0x03B4, 0x03B5, 0x03B6, 0x03B7,
    0x03B8, 0x03B9, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BE, 0x03BF, 0x03C0, 0x03C1, 0x03C2, 0x03C3, 0x03C4,
    0x03C5, 0x03C6, 0x03C7, 0x03C8, 0x03C9, 0x03CA, 0x03CB, 0x03CC, 0x03CD, 0x03CE, 0x0000,
};

}  // namespace

int toUnicode(unsigned char byte) {
    if (byte < 0x80) {
        return byte;
    }
    const char16_t cp = kHighHalf[byte - 0x80];
    return cp == 0 ? -1 : static_cast<int>(cp);
}

int fromUnicode(char32_t codePoint) {
    if (codePoint < 0x80) {
        return static_cast<int>(codePoint);
    }
    for (std::size_t i = 0; i < kHighHalf.size(); ++i) {
        if (kHighHalf[i] != 0 && kHighHalf[i] == codePoint) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

std::string decode(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const int cp = toUnicode(byte);
        if (cp < 0) {
            throw CodecError("byte 0x" + std::string{"0123456789ABCDEF"[byte >> 4]} +
                             "0123456789ABCDEF"[byte & 15] + " at offset " + std::to_string(i) +
                             " is not defined in the Greek code page (Windows-1253)");
        }
        utf8::append(out, static_cast<char32_t>(cp));
    }
    return out;
}

std::string encode(std::string_view text) {
    const auto codePoints = utf8::toCodePoints(text);
    if (!codePoints) {
        throw CodecError("the text is not valid UTF-8");
    }
    std::string out;
    out.reserve(codePoints->size());
    for (char32_t cp : *codePoints) {
        const int byte = fromUnicode(cp);
        if (byte < 0) {
            std::string ch;
            utf8::append(ch, cp);
            throw CodecError("the character '" + ch + "' has no code in the Greek code page (Windows-1253)");
        }
        out.push_back(static_cast<char>(byte));
    }
    return out;
}

bool canEncode(std::string_view text) {
    const auto codePoints = utf8::toCodePoints(text);
    if (!codePoints) {
        return false;
    }
    for (char32_t cp : *codePoints) {
        if (fromUnicode(cp) < 0) {
            return false;
        }
    }
    return true;
}

}  // namespace quintaro::cp1253
