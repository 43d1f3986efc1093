// The TRIO construction window and its number-group dialog, driven for real: the board, the condition grid,
// the number groups, a calculation from the button to the prototype file, the stop button, saving the
// columns, saving and loading the conditions, and the menu item that opens the window.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "core/settings/memory_settings.h"
#include "core/text/cp1253.h"
#include "core/text/number_text.h"
#include "core/trio/trio_files.h"
#include "core/trio/walk.h"
#include "gui/app_context.h"
#include "gui/platform/app_paths.h"
#include "gui/platform/qt_text.h"
#include "gui/shell/main_frm.h"
#include "gui/trio/condition_grid_view.h"
#include "gui/trio/kataskeuh3_frm.h"
#include "gui/trio/number_board.h"
#include "gui/trio/standard3_frm.h"
#include "gui/trio/stiles3_frm.h"
#include "support/scripted_dialogs.h"

using namespace quintaro;
using namespace quintaro::gui;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString money(double value) {
    return qs(formatFixed2(value, decimalSeparator()));
}

// A window with its two companions and a program folder of its own.
struct Fixture {
    MemorySettings store;
    AppContext ctx{store};
    QTemporaryDir home;
    TKataskeuh3Frm* frm;

    Fixture() {
        setProgramDir(home.path());
        ctx.standard3Frm = new TStandard3Frm(ctx);
        ctx.kataskeuh3Frm = frm = new TKataskeuh3Frm(ctx);
        ctx.stiles3Frm = new TStiles3Frm(ctx, frm);
        frm->show();
    }
    ~Fixture() {
        delete frm;
        delete ctx.standard3Frm;
        setProgramDir({});
    }

    template <typename T>
    T* get(const char* name) const {
        T* w = frm->findChild<T*>(QString::fromLatin1(name));
        if (!w) {
            qFatal("no control %s", name);
        }
        return w;
    }
    QString text(const char* label) const { return get<QLabel>(label)->text(); }

    void click(int number) const {
        NumberBoard* board = frm->board();
        const int row = (number - 1) / 10;
        const int column = (number - 1) % 10;
        QTest::mouseRelease(board, Qt::LeftButton, {}, board->cellRect(row, column).center());
    }
    void select(std::initializer_list<int> numbers) const {
        for (int n : numbers)
            click(n);
    }
    void selectFirst(int n) const {
        for (int v = 1; v <= n; ++v)
            click(v);
    }
    QString prototypes() const { return QDir(home.path()).filePath(QStringLiteral("PROTYPA")); }
};

}  // namespace

class TestTrioConstruction : public QObject {
    Q_OBJECT

private slots:
    void openingShowsTheResetWindow();
    void boardClicksAndParityButtonsRefreshTheFullSystem();
    void conditionGridTakesDigitsAndClampsOnEnter();
    void sevenColumnSystemEndToEnd();
    void slicedCalculationMatchesThePlainWalk();
    void stopButtonEndsWithAnEmptyResult();
    void badBoundEndsTheCalculationSilently();
    void numberGroupThroughItsDialog();
    void numberGroupDialogRules();
    void conditionsSaveAndLoad();
    void clearAsksFirst();
    void writeFailuresAreReported();
    void menuItemShowsTheInformationThenTheWindow();
};

