#pragma once
// The result of the winning-column check: a picture (a win or not), the message in bold, and a framed panel
// with the winning column and a second line (the near misses of the plain check).

#include <QDialog>

#include "core/game/winning_check.h"

class QLabel;
class QPushButton;

namespace quintaro::gui {

class TInfoDialDlg : public QDialog {
    Q_OBJECT
public:
    explicit TInfoDialDlg(QWidget* parent = nullptr);

    // Fills the window with the result and shows it modally.
    void showResult(const CheckResult& result);
    void fill(const CheckResult& result);

    bool showsWin() const { return win_; }
    QString message() const;
    QString winningLine() const;
    QString secondLine() const;
    QPushButton* okButton() const { return BtnOk; }

private:
    bool win_ = false;
    QLabel* Image1;
    QLabel* Label1;  // the message
    QLabel* Label2;  // "Νικήτρια :"
    QLabel* Label3;  // the winning column
    QLabel* Label4;  // the second line
    QPushButton* BtnOk;
};

}  // namespace quintaro::gui
