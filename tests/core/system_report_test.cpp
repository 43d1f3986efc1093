#include "core/print/system_report.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <variant>

#include "core/game/selection_table.h"

namespace quintaro::print {
namespace {

using ::testing::ElementsAre;

// 600 dpi: gap 60; "X" 50 high in the 10-point starting font, so a line is 110.
PageMetrics page(int width, int height) {
    PageMetrics p;
    p.dpiX = 600;
    p.dpiY = 600;
    p.pageWidth = width;
    p.pageHeight = height;
    p.measure = [](const Font& font, std::string_view text) {
        return TextSize{static_cast<int>(20 * text.size()), static_cast<int>(font.pointSize * 5)};
    };
    return p;
}

// A "ΣΚΟΡ 4" selection table with `basics` basic columns, each basic's header its number.
SelectionTable selection(int basics) {
    SelectionTable table;
    table.reset(4, "ΚΟΥΡΣΕΣ");
    table.setBasicCount(basics);
    for (int b = 0; b < basics; ++b) {
        table.setCell(2 + b, 0, std::to_string(b + 1));
        table.setCell(2 + b, 1, "1,2");
    }
    return table;
}

std::vector<int> widths(const SelectionTable& table) {
    std::vector<int> out{60, 100};
    out.resize(static_cast<std::size_t>(table.columnCount()), 50);
    return out;
}

TextGrid groupGrid(int rows) {
    TextGrid grid(5, rows + 1);
    const char* headers[] = {"ΟΜΑΣ", "ΟΡΟΙ", "ΑΠΟ", "ΕΩΣ", "ΥΠΕΡ"};
    for (int c = 0; c < 5; ++c) {
        grid.setCell(c, 0, headers[c]);
    }
    for (int r = 1; r <= rows; ++r) {
        grid.setCell(0, r, "G" + std::to_string(r));
        grid.setCell(1, r, "1");
    }
    return grid;
}

struct Fixture {
    SelectionTable table;
    TextGrid groups;
    TextGrid superGroups;
    SystemReportContent content;