void TestTrioConstruction::openingShowsTheResetWindow() {
    Fixture f;
    QCOMPARE(f.frm->windowTitle(), QStringLiteral("KATAΣΚΕΥΗ ΣΥΣΤΗΜΑΤΩΝ TRIO"));
    QCOMPARE(f.frm->size(), QSize(790, 533));
    QCOMPARE(f.text("Label1"), QStringLiteral("Επιλεγμένοι Αριθμοί : 0"));
    QCOMPARE(f.text("Label2"), QStringLiteral("Στήλες : 0"));
    QCOMPARE(f.text("Label3"), QStringLiteral("Κόστος : ") + money(0));
    QCOMPARE(f.text("Label5"), QStringLiteral("Στήλες : 0"));
    QCOMPARE(f.text("Label6"), QStringLiteral("Κόστος : ") + money(0));
    QCOMPARE(f.text("Label7"), QStringLiteral("ΣΕ 3αδες"));
    QCOMPARE(f.text("Label8"), QStringLiteral("100%  3αρι"));
    QCOMPARE(f.text("Label10"), QStringLiteral("Δελτία : "));
    QCOMPARE(f.text("Label11"), QStringLiteral("Ποσοστό για 3άρι :"));
    QCOMPARE(f.text("Label15"), QStringLiteral("Προηγούμενο μέτρημα : "));
    QVERIFY(f.text("Label9").isEmpty());
    QVERIFY(!f.get<QPushButton>("BBtnStop")->isVisible());
    QCOMPARE(f.frm->selection().count(), 0);
    const TextGrid& grid = f.frm->conditionGrid();
    QCOMPARE(grid.cell(1, 1), std::string("6"));
    QCOMPARE(grid.cell(2, 8), std::string("19"));
    for (int r = 1; r <= 8; ++r)
        QVERIFY(grid.cell(3, r).empty());
    // The view shows the grid's cells with the column widths 130, 80, 80, 50.
    QCOMPARE(f.frm->conditionView()->model()->index(1, 0).data().toString(), QStringLiteral("AΘΡΟΙΣΜΑ"));
    QCOMPARE(f.frm->conditionView()->columnWidth(0), 130);
    QCOMPARE(f.frm->conditionView()->columnWidth(3), 50);

    // Esc does not throw the set-up away; Enter in a group edit moves on.
    QTest::keyClick(f.frm, Qt::Key_Escape);
    QVERIFY(f.frm->isVisible());
    auto* from = f.get<QLineEdit>("Edit2");
    from->setFocus();
    QTest::keyClick(from, Qt::Key_Return);
    QCOMPARE(f.frm->focusWidget(), f.get<QLineEdit>("Edit3"));
}

void TestTrioConstruction::boardClicksAndParityButtonsRefreshTheFullSystem() {
    Fixture f;
    f.select({1, 2, 3, 4, 5});
    QCOMPARE(f.text("Label1"), QStringLiteral("Επιλεγμένοι Αριθμοί : 5"));
    QCOMPARE(f.text("Label2"), QStringLiteral("Στήλες : 10"));
    QCOMPARE(f.text("Label3"), QStringLiteral("Κόστος : ") + money(10));
    // A release outside the cells does nothing.
    QTest::mouseRelease(f.frm->board(), Qt::LeftButton, {}, QPoint(0, 0));
    QCOMPARE(f.frm->selection().count(), 5);
    f.click(3);
    QCOMPARE(f.frm->selection().numbers(), (std::vector<int>{1, 2, 4, 5}));

    f.click(12);
    auto* odd = f.get<QToolButton>("ToolButton3");  // " Μ " beside the second row
    QCOMPARE(odd->text(), QStringLiteral(" Μ "));
    QTest::mouseClick(odd, Qt::LeftButton);
    QVERIFY(odd->isChecked());
    QCOMPARE(f.frm->selection().numbers(), (std::vector<int>{1, 2, 4, 5, 11, 12, 13, 15, 17, 19}));
    QCOMPARE(f.text("Label1"), QStringLiteral("Επιλεγμένοι Αριθμοί : 10"));
    QTest::mouseClick(odd, Qt::LeftButton);
    QCOMPARE(f.frm->selection().numbers(), (std::vector<int>{1, 2, 4, 5, 12}));
    QTest::mouseClick(f.get<QToolButton>("ToolButton2"), Qt::LeftButton);  // "Ζ" of the first row
    QCOMPARE(f.frm->selection().numbers(), (std::vector<int>{1, 2, 4, 5, 6, 8, 10, 12}));
}

