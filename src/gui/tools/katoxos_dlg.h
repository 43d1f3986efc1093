#pragma once
// The holder details: the three lines (title, address, a free line) that head the printouts of the game and
// of its columns, read when the dialog is shown and written when the user saves.

#include "gui/tools/tool_dialog.h"

class QLineEdit;
class QPushButton;

namespace quintaro::gui {

struct AppContext;

class TKatoxosDlg : public ToolDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 16;

    explicit TKatoxosDlg(AppContext& context, QWidget* parent = nullptr);

    QLineEdit* titleField() const { return Edit1; }
    QLineEdit* addressField() const { return Edit2; }
    QLineEdit* miscField() const { return Edit3; }
    QPushButton* saveButton() const { return BtnSave; }
    QPushButton* exitButton() const { return BtnExit; }
    QPushButton* helpButton() const { return BtnHelp; }

    void BtnSaveClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();

    AppContext& ctx_;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QPushButton* BtnSave;
    QPushButton* BtnExit;
    QPushButton* BtnHelp;
};

}  // namespace quintaro::gui
