#pragma once
// The gathered columns "ΜΑΖΕΜΑ ΣΤΗΛΩΝ ": the counted columns gathered into coupons, one grid column per
// coupon, with the count of columns and coupons and the cost in the caption, and its printout. The same
// gathering serves the winning-column check, which searches the coupon that holds a winning column
// without showing the window.

#include <QDialog>
#include <cstdint>
#include <vector>

#include "core/game/gathering.h"

class QPushButton;

namespace quintaro::gui {

struct AppContext;
class ColumnGrid;

class TViewResExDlg : public QDialog {
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

    // "&ΕΚΤΥΠΩΣΗ": the print dialog, then one line per coupon.
    void BitBtn1Click();

    bool searchMode() const { return searchMode_; }
    const CouponList& coupons() const { return coupons_; }
    std::int64_t mergedCount() const { return merged_; }
    double cost() const { return cost_; }

    ColumnGrid* grid() const { return SGrd; }
    QString cell(int column, int row) const;
    QPushButton* printButton() const { return BitBtn1; }
    QPushButton* returnButton() const { return BitBtn2; }

protected:
    // `FormClose`: the search mode ends with the window.
    void done(int result) override;

private:
    void fillGrid();
    void showSearchResult();

    AppContext& ctx_;
    CouponList coupons_;
    std::int64_t merged_ = 0;
    double cost_ = 1.0;
    bool searchMode_ = false;
    std::vector<std::uint8_t> winning_;
    ColumnGrid* SGrd;
    QWidget* Panel1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
};

}  // namespace quintaro::gui
