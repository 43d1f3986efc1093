#pragma once
// The plain column list "ΣΤΗΛΕΣ ΑΠΛΕΣ": every counted column as one column of a grid (the race numbers on
// the left, the column numbers above), with its count and cost in the caption, and its printout.

#include <QDialog>

#include "core/game/column_list.h"

class QPushButton;
class QWidget;

namespace quintaro::gui {

struct AppContext;
class ColumnGrid;

class TViewResDlg : public QDialog {
    Q_OBJECT
public:
    explicit TViewResDlg(AppContext& context, QWidget* parent = nullptr);

    // Fills the list from the current game's counted columns; the caption gives the columns found and the
    // cost of the last counting.
    void fill(double countingCost);

    // Fills the list and shows it modally.
    void showColumns(double countingCost);

    // "&ΕΚΤΥΠΩΣΗ": the print dialog, then the list printed in bands.
    void BitBtn1Click();

    ColumnGrid* grid() const { return SGrd; }
    QString cell(int column, int row) const;
    QPushButton* printButton() const { return BitBtn1; }
    QPushButton* returnButton() const { return BitBtn2; }

private:
    AppContext& ctx_;
    ColumnList columns_;  // the columns shown, as the last filling found them
    ColumnGrid* SGrd;
    QWidget* Panel1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
};

}  // namespace quintaro::gui
