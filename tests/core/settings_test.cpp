#include <gtest/gtest.h>

#include "core/settings/column_cost.h"
#include "core/settings/holder.h"
#include "core/settings/memory_settings.h"
#include "core/settings/tips_protocol.h"
#include "core/text/number_text.h"

namespace quintaro {
namespace {

using namespace settings;

TEST(SettingsStore, MissingValuesReadAsTheReadersDefault) {
    MemorySettings store;
    EXPECT_EQ(store.readString(kHolderKey, kOptionsSection, kTitle, "x"), "x");
    EXPECT_TRUE(store.readFlag(kGeneralKey, kTipsSection, kShowTips, true));
    EXPECT_FALSE(store.readFlag(kGeneralKey, kTipsSection, kEndFlag, false));
}

TEST(SettingsStore, FlagsAreReadAsIntegers) {
    struct Case {
        const char* stored;
        bool defaultValue;
        bool expected;
    } cases[] = {
        {"1", false, true},    {"0", true, false},  {"2", false, true}, {"-1", false, true},
        {"yes", false, false}, {"yes", true, true}, {"", true, true},   {"0", false, false},
    };
    for (const Case& c : cases) {
        MemorySettings store;
        store.writeString(kGeneralKey, kTipsSection, kShowTips, c.stored);
        EXPECT_EQ(store.readFlag(kGeneralKey, kTipsSection, kShowTips, c.defaultValue), c.expected)
            << "stored '" << c.stored << "'";
    }
    MemorySettings store;
    store.writeFlag(kGeneralKey, kTipsSection, kEndFlag, true);
    EXPECT_EQ(store.readString(kGeneralKey, kTipsSection, kEndFlag, ""), "1");
    store.writeFlag(kGeneralKey, kTipsSection, kEndFlag, false);
    EXPECT_EQ(store.readString(kGeneralKey, kTipsSection, kEndFlag, ""), "0");
}

TEST(ColumnCost, DefaultsDependOnTheGameName) {
    MemorySettings store;
    EXPECT_DOUBLE_EQ(readColumnCost(store, "ΣΚΟΡ 9", '.'), 1.5);
    EXPECT_DOUBLE_EQ(readColumnCost(store, "ΣΚΟΡ 4", ','), 1.5);
    EXPECT_DOUBLE_EQ(readColumnCost(store, "ΤΕΤΡΑΠΛΟ", '.'), 0.5);
    EXPECT_DOUBLE_EQ(readColumnCost(store, "ΤΡΙΚΑΣΤ", ','), 0.5);
}

TEST(ColumnCost, EitherSeparatorReadsUnderEitherLocale) {
    for (const char* stored : {"1,50", "1.50", "1.5", "1,5"}) {
        for (char locale : {'.', ','}) {
            MemorySettings store;
            store.writeString(kCostsKey, kOptionsSection, "ΣΚΟΡ 9", stored);
            EXPECT_DOUBLE_EQ(readColumnCost(store, "ΣΚΟΡ 9", locale), 1.5) << stored << " under " << locale;
        }
    }
}

TEST(ColumnCost, TextsThatAreNoNumberGiveTheConversionError) {
    MemorySettings store;
    store.writeString(kCostsKey, kOptionsSection, "ΣΚΟΡ 4", "");
    try {
        readColumnCost(store, "ΣΚΟΡ 4", '.');
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid floating point value");
    }
    store.writeString(kCostsKey, kOptionsSection, "ΣΚΟΡ 4", "1.5,0");
    EXPECT_THROW(readColumnCost(store, "ΣΚΟΡ 4", '.'), ConversionError);
    EXPECT_EQ(store.readString(kCostsKey, kOptionsSection, "ΣΚΟΡ 4", "?"), "1.5,0");  // unchanged
}

TEST(Holder, ReadingBeforeAnySaveCreatesTheKeyButNoSection) {
    MemorySettings store;
    const HolderDetails printout = readHolderForPrintout(store);
    const HolderDetails dialog = readHolderForDialog(store);
    EXPECT_TRUE(store.hasKey(kHolderKey));
    EXPECT_FALSE(store.hasSection(kHolderKey, kOptionsSection));
    EXPECT_EQ(printout.title, dialog.title);
    EXPECT_NE(printout.address, dialog.address);
    EXPECT_EQ(printout.misc, "ΠΡΟΓΡΑΜΜΑΤΑ ΥΠΟΛΟΓΙΣΤΩΝ");
    writeHolder(store, {"Α", "Β", "Γ"});
    EXPECT_EQ(readHolderForPrintout(store).address, "Β");
    EXPECT_EQ(readHolderForDialog(store).address, "Β");
}

TEST(ColumnCost, TheSettingsDialogShowsItsOwnDefaultsAndSavesTheTextsAsTyped) {
    MemorySettings store;
    EXPECT_EQ(readCostTextsForDialog(store), (CostTexts{"1.50", "1.50", "0.30", "0.50", "0.50", "0.50"}));
    // Before a save counting a ΣΚΟΡ 9 game costs 1.5; saving the shown texts makes it 0.30.
    EXPECT_DOUBLE_EQ(readColumnCost(store, "ΣΚΟΡ 9", '.'), 1.5);
    writeCostTexts(store, readCostTextsForDialog(store));
    EXPECT_DOUBLE_EQ(readColumnCost(store, "ΣΚΟΡ 9", '.'), 0.3);
    EXPECT_DOUBLE_EQ(readColumnCost(store, "ΣΚΟΡ 9", ','), 0.3);
    EXPECT_EQ(store.readString(kCostsKey, kOptionsSection, "ΤΡΙΟ", "?"), "0.50");

    // Texts are stored unchecked: an empty one makes the readers fail, not the save.
    writeCostTexts(store, {"2,00", "", "1", "0.5", "x", "3"});
    EXPECT_EQ(readCostTextsForDialog(store), (CostTexts{"2,00", "", "1", "0.5", "x", "3"}));
    EXPECT_DOUBLE_EQ(readColumnCost(store, "ΣΚΟΡ 4", '.'), 2.0);
    EXPECT_THROW(readColumnCost(store, "ΣΚΟΡ 6", '.'), ConversionError);
}

TEST(ColumnCost, AFailingWriteStopsTheSave) {
    MemorySettings store;
    store.setFailWrites(true);
    EXPECT_THROW(writeCostTexts(store, readCostTextsForDialog(store)), SettingsError);
    store.setFailWrites(false);
    EXPECT_EQ(store.read(kCostsKey, kOptionsSection, "ΣΚΟΡ 4"), std::nullopt);
}

TEST(Holder, AnEmptyLineIsSavedAndReadAsEmpty) {
    MemorySettings store;
    writeHolder(store, {"ΤΙΤΛΟΣ", "ΟΔΟΣ 2", ""});
    EXPECT_EQ(readHolderForPrintout(store).misc, "");
    EXPECT_EQ(readHolderForDialog(store).misc, "");
    EXPECT_EQ(readHolderForPrintout(store).title, "ΤΙΤΛΟΣ");
}

// Two runs of the program against one store: the first ends normally, the second abnormally, the third
// finds EndFlag left set and shows no tips, and its normal close clears the flag again.
TEST(TipsProtocol, TipsAppearOncePerRunAndNotAfterAnAbnormalEnd) {
    MemorySettings store;
    // Run 1: first activation shows the tips, the second does not; a normal close.
    EXPECT_TRUE(tips::menuCheckedAtStart(store));
    EXPECT_TRUE(tips::takeShowOnActivation(store));
    EXPECT_FALSE(tips::takeShowOnActivation(store));
    tips::onMainWindowClosed(store);
    // Run 2: shows the tips, then ends without closing the main window.
    EXPECT_TRUE(tips::takeShowOnActivation(store));
    // Run 3: EndFlag is still set.
    EXPECT_TRUE(tips::menuCheckedAtStart(store));
    EXPECT_FALSE(tips::takeShowOnActivation(store));
    tips::onMainWindowClosed(store);
    // Run 4: back to normal.
    EXPECT_TRUE(tips::takeShowOnActivation(store));
}

TEST(TipsProtocol, MenuToggleWritesBothFlags) {
    MemorySettings store;
    EXPECT_FALSE(tips::toggleMenu(store, true));
    EXPECT_FALSE(store.readFlag(kGeneralKey, kTipsSection, kShowTips, true));
    EXPECT_TRUE(store.readFlag(kGeneralKey, kTipsSection, kEndFlag, false));
    EXPECT_FALSE(tips::menuCheckedAtStart(store));
    EXPECT_FALSE(tips::takeShowOnActivation(store));

    // Checking the item shows the tips at once, so they count as handled for this run: the activation that
    // follows the dialog's closing must not show them again.
    EXPECT_TRUE(tips::toggleMenu(store, false));
    EXPECT_TRUE(store.readFlag(kGeneralKey, kTipsSection, kShowTips, false));
    EXPECT_FALSE(tips::takeShowOnActivation(store));
    // The next run shows them again once this one has ended normally.
    tips::onMainWindowClosed(store);
    EXPECT_TRUE(tips::menuCheckedAtStart(store));
    EXPECT_TRUE(tips::takeShowOnActivation(store));
}

}  // namespace
}  // namespace quintaro
