#pragma once
// The printouts of the counted columns: the plain list (a table of columns printed in bands as wide as the
// page) and the gathered list (one line per coupon). Both start with the same heading: the holder's lines
// and a title line, centred.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/game/column_list.h"
#include "core/game/gathering.h"
#include "core/print/print_job.h"
#include "core/settings/holder.h"

namespace quintaro::print {

// The date as the title lines print it: "dd/mm/yyyy".
std::string slashDate(int day, int month, int year);

// The title line of the plain list: the application title, "   ", the game, "  ", the window's caption.
std::string plainListTitle(std::string_view appTitle, std::string_view game, std::string_view caption);

// The title line of the gathered list: the application title, "   ", the window's caption,
// "     ΗΜ/ΝΙΑ " and the date.
std::string gatheredListTitle(std::string_view appTitle, std::string_view caption, std::string_view date);

// One coupon's line: "3)    1,2 / 4 / 5,6 / 8".
std::string couponLine(std::size_t number, const TsSthlh& coupon);

// The bands of a table printed across pages: the first band runs from column 0 to the column at which the
// measured widths (the nearest integer to 0.115 x a column's on-screen width, added from column 0 while the
// sum is below the page width in tenths of an inch less 5) first reach that bound, that column included;
// every further band has as many columns, the last one ending at the last column. A table whose widths never
// reach the bound is one band. Bands are (first, last) column pairs.
std::vector<std::pair<int, int>> columnBands(const std::vector<int>& columnWidths, int pageTenths);

struct PlainListPrintout {
    const ColumnList* columns = nullptr;  // the kept columns are printed, one table column each
    HolderDetails holder;
    std::string title;     // plainListTitle(...)
    Font gridFont;         // the list's font: heading, title and table
    int columnWidth = 25;  // on-screen width of every column of the list
};

// The plain list: the heading, then the table (row 0 the column numbers in bold underlined type, rows 1 .. R
// a race each, column 0 the race numbers) in bands, a band starting a new page, with the title repeated,
// when its rows would pass the page's foot.
PrintJob plainListJob(const PageMetrics& page, const PlainListPrintout& printout);

struct GatheredListPrintout {
    const CouponList* coupons = nullptr;
    HolderDetails holder;
    std::string title;  // gatheredListTitle(...)
    Font headingFont;   // the heading and title lines
    Font gridFont;      // the printer's starting font; coupon lines are printed in it at 12 points
};

// The gathered list: the heading, then one line per coupon, a new page with the title repeated when the
// next line would pass the page's foot.
PrintJob gatheredListJob(const PageMetrics& page, const GatheredListPrintout& printout);

}  // namespace quintaro::print
