#include "core/coupons/coupon_preview.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/text/number_text.h"

namespace quintaro::coupons {
namespace {

using ::testing::ElementsAre;

ColumnList counted(int races, std::initializer_list<std::vector<std::uint8_t>> columns,
                   std::size_t limit = ColumnList::kDefaultStoredLimit) {
    ColumnList list;
    list.reset(races, limit);
    for (const auto& column : columns) {
        list.append(column);
    }
    return list;
}

TEST(CouponCost, IsTheProductOfTheListLengthsTimesThePrice) {
    // 2 · 1 · 3 · 1 = 6 columns at the built-in 1.5.
    const TsSthlh coupon{"1,2", "3", "4,5,6", "7"};
    EXPECT_EQ(couponColumnCount(coupon), 6.0);
    EXPECT_EQ(couponHeading(3, 12, couponCost(coupon, 1.5), ','), "ΔΕΛΤΙΟ 3 ΑΠΟ 12 ΚΟΣΤΟΣ :9,00");
    EXPECT_EQ(couponHeading(1, 1, couponCost(coupon, 0.75), '.'), "ΔΕΛΤΙΟ 1 ΑΠΟ 1 ΚΟΣΤΟΣ :4.50");
    EXPECT_EQ(couponCost({"1,2", "", "3"}, 1.5), 0.0);  // an empty list counts 0
    EXPECT_EQ(couponHeading(2, 4, 3, '.', std::string("19")),
              "ΔΕΛΤΙΟ 2 ΑΠΟ 4 ΚΟΣΤΟΣ :3.00 [19 ΕΚΤΟΣ ΔΕΛΤΙΟΥ]");
}

TEST(CouponList, PlainCouponsAreTheCountedColumnsInOrder) {
    ColumnList sthles = counted(4, {{1, 3, 5, 7}, {12, 3, 5, 8}});
    EXPECT_EQ(makeDeltia(sthles, CouponSource::Plain),
              (CouponList{{"1", "3", "5", "7"}, {"12", "3", "5", "8"}}));
}

TEST(CouponList, GatheredCouponsComeFromTheGathering) {
    ColumnList sthles = counted(4, {{1, 3, 5, 7}, {1, 3, 5, 8}, {2, 4, 6, 9}});
    EXPECT_EQ(makeDeltia(sthles, CouponSource::Gathered),
              (CouponList{{"1", "3", "5", "7,8"}, {"2", "4", "6", "9"}}));
}

TEST(CouponList, ACountingLargerThanTheListGivesNoCoupons) {
    ColumnList sthles = counted(4, {{1, 3, 5, 7}, {1, 3, 5, 8}}, 1);
    ASSERT_TRUE(sthles.truncated());
    EXPECT_THROW(makeDeltia(sthles, CouponSource::Plain), CouponsRefused);
    EXPECT_THROW(makeDeltia(sthles, CouponSource::Gathered), GatheringRefused);
}

TEST(CouponPreview, OpeningRefusalsAndTheRaceNumber) {
    CurrentGame game;
    game.Paixnidi = "ΣΚΟΡ 9";
    game.Kourses = 9;
    game.Sthles = counted(9, {{1, 1, 1, 1, 1, 1, 1, 1, 1}});
    EXPECT_EQ(openingRefusal(game), std::string(preview_texts::kNoCouponsFor9));
    game.Paixnidi = "ΣΚΟΡ 6";
    game.Kourses = 6;
    game.Sthles = counted(6, {});
    EXPECT_EQ(openingRefusal(game), std::string(preview_texts::kCountFirst));
    game.Sthles = counted(6, {{1, 2, 3, 4, 5, 6}});
    EXPECT_EQ(openingRefusal(game), std::nullopt);

    EXPECT_TRUE(asksRaceNumber("ΤΕΤΡΑΠΛΟ"));
    EXPECT_FALSE(asksRaceNumber("ΤΡΙΚΑΣΤ"));
    for (const char* bad : {"", "  ", "abc", "1.5", "5x"}) {
        EXPECT_EQ(parseRaceNumber(bad), std::nullopt) << bad;
    }
    EXPECT_EQ(parseRaceNumber("13"), 13);
    EXPECT_EQ(parseRaceNumber("25"), 25);  // accepted; its mark falls outside the race boxes
    EXPECT_EQ(couponBand("ΤΕΤΡΑΠΛΟ", 13), "ΤΕΤΡΑΠΛΟ  IΠ/ΜΙΑ : 13");
    EXPECT_EQ(couponBand("ΣΚΟΡ 4", 13), "ΣΚΟΡ 4");
}

TEST(CouponPreview, FormsOfTheGames) {
    EXPECT_EQ(formOfGame("ΣΚΟΡ 4"), FormKind::Skor);
    EXPECT_EQ(formOfGame("ΣΚΟΡ 6"), FormKind::Skor);
    EXPECT_EQ(formOfGame("ΤΕΤΡΑΠΛΟ"), FormKind::Tetraplo);
    EXPECT_EQ(formOfGame("ΤΡΙΚΑΣΤ"), std::nullopt);
    EXPECT_EQ(layoutWindowOfGame("ΤΡΙΚΑΣΤ"), FormKind::Tetraplo);
    EXPECT_EQ(layoutWindowOfGame("ΣΚΟΡ 6"), FormKind::Skor);
}

TEST(CouponPaging, PreviousNextAndFind) {
    CouponPaging paging;
    paging.reset(5);
    EXPECT_FALSE(paging.previous());
    EXPECT_EQ(paging.current(), 1);
    for (const char* nothing : {"", "   ", "0", "6", "-1"}) {
        EXPECT_FALSE(paging.find(nothing)) << nothing;
        EXPECT_EQ(paging.current(), 1);
    }
    EXPECT_TRUE(paging.find("5"));
    EXPECT_FALSE(paging.next());
    EXPECT_TRUE(paging.previous());
    EXPECT_EQ(paging.current(), 4);
    try {
        paging.find("τρία");
        ADD_FAILURE() << "a word is no coupon number";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'τρία' is not a valid integer value");
    }
    EXPECT_EQ(paging.current(), 4);
}

TEST(CouponPaging, TetraploPressesPrintTwoCouponsAForm) {
    // 5 coupons: forms (1, 2), (3, 4), (5 alone); the third press ends the printing.
    CouponPaging paging;
    paging.reset(5);
    std::vector<std::vector<int>> printed;
    std::vector<bool> finished;
    for (int press = 0; press < 3; ++press) {
        const PrintPress p = printPress(FormKind::Tetraplo, paging.current(), paging.count());
        printed.push_back(p.coupons);
        finished.push_back(p.finished);
        for (int i = 0; i < p.moves; ++i) {
            paging.next();
        }
    }
    EXPECT_THAT(printed, ElementsAre(ElementsAre(1, 2), ElementsAre(3, 4), ElementsAre(5)));
    EXPECT_THAT(finished, ElementsAre(false, false, true));
    EXPECT_EQ(paging.current(), 5);
    EXPECT_EQ(printAllForms(FormKind::Tetraplo, 5), printed);
    EXPECT_THAT(printAllForms(FormKind::Tetraplo, 4), ElementsAre(ElementsAre(1, 2), ElementsAre(3, 4)));
    // With two coupons from coupon 1 the one form carries the last coupon.
    EXPECT_TRUE(printPress(FormKind::Tetraplo, 1, 2).finished);
}

TEST(CouponPaging, SkorPressesPrintOneCouponAForm) {
    EXPECT_THAT(printPress(FormKind::Skor, 2, 3).coupons, ElementsAre(2));
    EXPECT_FALSE(printPress(FormKind::Skor, 2, 3).finished);
    EXPECT_TRUE(printPress(FormKind::Skor, 3, 3).finished);
    EXPECT_EQ(printPress(FormKind::Skor, 3, 3).moves, 1);
    EXPECT_THAT(printAllForms(FormKind::Skor, 3),
                ElementsAre(ElementsAre(1), ElementsAre(2), ElementsAre(3)));
    EXPECT_TRUE(printAllForms(FormKind::Skor, 0).empty());
}

TEST(CouponPreview, CouponsWithHorsesTheFormsHaveNoBoxFor) {
    const CouponList coupons{{"1", "2", "3", "4"}, {"1,19", "2", "3", "4"}, {"1", "2", "3", "20"}};
    EXPECT_THAT(unmarkableCoupons(coupons), ElementsAre(2, 3));
    EXPECT_THAT(unmarkableCouponsText({2, 3}), ::testing::HasSubstr("Τα δελτία 2, 3 (2 συνολικά)"));
}

}  // namespace
}  // namespace quintaro::coupons
