#include "gui/coupons/view_res_dlg.h"

#include <QHBoxLayout>
#include <QPrinter>
#include <QPushButton>
#include <QScopeGuard>
#include <QVBoxLayout>

#include "core/coupons/column_views.h"
#include "core/print/column_list_printout.h"
#include "core/settings/holder.h"
#include "gui/app_context.h"
#include "gui/app_title.h"
#include "gui/coupons/column_grid.h"
#include "gui/coupons/window_look.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/print_painter.h"
#include "gui/platform/qt_text.h"

namespace quintaro::gui {

TViewResDlg::TViewResDlg(AppContext& context, QWidget* parent)
    : QDialog(parent),
      ctx_(context),
      SGrd(new ColumnGrid(this)),
      Panel1(new QWidget(this)),
      BitBtn1(new QPushButton(QStringLiteral("&ΕΚΤΥΠΩΣΗ"), Panel1)),
      BitBtn2(new QPushButton(QStringLiteral("&ΕΠΙΣΤΡΟΦΗ"), Panel1)) {
    setObjectName(QStringLiteral("ViewResDlg"));
    setWindowTitle(qs(column_view_texts::kPlainCaption));
    setFixedSize(536, 348);
    SGrd->setObjectName(QStringLiteral("SGrd"));

    paintDialogBackground(Panel1);
    Panel1->setFixedHeight(41);
    auto* buttons = new QHBoxLayout(Panel1);
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(SGrd);
    layout->addWidget(Panel1);

    connect(BitBtn1, &QPushButton::clicked, this, &TViewResDlg::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TViewResDlg::fill(double countingCost) {
    columns_ = ctx_.game.Sthles;
    const int races = columns_.races();
    const int shown = static_cast<int>(columns_.stored());
    SGrd->fill(
        shown + 1, races + 1, [this](int c, int r) { return plainListCell(columns_, c, r); }, 25);
    setWindowTitle(
        qs(plainListCaption(columns_.size(), columns_.stored(), countingCost, decimalSeparator())));
}

void TViewResDlg::showColumns(double countingCost) {
    fill(countingCost);
    centreOnScreen(this);
    exec();
}

QString TViewResDlg::cell(int column, int row) const {
    return SGrd->grid()->cell(column, row);
}

void TViewResDlg::BitBtn1Click() {
    QPrinter printer(QPrinter::HighResolution);
    if (!dialogs().choosePrinter(this, printer)) {
        return;
    }
    setEnabled(false);
    const auto enable = qScopeGuard([this] { setEnabled(true); });

    try {
        print::PlainListPrintout printout;
        printout.columns = &columns_;
        printout.holder = readHolderForPrintout(ctx_.settings);
        printout.title = print::plainListTitle(us(appTitle()), ctx_.game.Paixnidi, us(windowTitle()));
        printout.gridFont = printFont(SGrd->font());
        printout.columnWidth = 25;
        const print::PrintJob job = print::plainListJob(pageMetricsOf(printer), printout);
        const PrintOutcome outcome = playPrintJob(printer, job);
        if (!outcome.ok) {
            showError(this, outcome.error);
        }
    } catch (const std::exception& e) {
        showError(this, qs(e.what()));
    }
}

}  // namespace quintaro::gui
