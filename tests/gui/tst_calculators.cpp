// The two calculators driven for real: keys typed into the runners' grid and the cut field, the calculation
// and its messages, clearing with its warning, and clearing on every showing.

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "core/settings/memory_settings.h"
#include "gui/app_context.h"
#include "gui/tools/apodoseis.h"
#include "gui/tools/calculator_grid.h"
#include "gui/tools/pososta.h"
#include "support/scripted_dialogs.h"

using namespace quintaro;
using namespace quintaro::gui;

class TestCalculators : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void typedOddsGiveMarginReturnCutAndProbabilities();
    void gridKeysFollowTheCalculatorsRules();
    void theResultRowCannotBeChosen();
    void percentagesToOddsAndTheSumMessage();
    void errorsKeepWhatWasWrittenAndNameTheValue();
    void clearAsksAndShowingClearsButKeepsTheCut();
    void theCutFieldTakesOnlyTheLocalesSeparator();

private:
    QString cell(CalculatorGrid* grid, int row, int runner) { return grid->item(row, runner)->text(); }
};

void TestCalculators::init() {
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));  // decimal separator ","
}

void TestCalculators::cleanup() {
    QLocale::setDefault(QLocale::c());
}

// Types into the grid as a user would: the keys go to the grid, or to the cell's editor once it is open.
static void type(CalculatorGrid* grid, const QString& keys) {
    for (QChar c : keys) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : grid;
        QTest::keyClick(target, c.toLatin1());
    }
}

static void enter(CalculatorGrid*) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

void TestCalculators::typedOddsGiveMarginReturnCutAndProbabilities() {
    MemorySettings store;
    AppContext ctx(store);
    TAPODOSEIS window(ctx);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("CALCULATE APODOSEIS"));
    CalculatorGrid* grid = window.grid();
    QTRY_VERIFY(grid->hasFocus());

    type(grid, QStringLiteral("1.8"));
    enter(grid);
    QCOMPARE(cell(grid, 0, 0), QStringLiteral("1,8"));  // "." typed under a "," locale
    QCOMPARE(grid->currentColumn(), 1);
    type(grid, QStringLiteral("1,8"));
    enter(grid);
    QCOMPARE(cell(grid, 0, 1), QStringLiteral("1,8"));
    // Entering values does not calculate.
    QCOMPARE(window.marginField()->text(), QStringLiteral("0"));

    test::ScriptedDialogs dialogs;
    QTest::mouseClick(window.calculateButton(), Qt::LeftButton);
    QCOMPARE(window.marginField()->text(), QStringLiteral("11,11"));
    QCOMPARE(window.returnField()->text(), QStringLiteral("90"));
    QCOMPARE(window.cutResultField()->text(), QStringLiteral("10"));
    QCOMPARE(cell(grid, 1, 0), QStringLiteral("50"));
    QCOMPARE(cell(grid, 1, 1), QStringLiteral("50"));
    QCOMPARE(cell(grid, 1, 2), QString());
    QCOMPARE(grid->item(1, 2)->background().color(), QColor(74, 255, 74));
    QVERIFY(dialogs.shown.isEmpty());

    // Odds of 2 for runners 1 and 4 with a gap between.
    window.clearWindow();
    grid->setInput(0, QStringLiteral("2"));
    grid->setInput(3, QStringLiteral("2"));
    window.calculate();
    QCOMPARE(window.marginField()->text(), QStringLiteral("0"));
    QCOMPARE(window.returnField()->text(), QStringLiteral("100"));
    QCOMPARE(cell(grid, 1, 3), QStringLiteral("50"));
    QCOMPARE(cell(grid, 1, 1), QString());

    // No odds at all: nothing changes, nothing is said.
    window.clearWindow();
    window.calculate();
    QCOMPARE(window.marginField()->text(), QStringLiteral("0"));
    QVERIFY(dialogs.shown.isEmpty());
}

