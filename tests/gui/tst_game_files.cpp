// Saving and loading games through the real windows: the game window's "&ΑΠΟΘΗΚΕΥΣΗ", the new-game dialog's
// "&ΦΟΡΤΩΜΑ" (also after a restart of the program), the files that loading refuses, the saves that fail, and
// the deletion of saved files from the main menu.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "core/game/game_file.h"
#include "core/settings/memory_settings.h"
#include "gui/app_context.h"
#include "gui/game/cell_grid.h"
#include "gui/game/epiloges_dlg.h"
#include "gui/game/limit_grid.h"
#include "gui/game/new_diag_dlg.h"
#include "gui/game/omades_dlg.h"
#include "gui/game/paixnidi_frm.h"
#include "gui/platform/app_paths.h"
#include "gui/platform/qt_text.h"
#include "gui/shell/main_frm.h"
#include "gui/shell/paixn_type_dlg.h"
#include "support/game_driving.h"
#include "support/modal_driver.h"
#include "support/scripted_dialogs.h"

using namespace quintaro;
using namespace quintaro::gui;
using test::clickCell;
using test::pushButton;

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A basic as the editor enters it: cells clicked (editor column = position among the distinct horses, row =
// race; row 0 is a horse's header), bounds and group.
struct EnteredBasic {
    std::vector<std::pair<int, int>> clicks;
    QString from;
    QString to;
    QString group;
};

struct GameRecipe {
    std::string_view game;
    std::vector<std::vector<int>> races;
    std::vector<EnteredBasic> basics;
    MeetingData meeting;
};

// Everything a game shows in the new-game dialog, the game window and the group dialogs.
struct Snapshot {
    SelectionTable selection;
    aTAloga horses;
    std::vector<std::string> distinct;
    GroupTable groups;
    SuperGroupTable superGroups;
    QString leastSum, greatestSum, informationLine;
    MeetingData meeting;
    std::vector<std::vector<int>> marked;
    std::vector<int> widths;
};

}  // namespace

class TestGameFiles : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void skor4GameSurvivesSaveRestartAndLoad();
    void trikastGameSurvivesSaveAndLoad();
    void refusedFilesChangeNothing();
    void raceWithoutHorsesStopsAfterTheReset();
    void fileWithoutBasicsOpensBasic1WithItsSums();
    void failedSaveNamesFileAndCauseAndKeepsTheOldFile();
    void raceCellsThatWouldBeCutAreAskedAbout();
    void deletionFromTheMenuRemovesExactlyTheListedFile();

private:
    void startProgram();
    void stopProgram();
    TNewDiagDlg& newGame() { return *ctx_->newDiagDlg; }
    TPaixnidiFrm& game() { return *ctx_->paixnidiFrm; }
    QString qnt(const QString& name = {}) const {
        return QDir(programPath(QStringLiteral("Qnt"))).filePath(name);
    }

    bool withEditor(const std::function<void()>& action, const std::function<void(TEpilogesDlg&)>& script) {
        return test::withEditor(*ctx_, action, script);
    }
    void play(const GameRecipe& draft);
    void save(const QString& path);
    void load(const QString& path);
    Snapshot snapshot();
    void expectSame(const Snapshot& a, const Snapshot& b);
    void roundTrip(const GameRecipe& draft, bool restart);

    QTemporaryDir root_;
    std::unique_ptr<MemorySettings> store_;
    std::unique_ptr<AppContext> ctx_;
    std::unique_ptr<TMainFrm> main_;
    std::unique_ptr<test::ScriptedDialogs> dialogs_;
};

void TestGameFiles::init() {
    // A program folder that does not exist yet: saving creates "Qnt" with its parents.
    setProgramDir(
        QDir(root_.path())
            .filePath(QStringLiteral("%1/program").arg(QLatin1String(QTest::currentTestFunction()))));
    dialogs_ = std::make_unique<test::ScriptedDialogs>();
    startProgram();
}

void TestGameFiles::cleanup() {
    QVERIFY2(dialogs_->unexpected.isEmpty(), qPrintable(dialogs_->unexpected.join(QStringLiteral("; "))));
    stopProgram();
    dialogs_.reset();
    setProgramDir({});
}

void TestGameFiles::startProgram() {
    store_ = std::make_unique<MemorySettings>();
    store_->writeFlag(settings::kGeneralKey, settings::kTipsSection, settings::kShowTips, false);
    ctx_ = std::make_unique<AppContext>(*store_);
    main_ = std::make_unique<TMainFrm>(*ctx_);
    ctx_->mainFrm = main_.get();
    main_->show();
}

