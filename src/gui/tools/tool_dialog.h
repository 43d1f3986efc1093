#pragma once
// A modal dialog of the tools and the shell whose buttons are never pressed by an Enter typed elsewhere:
// Enter presses the button that has the focus and is otherwise left to the control that has it (a field moves
// on, a grid moves to the next cell). Esc closes the dialog unless the focused control takes it.

#include <QDialog>

class QGridLayout;
class QLayout;

namespace quintaro::gui {

class ToolDialog : public QDialog {
    Q_OBJECT
public:
    explicit ToolDialog(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

    // A push button that Enter does not press unless it has the focus.
    class QPushButton* addButton(const QString& caption, const char* objectName);

    // A row of a settings form: the caption in bold, its field beside it; the caption's mnemonic moves to
    // the field.
    void addFieldRow(QGridLayout* form, int row, const QString& caption, QWidget* field);

    // Lays a settings form out: the fields above the buttons, the dialog as large as its content.
    void layOutForm(QLayout* fields, QLayout* buttons);
};

}  // namespace quintaro::gui
