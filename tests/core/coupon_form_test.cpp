#include "core/coupons/coupon_form.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <variant>

namespace quintaro::coupons {
namespace {

using ::testing::Contains;
using ::testing::Not;

constexpr Resolution k600{600, 600};
constexpr Resolution k300x150{300, 150};  // unequal resolutions catch an axis mixed up

CouponFormContent content(TsSthlh first, std::string meeting = "ΣΥ1") {
    CouponFormContent c;
    c.couponNumber = 7;
    c.first = std::move(first);
    c.meeting = std::move(meeting);
    c.cost = 9;
    c.decimalSeparator = ',';
    return c;
}

struct MarkCase {
    const char* what;
    Resolution printer;
    FormMark mark;
};

void expectMarks(const FormPage& page, std::initializer_list<MarkCase> cases, Resolution printer) {
    for (const MarkCase& c : cases) {
        if (c.printer.dpiX == printer.dpiX && c.printer.dpiY == printer.dpiY) {
            EXPECT_THAT(page.marks, Contains(c.mark))
                << c.what << " at " << printer.dpiX << "x" << printer.dpiY;
        }
    }
}

TEST(SkorForm, MarksFromALayoutFallInTheirBoxes) {
    // Horse 12 of race 1 at (A + 5C, D + 3E), horse 3 of race 6 at (A + B, D + 3E), with the window's initial
    // values A = 9, B = 5.71, C = 10.85, D = 0, E = 6.3 mm; number, amount and bet in dots as they stand.
    const PrinterLayout layout = initialLayout(FormKind::Skor);
    const TsSthlh coupon{"12", "1", "2", "4", "5", "3"};
    for (const Resolution printer : {k600, k300x150}) {
        const FormPage page = skorForm(printer, layout, content(coupon, "ΣΥ2"));
        expectMarks(page,
                    {
                        {"horse 12 of race 1", k600, {1494, 446, "X"}},
                        {"horse 3 of race 6", k600, {347, 446, "X"}},
                        {"horse 12 of race 1", k300x150, {747, 111, "X"}},
                        {"horse 3 of race 6", k300x150, {173, 111, "X"}},
                        {"coupon number", k600, {3, 6, "7"}},
                        {"coupon number", k300x150, {3, 6, "7"}},
                        {"text line", k600, {1090, 6, "Quintaro Quintaro"}},
                    },
                    printer);
        EXPECT_EQ(page.fontSize, 10);
        // One mark per horse, amount, bet kind "ΣΚΟΡ 6", meeting; then the number, cost and text.
        EXPECT_EQ(std::count_if(page.marks.begin(), page.marks.end(),
                                [](const FormMark& m) { return m.text == "X"; }),
                  6 + 3);
        EXPECT_THAT(page.marks, Contains(::testing::Field(&FormMark::text, "9,00")));
    }
}

TEST(SkorForm, BuiltInPositionsWithoutADefaultLayout) {
    // A = 10.5, B = 5.71, C = 10.85 mm across; D = 8.05, E = 6.3 mm down.
    const TsSthlh coupon{"12", "3", "5", "1"};  // "ΣΚΟΡ 4": the bet mark goes in row 1
    for (const Resolution printer : {k600, k300x150}) {
        const FormPage page = skorForm(printer, std::nullopt, content(coupon));
        expectMarks(page,
                    {
                        {"coupon number (A/3, D+E)", k600, {82, 339, "7"}},
                        {"Quintaro at 1090", k600, {1090, 339, "Quintaro"}},
                        {"amount (A, D+E)", k600, {248, 339, "X"}},
                        {"bet ΣΚΟΡ 4 (A+885, D+E)", k600, {1133, 339, "X"}},
                        {"meeting ΣΥ1 (A+950, D+E)", k600, {1198, 339, "X"}},
                        {"cost (1.5B, D+2E)", k600, {202, 488, "9,00"}},
                        {"horse 12 of race 1", k600, {1530, 636, "X"}},
                        {"horse 1 of race 4", k600, {895, 339, "X"}},
                        {"coupon number (A/3, D+E)", k300x150, {41, 84, "7"}},
                        {"Quintaro at 1090", k300x150, {1090, 84, "Quintaro"}},
                        {"bet ΣΚΟΡ 4 (A+885, D+E)", k300x150, {1009, 84, "X"}},
                        {"cost (1.5B, D+2E)", k300x150, {101, 122, "9,00"}},
                        {"horse 12 of race 1", k300x150, {765, 159, "X"}},
                        {"horse 1 of race 4", k300x150, {447, 84, "X"}},
                    },
                    printer);
    }
}

TEST(SkorForm, LayoutChoicesAndEntriesWithoutABox) {
    PrinterLayout layout = initialLayout(FormKind::Skor);
    layout.printNumber = false;
    layout.markChar = "";  // read from a file: the mark is "X"
    layout.fontSize = 14;
    const FormPage page = skorForm(k600, layout, content({"1,19", "2", "3", "20"}, ""));
    EXPECT_EQ(page.fontSize, 14);
    EXPECT_THAT(page.marks, Not(Contains(::testing::Field(&FormMark::text, "7"))));
    // Horses 1, 2, 3, the amount and the bet kind: 19 and 20 have no box, and no meeting is selected.
    EXPECT_EQ(
        std::count_if(page.marks.begin(), page.marks.end(), [](const FormMark& m) { return m.text == "X"; }),
        5);
    EXPECT_EQ(unmarkableEntry({"1,19", "2", "3", "20"}), "19");
    EXPECT_EQ(unmarkableEntry({"1,18", "10", "3", "4"}), std::nullopt);
}

TEST(TetraploForm, RaceNumberMarks) {
    // Race 13 at (raceRight, D + 3E); races 1 .. 10 one step right, at (raceRight + B, D + nE); with the
    // window's initial values (raceRight 950 dots, B = 5.71, D = 0, E = 6.3 mm).
    struct Case {
        int race;
        Resolution printer;
        FormMark mark;
    };
    const PrinterLayout layout = initialLayout(FormKind::Tetraplo);
    for (const Case& c : {Case{13, k600, {950, 446, "X"}}, Case{10, k600, {1084, 1488, "X"}},
                          Case{1, k600, {1084, 148, "X"}}, Case{13, k300x150, {950, 111, "X"}},
                          Case{10, k300x150, {1017, 372, "X"}}, Case{1, k300x150, {1017, 37, "X"}}}) {
        CouponFormContent form = content({"1", "2", "3", "4"}, "");
        form.raceNumber = c.race;
        const FormPage page = tetraploForm(c.printer, layout, form);
        EXPECT_THAT(page.marks, Contains(c.mark)) << "race " << c.race << " at " << c.printer.dpiX;
    }
}

TEST(TetraploForm, BuiltInPositionsForBothBets) {
    // A = 6.1, B = 4.25, C = 68.5, P = 12.85 mm across; D = 8.5, E = 6.3 mm down; race at 1040, meeting
    // at 1140 dots; number at (1, 6).
    CouponFormContent c = content({"1", "9", "3", "4"});
    c.second = TsSthlh{"5", "6", "7", "18"};
    c.raceNumber = 3;
    for (const Resolution printer : {k600, k300x150}) {
        const FormPage page = tetraploForm(printer, std::nullopt, c);
        expectMarks(page,
                    {
                        {"number", k600, {1, 6, "7"}},
                        {"horse 1 of place 1, bet 1", k600, {1256, 349, "X"}},
                        {"horse 9 of place 2, bet 1", k600, {852, 349, "X"}},
                        {"horse 18 of place 4, bet 2", k600, {1763, 498, "X"}},
                        {"amount of bet 1 (A + 390 mm)", k600, {9361, 349, "X"}},
                        {"kind of bet 2 (A + 880 mm, D + 9E)", k600, {20942, 1540, "X"}},
                        {"race 3", k600, {1140, 647, "X"}},
                        {"meeting ΣΥ1", k600, {1140, 349, "X"}},
                        {"cost", k600, {0, 796, "9,00"}},
                        {"text", k600, {0, 0, "Quintaro "}},
                        {"horse 1 of place 1, bet 1", k300x150, {628, 87, "X"}},
                        {"horse 9 of place 2, bet 1", k300x150, {426, 87, "X"}},
                        {"horse 18 of place 4, bet 2", k300x150, {881, 124, "X"}},
                        {"amount of bet 1", k300x150, {4680, 87, "X"}},
                        {"kind of bet 2", k300x150, {10471, 385, "X"}},
                        {"race 3", k300x150, {1090, 161, "X"}},
                        {"cost", k300x150, {0, 199, "9,00"}},
                    },
                    printer);
        // 8 horses, 2 amounts, 2 kinds, the race and the meeting.
        EXPECT_EQ(std::count_if(page.marks.begin(), page.marks.end(),
                                [](const FormMark& m) { return m.text == "X"; }),
                  14);
    }
}

TEST(TestPage, MarksEveryBoxWithItsOwnUnits) {
    PrinterLayout skor = initialLayout(FormKind::Skor);
    skor.text = "  Shop  ";
    const FormPage sk = skorTestPage(k600, skor);
    // 108 horse boxes, amount, bet kind and two meetings.
    EXPECT_EQ(
        std::count_if(sk.marks.begin(), sk.marks.end(), [](const FormMark& m) { return m.text == "X"; }),
        108 + 4);
    // The number and textTop in millimetres here: "1" at (3 mm, 6.35 mm) = (70, 150) at 600 dpi.
    EXPECT_THAT(sk.marks, Contains(FormMark{70, 150, "1"}));
    EXPECT_THAT(sk.marks, Contains(FormMark{1090, 150, "Shop"}));
    EXPECT_THAT(sk.marks, Contains(FormMark{0, 595, "0000"}));  // (valueRight 0.5 dots, D + 4E)
    EXPECT_THAT(sk.marks, Contains(FormMark{1494, 446, "X"}));  // horse 12 of race 1, as on the coupon

    const FormPage tet = tetraploTestPage(k300x150, initialLayout(FormKind::Tetraplo));
    // 2 bets x 4 places x 18 horses, 2 amounts, 2 kinds, the race and the meeting.
    EXPECT_EQ(
        std::count_if(tet.marks.begin(), tet.marks.end(), [](const FormMark& m) { return m.text == "X"; }),
        144 + 6);
    EXPECT_THAT(tet.marks, Contains(FormMark{950, 37, "X"}));  // race mark at raceRight itself
    EXPECT_THAT(tet.marks, Contains(FormMark{35, 37, "1"}));   // (3 mm, 6.35 mm)
}

TEST(FormJob, DrawsEveryMarkInTheLayoutsFontSize) {
    FormPage page;
    page.fontSize = 16;
    page.marks = {{10, 20, "X"}, {30, 40, ""}, {50, 60, "12"}};
    const print::PrintJob job = formJob(page, "Arial");
    ASSERT_EQ(job.operations().size(), 3u);  // the font, then the two marks with text
    EXPECT_EQ(std::get<print::SetFont>(job.operations()[0]).font.pointSize, 16);
    EXPECT_EQ(std::get<print::DrawText>(job.operations()[2]), (print::DrawText{50, 60, "12"}));
}

}  // namespace
}  // namespace quintaro::coupons