void TestGameFiles::stopProgram() {
    main_.reset();
    ctx_.reset();
    store_.reset();
}

void TestGameFiles::play(const GameRecipe& draft) {
    main_->gameAction(draft.game)->trigger();
    for (std::size_t r = 0; r < draft.races.size(); ++r) {
        for (int horse : draft.races[r]) {
            clickCell(newGame().horseGrid(), horse, static_cast<int>(r) + 1);
        }
    }
    newGame().meetingBox()->setCurrentText(qs(draft.meeting.meeting));
    newGame().raceDayField()->setText(qs(draft.meeting.raceDay));
    newGame().dateField()->setText(qs(draft.meeting.date));
    newGame().commentField()->setText(qs(draft.meeting.comment));
    for (std::size_t b = 0; b < draft.basics.size(); ++b) {
        const EnteredBasic& basic = draft.basics[b];
        const bool opened = withEditor(
            [&] {
                QTest::mouseClick(
                    b == 0 ? pushButton(&newGame(), "BtnPaixnidi") : pushButton(&game(), "BtnPlus"),
                    Qt::LeftButton);
            },
            [&](TEpilogesDlg& editor) {
                for (const auto& [column, race] : basic.clicks) {
                    clickCell(editor.grid(), column, race);
                }
                editor.fromField()->setText(basic.from);
                editor.toField()->setText(basic.to);
                editor.groupField()->setText(basic.group);
                editor.BtnOKClick();
            });
        QVERIFY(opened);
    }
    QVERIFY(game().isVisible());
}

void TestGameFiles::save(const QString& path) {
    dialogs_->answerFile(path);
    QTest::mouseClick(pushButton(&game(), "BtnApothikeysh"), Qt::LeftButton);
}

void TestGameFiles::load(const QString& path) {
    dialogs_->answerFile(path);
    QTest::mouseClick(pushButton(&newGame(), "BtnFortoma"), Qt::LeftButton);
}

Snapshot TestGameFiles::snapshot() {
    Snapshot s;
    s.selection = ctx_->selection;
    s.horses = ctx_->game.Aloga;
    s.distinct = ctx_->game.DiakritaAloga;
    s.groups = ctx_->groups;
    s.superGroups = ctx_->superGroups;
    s.leastSum = game().sumFrom()->text();
    s.greatestSum = game().sumTo()->text();
    s.informationLine = game().informationLine();
    s.meeting = newGame().meetingData();
    for (int race = 1; race <= newGame().marks().races(); ++race) {
        std::vector<int> horses;
        for (int horse = 1; horse <= kMaxHorse; ++horse) {
            if (newGame().marks().marked(race, horse)) {
                horses.push_back(horse);
            }
        }
        s.marked.push_back(horses);
    }
    for (int c = 0; c < ctx_->selection.columnCount(); ++c) {
        s.widths.push_back(game().grid()->columnWidth(c));
    }
    return s;
}

void TestGameFiles::expectSame(const Snapshot& a, const Snapshot& b) {
    QVERIFY(a.selection == b.selection);
    QVERIFY(a.horses == b.horses);
    QVERIFY(a.distinct == b.distinct);
    QVERIFY(a.groups == b.groups);
    QVERIFY(a.superGroups == b.superGroups);
    QCOMPARE(a.leastSum, b.leastSum);
    QCOMPARE(a.greatestSum, b.greatestSum);
    QCOMPARE(a.informationLine, b.informationLine);
    QVERIFY(a.meeting == b.meeting);
    QVERIFY(a.marked == b.marked);
    QVERIFY(a.widths == b.widths);
}

