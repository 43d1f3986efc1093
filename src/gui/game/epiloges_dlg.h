#pragma once
// The basic editor: a modal dialog in which the user chooses the horses of one basic race by race, and types
// its bounds and group. The game window fills it from a basic column, shows it, and writes the result back.
// The rules live in the core's BasicEditorModel; this window shows the model and passes the clicks on.

#include <QDialog>
#include <array>

#include "core/game/basic_editor_model.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace quintaro::gui {

struct AppContext;
class CellGrid;

class TEpilogesDlg : public QDialog {
    Q_OBJECT
public:
    // How the editor closed: "&OK", "&ΑΚΥΡΟ" or "&ΔΙΑΓΡΑΦΗ ΟΡΟΥ".
    enum Answer { Cancel = QDialog::Rejected, Accept = QDialog::Accepted, Delete = 2 };

    explicit TEpilogesDlg(AppContext& context, QWidget* parent = nullptr);

    const BasicEditorModel& model() const { return model_; }

    // Fill from basic `column` of the selection table, for entry or for correction. A correction is refused
    // (false) until an entry has sized the choice table for the current horses and races.
    void fillForEntry(int column);
    bool fillForCorrection(int column);

    // Shows the editor modally; returns its answer.
    Answer run();

    // The buttons and clicks, as the user gives them.
    void BtnOKClick();
    void BtnCancelClick();
    void BtnDeleteClick();
    void BtnHelpClick();
    void GridMouseUp(int column, int row);
    void ParityClick(Parity parity, int race);

    CellGrid* grid() const { return grid_; }
    QLabel* racesLabel() const { return racesLabel_; }
    QLineEdit* fromField() const { return from_; }
    QLineEdit* toField() const { return to_; }
    QLineEdit* groupField() const { return group_; }
    QToolButton* parityButton(Parity parity, int race) const;
    QWidget* parityPanel() const { return parityPanel_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showModel(int column);
    void syncParityButtons();
    // The bound field that holds a number above the races: the focus goes back to it.
    QLineEdit* boundToFix() const;

    AppContext& ctx_;
    BasicEditorModel model_;
    QLabel* racesLabel_;
    CellGrid* grid_;
    QWidget* parityPanel_;
    std::array<std::array<QToolButton*, 2>, BasicEditorModel::kParityRows> parity_{};
    QLineEdit* from_;
    QLineEdit* to_;
    QLineEdit* group_;
    QPushButton* btnOK_;
    QPushButton* btnCancel_;
    QPushButton* btnDelete_;
    QPushButton* btnHelp_;
};

}  // namespace quintaro::gui
