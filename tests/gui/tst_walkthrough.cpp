// A shop's day through the program's own windows, started as the program starts them: a "ΣΚΟΡ 4" game
// chosen in the main menu, its horses marked, two basics entered, counted, its columns shown plain and
// gathered, a winning column checked, a coupon printed from the preview, the system printed and the game
// saved; then the game chosen again, loaded and counted to the same columns; the TRIO window; the close
// query. Every step is checked against what the engine computes for the same game.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "core/coupons/column_views.h"
#include "core/coupons/coupon_preview.h"
#include "core/files/utf8_path.h"
#include "core/game/counting.h"
#include "core/game/game_file.h"
#include "core/game/game_types.h"
#include "core/game/gathering.h"
#include "core/game/winning_check.h"
#include "core/settings/column_cost.h"
#include "core/settings/memory_settings.h"
#include "gui/app_context.h"
#include "gui/coupons/column_grid.h"
#include "gui/coupons/prn_prv_dlg.h"
#include "gui/coupons/view_res_dlg.h"
#include "gui/coupons/view_res_ex_dlg.h"
#include "gui/game/cell_grid.h"
#include "gui/game/dialogh_sel_dlg.h"
#include "gui/game/epiloges_dlg.h"
#include "gui/game/info_dial_dlg.h"
#include "gui/game/new_diag_dlg.h"
#include "gui/game/paixnidi_frm.h"
#include "gui/platform/app_paths.h"
#include "gui/platform/qt_text.h"
#include "gui/shell/main_frm.h"
#include "gui/shell/startup.h"
#include "gui/shell/trio_information.h"
#include "gui/trio/kataskeuh3_frm.h"
#include "support/column_windows.h"
#include "support/game_driving.h"
#include "support/modal_driver.h"
#include "support/pdf_output.h"
#include "support/scripted_dialogs.h"

using namespace quintaro;
using namespace quintaro::gui;
using test::cellText;
using test::clickCell;
using test::pushButton;
using test::whenModal;

namespace {

// The item of a menu of the main window's menu bar, found by the captions the user reads.
QAction* menuItem(QMainWindow* window, const QString& menu, const QString& item) {
    for (QAction* top : window->menuBar()->actions()) {
        if (top->text() == menu && top->menu()) {
            for (QAction* action : top->menu()->actions()) {
                if (action->text() == item) {
                    return action;
                }
            }
        }
    }
    return nullptr;
}

// Clicks a cell of a table widget where the user would.
void clickTableCell(QTableWidget* table, int column, int row) {
    const QRect rect = table->visualRect(table->model()->index(row, column));
    QVERIFY2(rect.isValid(), "cell is not on screen");
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, rect.center());
}

std::vector<std::vector<std::uint8_t>> columnsOf(const ColumnList& list) {
    std::vector<std::vector<std::uint8_t>> out;
    for (std::size_t i = 0; i < list.stored(); ++i) {
        const auto horses = list.horses(i);
        out.emplace_back(horses.begin(), horses.end());
    }
    return out;
}

// The horses of the day: three in race 1, two in race 2, three in race 3, two in race 4.
const std::vector<std::vector<int>> kHorses = {{1, 2, 3}, {1, 2}, {1, 3, 5}, {2, 4}};

}  // namespace

class TestWalkthrough : public QObject {
    Q_OBJECT

private slots:
    void aShopsDay();

private:
    // What the engine counts for the game as the game window holds it now.
    CountOutcome engineCounting() const;
    // "&ΜΕΤΡΗΜΑ", checked against the engine; returns the engine's counting.
    CountOutcome countAndCheck();

    AppContext* ctx_ = nullptr;
    test::ScriptedDialogs* dialogs_ = nullptr;
    double price_ = 0;
};

CountOutcome TestWalkthrough::engineCounting() const {
    CountRequest request;
    request.game = ctx_->game.Paixnidi;
    request.selection = ctx_->selection;
    request.leastSum = us(ctx_->paixnidiFrm->sumFrom()->text());
    request.greatestSum = us(ctx_->paixnidiFrm->sumTo()->text());
    rebuildGroupTable(request.selection, request.groups, request.superGroups);
    request.price = price_;
    return countColumns(request);
}

