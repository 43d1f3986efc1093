#include "gui/coupons/view_res_dlg.h"

#include "core/coupons/column_views.h"
#include "core/print/column_list_printout.h"
#include "core/settings/holder.h"
#include "gui/app_context.h"
#include "gui/app_title.h"
#include "gui/coupons/column_grid.h"
#include "gui/platform/print_painter.h"
#include "gui/platform/qt_text.h"
#include "gui/platform/window_look.h"

namespace quintaro::gui {

TViewResDlg::TViewResDlg(AppContext& context, QWidget* parent)
    : ColumnListWindow(context, QStringLiteral("ViewResDlg"), column_view_texts::kPlainCaption,
                       QSize(536, 348), parent) {}

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

print::PrintJob TViewResDlg::printJob(const print::PageMetrics& page) {
    print::PlainListPrintout printout;
    printout.columns = &columns_;
    printout.holder = readHolderForPrintout(ctx_.settings);
    printout.title = print::plainListTitle(us(appTitle()), ctx_.game.Paixnidi, us(windowTitle()));
    printout.gridFont = printFont(SGrd->font());
    printout.columnWidth = 25;
    return print::plainListJob(page, printout);
}

}  // namespace quintaro::gui