void TestTrioConstruction::conditionGridTakesDigitsAndClampsOnEnter() {
    Fixture f;
    test::ScriptedDialogs dialogs;
    ConditionGridView* view = f.frm->conditionView();
    TextGrid& grid = f.frm->conditionGrid();
    auto typeInto = [&](int column, int row, const QString& keys) {
        view->setFocus();
        view->setCurrentIndex(view->model()->index(row, column));
        // Keys go where the focus is: the view, then the cell editor the first digit opens.
        auto target = [&] { return f.frm->focusWidget() ? f.frm->focusWidget() : view; };
        for (QChar c : keys) {
            QTest::keyClick(target(), c.toLatin1());
        }
        QTest::keyClick(target(), Qt::Key_Return);
    };
    // ΕΥΡΟΣ ΣΤΗΛΗΣ / ΑΠΟ: 3 becomes 2 and no mark; ΕΩΣ 25 stays and is marked.
    typeInto(1, 8, QStringLiteral("3"));
    QCOMPARE(grid.cell(1, 8), std::string("2"));
    QVERIFY(grid.cell(3, 8).empty());
    typeInto(2, 8, QStringLiteral("25"));
    QCOMPARE(grid.cell(2, 8), std::string("25"));
    QCOMPARE(grid.cell(3, 8), std::string("ON"));
    QCOMPARE(view->model()->index(8, 3).data().toString(), QStringLiteral("ON"));
    // ΑΘΡΟΙΣΜΑ / ΕΩΣ: 9 stays and marks, 60 becomes 57; letters and signs are dropped.
    typeInto(2, 1, QStringLiteral("9"));
    QCOMPARE(grid.cell(2, 1), std::string("9"));
    QCOMPARE(grid.cell(3, 1), std::string("ON"));
    typeInto(2, 1, QStringLiteral("6a-0"));
    QCOMPARE(grid.cell(2, 1), std::string("57"));
    QVERIFY(grid.cell(3, 1).empty());
    // ΛΗΓΟΝΤΕΣ / ΑΠΟ: 1 becomes 0.
    typeInto(1, 6, QStringLiteral("1"));
    QCOMPARE(grid.cell(1, 6), std::string("0"));
    QVERIFY(dialogs.shown.isEmpty());
    // Enter on an emptied bound reports the conversion error and leaves the mark.
    grid.setCell(2, 2, "");
    f.frm->conditionGridChanged();
    view->setCurrentIndex(view->model()->index(2, 2));
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(dialogs.messages(), QStringList{QStringLiteral("'' is not a valid integer value")});
}

void TestTrioConstruction::sevenColumnSystemEndToEnd() {
    Fixture f;
    test::ScriptedDialogs dialogs;
    f.selectFirst(7);
    f.get<QComboBox>("CmbEggy")->setCurrentIndex(1);
    QCOMPARE(f.text("Label8"), QStringLiteral("100%  3αρι ή 2αρι(α)"));
    QTest::mouseClick(f.get<QPushButton>("BBtnCalc"), Qt::LeftButton);
    QTRY_VERIFY(!f.frm->isCalculating());

    const std::vector<int> numbers = {1, 2, 3, 4, 5, 6, 7};
    QCOMPARE(f.frm->foundColumns(), trio::calculateTrio(numbers, trio::neutralConditions(), 2).columns);
    QCOMPARE(f.frm->foundColumns().size(), std::size_t{7});
    QCOMPARE(dialogs.messages(),
             QStringList{QStringLiteral(
                             "Επιλεγμένοι Αριθμοί : 7   Εγγυημένη Επιτυχία 100%  3αρι ή 2αρι(α) ΣΕ 3αδες") +
                         QChar(13) + QStringLiteral("Βρέθηκαν 7 στήλες   Κόστος : ") + money(7) +
                         QStringLiteral(" Ευρώ  Δελτία : 3")});
    QCOMPARE(f.text("Label5"), QStringLiteral("Στήλες : 7"));
    QCOMPARE(f.text("Label10"), QStringLiteral("Δελτία : 3"));
    QCOMPARE(f.text("Label11"), QStringLiteral("Ποσοστό για 3άρι : ") + money(20) + QStringLiteral("%"));
    QVERIFY(f.text("Label9").isEmpty());
    QVERIFY(!f.get<QPushButton>("BBtnStop")->isVisible());
    QCOMPARE(f.get<QProgressBar>("PrgFill")->value(), 0);

    const QString prototype = QDir(f.prototypes()).filePath(QStringLiteral("A7253_7_2_3_0_700_3_2000_3.sy5"));
    QVERIFY(QFile::exists(prototype));
    QVERIFY(fileBytes(prototype).startsWith("1 2 3 \r\n1 4 5 \r\n"));

    // Changing the selection moves the full system only.
    f.click(8);
    QCOMPARE(f.text("Label2"), QStringLiteral("Στήλες : 56"));
    QCOMPARE(f.text("Label5"), QStringLiteral("Στήλες : 7"));
    f.click(8);

    // Again: the previous count shows, and the prototype is overwritten only after the question.
    QFile::resize(prototype, 0);
    dialogs.clear();
    dialogs.answerNo();
    f.frm->BBtnCalcClick();
    QTRY_VERIFY(!f.frm->isCalculating());
    QCOMPARE(f.text("Label15"), QStringLiteral("Προγηγούμενο μέτρημα : 7"));
    QCOMPARE(dialogs.shown.last().text, QStringLiteral("Το αρχείο υπάρχει! Να το επανεγγράψω;"));
    QCOMPARE(dialogs.shown.last().caption, QStringLiteral("Επιβεβαίωση"));
    QCOMPARE(fileBytes(prototype).size(), 0);
    dialogs.answerYes();
    f.frm->BBtnCalcClick();
    QTRY_VERIFY(!f.frm->isCalculating());
    QVERIFY(fileBytes(prototype).startsWith("1 2 3 \r\n"));

    // The columns go into DELTIA.
    const QString columns = QDir(f.home.path()).filePath(QStringLiteral("DELTIA/seven.tri"));
    dialogs.clear();
    dialogs.answerFile(columns);
    QTest::mouseClick(f.get<QPushButton>("BitBtn7"), Qt::LeftButton);
    QCOMPARE(dialogs.shown.last().file.filter, QStringLiteral("Αρχεία Δελτίων|*.tri"));
    QCOMPARE(dialogs.shown.last().file.directory, QDir(f.home.path()).filePath(QStringLiteral("DELTIA")));
    QCOMPARE(fileBytes(columns),
             QByteArray("1,2,3\r\n1,4,5\r\n1,6,7\r\n2,4,6\r\n2,5,7\r\n3,4,7\r\n3,5,6\r\n"));
    QVERIFY(dialogs.unexpected.isEmpty());
}

