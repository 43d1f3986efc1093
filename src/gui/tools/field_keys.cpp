#include "gui/tools/field_keys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "core/tools/key_rules.h"
#include "gui/platform/qt_text.h"

namespace quintaro::gui {

FieldKeys::FieldKeys(QLineEdit* field, Kind kind) : QObject(field), kind_(kind) {}

void FieldKeys::install(QLineEdit* field, Kind kind) {
    field->installEventFilter(new FieldKeys(field, kind));
}

bool FieldKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    auto* field = static_cast<QWidget*>(watched);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Escape) {
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();  // the field takes the key, so the dialog does not close on Esc
            return true;
        }
        // Moves the focus as Tab and Shift+Tab would.
        const bool back = key->key() == Qt::Key_Escape;
        QKeyEvent tab(QEvent::KeyPress, back ? Qt::Key_Backtab : Qt::Key_Tab,
                      back ? Qt::ShiftModifier : Qt::NoModifier);
        QCoreApplication::sendEvent(field, &tab);
        return true;
    }
    if (event->type() != QEvent::KeyPress || kind_ != Kind::Number) {
        return false;
    }
    const QString text = key->text();
    if (text.size() != 1 || !text.at(0).isPrint()) {
        return false;
    }
    return !keys::numberFieldAccepts(text.at(0).unicode(), decimalSeparator());
}

}  // namespace quintaro::gui
