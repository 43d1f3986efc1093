#pragma once
// The keys of the one-line fields of the tools dialogs: Enter moves the focus to the next control and Esc
// to the previous one (neither reaches the field, and Esc does not close the dialog). A number field takes
// only digits and the decimal separator of the user's locale among the printable characters; a text field
// takes every character. Editing keys (Backspace, Delete, the arrows, the clipboard shortcuts) are left
// alone.

#include <QObject>

class QLineEdit;

namespace quintaro::gui {

class FieldKeys : public QObject {
    Q_OBJECT
public:
    enum class Kind { Number, Text };

    // Installs the rules on the field; the filter belongs to the field.
    static void install(QLineEdit* field, Kind kind);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FieldKeys(QLineEdit* field, Kind kind);
    Kind kind_;
};

}  // namespace quintaro::gui
