#include "core/tools/calculators.h"

#include <gtest/gtest.h>

#include "core/text/number_text.h"
#include "core/tools/key_rules.h"

namespace quintaro::calc {
namespace {

RunnerCells cells(std::initializer_list<std::pair<int, const char*>> values) {
    RunnerCells out;
    for (const auto& [runner, text] : values) {
        out[static_cast<std::size_t>(runner - 1)] = text;
    }
    return out;
}

TEST(Rounding, TiesGoToTheEvenNeighbour) {
    struct Case {
        double x;
        double whole;
    } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, -0}, {-1.5, -2}, {2.4999, 2}, {2.5001, 3}};
    for (const Case& c : cases) {
        EXPECT_EQ(roundHalfEven(c.x), c.whole) << c.x;
    }
    EXPECT_EQ(round2(11.111111), 11.11);
    EXPECT_EQ(round2(0.125), 0.12);  // 12.5 -> 12
    EXPECT_EQ(round2(0.375), 0.38);  // 37.5 -> 38
}

TEST(GeneralFormat, FifteenSignificantDigitsWithoutTrailingZeros) {
    struct Case {
        double value;
        char sep;
        const char* text;
    } cases[] = {
        {100, '.', "100"},
        {11.11, '.', "11.11"},
        {11.11, ',', "11,11"},
        {200.0 / 115, '.', "1.73913043478261"},
        {200.0 / 115, ',', "1,73913043478261"},
        {100 - 85.47, '.', "14.53"},  // 14.530000000000001 in binary
        {0, '.', "0"},
        {-0.0, '.', "0"},
        {-2.5, '.', "-2.5"},
        {0.00001, '.', "0.00001"},
        {0.000001, '.', "1E-6"},
        {0.0000015, ',', "1,5E-6"},
        {123456789012345.0, '.', "123456789012345"},
        {1e15, '.', "1E15"},
        {1e20, '.', "1E20"},
        {1.0 / 3, '.', "0.333333333333333"},
        {2.0 / 3, '.', "0.666666666666667"},
        {9.9999999999999999, '.', "10"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatGeneral(c.value, c.sep), c.text) << c.value;
    }
}

// The calculator cases: what the window shows after a calculation.
TEST(OddsToPercentages, MarginReturnCutAndProbabilities) {
    struct Case {
        RunnerCells odds;
        char sep;
        const char* margin;
        const char* ret;
        const char* cut;
        std::vector<std::pair<int, const char*>> results;
    } cases[] = {
        {cells({{1, "1.8"}, {2, "1.8"}}), '.', "11.11", "90", "10", {{1, "50"}, {2, "50"}}},
        {cells({{1, "2"}, {2, "2"}}), '.', "0", "100", "0", {{1, "50"}, {2, "50"}}},
        {cells({{1, "1,8"}, {2, "1,8"}}), ',', "11,11", "90", "10", {{1, "50"}, {2, "50"}}},
        // A gap runner takes no part and keeps an empty result.
        {cells({{1, "2"}, {3, "4"}, {20, "4"}}), '.', "0", "100", "0", {{1, "50"}, {3, "25"}, {20, "25"}}},
        // Three runners at 2.5: book 120, return 83.33, cut 100 - 83.33 shown as 16.67.
        {cells({{1, "2.5"}, {2, "2.5"}, {3, "2.5"}}),
         '.',
         "20",
         "83.33",
         "16.67",
         {{1, "33.33"}, {2, "33.33"}, {3, "33.33"}}},
    };
    for (const Case& c : cases) {
        CalculatorFields f;
        ASSERT_TRUE(oddsToPercentages(c.odds, c.sep, f));
        EXPECT_EQ(f.margin, c.margin);
        EXPECT_EQ(f.returnPercent, c.ret);
        EXPECT_EQ(f.cut, c.cut);
        RunnerCells expected;
        for (const auto& [runner, text] : c.results) {
            expected[static_cast<std::size_t>(runner - 1)] = text;
        }
        EXPECT_EQ(f.results, expected) << "margin " << c.margin;
    }
}

TEST(OddsToPercentages, NoOddsChangeNothing) {
    CalculatorFields f;
    f.results[4] = "old";
    EXPECT_FALSE(oddsToPercentages(RunnerCells{}, '.', f));
    EXPECT_EQ(f.margin, "0");
    EXPECT_EQ(f.results[4], "old");
}

TEST(OddsToPercentages, ARunnerTakenOutLosesItsEarlierResult) {
    CalculatorFields f;
    ASSERT_TRUE(oddsToPercentages(cells({{1, "2"}, {2, "4"}, {3, "4"}}), '.', f));
    EXPECT_EQ(f.results[1], "25");
    ASSERT_TRUE(oddsToPercentages(cells({{1, "2"}, {3, "2"}}), '.', f));
    EXPECT_EQ(f.results[1], "");
    EXPECT_EQ(f.results[2], "50");
}

TEST(OddsToPercentages, BadOddsStopBeforeAnythingIsWritten) {
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {",", "',' is not a valid floating point value"},
        {"1,,5", "'1,,5' is not a valid floating point value"},
        {"1.5", "'1.5' is not a valid floating point value"},  // the other separator, pasted
        {"0", "Floating point division by zero"},
        {"0,00", "Floating point division by zero"},
    };
    for (const Case& c : cases) {
        CalculatorFields f;
        try {
            oddsToPercentages(cells({{1, "2"}, {2, c.text}}), ',', f);
            ADD_FAILURE() << c.text;
        } catch (const std::exception& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
        EXPECT_EQ(f.margin, "0");
        EXPECT_EQ(f.results[0], "");
    }
}