CountOutcome TestWalkthrough::countAndCheck() {
    TPaixnidiFrm& game = *ctx_->paixnidiFrm;
    const CountOutcome expected = engineCounting();
    const int shownBefore = static_cast<int>(dialogs_->shown.size());
    QTest::mouseClick(pushButton(&game, "BtnMetra"), Qt::LeftButton);
    const QString line = qs(countedInformationLine(ctx_->game.Paixnidi, expected, decimalSeparator()));
    [&] {
        QCOMPARE(game.found(), expected.found);
        QCOMPARE(game.label6()->text(), qs(foundLabelText(expected.found)));
        QCOMPARE(game.informationLine(), line);
        QCOMPARE(columnsOf(ctx_->game.Sthles), columnsOf(expected.columns));
        QCOMPARE(static_cast<int>(dialogs_->shown.size()), shownBefore + 1);
        QVERIFY(dialogs_->messages().last().startsWith(line + QStringLiteral("    XΡΟΝΟΣ : ")));
    }();
    return expected;
}

void TestWalkthrough::aShopsDay() {
    // The program as main() starts it, without the splash's wait: a fresh folder, no start-up tips.
    QTemporaryDir home;
    QVERIFY(home.isValid());
    setProgramDir(home.path());
    test::ScriptedDialogs dialogs;
    MemorySettings store;
    store.writeFlag(settings::kGeneralKey, settings::kTipsSection, settings::kShowTips, false);
    AppContext ctx(store);
    Startup startup(ctx);
    startup.createWindows();
    startup.showMainWindow();
    ctx_ = &ctx;
    dialogs_ = &dialogs;
    price_ = readColumnCost(store, games::kSkor4, decimalSeparator());

    TMainFrm* main = ctx.mainFrm;
    QVERIFY(main && main->isVisible());
    // Every window the start-up makes is there for the commands that show it.
    const std::pair<const char*, bool> made[] = {
        {"paixnTypeDlg", ctx.paixnTypeDlg},
        {"newDiagDlg", ctx.newDiagDlg},
        {"paixnidiFrm", ctx.paixnidiFrm},
        {"epilogesDlg", ctx.epilogesDlg},
        {"selSthDlg", ctx.selSthDlg},
        {"viewResDlg", ctx.viewResDlg},
        {"viewResExDlg", ctx.viewResExDlg},
        {"dialoghSelDlg", ctx.dialoghSelDlg},
        {"infoDialDlg", ctx.infoDialDlg},
        {"prnPrvDlg", ctx.prnPrvDlg},
        {"prnFrm", ctx.prnFrm},
        {"prnTetFrm", ctx.prnTetFrm},
        {"kataskeuh3Frm", ctx.kataskeuh3Frm},
        {"stiles3Frm", ctx.stiles3Frm},
        {"standard3Frm", ctx.standard3Frm},
        {"rythmiseisDlg", ctx.rythmiseisDlg},
        {"katoxosDlg", ctx.katoxosDlg},
        {"tipsDlg", ctx.tipsDlg},
    };
    for (const auto& [name, there] : made) {
        QVERIFY2(there, name);
    }

    // "ΣΚΟΡ 4" in the main menu: the new-game dialog opens for its races.
    const QString menu = QStringLiteral("&ΠΑΙΧΝΙΔΙ");
    const QString skor4 = qs(games::kSkor4);
    QAction* skor4Item = menuItem(main, menu, skor4);
    QVERIFY(skor4Item && skor4Item->isEnabled());
    skor4Item->trigger();
    const GameType& type = *findGameType(games::kSkor4);
    QCOMPARE(ctx.game.Paixnidi, std::string(type.name));
    QCOMPARE(ctx.game.Kourses, type.races);
    QVERIFY(skor4Item->isChecked());
    QCOMPARE(main->windowTitle(), QStringLiteral("ΒΕΛΤΡΑΝΟ   -   ΣΚΟΡ 4"));
    TNewDiagDlg& newGame = *ctx.newDiagDlg;
    QVERIFY(newGame.isVisible());
    QCOMPARE(newGame.gameBand()->text(), skor4);
    QCOMPARE(newGame.horseGrid()->model()->rowCount(), type.races + 1);

    // The horses of each race, and the meeting.
    for (std::size_t r = 0; r < kHorses.size(); ++r) {
        for (int horse : kHorses[r]) {
            clickCell(newGame.horseGrid(), horse, static_cast<int>(r) + 1);
        }
    }
    for (int race = 1; race <= type.races; ++race) {
        for (int horse = 1; horse <= 20; ++horse) {
            const auto& chosen = kHorses[static_cast<std::size_t>(race - 1)];
            QCOMPARE(newGame.marks().marked(race, horse),
                     std::find(chosen.begin(), chosen.end(), horse) != chosen.end());
        }
    }
    newGame.meetingBox()->setCurrentText(QStringLiteral("ΣΥ2"));
    newGame.raceDayField()->setText(QStringLiteral("12"));
    newGame.commentField()->setText(QStringLiteral("Κυριακή"));

    // "&ΠΑΙΧΝΙΔΙ": the game window shows the horses and the editor opens basic 1: horse 1 wherever it runs
    // (by its header), 2 to 3 hits.
    TPaixnidiFrm& game = *ctx.paixnidiFrm;
    QString editorCaption;
    QVERIFY(test::withEditor(
        ctx, [&] { QTest::mouseClick(pushButton(&newGame, "BtnPaixnidi"), Qt::LeftButton); },
        [&](TEpilogesDlg& editor) {
            editorCaption = editor.windowTitle();
            clickCell(editor.grid(), 1, 0);
            editor.fromField()->setText(QStringLiteral("2"));
            editor.toField()->setText(QStringLiteral("3"));
            QTest::mouseClick(pushButton(&editor, "BtnOK"), Qt::LeftButton);
        }));
    QCOMPARE(editorCaption, QStringLiteral("ΕΙΣΑΓΩΓΗ ΝΕΑΣ ΒΑΣΙΚΗΣ 1"));
    QVERIFY(game.isVisible());
    for (int race = 1; race <= type.races; ++race) {
        QCOMPARE(cellText(game.grid(), SelectionTable::kHorsesColumn, race),
                 qs(ctx.game.Aloga[static_cast<std::size_t>(race - 1)].text()));
        QCOMPARE(cellText(game.grid(), SelectionTable::kFirstBasicColumn, race),
                 race < 4 ? QStringLiteral("1") : QString());
    }
    const std::uint64_t full = 3 * 2 * 3 * 2;
    QCOMPARE(ctx.selection.fullSystemSize(), full);
    QCOMPARE(game.informationLine(), qs(fullSystemLine(type.name, full)));
    const auto sums = ctx.selection.computeSumBounds();
    QVERIFY(sums);
    QCOMPARE(game.sumFrom()->text(), QString::number(sums->least));
    QCOMPARE(game.sumTo()->text(), QString::number(sums->greatest));

    // "+": basic 2 in group 1: horse 2 in races 1 and 4, horse 5 in race 3; 1 to 3 hits.
    QVERIFY(test::withEditor(
        ctx, [&] { QTest::mouseClick(pushButton(&game, "BtnPlus"), Qt::LeftButton); },
        [&](TEpilogesDlg& editor) {
            editorCaption = editor.windowTitle();
            clickCell(editor.grid(), 2, 1);
            clickCell(editor.grid(), 2, 4);
            clickCell(editor.grid(), 5, 3);
            editor.fromField()->setText(QStringLiteral("1"));
            editor.toField()->setText(QStringLiteral("3"));
            editor.groupField()->setText(QStringLiteral("1"));
            QTest::mouseClick(pushButton(&editor, "BtnOK"), Qt::LeftButton);
        }));
    QCOMPARE(editorCaption, QStringLiteral("ΕΙΣΑΓΩΓΗ ΝΕΑΣ ΒΑΣΙΚΗΣ 2"));
    QCOMPARE(ctx.selection.basicCount(), 2);
    const int basic2 = SelectionTable::kFirstBasicColumn + 1;
    QCOMPARE(cellText(game.grid(), basic2, 1), QStringLiteral("2"));
    QCOMPARE(cellText(game.grid(), basic2, 3), QStringLiteral("5"));
    QCOMPARE(cellText(game.grid(), basic2, 4), QStringLiteral("2"));
    QCOMPARE(cellText(game.grid(), basic2, ctx.selection.groupRow()), QStringLiteral("1"));
    QCOMPARE(ctx.groups.dataRows(), 2);  // groups 0 and 1, one basic each

    // "&ΜΕΤΡΗΜΑ": what the engine counts, shown; the basics narrow the system.
    const CountOutcome counted = countAndCheck();
    QVERIFY(counted.found > 0 && counted.found < full);

    // "&ΣΤΗΛΕΣ", plain: the counted columns, one a grid column.
    bool plainShown = false;
    test::choose(ColumnsChoice::Plain);
    whenModal<TViewResDlg>([&](TViewResDlg* list) {
        plainShown = true;
        QCOMPARE(list->windowTitle(), qs(plainListCaption(ctx.game.Sthles.size(), ctx.game.Sthles.stored(),
                                                          counted.cost, decimalSeparator())));
        QCOMPARE(list->grid()->grid()->gridColumns(), static_cast<int>(counted.found) + 1);
        for (int race = 1; race <= type.races; ++race) {
            QCOMPARE(list->cell(1, race), QString::number(counted.columns.horses(0)[race - 1]));
        }
        list->returnButton()->click();
    });
    QTest::mouseClick(pushButton(&game, "BtnStiles"), Qt::LeftButton);
    QVERIFY(plainShown);

    // "&ΣΤΗΛΕΣ", gathered: the engine's coupons of the same columns.
    ColumnList toGather = counted.columns;
    const CouponList gathered = Mazema(toGather);
    bool gatheredShown = false;
    test::choose(ColumnsChoice::Gathered);
    whenModal<TViewResExDlg>([&](TViewResExDlg* view) {
        gatheredShown = true;
        QCOMPARE(view->coupons(), gathered);
        QCOMPARE(view->windowTitle(),
                 qs(gatheredListCaption(static_cast<std::int64_t>(counted.found), gathered.size(),
                                        price_ * static_cast<double>(counted.found), decimalSeparator())));
        QCOMPARE(view->cell(1, 1), qs(gathered[0][0]));
        view->returnButton()->click();
    });
    QTest::mouseClick(pushButton(&game, "BtnStiles"), Qt::LeftButton);
    QVERIFY(gatheredShown);

    // "ΔΙΑΛΟ&ΓΗ", plain: the first counted column wins; the result is the engine's.
    const std::vector<std::uint8_t> winning(counted.columns.horses(0).begin(),
                                            counted.columns.horses(0).end());
    const CheckResult expectedCheck =
        plainCheckResult(type.name, type.races, checkPlain(counted.columns, winning), winning);
    QVERIFY(expectedCheck.win);
    whenModal<TDialoghSelDlg>([&](TDialoghSelDlg* entry) {
        for (int race = 1; race <= type.races; ++race) {
            const std::string horse = std::to_string(winning[static_cast<std::size_t>(race - 1)]);
            const auto& distinct = ctx.game.DiakritaAloga;
            const int column =
                static_cast<int>(std::find(distinct.begin(), distinct.end(), horse) - distinct.begin()) + 1;
            clickTableCell(entry->grid(), column, race);
        }
        QCOMPARE(entry->marks().winningColumn(), winning);
        entry->okButton()->click();
    });
    whenModal<TSelSthDlg>([](TSelSthDlg* choice) {
        QCOMPARE(choice->windowTitle(), TSelSthDlg::checkCaption());
        choice->select(ColumnsChoice::Plain);
        choice->okButton()->click();
    });
    QString checkMessage, winningLine, secondLine;
    bool checkWin = false;
    whenModal<TInfoDialDlg>([&](TInfoDialDlg* result) {
        checkWin = result->showsWin();
        checkMessage = result->message();
        winningLine = result->winningLine();
        secondLine = result->secondLine();
        result->okButton()->click();
    });
    QTest::mouseClick(pushButton(&game, "BtnDialogh"), Qt::LeftButton);
    QVERIFY(checkWin);
    QCOMPARE(checkMessage, qs(expectedCheck.message));
    QCOMPARE(winningLine, qs(expectedCheck.winningLine));
    QCOMPARE(secondLine, qs(expectedCheck.secondLine));

    // "&ΔΕΛΤΙΑ", gathered: the preview opens on the engine's coupons; its print button puts coupon 1 on one
    // "ΣΚΟΡ" form (a PDF file here) with the meeting and the coupon's cost.
    test::PdfForms forms(home.path());
    whenModal<TSelSthDlg>([](TSelSthDlg* choice) {
        QCOMPARE(choice->windowTitle(), TSelSthDlg::couponsCaption());
        QVERIFY(choice->gatheredItem()->isChecked());
        choice->okButton()->click();
    });
    QString band, heading;
    CouponList previewed;
    whenModal<TPrnPrvDlg>([&](TPrnPrvDlg* preview) {
        band = preview->bandText();
        heading = preview->heading();
        previewed = preview->Deltia();
        preview->printButton()->click();
        preview->returnButton()->click();
    });
    QTest::mouseClick(pushButton(&game, "BtnDeltia"), Qt::LeftButton);
    QCOMPARE(previewed, gathered);
    QCOMPARE(band, skor4);
    QCOMPARE(heading,
             qs(coupons::couponHeading(1, static_cast<int>(gathered.size()),
                                       coupons::couponCost(gathered[0], price_), decimalSeparator())));
    QCOMPARE(forms.forms.size(), std::size_t{1});
    QVERIFY(forms.kinds == std::vector<coupons::FormKind>{coupons::FormKind::Skor});
    QCOMPARE(forms.forms[0].first, gathered[0]);
    QCOMPARE(forms.forms[0].meeting, std::string("ΣΥ2"));
    QCOMPARE(forms.forms[0].cost, coupons::couponCost(gathered[0], price_));
    const test::PdfPages form = test::readPdfPages(forms.file(1));
    QCOMPARE(form.pages, 1);
    QVERIFY(form.allDrawText());

    // "Ε&ΚΤΥΠΩΣΗ": the system report on the chosen printer (a PDF file).
    const QString report = home.filePath(QStringLiteral("system.pdf"));
    dialogs.answerPrintToPdf(report);
    QTest::mouseClick(pushButton(&game, "BtnEktyposh"), Qt::LeftButton);
    QVERIFY(game.isEnabled());
    QVERIFY(test::readPdfPages(report).allDrawText());

    // "&ΑΠΟΘΗΚΕΥΣΗ": the game file in Qnt holds the horses, both basics and the meeting.
    const QString saved = QDir(programPath(QStringLiteral("Qnt"))).filePath(QStringLiteral("day.sk4"));
    const SelectionTable selectionSaved = ctx.selection;
    dialogs.answerFile(saved);
    QTest::mouseClick(pushButton(&game, "BtnApothikeysh"), Qt::LeftButton);
    QCOMPARE(dialogs.shown.last().type, QStringLiteral("save"));
    const GameFile file = readGameFile(utf8Path(us(saved)), type.races);
    QVERIFY(file.horses == ctx.game.Aloga);
    QCOMPARE(file.basics.size(), std::size_t{2});
    QVERIFY(file.meeting == newGame.meetingData());
    QCOMPARE(file.meeting.meeting, std::string("ΣΥ2"));

    // "ΣΚΟΡ 4" again starts afresh; "&ΦΟΡΤΩΜΑ" brings the saved game back, and it counts the same columns.
    skor4Item->trigger();
    QVERIFY(newGame.isVisible());
    QVERIFY(!newGame.marks().marked(1, 1));
    QVERIFY(ctx.selection.hasNoBasics());
    QCOMPARE(newGame.meetingData().comment, std::string());
    dialogs.answerFile(saved);
    QVERIFY(!test::withEditor(
        ctx, [&] { QTest::mouseClick(pushButton(&newGame, "BtnFortoma"), Qt::LeftButton); },
        [](TEpilogesDlg&) {}));
    QCOMPARE(dialogs.shown.last().type, QStringLiteral("open"));
    QVERIFY(ctx.selection == selectionSaved);
    QCOMPARE(newGame.meetingData().comment, std::string("Κυριακή"));
    QVERIFY(newGame.marks().marked(3, 5));
    const CountOutcome recounted = countAndCheck();
    QCOMPARE(recounted.found, counted.found);
    QCOMPARE(columnsOf(ctx.game.Sthles), columnsOf(counted.columns));

    // "ΤΡΙΟ": its information, then the construction window, modal.
    QString trioCaption;
    bool trioModal = false;
    whenModal<TKataskeuh3Frm>([&](TKataskeuh3Frm* trio) {
        trioCaption = trio->windowTitle();
        trioModal = trio->isModal();
        trio->close();
    });
    const int shownBeforeTrio = static_cast<int>(dialogs.shown.size());
    QAction* trioItem = menuItem(main, menu, qs(games::kTrio));
    QVERIFY(trioItem && trioItem->isEnabled());
    trioItem->trigger();
    QCOMPARE(trioCaption, TKataskeuh3Frm::resetCaption());
    QVERIFY(trioModal);
    QCOMPARE(static_cast<int>(dialogs.shown.size()), shownBeforeTrio + 1);
    QCOMPARE(dialogs.shown.last().text, trioInformationText());

    // The close query: "No" keeps the program, "Yes" ends it.
    QSignalSpy closed(main, &TMainFrm::closed);
    dialogs.answerNo();
    QVERIFY(!main->close());
    QVERIFY(main->isVisible());
    QCOMPARE(closed.count(), 0);
    dialogs.answerYes();
    QVERIFY(main->close());
    QCOMPARE(closed.count(), 1);
    QCOMPARE(dialogs.shown.last().caption, QStringLiteral("ΕΠΙΒΕΒΑΙΩΣΗ"));
    QCOMPARE(dialogs.shown.last().text, QStringLiteral("Έξοδος από την εφαρμογή;"));

    QVERIFY2(dialogs.unexpected.isEmpty(), qPrintable(dialogs.unexpected.join(QStringLiteral("; "))));
    QVERIFY(dialogs.scriptDone());
    ctx_ = nullptr;
    dialogs_ = nullptr;
    setProgramDir({});
}

QTEST_MAIN(TestWalkthrough)
#include "tst_walkthrough.moc"
