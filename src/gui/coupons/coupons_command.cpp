#include "gui/coupons/coupons_command.h"

#include <QApplication>

#include "core/settings/column_cost.h"
#include "core/text/number_text.h"
#include "gui/app_context.h"
#include "gui/coupons/prn_prv_dlg.h"
#include "gui/coupons/sel_sth_dlg.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/qt_text.h"

namespace quintaro::gui {

void showCoupons(AppContext& ctx, QWidget* parent, const CouponSourceChoice& choose, const QString& meeting) {
    namespace texts = coupons::preview_texts;
    if (const auto refusal = coupons::openingRefusal(ctx.game)) {
        showInformation(parent, qs(*refusal));
        return;
    }
    const std::optional<coupons::CouponSource> source = choose();
    if (!source) {
        return;
    }
    int raceNumber = 0;
    if (coupons::asksRaceNumber(ctx.game.Paixnidi)) {
        const auto answer =
            dialogs().input(parent, qs(texts::kRaceNumberCaption), qs(texts::kRaceNumberPrompt), QString());
        const auto number = coupons::parseRaceNumber(us(answer.value_or(QString())));
        if (!number) {
            showInformation(parent, qs(texts::kBadRaceNumber));
            return;
        }
        raceNumber = *number;
    }
    double price = 0;
    try {
        price = readColumnCost(ctx.settings, ctx.game.Paixnidi, decimalSeparator());
    } catch (const ConversionError& e) {
        showError(parent, qs(e.what()));
        return;
    }
    CouponList coupons;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        coupons = coupons::makeDeltia(ctx.game.Sthles, *source);
    } catch (const std::runtime_error& e) {
        // A counting larger than the list keeps gives no coupons.
        QApplication::restoreOverrideCursor();
        showWarning(parent, qs(e.what()));
        return;
    }
    QApplication::restoreOverrideCursor();
    if (ctx.prnPrvDlg) {
        ctx.prnPrvDlg->preview(std::move(coupons), raceNumber, meeting, price);
    }
}

void showCoupons(AppContext& ctx, QWidget* parent, const QString& meeting) {
    const CouponSourceChoice choose = [&ctx]() -> std::optional<coupons::CouponSource> {
        if (!ctx.selSthDlg) {
            return std::nullopt;
        }
        const auto choice = ctx.selSthDlg->choose(TSelSthDlg::couponsCaption(), ColumnsChoice::Gathered);
        if (!choice) {
            return std::nullopt;
        }
        return *choice == ColumnsChoice::Gathered ? coupons::CouponSource::Gathered
                                                  : coupons::CouponSource::Plain;
    };
    showCoupons(ctx, parent, choose, meeting);
}

}  // namespace quintaro::gui
