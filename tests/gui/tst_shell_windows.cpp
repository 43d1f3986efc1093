// The splash, the about box and the tips dialog, and the tips protocol across runs of the program through
// the real main window and tips dialog.

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "core/settings/memory_settings.h"
#include "core/shell/tips.h"
#include "gui/app_context.h"
#include "gui/platform/shell_open.h"
#include "gui/shell/about_dlg.h"
#include "gui/shell/link_label.h"
#include "gui/shell/main_frm.h"
#include "gui/shell/splash.h"
#include "gui/shell/tips_dlg.h"
#include "support/modal_driver.h"
#include "support/scripted_dialogs.h"

using namespace quintaro;
using namespace quintaro::gui;
using namespace quintaro::settings;

class TestShellWindows : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void splashShowsTheVersionAndEndsOnEnterBeforeItsTimer();
    void splashEndsOnItsTimerOrAClickAndOpensTheWebAddress();
    void aboutBoxShowsTheVersionAndOpensMailAndWeb();
    void tipsDialogPicksTipsAndWritesItsCheckBoxOnEveryClose();
    void tipsProtocolAcrossRuns();
    void tipsTurnedOnFromTheMenuAppearOnce();

private:
    QStringList opened_;
};

void TestShellWindows::init() {
    opened_.clear();
    setExternalOpener([this](const QString& target) {
        opened_ << target;
        return true;
    });
}

void TestShellWindows::cleanup() {
    setExternalOpener({});
}

static void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void TestShellWindows::splashShowsTheVersionAndEndsOnEnterBeforeItsTimer() {
    QPointer<TSplash> splash = new TSplash();
    QCOMPARE(splash->readyInterval(), 6000);
    QCOMPARE(splash->size(), QSize(529, 274));
    QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(splash->titleLabel()->text(), QStringLiteral("ΒΕΛΤΡΑΝΟ"));
    QCOMPARE(splash->versionLabel()->text(), QStringLiteral("Έκδοση : 2.3.5.51"));
    QCOMPARE(splash->designLabel()->text(), QStringLiteral("Designed for 32-bit Windows ,Special build"));

    // Not ready yet: the close query refuses.
    QVERIFY(!splash->closeQuery());
    splash->show();
    QVERIFY(!splash->close());
    QVERIFY(splash->isVisible());

    QTimer::singleShot(100, splash, [splash] { QTest::keyClick(splash, Qt::Key_Return); });
    runSplashLoop(*splash);
    QTRY_VERIFY(splash.isNull());  // destroyed by its own closing

    // With a timer that would not fire within the test's time, only Enter can end the loop.
    QPointer<TSplash> patient = new TSplash(24 * 3600 * 1000);
    patient->show();
    QTimer::singleShot(50, patient, [patient] { QTest::keyClick(patient, Qt::Key_Return); });
    runSplashLoop(*patient);
    QTRY_VERIFY(patient.isNull());
}

void TestShellWindows::splashEndsOnItsTimerOrAClickAndOpensTheWebAddress() {
    QPointer<TSplash> timed = new TSplash(50);
    QElapsedTimer clock;
    clock.start();
    runSplashLoop(*timed);
    QVERIFY(clock.elapsed() >= 40);
    QTRY_VERIFY(timed.isNull());

    QPointer<TSplash> clicked = new TSplash();
    clicked->show();
    // A click on the web address opens it and does not end the splash.
    click(clicked->webLabel());
    QCOMPARE(opened_, QStringList{QStringLiteral("www.example.com")});
    QVERIFY(!clicked->closeQuery());
    QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(clicked->closeQuery());
    runSplashLoop(*clicked);
    QTRY_VERIFY(clicked.isNull());
}

void TestShellWindows::aboutBoxShowsTheVersionAndOpensMailAndWeb() {
    MemorySettings store;
    AppContext ctx(store);
    TMainFrm main(ctx);
    main.show();
    QVERIFY(!ctx.aboutDlg);  // made on first use
    QString version;
    test::whenModal([&](QDialog* dialog) {
        auto* about = qobject_cast<TAboutDlg*>(dialog);
        QVERIFY(about);
        version = about->versionLabel()->text();
        click(about->emailLabel());
        click(about->webLabel());
        QTest::keyClick(about, Qt::Key_Return);  // "&OK" has the focus
    });
    main.findChild<QAction*>(QStringLiteral("MnuAbout"))->trigger();
    QVERIFY(ctx.aboutDlg);
    QVERIFY(!ctx.aboutDlg->isVisible());
    QCOMPARE(version, QStringLiteral("Έκδοση : 2.3.5.51"));
    QCOMPARE(opened_, (QStringList{QStringLiteral("mailto:info@example.com?Subject=ΒΕΛΤΡΑΝΟ&Body="),
                                   QStringLiteral("www.example.com")}));
    QCOMPARE(ctx.aboutDlg->palette().color(QPalette::Window), QColor(Qt::white));
}

