// The TRIO window's texts and files: labels and the result message, the columns and prototype files with the
// prototype's name, the conditions file written and read back.

#include <gtest/gtest.h>

#include "core/text/cp1253.h"
#include "core/trio/board.h"
#include "core/trio/condition_grid.h"
#include "core/trio/trio_files.h"
#include "core/trio/trio_texts.h"
#include "core/trio/walk.h"

namespace quintaro::trio {
namespace {

std::vector<Column> sevenColumns() {
    std::vector<int> numbers = {1, 2, 3, 4, 5, 6, 7};
    return calculateTrio(numbers, neutralConditions(), 2).columns;
}

TEST(TrioTexts, LabelsAndResultMessage) {
    EXPECT_EQ(selectedLabel(5), "Επιλεγμένοι Αριθμοί : 5");
    EXPECT_EQ(fullColumnsLabel(5), "Στήλες : 10");
    EXPECT_EQ(fullCostLabel(5, ','), "Κόστος : 10,00");
    EXPECT_EQ(fullColumnsLabel(2), "Στήλες : 0");
    EXPECT_EQ(fullCostLabel(0, '.'), "Κόστος : 0.00");
    EXPECT_EQ(foundColumnsLabel(7), "Στήλες : 7");
    EXPECT_EQ(foundCostLabel(7, '.'), "Κόστος : 7.00");
    EXPECT_EQ(runningCountLabel(4), "Στήλες που έχουν βρεθεί : 4");
    EXPECT_EQ(couponsLabel(0), "Δελτία : 0");
    EXPECT_EQ(couponsLabel(7), "Δελτία : 3");
    EXPECT_EQ(couponsLabel(9), "Δελτία : 3");
    EXPECT_EQ(couponsLabel(10), "Δελτία : 4");
    EXPECT_EQ(percentLabel(7, 7, '.'), "Ποσοστό για 3άρι : 20.00%");
    EXPECT_EQ(percentLabel(6, 5, ','), "Ποσοστό για 3άρι : 60,00%");
    EXPECT_EQ(percentLabel(0, 2, '.'), "Ποσοστό για 3άρι : 0%");
    EXPECT_EQ(previousCountLabel(7), "Προγηγούμενο μέτρημα : 7");
    EXPECT_EQ(guaranteeOfItem(0), 3);
    EXPECT_EQ(guaranteeOfItem(1), 2);
    EXPECT_EQ(guaranteeOfItem(-1), 0);

    EXPECT_EQ(resultMessage(selectedLabel(5), kGuarantee3, kSystemKind, 10, couponsLabel(10), '.'),
              "Επιλεγμένοι Αριθμοί : 5   Εγγυημένη Επιτυχία 100%  3αρι ΣΕ 3αδες\r"
              "Βρέθηκαν 10 στήλες   Κόστος : 10.00 Ευρώ  Δελτία : 4");
    EXPECT_EQ(resultMessage(selectedLabel(7), kGuarantee2, kSystemKind, 0, couponsLabel(0), ','),
              "Επιλεγμένοι Αριθμοί : 7   Εγγυημένη Επιτυχία 100%  3αρι ή 2αρι(α) ΣΕ 3αδες\r"
              "Βρέθηκαν 0 στήλες   Κόστος : 0,00 Ευρώ  Δελτία : 0");
}

TEST(TrioFiles, ColumnsAndPrototypeFiles) {
    const std::vector<Column> seven = sevenColumns();
    EXPECT_EQ(columnsFileBytes(seven), "1,2,3\r\n1,4,5\r\n1,6,7\r\n2,4,6\r\n2,5,7\r\n3,4,7\r\n3,5,6\r\n");
    EXPECT_EQ(prototypeFileBytes(seven).substr(0, 16), "1 2 3 \r\n1 4 5 \r\n");
    EXPECT_EQ(columnsFileBytes({}), "");
    EXPECT_EQ(columnsFileBytes({{12, 15, 20}}), "12,15,20\r\n");

    PrototypeFigures plain;
    plain.selected = 7;
    plain.guarantee = 2;
    plain.found = 7;
    EXPECT_EQ(prototypeFileName(plain), "A7253_7_2_3_0_700_3_2000_3.sy5");

    PrototypeFigures grouped = plain;
    grouped.found = 5;
    grouped.group1List = "1,2";
    grouped.group1From = "1";
    grouped.group1To = "2";
    EXPECT_EQ(prototypeFileName(grouped), "Z725312_7_2_3_0_500_2_1429_3_1$2.sy5");

    PrototypeFigures all;
    all.selected = 20;
    all.guarantee = 3;
    all.found = 1140;
    all.group1List = "  ";  // blank once trimmed: an "A" name
    EXPECT_EQ(prototypeFileName(all), "A20353_20_3_3_0_114000_380_10000_3.sy5");
}

TEST(TrioFiles, ConditionsFileOfAFreshWindowAndBack) {
    TextGrid grid;
    resetConditionGrid(grid);
    ConditionsFile fresh;
    fresh.hitText = kHitItem;
    fresh.guaranteeText = kGuarantee3;
    fresh.systemText = kSystemKind;
    for (int r = 1; r <= kConditionCount; ++r) {
        fresh.rows.emplace_back(grid.cell(kFromColumn, r), grid.cell(kToColumn, r));
    }
    const std::string bytes = conditionsFileBytes(fresh);
    const std::string expected = cp1253::encode(
        "\r\n3\r\n100%  3αρι\r\n3αδες\r\n"
        "\r\n0\r\n0\r\n\r\n0\r\n0\r\n\r\n0\r\n0\r\n\r\n0\r\n0\r\n"
        "6,57\r\n0,3\r\n0,3\r\n0,3\r\n0,3\r\n0,3\r\n0,3\r\n2,19\r\n");
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(bytes.substr(2, 1), "3");
    EXPECT_EQ(static_cast<unsigned char>(bytes[12]), 0xE1u);  // α in the Greek code page

    ConditionsFile back = readConditionsFile(bytes);
    EXPECT_EQ(back.selection, "");
    EXPECT_EQ(back.guaranteeText, "100%  3αρι");
    EXPECT_EQ(back.systemText, "3αδες");
    EXPECT_EQ(back.groups, fresh.groups);
    EXPECT_EQ(back.rows, fresh.rows);

    ConditionsFile full = fresh;
    full.selection = "1,2,3,4,5,6,7";
    full.guaranteeText = kGuarantee2;
    full.groups[2] = {"3,5", "1", "2"};
    full.rows[0] = {"9", "40"};
    EXPECT_EQ(readConditionsFile(conditionsFileBytes(full)).rows, full.rows);
    EXPECT_EQ(readConditionsFile(conditionsFileBytes(full)).groups, full.groups);
    EXPECT_EQ(readConditionsFile(conditionsFileBytes(full)).selection, full.selection);
}

TEST(TrioFiles, ConditionsFileReadingRules) {
    // Rows: ΑΠΟ before the first comma as it stands, ΕΩΣ after it trimmed; no comma gives an empty ΑΠΟ.
    // Lines beyond the eighth condition are ignored; a short file gives fewer rows; LF alone ends a line too.
    std::string text = "1,7,x,20,33\n3\n100%  3ΑΡΙ Ή 2ΑΡΙ(Α)\n3αδες\n";
    for (int g = 0; g < 4; ++g)
        text += "\n0\n0\n";
    text += " 6, 40 \n19\n";
    for (int i = 0; i < 8; ++i)
        text += "0,3\n";
    const ConditionsFile file = readConditionsFile(cp1253::encode(text));
    ASSERT_EQ(file.rows.size(), 8u);
    EXPECT_EQ(file.rows[0], (std::pair<std::string, std::string>(" 6", "40")));
    EXPECT_EQ(file.rows[1], (std::pair<std::string, std::string>("", "19")));
    EXPECT_TRUE(sameTextIgnoringCase(file.guaranteeText, kGuarantee2));
    EXPECT_FALSE(sameTextIgnoringCase(file.guaranteeText, kGuarantee3));
    EXPECT_TRUE(sameTextIgnoringCase("ΣΕ Άλφα", "σε άλφα"));

    TrioBoard board;
    selectFromList(board, file.selection);
    EXPECT_EQ(board.numbers(), (std::vector<int>{1, 7, 20}));

    const ConditionsFile shortFile = readConditionsFile("5\r\n3\r\n");
    EXPECT_EQ(shortFile.selection, "5");
    EXPECT_EQ(shortFile.guaranteeText, "");
    EXPECT_TRUE(shortFile.rows.empty());

    EXPECT_THROW(readConditionsFile(std::string("1\r\n\x98\r\n")), cp1253::CodecError);

    EXPECT_EQ(systemName("/home/user/DELTIA/alpha.beta.or3"), "alpha");
    EXPECT_EQ(systemName("C:\\DELTIA\\ΣΥΣΤΗΜΑ1.or3"), "ΣΥΣΤΗΜΑ1");
    EXPECT_EQ(systemName("plain"), "plain");
}

TEST(TrioBoard, SelectionAndParityButtons) {
    TrioBoard board;
    EXPECT_EQ(boardCellText(0, 0), "1");
    EXPECT_EQ(boardCellText(1, 9), "20");
    board.set(1, 1, true);  // 12
    board.setParity(1, true, true);
    EXPECT_EQ(board.numbers(), (std::vector<int>{11, 12, 13, 15, 17, 19}));
    board.setParity(1, true, false);
    EXPECT_EQ(board.numbers(), (std::vector<int>{12}));
    board.setParity(0, false, true);
    EXPECT_EQ(board.numbers(), (std::vector<int>{2, 4, 6, 8, 10, 12}));
    EXPECT_EQ(board.count(), 6);
}

}  // namespace
}  // namespace quintaro::trio
