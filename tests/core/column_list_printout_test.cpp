#include <gtest/gtest.h>

#include "core/coupons/column_views.h"
#include "core/print/column_list_printout.h"
#include "core/text/utf8.h"
#include "support/counted_lists.h"

namespace quintaro::print {
namespace {

// A printer of 600 dots per inch on which a character is as many dots wide as its font has points, and a
// line five times as high.
PageMetrics page600(int widthDots, int heightDots) {
    PageMetrics page;
    page.dpiX = 600;
    page.dpiY = 600;
    page.pageWidth = widthDots;
    page.pageHeight = heightDots;
    page.measure = [](const Font& font, std::string_view text) {
        const auto chars = static_cast<int>(utf8::length(text));
        return TextSize{static_cast<int>(chars * font.pointSize), static_cast<int>(5 * font.pointSize)};
    };
    return page;
}

// A drawn text with the font and page it was drawn in.
struct Drawn {
    int page;
    Font font;
    int x, y;
    Rect box;  // empty for unclipped text
    std::string text;
};

std::vector<Drawn> drawnTexts(const PrintJob& job) {
    std::vector<Drawn> out;
    Font font;
    int page = 1;
    for (const Operation& op : job.operations()) {
        if (const auto* f = std::get_if<SetFont>(&op)) {
            font = f->font;
        } else if (std::holds_alternative<NewPage>(op)) {
            ++page;
        } else if (const auto* t = std::get_if<DrawText>(&op)) {
            out.push_back({page, font, t->x, t->y, {}, t->text});
        } else if (const auto* c = std::get_if<DrawClippedText>(&op)) {
            out.push_back({page, font, c->x, c->y, c->box, c->text});
        }
    }
    return out;
}

const Font kGrid{"Sans", 8};
const Font kPanel{"Sans", 10, true};
const HolderDetails kHolder{"ΠΡΑΚΤΟΡΕΙΟ", "ΟΔΟΣ 1", "ΤΗΛ"};

TEST(ColumnBands, BandsFollowThePageWidth) {
    struct Case {
        const char* name;
        int columns;
        int pageTenths;
        std::vector<std::pair<int, int>> bands;
    } cases[] = {
        {"26 counted columns: the second band holds column 26 alone", 27, 80, {{0, 25}, {26, 26}}},
        {"every further band has 26 columns", 60, 80, {{0, 25}, {26, 51}, {52, 59}}},
        {"a table narrower than the page is one band", 10, 80, {{0, 9}}},
        {"the bound reached at the last column", 25, 80, {{0, 24}}},
        {"a wider page", 60, 85, {{0, 27}, {28, 55}, {56, 59}}},
        {"no room at all: a column a band", 3, 4, {{0, 0}, {1, 1}, {2, 2}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(columnBands(std::vector<int>(static_cast<std::size_t>(c.columns), 25), c.pageTenths),
                  c.bands)
            << c.name;
    }
    // Widths count as the nearest integer to 0.115 x the width, halves to even: 0.115 x 100 = 11.5 -> 12,
    // 0.115 x 300 = 34.5 -> 34.
    EXPECT_EQ(columnBands({100, 100, 100, 100, 100}, 29), (std::vector<std::pair<int, int>>{{0, 2}, {3, 4}}));
    EXPECT_EQ(columnBands({300, 300}, 39), (std::vector<std::pair<int, int>>{{0, 1}}));
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(2.875), 3);
}

TEST(PlainListPrintout, HeadingAndBandsOnAnEightInchPage) {
    std::vector<std::vector<int>> columns;
    for (int i = 1; i <= 26; ++i) {
        columns.push_back({i % 3 + 1, 2, 3, i % 20 + 1});
    }
    const ColumnList counted = test::columnsOf(4, columns);
    const std::string title = plainListTitle("ΒΕΛΤΡΑΝΟ", "ΣΚΟΡ 4", "ΣΤΗΛΕΣ : 26   ΚΟΣΤΟΣ : 39.00");
    EXPECT_EQ(title, "ΒΕΛΤΡΑΝΟ   ΣΚΟΡ 4  ΣΤΗΛΕΣ : 26   ΚΟΣΤΟΣ : 39.00");
    const PageMetrics page = page600(4800, 6600);  // 80 tenths of an inch wide
    const PrintJob job = plainListJob(page, {&counted, kHolder, title, kGrid, 25});
    const std::vector<Drawn> drawn = drawnTexts(job);

    // Line height: "X" is 40 dots high in the 8-point font, plus the gap of 60 dots.
    const int h = 100;
    const int gap = 60;
    ASSERT_GE(drawn.size(), 4u);
    EXPECT_EQ(drawn[0].text, "ΠΡΑΚΤΟΡΕΙΟ");
    EXPECT_EQ(drawn[0].y, (h + gap) + 1);
    EXPECT_EQ(drawn[0].x, 2400 - 10 * 8 / 2);
    EXPECT_EQ(drawn[1].y, 2 * (h + gap) + 1);
    EXPECT_EQ(drawn[3].text, title);
    EXPECT_EQ(drawn[3].y, 5 * (h + gap) + 5);
    const int tableTop = 7 * (h + gap);

    // Band 1: columns 0 .. 25, boxes of 3 tenths (180 dots) from x = 0; band 2: column 26 alone.
    const auto first = drawn.begin() + 4;
    ASSERT_EQ(drawn.end() - first, 5 * 26 + 5 * 1);
    for (int row = 0; row <= 4; ++row) {
        for (int col = 0; col <= 25; ++col) {
            const Drawn& d = first[row * 26 + col];
            EXPECT_EQ(d.box, (Rect{180 * col, tableTop + 2 * gap * row, 180, h})) << row << "," << col;
            EXPECT_EQ(d.x, 180 * col);
            EXPECT_EQ(d.text, plainListCell(counted, col, row));
            EXPECT_EQ(d.font.bold && d.font.underline, row == 0);
        }
    }
    EXPECT_EQ(first[0].text, "");
    EXPECT_EQ(first[1].text, "1");
    EXPECT_EQ(first[26].text, "1");  // race 1
    EXPECT_EQ(first[27].text, "2");  // column 1's horse of race 1
    const int secondBandTop = tableTop + 5 * 2 * gap + h + 3 * gap;
    const Drawn& lone = first[5 * 26];
    EXPECT_EQ(lone.text, "26");
    EXPECT_EQ(lone.box, (Rect{0, secondBandTop, 180, h}));
    EXPECT_EQ(job.pageCount(), 1);
}

TEST(PlainListPrintout, ABandThatWouldPassTheFootStartsAPageWithTheTitle) {
    std::vector<std::vector<int>> columns(80, {1, 2, 3});
    for (int i = 0; i < 80; ++i) {
        columns[static_cast<std::size_t>(i)][2] = i % 20 + 1;
        columns[static_cast<std::size_t>(i)][1] = i / 20 + 1;
    }
    const ColumnList counted = test::columnsOf(3, columns);
    // Room for the heading and one band of 4 rows a page: 7 lines + a band.
    const int h = 100, gap = 60;
    const int pageHeight = 7 * (h + gap) + 4 * h + 10;
    const PrintJob job = plainListJob(page600(4800, pageHeight), {&counted, kHolder, "ΤΙΤΛΟΣ", kGrid, 25});
    const std::vector<Drawn> drawn = drawnTexts(job);
    // 81 grid columns in bands of 26: 4 bands. Page 1 holds the heading and band 1; page 2 the title and
    // bands 2 and 3; page 3 the title and band 4.
    EXPECT_EQ(job.pageCount(), 3);
    int titles = 0;
    for (const Drawn& d : drawn) {
        if (d.text == "ΤΙΤΛΟΣ") {
            ++titles;
            EXPECT_EQ(d.y, d.page == 1 ? 5 * (h + gap) + 5 : 5);
        }
        if (d.page > 1 && d.box.width != 0 && d.box.top < h + gap) {
            ADD_FAILURE() << "a table row over the repeated title";
        }
    }
    EXPECT_EQ(titles, 3);
}

TEST(GatheredListPrintout, CouponLinesAndPages) {
    const CouponList coupons = {{"1,2", "4", "5,6", "8"}, {"3", "4", "5", "7"}, {"1", "2", "3", "4"}};
    EXPECT_EQ(couponLine(3, coupons[0]), "3)    1,2 / 4 / 5,6 / 8");
    EXPECT_EQ(slashDate(5, 3, 2024), "05/03/2024");
    const std::string title = gatheredListTitle(
        "ΒΕΛΤΡΑΝΟ", "ΜΑΖΕΜΑ ΣΤΗΛΩΝ - ΣΤΗΛΕΣ : 6  ΔΕΛΤΙΑ : 3    ΚΟΣΤΟΣ : 9.00", "05/03/2024");
    EXPECT_EQ(title,
              "ΒΕΛΤΡΑΝΟ   ΜΑΖΕΜΑ ΣΤΗΛΩΝ - ΣΤΗΛΕΣ : 6  ΔΕΛΤΙΑ : 3    ΚΟΣΤΟΣ : 9.00     ΗΜ/ΝΙΑ 05/03/2024");

    const int h = 100, gap = 60;  // "X" in the 8-point starting font, and the gap
    // The heading takes 7 lines from y = 10; two coupon lines fit below it, then the page is full.
    const int pageHeight = 10 + 7 * (h + gap) + 2 * (2 * gap) + h - 1;
    const PrintJob job =
        gatheredListJob(page600(4800, pageHeight), {&coupons, kHolder, title, kPanel, kGrid});
    const std::vector<Drawn> drawn = drawnTexts(job);
    ASSERT_EQ(drawn.size(), 4u + 3u + 1u);
    EXPECT_EQ(drawn[0].y, 10 + (h + gap) + 1);
    EXPECT_EQ(drawn[0].font, kPanel);
    EXPECT_EQ(drawn[3].text, title);
    const Drawn& line1 = drawn[4];
    EXPECT_EQ(line1.text, "1)    1,2 / 4 / 5,6 / 8");
    EXPECT_EQ(line1.font.pointSize, 12);
    EXPECT_EQ(line1.font.family, kGrid.family);
    EXPECT_EQ(line1.y, 10 + 7 * (h + gap));
    // The box: the line's width in dots (23 characters of 12 dots) x 0.104, rounded, in tenths of an inch.
    EXPECT_EQ(line1.box, (Rect{0, line1.y, roundHalfEven(600.0 * roundHalfEven(23 * 12 * 0.104) / 10), h}));
    EXPECT_EQ(drawn[5].y, line1.y + 2 * gap);
    // The third line goes to a new page under the repeated title.
    EXPECT_EQ(drawn[6].text, title);
    EXPECT_EQ(drawn[6].page, 2);
    EXPECT_EQ(drawn[6].y, 5);
    EXPECT_EQ(drawn[7].text, "3)    1 / 2 / 3 / 4");
    EXPECT_EQ(drawn[7].y, h + gap);
    EXPECT_EQ(job.pageCount(), 2) << "no page with the title alone after the last line";
}

}  // namespace
}  // namespace quintaro::print
