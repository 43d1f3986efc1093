#pragma once
// The gathered columns "ΜΑΖΕΜΑ ΣΤΗΛΩΝ ": the counted columns gathered into coupons, one grid column per
// coupon, with the count of columns and coupons and the cost in the caption, and its printout. The same
// gathering serves the winning-column check, which searches the coupon that holds a winning column
// without showing the window.

#include <cstdint>
#include <vector>

#include "core/game/gathering.h"
#include "gui/coupons/column_list_window.h"

namespace quintaro::gui {

class TViewResExDlg : public ColumnListWindow {
    Q_OBJECT
public:
    explicit TViewResExDlg(AppContext& context, QWidget* parent = nullptr);

    // `Mazema` for the window: gathers the current game's counted columns afresh and fills the grid, the
    // merged count, the cost and the caption; in search mode it then reports the coupon of the winning
    // column in the result window. False when the gathering could not run (a counting larger than the
    // kept columns, a column price that is not a number); its message has been shown.
    bool Mazema();

    // "&ΣΤΗΛΕΣ" with the gathered columns chosen: search mode off, gather, show the window modally.
    void showGathered();

    // The gathered check: stores the winning column (one horse per race), turns the search mode on and
    // gathers; the window is not shown. The result window's answer is the coupon that holds the column.
    void FindDeltio(const std::vector<std::uint8_t>& winning);

    bool searchMode() const { return searchMode_; }
    const CouponList& coupons() const { return coupons_; }
    std::int64_t mergedCount() const { return merged_; }
    double cost() const { return cost_; }

protected:
    // `FormClose`: the search mode ends with the window.
    void done(int result) override;
    // One line per coupon.
    print::PrintJob printJob(const print::PageMetrics& page) override;

private:
    void fillGrid();
    void showSearchResult();

    CouponList coupons_;
    std::int64_t merged_ = 0;
    double cost_ = 1.0;
    bool searchMode_ = false;
    std::vector<std::uint8_t> winning_;
};

}  // namespace quintaro::gui
