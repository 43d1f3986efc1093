#include "core/text/cp1253.h"

#include <gtest/gtest.h>

#include <set>

namespace quintaro {
namespace {

const std::set<int> kUndefined = {0x81, 0x88, 0x8A, 0x8C, 0x8D, 0x8E, 0x8F, 0x90, 0x98,
                                  0x9A, 0x9C, 0x9D, 0x9E, 0x9F, 0xAA, 0xD2, 0xFF};

TEST(Cp1253, EveryDefinedByteRoundTripsAndUndefinedOnesAreRefused) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        if (kUndefined.count(b)) {
            EXPECT_THROW(cp1253::decode(byte), cp1253::CodecError) << "byte " << b;
            EXPECT_EQ(cp1253::toUnicode(static_cast<unsigned char>(b)), -1);
            continue;
        }
        const std::string utf8 = cp1253::decode(byte);
        EXPECT_EQ(cp1253::encode(utf8), byte) << "byte " << b;
    }
}

TEST(Cp1253, GreekTextHasItsCodePageBytes) {
    // "ΣΚΟΡ 4": capital sigma 0xD3, kappa 0xCA, omicron 0xCF, rho 0xD1; tonos letters and the euro too.
    EXPECT_EQ(cp1253::encode("ΣΚΟΡ 4"), "\xD3\xCA\xCF\xD1 4");
    EXPECT_EQ(cp1253::encode("Έξοδος"), "\xB8\xEE\xEF\xE4\xEF\xF2");
    EXPECT_EQ(cp1253::encode("€"), "\x80");
    EXPECT_EQ(cp1253::decode("\xC1\xD1\xD7\xC5\xC9\xC1"), "ΑΡΧΕΙΑ");
}

TEST(Cp1253, CharactersWithoutACodeAndBadUtf8AreRefused) {
    EXPECT_THROW(cp1253::encode("Привет"), cp1253::CodecError);    // Cyrillic
    EXPECT_THROW(cp1253::encode("ä"), cp1253::CodecError);         // Latin-1 letter absent from cp1253
    EXPECT_THROW(cp1253::encode("\xC3"), cp1253::CodecError);      // cut-off sequence
    EXPECT_THROW(cp1253::encode("\xC0\x80"), cp1253::CodecError);  // overlong NUL
    EXPECT_FALSE(cp1253::canEncode("日本"));
    EXPECT_TRUE(cp1253::canEncode("ΒΕΛΤΡΑΝΟ 123"));
}

}  // namespace
}  // namespace quintaro
