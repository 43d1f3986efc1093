// The coupon preview driven for real: opening from "&ΔΕΛΤΙΑ" with its refusals, the heading and paging,
// and printing onto the coupon forms, redirected to PDF files.

#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "core/settings/memory_settings.h"
#include "gui/app_context.h"
#include "gui/coupons/coupon_printing.h"
#include "gui/coupons/coupons_command.h"
#include "gui/coupons/printer_layout_window.h"
#include "gui/coupons/prn_prv_dlg.h"
#include "gui/coupons/sel_sth_dlg.h"
#include "gui/platform/app_paths.h"
#include "gui/platform/qt_text.h"
#include "support/modal_driver.h"
#include "support/pdf_output.h"
#include "support/scripted_dialogs.h"

using namespace quintaro;
using namespace quintaro::gui;
namespace texts = coupons::preview_texts;

namespace {

ColumnList counted(int races, std::initializer_list<std::vector<std::uint8_t>> columns) {
    ColumnList list;
    list.reset(races);
    for (const auto& column : columns) {
        list.append(column);
    }
    return list;
}

// Five coupons with distinct lists, for a game of `races` races or places.
CouponList fiveCoupons(int races) {
    CouponList coupons;
    for (int c = 1; c <= 5; ++c) {
        TsSthlh coupon;
        for (int r = 1; r <= races; ++r) {
            coupon.push_back(std::to_string(c) + "," + std::to_string(c + r));
        }
        coupons.push_back(coupon);
    }
    return coupons;
}

CouponSourceChoice choice(std::optional<coupons::CouponSource> answer) {
    return [answer] { return answer; };
}

}  // namespace

class TestCouponPreview : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void openingRefusesWhatHasNoCoupons();
    void openingMakesPlainOrGatheredCouponsAndShowsTheFirst();
    void theChoiceDialogOffersGatheredCoupons();
    void tetraploAsksTheRaceNumber();
    void headingShowsTheCouponsCostAndFindMovesOnlyToACoupon();
    void tetraploPrintsTwoCouponsAFormAndMovesOnTwo();
    void skorPrintsOneCouponAFormAndEndsAtTheLast();
    void couponsWithHorsesWithoutABoxAreNotPrinted();
    void trikastPagesButHasNoForm();

private:
    void prepare(std::string_view game, int races, CouponList coupons, int raceNumber = 0) {
        ctx_->game.Paixnidi = std::string(game);
        ctx_->game.Kourses = races;
        preview_->setCoupons(std::move(coupons), raceNumber, QStringLiteral("ΣΥ1"), 1.5);
        preview_->show();
    }

    QTemporaryDir home_;
    std::unique_ptr<MemorySettings> store_;
    std::unique_ptr<AppContext> ctx_;
    std::unique_ptr<TPrnPrvDlg> preview_;
};

void TestCouponPreview::init() {
    QVERIFY(home_.isValid());
    setProgramDir(home_.path());
    QLocale::setDefault(QLocale::c());
    store_ = std::make_unique<MemorySettings>();
    ctx_ = std::make_unique<AppContext>(*store_);
    preview_ = std::make_unique<TPrnPrvDlg>(*ctx_);
    ctx_->prnPrvDlg = preview_.get();
}

void TestCouponPreview::cleanup() {
    preview_.reset();
    ctx_.reset();
    store_.reset();
    setProgramDir(QString());
}

void TestCouponPreview::openingRefusesWhatHasNoCoupons() {
    test::ScriptedDialogs dialogs;
    bool asked = false;
    const CouponSourceChoice ask = [&asked] {
        asked = true;
        return std::optional(coupons::CouponSource::Plain);
    };
    ctx_->game.Paixnidi = "ΣΚΟΡ 9";
    ctx_->game.Kourses = 9;
    ctx_->game.Sthles = counted(9, {{1, 2, 3, 4, 5, 6, 7, 8, 9}});
    showCoupons(*ctx_, nullptr, ask, QString());
    ctx_->game.Paixnidi = "ΣΚΟΡ 6";
    ctx_->game.Kourses = 6;
    ctx_->game.Sthles = counted(6, {});
    showCoupons(*ctx_, nullptr, ask, QString());
    QCOMPARE(dialogs.messages(), (QStringList{qs(texts::kNoCouponsFor9), qs(texts::kCountFirst)}));
    QVERIFY(!asked);

    // A counting larger than the list keeps gives no coupons, plain or gathered.
    ctx_->game.Sthles.reset(6, 1);
    ctx_->game.Sthles.append(std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6});
    ctx_->game.Sthles.addUnstored(5);
    showCoupons(*ctx_, nullptr, ask, QString());
    QVERIFY(dialogs.messages().last().contains(
        QStringLiteral("Δεν γίνονται δελτία για μέρος μόνο του συστήματος")));
    QVERIFY(!preview_->isVisible());
}

