#pragma once
// The two calculators of the tools menu: odds to percentages (the bookmaker's margin, the return, the cut
// and each runner's probability with the margin taken out) and percentages to odds (the odds to offer for
// probabilities that add up to 100 and a chosen cut).
//
// Both work on the texts of the window: one input cell per runner (empty: the runner takes no part) and the
// result fields. Results are written into CalculatorFields as the calculation goes, so that when a value
// stops it with an error the results it had already written stay, as the window shows them.

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quintaro::calc {

inline constexpr int kRunners = 20;

using RunnerCells = std::array<std::string, kRunners>;

// A division by zero in a calculation. what() is the message shown to the user.
class ArithmeticError : public std::runtime_error {
public:
    ArithmeticError() : std::runtime_error("Floating point division by zero") {}
};

// What the window shows beside and under its grid.
struct CalculatorFields {
    std::string margin = "0";         // "MARGIN"
    std::string returnPercent = "0";  // "RETURN %"
    std::string cut = "0";            // "GANIOTA %"
    RunnerCells results;              // the result row, one cell per runner
};

inline constexpr std::string_view kSumNot100Message = "Λαθος... το Αθροισμα των ποσοστων πρεπει να ειναι 100";

// The nearest integer, a tie going to the even one: 0.5 -> 0, 1.5 -> 2, 2.5 -> 2.
double roundHalfEven(double x);

// Two-decimal rounding: x * 100 to the nearest integer (ties to even), divided by 100.
double round2(double x);

// Odds to percentages. The input cells hold decimal odds. Returns false, changing nothing, when no odds
// were entered. Throws ConversionError for a cell that is no number and ArithmeticError for odds of 0.
bool oddsToPercentages(const RunnerCells& odds, char decimalSeparator, CalculatorFields& fields);

enum class PercentagesOutcome { Done, SumNot100 };

// Percentages to odds. The input cells hold probabilities in percent, cutText the bookmaker's cut in percent.
// SumNot100 (fields unchanged) when the probabilities do not add up to 100. Throws ConversionError for a cell
// or a cut that is no number and ArithmeticError for a probability of 0.
PercentagesOutcome percentagesToOdds(const RunnerCells& percentages, std::string_view cutText,
                                     char decimalSeparator, CalculatorFields& fields);

}  // namespace quintaro::calc