void TestGameFiles::roundTrip(const GameRecipe& draft, bool restart) {
    play(draft);
    if (QTest::currentTestFailed()) {
        return;
    }
    // Limits of the user's own: group 2 may miss one basic and belongs to super-group 1.
    if (ctx_->selection.basicCount() > 2) {
        game().BtnOmadesClick();
        LimitGrid* groups = ctx_->omadesDlg->grid();
        groups->model()->setData(groups->model()->index(2, GroupTable::kFromColumn), QStringLiteral("1"));
        groups->model()->setData(groups->model()->index(2, GroupTable::kSuperGroupColumn),
                                 QStringLiteral("1"));
        QTest::mouseClick(pushButton(ctx_->omadesDlg, "BtnOK"), Qt::LeftButton);
        QCOMPARE(ctx_->superGroups.dataRows(), 2);
    }
    QTest::mouseClick(pushButton(&game(), "BtnMetra"), Qt::LeftButton);
    game().sumFrom()->setText(QString::number(game().sumFrom()->text().toInt() + 1));

    const QString ext = draft.game == "ΤΡΙΚΑΣΤ" ? QStringLiteral("tri") : QStringLiteral("sk4");
    dialogs_->shown.clear();
    save(qnt(QStringLiteral("game.") + ext));
    QCOMPARE(dialogs_->shown.size(), 1);
    const FileDialogOptions& asked = dialogs_->shown.first().file;
    QCOMPARE(dialogs_->shown.first().type, QStringLiteral("save"));
    QCOMPARE(asked.filter, draft.game == "ΤΡΙΚΑΣΤ" ? QStringLiteral("Αρχεία ΤRICAST|*.tri")
                                                   : QStringLiteral("Αρχεία ΣΚΟΡ 4|*.sk4"));
    QCOMPARE(asked.defaultSuffix, ext);
    QCOMPARE(asked.directory, qnt());
    QVERIFY(asked.confirmOverwrite);
    QCOMPARE(asked.proposedName, QString());
    QVERIFY(QFile::exists(qnt(QStringLiteral("game.") + ext)));
    const std::size_t races = draft.races.size();
    const auto basics = static_cast<std::size_t>(ctx_->selection.basicCount());
    QCOMPARE(QFileInfo(qnt(QStringLiteral("game.") + ext)).size(),
             qint64(178 + 24 * races + 382 * basics + 10 * static_cast<std::size_t>(ctx_->groups.dataRows()) +
                    8 * static_cast<std::size_t>(ctx_->superGroups.dataRows())));
    const Snapshot saved = snapshot();  // saving rebuilt the group table first

    if (restart) {
        stopProgram();
        startProgram();
    }
    main_->gameAction(draft.game)->trigger();
    dialogs_->shown.clear();
    QVERIFY(!withEditor([&] { load(qnt(QStringLiteral("game.") + ext)); }, [](TEpilogesDlg&) {}));
    QCOMPARE(dialogs_->shown.first().type, QStringLiteral("open"));
    QCOMPARE(dialogs_->shown.first().file.filter, draft.game == "ΤΡΙΚΑΣΤ"
                                                      ? QStringLiteral("Αρχεία TRIKAST|*.tri")
                                                      : QStringLiteral("Αρχεία ΣΚΟΡ 4|*.sk4"));
    QCOMPARE(dialogs_->shown.first().file.directory, qnt());
    QCOMPARE(dialogs_->shown.size(), 1);
    QVERIFY(game().isVisible());
    QVERIFY(newGame().isVisible());
    expectSame(snapshot(), saved);
    QCOMPARE(ctx_->omadesDlg->isVisible(), false);
    QCOMPARE(ctx_->omadesDlg->grid()->model()->index(1, GroupTable::kNumberColumn).data().toString(),
             qs(saved.groups.cell(GroupTable::kNumberColumn, 1)));

    // The next save offers the name of the file just loaded.
    dialogs_->shown.clear();
    save({});
    QCOMPARE(dialogs_->shown.first().file.proposedName, QStringLiteral("game.") + ext);
}

