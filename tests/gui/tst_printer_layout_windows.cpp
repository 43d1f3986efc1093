// The printer layout windows driven for real: listing, loading, saving, the test page on a PDF printer and on
// screen, and the main menu's items that open them.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "core/coupons/printer_layout.h"
#include "core/files/utf8_path.h"
#include "core/settings/memory_settings.h"
#include "gui/app_context.h"
#include "gui/coupons/coupon_printing.h"
#include "gui/coupons/printer_layout_window.h"
#include "gui/platform/app_paths.h"
#include "gui/platform/qt_text.h"
#include "gui/shell/main_frm.h"
#include "support/modal_driver.h"
#include "support/pdf_output.h"
#include "support/scripted_dialogs.h"

using namespace quintaro;
using namespace quintaro::gui;
namespace texts = coupons::layout_texts;

class TestPrinterLayoutWindows : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void initialFieldsAndTheFontSizeList();
    void savingWritesTheLayoutAndTheDefaultAndTheNextShowingLoadsIt();
    void cancelledAndRefusedSavesWriteNothing();
    void numbersFollowTheLocaleAndAnUnknownFontSizeCannotBeSaved();
    void aDamagedLayoutIsReportedAndChangesNoField();
    void testPagePrintsOnTheChosenPrinterAndOnScreen();
    void mainMenuOpensBothWindows();

