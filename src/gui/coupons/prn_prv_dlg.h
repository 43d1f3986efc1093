#pragma once
// The coupon preview: one coupon at a time with its heading and cost, paging through the coupons, and
// printing them onto the operator's coupon forms (one "ΣΚΟΡ" coupon or two "ΤΕΤΡΑΠΛΟ" coupons a form).

#include <QDialog>

#include "core/coupons/coupon_form.h"
#include "core/coupons/coupon_preview.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QWidget;

namespace quintaro::gui {

struct AppContext;

class TPrnPrvDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPrnPrvDlg(AppContext& context, QWidget* parent = nullptr);

    // Replaces the coupons: `Deltia`, m, the race number (for "ΤΕΤΡΑΠΛΟ"), the meeting of the new-game
    // dialog ("ΣΥ1", "ΣΥ2" or empty) and the price of one column. The next showing starts at coupon 1.
    void setCoupons(CouponList coupons, int raceNumber, const QString& meeting, double columnPrice);

    // setCoupons, then the window modally.
    int preview(CouponList coupons, int raceNumber, const QString& meeting, double columnPrice);

    // The handlers.
    void FormShow();
    void SpeedButton1Click();  // previous
    void SpeedButton2Click();  // next
    void SpeedButton3Click();  // find
    void BitBtn2Click();       // print the current coupon (two on a "ΤΕΤΡΑΠΛΟ" form) and move on
    void BitBtn3Click();       // print every coupon
    void BitBtn4Click();       // the printer layout window of the form

    const CouponList& Deltia() const { return Deltia_; }
    int current() const { return paging_.current(); }
    int count() const { return paging_.count(); }
    int raceNumber() const { return raceNumber_; }
    QString bandText() const;
    QString heading() const;  // row 0 of column 1
    QTableWidget* grid() const { return SGrd; }

    QPushButton* previousButton() const { return SpeedButton1; }
    QPushButton* nextButton() const { return SpeedButton2; }
    QPushButton* findButton() const { return SpeedButton3; }
    QPushButton* printButton() const { return BitBtn2; }
    QPushButton* printAllButton() const { return BitBtn3; }
    QPushButton* settingsButton() const { return BitBtn4; }
    QPushButton* returnButton() const { return BitBtn1; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showCoupon(int n);
    coupons::CouponFormContent formContent(const std::vector<int>& couponsOnForm) const;
    bool refuseUnprintable(const std::vector<int>& couponNumbers);

    AppContext& ctx_;
    CouponList Deltia_;
    coupons::CouponPaging paging_;
    int raceNumber_ = 0;
    QString meeting_;
    double columnPrice_ = 0;

    QLabel* Panel2;
    QTableWidget* SGrd;
    QWidget* Panel1;
    QPushButton* SpeedButton1;
    QPushButton* SpeedButton2;
    QPushButton* SpeedButton3;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
    QPushButton* BitBtn4;
    QPushButton* BitBtn1;
};

}  // namespace quintaro::gui