TEST(PercentagesToOdds, OddsAfterTheCut) {
    CalculatorFields f;
    ASSERT_EQ(percentagesToOdds(cells({{1, "50"}, {2, "50"}}), "15", '.', f), PercentagesOutcome::Done);
    EXPECT_EQ(f.margin, "115");
    EXPECT_EQ(f.returnPercent, "85");
    EXPECT_EQ(f.cut, "15");
    EXPECT_EQ(f.results[0], "1.73913043478261");
    EXPECT_EQ(f.results[1], "1.73913043478261");
    EXPECT_EQ(f.results[2], "");

    // Under a "," locale, with a gap runner; the cut as typed is rewritten as a number.
    CalculatorFields g;
    ASSERT_EQ(percentagesToOdds(cells({{2, "25"}, {5, "75"}}), "10,0", ',', g), PercentagesOutcome::Done);
    EXPECT_EQ(g.margin, "110");
    EXPECT_EQ(g.returnPercent, "90");
    EXPECT_EQ(g.cut, "10");
    EXPECT_EQ(g.results[1], "3,63636363636364");  // 400 / 110
    EXPECT_EQ(g.results[4], "1,21212121212121");  // 133.33 / 110
    EXPECT_EQ(g.results[0], "");

    // Margin and return are whole numbers, ties to even: a cut of 2.5 gives 102 and 98.
    CalculatorFields h;
    ASSERT_EQ(percentagesToOdds(cells({{1, "100"}}), "2.5", '.', h), PercentagesOutcome::Done);
    EXPECT_EQ(h.margin, "102");
    EXPECT_EQ(h.returnPercent, "98");
    EXPECT_EQ(h.cut, "2.5");
    EXPECT_EQ(h.results[0], "0.980392156862745");
}

TEST(PercentagesToOdds, TheSumMustBeHundred) {
    CalculatorFields f;
    EXPECT_EQ(percentagesToOdds(cells({{1, "40"}, {2, "50"}}), "15", '.', f), PercentagesOutcome::SumNot100);
    EXPECT_EQ(f.margin, "0");
    EXPECT_EQ(f.results[0], "");
    EXPECT_EQ(percentagesToOdds(RunnerCells{}, "15", '.', f), PercentagesOutcome::SumNot100);
    EXPECT_EQ(percentagesToOdds(cells({{1, "50"}, {2, "50.001"}}), "15", '.', f),
              PercentagesOutcome::SumNot100);
    EXPECT_EQ(kSumNot100Message, "Λαθος... το Αθροισμα των ποσοστων πρεπει να ειναι 100");
}

TEST(PercentagesToOdds, TypedPercentagesThatAddUpToHundredAreAccepted) {
    // Summed in binary these give 99.99999999999999 or 100.00000000000001.
    const RunnerCells sums[] = {
        cells({{1, "11.4"}, {2, "22.5"}, {3, "25.4"}, {4, "28.4"}, {5, "12"}, {6, "0.3"}}),
        cells({{1, "30"}, {2, "9.3"}, {3, "4.7"}, {4, "28.3"}, {5, "13.1"}, {6, "14.6"}}),
    };
    for (const RunnerCells& c : sums) {
        CalculatorFields f;
        EXPECT_EQ(percentagesToOdds(c, "15", '.', f), PercentagesOutcome::Done);
        EXPECT_EQ(f.margin, "115");
    }
}

TEST(PercentagesToOdds, ErrorsKeepWhatWasAlreadyWritten) {
    // A bad cut stops before anything is written.
    CalculatorFields f;
    EXPECT_THROW(percentagesToOdds(cells({{1, "100"}}), "", '.', f), ConversionError);
    EXPECT_EQ(f.margin, "0");

    // A probability of 0 stops at that runner: the fields and the runners before it stay written.
    CalculatorFields g;
    try {
        percentagesToOdds(cells({{1, "60"}, {2, "0"}, {3, "40"}}), "15", '.', g);
        FAIL();
    } catch (const ArithmeticError& e) {
        EXPECT_STREQ(e.what(), "Floating point division by zero");
    }
    EXPECT_EQ(g.margin, "115");
    EXPECT_EQ(g.results[0], formatGeneral(10000.0 / 60 / 115, '.'));
    EXPECT_EQ(g.results[1], "");
    EXPECT_EQ(g.results[2], "");

    CalculatorFields h;
    EXPECT_THROW(percentagesToOdds(cells({{1, "50"}, {2, "5.0.0"}}), "15", '.', h), ConversionError);
}

TEST(KeyRules, CellsTakeDigitsAndEitherPointAsTheLocalesSeparator) {
    EXPECT_EQ(keys::calculatorCellChar(U'.', ','), U',');
    EXPECT_EQ(keys::calculatorCellChar(U',', ','), U',');
    EXPECT_EQ(keys::calculatorCellChar(U',', '.'), U'.');
    EXPECT_EQ(keys::calculatorCellChar(U'7', ','), U'7');
    EXPECT_EQ(keys::calculatorCellChar(U'a', ','), std::nullopt);
    EXPECT_EQ(keys::calculatorCellChar(U'-', ','), std::nullopt);
    EXPECT_EQ(keys::calculatorCellChar(U'Α', ','), std::nullopt);

    EXPECT_TRUE(keys::numberFieldAccepts(U',', ','));
    EXPECT_FALSE(keys::numberFieldAccepts(U'.', ','));
    EXPECT_TRUE(keys::numberFieldAccepts(U'.', '.'));
    EXPECT_FALSE(keys::numberFieldAccepts(U'e', '.'));

    EXPECT_EQ(keys::nextRunnerColumn(0, kRunners), 1);
    EXPECT_EQ(keys::nextRunnerColumn(19, kRunners), 0);
}

}  // namespace
}  // namespace quintaro::calc
