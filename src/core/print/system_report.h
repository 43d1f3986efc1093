#pragma once
// The printed system report of the game window ("Ε&ΚΤΥΠΩΣΗ"): the holder's lines, the head line with the
// date, the selection table in slices as wide as the page, the sum bounds, the group table and the
// super-group table, and a closing credit line. It prints what the tables hold; it does not count.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/game/text_grid.h"
#include "core/print/print_job.h"
#include "core/settings/holder.h"

namespace quintaro::print {

// A grid as the report prints it: its cells and the on-screen width of each column in pixels (a column
// without a width counts as a grid's default 64 pixels).
struct ReportTable {
    const TextGrid* grid = nullptr;
    std::vector<int> screenWidths;
};

struct SystemReportContent {
    HolderDetails holder;
    std::string appTitle;
    std::string informationLine;  // the game window's top band
    std::string date;             // "dd/mm/yyyy"
    int races = 0;                // `Kourses`
    ReportTable selection;        // rows: header, races 1 .. R, "ΑΠΟ", "ΕΩΣ", "ΟΜΑΣ"
    std::string sumFrom;          // the sum bounds as their fields hold them
    std::string sumTo;
    ReportTable groups;       // header, then a row per group until the first empty group cell
    ReportTable superGroups;  // likewise
    Font startFont;           // the printer's starting font: the line height is measured in it
    Font bandFont;            // the centred lines: the game window band's font, bold, size 15
    Font gridFont;            // the cells: the grid's font at size 10
    std::string credit = std::string(kCredit);

    static constexpr std::string_view kCredit = "Εκτύπωση συστήματος από το πρόγραμμα ΒΕΛΤΡΑΝΟ";
};

// "<title>   <information line>     ΗΜ/ΝΙΑ <date>".
std::string systemReportHeadLine(std::string_view appTitle, std::string_view informationLine,
                                 std::string_view date);

// "ΑΘΡΟΙΣΜΑ    ΑΠΟ : <from>   ΕΩΣ : <to>".
std::string sumLine(std::string_view from, std::string_view to);

// The printed width in dots of a cell of grid column `column` whose on-screen width is `screenWidth`:
// screenWidth x 0.174 (columns 0 and 1) or x 0.104 (further columns) tenths of an inch, rounded, at `dpi`.
int printedCellWidth(int dpi, int column, int screenWidth);

// The slices of the selection table: (first, last) column pairs, from the on-screen widths (each measured
// as its width x 0.115 tenths of an inch, rounded) and the page width in tenths of an inch.
std::vector<std::pair<int, int>> selectionSlices(const std::vector<int>& screenWidths, int pageTenths);

// The whole report as a print job.
PrintJob systemReportJob(const PageMetrics& page, const SystemReportContent& content);

}  // namespace quintaro::print