void TestCalculators::gridKeysFollowTheCalculatorsRules() {
    MemorySettings store;
    AppContext ctx(store);
    TAPODOSEIS window(ctx);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    CalculatorGrid* grid = window.grid();
    QTRY_VERIFY(grid->hasFocus());

    // Letters and signs are dropped; they neither open the cell nor reach it.
    type(grid, QStringLiteral("a-x"));
    QCOMPARE(cell(grid, 0, 0), QString());
    type(grid, QStringLiteral("3b5"));
    enter(grid);
    QCOMPARE(cell(grid, 0, 0), QStringLiteral("35"));

    // Enter on an empty cell stays put.
    QCOMPARE(grid->currentColumn(), 1);
    enter(grid);
    QCOMPARE(grid->currentColumn(), 1);

    // From the last runner Enter goes back to the first.
    grid->setCurrentCell(0, 19);
    type(grid, QStringLiteral("4"));
    enter(grid);
    QCOMPARE(cell(grid, 0, 19), QStringLiteral("4"));
    QCOMPARE(grid->currentColumn(), 0);
    QCOMPARE(grid->currentRow(), 0);

    // Enter on a filled cell that is not being edited moves on too.
    enter(grid);
    QCOMPARE(grid->currentColumn(), 1);

    // Tab moves to the next cell of the input row, Backspace edits.
    QTest::keyClick(grid, Qt::Key_Tab);
    QCOMPARE(grid->currentColumn(), 2);
    QCOMPARE(grid->currentRow(), 0);
    type(grid, QStringLiteral("12"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    enter(grid);
    QCOMPARE(cell(grid, 0, 2), QStringLiteral("1"));
    QCOMPARE(grid->currentColumn(), 3);

    // Down and up keep to the input row.
    QTest::keyClick(grid, Qt::Key_Down);
    QCOMPARE(grid->currentRow(), 0);
}

void TestCalculators::theResultRowCannotBeChosen() {
    MemorySettings store;
    AppContext ctx(store);
    TAPODOSEIS window(ctx);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    CalculatorGrid* grid = window.grid();
    grid->setCurrentCell(0, 4);
    const QRect resultCell = grid->visualItemRect(grid->item(1, 7));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, resultCell.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, resultCell.center());
    QCOMPARE(grid->currentRow(), 0);
    QCOMPARE(grid->currentColumn(), 4);
    QVERIFY(!(grid->item(1, 7)->flags() & Qt::ItemIsEditable));
    QVERIFY(!grid->indexWidget(grid->model()->index(1, 7)));
}

void TestCalculators::percentagesToOddsAndTheSumMessage() {
    MemorySettings store;
    AppContext ctx(store);
    TPOSOSTA window(ctx);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("CALCULATE POSOSTA"));
    QCOMPARE(window.calculateButton()->text(), QStringLiteral("Calculate Pososta"));
    QCOMPARE(window.cutField()->text(), QStringLiteral("15"));
    CalculatorGrid* grid = window.grid();
    test::ScriptedDialogs dialogs;

    grid->setInput(0, QStringLiteral("40"));
    grid->setInput(1, QStringLiteral("50"));
    window.calculate();
    QCOMPARE(dialogs.messages(),
             QStringList{QStringLiteral("Λαθος... το Αθροισμα των ποσοστων πρεπει να ειναι 100")});
    QCOMPARE(window.marginField()->text(), QStringLiteral("0"));
    QCOMPARE(cell(grid, 1, 0), QString());

    dialogs.clear();
    grid->setInput(0, QStringLiteral("50"));
    window.calculate();
    QVERIFY(dialogs.shown.isEmpty());
    QCOMPARE(window.marginField()->text(), QStringLiteral("115"));
    QCOMPARE(window.returnField()->text(), QStringLiteral("85"));
    QCOMPARE(window.cutResultField()->text(), QStringLiteral("15"));
    QCOMPARE(cell(grid, 1, 0), QStringLiteral("1,73913043478261"));
    QCOMPARE(cell(grid, 1, 1), QStringLiteral("1,73913043478261"));
    QCOMPARE(grid->item(1, 0)->toolTip(), QStringLiteral("1,73913043478261"));
}

