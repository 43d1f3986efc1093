#include "gui/game/winning_check_command.h"

#include "core/game/winning_check.h"
#include "gui/app_context.h"
#include "gui/coupons/sel_sth_dlg.h"
#include "gui/coupons/view_res_ex_dlg.h"
#include "gui/game/dialogh_sel_dlg.h"
#include "gui/game/info_dial_dlg.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/qt_text.h"

namespace quintaro::gui {

void runWinningCheck(AppContext& context) {
    CurrentGame& game = context.game;
    if (!game.hasCountedColumns()) {
        showInformation(context.dialoghSelDlg->parentWidget(), qs(check_texts::kNoCounting));
        return;
    }
    try {
        if (!context.dialoghSelDlg->enter(game)) {
            return;
        }
        const auto choice = context.selSthDlg->choose(TSelSthDlg::checkCaption(), ColumnsChoice::Plain);
        if (!choice) {
            return;
        }
        const std::vector<std::uint8_t> winning = context.dialoghSelDlg->marks().winningColumn();
        if (*choice == ColumnsChoice::Plain) {
            context.infoDialDlg->showResult(
                plainCheckResult(game.Paixnidi, game.Kourses, checkPlain(game.Sthles, winning), winning));
        } else {
            context.viewResExDlg->FindDeltio(winning);
        }
    } catch (const std::exception& e) {
        // Not swallowed: a check that cannot answer says why.
        showError(context.dialoghSelDlg->parentWidget(), qs(e.what()));
    }
}

}  // namespace quintaro::gui
