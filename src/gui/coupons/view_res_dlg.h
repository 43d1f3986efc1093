#pragma once
// The plain column list "ΣΤΗΛΕΣ ΑΠΛΕΣ": every counted column as one column of a grid (the race numbers on
// the left, the column numbers above), with its count and cost in the caption, and its printout.

#include "core/game/column_list.h"
#include "gui/coupons/column_list_window.h"

namespace quintaro::gui {

class TViewResDlg : public ColumnListWindow {
    Q_OBJECT
public:
    explicit TViewResDlg(AppContext& context, QWidget* parent = nullptr);

    // Fills the list from the current game's counted columns; the caption gives the columns found and the
    // cost of the last counting.
    void fill(double countingCost);

    // Fills the list and shows it modally.
    void showColumns(double countingCost);

protected:
    // The list printed in bands.
    print::PrintJob printJob(const print::PageMetrics& page) override;

private:
    ColumnList columns_;  // the columns shown, as the last filling found them
};

}  // namespace quintaro::gui
