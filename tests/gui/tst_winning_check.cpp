// The winning-column check driven for real: the entry dialog, the choice "ΔΙΑΛΟΓΗ ΓΙΑ", the plain check
// and the coupon search, answered in the result window.

#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

#include "core/game/race_horses.h"
#include "gui/game/winning_check_command.h"
#include "support/column_windows.h"
#include "support/modal_driver.h"
#include "support/scripted_dialogs.h"

using namespace quintaro;
using namespace quintaro::gui;
using test::whenModal;

namespace {

// A "ΣΚΟΡ 4" game with the horses 1 and 2 in every race, counted to the columns 1,1,1,1 and 1,1,1,2.
struct Windows : test::ColumnWindows {
    Windows() {
        CurrentGame& g = ctx.game;
        g.Aloga = aTAloga(4, makeRace({1, 2}));
        g.DiakritaAloga = distinctHorses(g.Aloga);
        count({{1, 1, 1, 1}, {1, 1, 1, 2}});
    }
};

// Clicks the horses of a winning column into the entry dialog (grid column = position of the horse in the
// distinct list + 1) and confirms.
void enterWinning(const std::vector<int>& gridColumns) {
    whenModal<TDialoghSelDlg>([gridColumns](TDialoghSelDlg* dlg) {
        for (std::size_t r = 0; r < gridColumns.size(); ++r) {
            dlg->SgrdMouseUp(gridColumns[r], static_cast<int>(r) + 1);
        }
        dlg->okButton()->click();
    });
}

void chooseForCheck(ColumnsChoice choice) {
    whenModal<TSelSthDlg>([choice](TSelSthDlg* dlg) {
        QCOMPARE(dlg->windowTitle(), QStringLiteral("ΔΙΑΛΟΓΗ ΓΙΑ"));
        QVERIFY(dlg->plainItem()->isChecked());
        dlg->select(choice);
        dlg->okButton()->click();
    });
}

struct Shown {
    bool shown = false;
    bool win = false;
    QString message, winning, second;
};

void readResult(Shown& out) {
    whenModal<TInfoDialDlg>([&out](TInfoDialDlg* dlg) {
        out = {true, dlg->showsWin(), dlg->message(), dlg->winningLine(), dlg->secondLine()};
        dlg->okButton()->click();
    });
}

// Runs the check and tells whether the result window appeared (it would within half a second).
bool runShowsAResult(AppContext& ctx) {
    bool shown = false;
    whenModal<TInfoDialDlg>(
        [&](TInfoDialDlg* dlg) {
            shown = true;
            dlg->reject();
        },
        500);
    runWinningCheck(ctx);
    QTest::qWait(600);
    return shown;
}

}  // namespace

class TestWinningCheck : public QObject {
    Q_OBJECT

private slots:
    void plainCheckWinsWithANearMissAndKeepsTheEntry();
    void plainCheckWithoutAWin();
    void gatheredCheckNamesTheCoupon();
    void invalidEntryIsRefusedAndTheDialogStays();
    void noCountingOrCancelStops();
    void gatheredCheckRefusesAPartOfASystem();
};

void TestWinningCheck::plainCheckWinsWithANearMissAndKeepsTheEntry() {
    test::ScriptedDialogs dialogs;
    Windows w;
    Shown result;
    bool looked = false;
    whenModal<TDialoghSelDlg>([&looked](TDialoghSelDlg* dlg) {
        looked = true;
        QTableWidget* grid = dlg->grid();
        QCOMPARE(dlg->windowTitle(), QStringLiteral("ΕΙΣΑΓΩΓΗ ΝΙΚΗΤΡΙΑΣ ΣΤΗΛΗΣ"));
        QCOMPARE(grid->columnCount(), 3);
        QCOMPARE(grid->rowCount(), 5);
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("ΚΟΥΡΣΕΣ"));
        QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("2"));
        QCOMPARE(grid->item(4, 0)->text(), QStringLiteral("4"));
        QCOMPARE(grid->columnWidth(1), 25);
        for (int race = 1; race <= 4; ++race) {
            dlg->SgrdMouseUp(race == 4 ? 2 : 1, race);
        }
        dlg->okButton()->click();
    });
    chooseForCheck(ColumnsChoice::Plain);
    readResult(result);
    runWinningCheck(w.ctx);
    QVERIFY(looked);
    QVERIFY(result.shown);
    QVERIFY(result.win);
    QCOMPARE(result.message, QStringLiteral("Κερδίζετε το ΣΚΟΡ 4 με αυτή τη νικήτρια στήλη!"));
    QCOMPARE(result.winning, QStringLiteral("1 / 1 / 1 / 2"));
    QCOMPARE(result.second, QStringLiteral("1 στήλες έχουν 3 επιτυχίες."));
    QVERIFY(dialogs.shown.isEmpty());

    // Opening the check again for the same horses offers the last winning column.
    bool offered = false;
    whenModal<TDialoghSelDlg>([&offered](TDialoghSelDlg* dlg) {
        offered = dlg->marks().winningColumn() == std::vector<std::uint8_t>{1, 1, 1, 2};
        dlg->cancelButton()->click();
    });
    runWinningCheck(w.ctx);
    QVERIFY(offered);
}