void TestTrioConstruction::slicedCalculationMatchesThePlainWalk() {
    Fixture f;
    test::ScriptedDialogs dialogs;
    f.frm->setRunsPerSlice(1);
    f.select({1, 2, 4, 5, 7, 9, 10, 11, 12, 14, 15, 16, 18, 19, 20});
    TextGrid& grid = f.frm->conditionGrid();
    grid.setCell(1, 1, "18");  // ΑΘΡΟΙΣΜΑ 18-44
    grid.setCell(2, 1, "44");
    grid.setCell(1, 7, "2");  // 5 άδες 2-3
    f.frm->conditionGridChanged();
    f.get<QLabel>("LblNums")->setText(QStringLiteral("4,9,15"));
    f.get<QLineEdit>("Edit2")->setText(QStringLiteral("1"));
    f.get<QLineEdit>("Edit3")->setText(QStringLiteral("2"));
    for (int item : {0, 1}) {
        f.get<QComboBox>("CmbEggy")->setCurrentIndex(item);
        dialogs.answerYes();  // in case the prototype exists
        f.frm->BBtnCalcClick();
        QVERIFY(f.frm->isCalculating());  // a slice of one run: the window breathes between runs
        QVERIFY(!f.get<QPushButton>("BBtnCalc")->isEnabled());
        QVERIFY(f.get<QPushButton>("BBtnStop")->isVisible());
        f.frm->BBtnCalcClick();  // a second calculation does not start while one runs
        QTRY_VERIFY(!f.frm->isCalculating());
        QVERIFY(f.get<QPushButton>("BBtnCalc")->isEnabled());
        const trio::Conditions c =
            trio::readConditions(grid, {trio::NumberGroupTexts{"4,9,15", "1", "2"}, {}, {}, {}});
        const trio::TrioResult plain =
            trio::calculateTrio(f.frm->selection().numbers(), c, item == 0 ? 3 : 2);
        QVERIFY(!plain.columns.empty());
        QCOMPARE(f.frm->foundColumns(), plain.columns);
        dialogs.clear();
    }
}

