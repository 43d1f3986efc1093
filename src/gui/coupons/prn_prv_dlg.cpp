#include "gui/coupons/prn_prv_dlg.h"

#include <QApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/coupons/coupon_form.h"
#include "core/text/number_text.h"
#include "gui/app_context.h"
#include "gui/coupons/coupon_printing.h"
#include "gui/coupons/printer_layout_window.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/qt_text.h"
#include "gui/platform/window_look.h"

namespace quintaro::gui {
namespace {

namespace texts = coupons::preview_texts;

QPushButton* button(const QString& caption, const QString& name, const QString& hint, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

QTableWidgetItem* fixedCell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setBackground(QApplication::palette().button());
    return item;
}

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

TPrnPrvDlg::TPrnPrvDlg(AppContext& context, QWidget* parent)
    : QDialog(parent),
      ctx_(context),
      Panel2(new QLabel(this)),
      SGrd(new QTableWidget(this)),
      Panel1(new QWidget(this)),
      SpeedButton1(button(QStringLiteral("ΠΡΟΗΓΟΥΜΕΝΟ"), QStringLiteral("SpeedButton1"),
                          QStringLiteral("ΠΡΟΗΓΟΥΜΕΝΟ ΔΕΛΤΙΟ"), Panel1)),
      SpeedButton2(button(QStringLiteral("ΕΠΟΜΕΝΟ"), QStringLiteral("SpeedButton2"),
                          QStringLiteral("ΕΠΟΜΕΝΟ ΔΕΛΤΙΟ"), Panel1)),
      SpeedButton3(button(QStringLiteral("ΕΥΡΕΣΗ ΔΕΛΤΙΟΥ"), QStringLiteral("SpeedButton3"),
                          QStringLiteral("ΜΕΤΑΚΙΝΗΣΗ ΣΕ ΔΕΛΤΙΟ"), Panel1)),
      BitBtn2(button(QStringLiteral("Ε&ΚΤΥΠΩΣΗ"), QStringLiteral("BitBtn2"),
                     QStringLiteral("ΕΚΤΥΠΩΣΗ ΔΕΛΤΙΟΥ"), Panel1)),
      BitBtn3(button(QStringLiteral("ΕΚΤΥΠΩΣΗ &ΟΛΩΝ"), QStringLiteral("BitBtn3"),
                     QStringLiteral("ΕΚΤΥΠΩΣΗ ΟΛΩΝ ΤΩΝ ΔΕΛΤΙΩΝ"), Panel1)),
      BitBtn4(button(QStringLiteral("ΡΥΘΜΙΣΕΙΣ ΕΚΤΥΠΩΤΗ"), QStringLiteral("BitBtn4"), QString(), Panel1)),
      BitBtn1(button(QStringLiteral("&ΕΠΙΣΤΡΟΦΗ"), QStringLiteral("BitBtn1"), QString(), Panel1)) {
    setObjectName(QStringLiteral("PrnPrvDlg"));
    setWindowTitle(qs(texts::kCaption));

    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setAutoFillBackground(true);
    QPalette band = Panel2->palette();
    band.setColor(QPalette::Window, QColor(0, 0, 128));
    band.setColor(QPalette::WindowText, Qt::white);
    Panel2->setPalette(band);
    QFont bandFont = Panel2->font();
    bandFont.setBold(true);
    bandFont.setPixelSize(15);
    Panel2->setFont(bandFont);
    Panel2->setAlignment(Qt::AlignCenter);
    Panel2->setFixedHeight(30);

    SGrd->setObjectName(QStringLiteral("SGrd"));
    SGrd->setColumnCount(2);
    SGrd->horizontalHeader()->hide();
    SGrd->verticalHeader()->hide();
    SGrd->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    SGrd->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    SGrd->verticalHeader()->setDefaultSectionSize(20);
    SGrd->setColumnWidth(0, 25);
    SGrd->setColumnWidth(1, 305);
    SGrd->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SGrd->setSelectionMode(QAbstractItemView::NoSelection);

    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* buttons = new QGridLayout(Panel1);
    buttons->addWidget(SpeedButton1, 0, 0);
    buttons->addWidget(SpeedButton2, 0, 1);
    buttons->addWidget(SpeedButton3, 0, 2);
    buttons->addWidget(BitBtn2, 1, 0);
    buttons->addWidget(BitBtn3, 1, 1);
    buttons->addWidget(BitBtn4, 1, 2);
    buttons->addWidget(BitBtn1, 2, 2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel2);
    layout->addWidget(SGrd, 1);
    layout->addWidget(Panel1);
    setFixedSize(380, 377);

    connect(SpeedButton1, &QPushButton::clicked, this, &TPrnPrvDlg::SpeedButton1Click);
    connect(SpeedButton2, &QPushButton::clicked, this, &TPrnPrvDlg::SpeedButton2Click);
    connect(SpeedButton3, &QPushButton::clicked, this, &TPrnPrvDlg::SpeedButton3Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TPrnPrvDlg::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TPrnPrvDlg::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TPrnPrvDlg::BitBtn4Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

void TPrnPrvDlg::setCoupons(CouponList coupons, int raceNumber, const QString& meeting, double columnPrice) {
    Deltia_ = std::move(coupons);
    paging_.reset(static_cast<int>(Deltia_.size()));
    raceNumber_ = raceNumber;
    meeting_ = meeting;
    columnPrice_ = columnPrice;
}

int TPrnPrvDlg::preview(CouponList coupons, int raceNumber, const QString& meeting, double columnPrice) {
    setCoupons(std::move(coupons), raceNumber, meeting, columnPrice);
    return exec();
}

void TPrnPrvDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(this);
    FormShow();
}

void TPrnPrvDlg::FormShow() {
    paintDialogBackground(Panel1);
    Panel2->setText(bandText());
    const int races = ctx_.game.Kourses;
    SGrd->clearContents();
    SGrd->setRowCount(races + 1);
    SGrd->setItem(0, 0, fixedCell(QString()));
    for (int r = 1; r <= races; ++r) {
        SGrd->setItem(r, 0, fixedCell(QString::number(r)));
    }
    paging_.reset(paging_.count());
    showCoupon(1);
}

QString TPrnPrvDlg::bandText() const {
    return qs(coupons::couponBand(ctx_.game.Paixnidi, raceNumber_));
}

QString TPrnPrvDlg::heading() const {
    const QTableWidgetItem* item = SGrd->item(0, 1);
    return item ? item->text() : QString();
}

void TPrnPrvDlg::showCoupon(int n) {
    if (n < 1 || n > paging_.count()) {
        SGrd->setItem(0, 1, fixedCell(QString()));
        return;
    }
    const TsSthlh& coupon = Deltia_[static_cast<std::size_t>(n - 1)];
    for (int r = 1; r < SGrd->rowCount(); ++r) {
        const auto i = static_cast<std::size_t>(r - 1);
        SGrd->setItem(r, 1, cell(i < coupon.size() ? qs(coupon[i]) : QString()));
    }
    // A coupon of a game with a form is told apart when one of its horses has no box on the form.
    const bool hasForm = coupons::formOfGame(ctx_.game.Paixnidi).has_value();
    const auto unmarkable = hasForm ? coupons::unmarkableEntry(coupon) : std::nullopt;
    QTableWidgetItem* heading = fixedCell(qs(coupons::couponHeading(
        n, paging_.count(), coupons::couponCost(coupon, columnPrice_), decimalSeparator(), unmarkable)));
    if (unmarkable) {
        heading->setForeground(Qt::red);
        heading->setToolTip(qs(coupons::unmarkableCouponText(n, *unmarkable)));
    }
    SGrd->setItem(0, 1, heading);
}

void TPrnPrvDlg::SpeedButton1Click() {
    if (paging_.previous()) {
        showCoupon(paging_.current());
    }
}

void TPrnPrvDlg::SpeedButton2Click() {
    if (paging_.next()) {
        showCoupon(paging_.current());
    }
}

void TPrnPrvDlg::SpeedButton3Click() {
    // A cancelled box answers blank, which is coupon 0: nothing moves.
    const QString answer =
        dialogs().input(this, qs(texts::kFindCaption), qs(texts::kFindPrompt), QString()).value_or(QString());
    try {
        if (paging_.find(us(answer))) {
            showCoupon(paging_.current());
        }
    } catch (const ConversionError& e) {
        showError(this, qs(e.what()));
    }
}

coupons::CouponFormContent TPrnPrvDlg::formContent(const std::vector<int>& couponsOnForm) const {
    coupons::CouponFormContent content;
    content.couponNumber = couponsOnForm.front();
    content.first = Deltia_[static_cast<std::size_t>(couponsOnForm.front() - 1)];
    if (couponsOnForm.size() > 1) {
        content.second = Deltia_[static_cast<std::size_t>(couponsOnForm[1] - 1)];
    }
    content.meeting = us(meeting_);
    content.cost = coupons::couponCost(content.first, columnPrice_);
    content.decimalSeparator = decimalSeparator();
    content.raceNumber = raceNumber_;
    return content;
}

bool TPrnPrvDlg::refuseUnprintable(const std::vector<int>& couponNumbers) {
    for (const int c : couponNumbers) {
        if (const auto entry = coupons::unmarkableEntry(Deltia_[static_cast<std::size_t>(c - 1)])) {
            showWarning(this, qs(coupons::unmarkableCouponText(c, *entry)));
            return true;
        }
    }
    return false;
}

void TPrnPrvDlg::BitBtn2Click() {
    const auto form = coupons::formOfGame(ctx_.game.Paixnidi);
    if (!form) {
        showInformation(this, qs(texts::kNoFormForGame));
        return;
    }
    if (paging_.count() == 0) {
        return;
    }
    const coupons::PrintPress press = coupons::printPress(*form, paging_.current(), paging_.count());
    if (refuseUnprintable(press.coupons)) {
        return;
    }
    printCouponForm(*form, formContent(press.coupons));
    if (press.finished) {
        showInformation(this, qs(texts::kFinished));
    }
    for (int i = 0; i < press.moves; ++i) {
        SpeedButton2Click();
    }
}

void TPrnPrvDlg::BitBtn3Click() {
    const auto form = coupons::formOfGame(ctx_.game.Paixnidi);
    if (!form) {
        showInformation(this, qs(texts::kNoFormForGame));
        return;
    }
    if (const std::vector<int> unprintable = coupons::unmarkableCoupons(Deltia_); !unprintable.empty()) {
        showWarning(this, qs(coupons::unmarkableCouponsText(unprintable)));
        return;
    }
    if (!askYesNo(this, qs(texts::kConfirmCaption), qs(texts::kConfirmAll), MessageKind::Information)) {
        return;
    }
    // Printing all cannot be interrupted: the window is busy until the last form has gone to the printer.
    setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (const std::vector<int>& couponsOnForm : coupons::printAllForms(*form, paging_.count())) {
        printCouponForm(*form, formContent(couponsOnForm));
    }
    QApplication::restoreOverrideCursor();
    setEnabled(true);
}

void TPrnPrvDlg::BitBtn4Click() {
    QDialog* window = coupons::layoutWindowOfGame(ctx_.game.Paixnidi) == coupons::FormKind::Skor
                          ? static_cast<QDialog*>(ctx_.prnFrm)
                          : static_cast<QDialog*>(ctx_.prnTetFrm);
    if (window) {
        window->exec();
    }
}

}  // namespace quintaro::gui
