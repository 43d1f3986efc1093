#include <gtest/gtest.h>

#include "core/game/basic_editor_model.h"
#include "core/game/new_game_marks.h"

namespace quintaro {
namespace {

TEST(NewGameMarks, HeaderClickInvertsEachRaceOnItsOwn) {
    NewGameMarks marks;
    marks.reset(3);
    marks.toggle(2, 7);
    marks.toggleInEveryRace(7);
    EXPECT_TRUE(marks.marked(1, 7));
    EXPECT_FALSE(marks.marked(2, 7));
    EXPECT_TRUE(marks.marked(3, 7));
    marks.toggleInEveryRace(7);
    EXPECT_FALSE(marks.marked(1, 7));
    EXPECT_TRUE(marks.marked(2, 7));
    EXPECT_FALSE(marks.marked(3, 7));
    // Outside the grid nothing happens.
    marks.toggle(4, 1);
    marks.toggle(1, 21);
    EXPECT_FALSE(marks.marked(4, 1));
}

TEST(NewGameMarks, CollectGivesAscendingHorsesOrNothingWhenARaceIsEmpty) {
    NewGameMarks marks;
    marks.reset(2);
    marks.toggle(1, 12);
    marks.toggle(1, 3);
    EXPECT_EQ(marks.collect(), std::nullopt);  // race 2 has no horse
    marks.toggle(2, 20);
    const auto races = marks.collect();
    ASSERT_TRUE(races);
    ASSERT_EQ(races->size(), 2u);
    EXPECT_EQ((*races)[0].text(), "3,12");
    EXPECT_EQ((*races)[0].count, 2);
    EXPECT_EQ((*races)[1].text(), "20");
    marks.reset(2);
    EXPECT_FALSE(marks.marked(1, 3));
}

// A "ΣΚΟΡ 4" game: horse 9 runs only in race 2.
SelectionTable fourRaceGame() {
    SelectionTable t;
    t.reset(4, "ΚΟΥΡΣΕΣ");
    t.setSelectedHorses({makeRace({1, 3, 7}), makeRace({1, 3, 7, 9}), makeRace({3, 7}), makeRace({1, 7})});
    return t;
}

std::vector<std::string> distinctOf(const SelectionTable& t) {
    aTAloga races;
    for (int r = 1; r <= t.races(); ++r) {
        races.push_back(makeRace(t.selectedHorses(r)));
    }
    return distinctHorses(races);
}

TEST(BasicEditor, EntryOffersOnlyTheSelectedHorsesAndAHeaderClickTogglesEachRace) {
    const SelectionTable t = fourRaceGame();
    BasicEditorModel m;
    m.fillForEntry(t, 2, distinctOf(t));
    ASSERT_EQ(m.horseCount(), 4);  // 1, 3, 7, 9
    EXPECT_EQ(m.header(3), "9");
    EXPECT_EQ(m.raceLabel(), "ΚΟΥΡΣΕΣ");
    EXPECT_FALSE(m.available(3, 1));
    EXPECT_TRUE(m.available(3, 2));
    EXPECT_FALSE(m.available(0, 3));  // horse 1 does not run in race 3

    m.clickHeader(3);
    EXPECT_EQ(m.raceTexts(), (std::vector<std::string>{"", "9", "", ""}));
    m.clickCell(3, 1);  // unavailable: nothing
    EXPECT_FALSE(m.chosen(3, 1));
    m.clickCell(0, 1);
    m.clickHeader(0);  // horse 1: off in race 1, on in races 2 and 4, still unavailable in race 3
    EXPECT_EQ(m.raceTexts(), (std::vector<std::string>{"", "1,9", "", "1"}));
    m.clickCell(0, 2);
    EXPECT_FALSE(m.chosen(0, 2));
}

TEST(BasicEditor, OddAndEvenButtonsSetTheirParityAndKeepTheirState) {
    SelectionTable t;
    t.reset(6, "ΚΟΥΡΣΕΣ");
    t.setSelectedHorses(aTAloga(6, makeRace({1, 2, 3, 4})));
    BasicEditorModel m;
    m.fillForEntry(t, 2, distinctOf(t));
    m.clickCell(1, 3);  // horse 2 in race 3
    EXPECT_TRUE(m.pressParity(Parity::Odd, 3));
    EXPECT_EQ(m.raceTexts()[2], "1,2,3");
    EXPECT_FALSE(m.pressParity(Parity::Odd, 3));
    EXPECT_EQ(m.raceTexts()[2], "2");
    EXPECT_TRUE(m.pressParity(Parity::Even, 5));
    EXPECT_EQ(m.raceTexts()[4], "2,4");
    // The pressed state survives a new filling; the choices do not.
    m.fillForEntry(t, 2, distinctOf(t));
    EXPECT_TRUE(m.parityPressed(Parity::Even, 5));
    EXPECT_FALSE(m.parityPressed(Parity::Odd, 3));
    EXPECT_FALSE(m.anyChosen());
    // Pressing again releases it and clears the even horses.
    m.clickCell(3, 5);
    EXPECT_FALSE(m.pressParity(Parity::Even, 5));
    EXPECT_EQ(m.raceTexts()[4], "");
}

TEST(BasicEditor, AcceptChecksInTheirOrder) {
    const SelectionTable t = fourRaceGame();
    struct Case {
        bool choose;
        std::string from, to;
        AcceptCheck expected;
    } cases[] = {
        {false, "1", "2", AcceptCheck::NoHorseChosen},
        {true, "", "2", AcceptCheck::FromEmpty},
        {true, "  ", "", AcceptCheck::FromEmpty},
        {true, "0", " ", AcceptCheck::ToEmpty},
        {true, "3", "1", AcceptCheck::Ok},  // the bounds are not compared with each other
    };
    for (const Case& c : cases) {
        BasicEditorModel m;
        m.fillForEntry(t, 2, distinctOf(t));
        if (c.choose) {
            m.clickCell(1, 1);
        }
        m.from = c.from;
        m.to = c.to;
        EXPECT_EQ(m.checkAccept(), c.expected) << c.choose << " '" << c.from << "' '" << c.to << "'";
    }
}

TEST(BasicEditor, CorrectionNeedsAnEntryForTheSameCountsAndLoadsTheBasic) {
    SelectionTable t = fourRaceGame();
    t.setCell(2, 1, "7,3");  // typed out of order: read by membership
    t.setCell(2, 2, "9");
    t.setCell(2, t.fromRow(), "1");
    t.setCell(2, t.toRow(), "2");
    t.setCell(2, t.groupRow(), "0");
    const auto distinct = distinctOf(t);
    BasicEditorModel m;
    EXPECT_FALSE(m.fillForCorrection(t, 2, distinct));
    EXPECT_EQ(m.horseCount(), 0);

    m.fillForEntry(t, 2, distinct);
    EXPECT_EQ(m.from, "");
    EXPECT_EQ(m.group, "0");
    EXPECT_EQ(m.oldGroup(), "");
    ASSERT_TRUE(m.fillForCorrection(t, 2, distinct));
    EXPECT_EQ(m.mode(), EditorMode::Correction);
    EXPECT_EQ(m.raceTexts(), (std::vector<std::string>{"3,7", "9", "", ""}));
    EXPECT_EQ(m.from, "1");
    EXPECT_EQ(m.to, "2");
    EXPECT_EQ(m.oldGroup(), "0");
    EXPECT_EQ(m.groupChange(), std::nullopt);
    m.group = "2";
    EXPECT_EQ(m.groupChange(), (GroupChange{"2", "0"}));
    m.group = "";
    EXPECT_EQ(m.groupChange(), std::nullopt);

    // A basic without bounds records no old group, so changing its group adjusts nothing.
    t.setCell(2, t.fromRow(), "");
    ASSERT_TRUE(m.fillForCorrection(t, 2, distinct));
    m.group = "2";
    EXPECT_EQ(m.groupChange(), std::nullopt);

    // Other counts of horses or races refuse the correction.
    EXPECT_FALSE(m.fillForCorrection(t, 2, {"1", "3", "7"}));
}

TEST(BasicEditor, WriteBackInColumnOrderAndOnlyTheFilledFields) {
    SelectionTable t = fourRaceGame();
    t.setCell(2, t.fromRow(), "1");
    t.setCell(2, t.toRow(), "4");
    BasicEditorModel m;
    m.fillForEntry(t, 2, distinctOf(t));
    m.clickCell(2, 1);  // 7
    m.clickCell(1, 1);  // 3
    m.group = "3";
    m.writeBack(t, 2);
    EXPECT_EQ(t.cell(2, 1), "3,7");
    EXPECT_EQ(t.cell(2, 2), "");
    EXPECT_EQ(t.cell(2, t.fromRow()), "1");  // the emptied fields leave the bounds as they were
    EXPECT_EQ(t.cell(2, t.toRow()), "4");
    EXPECT_EQ(t.cell(2, t.groupRow()), "3");
    EXPECT_EQ(basicColumnWidth(8, {}), 30);  // the width after a cancelled entry
}

TEST(BasicEditor, CaptionsLabelsAndTheBoundRule) {
    EXPECT_EQ(editorCaption(EditorMode::Entry, "1"), "ΕΙΣΑΓΩΓΗ ΝΕΑΣ ΒΑΣΙΚΗΣ 1");
    EXPECT_EQ(editorCaption(EditorMode::Correction, "3"), "ΔΙΟΡΘΩΣΗ ΒΑΣΙΚΗΣ 3");
    EXPECT_EQ(editorRacesLabel("ΣΚΟΡ 6", 6), "ΚΟΥΡΣΕΣ : 6");
    EXPECT_EQ(editorRacesLabel("ΤΡΙΚΑΣΤ", 3), "ΘΕΣΕΙΣ : 3");
    EXPECT_EQ(editorRacesLabel("ΤΕΤΡΑΠΛΟ", 4), "ΘΕΣΕΙΣ : 4");

    EXPECT_TRUE(boundExceedsRaces("5", 4));
    EXPECT_FALSE(boundExceedsRaces("4", 4));
    EXPECT_FALSE(boundExceedsRaces("0", 4));
    EXPECT_FALSE(boundExceedsRaces("", 4));
}

}  // namespace
}  // namespace quintaro
