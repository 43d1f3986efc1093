// The main window driven for real: its menu, status bar, choose-game, tips protocol and close query.

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QtTest>

#include "core/settings/memory_settings.h"
#include "gui/app_context.h"
#include "gui/platform/app_paths.h"
#include "gui/platform/help_viewer.h"
#include "gui/shell/main_frm.h"
#include "support/scripted_dialogs.h"

using namespace quintaro;
using namespace quintaro::gui;

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void captionMenuAndStatusBar();
    void choosingAGameSetsTheGameCaptionAndCheckMark();
    void closeQueryNoKeepsTheWindowYesClosesAndClearsEndFlag();
    void tipsAreTakenOnceAtActivationAndTheMenuTogglesThem();
    void helpOpensContext9999();
};

namespace {
QStringList captions(const QList<QAction*>& actions) {
    QStringList out;
    for (QAction* a : actions) {
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    }
    return out;
}
}  // namespace

void TestMainWindow::captionMenuAndStatusBar() {
    MemorySettings store;
    AppContext ctx(store);
    TMainFrm main(ctx);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));

    QCOMPARE(main.windowTitle(),
             QStringLiteral("QUINTARO ΠΡΟΓΡΑΜΜΑ ΚΑΤΑΣΚΕΥΑΣΤΙΚΟ ΓΙΑ ΤΟ ΙΠΠΟΔΡΟΜΙΑΚΟ ΣΤΟΙΧΗΜΑ"));
    const QList<QAction*> top = main.menuBar()->actions();
    QCOMPARE(captions(top), (QStringList{QStringLiteral("&ΠΑΙΧΝΙΔΙ"), QStringLiteral("ΕΡΓΑΛΕΙΑ"),
                                         QStringLiteral("ΣΤΑΤΙΣΤΙΚΗ"), QStringLiteral("ΠΕΛΑΤΕΣ"),
                                         QStringLiteral("&ΒΟΗΘΗΤΙΚΑ"), QStringLiteral("&ΕΞΟΔΟΣ")}));
    QCOMPARE(captions(top[0]->menu()->actions()),
             (QStringList{QStringLiteral("ΤΡΙΟ"), QStringLiteral("-"), QStringLiteral("ΤΡΙΚΑΣΤ"),
                          QStringLiteral("ΤΕΤΡΑΠΛΟ"), QStringLiteral("-"), QStringLiteral("ΣΚΟΡ 4"),
                          QStringLiteral("ΣΚΟΡ 6"), QStringLiteral("ΣΚΟΡ 9")}));
    QCOMPARE(
        captions(top[4]->menu()->actions()),
        (QStringList{QStringLiteral("ΒΟΗΘΕΙΑ"), QStringLiteral("ΕΝΕΡΓΟΠΟΙΗΣΗ ΠΛΗΡΟΦΟΡΙΩΝ ΕΚΚΙΝΗΣΗΣ"),
                     QStringLiteral("-"), QStringLiteral("ΑΡΙΘΜΟΜΗΧΑΝΗ"), QStringLiteral("-"),
                     QStringLiteral("ΡΥΘΜΙΣΕΙΣ"), QStringLiteral("ΡΥΘΜΙΣΕΙΣ ΕΚΤΥΠΩΤΗ ΓΙΑ ΣΚΟΡ4, ΣΚΟΡ6"),
                     QStringLiteral("ΡΥΘΜΙΣΕΙΣ ΕΚΤΥΠΩΤΗ ΓΙΑ ΤΕΤΡΑΠΛΟ"), QStringLiteral("-"),
                     QStringLiteral("ΟΡΙΣΜΟΣ ΧΡΗΣΤΗ"), QStringLiteral("-"),
                     QStringLiteral("ΔΙΑΓΡΑΦΗ ΑΡΧΕΙΩΝ"), QStringLiteral("-"), QStringLiteral("ΓΕΝΙΚΑ")}));
    QVERIFY(top[2]->menu()->actions().isEmpty());

    const QString expectedDate = QLocale().toString(QDate::currentDate(), QStringLiteral("dddd d/M/yyyy"));
    QCOMPARE(main.datePanel()->text(), expectedDate);
    QVERIFY(main.tipsAction()->isChecked());
}

