// The game windows driven for real: the main menu's game items, the new-game dialog, the game window, the
// basic editor, the group dialogs and the counting command, with scripted answers to their boxes.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "core/game/counting.h"
#include "core/game/counting_engine.h"
#include "core/game/game_file.h"
#include "core/settings/memory_settings.h"
#include "gui/app_context.h"
#include "gui/game/cell_grid.h"
#include "gui/game/counting_progress_dlg.h"
#include "gui/game/epiloges_dlg.h"
#include "gui/game/limit_grid.h"
#include "gui/game/new_diag_dlg.h"
#include "gui/game/omades_dlg.h"
#include "gui/game/paixnidi_frm.h"
#include "gui/platform/app_paths.h"
#include "gui/platform/help_viewer.h"
#include "gui/platform/qt_text.h"
#include "gui/shell/main_frm.h"
#include "support/game_driving.h"
#include "support/scripted_dialogs.h"

using namespace quintaro;
using namespace quintaro::gui;
using test::cellText;
using test::clickCell;
using test::pushButton;

namespace {

// The line edit in which a cell of the grid is being typed, if any.
QLineEdit* cellEditor(CellGrid* grid) {
    for (QLineEdit* editor : grid->viewport()->findChildren<QLineEdit*>()) {
        if (editor->isVisible()) {
            return editor;
        }
    }
    return nullptr;
}

std::vector<std::vector<std::string>> rows(const LimitTable& table) {
    std::vector<std::vector<std::string>> out;
    for (int r = 1; r <= table.dataRows(); ++r) {
        std::vector<std::string> row;
        for (int c = 0; c < table.columnCount(); ++c) {
            row.push_back(table.cell(c, r));
        }
        out.push_back(row);
    }
    return out;
}

}  // namespace

class TestGameWindows : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void typicalGameFromTheMenuToTheCounting();
    void newGameDialogKeysMarksAndRefusal();
    void editorClicksOddEvenButtonsAndHeaders();
    void editorAcceptMessagesBoundsAndCancel();
    void correctionChangingTheGroupAdjustsTheLimitsOnce();
    void deleteRenumbersAndClearingEmptiesTheBasics();
    void rightClickDoesNothingBeforeTheEditorWasFilled();
    void groupDialogsTypingEnterAndConversionError();
    void countingCanBeStoppedAndKeepsNoColumns();
    void aTwentyHorseNineRaceGameIsCountedInSeconds();
    void choosingAnotherGameResetsTheWindow();
    void returnAsksBeforeHiding();

private:
    TNewDiagDlg& newGame() { return *ctx_->newDiagDlg; }
    TPaixnidiFrm& game() { return *ctx_->paixnidiFrm; }

    void choose(std::string_view name) { main_->gameAction(name)->trigger(); }

    bool withEditor(const std::function<void()>& action, const std::function<void(TEpilogesDlg&)>& script) {
        return test::withEditor(*ctx_, action, script);
    }

    // Clicks the horses of each race in the new-game dialog's grid.
    void mark(const std::vector<std::vector<int>>& races);

    // Marks the horses, presses "&ΠΑΙΧΝΙΔΙ" and enters basic 1 with the given choices (editor cells as
    // (horse entry column, race)), bounds and group.
    void startGame(std::string_view name, const std::vector<std::vector<int>>& races,
                   const std::vector<std::pair<int, int>>& basicCells, const QString& from,
                   const QString& to);

    std::unique_ptr<MemorySettings> store_;
    std::unique_ptr<AppContext> ctx_;
    std::unique_ptr<TMainFrm> main_;
    std::unique_ptr<test::ScriptedDialogs> dialogs_;
};

void TestGameWindows::init() {
    store_ = std::make_unique<MemorySettings>();
    store_->writeFlag(settings::kGeneralKey, settings::kTipsSection, settings::kShowTips, false);
    ctx_ = std::make_unique<AppContext>(*store_);
    main_ = std::make_unique<TMainFrm>(*ctx_);
    ctx_->mainFrm = main_.get();
    main_->show();
    dialogs_ = std::make_unique<test::ScriptedDialogs>();
}

void TestGameWindows::cleanup() {
    QVERIFY2(dialogs_->unexpected.isEmpty(), qPrintable(dialogs_->unexpected.join(QStringLiteral("; "))));
    dialogs_.reset();
    main_.reset();
    ctx_.reset();
    store_.reset();
}

void TestGameWindows::mark(const std::vector<std::vector<int>>& races) {
    for (std::size_t r = 0; r < races.size(); ++r) {
        for (int horse : races[r]) {
            clickCell(newGame().horseGrid(), horse, static_cast<int>(r) + 1);
        }
    }
}

void TestGameWindows::startGame(std::string_view name, const std::vector<std::vector<int>>& races,
                                const std::vector<std::pair<int, int>>& basicCells, const QString& from,
                                const QString& to) {
    choose(name);
    mark(races);
    const bool opened =
        withEditor([&] { QTest::mouseClick(pushButton(&newGame(), "BtnPaixnidi"), Qt::LeftButton); },
                   [&](TEpilogesDlg& editor) {
                       for (const auto& [column, race] : basicCells) {
                           clickCell(editor.grid(), column, race);
                       }
                       editor.fromField()->setText(from);
                       editor.toField()->setText(to);
                       editor.BtnOKClick();
                   });
    QVERIFY(opened);
}

