#include "core/tools/calculators.h"

#include <cmath>

#include "core/text/number_text.h"

namespace quintaro::calc {
namespace {

double divide(double numerator, double denominator) {
    if (denominator == 0) {
        throw ArithmeticError();
    }
    return numerator / denominator;
}

// A field is written as text and later calculations read the number it shows, not the one computed.
double shown(const std::string& field, char separator) {
    return parseFloat(field, separator);
}

// The probabilities typed by hand rarely add up to exactly 100 in binary (12.5 + 20.6 + ... can give
// 99.99999999999999); a sum that differs from 100 only by that noise counts as 100.
bool isHundred(double sum) {
    return std::fabs(sum - 100.0) < 1e-9;
}

}  // namespace

double roundHalfEven(double x) {
    const double down = std::floor(x);
    const double fraction = x - down;
    if (fraction < 0.5) {
        return down;
    }
    if (fraction > 0.5) {
        return down + 1;
    }
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

double round2(double x) {
    return roundHalfEven(x * 100) / 100;
}

bool oddsToPercentages(const RunnerCells& odds, char sep, CalculatorFields& fields) {
    double book = 0;
    for (const std::string& cell : odds) {
        if (!cell.empty()) {
            book += divide(100, parseFloat(cell, sep));
        }
    }
    if (!(book > 0)) {
        return false;
    }
    fields.margin = formatGeneral(round2(book - 100), sep);
    fields.returnPercent = formatGeneral(round2(10000 / book), sep);
    fields.cut = formatGeneral(100 - shown(fields.returnPercent, sep), sep);
    const double returnShown = shown(fields.returnPercent, sep);
    for (int runner = 0; runner < kRunners; ++runner) {
        const std::string& cell = odds[runner];
        // A runner without odds has no probability; a result left from an earlier calculation goes.
        fields.results[runner] = cell.empty()
                                     ? std::string()
                                     : formatGeneral(round2(divide(returnShown, parseFloat(cell, sep))), sep);
    }
    return true;
}

PercentagesOutcome percentagesToOdds(const RunnerCells& percentages, std::string_view cutText, char sep,
                                     CalculatorFields& fields) {
    double total = 0;
    for (const std::string& cell : percentages) {
        if (!cell.empty()) {
            total += parseFloat(cell, sep);
        }
    }
    if (!isHundred(total)) {
        return PercentagesOutcome::SumNot100;
    }
    const double cut = parseFloat(cutText, sep);
    fields.margin = formatGeneral(roundHalfEven(cut + 100), sep);
    fields.returnPercent = formatGeneral(roundHalfEven(100 - cut), sep);
    fields.cut = formatGeneral(cut, sep);
    const double marginShown = shown(fields.margin, sep);
    for (int runner = 0; runner < kRunners; ++runner) {
        const std::string& cell = percentages[runner];
        fields.results[runner] =
            cell.empty() ? std::string()
                         : formatGeneral(divide(divide(10000, parseFloat(cell, sep)), marginShown), sep);
    }
    return PercentagesOutcome::Done;
}

}  // namespace quintaro::calc
