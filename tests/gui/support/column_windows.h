#pragma once
// The windows that show and check counted columns (the choice dialog, the plain list, the gathered columns,
// the winning-column entry and its result window) over a context of their own, with a "ΣΚΟΡ 4" game whose
// counted columns a test fills directly; and the answer to the choice dialog.

#include <vector>

#include "core/settings/memory_settings.h"
#include "gui/app_context.h"
#include "gui/coupons/sel_sth_dlg.h"
#include "gui/coupons/view_res_dlg.h"
#include "gui/coupons/view_res_ex_dlg.h"
#include "gui/game/dialogh_sel_dlg.h"
#include "gui/game/info_dial_dlg.h"

namespace quintaro::gui::test {

struct ColumnWindows {
    MemorySettings store;
    AppContext ctx{store};
    TSelSthDlg sel;
    TViewResDlg plain{ctx};
    TViewResExDlg gathered{ctx};
    TDialoghSelDlg entry;
    TInfoDialDlg info;

    ColumnWindows();

    // The counted columns become exactly these, in this order.
    void count(const std::vector<std::vector<int>>& columns);
};

// Answers the next choice dialog with `choice` and its OK button.
void choose(ColumnsChoice choice);

}  // namespace quintaro::gui::test
