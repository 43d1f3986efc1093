#include "support/column_windows.h"

#include <QPushButton>
#include <cstdint>

#include "support/modal_driver.h"

namespace quintaro::gui::test {

ColumnWindows::ColumnWindows() {
    ctx.selSthDlg = &sel;
    ctx.viewResDlg = &plain;
    ctx.viewResExDlg = &gathered;
    ctx.dialoghSelDlg = &entry;
    ctx.infoDialDlg = &info;
    ctx.game.Paixnidi = "ΣΚΟΡ 4";
    ctx.game.Kourses = 4;
    ctx.game.Sthles.reset(4);
}

void ColumnWindows::count(const std::vector<std::vector<int>>& columns) {
    ctx.game.Sthles.reset(4);
    for (const auto& c : columns) {
        ctx.game.Sthles.append(std::vector<std::uint8_t>(c.begin(), c.end()));
    }
}

void choose(ColumnsChoice choice) {
    whenModal<TSelSthDlg>([choice](TSelSthDlg* dlg) {
        dlg->select(choice);
        dlg->okButton()->click();
    });
}

}  // namespace quintaro::gui::test