    Fixture(int basics, int groupRows) : table(selection(basics)), groups(groupGrid(groupRows)) {
        superGroups = TextGrid(4, 2);
        superGroups.setCell(0, 0, "ΥΠΕ");
        superGroups.setCell(0, 1, "0");
        content.holder = {"ΤΙΤΛΟΣ", "ΔΙΕΥΘΥΝΣΗ", "ΔΙΑΦΟΡΑ"};
        content.appTitle = "ΒΕΛΤΡΑΝΟ";
        content.informationLine = "ΣΚΟΡ 4  ΣΤΗΛΕΣ : 16";
        content.date = "05/03/2024";
        content.races = 4;
        content.selection = {&table.grid(), widths(table)};
        content.sumFrom = "4";
        content.sumTo = "30";
        content.groups = {&groups, {30, 30, 30, 30, 30}};
        content.superGroups = {&superGroups, {30, 30, 30, 30}};
        content.startFont = {"Arial", 10};
        content.bandFont = {"Arial", 15, true};
        content.gridFont = {"Arial", 10};
    }
};

// The texts of a job, page by page, in drawing order.
std::vector<std::vector<std::string>> pages(const PrintJob& job) {
    std::vector<std::vector<std::string>> out(1);
    for (const Operation& op : job.operations()) {
        if (std::holds_alternative<NewPage>(op)) {
            out.emplace_back();
        } else if (const auto* t = std::get_if<DrawText>(&op)) {
            out.back().push_back(t->text);
        } else if (const auto* c = std::get_if<DrawClippedText>(&op)) {
            out.back().push_back(c->text);
        }
    }
    return out;
}

// The header cells (bold) whose text is one of the selection's basic headers "1" .. "n", with their x.
std::vector<std::pair<std::string, int>> basicHeaders(const PrintJob& job, int basics) {
    std::vector<std::pair<std::string, int>> out;
    bool bold = false;
    for (const Operation& op : job.operations()) {
        if (const auto* f = std::get_if<SetFont>(&op)) {
            bold = f->font.bold;
        } else if (const auto* c = std::get_if<DrawClippedText>(&op)) {
            for (int b = 1; b <= basics; ++b) {
                if (bold && c->text == std::to_string(b)) {
                    out.emplace_back(c->text, c->x);
                }
            }
        }
    }
    return out;
}

TEST(SystemReport, CellWidthsAndSlicesOfTheSelectionTable) {
    // Columns 0 and 1 at 0.174 tenths per pixel, basics at 0.104, rounded, at 600 dpi.
    EXPECT_EQ(printedCellWidth(600, 0, 60), 600);    // 10.44 -> 10 tenths
    EXPECT_EQ(printedCellWidth(600, 1, 100), 1020);  // 17.4 -> 17
    EXPECT_EQ(printedCellWidth(600, 2, 50), 300);    // 5.2 -> 5
    EXPECT_EQ(printedCellWidth(300, 7, 25), 90);     // 2.6 -> 3

    // An 80-tenths page: measured 7 + 12, then 6 per basic, reach 75 after column 11; column 12 ends the
    // first slice, and every later slice has as many columns.
    const SelectionTable wide = selection(37);  // 39 columns
    EXPECT_THAT(selectionSlices(widths(wide), 80),
                ElementsAre(std::pair{0, 12}, std::pair{13, 25}, std::pair{26, 38}));
    EXPECT_THAT(selectionSlices(widths(selection(9)), 80), ElementsAre(std::pair{0, 10}));
}

TEST(SystemReport, OneSliceWhenTheTableFitsThePage) {
    const Fixture f(9, 3);
    const PrintJob job = systemReportJob(page(4800, 6600), f.content);
    ASSERT_EQ(job.pageCount(), 1);
    const auto texts = pages(job)[0];
    EXPECT_THAT(std::vector<std::string>(texts.begin(), texts.begin() + 4),
                ElementsAre("ΤΙΤΛΟΣ", "ΔΙΕΥΘΥΝΣΗ", "ΔΙΑΦΟΡΑ",
                            "ΒΕΛΤΡΑΝΟ   ΣΚΟΡ 4  ΣΤΗΛΕΣ : 16     ΗΜ/ΝΙΑ 05/03/2024"));
    EXPECT_EQ(basicHeaders(job, 9).size(), 9u);
    EXPECT_THAT(texts, ::testing::Contains("ΑΘΡΟΙΣΜΑ    ΑΠΟ : 4   ΕΩΣ : 30"));
    EXPECT_EQ(texts.back(), std::string(SystemReportContent::kCredit));
}

TEST(SystemReport, ThreeSlicesPrintEveryBasicOnceEachSliceFromTheLeftEdge) {
    const Fixture f(37, 3);
    const PrintJob job = systemReportJob(page(4800, 6600), f.content);
    const auto headers = basicHeaders(job, 37);
    ASSERT_EQ(headers.size(), 37u);
    for (int b = 1; b <= 37; ++b) {
        EXPECT_EQ(headers[static_cast<std::size_t>(b - 1)].first, std::to_string(b));
    }
    // Basic 11 is column 12, the last of the first slice; basic 12 (column 13) and basic 25 (column 26)
    // open the next slices at the page's left edge.
    EXPECT_EQ(headers[10].second, 600 + 1020 + 10 * 300);
    EXPECT_EQ(headers[11].second, 0);
    EXPECT_EQ(headers[24].second, 0);
    // The race column's header is printed in the first slice only.
    const auto texts = pages(job);
    std::size_t raceHeaders = 0;
    for (const auto& p : texts) {
        raceHeaders += static_cast<std::size_t>(std::count(p.begin(), p.end(), "ΚΟΥΡΣΕΣ"));
    }
    EXPECT_EQ(raceHeaders, 1u);
}

TEST(SystemReport, LongGroupTablesContinueOnPagesHeadedByTheInformationLineAndHeader) {
    const Fixture f(2, 60);
    const PrintJob job = systemReportJob(page(4800, 3000), f.content);
    const auto texts = pages(job);
    ASSERT_GT(texts.size(), 2u);
    std::vector<std::string> groupRows;
    for (std::size_t p = 0; p < texts.size(); ++p) {
        for (const std::string& t : texts[p]) {
            if (t.size() > 1 && t[0] == 'G') {
                groupRows.push_back(t);
            }
        }
        if (p > 0 &&
            std::any_of(texts[p].begin(), texts[p].end(), [](const std::string& t) { return t[0] == 'G'; })) {
            // A continuation page: the information line, then the group table's header.
            ASSERT_GE(texts[p].size(), 3u);
            EXPECT_EQ(texts[p][0], f.content.informationLine);
            EXPECT_EQ(texts[p][1], "ΟΜΑΣ");
        }
    }
    ASSERT_EQ(groupRows.size(), 60u);
    for (int r = 1; r <= 60; ++r) {
        EXPECT_EQ(groupRows[static_cast<std::size_t>(r - 1)], "G" + std::to_string(r));
    }
    // Every cell's box lies on its page.
    for (const Operation& op : job.operations()) {
        if (const auto* c = std::get_if<DrawClippedText>(&op)) {
            EXPECT_LE(c->box.top + c->box.height, 3000) << c->text;
        }
    }
}

}  // namespace
}  // namespace quintaro::print
