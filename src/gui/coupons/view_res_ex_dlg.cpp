#include "gui/coupons/view_res_ex_dlg.h"

#include <QDate>
#include <QFontMetrics>
#include <QScopeGuard>

#include "core/coupons/column_views.h"
#include "core/game/winning_check.h"
#include "core/print/column_list_printout.h"
#include "core/settings/column_cost.h"
#include "core/settings/holder.h"
#include "core/text/number_text.h"
#include "gui/app_context.h"
#include "gui/app_title.h"
#include "gui/coupons/column_grid.h"
#include "gui/game/info_dial_dlg.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/print_painter.h"
#include "gui/platform/qt_text.h"
#include "gui/platform/window_look.h"

namespace quintaro::gui {

TViewResExDlg::TViewResExDlg(AppContext& context, QWidget* parent)
    : ColumnListWindow(context, QStringLiteral("ViewResExDlg"), column_view_texts::kGatheredCaption,
                       QSize(537, 279), parent) {}

bool TViewResExDlg::Mazema() {
    const auto searchEnds = qScopeGuard([this] { searchMode_ = false; });
    CurrentGame& game = ctx_.game;
    double price = 0;
    try {
        price = readColumnCost(ctx_.settings, game.Paixnidi, decimalSeparator());
        coupons_ = quintaro::Mazema(game.Sthles);
    } catch (const GatheringRefused& e) {
        showWarning(this, qs(e.what()));
        return false;
    } catch (const std::exception& e) {
        showError(this, qs(e.what()));
        return false;
    }
    merged_ = game.Sthles.size();
    cost_ = price * static_cast<double>(merged_);
    fillGrid();
    setWindowTitle(qs(gatheredListCaption(merged_, coupons_.size(), cost_, decimalSeparator())));
    if (searchMode_) {
        showSearchResult();
    }
    return true;
}

void TViewResExDlg::fillGrid() {
    const int races = ctx_.game.Sthles.races();
    // Every coupon column as wide as the longest list, at least 25 pixels.
    std::size_t longest = 0;
    QString widest;
    for (const TsSthlh& coupon : coupons_) {
        for (const std::string& list : coupon) {
            if (list.size() > longest) {
                longest = list.size();
                widest = qs(list);
            }
        }
    }
    const int width = std::max(25, SGrd->fontMetrics().horizontalAdvance(widest) + 8);
    SGrd->fill(
        static_cast<int>(coupons_.size()) + 1, races + 1,
        [this, races](int c, int r) { return gatheredListCell(coupons_, races, c, r); }, width);
}

void TViewResExDlg::showGathered() {
    searchMode_ = false;
    if (!Mazema()) {
        return;
    }
    centreOnScreen(this);
    exec();
}

void TViewResExDlg::FindDeltio(const std::vector<std::uint8_t>& winning) {
    winning_ = winning;
    searchMode_ = true;
    Mazema();
}

void TViewResExDlg::showSearchResult() {
    const auto coupon = quintaro::FindDeltio(coupons_, winning_);
    if (ctx_.infoDialDlg) {
        ctx_.infoDialDlg->showResult(gatheredCheckResult(ctx_.game.Paixnidi, coupon, winning_));
    }
}

void TViewResExDlg::done(int result) {
    searchMode_ = false;
    QDialog::done(result);
}

print::PrintJob TViewResExDlg::printJob(const print::PageMetrics& page) {
    const QDate today = QDate::currentDate();
    print::GatheredListPrintout printout;
    printout.coupons = &coupons_;
    printout.holder = readHolderForPrintout(ctx_.settings);
    printout.title = print::gatheredListTitle(us(appTitle()), us(windowTitle()),
                                              print::slashDate(today.day(), today.month(), today.year()));
    printout.headingFont = printFont(Panel1->font());
    printout.gridFont = printFont(SGrd->font());
    return print::gatheredListJob(page, printout);
}

}  // namespace quintaro::gui
