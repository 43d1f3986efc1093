#include "gui/game/game_windows.h"

#include "gui/app_context.h"
#include "gui/game/epiloges_dlg.h"
#include "gui/game/new_diag_dlg.h"
#include "gui/game/paixnidi_frm.h"

namespace quintaro::gui {

void createGameWindows(AppContext& context, QWidget* parent) {
    if (!context.newDiagDlg) {
        context.newDiagDlg = new TNewDiagDlg(context, parent);
    }
    if (!context.paixnidiFrm) {
        context.paixnidiFrm = new TPaixnidiFrm(context, parent);
    }
    if (!context.epilogesDlg) {
        context.epilogesDlg = new TEpilogesDlg(context, parent);
    }
}

}  // namespace quintaro::gui
