#pragma once
// Where the marks fall on the operator's coupon forms, in printer dots.
//
// Both forms go into the printer sideways; x runs from the left and y from the top of the printable page.
// A form is a grid of boxes in blocks (a race of a "ΣΚΟΡ" form, a place of a bet of a "ΤΕΤΡΑΠΛΟ" form), each
// block a few sub-columns of boxes one horizontal step apart:
//   "ΣΚΟΡ": 6 race blocks, race 1 rightmost; horses 10..18 in the left sub-column, 1..9 one step right.
//   "ΤΕΤΡΑΠΛΟ": 2 bets side by side, 4 place blocks each, place 1 rightmost; horses 17..18, then 9..16 one
//   step right, then 1..8 one more step right.
// Millimetres become dots with k = 0.03939 (inches per millimetre): v mm is v·X·k dots across and v·Y·k dots
// down, X and Y the printer's resolutions. Every position is truncated toward zero to whole dots. Each mark
// is text with its top-left corner at the position.

#include <optional>
#include <string>
#include <vector>

#include "core/coupons/printer_layout.h"
#include "core/game/gathering.h"
#include "core/print/print_job.h"

namespace quintaro::coupons {

inline constexpr double kInchesPerMm = 0.03939;

// The highest horse a form has a box for.
inline constexpr int kHighestFormHorse = 18;

// A printer's resolution in dots per inch.
struct Resolution {
    int dpiX = 600;
    int dpiY = 600;
};

struct FormMark {
    int x = 0;
    int y = 0;
    std::string text;
    bool operator==(const FormMark&) const = default;
};

// Everything one printed page of a form draws: the marks in one font size.
struct FormPage {
    int fontSize = 10;
    std::vector<FormMark> marks;
};

// One coupon form to print.
struct CouponFormContent {
    int couponNumber = 1;
    TsSthlh first;                  // one horse list per race or place
    std::optional<TsSthlh> second;  // "ΤΕΤΡΑΠΛΟ": the form's second bet
    std::string meeting;            // "ΣΥ1", "ΣΥ2", or empty when none is selected
    double cost = 0;                // the first coupon's cost
    char decimalSeparator = '.';
    int raceNumber = 1;  // "ΤΕΤΡΑΠΛΟ": the race the coupons are played on
};

// The mark of a coupon print: the layout's mark character, "X" when the layout has none.
std::string markText(const std::string& markChar);

// A "ΣΚΟΡ 4" or "ΣΚΟΡ 6" form (the race count is the coupon's), from the default layout or, without one, the
// built-in positions. The coupon number is printed when the layout says so (always without a layout).
// Entries that are not horses 1 .. 18 get no mark.
FormPage skorForm(Resolution printer, const std::optional<PrinterLayout>& layout,
                  const CouponFormContent& content);

// A "ΤΕΤΡΑΠΛΟ" form carrying one or two coupons, likewise.
FormPage tetraploForm(Resolution printer, const std::optional<PrinterLayout>& layout,
                      const CouponFormContent& content);

// The test page of the layout window: every box of the form marked, from the window's fields. Unlike the
// coupon print it takes numberRight, numberTop and textTop as millimetres, prints "1" as the coupon number,
// "0000" as the cost and the layout's text without the "Quintaro " prefix. The mark is `markText`.
FormPage skorTestPage(Resolution printer, const PrinterLayout& fields);
FormPage tetraploTestPage(Resolution printer, const PrinterLayout& fields);

// The print job of one form page: the marks in `fontFamily` at the page's size.
print::PrintJob formJob(const FormPage& page, const std::string& fontFamily);

// The first entry of a coupon that has no box on the forms (not a horse 1 .. 18), or nullopt.
std::optional<std::string> unmarkableEntry(const TsSthlh& coupon);

}  // namespace quintaro::coupons
