#include "core/text/number_text.h"

#include <gtest/gtest.h>

#include "core/text/horse_list.h"

namespace quintaro {
namespace {

TEST(ParseInt, AcceptsWhatTheCellsHoldAndRefusesTheRest) {
    struct Case {
        const char* text;
        std::optional<int> value;
    } cases[] = {
        {"0", 0},           {"12", 12},          {"  7", 7},  {"+3", 3}, {"-4", -4},
        {"$1F", 31},        {"0x10", 16},        {"01", 1},   {"", {}},  {" ", {}},
        {"7 ", {}},         {"1,5", {}},         {"abc", {}}, {"-", {}}, {"2147483647", 2147483647},
        {"2147483648", {}}, {"99999999999", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(tryParseInt(c.text), c.value) << "'" << c.text << "'";
    }
}

TEST(ParseInt, ErrorNamesTheText) {
    try {
        parseInt("x1");
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'x1' is not a valid integer value");
    }
}

TEST(ParseFloat, UsesTheGivenSeparatorOnly) {
    struct Case {
        const char* text;
        char sep;
        std::optional<double> value;
    } cases[] = {
        {"1.5", '.', 1.5},     {"1,5", ',', 1.5},   {"1,5", '.', {}}, {"1.5", ',', {}}, {" 2 ", '.', 2.0},
        {"-0.25", '.', -0.25}, {"1e2", '.', 100.0}, {".5", '.', 0.5}, {"", '.', {}},    {"1.5.0", '.', {}},
        {"1.50", '.', 1.5},    {"+3", '.', 3.0},    {"e5", '.', {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(tryParseFloat(c.text, c.sep), c.value) << "'" << c.text << "' with '" << c.sep << "'";
    }
    try {
        parseFloat("", ',');
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid floating point value");
    }
}

TEST(FormatFixed2, TwoDecimalsWithTheLocaleSeparator) {
    EXPECT_EQ(formatFixed2(37.5, '.'), "37.50");
    EXPECT_EQ(formatFixed2(37.5, ','), "37,50");
    EXPECT_EQ(formatFixed2(0, '.'), "0.00");
    EXPECT_EQ(formatFixed2(768000000000.0, '.'), "768000000000.00");
    EXPECT_EQ(formatFixed2(25 * 0.3, '.'), "7.50");
}

TEST(HorseList, SplitsAtCommasAndBlanksAndComparesAsText) {
    EXPECT_EQ(splitHorseList(" 1,4, 7 "), (std::vector<std::string_view>{"1", "4", "7"}));
    EXPECT_TRUE(splitHorseList("").empty());
    EXPECT_TRUE(horseListContains("10,12", 12));
    EXPECT_FALSE(horseListContains("10,12", 1));
    EXPECT_FALSE(horseListContains("01,3", 1));  // compared as text
    EXPECT_EQ(joinHorseList(std::vector<int>{1, 4, 7}), "1,4,7");
}

}  // namespace
}  // namespace quintaro
