// The column cost settings and the holder details dialogs against the in-memory settings: what they show,
// what their keys do, what saving writes and says, and that the main menu opens them.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "core/settings/column_cost.h"
#include "core/settings/holder.h"
#include "core/settings/memory_settings.h"
#include "gui/app_context.h"
#include "gui/platform/app_paths.h"
#include "gui/platform/help_viewer.h"
#include "gui/shell/main_frm.h"
#include "gui/tools/katoxos_dlg.h"
#include "gui/tools/rythmiseis_dlg.h"
#include "support/modal_driver.h"
#include "support/scripted_dialogs.h"

using namespace quintaro;
using namespace quintaro::gui;
using namespace quintaro::settings;

class TestToolsSettings : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void costDialogShowsDefaultsAndSavesThemAsShown();
    void costFieldsTakeOnlyTheLocalesSeparator();
    void aFailedCostSaveSaysSoAndNotThatItSucceeded();
    void holderDialogShowsDefaultsSavesAndCloses();
    void holderHelpOpensContext16();
    void theMainMenuOpensTheToolsWindows();
};

// Types any text, Greek included, one character at a time.
static void typeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &release);
    }
}

void TestToolsSettings::cleanup() {
    QLocale::setDefault(QLocale::c());
}

static QStringList fieldTexts(TRythmiseisDlg& dialog) {
    QStringList out;
    for (int i = 0; i < 6; ++i) {
        out << dialog.field(i)->text();
    }
    return out;
}

void TestToolsSettings::costDialogShowsDefaultsAndSavesThemAsShown() {
    MemorySettings store;
    AppContext ctx(store);
    TRythmiseisDlg dialog(ctx);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("ΡΥΘΜΙΣΕΙΣ"));
    QCOMPARE(dialog.palette().color(QPalette::Window), QColor(215, 207, 179));
    QCOMPARE(fieldTexts(dialog),
             (QStringList{QStringLiteral("1.50"), QStringLiteral("1.50"), QStringLiteral("0.30"),
                          QStringLiteral("0.50"), QStringLiteral("0.50"), QStringLiteral("0.50")}));
    QCOMPARE(dialog.field(0)->width(), 49);
    // The fifth label starts with the Greek capital tau and goes on in Latin letters.
    QStringList labels;
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        labels << label->text();
    }
    QVERIFY(labels.contains(QStringLiteral("Κόστος Στήλης για \u03A4RICAST")));
    QVERIFY(labels.contains(QStringLiteral("Κόστος Στήλης για Τετραπλό")));
    QVERIFY(readColumnCost(store, "ΣΚΟΡ 9", '.') == 1.5);

    test::ScriptedDialogs dialogs;
    QTest::mouseClick(dialog.saveButton(), Qt::LeftButton);
    QCOMPARE(dialogs.messages(), QStringList{QStringLiteral("Η αποθήκευση ολοκληρώθηκε")});
    QVERIFY(dialog.isVisible());
    QCOMPARE(fieldTexts(dialog)[2], QStringLiteral("0.30"));
    QCOMPARE(store.readString(kCostsKey, kOptionsSection, "ΣΚΟΡ 9", "?"), std::string("0.30"));
    QCOMPARE(store.readString(kCostsKey, kOptionsSection, "ΤΡΙΟ", "?"), std::string("0.50"));
    QCOMPARE(readColumnCost(store, "ΣΚΟΡ 9", '.'), 0.3);

    // Text typed and not saved is gone at the next showing; an empty field is saved as it is.
    dialog.field(0)->setText(QStringLiteral("9"));
    QTest::mouseClick(dialog.returnButton(), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(store.readString(kCostsKey, kOptionsSection, "ΣΚΟΡ 4", "?"), std::string("1.50"));
    dialog.show();
    QCOMPARE(dialog.field(0)->text(), QStringLiteral("1.50"));
    dialog.field(1)->clear();
    dialog.BtnSaveClick();
    QCOMPARE(store.readString(kCostsKey, kOptionsSection, "ΣΚΟΡ 6", "?"), std::string());
}

void TestToolsSettings::costFieldsTakeOnlyTheLocalesSeparator() {
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    MemorySettings store;
    AppContext ctx(store);
    TRythmiseisDlg dialog(ctx);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QLineEdit* field = dialog.field(2);
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    field->clear();
    QTest::keyClicks(field, QStringLiteral("0.3a"));
    QCOMPARE(field->text(), QStringLiteral("03"));
    field->clear();
    QTest::keyClicks(field, QStringLiteral("0,3"));
    QCOMPARE(field->text(), QStringLiteral("0,3"));
    QTest::keyClick(field, Qt::Key_Backspace);
    QCOMPARE(field->text(), QStringLiteral("0,"));

    // Enter moves to the next field, Esc back; neither reaches the field nor closes the dialog.
    QTest::keyClick(field, Qt::Key_Return);
    QVERIFY(dialog.field(3)->hasFocus());
    QTest::keyClick(dialog.field(3), Qt::Key_Escape);
    QVERIFY(field->hasFocus());
    QVERIFY(dialog.isVisible());
    QCOMPARE(field->text(), QStringLiteral("0,"));

    // What is saved under a "," locale reads back under either.
    field->setText(QStringLiteral("0,25"));
    test::ScriptedDialogs dialogs;
    dialog.BtnSaveClick();
    QCOMPARE(readColumnCost(store, "ΣΚΟΡ 9", ','), 0.25);
    QCOMPARE(readColumnCost(store, "ΣΚΟΡ 9", '.'), 0.25);
}