void TestWinningCheck::plainCheckWithoutAWin() {
    test::ScriptedDialogs dialogs;
    Windows w;
    Shown result;
    // Horse 2 in every race at once: a click on its header.
    whenModal<TDialoghSelDlg>([](TDialoghSelDlg* dlg) {
        dlg->SgrdMouseUp(2, 0);
        dlg->okButton()->click();
    });
    chooseForCheck(ColumnsChoice::Plain);
    readResult(result);
    runWinningCheck(w.ctx);
    QVERIFY(result.shown);
    QVERIFY(!result.win);
    QCOMPARE(result.message, QStringLiteral("Δεν κερδίζει καμμία στήλη με αυτή τη νικήτρια στήλη."));
    QCOMPARE(result.winning, QStringLiteral("2 / 2 / 2 / 2"));
    QCOMPARE(result.second, QStringLiteral("0 στήλες έχουν 3 επιτυχίες."));
}

void TestWinningCheck::gatheredCheckNamesTheCoupon() {
    test::ScriptedDialogs dialogs;
    Windows w;
    w.ctx.game.Sthles.append(std::vector<std::uint8_t>{2, 2, 2, 2});  // a second coupon
    Shown result;
    enterWinning({2, 2, 2, 2});
    chooseForCheck(ColumnsChoice::Gathered);
    readResult(result);
    runWinningCheck(w.ctx);
    QVERIFY(result.shown);
    QVERIFY(result.win);
    QCOMPARE(result.message, QStringLiteral("Τo ΣΚΟΡ 4 βρίσκεται στο δελτίο 2 με αυτή τη νικήτρια στήλη!"));
    QCOMPARE(result.message.at(1), QLatin1Char('o'));
    QCOMPARE(result.winning, QStringLiteral("2 / 2 / 2 / 2"));
    QCOMPARE(result.second, QString());
    QVERIFY(!w.gathered.isVisible());
    QVERIFY(!w.gathered.searchMode());
    QVERIFY(w.gathered.windowTitle().startsWith(QStringLiteral("ΜΑΖΕΜΑ ΣΤΗΛΩΝ - ΣΤΗΛΕΣ : 3  ΔΕΛΤΙΑ : 2")));

    // A winning column that was not counted is in no coupon.
    result = {};
    whenModal<TDialoghSelDlg>([](TDialoghSelDlg* dlg) {
        dlg->SgrdMouseUp(2, 0);  // un-choose horse 2 everywhere
        for (int race = 1; race <= 4; ++race) {
            dlg->SgrdMouseUp(race == 1 ? 2 : 1, race);
        }
        dlg->okButton()->click();
    });
    chooseForCheck(ColumnsChoice::Gathered);
    readResult(result);
    runWinningCheck(w.ctx);
    QVERIFY(!result.win);
    QCOMPARE(result.message, QStringLiteral("Δεν κερδίζει κανένα δελτίο με αυτή τη νικήτρια στήλη."));
    QCOMPARE(result.winning, QStringLiteral("2 / 1 / 1 / 1"));
}

void TestWinningCheck::invalidEntryIsRefusedAndTheDialogStays() {
    test::ScriptedDialogs dialogs;
    Windows w;
    bool stayed = false;
    whenModal<TDialoghSelDlg>([&](TDialoghSelDlg* dlg) {
        dlg->okButton()->click();  // nothing chosen
        dlg->SgrdMouseUp(1, 0);
        dlg->SgrdMouseUp(2, 3);  // two winners in race 3
        dlg->okButton()->click();
        stayed = dlg->isVisible();
        dlg->cancelButton()->click();
    });
    runWinningCheck(w.ctx);
    QVERIFY(stayed);
    const QString wrong = QStringLiteral("Η Νικήτρια Στήλη που έχετε δώσει είναι λάθος!");
    QCOMPARE(dialogs.messages(), (QStringList{wrong, wrong}));
    QVERIFY(!w.info.isVisible());
}

void TestWinningCheck::noCountingOrCancelStops() {
    test::ScriptedDialogs dialogs;
    Windows w;
    // Cancelling the choice stops before any result.
    enterWinning({1, 1, 1, 1});
    whenModal<TSelSthDlg>([](TSelSthDlg* dlg) { dlg->cancelButton()->click(); });
    QVERIFY(!runShowsAResult(w.ctx));

    w.ctx.game.Sthles.reset(4);
    runWinningCheck(w.ctx);
    QCOMPARE(dialogs.messages(), QStringList{QStringLiteral("Παρακαλώ πατήστε Μέτρημα πρώτα!")});
    QVERIFY(!w.entry.isVisible());
}

void TestWinningCheck::gatheredCheckRefusesAPartOfASystem() {
    test::ScriptedDialogs dialogs;
    Windows w;
    w.ctx.game.Sthles.reset(4, 2);  // three columns found, two kept
    for (std::uint8_t h : {1, 2}) {
        w.ctx.game.Sthles.append(std::vector<std::uint8_t>{1, 1, 1, h});
    }
    w.ctx.game.Sthles.append(std::vector<std::uint8_t>{2, 2, 2, 2});
    enterWinning({1, 1, 1, 2});
    chooseForCheck(ColumnsChoice::Gathered);
    QVERIFY(!runShowsAResult(w.ctx));
    QCOMPARE(dialogs.messages().size(), 1);
    QVERIFY(dialogs.messages().first().startsWith(QStringLiteral("Το σύστημα έχει 3 στήλες")));
    QVERIFY(!w.gathered.searchMode());
}

QTEST_MAIN(TestWinningCheck)
#include "tst_winning_check.moc"
