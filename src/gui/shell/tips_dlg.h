#pragma once
// The tips dialog ("Πληροφορία της Ημέρας"): one tip at a time, drawn at random at every showing and by
// "&Επόμενη", and the check box that decides whether the tips appear at start-up. Every closing, by either
// button, Esc or the close box, writes the check box back to ShowTips.

#include "gui/tools/tool_dialog.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace quintaro::gui {

struct AppContext;

class TTipsDlg : public ToolDialog {
    Q_OBJECT
public:
    explicit TTipsDlg(AppContext& context, QWidget* parent = nullptr);

    int currentTip() const { return tip_; }
    QLabel* tipLabel() const { return LblTip; }
    QCheckBox* showTipsBox() const { return ChkShowTips; }
    QPushButton* nextButton() const { return BtnNext; }
    QPushButton* closeButton() const { return BtnClose; }

    // How many times the dialog has been shown in this run.
    int timesShown() const { return timesShown_; }

    void done(int result) override;

signals:
    void tipShown(int number);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void pickTip();

    AppContext& ctx_;
    QLabel* LblTip;
    QCheckBox* ChkShowTips;
    QPushButton* BtnNext;
    QPushButton* BtnClose;
    int tip_ = 0;
    int timesShown_ = 0;
};

}  // namespace quintaro::gui