void TestGameFiles::skor4GameSurvivesSaveRestartAndLoad() {
    roundTrip({"ΣΚΟΡ 4",
               {{1, 2, 3}, {1, 2, 5}, {3, 4}, {1, 7}},
               {{{{1, 0}}, QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("0")},
                {{{2, 1}, {5, 2}, {4, 3}}, QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("2")},
                {{{3, 1}, {6, 4}}, QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")}},
               {"7", "12/03/2024", "Κυριακή βράδυ", "ΣΥ2"}},
              true);
}

void TestGameFiles::trikastGameSurvivesSaveAndLoad() {
    // All twenty horses at the first place: 50 characters, which a place keeps whole.
    std::vector<std::pair<int, int>> allTwenty;
    for (int horse = 1; horse <= 20; ++horse) {
        allTwenty.emplace_back(horse, 1);
    }
    roundTrip({"ΤΡΙΚΑΣΤ",
               {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}, {1, 2, 3}, {4, 5}},
               {{allTwenty, QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0")},
                {{{2, 2}, {5, 3}}, QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}},
               {"", "", "", "ΣΥ1"}},
              false);
    QCOMPARE(ctx_->selection.cell(2, 1), std::string("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20"));
}

void TestGameFiles::refusedFilesChangeNothing() {
    play({"ΣΚΟΡ 4",
          {{1, 2}, {1, 2}, {1, 2}, {1, 2}},
          {{{{1, 1}, {2, 2}}, QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("0")}},
          {"3", "01/01/2024", "πρώτο", "ΣΥ1"}});
    save(qnt(QStringLiteral("good.sk4")));
    const QByteArray good = contents(qnt(QStringLiteral("good.sk4")));
    QVERIFY(!good.isEmpty());
    // Another game on the screens: its horses, basics, sums and meeting data must survive every refusal.
    game().sumTo()->setText(QStringLiteral("99"));
    newGame().commentField()->setText(QStringLiteral("τρέχον"));
    game().BtnOmadesClick();
    const Snapshot before = snapshot();

    QByteArray count21 = good;
    count21[178 + 24 + 20] = 21;
    QByteArray shorter = good;
    shorter.chop(1);
    writeBytes(qnt(QStringLiteral("count21.sk4")), count21);
    writeBytes(qnt(QStringLiteral("short.sk4")), shorter);
    const QString damaged = QStringLiteral("Σφάλμα! Το αρχείο πιθανόν είναι κατεστραμμένο.");
    const struct {
        QString path;
        QString message;
    } cases[] = {
        {qnt(QStringLiteral("count21.sk4")), damaged},
        {qnt(QStringLiteral("short.sk4")), damaged},
        {QStringLiteral(QUINTARO_FIXTURES_DIR "/games/truncated.sk4"), damaged},
        {QStringLiteral(QUINTARO_FIXTURES_DIR "/games/trikast.tri"), damaged},  // 3 places, not 4 races
        {qnt(QStringLiteral("missing.sk4")),
         QStringLiteral("Αδύνατη η ανάγνωση του αρχείου ") +
             QDir::toNativeSeparators(qnt(QStringLiteral("missing.sk4")))},
    };
    for (const auto& c : cases) {
        dialogs_->shown.clear();
        QVERIFY2(!withEditor([&] { load(c.path); }, [](TEpilogesDlg&) {}), qPrintable(c.path));
        QCOMPARE(dialogs_->messages(), QStringList{c.message});
        QVERIFY(dialogs_->shown.last().kind == MessageKind::Error);
        expectSame(snapshot(), before);
        QVERIFY(game().isVisible());
        QVERIFY(ctx_->omadesDlg->isVisible());
        QCOMPARE(newGame().lastOpenedFile(), QString());
    }
}

void TestGameFiles::raceWithoutHorsesStopsAfterTheReset() {
    play({"ΣΚΟΡ 4",
          {{1, 2}, {1, 2}, {1, 2}, {1, 2}},
          {{{{1, 1}}, QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0")}},
          {"", "", "", "ΣΥ1"}});
    GameFile file;
    file.races = 4;
    file.meeting = {"5", "02/02/2024", "χωρίς άλογα", "ΣΥ2"};
    file.horses = {makeRace({3, 4}), TAlogo{}, makeRace({1}), makeRace({2})};
    file.basics = {{"1", "1", "0", {"3", "", "", ""}}};
    ensureFolder(qnt());
    writeGameFile(us(qnt(QStringLiteral("empty_race.sk4"))), file);
    const aTAloga horses = ctx_->game.Aloga;

    load(qnt(QStringLiteral("empty_race.sk4")));
    QCOMPARE(dialogs_->messages().last(), QStringLiteral("Παρακαλώ επιλέξτε άλογα για όλες τις κούρσες."));
    // The meeting data and the marks are the file's; the game window has been reset; the horses stay.
    QVERIFY(newGame().meetingData() == file.meeting);
    QVERIFY(newGame().marks().marked(1, 3));
    QVERIFY(!newGame().marks().marked(1, 1));
    QVERIFY(!newGame().marks().marked(2, 1));
    QCOMPARE(ctx_->selection.columnCount(), 3);
    QCOMPARE(ctx_->selection.cell(2, 1), std::string());
    QCOMPARE(game().informationLine(), QStringLiteral("ΣΚΟΡ 4"));
    QVERIFY(ctx_->game.Aloga == horses);
}

void TestGameFiles::fileWithoutBasicsOpensBasic1WithItsSums() {
    main_->gameAction("ΣΚΟΡ 6")->trigger();
    GameFile file;
    file.races = 6;
    file.meeting = {"1", "", "", "ΣΥ1"};
    file.leastSum = 7;
    file.greatestSum = 30;
    file.informationLine = "ΣΚΟΡ 6   ΠΛΗΡΕΣ : 64";
    for (int race = 1; race <= 6; ++race) {
        file.horses.push_back(makeRace({race, race + 1}));
    }
    ensureFolder(qnt());
    writeGameFile(us(qnt(QStringLiteral("bare.sk6"))), file);

    QString caption;
    QVERIFY(withEditor([&] { load(qnt(QStringLiteral("bare.sk6"))); },
                       [&](TEpilogesDlg& editor) {
                           caption = editor.windowTitle();
                           editor.BtnCancelClick();
                       }));
    QCOMPARE(caption, QStringLiteral("ΕΙΣΑΓΩΓΗ ΝΕΑΣ ΒΑΣΙΚΗΣ 1"));
    QCOMPARE(ctx_->selection.columnCount(), 3);
    QCOMPARE(ctx_->selection.cell(2, 0), std::string("1"));
    QCOMPARE(ctx_->selection.cell(2, ctx_->selection.groupRow()), std::string("0"));
    QCOMPARE(game().grid()->columnWidth(2), 30);
    // The stored sums, not the ones the horses give (21 and 27).
    QCOMPARE(game().sumFrom()->text(), QStringLiteral("7"));
    QCOMPARE(game().sumTo()->text(), QStringLiteral("30"));
    QCOMPARE(game().informationLine(), QStringLiteral("ΣΚΟΡ 6   ΠΛΗΡΕΣ : 64"));
    QCOMPARE(ctx_->selection.cell(1, 6), std::string("6,7"));
    QVERIFY(dialogs_->messages().isEmpty());
}

void TestGameFiles::failedSaveNamesFileAndCauseAndKeepsTheOldFile() {
    play({"ΣΚΟΡ 4",
          {{1, 2}, {1, 2}, {1, 2}, {1, 2}},
          {{{{1, 1}}, QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0")}},
          {"", "", "", "ΣΥ1"}});
    const QString kept = qnt(QStringLiteral("kept.sk4"));
    save(kept);
    const QByteArray before = contents(kept);
    QVERIFY(!before.isEmpty());
    QVERIFY(dialogs_->messages().isEmpty());

    const struct {
        std::function<void()> spoil;
        QString cause;
    } cases[] = {
        {[&] { game().sumFrom()->setText(QStringLiteral("x")); },
         QStringLiteral("'x' is not a valid integer value")},
        {[&] {
             game().sumFrom()->setText(QStringLiteral("4"));
             ctx_->groups.setCell(GroupTable::kToColumn, 1, "");
         },
         QStringLiteral("'' is not a valid integer value")},
        {[&] {
             ctx_->groups.setCell(GroupTable::kToColumn, 1, "1");
             game().sumTo()->setText(QStringLiteral("70000"));
         },
         QStringLiteral("70000")},
    };
    for (const auto& c : cases) {
        c.spoil();
        dialogs_->shown.clear();
        save(kept);
        QCOMPARE(dialogs_->messages().size(), 1);
        const QString message = dialogs_->messages().first();
        QVERIFY2(message.startsWith(QStringLiteral("Σφάλμα! Το παιχνίδι δεν αποθηκεύτηκε στο αρχείο\n") +
                                    QDir::toNativeSeparators(kept)),
                 qPrintable(message));
        QVERIFY2(message.contains(c.cause), qPrintable(message));
        QVERIFY(message.endsWith(QStringLiteral("Το αρχείο που υπήρχε με αυτό το όνομα έμεινε όπως ήταν.")));
        QCOMPARE(contents(kept), before);
    }
    game().sumTo()->setText(QStringLiteral("8"));

    // A name taken by a folder: the file system's refusal is reported, and no stray file is left behind.
    QVERIFY(QDir().mkpath(qnt(QStringLiteral("folder.sk4/inside"))));
    dialogs_->shown.clear();
    save(qnt(QStringLiteral("folder.sk4")));
    QCOMPARE(dialogs_->messages().size(), 1);
    QVERIFY(
        dialogs_->messages().first().contains(QDir::toNativeSeparators(qnt(QStringLiteral("folder.sk4")))));
    QCOMPARE(QDir(qnt()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
             (QStringList{QStringLiteral("folder.sk4"), QStringLiteral("kept.sk4")}));

    // A "ΥΠΕΡ" cell that is no number stops the rebuild of the groups: its message, and no save dialog.
    ctx_->groups.setCell(GroupTable::kSuperGroupColumn, 1, "");
    dialogs_->shown.clear();
    QTest::mouseClick(pushButton(&game(), "BtnApothikeysh"), Qt::LeftButton);
    QCOMPARE(dialogs_->messages(), QStringList{QStringLiteral("'' is not a valid integer value")});
    QCOMPARE(dialogs_->shown.size(), 1);
    QCOMPARE(contents(kept), before);
}

void TestGameFiles::raceCellsThatWouldBeCutAreAskedAbout() {
    // Horses 1..20 in every race; basic 1 holds 5..20 in race 2 (42 characters) and 1..17 in race 4 (41).
    std::vector<int> all;
    std::vector<std::pair<int, int>> clicks;
    for (int horse = 1; horse <= 20; ++horse) {
        all.push_back(horse);
        if (horse >= 5) {
            clicks.emplace_back(horse, 2);
        }
        if (horse <= 17) {
            clicks.emplace_back(horse, 4);
        }
    }
    play({"ΣΚΟΡ 4",
          {all, all, all, all},
          {{clicks, QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("0")}},
          {"", "", "", "ΣΥ1"}});
    const QString path = qnt(QStringLiteral("long.sk4"));

    dialogs_->answerFile(path);
    dialogs_->answerNo();
    dialogs_->shown.clear();
    QTest::mouseClick(pushButton(&game(), "BtnApothikeysh"), Qt::LeftButton);
    QCOMPARE(dialogs_->shown.last().type, QStringLiteral("question"));
    QCOMPARE(dialogs_->shown.last().caption, QStringLiteral("ΠΡΟΕΙΔΟΠΟΙΗΣΗ"));
    const QString warning = dialogs_->shown.last().text;
    QVERIFY2(warning.contains(QStringLiteral("έως 40 χαρακτήρες ανά κούρσα")), qPrintable(warning));
    QVERIFY(warning.contains(
        QStringLiteral("Βασική 1, κούρσα 2: 42 χαρακτήρες\nΒασική 1, κούρσα 4: 41 χαρακτήρες")));
    QVERIFY(!QFile::exists(path));

    dialogs_->answerFile(path);
    dialogs_->answerYes();
    QTest::mouseClick(pushButton(&game(), "BtnApothikeysh"), Qt::LeftButton);
    QVERIFY(QFile::exists(path));
    QVERIFY(dialogs_->scriptDone());
}

void TestGameFiles::deletionFromTheMenuRemovesExactlyTheListedFile() {
    play({"ΣΚΟΡ 4",
          {{1, 2}, {1, 2}, {1, 2}, {1, 2}},
          {{{{1, 1}}, QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0")}},
          {"", "", "", "ΣΥ1"}});
    save(qnt(QStringLiteral("x_y.sk4")));
    save(qnt(QStringLiteral("y.sk4")));
    ctx_->paixnTypeDlg = new TPaixnTypeDlg(main_.get());

    QStringList shownLines, linesAfter;
    test::whenModal([&](QDialog* dialog) {
        auto* list = dialog->findChild<QListWidget*>(QStringLiteral("ChkLstFiles"));
        for (int i = 0; i < list->count(); ++i) {
            shownLines << list->item(i)->text();
        }
        list->item(0)->setCheckState(Qt::Checked);  // x_y.sk4, shown as y.sk4
        dialogs_->answerYes();
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("BtnDelete")), Qt::LeftButton);
        for (int i = 0; i < list->count(); ++i) {
            linesAfter << list->item(i)->text();
        }
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    main_->findChild<QAction*>(QStringLiteral("MnuDelete"))->trigger();
    QCOMPARE(shownLines, (QStringList{QStringLiteral("y.sk4"), QStringLiteral("y.sk4")}));
    QCOMPARE(linesAfter, QStringList{QStringLiteral("y.sk4")});
    QVERIFY(!QFile::exists(qnt(QStringLiteral("x_y.sk4"))));
    QVERIFY(QFile::exists(qnt(QStringLiteral("y.sk4"))));
    QVERIFY(!ctx_->paixnTypeDlg->isVisible());
}

QTEST_MAIN(TestGameFiles)
#include "tst_game_files.moc"