void TestCalculators::errorsKeepWhatWasWrittenAndNameTheValue() {
    MemorySettings store;
    AppContext ctx(store);
    TPOSOSTA window(ctx);
    window.show();
    CalculatorGrid* grid = window.grid();
    test::ScriptedDialogs dialogs;

    grid->setInput(0, QStringLiteral("60"));
    grid->setInput(1, QStringLiteral("0"));
    grid->setInput(2, QStringLiteral("40"));
    window.calculate();
    QCOMPARE(dialogs.messages(), QStringList{QStringLiteral("Floating point division by zero")});
    QCOMPARE(window.marginField()->text(), QStringLiteral("115"));
    QVERIFY(!cell(grid, 1, 0).isEmpty());
    QCOMPARE(cell(grid, 1, 2), QString());

    dialogs.clear();
    window.cutField()->clear();
    window.calculate();
    QCOMPARE(dialogs.messages(), QStringList{QStringLiteral("'' is not a valid floating point value")});

    TAPODOSEIS odds(ctx);
    odds.show();
    dialogs.clear();
    odds.grid()->setInput(0, QStringLiteral(","));
    odds.calculate();
    QCOMPARE(dialogs.messages(), QStringList{QStringLiteral("',' is not a valid floating point value")});
    QCOMPARE(odds.marginField()->text(), QStringLiteral("0"));
}

void TestCalculators::clearAsksAndShowingClearsButKeepsTheCut() {
    MemorySettings store;
    AppContext ctx(store);
    TPOSOSTA window(ctx);
    window.show();
    CalculatorGrid* grid = window.grid();
    test::ScriptedDialogs dialogs;
    grid->setInput(0, QStringLiteral("100"));
    window.cutField()->setText(QStringLiteral("20"));
    window.calculate();
    QCOMPARE(window.marginField()->text(), QStringLiteral("120"));

    dialogs.answerNo();
    QTest::mouseClick(window.clearButton(), Qt::LeftButton);
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown[0].text, QStringLiteral("Clear All Information ?"));
    QCOMPARE(dialogs.shown[0].kind, MessageKind::Warning);
    QCOMPARE(cell(grid, 0, 0), QStringLiteral("100"));

    dialogs.answerYes();
    QTest::mouseClick(window.clearButton(), Qt::LeftButton);
    QCOMPARE(cell(grid, 0, 0), QString());
    QCOMPARE(cell(grid, 1, 0), QString());
    QCOMPARE(window.marginField()->text(), QStringLiteral("0"));
    QCOMPARE(window.cutField()->text(), QStringLiteral("20"));

    // EXIT closes; the next showing starts cleared, without asking, and keeps the cut.
    grid->setInput(3, QStringLiteral("100"));
    window.calculate();
    QTest::mouseClick(window.exitButton(), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    window.show();
    QCOMPARE(cell(grid, 0, 3), QString());
    QCOMPARE(cell(grid, 1, 3), QString());
    QCOMPARE(window.returnField()->text(), QStringLiteral("0"));
    QCOMPARE(window.cutField()->text(), QStringLiteral("20"));
    QCOMPARE(dialogs.shown.size(), 2);
}

void TestCalculators::theCutFieldTakesOnlyTheLocalesSeparator() {
    MemorySettings store;
    AppContext ctx(store);
    TPOSOSTA window(ctx);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QLineEdit* cut = window.cutField();
    cut->setFocus();
    QTRY_VERIFY(cut->hasFocus());
    cut->clear();
    QTest::keyClicks(cut, QStringLiteral("12.a,5-"));
    QCOMPARE(cut->text(), QStringLiteral("12,5"));
    // Enter moves on and does not calculate; Esc comes back and does not close the window.
    QTest::keyClick(cut, Qt::Key_Return);
    QVERIFY(!cut->hasFocus());
    QCOMPARE(window.marginField()->text(), QStringLiteral("0"));
    cut->setFocus();
    QTest::keyClick(cut, Qt::Key_Escape);
    QVERIFY(!cut->hasFocus());
    QVERIFY(window.isVisible());
}

QTEST_MAIN(TestCalculators)
#include "tst_calculators.moc"