void TestGameWindows::typicalGameFromTheMenuToTheCounting() {
    choose("ΣΚΟΡ 4");
    QVERIFY(newGame().isVisible());
    QCOMPARE(newGame().windowTitle(), QStringLiteral("ΕΙΣΑΓΩΓΗ ΝΕΟΥ ΠΑΙΧΝΙΔΙΟΥ"));
    QCOMPARE(newGame().gameBand()->text(), QStringLiteral("ΣΚΟΡ 4"));
    CellGrid* horses = newGame().horseGrid();
    QCOMPARE(horses->model()->rowCount(), 5);
    QCOMPARE(horses->model()->columnCount(), 21);
    QCOMPARE(cellText(horses, 0, 0), QStringLiteral("ΚΟΥΡΣΕΣ"));
    QCOMPARE(horses->columnWidth(0), 55);
    QCOMPARE(horses->columnWidth(20), 25);

    // Horse 1 in every race by its header, then the others race by race.
    clickCell(horses, 1, 0);
    mark({{2, 3}, {2}, {3}, {4}});

    // "&ΠΑΙΧΝΙΔΙ" shows the game window and opens basic 1: horse 1 in every race by its header, 3 to 4 hits.
    QString caption, racesLabel;
    const bool opened =
        withEditor([&] { QTest::mouseClick(pushButton(&newGame(), "BtnPaixnidi"), Qt::LeftButton); },
                   [&](TEpilogesDlg& editor) {
                       caption = editor.windowTitle();
                       racesLabel = editor.racesLabel()->text();
                       clickCell(editor.grid(), 1, 0);
                       QTest::keyClicks(editor.fromField(), QStringLiteral("3"));
                       QTest::keyClicks(editor.toField(), QStringLiteral("4"));
                       QTest::mouseClick(pushButton(&editor, "BtnOK"), Qt::LeftButton);
                   });
    QVERIFY(opened);
    QCOMPARE(caption, QStringLiteral("ΕΙΣΑΓΩΓΗ ΝΕΑΣ ΒΑΣΙΚΗΣ 1"));
    QCOMPARE(racesLabel, QStringLiteral("ΚΟΥΡΣΕΣ : 4"));
    QVERIFY(game().isVisible());
    QCOMPARE(ctx_->game.Aloga[0].text(), std::string("1,2,3"));

    CellGrid* sgrd = game().grid();
    const QStringList horsesColumn = {cellText(sgrd, 1, 1), cellText(sgrd, 1, 2), cellText(sgrd, 1, 3),
                                      cellText(sgrd, 1, 4)};
    QCOMPARE(horsesColumn, (QStringList{QStringLiteral("1,2,3"), QStringLiteral("1,2"), QStringLiteral("1,3"),
                                        QStringLiteral("1,4")}));
    for (int race = 1; race <= 4; ++race) {
        QCOMPARE(cellText(sgrd, 2, race), QStringLiteral("1"));
    }
    QCOMPARE(cellText(sgrd, 2, 5), QStringLiteral("3"));
    QCOMPARE(cellText(sgrd, 2, 6), QStringLiteral("4"));
    QCOMPARE(cellText(sgrd, 2, 7), QStringLiteral("0"));
    QCOMPARE(game().sumFrom()->text(), QStringLiteral("4"));
    QCOMPARE(game().sumTo()->text(), QStringLiteral("12"));
    QCOMPARE(game().informationLine(), QStringLiteral("ΣΚΟΡ 4   ΠΛΗΡΕΣ : 24"));
    QCOMPARE(ctx_->game.DiakritaAloga, (std::vector<std::string>{"1", "2", "3", "4"}));

    // "+" adds basic 2 in group 2: horse 2 in races 1 and 2, horse 3 in race 3, 1 to 2 hits.
    QVERIFY(withEditor([&] { QTest::mouseClick(pushButton(&game(), "BtnPlus"), Qt::LeftButton); },
                       [&](TEpilogesDlg& editor) {
                           QCOMPARE(editor.windowTitle(), QStringLiteral("ΕΙΣΑΓΩΓΗ ΝΕΑΣ ΒΑΣΙΚΗΣ 2"));
                           clickCell(editor.grid(), 2, 1);
                           clickCell(editor.grid(), 2, 2);
                           clickCell(editor.grid(), 3, 3);
                           editor.fromField()->setText(QStringLiteral("1"));
                           editor.toField()->setText(QStringLiteral("2"));
                           editor.groupField()->setText(QStringLiteral("2"));
                           editor.BtnOKClick();
                       }));
    QCOMPARE(sgrd->model()->columnCount(), 4);
    QCOMPARE(cellText(sgrd, 3, 0), QStringLiteral("2"));
    QCOMPARE(cellText(sgrd, 3, 1), QStringLiteral("2"));
    QCOMPARE(cellText(sgrd, 3, 3), QStringLiteral("3"));
    QCOMPARE(cellText(sgrd, 3, 4), QString());
    QCOMPARE(cellText(sgrd, 3, 7), QStringLiteral("2"));
    using Rows = std::vector<std::vector<std::string>>;
    QCOMPARE(rows(ctx_->groups), (Rows{{"0", "1", "1", "1", "0"}, {"2", "1", "1", "1", "0"}}));

    // "&ΟΜΑΔΕΣ": group 2 may now miss its basic ("ΑΠΟ" 0, typed in the grid; Enter moves on to "ΕΩΣ").
    QTest::mouseClick(pushButton(&game(), "BtnOmades"), Qt::LeftButton);
    QVERIFY(ctx_->omadesDlg && ctx_->omadesDlg->isVisible());
    QCOMPARE(ctx_->omadesDlg->windowTitle(), QStringLiteral("ΟΡΙΑ ΟΜΑΔΩΝ"));
    LimitGrid* groups = ctx_->omadesDlg->grid();
    QCOMPARE(cellText(groups, 4, 0), QStringLiteral("ΥΠΕΡ"));
    groups->setFocus();
    groups->selectCell(GroupTable::kFromColumn, 2);
    QTest::keyClick(groups, Qt::Key_0);
    QLineEdit* typing = cellEditor(groups);
    QVERIFY(typing);
    QCOMPARE(typing->text(), QStringLiteral("0"));
    QTest::keyClick(typing, Qt::Key_Return);
    QCOMPARE(ctx_->groups.cell(GroupTable::kFromColumn, 2), std::string("0"));
    QCOMPARE(groups->currentColumn(), GroupTable::kToColumn);
    QTest::mouseClick(pushButton(ctx_->omadesDlg, "BtnOK"), Qt::LeftButton);
    QVERIFY(!ctx_->omadesDlg->isVisible());

    // "&ΜΕΤΡΗΜΑ": the window shows what the core counts for the same game.
    CountRequest request;
    request.game = ctx_->game.Paixnidi;
    request.selection = ctx_->selection;
    request.leastSum = "4";
    request.greatestSum = "12";
    request.groups = ctx_->groups;
    request.superGroups = ctx_->superGroups;
    rebuildGroupTable(request.selection, request.groups, request.superGroups);
    request.price = 1.5;
    const CountOutcome expected = countColumns(request);
    QCOMPARE(expected.found, std::uint64_t(6));  // horse 1 in at least three races

    QTest::mouseClick(pushButton(&game(), "BtnMetra"), Qt::LeftButton);
    QCOMPARE(game().found(), expected.found);
    QCOMPARE(ctx_->game.Sthles.size(), std::int64_t(6));
    const QString line = qs(countedInformationLine("ΣΚΟΡ 4", expected, decimalSeparator()));
    QCOMPARE(game().informationLine(), line);
    QCOMPARE(line, QStringLiteral("ΣΚΟΡ 4   ΠΛΗΡΕΣ : 24     ΜΕΤΡΗΣΑ : 6      ΚΟΣΤΟΣ :9") +
                       QChar::fromLatin1(decimalSeparator()) + QStringLiteral("00"));
    QCOMPARE(game().label6()->text(), QStringLiteral("Βρέθηκαν 6 στήλες."));
    QCOMPARE(game().label7()->text(), QString());
    const QString message = dialogs_->messages().last();
    QVERIFY2(message.startsWith(line + QStringLiteral("    XΡΟΝΟΣ : ")), qPrintable(message));
    QVERIFY(message.endsWith(QStringLiteral(" δευτερόλεπτα ")));
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    for (std::size_t i = 0; i < ctx_->game.Sthles.stored(); ++i) {
        QCOMPARE(ctx_->game.Sthles.column(i).size(), std::size_t(4));
    }

    // A second counting announces the first in Label7.
    QTest::mouseClick(pushButton(&game(), "BtnMetra"), Qt::LeftButton);
    QCOMPARE(game().label7()->text(), QStringLiteral("Προηγούμενο μέτρημα :  6 στήλες"));

    // A sum bound that is no number stops the counting with its message and keeps no columns.
    game().sumFrom()->setText(QStringLiteral("x"));
    QTest::mouseClick(pushButton(&game(), "BtnMetra"), Qt::LeftButton);
    QCOMPARE(dialogs_->messages().last(), QStringLiteral("'x' is not a valid integer value"));
    QVERIFY(ctx_->game.Sthles.empty());
    QCOMPARE(game().label6()->text(), QStringLiteral("Βρέθηκαν 0 στήλες."));
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void TestGameWindows::newGameDialogKeysMarksAndRefusal() {
    choose("ΣΚΟΡ 6");
    TNewDiagDlg& dialog = newGame();
    QCOMPARE(dialog.helpContext(), 4);
    QCOMPARE(dialog.meetingBox()->currentText(), QStringLiteral("ΣΥ1"));

    // The race-day number takes two digits and nothing else.
    QTest::keyClicks(dialog.raceDayField(), QStringLiteral("a1b23"));
    QCOMPARE(dialog.raceDayField()->text(), QStringLiteral("12"));

    // Enter moves on, Escape back; neither closes the dialog.
    dialog.activateWindow();
    QTRY_VERIFY(dialog.isActiveWindow());
    dialog.dateField()->setFocus();
    QTest::keyClick(dialog.dateField(), Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog.commentField()));
    QTest::keyClick(dialog.commentField(), Qt::Key_Escape);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog.dateField()));
    QVERIFY(dialog.isVisible());

    // The header of horse 7 twice leaves every race as it was.
    clickCell(dialog.horseGrid(), 7, 2);
    clickCell(dialog.horseGrid(), 7, 0);
    clickCell(dialog.horseGrid(), 7, 0);
    QVERIFY(dialog.marks().marked(2, 7));
    QVERIFY(!dialog.marks().marked(1, 7));

    // A race without horses: the message, and the current horses stay as they were.
    ctx_->game.Aloga = {makeRace({4})};
    mark({{12, 3}, {1}, {1}, {1}, {1}});
    QTest::mouseClick(pushButton(&dialog, "BtnPaixnidi"), Qt::LeftButton);
    QCOMPARE(dialogs_->messages(),
             QStringList{QStringLiteral("Παρακαλώ επιλέξτε άλογα για όλες τις κούρσες.")});
    QCOMPARE(ctx_->game.Aloga.size(), std::size_t(1));
    QVERIFY(!game().isVisible());

    // With the sixth race marked the game starts; a cancelled entry of basic 1 leaves it 30 pixels wide.
    clickCell(dialog.horseGrid(), 1, 6);
    QVERIFY(withEditor([&] { QTest::mouseClick(pushButton(&dialog, "BtnPaixnidi"), Qt::LeftButton); },
                       [](TEpilogesDlg& editor) { editor.BtnCancelClick(); }));
    QCOMPARE(ctx_->game.Aloga[0].text(), std::string("3,12"));
    QVERIFY(game().isVisible());
    QCOMPARE(game().grid()->columnWidth(2), 30);
    QCOMPARE(cellText(game().grid(), 2, 1), QString());

    setProgramDir(QStringLiteral(QUINTARO_HELP_DIR "/.."));
    QTest::mouseClick(pushButton(&dialog, "BtnHelp"), Qt::LeftButton);
    QCOMPARE(HelpWindow::existing()->context(), 4);
    QVERIFY(HelpWindow::existing()->pageText().contains(QStringLiteral("ΣΚΟΡ 6")));
    setProgramDir({});

    QTest::mouseClick(pushButton(&dialog, "BtnEpistrofi"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QTest::mouseClick(pushButton(&game(), "BtnAllagh"), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
}

void TestGameWindows::editorClicksOddEvenButtonsAndHeaders() {
    // Horses 1..4 in every race; horse 9 in race 2 only (editor column 5).
    startGame("ΣΚΟΡ 6",
              {{1, 2, 3, 4}, {1, 2, 3, 4, 9}, {1, 2, 3, 4}, {1, 2, 3, 4}, {1, 2, 3, 4}, {1, 2, 3, 4}},
              {{2, 1}}, QStringLiteral("0"), QStringLiteral("1"));
    CellGrid* sgrd = game().grid();
    QCOMPARE(cellText(sgrd, 2, 1), QStringLiteral("2"));

    QVERIFY(withEditor([&] { clickCell(sgrd, 2, 0); },
                       [&](TEpilogesDlg& editor) {
                           QCOMPARE(editor.grid()->model()->columnCount(), 6);
                           QCOMPARE(cellText(editor.grid(), 5, 0), QStringLiteral("9"));
                           QVERIFY(editor.parityPanel()->height() == 20 * 6 + 10);
                           QTest::mouseClick(editor.parityButton(Parity::Odd, 3), Qt::LeftButton);
                           QVERIFY(editor.parityButton(Parity::Odd, 3)->isChecked());
                           QTest::mouseClick(editor.parityButton(Parity::Even, 4), Qt::LeftButton);
                           clickCell(editor.grid(), 5, 0);  // horse 9: race 2 alone
                           clickCell(editor.grid(), 5, 1);  // not in race 1: nothing
                           clickCell(editor.grid(), 4, 1);  // horse 4 in race 1
                           editor.fromField()->setText(QStringLiteral("1"));
                           editor.toField()->setText(QStringLiteral("3"));
                           editor.BtnOKClick();
                       }));
    QCOMPARE(cellText(sgrd, 2, 1), QStringLiteral("4"));
    QCOMPARE(cellText(sgrd, 2, 2), QStringLiteral("9"));
    QCOMPARE(cellText(sgrd, 2, 3), QStringLiteral("1,3"));
    QCOMPARE(cellText(sgrd, 2, 4), QStringLiteral("2,4"));
    QCOMPARE(cellText(sgrd, 2, 5), QString());

    // The buttons keep their state; pressing "M" of race 3 again clears its odd horses.
    QVERIFY(withEditor([&] { clickCell(sgrd, 2, 1); },
                       [&](TEpilogesDlg& editor) {
                           QVERIFY(editor.parityButton(Parity::Odd, 3)->isChecked());
                           QVERIFY(editor.parityButton(Parity::Even, 4)->isChecked());
                           QVERIFY(!editor.parityButton(Parity::Odd, 1)->isChecked());
                           clickCell(editor.grid(), 1, 3);
                           clickCell(editor.grid(), 2, 3);
                           QTest::mouseClick(editor.parityButton(Parity::Odd, 3), Qt::LeftButton);
                           QCOMPARE(editor.model().raceTexts()[2], std::string("2"));
                           editor.fromField()->setText(QStringLiteral("1"));
                           editor.toField()->setText(QStringLiteral("1"));
                           editor.BtnOKClick();
                       }));
    QCOMPARE(cellText(sgrd, 2, 3), QStringLiteral("2"));
}

void TestGameWindows::editorAcceptMessagesBoundsAndCancel() {
    startGame("ΣΚΟΡ 4", {{1, 2}, {1, 2}, {1, 2}, {1, 2}}, {{1, 1}}, QStringLiteral("1"), QStringLiteral("1"));
    dialogs_->shown.clear();
    CellGrid* sgrd = game().grid();

    QVERIFY(withEditor([&] { clickCell(sgrd, 2, 1); },
                       [&](TEpilogesDlg& editor) {
                           editor.fromField()->setText(QStringLiteral("1"));
                           editor.toField()->setText(QStringLiteral("2"));
                           editor.BtnOKClick();
                           QCOMPARE(dialogs_->messages().last(), QStringLiteral("Δεν έχετε επιλέξει άλογα!"));
                           QVERIFY(editor.isVisible());

                           clickCell(editor.grid(), 2, 4);
                           editor.fromField()->clear();
                           editor.BtnOKClick();
                           QCOMPARE(dialogs_->messages().last(),
                                    QStringLiteral("Παρακαλώ συμπληρώστε τα όρια!"));
                           QCOMPARE(editor.focusWidget(), static_cast<QWidget*>(editor.fromField()));

                           editor.fromField()->setText(QStringLiteral("1"));
                           editor.toField()->clear();
                           editor.BtnOKClick();
                           QCOMPARE(dialogs_->messages().size(), 3);
                           QCOMPARE(editor.focusWidget(), static_cast<QWidget*>(editor.toField()));

                           // A bound above the races keeps the focus in its field, without a message.
                           editor.toField()->setText(QStringLiteral("5"));
                           editor.BtnOKClick();
                           QCOMPARE(dialogs_->messages().size(), 3);
                           QCOMPARE(editor.focusWidget(), static_cast<QWidget*>(editor.toField()));
                           QVERIFY(editor.isVisible());

                           // Only digits reach the bounds; the group takes 0..255.
                           editor.fromField()->clear();
                           QTest::keyClicks(editor.fromField(), QStringLiteral("x2"));
                           QCOMPARE(editor.fromField()->text(), QStringLiteral("2"));
                           editor.groupField()->clear();
                           QTest::keyClicks(editor.groupField(), QStringLiteral("256"));
                           QCOMPARE(editor.groupField()->text(), QStringLiteral("25"));
                           editor.BtnCancelClick();
                       }));
    // A cancelled entry leaves the cells and makes the column 30 pixels wide.
    QCOMPARE(cellText(sgrd, 2, 1), QStringLiteral("1"));
    QCOMPARE(cellText(sgrd, 2, 4), QString());
    QCOMPARE(cellText(sgrd, 2, 7), QStringLiteral("0"));
    QCOMPARE(sgrd->columnWidth(2), 30);

    // A cancelled correction does not touch the width.
    sgrd->setKeptColumnWidth(2, 44);
    QVERIFY(withEditor([&] { clickCell(sgrd, 2, 1, Qt::RightButton); },
                       [](TEpilogesDlg& editor) { editor.BtnCancelClick(); }));
    QCOMPARE(sgrd->columnWidth(2), 44);
}

void TestGameWindows::correctionChangingTheGroupAdjustsTheLimitsOnce() {
    startGame("ΣΚΟΡ 4", {{1, 2}, {1, 2}, {1, 2}, {1, 2}}, {{1, 1}}, QStringLiteral("1"), QStringLiteral("1"));
    CellGrid* sgrd = game().grid();
    for (int basic = 0; basic < 2; ++basic) {
        QVERIFY(withEditor([&] { game().BtnPlusClick(); },
                           [&](TEpilogesDlg& editor) {
                               clickCell(editor.grid(), 2, 2);
                               editor.fromField()->setText(QStringLiteral("1"));
                               editor.toField()->setText(QStringLiteral("1"));
                               editor.BtnOKClick();
                           }));
    }
    using Rows = std::vector<std::vector<std::string>>;
    QCOMPARE(rows(ctx_->groups), (Rows{{"0", "3", "3", "3", "0"}}));

    // Basic 3 moves from group 0 to group 1.
    QVERIFY(withEditor([&] { clickCell(sgrd, 4, 1, Qt::RightButton); },
                       [&](TEpilogesDlg& editor) {
                           QCOMPARE(editor.windowTitle(), QStringLiteral("ΔΙΟΡΘΩΣΗ ΒΑΣΙΚΗΣ 3"));
                           QCOMPARE(editor.fromField()->text(), QStringLiteral("1"));
                           editor.groupField()->setText(QStringLiteral("1"));
                           editor.BtnOKClick();
                       }));
    QCOMPARE(rows(ctx_->groups), (Rows{{"0", "3", "2", "2", "0"}}));
    QCOMPARE(cellText(sgrd, 4, 7), QStringLiteral("1"));

    // A cancelled opening changes nothing; the next rebuild counts the basics again.
    QVERIFY(withEditor([&] { clickCell(sgrd, 3, 1, Qt::RightButton); },
                       [&](TEpilogesDlg& editor) {
                           editor.groupField()->setText(QStringLiteral("1"));
                           editor.BtnCancelClick();
                       }));
    QCOMPARE(rows(ctx_->groups), (Rows{{"0", "3", "2", "2", "0"}}));
    game().BtnOmadesClick();
    QCOMPARE(rows(ctx_->groups), (Rows{{"0", "2", "2", "2", "0"}, {"1", "1", "1", "1", "0"}}));
    QCOMPARE(cellText(ctx_->omadesDlg->grid(), 0, 2), QStringLiteral("1"));
}

void TestGameWindows::deleteRenumbersAndClearingEmptiesTheBasics() {
    startGame("ΣΚΟΡ 4", {{1, 2}, {1, 2}, {1, 2}, {1, 2}}, {{1, 1}}, QStringLiteral("1"), QStringLiteral("1"));
    CellGrid* sgrd = game().grid();
    for (int horse = 1; horse <= 3; ++horse) {
        QVERIFY(withEditor([&] { game().BtnPlusClick(); },
                           [&](TEpilogesDlg& editor) {
                               clickCell(editor.grid(), horse == 3 ? 1 : 2, horse);
                               editor.fromField()->setText(QString::number(horse));
                               editor.toField()->setText(QStringLiteral("4"));
                               editor.BtnOKClick();
                           }));
    }
    QCOMPARE(sgrd->model()->columnCount(), 6);
    dialogs_->shown.clear();

    // "&ΔΙΑΓΡΑΦΗ ΟΡΟΥ" on basic 2, confirmed: the others are renumbered 1, 2, 3.
    dialogs_->answerYes();
    QVERIFY(
        withEditor([&] { clickCell(sgrd, 3, 0); }, [](TEpilogesDlg& editor) { editor.BtnDeleteClick(); }));
    QCOMPARE(dialogs_->shown.last().caption, QStringLiteral("ΠΡΟΕΙΔΟΠΟΙΗΣΗ"));
    QCOMPARE(dialogs_->shown.last().text, QStringLiteral("Θα διαγράψω τη βασική 2. Να προχωρήσω;"));
    QCOMPARE(sgrd->model()->columnCount(), 5);
    QCOMPARE((QStringList{cellText(sgrd, 2, 0), cellText(sgrd, 3, 0), cellText(sgrd, 4, 0)}),
             (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
    QCOMPARE(cellText(sgrd, 3, 5), QStringLiteral("2"));  // the former basic 3
    QCOMPARE(sgrd->currentColumn(), 3);

    // Declined: the basic keeps what the editor wrote, and its bounds (the empty fields are not written).
    dialogs_->answerNo();
    QVERIFY(
        withEditor([&] { clickCell(sgrd, 2, 1); }, [](TEpilogesDlg& editor) { editor.BtnDeleteClick(); }));
    QCOMPARE(sgrd->model()->columnCount(), 5);
    QCOMPARE(cellText(sgrd, 2, 1), QString());
    QCOMPARE(cellText(sgrd, 2, 5), QStringLiteral("1"));

    // "&ΚΑΘΑΡΙΣΜΟΣ": No keeps everything, Yes leaves one empty basic and a fresh group table.
    game().BtnOmadesClick();
    QVERIFY(ctx_->groups.dataRows() >= 1);
    dialogs_->answerNo();
    QTest::mouseClick(pushButton(&game(), "BtnKatharismos"), Qt::LeftButton);
    QCOMPARE(sgrd->model()->columnCount(), 5);
    dialogs_->answerYes();
    QTest::mouseClick(pushButton(&game(), "BtnKatharismos"), Qt::LeftButton);
    QCOMPARE(dialogs_->shown.last().text,
             QStringLiteral("Θα διαγραφούν όλες οι βασικές που έχετε πληκτρολογήσει.Να προχωρήσω;"));
    QCOMPARE(sgrd->model()->columnCount(), 3);
    QCOMPARE(cellText(sgrd, 2, 7), QStringLiteral("0"));
    QCOMPARE(cellText(sgrd, 2, 5), QString());
    QCOMPARE(rows(ctx_->groups), (std::vector<std::vector<std::string>>{{"", "", "", "", ""}}));
    QCOMPARE(cellText(ctx_->omadesDlg->grid(), 0, 1), QString());

    // The "+" key does nothing while the last basic is empty.
    sgrd->setFocus();
    QVERIFY(!withEditor([&] { QTest::keyClick(sgrd, Qt::Key_Plus); }, [](TEpilogesDlg&) {}));
    QCOMPARE(sgrd->model()->columnCount(), 3);
}

void TestGameWindows::rightClickDoesNothingBeforeTheEditorWasFilled() {
    startGame("ΣΚΟΡ 4", {{1, 2}, {1, 2}, {1, 2}, {1, 2}}, {{1, 1}, {2, 2}}, QStringLiteral("1"),
              QStringLiteral("2"));
    CellGrid* sgrd = game().grid();
    QVERIFY(withEditor([&] { clickCell(sgrd, 2, 2, Qt::RightButton); },
                       [](TEpilogesDlg& editor) {
                           QCOMPARE(editor.windowTitle(), QStringLiteral("ΔΙΟΡΘΩΣΗ ΒΑΣΙΚΗΣ 1"));
                           QCOMPARE(editor.model().raceTexts()[0], std::string("1"));
                           editor.BtnCancelClick();
                       }));

    // Horse 3 joins every race while the game window is open: the basics stay, the horses change.
    clickCell(newGame().horseGrid(), 3, 0);
    QVERIFY(!withEditor([&] { newGame().BtnPaixnidiClick(); }, [](TEpilogesDlg&) {}));
    QCOMPARE(cellText(sgrd, 1, 1), QStringLiteral("1,2,3"));
    QCOMPARE(cellText(sgrd, 2, 1), QStringLiteral("1"));
    QCOMPARE(cellText(sgrd, 2, 6), QStringLiteral("2"));
    QCOMPARE(game().sumTo()->text(), QStringLiteral("12"));

    // The editor was filled for two horses: the right click does nothing until a left click refills it.
    QVERIFY(!withEditor([&] { clickCell(sgrd, 2, 1, Qt::RightButton); }, [](TEpilogesDlg&) {}));
    QVERIFY(!withEditor([&] { clickCell(sgrd, 2, 6); }, [](TEpilogesDlg&) {}));  // the bounds' rows
    QVERIFY(!withEditor([&] { clickCell(sgrd, 1, 1); }, [](TEpilogesDlg&) {}));  // the horses column
    QVERIFY(
        withEditor([&] { clickCell(sgrd, 2, 1); }, [](TEpilogesDlg& editor) { editor.BtnCancelClick(); }));
    QVERIFY(withEditor([&] { clickCell(sgrd, 2, 1, Qt::RightButton); },
                       [](TEpilogesDlg& editor) { editor.BtnCancelClick(); }));
}

void TestGameWindows::groupDialogsTypingEnterAndConversionError() {
    startGame("ΣΚΟΡ 4", {{1, 2}, {1, 2}, {1, 2}, {1, 2}}, {{1, 1}}, QStringLiteral("1"), QStringLiteral("1"));
    game().BtnOmadesClick();
    TOmadesDlg* dialog = ctx_->omadesDlg;
    LimitGrid* grid = dialog->grid();
    dialog->activateWindow();
    grid->setFocus();

    // Enter walks "ΑΠΟ", "ΕΩΣ", "ΥΠΕΡ" and back to "ΑΠΟ" of the same (last) row; letters do nothing.
    grid->selectCell(GroupTable::kFromColumn, 1);
    QTest::keyClick(grid, Qt::Key_A);
    QCOMPARE(cellEditor(grid), nullptr);
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(grid->currentColumn(), GroupTable::kToColumn);
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(grid->currentColumn(), GroupTable::kSuperGroupColumn);
    // "ΥΠΕΡ" takes 0..255 only.
    QTest::keyClicks(grid, QStringLiteral("3"));
    QLineEdit* typing = cellEditor(grid);
    QVERIFY(typing);
    QTest::keyClicks(typing, QStringLiteral("00"));
    QCOMPARE(typing->text(), QStringLiteral("30"));
    QTest::keyClick(typing, Qt::Key_Return);
    QCOMPARE(ctx_->groups.cell(GroupTable::kSuperGroupColumn, 1), std::string("30"));
    QCOMPARE(grid->currentColumn(), GroupTable::kFromColumn);
    QCOMPARE(grid->currentRow(), 1);
    QVERIFY(!(grid->model()->flags(grid->model()->index(1, 1)) & Qt::ItemIsEditable));

    // "&ΥΠΕΡΟΜΑΔΕΣ" shows the super-groups.
    QTest::mouseClick(pushButton(dialog, "BtnYperomades"), Qt::LeftButton);
    TYPEOmadesDlg* super = ctx_->ypeOmadesDlg;
    QVERIFY(super && super->isVisible());
    QCOMPARE(super->windowTitle(), QStringLiteral("ΟΡΙΑ ΥΠΕΡΟΜΑΔΩΝ"));
    using Rows = std::vector<std::vector<std::string>>;
    QCOMPARE(rows(ctx_->superGroups), (Rows{{"30", "1", "1", "1"}}));
    QCOMPARE(cellText(super->grid(), 1, 0), QStringLiteral("ΟΜΑΔΕΣ"));

    // An empty "ΥΠΕΡ": "&OK" shows the conversion error and leaves both dialogs open.
    grid->model()->setData(grid->model()->index(1, GroupTable::kSuperGroupColumn), QString());
    QTest::mouseClick(pushButton(dialog, "BtnOK"), Qt::LeftButton);
    QCOMPARE(dialogs_->messages().last(), QStringLiteral("'' is not a valid integer value"));
    QVERIFY(dialog->isVisible());
    QVERIFY(super->isVisible());

    // Closed with the cell still empty, "&ΟΜΑΔΕΣ" still opens the dialog so that it can be mended.
    dialog->hide();
    super->hide();
    game().BtnOmadesClick();
    QCOMPARE(dialogs_->messages().last(), QStringLiteral("'' is not a valid integer value"));
    QVERIFY(dialog->isVisible());
    grid->model()->setData(grid->model()->index(1, GroupTable::kSuperGroupColumn), QStringLiteral("0"));
    QTest::mouseClick(pushButton(dialog, "BtnOK"), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QVERIFY(!super->isVisible());
    QCOMPARE(rows(ctx_->superGroups), (Rows{{"0", "1", "1", "1"}}));

    setProgramDir(QStringLiteral(QUINTARO_HELP_DIR "/.."));
    dialog->BtnHelpClick();
    QCOMPARE(HelpWindow::existing()->context(), 9);
    setProgramDir({});
}

void TestGameWindows::countingCanBeStoppedAndKeepsNoColumns() {
    choose("ΣΚΟΡ 9");
    for (int horse = 1; horse <= 20; ++horse) {
        clickCell(newGame().horseGrid(), horse, 0);
    }
    QVERIFY(withEditor([&] { newGame().BtnPaixnidiClick(); },
                       [](TEpilogesDlg& editor) { editor.BtnCancelClick(); }));
    QCOMPARE(game().informationLine(), QStringLiteral("ΣΚΟΡ 9   ΠΛΗΡΕΣ : 512000000000"));

    // More basics than counting by states takes: every one of the 512 000 000 000 columns is walked. The
    // progress dialog shows the columns found so far, then is stopped.
    SelectionTable& table = ctx_->selection;
    table.setBasicCount(counting::kMaxStateBasics + 1);
    for (int column = SelectionTable::kFirstBasicColumn; column < table.columnCount(); ++column) {
        table.setCell(column, 1, "1,2");
        table.setCell(column, table.fromRow(), "0");
        table.setCell(column, table.toRow(), "9");
        table.setCell(column, table.groupRow(), "0");
    }
    QString progressText;
    int barValue = -1;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto* progress = qobject_cast<CountingProgressDlg*>(QApplication::activeModalWidget());
        if (!progress) {
            return;
        }
        progressText = progress->label()->text();
        barValue = progress->bar()->value();
        QTest::mouseClick(progress->stopButton(), Qt::LeftButton);
        poll.stop();
    });
    poll.start(50);
    QTest::mouseClick(pushButton(&game(), "BtnMetra"), Qt::LeftButton);
    QVERIFY2(progressText.startsWith(QStringLiteral("Έχουν βρεθεί ")), qPrintable(progressText));
    QVERIFY(progressText.endsWith(QStringLiteral(" στήλες.")));
    QVERIFY(barValue >= 0);
    QCOMPARE(dialogs_->messages().last(), QStringLiteral("Το μέτρημα διακόπηκε. Δεν κρατήθηκε καμία στήλη."));
    QVERIFY(ctx_->game.Sthles.empty());
    QCOMPARE(game().found(), std::uint64_t(0));
    QCOMPARE(game().label6()->text(), QStringLiteral("Βρέθηκαν 0 στήλες."));
    QCOMPARE(game().informationLine(), QStringLiteral("ΣΚΟΡ 9   ΠΛΗΡΕΣ : 512000000000"));
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void TestGameWindows::aTwentyHorseNineRaceGameIsCountedInSeconds() {
    choose("ΣΚΟΡ 9");
    for (int horse = 1; horse <= 20; ++horse) {
        clickCell(newGame().horseGrid(), horse, 0);
    }
    QVERIFY(withEditor([&] { newGame().BtnPaixnidiClick(); },
                       [](TEpilogesDlg& editor) { editor.BtnCancelClick(); }));
    // The benchmark game of 6 basics in 2 groups and a super-group that needs both, as loading sets it.
    const LoadedGame loaded =
        tablesFromGameFile(readGameFile(QUINTARO_BENCH_GAMES_DIR "/skor9_twenty.sk9", 9), "ΣΚΟΡ 9");
    ctx_->selection = loaded.selection;
    ctx_->groups = loaded.groups;
    ctx_->superGroups = loaded.superGroups;
    game().sumFrom()->setText(qs(loaded.leastSum));
    game().sumTo()->setText(qs(loaded.greatestSum));

    QTest::mouseClick(pushButton(&game(), "BtnMetra"), Qt::LeftButton);
    QCOMPARE(game().found(), std::uint64_t(60247560386));
    QCOMPARE(game().candidates(), std::uint64_t(512000000000));
    QCOMPARE(ctx_->game.Sthles.size(), std::int64_t(60247560386));
    QCOMPARE(ctx_->game.Sthles.stored(), ColumnList::kDefaultStoredLimit);
    QCOMPARE(ctx_->game.Sthles.horses(0).size(), std::size_t(9));
    QCOMPARE(game().label6()->text(), QStringLiteral("Βρέθηκαν 60247560386 στήλες."));
    QVERIFY2(game().informationLine().startsWith(
                 QStringLiteral("ΣΚΟΡ 9   ΠΛΗΡΕΣ : 512000000000     ΜΕΤΡΗΣΑ : 60247560386      ΚΟΣΤΟΣ :")),
             qPrintable(game().informationLine()));
    QVERIFY(dialogs_->messages().last().endsWith(QStringLiteral(" δευτερόλεπτα ")));
}

void TestGameWindows::choosingAnotherGameResetsTheWindow() {
    startGame("ΤΡΙΚΑΣΤ", {{1, 2, 3}, {1, 2, 3}, {1, 2, 3}}, {{1, 1}}, QStringLiteral("1"),
              QStringLiteral("1"));
    QCOMPARE(cellText(game().grid(), 0, 0), QStringLiteral("ΘΕΣΕΙΣ"));
    QCOMPARE(cellText(newGame().horseGrid(), 0, 0), QStringLiteral("ΘΕΣΕΙΣ"));
    QCOMPARE(newGame().helpContext(), 6);
    // A places game keeps its name in the information line until it is counted.
    QCOMPARE(game().informationLine(), QStringLiteral("ΤΡΙΚΑΣΤ"));
    for (int race = 1; race <= 9; ++race) {
        QCOMPARE(game().racePictureLabel(race)->isVisibleTo(&game()), race <= 3);
    }
    game().BtnMetraClick();
    QCOMPARE(game().found(), std::uint64_t(2));  // horse 1 first, then 2 or 3 second and the other third
    QVERIFY(game().informationLine().startsWith(QStringLiteral("ΤΡΙΚΑΣΤ   ΠΛΗΡΕΣ : 6     ΜΕΤΡΗΣΑ : 2")));

    choose("ΣΚΟΡ 4");
    for (int race = 1; race <= 9; ++race) {
        QCOMPARE(game().racePictureLabel(race)->isVisibleTo(&game()), race <= 4);
    }
    QCOMPARE(game().informationLine(), QStringLiteral("ΣΚΟΡ 4"));
    QCOMPARE(game().grid()->model()->rowCount(), 8);
    QCOMPARE(game().grid()->model()->columnCount(), 3);
    QCOMPARE(cellText(game().grid(), 2, 7), QStringLiteral("0"));
    QCOMPARE(ctx_->groups.dataRows(), 1);
    QCOMPARE(newGame().horseGrid()->model()->rowCount(), 5);
    QVERIFY(!newGame().marks().marked(1, 1));
    QCOMPARE(main_->windowTitle(), QStringLiteral("ΒΕΛΤΡΑΝΟ   -   ΣΚΟΡ 4"));
    // The counted columns of the old game stay until the next counting.
    QCOMPARE(ctx_->game.Sthles.size(), std::int64_t(2));
}

void TestGameWindows::returnAsksBeforeHiding() {
    startGame("ΣΚΟΡ 4", {{1}, {1}, {1}, {1}}, {{1, 1}}, QStringLiteral("1"), QStringLiteral("1"));
    game().BtnMetraClick();
    QCOMPARE(game().label6()->text(), QStringLiteral("Βρέθηκαν 1 στήλες."));
    dialogs_->answerNo();
    QTest::mouseClick(pushButton(&game(), "BtnEpistrofi"), Qt::LeftButton);
    QCOMPARE(dialogs_->shown.last().caption, QStringLiteral("ΕΠΙΒΕΒΑΙΩΣΗ"));
    QCOMPARE(dialogs_->shown.last().text,
             QStringLiteral("Θα χάσετε τις βασικές αν δεν έχετε αποθηκεύσει το παιχνίδι!Να προχωρήσω;"));
    QVERIFY(game().isVisible());
    dialogs_->answerYes();
    QTest::mouseClick(pushButton(&game(), "BtnEpistrofi"), Qt::LeftButton);
    QVERIFY(!game().isVisible());

    // Shown again by the next game, with the counting labels emptied and the basics afresh.
    QVERIFY(withEditor([&] { newGame().BtnPaixnidiClick(); },
                       [](TEpilogesDlg& editor) { editor.BtnCancelClick(); }));
    QVERIFY(game().isVisible());
    QCOMPARE(game().label6()->text(), QString());
    QCOMPARE(cellText(game().grid(), 2, 1), QString());

    // Every command of the window is there and enabled.
    for (const char* name : {"BtnStiles", "BtnDialogh", "BtnDeltia", "BtnEktyposh", "BtnApothikeysh"}) {
        QVERIFY(pushButton(&game(), name));
        QVERIFY(pushButton(&game(), name)->isEnabled());
    }
    QCOMPARE(pushButton(&game(), "BtnMetra")->toolTip(), QStringLiteral("ΜΕΤΡΗΜΑ ΣΤΗΛΩΝ"));
    setProgramDir(QStringLiteral(QUINTARO_HELP_DIR "/.."));
    QTest::mouseClick(pushButton(&game(), "BtnHelp"), Qt::LeftButton);
    QCOMPARE(HelpWindow::existing()->context(), 7);
    setProgramDir({});
}

QTEST_MAIN(TestGameWindows)
#include "tst_game_windows.moc"
