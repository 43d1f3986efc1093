#pragma once
// The column cost settings: the price of one column for each of the six games, read when the dialog is shown
// and written, as typed, when the user saves. Counting, the gathered columns and the coupon preview read
// these prices at each use.

#include <array>

#include "core/settings/column_cost.h"
#include "gui/tools/tool_dialog.h"

class QLineEdit;
class QPushButton;

namespace quintaro::gui {

struct AppContext;

class TRythmiseisDlg : public ToolDialog {
    Q_OBJECT
public:
    explicit TRythmiseisDlg(AppContext& context, QWidget* parent = nullptr);

    // Edit1 .. Edit6 in the order of the games: ΣΚΟΡ 4, ΣΚΟΡ 6, ΣΚΟΡ 9, ΤΕΤΡΑΠΛΟ, ΤΡΙΚΑΣΤ, ΤΡΙΟ.
    QLineEdit* field(int index) const { return edits_[static_cast<std::size_t>(index)]; }
    QPushButton* saveButton() const { return BtnSave; }
    QPushButton* returnButton() const { return BtnReturn; }

    void BtnSaveClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();

    AppContext& ctx_;
    std::array<QLineEdit*, kCostSettings.size()> edits_{};
    QPushButton* BtnSave;
    QPushButton* BtnReturn;
};

}  // namespace quintaro::gui