void TestShellWindows::tipsDialogPicksTipsAndWritesItsCheckBoxOnEveryClose() {
    MemorySettings store;
    AppContext ctx(store);
    TTipsDlg dialog(ctx);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Πληροφορία της Ημέρας"));
    QList<int> picks;
    connect(&dialog, &TTipsDlg::tipShown, this, [&](int n) { picks << n; });

    test::whenModal([&](QDialog*) {
        QVERIFY(dialog.showTipsBox()->isChecked());  // ShowTips defaults to true
        for (int i = 0; i < 20; ++i) {
            click(dialog.nextButton());
        }
        dialog.showTipsBox()->setChecked(false);
        click(dialog.closeButton());
    });
    dialog.exec();
    QCOMPARE(picks.size(), 21);
    for (int n : picks) {
        QVERIFY(n >= 1 && n <= tips::kTipCount);
    }
    QCOMPARE(dialog.tipLabel()->text(),
             QString::fromStdString(std::string(tips::tipText(dialog.currentTip()))));
    QCOMPARE(dialog.tipLabel()->width(), 281);
    QVERIFY(dialog.tipLabel()->height() >= 89);
    QVERIFY(dialog.tipLabel()->wordWrap());
    // The longest tip fits.
    const QFontMetrics metrics = dialog.tipLabel()->fontMetrics();
    const QString longest = QString::fromStdString(std::string(tips::tipText(3)));
    QVERIFY(metrics.boundingRect(QRect(0, 0, 281, 10000), Qt::TextWordWrap, longest).height() <=
            dialog.tipLabel()->height());
    QCOMPARE(store.readString(kGeneralKey, kTipsSection, kShowTips, "?"), std::string("0"));

    // Esc closes it too, and the box shown is the stored flag, written back as it is.
    test::whenModal([&](QDialog*) {
        QVERIFY(!dialog.showTipsBox()->isChecked());
        dialog.showTipsBox()->setChecked(true);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    dialog.exec();
    QCOMPARE(store.readString(kGeneralKey, kTipsSection, kShowTips, "?"), std::string("1"));
}

namespace {

// One run of the program: the main window and the tips dialog over the store, the tips dialog closed at once
// whenever it appears (with its check box set as asked).
struct Run {
    explicit Run(SettingsStore& store, bool keepShowingTips = true) : ctx(store), main(ctx) {
        ctx.tipsDlg = new TTipsDlg(ctx, &main);
        QObject::connect(ctx.tipsDlg, &TTipsDlg::tipShown, ctx.tipsDlg, [this, keepShowingTips] {
            QTimer::singleShot(0, ctx.tipsDlg, [this, keepShowingTips] {
                ctx.tipsDlg->showTipsBox()->setChecked(keepShowingTips);
                ctx.tipsDlg->reject();
            });
        });
    }

    // Shows and activates the main window, and lets any tips dialog come and go.
    void start() {
        main.show();
        main.activateWindow();
        QTRY_COMPARE(ctx.settings.readString(kGeneralKey, kTipsSection, kEndFlag, "?"), std::string("1"));
        QTest::qWait(50);
        QTRY_VERIFY(!ctx.tipsDlg->isVisible());
        main.activateWindow();
        QTRY_VERIFY(main.isActiveWindow());
    }

    bool closeNormally() {
        test::ScriptedDialogs dialogs;
        dialogs.answerYes();
        return main.close();
    }

    int tipsShown() const { return ctx.tipsDlg->timesShown(); }

    AppContext ctx;
    TMainFrm main;
};

}  // namespace

void TestShellWindows::tipsProtocolAcrossRuns() {
    MemorySettings store;
    {
        Run run(store);
        run.start();
        QCOMPARE(run.tipsShown(), 1);
        QVERIFY(run.main.tipsAction()->isChecked());
        // Later activations show nothing more.
        run.main.activateWindow();
        QTest::qWait(30);
        QCOMPARE(run.tipsShown(), 1);
        QVERIFY(run.closeNormally());
        QCOMPARE(store.readString(kGeneralKey, kTipsSection, kEndFlag, "?"), std::string("0"));
    }
    {
        Run run(store);
        run.start();
        QCOMPARE(run.tipsShown(), 1);
        // The program ends without the main window closing: EndFlag stays set.
    }
    QCOMPARE(store.readString(kGeneralKey, kTipsSection, kEndFlag, "?"), std::string("1"));
    {
        Run run(store);
        run.start();
        QCOMPARE(run.tipsShown(), 0);
        QVERIFY(run.main.tipsAction()->isChecked());
        QVERIFY(run.closeNormally());
    }
    {
        // Back to normal; the user unticks the box this time.
        Run run(store, false);
        run.start();
        QCOMPARE(run.tipsShown(), 1);
        QVERIFY(run.closeNormally());
    }
    QCOMPARE(store.readString(kGeneralKey, kTipsSection, kShowTips, "?"), std::string("0"));
    {
        Run run(store);
        run.start();
        QCOMPARE(run.tipsShown(), 0);
        QVERIFY(!run.main.tipsAction()->isChecked());
    }
}

void TestShellWindows::tipsTurnedOnFromTheMenuAppearOnce() {
    MemorySettings store;
    store.writeFlag(kGeneralKey, kTipsSection, kShowTips, false);
    Run run(store);
    run.start();
    QCOMPARE(run.tipsShown(), 0);
    QVERIFY(!run.main.tipsAction()->isChecked());

    run.main.tipsAction()->trigger();
    QCOMPARE(run.tipsShown(), 1);
    QVERIFY(run.main.tipsAction()->isChecked());
    // The main window is active again after the dialog; that activation shows nothing more.
    run.main.activateWindow();
    QTest::qWait(100);
    QTRY_VERIFY(!run.ctx.tipsDlg->isVisible());
    QCOMPARE(run.tipsShown(), 1);
    QVERIFY(store.readFlag(kGeneralKey, kTipsSection, kShowTips, false));

    // Unchecking writes both flags and shows nothing.
    run.main.tipsAction()->trigger();
    QVERIFY(!run.main.tipsAction()->isChecked());
    QCOMPARE(run.tipsShown(), 1);
    QCOMPARE(store.readString(kGeneralKey, kTipsSection, kShowTips, "?"), std::string("0"));
    QCOMPARE(store.readString(kGeneralKey, kTipsSection, kEndFlag, "?"), std::string("1"));
}

QTEST_MAIN(TestShellWindows)
#include "tst_shell_windows.moc"
