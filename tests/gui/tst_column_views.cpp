// The column windows driven for real: the choice dialog, the plain list and the gathered columns, and
// their printouts to PDF.

#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/coupons/column_grid.h"
#include "gui/coupons/columns_command.h"
#include "gui/platform/qt_text.h"
#include "support/column_windows.h"
#include "support/modal_driver.h"
#include "support/pdf_output.h"
#include "support/scripted_dialogs.h"

using namespace quintaro;
using namespace quintaro::gui;
using test::choose;
using test::whenModal;

namespace {

// The column windows with the full system of the races counted.
struct Windows : test::ColumnWindows {
    void countFullSystem(const std::vector<std::vector<int>>& races) {
        std::vector<std::vector<int>> columns;
        for (int a : races[0])
            for (int b : races[1])
                for (int c : races[2])
                    for (int d : races[3])
                        columns.push_back({a, b, c, d});
        count(columns);
    }
};

QString amount(const char* text) {
    QString out = QString::fromUtf8(text);
    out.replace(QLatin1Char('.'), QChar::fromLatin1(decimalSeparator()));
    return out;
}

}  // namespace

class TestColumnViews : public QObject {
    Q_OBJECT

private slots:
    void choiceDialogLookAndPersistentChoice();
    void plainListShowsTheColumnsAndPrints();
    void cancelOrNoCountingChangesNothing();
    void gatheredColumnsShowCouponsAndPrint();
    void gatheringStopsOnABadPriceOrATooLargeCounting();
    void aFailedPrintIsShownAndTheWindowEnabledAgain();
};

void TestColumnViews::choiceDialogLookAndPersistentChoice() {
    TSelSthDlg dlg;
    QCOMPARE(dlg.size(), QSize(210, 162));
    QCOMPARE(dlg.plainItem()->text(), QStringLiteral("ΑΠΛΕΣ ΣΤΗΛΕΣ "));
    QCOMPARE(dlg.gatheredItem()->text(), QStringLiteral("ΜΑΖΕΜΑ ΣΤΗΛΩΝ "));
    QCOMPARE(dlg.selected(), ColumnsChoice::Gathered);
    QCOMPARE(dlg.palette().color(QPalette::Window), QColor(215, 207, 179));

    // The check preselects the plain columns; cancelling answers nothing.
    whenModal<TSelSthDlg>([](TSelSthDlg* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("ΔΙΑΛΟΓΗ ΓΙΑ"));
        QVERIFY(d->plainItem()->isChecked());
        d->cancelButton()->click();
    });
    QCOMPARE(dlg.choose(TSelSthDlg::checkCaption(), ColumnsChoice::Plain), std::nullopt);

    // Coupons preselect the gathered columns; "&ΣΤΗΛΕΣ" afterwards keeps that choice.
    whenModal<TSelSthDlg>([](TSelSthDlg* d) { d->okButton()->click(); });
    QCOMPARE(dlg.choose(TSelSthDlg::couponsCaption(), ColumnsChoice::Gathered), ColumnsChoice::Gathered);
    whenModal<TSelSthDlg>([](TSelSthDlg* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("ΕΠΙΛΕΞΤΕ"));
        QVERIFY(d->gatheredItem()->isChecked());
        d->reject();  // the title bar's close
    });
    QCOMPARE(dlg.choose(TSelSthDlg::viewCaption(), std::nullopt), std::nullopt);
}

void TestColumnViews::plainListShowsTheColumnsAndPrints() {
    test::ScriptedDialogs dialogs;
    Windows w;
    w.count({{1, 3, 5, 7}, {1, 3, 5, 8}, {2, 12, 6, 20}});
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("plain.pdf"));
    dialogs.answerPrintToPdf(pdf);

    bool shown = false;
    choose(ColumnsChoice::Plain);
    whenModal<TViewResDlg>([&](TViewResDlg* list) {
        shown = true;
        QCOMPARE(list->size(), QSize(536, 348));
        QCOMPARE(list->windowTitle(), amount("ΣΤΗΛΕΣ : 3   ΚΟΣΤΟΣ : 4.50"));
        QCOMPARE(list->grid()->grid()->gridColumns(), 4);
        QCOMPARE(list->grid()->grid()->gridRows(), 5);
        QCOMPARE(list->cell(0, 4), QStringLiteral("4"));
        QCOMPARE(list->cell(3, 0), QStringLiteral("3"));
        QCOMPARE(list->cell(3, 2), QStringLiteral("12"));
        QCOMPARE(list->cell(3, 4), QStringLiteral("20"));
        QCOMPARE(list->grid()->columnWidth(0), 25);
        QCOMPARE(list->grid()->rowHeight(0), 20);
        list->printButton()->click();
        QVERIFY(list->isEnabled());
        list->returnButton()->click();
    });
    showColumns(w.ctx, 4.5);
    QVERIFY(shown);
    QVERIFY(dialogs.unexpected.isEmpty());
    QVERIFY(dialogs.messages().isEmpty());
    QVERIFY(test::readPdfPages(pdf).allDrawText());
}

