#include "core/trio/columns_print.h"

#include <algorithm>

namespace quintaro::trio {
namespace {

constexpr int kHeadingY = 100;
constexpr int kHeaderTop = 300;
constexpr int kHeaderBottom = 450;
constexpr int kRowStep = 120;
constexpr int kRowBottom = 420;  // bottom of row r: 420 + 120r
constexpr int kRowTextY = 350;   // text of row r: 350 + 120r
constexpr int kTextIndent = 50;
constexpr int kRightGap = 30;
constexpr int kWidthScale = 6;

}  // namespace

std::string columnsPrintHeading(const std::string& fileName) {
    return "ΒΕΛΤΡΑΝΟ-trio  ΣΤΗΛΕΣ  ΓΙΑ ΠΑΙΧΝΙΔΙ ΤΡΙΟ  TOY " + fileName;
}

int rowsPerPrintPage(int pageHeight) {
    return std::max(1, (pageHeight - kRowBottom) / kRowStep);
}

std::vector<PrintPage> layoutColumnsPrint(const TextGrid& grid, const std::vector<int>& columnWidths,
                                          const std::string& heading, int pageHeight) {
    const int columns = grid.columnCount();
    std::vector<int> x0(columns);
    std::vector<int> x1(columns);
    int sum = 0;
    for (int c = 0; c < columns; ++c) {
        x0[c] = kWidthScale * sum;
        sum += c < static_cast<int>(columnWidths.size()) ? columnWidths[c] : 0;
        x1[c] = kWidthScale * sum;
    }
    const int perPage = rowsPerPrintPage(pageHeight);
    const int lastRow = grid.rowCount() - 1;
    std::vector<PrintPage> pages;
    for (int first = 1; first <= std::max(lastRow, 1); first += perPage) {
        PrintPage page;
        page.push_back({PrintFont::Heading, {}, 0, kHeadingY, heading});
        for (int c = 0; c < columns; ++c) {
            page.push_back({PrintFont::HeaderRow,
                            {x0[c], kHeaderTop, x1[c] - kRightGap, kHeaderBottom},
                            x0[c] + kTextIndent,
                            kHeaderTop,
                            grid.cell(c, 0)});
        }
        for (int r = first; r <= lastRow && r < first + perPage; ++r) {
            const int slot = r - first + 1;
            for (int c = 0; c < columns; ++c) {
                page.push_back(
                    {PrintFont::Row,
                     {x0[c], kHeaderTop + kRowStep * slot, x1[c] - kRightGap, kRowBottom + kRowStep * slot},
                     x0[c] + kTextIndent,
                     kRowTextY + kRowStep * slot,
                     grid.cell(c, r)});
            }
        }
        pages.push_back(std::move(page));
    }
    return pages;
}

}  // namespace quintaro::trio
