#pragma once
// The entry of the winning column "ΕΙΣΑΓΩΓΗ ΝΙΚΗΤΡΙΑΣ ΣΤΗΛΗΣ": a grid of races by distinct horses in which
// the user marks the winner of each race. Horses that run in a race show a mark picture, chosen or not;
// a click on a horse's header applies to that horse in every race. The last entry is kept for the same
// horses.

#include <QDialog>

#include "core/game/current_game.h"
#include "core/game/winning_check.h"

class QPushButton;
class QTableWidget;

namespace quintaro::gui {

class TDialoghSelDlg : public QDialog {
    Q_OBJECT
public:
    explicit TDialoghSelDlg(QWidget* parent = nullptr);

    // Lays the grid out for the current game (keeping the marks for the same horses) and shows the dialog
    // modally. True when the user confirmed a valid winning column.
    bool enter(const CurrentGame& game);

    // Lays the grid out without showing the dialog.
    void prepare(const CurrentGame& game);

    // A mouse button released over grid cell (column, row): row 0 is the horses' header, column 0 the races.
    void SgrdMouseUp(int column, int row);

    // "&OK": accepts a valid winning column, otherwise says that it is wrong and stays open.
    void BtnOkClick();

    const WinningEntryMarks& marks() const { return marks_; }
    QTableWidget* grid() const { return Sgrd; }
    QPushButton* okButton() const { return BtnOk; }
    QPushButton* cancelButton() const { return BtnCancel; }

private:
    void showMarks();

    WinningEntryMarks marks_;
    QTableWidget* Sgrd;
    QPushButton* BtnOk;
    QPushButton* BtnCancel;
};

}  // namespace quintaro::gui