void TestColumnViews::cancelOrNoCountingChangesNothing() {
    test::ScriptedDialogs dialogs;
    Windows w;
    whenModal<TSelSthDlg>([](TSelSthDlg* d) { d->cancelButton()->click(); });
    showColumns(w.ctx, 0);
    QVERIFY(dialogs.shown.isEmpty());

    for (ColumnsChoice choice : {ColumnsChoice::Plain, ColumnsChoice::Gathered}) {
        dialogs.clear();
        choose(choice);
        showColumns(w.ctx, 0);
        QCOMPARE(dialogs.messages(), QStringList{QStringLiteral("Παρακαλώ πατήστε Μέτρημα πρώτα!")});
        QVERIFY(!w.plain.isVisible());
        QVERIFY(!w.gathered.isVisible());
    }
}

void TestColumnViews::gatheredColumnsShowCouponsAndPrint() {
    test::ScriptedDialogs dialogs;
    Windows w;
    w.countFullSystem({{1, 2}, {3, 4}, {5, 6}, {7, 8}});
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("gathered.pdf"));
    dialogs.answerPrintToPdf(pdf);

    bool shown = false;
    choose(ColumnsChoice::Gathered);
    whenModal<TViewResExDlg>([&](TViewResExDlg* view) {
        shown = true;
        QCOMPARE(view->size(), QSize(537, 279));
        QCOMPARE(view->windowTitle(), amount("ΜΑΖΕΜΑ ΣΤΗΛΩΝ - ΣΤΗΛΕΣ : 16  ΔΕΛΤΙΑ : 1    ΚΟΣΤΟΣ : 24.00"));
        QVERIFY(!view->searchMode());
        QCOMPARE(view->cell(1, 0), QStringLiteral("1"));
        QCOMPARE(view->cell(1, 1), QStringLiteral("1,2"));
        QCOMPARE(view->cell(1, 4), QStringLiteral("7,8"));
        QCOMPARE(view->cell(0, 3), QStringLiteral("3"));
        QCOMPARE(view->mergedCount(), 16);
        view->printButton()->click();
        QVERIFY(view->isEnabled());
        view->returnButton()->click();
    });
    showColumns(w.ctx, 24);
    QVERIFY(shown);
    QVERIFY(dialogs.unexpected.isEmpty());
    QVERIFY(test::readPdfPages(pdf).allDrawText());
    for (std::size_t i = 0; i < w.ctx.game.Sthles.stored(); ++i) {
        QVERIFY(w.ctx.game.Sthles.marked(i));
    }

    // A cancelled print dialog prints nothing.
    dialogs.answerPrintToPdf(QString());
    w.gathered.BitBtn1Click();
    QVERIFY(dialogs.scriptDone());
    QVERIFY(dialogs.messages().isEmpty());
}

void TestColumnViews::aFailedPrintIsShownAndTheWindowEnabledAgain() {
    test::ScriptedDialogs dialogs;
    Windows w;
    w.count({{1, 3, 5, 7}});
    w.plain.fill(1.5);
    QTemporaryDir dir;
    dialogs.answerPrintToPdf(dir.filePath(QStringLiteral("missing/folder/plain.pdf")));
    w.plain.BitBtn1Click();
    QCOMPARE(dialogs.messages(),
             QStringList{QStringLiteral("Η εκτύπωση δεν μπόρεσε να ξεκινήσει. Ελέγξτε τον εκτυπωτή.")});
    QVERIFY(w.plain.isEnabled());
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("missing/folder/plain.pdf"))));
}

void TestColumnViews::gatheringStopsOnABadPriceOrATooLargeCounting() {
    test::ScriptedDialogs dialogs;
    Windows w;
    w.count({{1, 3, 5, 7}});
    w.store.write("Rythmiseis", "Options", "ΣΚΟΡ 4", "abc");
    choose(ColumnsChoice::Gathered);
    showColumns(w.ctx, 0);
    QCOMPARE(dialogs.messages(), QStringList{QStringLiteral("'abc' is not a valid floating point value")});
    QVERIFY(!w.gathered.isVisible());

    dialogs.clear();
    w.store.write("Rythmiseis", "Options", "ΣΚΟΡ 4", "1,5");
    w.ctx.game.Sthles.reset(4, 2);
    for (int h = 1; h <= 3; ++h) {
        w.ctx.game.Sthles.append(std::vector<std::uint8_t>{1, 1, 1, static_cast<std::uint8_t>(h)});
    }
    choose(ColumnsChoice::Gathered);
    showColumns(w.ctx, 0);
    QCOMPARE(dialogs.messages().size(), 1);
    QVERIFY(dialogs.messages().first().startsWith(QStringLiteral("Το σύστημα έχει 3 στήλες")));
    QVERIFY(!w.gathered.isVisible());

    // The plain list shows the kept columns and says that there are more.
    dialogs.clear();
    bool shown = false;
    choose(ColumnsChoice::Plain);
    whenModal<TViewResDlg>([&](TViewResDlg* list) {
        shown = true;
        QCOMPARE(list->grid()->grid()->gridColumns(), 3);
        QVERIFY(list->windowTitle().startsWith(QStringLiteral("ΣΤΗΛΕΣ : 3   ΚΟΣΤΟΣ : ")));
        QVERIFY(list->windowTitle().endsWith(QStringLiteral("(ΕΜΦΑΝΙΖΟΝΤΑΙ ΟΙ ΠΡΩΤΕΣ 2)")));
        list->reject();
    });
    showColumns(w.ctx, 4.5);
    QVERIFY(shown);
}

QTEST_MAIN(TestColumnViews)
#include "tst_column_views.moc"