void TestTrioConstruction::stopButtonEndsWithAnEmptyResult() {
    Fixture f;
    test::ScriptedDialogs dialogs;
    f.frm->setRunsPerSlice(1);
    f.selectFirst(20);
    f.frm->BBtnCalcClick();
    QVERIFY(f.frm->isCalculating());
    QTRY_VERIFY(f.text("Label9").startsWith(QStringLiteral("Στήλες που έχουν βρεθεί : ")));
    QTest::mouseClick(f.get<QPushButton>("BBtnStop"), Qt::LeftButton);
    QTRY_VERIFY(!f.frm->isCalculating());
    QVERIFY(f.frm->foundColumns().empty());
    QVERIFY(f.frm->stopFlag());
    QVERIFY(dialogs.messages().value(0).contains(QStringLiteral("Βρέθηκαν 0 στήλες")));
    QCOMPARE(f.text("Label10"), QStringLiteral("Δελτία : 0"));
    QCOMPARE(f.text("Label11"), QStringLiteral("Ποσοστό για 3άρι : ") + money(0) + QStringLiteral("%"));
    QVERIFY(!QDir(f.prototypes()).exists() || QDir(f.prototypes()).isEmpty());
    // Nothing to save after a stop.
    dialogs.clear();
    f.frm->BitBtn7Click();
    QCOMPARE(dialogs.messages(), QStringList{QStringLiteral("Δεν έχετε στήλες για αποθήκευση")});

    // The filter's own stop: ΜΟΝΑ from 3 and ΖΥΓΑ from 3.
    dialogs.clear();
    f.frm->setRunsPerSlice(0);
    f.frm->conditionGrid().setCell(1, 2, "3");
    f.frm->conditionGrid().setCell(1, 3, "3");
    f.frm->BBtnCalcClick();
    QTRY_VERIFY(!f.frm->isCalculating());
    QVERIFY(f.frm->stopFlag());
    QVERIFY(f.frm->foundColumns().empty());
    QCOMPARE(dialogs.messages().size(), 1);
}

void TestTrioConstruction::badBoundEndsTheCalculationSilently() {
    Fixture f;
    test::ScriptedDialogs dialogs;
    f.selectFirst(5);
    f.frm->BBtnCalcClick();
    QTRY_VERIFY(!f.frm->isCalculating());
    QCOMPARE(f.frm->foundColumns().size(), std::size_t{10});
    dialogs.clear();
    f.frm->conditionGrid().setCell(2, 4, "x");
    f.frm->BBtnCalcClick();
    QVERIFY(!f.frm->isCalculating());
    QVERIFY(dialogs.shown.isEmpty());
    QCOMPARE(f.frm->foundColumns().size(), std::size_t{10});  // the last result stays
    QVERIFY(!f.get<QPushButton>("BBtnStop")->isVisible());
    // Fewer than three numbers: nothing found, no prototype.
    f.frm->conditionGrid().setCell(2, 4, "3");
    f.click(3);
    f.click(4);
    f.click(5);
    f.frm->BBtnCalcClick();
    QTRY_VERIFY(!f.frm->isCalculating());
    QVERIFY(f.frm->foundColumns().empty());
    QCOMPARE(f.text("Label11"), QStringLiteral("Ποσοστό για 3άρι : 0%"));
}