void TestMainWindow::choosingAGameSetsTheGameCaptionAndCheckMark() {
    MemorySettings store;
    AppContext ctx(store);
    TMainFrm main(ctx);
    main.show();

    main.gameAction("ΣΚΟΡ 6")->trigger();
    QCOMPARE(ctx.game.Paixnidi, std::string("ΣΚΟΡ 6"));
    QCOMPARE(ctx.game.Kourses, 6);
    QCOMPARE(main.windowTitle(), QStringLiteral("ΒΕΛΤΡΑΝΟ   -   ΣΚΟΡ 6"));
    QVERIFY(main.gameAction("ΣΚΟΡ 6")->isChecked());

    // The same game again keeps its mark.
    main.gameAction("ΣΚΟΡ 6")->trigger();
    QVERIFY(main.gameAction("ΣΚΟΡ 6")->isChecked());

    main.gameAction("ΤΡΙΚΑΣΤ")->trigger();
    QCOMPARE(ctx.game.Kourses, 3);
    QVERIFY(main.gameAction("ΤΡΙΚΑΣΤ")->isChecked());
    QVERIFY(!main.gameAction("ΣΚΟΡ 6")->isChecked());
    QVERIFY(!main.gameAction("ΤΡΙΟ")->isChecked());
    QCOMPARE(main.windowTitle(), QStringLiteral("ΒΕΛΤΡΑΝΟ   -   ΤΡΙΚΑΣΤ"));
}

void TestMainWindow::closeQueryNoKeepsTheWindowYesClosesAndClearsEndFlag() {
    MemorySettings store;
    AppContext ctx(store);
    TMainFrm main(ctx);
    main.show();
    QSignalSpy closed(&main, &TMainFrm::closed);
    test::ScriptedDialogs dialogs;

    store.writeFlag(settings::kGeneralKey, settings::kTipsSection, settings::kEndFlag, true);
    dialogs.answerNo();
    QVERIFY(!main.close());
    QVERIFY(main.isVisible());
    QCOMPARE(closed.count(), 0);
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown[0].caption, QStringLiteral("ΕΠΙΒΕΒΑΙΩΣΗ"));
    QCOMPARE(dialogs.shown[0].text, QStringLiteral("Έξοδος από την εφαρμογή;"));
    QVERIFY(store.readFlag(settings::kGeneralKey, settings::kTipsSection, settings::kEndFlag, false));

    dialogs.answerYes();
    QVERIFY(main.close());
    QCOMPARE(closed.count(), 1);
    QCOMPARE(store.readString(settings::kGeneralKey, settings::kTipsSection, settings::kEndFlag, "?"),
             std::string("0"));
    QVERIFY(dialogs.unexpected.isEmpty());
}

void TestMainWindow::tipsAreTakenOnceAtActivationAndTheMenuTogglesThem() {
    MemorySettings store;
    AppContext ctx(store);
    TMainFrm main(ctx);
    main.show();
    main.activateWindow();
    QTRY_VERIFY(main.isActiveWindow());
    QTRY_COMPARE(store.readString(settings::kGeneralKey, settings::kTipsSection, settings::kEndFlag, "?"),
                 std::string("1"));

    QVERIFY(main.tipsAction()->isChecked());
    main.tipsAction()->trigger();
    QVERIFY(!main.tipsAction()->isChecked());
    QVERIFY(!store.readFlag(settings::kGeneralKey, settings::kTipsSection, settings::kShowTips, true));
    main.tipsAction()->trigger();
    QVERIFY(main.tipsAction()->isChecked());
    QVERIFY(store.readFlag(settings::kGeneralKey, settings::kTipsSection, settings::kShowTips, false));
    // The tips shown by the command count as this run's tips.
    QVERIFY(store.readFlag(settings::kGeneralKey, settings::kTipsSection, settings::kEndFlag, false));

    // A run that finds ShowTips off starts without the check mark.
    store.writeFlag(settings::kGeneralKey, settings::kTipsSection, settings::kShowTips, false);
    TMainFrm second(ctx);
    second.show();
    QVERIFY(!second.tipsAction()->isChecked());
}

void TestMainWindow::helpOpensContext9999() {
    MemorySettings store;
    AppContext ctx(store);
    TMainFrm main(ctx);
    main.show();
    setProgramDir(QStringLiteral(QUINTARO_HELP_DIR "/.."));
    main.findChild<QAction*>(QStringLiteral("MnuHelp"))->trigger();
    QVERIFY(HelpWindow::existing());
    QCOMPARE(HelpWindow::existing()->context(), 9999);
    QVERIFY(HelpWindow::existing()->pageText().contains(QStringLiteral("ΒΕΛΤΡΑΝΟ")));
    setProgramDir({});
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