void TestToolsSettings::aFailedCostSaveSaysSoAndNotThatItSucceeded() {
    MemorySettings store;
    AppContext ctx(store);
    TRythmiseisDlg dialog(ctx);
    dialog.show();
    store.setFailWrites(true);
    test::ScriptedDialogs dialogs;
    dialog.BtnSaveClick();
    QCOMPARE(dialogs.messages(), QStringList{QStringLiteral("Failed to set data for 'ΣΚΟΡ 4'")});
    QCOMPARE(dialogs.shown[0].kind, MessageKind::Error);
    QVERIFY(dialog.isVisible());
}

void TestToolsSettings::holderDialogShowsDefaultsSavesAndCloses() {
    MemorySettings store;
    AppContext ctx(store);
    TKatoxosDlg dialog(ctx);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("ΟΡΙΣΜΟΣ ΧΡΗΣΤΗ"));
    const HolderDetails defaults = readHolderForDialog(store);
    QCOMPARE(dialog.titleField()->text(), QString::fromStdString(defaults.title));
    QCOMPARE(dialog.addressField()->text(), QString::fromStdString(defaults.address));
    QCOMPARE(dialog.miscField()->text(), QStringLiteral("ΠΡΟΓΡΑΜΜΑΤΑ ΥΠΟΛΟΓΙΣΤΩΝ"));
    QCOMPARE(dialog.titleField()->width(), 497);

    // "&ΕΞΟΔΟΣ" writes nothing.
    dialog.titleField()->setText(QStringLiteral("ΑΛΛΟ"));
    QTest::mouseClick(dialog.exitButton(), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QVERIFY(!store.hasSection(kHolderKey, kOptionsSection));

    // Every character reaches a holder field; Enter moves on.
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.titleField()->text(), QString::fromStdString(defaults.title));
    dialog.titleField()->setFocus();
    QTRY_VERIFY(dialog.titleField()->hasFocus());
    dialog.titleField()->clear();
    typeText(dialog.titleField(), QStringLiteral("Α.Β. & Σια, 2.5%"));
    QCOMPARE(dialog.titleField()->text(), QStringLiteral("Α.Β. & Σια, 2.5%"));
    QTest::keyClick(dialog.titleField(), Qt::Key_Return);
    QVERIFY(dialog.addressField()->hasFocus());
    QVERIFY(dialog.isVisible());

    test::ScriptedDialogs dialogs;
    dialog.miscField()->clear();
    QTest::mouseClick(dialog.saveButton(), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(dialogs.shown.isEmpty());
    const HolderDetails printed = readHolderForPrintout(store);
    QCOMPARE(printed.title, std::string("Α.Β. & Σια, 2.5%"));
    QCOMPARE(printed.address, defaults.address);
    QCOMPARE(printed.misc, std::string());
}

void TestToolsSettings::holderHelpOpensContext16() {
    MemorySettings store;
    AppContext ctx(store);
    TKatoxosDlg dialog(ctx);
    dialog.show();
    setProgramDir(QStringLiteral(QUINTARO_HELP_DIR "/.."));
    QTest::mouseClick(dialog.helpButton(), Qt::LeftButton);
    QVERIFY(HelpWindow::existing());
    QCOMPARE(HelpWindow::existing()->context(), 16);
    QVERIFY(HelpWindow::existing()->pageText().contains(QStringLiteral("ΟΡΙΣΜΟΣ ΧΡΗΣΤΗ")));
    setProgramDir({});
}

void TestToolsSettings::theMainMenuOpensTheToolsWindows() {
    MemorySettings store;
    AppContext ctx(store);
    TMainFrm main(ctx);
    main.show();
    const struct {
        const char* item;
        QString caption;
    } items[] = {
        {"MnuApodoseis", QStringLiteral("CALCULATE APODOSEIS")},
        {"MnuPososta", QStringLiteral("CALCULATE POSOSTA")},
        {"MnuRythmiseis", QStringLiteral("ΡΥΘΜΙΣΕΙΣ")},
        {"MnuKatoxos", QStringLiteral("ΟΡΙΣΜΟΣ ΧΡΗΣΤΗ")},
        {"MnuAbout", QStringLiteral("Γενικά για το πρόγραμμα")},
    };
    for (const auto& item : items) {
        QAction* action = main.findChild<QAction*>(QString::fromLatin1(item.item));
        QVERIFY2(action && action->isEnabled(), item.item);
        QString shownCaption;
        bool modal = false;
        test::whenModal([&](QDialog* dialog) {
            shownCaption = dialog->windowTitle();
            modal = dialog->isModal();
            dialog->close();
        });
        action->trigger();
        QCOMPARE(shownCaption, item.caption);
        QVERIFY(modal);
    }
    // The windows are made once and shown again.
    QDialog* first = reinterpret_cast<QDialog*>(ctx.rythmiseisDlg);
    test::whenModal([](QDialog* dialog) { dialog->close(); });
    main.findChild<QAction*>(QStringLiteral("MnuRythmiseis"))->trigger();
    QCOMPARE(reinterpret_cast<QDialog*>(ctx.rythmiseisDlg), first);
}

QTEST_MAIN(TestToolsSettings)
#include "tst_tools_settings.moc"
