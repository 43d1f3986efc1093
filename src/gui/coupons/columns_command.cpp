#include "gui/coupons/columns_command.h"

#include "core/game/winning_check.h"
#include "gui/app_context.h"
#include "gui/coupons/sel_sth_dlg.h"
#include "gui/coupons/view_res_dlg.h"
#include "gui/coupons/view_res_ex_dlg.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/qt_text.h"

namespace quintaro::gui {

void showColumns(AppContext& context, double countingCost) {
    const auto choice = context.selSthDlg->choose(TSelSthDlg::viewCaption(), std::nullopt);
    if (!choice) {
        return;
    }
    if (!context.game.hasCountedColumns()) {
        showInformation(context.selSthDlg->parentWidget(), qs(check_texts::kNoCounting));
        return;
    }
    if (*choice == ColumnsChoice::Gathered) {
        context.viewResExDlg->showGathered();
    } else {
        context.viewResDlg->showColumns(countingCost);
    }
}

}  // namespace quintaro::gui