void TestCouponPreview::openingMakesPlainOrGatheredCouponsAndShowsTheFirst() {
    test::ScriptedDialogs dialogs;
    ctx_->game.Paixnidi = "ΣΚΟΡ 4";
    ctx_->game.Kourses = 4;
    ctx_->game.Sthles = counted(4, {{1, 3, 5, 7}, {1, 3, 5, 8}, {2, 4, 6, 9}});
    QStringList seen;
    auto look = [this, &seen] {
        test::whenModal<QWidget>([this, &seen](QWidget*) {
            seen << preview_->bandText() << preview_->heading() << preview_->grid()->item(4, 1)->text();
            preview_->returnButton()->click();
        });
    };
    showCoupons(*ctx_, nullptr, choice(std::nullopt), QString());  // cancelled: nothing opens
    QCOMPARE(preview_->count(), 0);

    look();
    showCoupons(*ctx_, nullptr, choice(coupons::CouponSource::Plain), QStringLiteral("ΣΥ2"));
    QCOMPARE(preview_->count(), 3);
    look();
    showCoupons(*ctx_, nullptr, choice(coupons::CouponSource::Gathered), QStringLiteral("ΣΥ2"));
    QCOMPARE(preview_->count(), 2);
    QCOMPARE(seen, (QStringList{QStringLiteral("ΣΚΟΡ 4"), QStringLiteral("ΔΕΛΤΙΟ 1 ΑΠΟ 3 ΚΟΣΤΟΣ :1.50"),
                                QStringLiteral("7"), QStringLiteral("ΣΚΟΡ 4"),
                                QStringLiteral("ΔΕΛΤΙΟ 1 ΑΠΟ 2 ΚΟΣΤΟΣ :3.00"), QStringLiteral("7,8")}));
    QCOMPARE(preview_->grid()->rowCount(), 5);
    QCOMPARE(preview_->grid()->item(2, 0)->text(), QStringLiteral("2"));
    QVERIFY(dialogs.messages().isEmpty());
}

void TestCouponPreview::theChoiceDialogOffersGatheredCoupons() {
    test::ScriptedDialogs dialogs;
    TSelSthDlg choice;
    ctx_->selSthDlg = &choice;
    choice.select(ColumnsChoice::Plain);
    ctx_->game.Paixnidi = "ΣΚΟΡ 4";
    ctx_->game.Kourses = 4;
    ctx_->game.Sthles = counted(4, {{1, 3, 5, 7}, {1, 3, 5, 8}});
    QString caption;
    bool gatheredOffered = false;
    test::whenModal<QWidget>([&](QWidget* modal) {
        caption = modal->windowTitle();
        gatheredOffered = choice.selected() == ColumnsChoice::Gathered;
        test::whenModal<QWidget>([this](QWidget*) { preview_->returnButton()->click(); });
        choice.okButton()->click();
    });
    showCoupons(*ctx_, nullptr, QString());
    QCOMPARE(caption, QStringLiteral("ΔΕΛΤΙΑ ΓΙΑ"));
    QVERIFY(gatheredOffered);
    QCOMPARE(preview_->Deltia(), (CouponList{{"1", "3", "5", "7,8"}}));
}

void TestCouponPreview::tetraploAsksTheRaceNumber() {
    test::ScriptedDialogs dialogs;
    ctx_->game.Paixnidi = "ΤΕΤΡΑΠΛΟ";
    ctx_->game.Kourses = 4;
    ctx_->game.Sthles = counted(4, {{1, 2, 3, 4}});
    for (const std::optional<QString>& bad :
         {std::optional<QString>(), std::optional(QString()), std::optional(QStringLiteral("δύο"))}) {
        dialogs.answerInput(bad);
        showCoupons(*ctx_, nullptr, choice(coupons::CouponSource::Plain), QString());
        QCOMPARE(dialogs.messages().last(), qs(texts::kBadRaceNumber));
    }
    QCOMPARE(dialogs.shown[0].caption, QStringLiteral("ΑΡΙΘΜΟΣ ΙΠΠΟΔΡΟΜΙΑΣ"));
    QCOMPARE(dialogs.shown[0].text, QStringLiteral("Δώστε αριθμό Iπποδρομίας"));
    QCOMPARE(preview_->count(), 0);

    QString band;
    test::whenModal<QWidget>([this, &band](QWidget*) {
        band = preview_->bandText();
        preview_->returnButton()->click();
    });
    dialogs.answerInput(QStringLiteral("7"));
    showCoupons(*ctx_, nullptr, choice(coupons::CouponSource::Plain), QString());
    QCOMPARE(band, QStringLiteral("ΤΕΤΡΑΠΛΟ  IΠ/ΜΙΑ : 7"));
    QCOMPARE(preview_->raceNumber(), 7);
}