private:
    QString folder(coupons::FormKind kind) const { return layoutFolder(kind); }
    QByteArray fileBytes(coupons::FormKind kind, const QString& name) const {
        QFile file(folder(kind) + QLatin1Char('/') + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir home_;
};

void TestPrinterLayoutWindows::init() {
    QVERIFY(home_.isValid());
    QDir(home_.path()).removeRecursively();
    QDir().mkpath(home_.path());
    setProgramDir(home_.path());
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
}

void TestPrinterLayoutWindows::cleanup() {
    setProgramDir(QString());
    QLocale::setDefault(QLocale::c());
}

void TestPrinterLayoutWindows::initialFieldsAndTheFontSizeList() {
    test::ScriptedDialogs dialogs;
    TPrnTetFrm window;
    QCOMPARE(window.windowTitle(), QStringLiteral("ΡΥΘΜΙΣΕΙΣ ΕΚΤΥΠΩΤΗ ΓΙΑ ΤΕΤΡΑΠΛΟ"));
    QCOMPARE(window.edit(QStringLiteral("Edit1"))->text(), QStringLiteral("Quintaro"));
    QCOMPARE(window.edit(QStringLiteral("Edit8"))->text(), QStringLiteral("3"));
    QCOMPARE(window.edit(QStringLiteral("Edit10"))->text(), QStringLiteral("6,35"));
    QCOMPARE(window.edit(QStringLiteral("Edit12"))->text(), QStringLiteral("70,85"));
    QCOMPARE(window.edit(QStringLiteral("Edit18"))->text(), QStringLiteral("850"));
    QCOMPARE(window.edit(QStringLiteral("Edit17"))->text(), QStringLiteral("7"));
    QVERIFY(window.numberBox()->isChecked());
    QVERIFY(!window.defaultBox()->isChecked());
    QStringList sizes;
    for (int i = 0; i < window.fontSizeList()->count(); ++i) {
        sizes << window.fontSizeList()->itemText(i);
    }
    QCOMPARE(sizes, (QStringList{QStringLiteral("8"), QStringLiteral("10"), QStringLiteral("12"),
                                 QStringLiteral("14"), QStringLiteral("16"), QStringLiteral("18"),
                                 QStringLiteral("20"), QStringLiteral("22"), QStringLiteral("24")}));

    // Showing selects "10", creates the empty folder and lists nothing.
    window.fontSizeList()->setCurrentIndex(4);
    window.show();
    QCOMPARE(window.fontSizeList()->currentText(), QStringLiteral("10"));
    QVERIFY(QDir(folder(coupons::FormKind::Tetraplo)).exists());
    QCOMPARE(window.layoutList()->count(), 0);
    QVERIFY(dialogs.shown.isEmpty());
}

void TestPrinterLayoutWindows::savingWritesTheLayoutAndTheDefaultAndTheNextShowingLoadsIt() {
    test::ScriptedDialogs dialogs;
    TPrnFrm window;
    window.show();
    window.edit(QStringLiteral("Edit9"))->setText(QStringLiteral(" HP "));
    window.edit(QStringLiteral("Edit2"))->setText(QStringLiteral("9,5"));
    window.fontSizeList()->setCurrentIndex(2);  // 12
    window.defaultBox()->setChecked(true);
    dialogs.answerYes();
    window.BitBtn1Click();
    QCOMPARE(dialogs.shown[0].caption, QStringLiteral("ΕΠΙΒΕΒΑΙΩΣΗ"));
    QCOMPARE(dialogs.shown[0].text, QStringLiteral("Παρακαλώ επιβεβαιώστε την αποθήκευση"));
    QCOMPARE(dialogs.messages().last(), QStringLiteral("Η αποθήκευση ολοκληρώθηκε"));

    const QByteArray hp = fileBytes(coupons::FormKind::Skor, QStringLiteral("HP.fpr"));
    QCOMPARE(hp.size(), 328);
    QCOMPARE(fileBytes(coupons::FormKind::Skor, QStringLiteral("default.fpr")), hp);
    const coupons::PrinterLayout saved =
        coupons::decodeLayout(coupons::FormKind::Skor, std::string_view(hp.constData(), 328));
    QCOMPARE(saved.side, 9.5);
    QCOMPARE(saved.fontSize, 12);
    QCOMPARE(saved.printerName, std::string(" HP "));
    QVERIFY(saved.isDefault);

    // The next showing lists "default" and HP, and loads the default over whatever the fields hold.
    window.hide();
    window.edit(QStringLiteral("Edit2"))->setText(QStringLiteral("1"));
    window.show();
    QCOMPARE(window.layoutList()->count(), 2);
    QCOMPARE(window.layoutList()->itemText(0), QStringLiteral("default"));
    QCOMPARE(window.layoutList()->itemText(1), QStringLiteral("HP"));
    QCOMPARE(window.edit(QStringLiteral("Edit2"))->text(), QStringLiteral("9,5"));
    QCOMPARE(window.fontSizeList()->currentText(), QStringLiteral("12"));

    // Choosing HP in the list loads HP.fpr.
    window.edit(QStringLiteral("Edit2"))->setText(QStringLiteral("1"));
    window.layoutList()->setCurrentIndex(1);
    window.ComboBox2Change();
    QCOMPARE(window.edit(QStringLiteral("Edit2"))->text(), QStringLiteral("9,5"));
    QVERIFY(dialogs.unexpected.isEmpty());
}

void TestPrinterLayoutWindows::cancelledAndRefusedSavesWriteNothing() {
    test::ScriptedDialogs dialogs;
    TPrnFrm window;
    window.show();
    window.edit(QStringLiteral("Edit9"))->setText(QStringLiteral("HP"));
    dialogs.answerNo();
    window.BitBtn1Click();
    QCOMPARE(dialogs.shown.size(), 1);

    // An empty mark cannot mark a coupon form.
    window.edit(QStringLiteral("Edit4"))->clear();
    dialogs.answerYes();
    window.BitBtn1Click();
    QCOMPARE(dialogs.messages().last(), qs(texts::kNoMark));

    // A printer name cannot lead the file out of the folder.
    window.edit(QStringLiteral("Edit4"))->setText(QStringLiteral("Ο"));
    window.edit(QStringLiteral("Edit9"))->setText(QStringLiteral("../HP"));
    dialogs.answerYes();
    window.BitBtn1Click();
    QCOMPARE(dialogs.messages().last(), qs(texts::kBadPrinterName));

    QCOMPARE(QDir(folder(coupons::FormKind::Skor)).entryList(QDir::Files | QDir::Hidden), QStringList());
    QCOMPARE(QDir(home_.path()).entryList(QStringList{QStringLiteral("*.fpr")}, QDir::Files), QStringList());

    // A layout file that cannot be written (a folder stands where it goes) is a failed save; the earlier
    // file of a failed write stays as it was (see the engine's whole-file writes).
    QDir().mkpath(folder(coupons::FormKind::Skor) + QStringLiteral("/HP.fpr/taken"));
    window.edit(QStringLiteral("Edit9"))->setText(QStringLiteral("HP"));
    dialogs.answerYes();
    window.BitBtn1Click();
    QCOMPARE(dialogs.messages().last(), qs(texts::kSaveFailed));
    QVERIFY(QFileInfo(folder(coupons::FormKind::Skor) + QStringLiteral("/HP.fpr/taken")).isDir());
    QCOMPARE(QDir(folder(coupons::FormKind::Skor)).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestPrinterLayoutWindows::numbersFollowTheLocaleAndAnUnknownFontSizeCannotBeSaved() {
    test::ScriptedDialogs dialogs;
    TPrnFrm window;
    window.show();
    window.edit(QStringLiteral("Edit9"))->setText(QStringLiteral("Epson"));

    // Under a locale whose separator is the point the comma of 5,71 does not convert.
    QLocale::setDefault(QLocale::c());
    dialogs.answerYes();
    window.BitBtn1Click();
    QCOMPARE(dialogs.messages().last(), qs(texts::kSaveFailed));
    QVERIFY(!QFile::exists(folder(coupons::FormKind::Skor) + QStringLiteral("/Epson.fpr")));
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));

    // A layout with font size 11 loads with no size selected, and cannot be saved until one is chosen.
    coupons::PrinterLayout odd = coupons::initialLayout(coupons::FormKind::Skor);
    odd.printerName = "Epson";
    odd.fontSize = 11;
    coupons::writeLayoutFile(utf8Path(us(folder(coupons::FormKind::Skor) + QStringLiteral("/Epson.fpr"))),
                             odd);
    window.hide();
    window.show();
    QCOMPARE(window.layoutList()->itemText(0), QStringLiteral("Epson"));
    window.layoutList()->setCurrentIndex(0);
    window.ComboBox2Change();
    QCOMPARE(window.fontSizeList()->currentIndex(), -1);
    dialogs.answerYes();
    window.BitBtn1Click();
    QCOMPARE(dialogs.messages().last(), qs(texts::kSaveFailed));
    window.fontSizeList()->setCurrentIndex(0);
    dialogs.answerYes();
    window.BitBtn1Click();
    QCOMPARE(dialogs.messages().last(), qs(texts::kSaved));
}

void TestPrinterLayoutWindows::aDamagedLayoutIsReportedAndChangesNoField() {
    test::ScriptedDialogs dialogs;
    // A "ΣΚΟΡ" record of 328 bytes in the "ΤΕΤΡΑΠΛΟ" folder: the list reports it and goes on.
    QDir().mkpath(folder(coupons::FormKind::Tetraplo));
    coupons::PrinterLayout skor = coupons::initialLayout(coupons::FormKind::Skor);
    skor.printerName = "Old";
    coupons::writeLayoutFile(utf8Path(us(folder(coupons::FormKind::Tetraplo) + QStringLiteral("/Old.fpr"))),
                             skor);
    coupons::PrinterLayout tet = coupons::initialLayout(coupons::FormKind::Tetraplo);
    tet.printerName = "New";
    tet.side = 12;
    coupons::writeLayoutFile(
        utf8Path(us(folder(coupons::FormKind::Tetraplo) + QStringLiteral("/default.fpr"))), tet);

    TPrnTetFrm window;
    window.show();
    QCOMPARE(dialogs.messages(), QStringList{qs(texts::kDamaged) + QStringLiteral("\rOld.fpr")});
    QCOMPARE(window.layoutList()->count(), 2);  // "default" and New
    QCOMPARE(window.edit(QStringLiteral("Edit2"))->text(), QStringLiteral("12"));

    // The default file turns short after the listing: loading it reports the damage and keeps the fields.
    QFile::resize(folder(coupons::FormKind::Tetraplo) + QStringLiteral("/default.fpr"), 328);
    window.edit(QStringLiteral("Edit2"))->setText(QStringLiteral("3"));
    window.layoutList()->setCurrentIndex(0);
    window.ComboBox2Change();
    QCOMPARE(dialogs.messages().last(), qs(texts::kDamaged));
    QCOMPARE(dialogs.shown.last().kind, MessageKind::Error);
    QCOMPARE(window.edit(QStringLiteral("Edit2"))->text(), QStringLiteral("3"));
}

void TestPrinterLayoutWindows::testPagePrintsOnTheChosenPrinterAndOnScreen() {
    test::ScriptedDialogs dialogs;
    TPrnFrm window;
    window.show();
    const QString pdf = home_.filePath(QStringLiteral("test_page.pdf"));
    dialogs.answerPrintToPdf(QString());  // cancelled: nothing printed
    window.BitBtn3Click();
    QVERIFY(!QFile::exists(pdf));
    dialogs.answerPrintToPdf(pdf);
    window.BitBtn3Click();
    QCOMPARE(test::readPdfPages(pdf).withText, 1);
    if (const QByteArray keep = qgetenv("QUINTARO_KEEP_PRINTS"); !keep.isEmpty()) {
        QFile::copy(pdf, QString::fromLocal8Bit(keep) + QStringLiteral("/test_page_skor.pdf"));
    }

    // A field that does not convert abandons the page without a message.
    const QString bad = home_.filePath(QStringLiteral("bad.pdf"));
    window.edit(QStringLiteral("Edit5"))->setText(QStringLiteral("x"));
    dialogs.answerPrintToPdf(bad);
    window.BitBtn3Click();
    QCOMPARE(QFileInfo(bad).size(), 0);
    QCOMPARE(dialogs.messages(), QStringList());
    window.edit(QStringLiteral("Edit5"))->setText(QStringLiteral("5,71"));

    // The on-screen preview draws the same page.
    bool previewed = false;
    test::whenModal<QWidget>([&previewed](QWidget* modal) {
        if (auto* preview = qobject_cast<QPrintPreviewDialog*>(modal)) {
            previewed = true;
            preview->reject();
        }
    });
    window.previewTestPage();
    QVERIFY(previewed);
    QVERIFY(dialogs.unexpected.isEmpty());
}

void TestPrinterLayoutWindows::mainMenuOpensBothWindows() {
    test::ScriptedDialogs dialogs;
    MemorySettings store;
    AppContext ctx(store);
    TMainFrm main(ctx);
    TPrnFrm skor(&main);
    TPrnTetFrm tet(&main);
    ctx.prnFrm = &skor;
    ctx.prnTetFrm = &tet;
    for (const auto& [name, window] : {std::pair{"MnuPrnSkor", static_cast<QDialog*>(&skor)},
                                       std::pair{"MnuPrnTet", static_cast<QDialog*>(&tet)}}) {
        auto* item = main.findChild<QAction*>(QString::fromLatin1(name));
        QVERIFY(item);
        QVERIFY(item->isEnabled());
        QWidget* opened = nullptr;
        test::whenModal<QWidget>([&opened](QWidget* modal) {
            opened = modal;
            if (auto* d = qobject_cast<QDialog*>(modal)) {
                d->reject();
            }
        });
        item->trigger();
        QCOMPARE(opened, window);
    }
}

QTEST_MAIN(TestPrinterLayoutWindows)
#include "tst_printer_layout_windows.moc"
