#pragma once
// A modal dialog of the tools and the shell whose buttons are never pressed by an Enter typed elsewhere:
// Enter presses the button that has the focus and is otherwise left to the control that has it (a field moves
// on, a grid moves to the next cell). Esc closes the dialog unless the focused control takes it.

#include <QDialog>

namespace quintaro::gui {

class ToolDialog : public QDialog {
    Q_OBJECT
public:
    explicit ToolDialog(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

    // Paints the dialog's background in the colour, as most dialogs of the program do on show.
    void setBackground(const QColor& colour);

    // A push button that Enter does not press unless it has the focus.
    class QPushButton* addButton(const QString& caption, const char* objectName);
};

}  // namespace quintaro::gui