void TestTrioConstruction::numberGroupThroughItsDialog() {
    Fixture f;
    test::ScriptedDialogs dialogs;
    f.select({2, 5, 9});
    auto* dialog = f.ctx.standard3Frm;
    QTimer::singleShot(0, dialog, [dialog] {
        NumberBoard* board = dialog->board();
        QTest::mouseRelease(board, Qt::LeftButton, {}, board->cellRect(0, 6).center());  // 7: not selected
        QTest::mouseRelease(board, Qt::LeftButton, {}, board->cellRect(0, 1).center());  // 2
        QTest::mouseRelease(board, Qt::LeftButton, {}, board->cellRect(0, 4).center());  // 5
        QCOMPARE(dialog->toText(), QStringLiteral("2"));
        dialog->setBounds(QStringLiteral("1"), dialog->toText());
        dialog->accept();
    });
    QTest::mouseClick(f.get<QPushButton>("SpeedButton1"), Qt::LeftButton);
    QCOMPARE(f.text("LblNums"), QStringLiteral("2,5"));
    QCOMPARE(f.get<QLineEdit>("Edit2")->text(), QStringLiteral("1"));
    QCOMPARE(f.get<QLineEdit>("Edit3")->text(), QStringLiteral("2"));

    // Opening it again shows the group; Cancel changes nothing.
    QTimer::singleShot(0, dialog, [dialog] {
        QCOMPARE(dialog->marks().numbers(), (std::vector<int>{2, 5}));
        QCOMPARE(dialog->fromText(), QStringLiteral("1"));
        dialog->SgrdAMouseUp(0, 8);  // 9
        dialog->reject();
    });
    f.frm->SpeedButtonClick(0);
    QCOMPARE(f.text("LblNums"), QStringLiteral("2,5"));
    // Group 3 is used the same way and the calculation applies it.
    QTimer::singleShot(0, dialog, [dialog] {
        QVERIFY(dialog->marks().numbers().empty());
        dialog->SgrdAMouseUp(0, 8);
        dialog->setBounds(QStringLiteral("1"), QStringLiteral("1"));
        dialog->accept();
    });
    f.frm->SpeedButtonClick(2);
    QCOMPARE(f.text("LblNums3"), QStringLiteral("9"));
    f.frm->BBtnCalcClick();
    QTRY_VERIFY(!f.frm->isCalculating());
    QCOMPARE(f.frm->foundColumns().size(), std::size_t{1});  // (2,5,9) holds 2 and 5 and 9
    QVERIFY(QFile::exists(
        QDir(f.prototypes()).filePath(QStringLiteral("Z335312_3_3_3_0_100_1_10000_3_1$2.sy5"))));
}

void TestTrioConstruction::numberGroupDialogRules() {
    MemorySettings store;
    AppContext ctx(store);
    test::ScriptedDialogs dialogs;
    TStandard3Frm dialog(ctx);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("ΣΤΑΝΤΑΡ Ή ΖΗΤΟΥΜΕΝΟΙ ΑΡΙΘΜΟΙ"));
    trio::TrioBoard selection;
    for (int v = 1; v <= 20; ++v)
        selection.setNumber(v, true);
    dialog.setSelection(selection);
    dialog.resetGroup();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* from = dialog.findChild<QLineEdit*>(QStringLiteral("Edit2"));
    auto* to = dialog.findChild<QLineEdit*>(QStringLiteral("Edit3"));
    dialog.SgrdAMouseUp(0, 0);
    dialog.SgrdAMouseUp(0, 1);
    QCOMPARE(to->text(), QStringLiteral("2"));

    // Letters cannot be typed; leaving Έως with 5 and two marks gives 2; Enter moves on.
    to->setFocus();
    to->clear();
    QTest::keyClicks(to, QStringLiteral("x5"));
    QCOMPARE(to->text(), QStringLiteral("5"));
    QTest::keyClick(to, Qt::Key_Return);
    QVERIFY(!to->hasFocus());
    QCOMPARE(to->text(), QStringLiteral("2"));
    // Από 2, Έως typed 1: Έως becomes 2.
    from->setText(QStringLiteral("2"));
    to->setFocus();
    to->setText(QStringLiteral("1"));
    from->setFocus();
    QCOMPARE(to->text(), QStringLiteral("2"));
    // Από 3 with Έως 1: Από becomes 1.
    to->setText(QStringLiteral("1"));
    from->setText(QStringLiteral("3"));
    to->setFocus();
    QCOMPARE(from->text(), QStringLiteral("1"));

    // Ten marks ask for the bounds, and Έως stays.
    for (int c = 2; c < 9; ++c) {
        dialog.SgrdAMouseUp(0, c);
    }
    QCOMPARE(to->text(), QStringLiteral("3"));
    QVERIFY(dialogs.messages().isEmpty());
    to->setText(QStringLiteral("1"));
    dialog.SgrdAMouseUp(0, 9);
    QCOMPARE(dialog.marks().count(), 10);
    QCOMPARE(dialogs.messages(),
             QStringList{QStringLiteral("Δώστε τώρα τα όρια σας για τους επιλεγμένους αριθμούς")});
    QCOMPARE(dialogs.shown.last().caption, QStringLiteral("Ενημέρωση"));
    QCOMPARE(to->text(), QStringLiteral("1"));
}

