// The number groups of the TRIO window: marks from and to a group's list, clicks on the group dialog's board,
// and the rules that keep its two bounds sensible on leaving them.

#include <gtest/gtest.h>

#include "core/trio/number_group.h"

namespace quintaro::trio {
namespace {

TEST(TrioNumberGroup, MarksFromAndToTheList) {
    EXPECT_EQ(marksFromList("3,12,x,25,0,20").numbers(), (std::vector<int>{3, 12, 20}));
    EXPECT_EQ(marksFromList("   ").count(), 0);
    TrioBoard marks;
    marks.setNumber(14, true);
    marks.setNumber(2, true);
    EXPECT_EQ(listFromMarks(marks), "2,14");
    EXPECT_EQ(listFromMarks(TrioBoard{}), "");
}

TEST(TrioNumberGroup, OnlySelectedNumbersCanBeMarked) {
    TrioBoard selection;
    for (int v : {2, 5, 9})
        selection.setNumber(v, true);
    TrioBoard marks;
    MarkClick click = clickMark(marks, selection, 7);
    EXPECT_EQ(marks.count(), 0);
    EXPECT_EQ(click.toText, "0");
    clickMark(marks, selection, 2);
    EXPECT_EQ(clickMark(marks, selection, 5).toText, "2");
    EXPECT_EQ(clickMark(marks, selection, 9).toText, "3");
    EXPECT_EQ(clickMark(marks, selection, 9).toText, "2");
    EXPECT_FALSE(click.tooMany);
}

TEST(TrioNumberGroup, TenMarksAskForTheBounds) {
    TrioBoard selection;
    for (int v = 1; v <= 20; ++v)
        selection.setNumber(v, true);
    TrioBoard marks;
    for (int v = 1; v <= 9; ++v) {
        const MarkClick c = clickMark(marks, selection, v);
        EXPECT_FALSE(c.tooMany);
        EXPECT_EQ(c.toText, v <= 3 ? std::to_string(v) : "3");
    }
    MarkClick tenth = clickMark(marks, selection, 10);
    EXPECT_TRUE(tenth.tooMany);
    EXPECT_FALSE(tenth.toText);
    EXPECT_EQ(marks.count(), 10);  // the mark stays
    EXPECT_TRUE(clickMark(marks, selection, 11).tooMany);
    EXPECT_EQ(marks.count(), 11);
    // Unmarking back to nine: no message.
    clickMark(marks, selection, 11);
    EXPECT_FALSE(clickMark(marks, selection, 10).tooMany);
    EXPECT_EQ(marks.count(), 9);
}

TEST(TrioNumberGroup, LeavingTheBoundEdits) {
    struct Case {
        const char* from;
        const char* to;
        int marks;
        const char* fromAfter;  // leaving Από
        const char* toAfter;    // leaving Έως
    };
    const Case cases[] = {
        {"0", "5", 2, "0", "2"},  // Έως: at most 3, then at most the marks
        {"2", "1", 2, "1", "2"},  // Έως below Από takes Από's text; Από above Έως takes Έως's
        {"3", "1", 5, "1", "3"},   {"1", "3", 5, "1", "3"},
        {"2", "7", 5, "2", "3"},   {"4", "2", 5, "2", "3"},  // Έως := Από (4), then at most 3
        {"", "2", 2, "0", "0"},                              // not integers: "0"
        {"1", "", 2, "0", "0"},    {"01", "0", 2, "0", "01"},
        {"1", "02", 3, "1", "02"},  // texts are kept as typed when no rule applies
    };
    for (const Case& c : cases) {
        EXPECT_EQ(leaveFromEdit(c.from, c.to), c.fromAfter) << c.from << " " << c.to;
        EXPECT_EQ(leaveToEdit(c.from, c.to, c.marks), c.toAfter) << c.from << " " << c.to;
    }
    EXPECT_TRUE(boundEditAcceptsKey(U'7'));
    EXPECT_TRUE(boundEditAcceptsKey(8));
    EXPECT_TRUE(boundEditAcceptsKey(13));
    EXPECT_FALSE(boundEditAcceptsKey(U'a'));
    EXPECT_FALSE(boundEditAcceptsKey(U'-'));
}

}  // namespace
}  // namespace quintaro::trio