void TestCouponPreview::headingShowsTheCouponsCostAndFindMovesOnlyToACoupon() {
    test::ScriptedDialogs dialogs;
    CouponList coupons = fiveCoupons(4);
    coupons[2] = {"1,2", "3", "4,5,6", "7"};  // 6 columns at 1.5
    prepare("ΣΚΟΡ 4", 4, coupons);
    QCOMPARE(preview_->current(), 1);
    preview_->previousButton()->click();
    QCOMPARE(preview_->current(), 1);
    for (const std::optional<QString>& nothing :
         {std::optional(QString()), std::optional(QStringLiteral("0")), std::optional(QStringLiteral("6")),
          std::optional<QString>()}) {
        dialogs.answerInput(nothing);
        preview_->findButton()->click();
        QCOMPARE(preview_->current(), 1);
    }
    QVERIFY(dialogs.messages().isEmpty());
    dialogs.answerInput(QStringLiteral("3"));
    preview_->findButton()->click();
    QCOMPARE(preview_->heading(), QStringLiteral("ΔΕΛΤΙΟ 3 ΑΠΟ 5 ΚΟΣΤΟΣ :9.00"));
    QCOMPARE(preview_->grid()->item(3, 1)->text(), QStringLiteral("4,5,6"));
    QCOMPARE(dialogs.shown.last().caption, QStringLiteral("Μετακίνηση σε"));
    QCOMPARE(dialogs.shown.last().text, QStringLiteral("Δώστε αριθμό δελτίου :"));

    dialogs.answerInput(QStringLiteral("x"));
    preview_->findButton()->click();
    QCOMPARE(dialogs.messages(), QStringList{QStringLiteral("'x' is not a valid integer value")});
    QCOMPARE(preview_->current(), 3);

    // The separator follows the user's locale.
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    preview_->nextButton()->click();
    preview_->previousButton()->click();
    QCOMPARE(preview_->heading(), QStringLiteral("ΔΕΛΤΙΟ 3 ΑΠΟ 5 ΚΟΣΤΟΣ :9,00"));
    QLocale::setDefault(QLocale::c());
}

void TestCouponPreview::tetraploPrintsTwoCouponsAFormAndMovesOnTwo() {
    test::ScriptedDialogs dialogs;
    test::PdfForms output(home_.path());
    const CouponList coupons = fiveCoupons(4);
    prepare("ΤΕΤΡΑΠΛΟ", 4, coupons, 13);
    for (int press = 1; press <= 3; ++press) {
        preview_->printButton()->click();
        QCOMPARE(dialogs.messages().size(), press == 3 ? 1 : 0);
    }
    QCOMPARE(dialogs.messages().last(), qs(texts::kFinished));
    QCOMPARE(preview_->current(), 5);
    const std::vector<std::vector<int>> pairs{{1, 2}, {3, 4}, {5}};
    QCOMPARE(output.couponsOnForms(coupons), pairs);
    QCOMPARE(output.forms[1].couponNumber, 3);
    QCOMPARE(output.forms[1].raceNumber, 13);
    QCOMPARE(output.forms[1].meeting, std::string("ΣΥ1"));
    QCOMPARE(output.forms[1].cost, 1.5 * 16);
    for (int f = 1; f <= 3; ++f) {
        const test::PdfPages pdf = test::readPdfPages(output.file(f));
        QCOMPARE(pdf.pages, 1);
        QVERIFY(pdf.allDrawText());
    }
    if (const QByteArray keep = qgetenv("QUINTARO_KEEP_PRINTS"); !keep.isEmpty()) {
        QFile::copy(home_.filePath(QStringLiteral("form_1.pdf")),
                    QString::fromLocal8Bit(keep) + QStringLiteral("/coupon_tetraplo.pdf"));
    }

    // Printing all prints the same three forms after its confirmation, and stays on the coupon shown.
    dialogs.answerNo();
    preview_->printAllButton()->click();
    QCOMPARE(output.forms.size(), std::size_t{3});
    QCOMPARE(dialogs.shown.last().caption, QStringLiteral("ΕΠΙΒΕΒΑΙΩΣΗ"));
    QCOMPARE(dialogs.shown.last().text, qs(texts::kConfirmAll));
    dialogs.answerYes();
    preview_->printAllButton()->click();
    const std::vector<std::vector<int>> twice{{1, 2}, {3, 4}, {5}, {1, 2}, {3, 4}, {5}};
    QCOMPARE(output.couponsOnForms(coupons), twice);
    QCOMPARE(preview_->current(), 5);
    QVERIFY(preview_->isEnabled());
    QVERIFY(dialogs.unexpected.isEmpty());
}