void TestTrioConstruction::conditionsSaveAndLoad() {
    Fixture f;
    test::ScriptedDialogs dialogs;
    const QString fresh = QDir(f.home.path()).filePath(QStringLiteral("DELTIA/alpha.beta.or3"));
    dialogs.answerFile(fresh);
    QTest::mouseClick(f.get<QPushButton>("BitBtn8"), Qt::LeftButton);
    QCOMPARE(dialogs.shown.last().file.filter, QStringLiteral("Αρχεία Όρων|*.or3"));
    const std::string expected = cp1253::encode(
        "\r\n3\r\n100%  3αρι\r\n3αδες\r\n\r\n0\r\n0\r\n\r\n0\r\n0\r\n\r\n0\r\n0\r\n\r\n0\r\n0\r\n"
        "6,57\r\n0,3\r\n0,3\r\n0,3\r\n0,3\r\n0,3\r\n0,3\r\n2,19\r\n");
    QCOMPARE(fileBytes(fresh), QByteArray::fromStdString(expected));
    QCOMPARE(f.frm->windowTitle(), QStringLiteral("KATAΣΚΕΥΗ ΣΥΣΤΗΜΑΤΩΝ ΤΡΙΟ   ΣΥΣΤΗΜΑ :alpha"));

    // A set-up system: numbers, guarantee 2, a group and a sum condition.
    f.selectFirst(7);
    f.get<QComboBox>("CmbEggy")->setCurrentIndex(1);
    f.get<QLabel>("LblNums2")->setText(QStringLiteral("1,2"));
    f.get<QLineEdit>("EdtApo")->setText(QStringLiteral("1"));
    f.get<QLineEdit>("EdtEos")->setText(QStringLiteral("2"));
    f.frm->conditionGrid().setCell(2, 1, "15");
    f.frm->conditionGridChanged();
    const QString system = QDir(f.home.path()).filePath(QStringLiteral("DELTIA/ΣΥΣΤΗΜΑ.or3"));
    dialogs.answerFile(system);
    f.frm->BBtnSaveOroiClick();

    // Loading resets first; a cancelled load leaves the window reset.
    dialogs.answerFile({});
    f.frm->BBtnLoadOroiClick();
    QCOMPARE(f.frm->selection().count(), 0);
    QCOMPARE(f.frm->windowTitle(), QStringLiteral("KATAΣΚΕΥΗ ΣΥΣΤΗΜΑΤΩΝ TRIO"));
    QCOMPARE(f.text("Label8"), QStringLiteral("100%  3αρι"));

    dialogs.answerFile(system);
    f.frm->BBtnLoadOroiClick();
    QCOMPARE(f.frm->selection().numbers(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    QCOMPARE(f.get<QComboBox>("CmbEggy")->currentIndex(), 1);
    QCOMPARE(f.text("Label8"), QStringLiteral("100%  3αρι ή 2αρι(α)"));
    QCOMPARE(f.text("Label1"), QStringLiteral("Επιλεγμένοι Αριθμοί : 7"));
    QCOMPARE(f.text("LblNums2"), QStringLiteral("1,2"));
    QCOMPARE(f.get<QLineEdit>("EdtEos")->text(), QStringLiteral("2"));
    QCOMPARE(f.frm->conditionGrid().cell(2, 1), std::string("15"));
    QCOMPARE(f.frm->conditionGrid().cell(3, 1), std::string("ON"));
    QCOMPARE(f.frm->windowTitle(), QStringLiteral("KATAΣΚΕΥΗ ΣΥΣΤΗΜΑΤΩΝ ΤΡΙΟ   ΣΥΣΤΗΜΑ :ΣΥΣΤΗΜΑ"));
    QCOMPARE(f.frm->focusWidget(), f.get<QPushButton>("BBtnCalc"));

    // A damaged file: the window stays reset and the user is told.
    const QString damaged = QDir(f.home.path()).filePath(QStringLiteral("DELTIA/damaged.or3"));
    QFile out(damaged);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write("1,2,3\r\n\x98\r\n");
    out.close();
    dialogs.clear();
    dialogs.answerFile(damaged);
    f.frm->BBtnLoadOroiClick();
    QCOMPARE(f.frm->selection().count(), 0);
    QCOMPARE(dialogs.messages(),
             QStringList{QStringLiteral("Σφάλμα! Το αρχείο πιθανόν είναι κατεστραμμένο.")});
    QCOMPARE(f.frm->windowTitle(), QStringLiteral("KATAΣΚΕΥΗ ΣΥΣΤΗΜΑΤΩΝ TRIO"));
    QVERIFY(dialogs.unexpected.isEmpty());
}

void TestTrioConstruction::clearAsksFirst() {
    Fixture f;
    test::ScriptedDialogs dialogs;
    f.selectFirst(5);
    dialogs.answerNo();
    QTest::mouseClick(f.get<QPushButton>("BitBtn6"), Qt::LeftButton);
    QCOMPARE(f.frm->selection().count(), 5);
    QCOMPARE(dialogs.shown.last().caption, QStringLiteral("Επιβεβαίωση"));
    QCOMPARE(dialogs.shown.last().text, QStringLiteral("Παρακαλώ επιβεβαιώστε τον καθαρισμό του δελτίου"));
    dialogs.answerYes();
    f.frm->BtnClearClick();
    QCOMPARE(f.frm->selection().count(), 0);
    QCOMPARE(f.text("Label1"), QStringLiteral("Επιλεγμένοι Αριθμοί : 0"));
}

void TestTrioConstruction::writeFailuresAreReported() {
    Fixture f;
    test::ScriptedDialogs dialogs;
    // PROTYPA is taken by a file: the prototype cannot be written, and the user is told.
    QFile blocker(f.prototypes());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    f.selectFirst(4);
    f.frm->BBtnCalcClick();
    QTRY_VERIFY(!f.frm->isCalculating());
    QCOMPARE(dialogs.messages().size(), 2);
    QVERIFY(dialogs.messages()[1].startsWith(QStringLiteral("Αδύνατη η εγγραφή του αρχείου ")));
    QVERIFY(dialogs.messages()[1].contains(QStringLiteral("A4353_4_3_3_0_400_2_10000_3.sy5")));
    QCOMPARE(dialogs.shown[1].kind, MessageKind::Error);
    QCOMPARE(f.frm->foundColumns().size(), std::size_t{4});  // the result itself stands
    // A columns file into a folder that does not exist.
    dialogs.clear();
    dialogs.answerFile(QDir(f.home.path()).filePath(QStringLiteral("missing/four.tri")));
    f.frm->BitBtn7Click();
    QCOMPARE(dialogs.messages().size(), 1);
    QVERIFY(dialogs.messages()[0].startsWith(QStringLiteral("Αδύνατη η εγγραφή του αρχείου ")));
    // A conditions file likewise; the caption keeps no system name.
    dialogs.answerFile(QDir(f.home.path()).filePath(QStringLiteral("missing/four.or3")));
    f.frm->BBtnSaveOroiClick();
    QCOMPARE(dialogs.messages().size(), 2);
    QCOMPARE(f.frm->windowTitle(), QStringLiteral("KATAΣΚΕΥΗ ΣΥΣΤΗΜΑΤΩΝ TRIO"));
}

void TestTrioConstruction::menuItemShowsTheInformationThenTheWindow() {
    MemorySettings store;
    AppContext ctx(store);
    TMainFrm main(ctx);
    main.show();
    test::ScriptedDialogs dialogs;
    QAction* trio = main.gameAction("ΤΡΙΟ");
    QVERIFY(trio->isEnabled());
    bool sawWindow = false;
    QTimer::singleShot(0, &main, [&] {
        QVERIFY(ctx.kataskeuh3Frm);
        sawWindow = ctx.kataskeuh3Frm->isVisible() && ctx.kataskeuh3Frm->isModal();
        QCOMPARE(ctx.kataskeuh3Frm->windowTitle(), QStringLiteral("KATAΣΚΕΥΗ ΣΥΣΤΗΜΑΤΩΝ TRIO"));
        ctx.kataskeuh3Frm->close();
    });
    trio->trigger();
    QVERIFY(sawWindow);
    QCOMPARE(dialogs.shown.size(), 1);
    QVERIFY(dialogs.shown[0].text.startsWith(QStringLiteral("Με το Κατασκευαστικό")));
    QVERIFY(!main.gameAction("ΤΡΙΟ")->isChecked());
}

QTEST_MAIN(TestTrioConstruction)
#include "tst_trio_construction.moc"
