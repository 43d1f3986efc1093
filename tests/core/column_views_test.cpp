#include <gtest/gtest.h>

#include "core/coupons/column_views.h"
#include "support/counted_lists.h"

namespace quintaro {
namespace {

TEST(ColumnViews, PlainListCellsAndCaption) {
    const ColumnList columns = test::columnsOf(4, {{1, 3, 5, 7}, {1, 3, 5, 8}, {2, 12, 6, 20}});
    const char* expected[5][5] = {
        {"", "1", "2", "3", ""},  {"1", "1", "1", "2", ""},  {"2", "3", "3", "12", ""},
        {"3", "5", "5", "6", ""}, {"4", "7", "8", "20", ""},
    };
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 5; ++column) {
            EXPECT_EQ(plainListCell(columns, column, row), expected[row][column]) << column << "," << row;
        }
    }
    EXPECT_EQ(plainListCell(columns, 1, 5), "");
    EXPECT_EQ(plainListCaption(3, 3, 4.5, '.'), "ΣΤΗΛΕΣ : 3   ΚΟΣΤΟΣ : 4.50");
    EXPECT_EQ(plainListCaption(25, 25, 37.5, ','), "ΣΤΗΛΕΣ : 25   ΚΟΣΤΟΣ : 37,50");
    EXPECT_EQ(plainListCaption(100001, 100000, 150001.5, '.'),
              "ΣΤΗΛΕΣ : 100001   ΚΟΣΤΟΣ : 150001.50   (ΕΜΦΑΝΙΖΟΝΤΑΙ ΟΙ ΠΡΩΤΕΣ 100000)");
}

TEST(ColumnViews, GatheredListCellsAndCaption) {
    const CouponList coupons = {{"1,2", "3,4", "5,6", "7,8"}, {"9", "3", "5", "7"}};
    EXPECT_EQ(gatheredListCell(coupons, 4, 0, 0), "");
    EXPECT_EQ(gatheredListCell(coupons, 4, 0, 4), "4");
    EXPECT_EQ(gatheredListCell(coupons, 4, 2, 0), "2");
    EXPECT_EQ(gatheredListCell(coupons, 4, 1, 4), "7,8");
    EXPECT_EQ(gatheredListCell(coupons, 4, 3, 1), "");
    EXPECT_EQ(gatheredListCaption(16, 1, 24, '.'),
              "ΜΑΖΕΜΑ ΣΤΗΛΩΝ - ΣΤΗΛΕΣ : 16  ΔΕΛΤΙΑ : 1    ΚΟΣΤΟΣ : 24.00");
}

}  // namespace
}  // namespace quintaro