void TestCouponPreview::skorPrintsOneCouponAFormAndEndsAtTheLast() {
    test::ScriptedDialogs dialogs;
    test::PdfForms output(home_.path());
    const CouponList coupons = fiveCoupons(6);
    prepare("ΣΚΟΡ 6", 6, coupons);
    preview_->printButton()->click();
    QCOMPARE(preview_->current(), 2);
    dialogs.answerInput(QStringLiteral("5"));
    preview_->findButton()->click();
    preview_->printButton()->click();
    QCOMPARE(dialogs.messages(), QStringList{qs(texts::kFinished)});
    QCOMPARE(preview_->current(), 5);
    QCOMPARE(output.couponsOnForms(coupons), (std::vector<std::vector<int>>{{1}, {5}}));
    QVERIFY(output.kinds == std::vector<coupons::FormKind>(2, coupons::FormKind::Skor));
    if (const QByteArray keep = qgetenv("QUINTARO_KEEP_PRINTS"); !keep.isEmpty()) {
        QFile::copy(home_.filePath(QStringLiteral("form_1.pdf")),
                    QString::fromLocal8Bit(keep) + QStringLiteral("/coupon_skor6.pdf"));
    }

    // A damaged default layout abandons the form without a message; the preview still moves on.
    QDir().mkpath(layoutFolder(coupons::FormKind::Skor));
    QFile damaged(layoutFolder(coupons::FormKind::Skor) + QStringLiteral("/default.fpr"));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("short");
    damaged.close();
    preview_->previousButton()->click();
    preview_->printButton()->click();
    QCOMPARE(output.forms.size(), std::size_t{2});
    QCOMPARE(dialogs.messages().size(), 1);
    QCOMPARE(preview_->current(), 5);
}

void TestCouponPreview::couponsWithHorsesWithoutABoxAreNotPrinted() {
    test::ScriptedDialogs dialogs;
    test::PdfForms output(home_.path());
    CouponList coupons = fiveCoupons(4);
    coupons[1][2] = "3,19";
    prepare("ΣΚΟΡ 4", 4, coupons);
    preview_->nextButton()->click();
    QVERIFY(preview_->heading().endsWith(QStringLiteral("[19 ΕΚΤΟΣ ΔΕΛΤΙΟΥ]")));
    QCOMPARE(preview_->grid()->item(0, 1)->toolTip(), qs(coupons::unmarkableCouponText(2, "19")));
    preview_->printButton()->click();
    QCOMPARE(dialogs.messages().last(), qs(coupons::unmarkableCouponText(2, "19")));
    QCOMPARE(preview_->current(), 2);

    // Printing all refuses before it asks.
    preview_->printAllButton()->click();
    QVERIFY(dialogs.messages().last().startsWith(QStringLiteral("Τα δελτία 2 (1 συνολικά)")));
    QVERIFY(output.forms.empty());
    QVERIFY(dialogs.unexpected.isEmpty());
}

void TestCouponPreview::trikastPagesButHasNoForm() {
    test::ScriptedDialogs dialogs;
    test::PdfForms output(home_.path());
    TPrnFrm skorWindow;
    TPrnTetFrm tetWindow;
    ctx_->prnFrm = &skorWindow;
    ctx_->prnTetFrm = &tetWindow;
    prepare("ΤΡΙΚΑΣΤ", 3, fiveCoupons(3));
    QCOMPARE(preview_->bandText(), QStringLiteral("ΤΡΙΚΑΣΤ"));
    preview_->nextButton()->click();
    QCOMPARE(preview_->current(), 2);
    preview_->printButton()->click();
    preview_->printAllButton()->click();
    QCOMPARE(dialogs.messages(), (QStringList{qs(texts::kNoFormForGame), qs(texts::kNoFormForGame)}));
    QCOMPARE(preview_->current(), 2);
    QVERIFY(output.forms.empty());

    QWidget* opened = nullptr;
    test::whenModal<QWidget>([&opened](QWidget* modal) {
        opened = modal;
        if (auto* d = qobject_cast<QDialog*>(modal)) {
            d->reject();
        }
    });
    preview_->settingsButton()->click();
    QCOMPARE(opened, static_cast<QWidget*>(&tetWindow));
}

QTEST_MAIN(TestCouponPreview)
#include "tst_coupon_preview.moc"
