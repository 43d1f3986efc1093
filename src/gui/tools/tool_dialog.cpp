#include "gui/tools/tool_dialog.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>

namespace quintaro::gui {

ToolDialog::ToolDialog(QWidget* parent) : QDialog(parent) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void ToolDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QAbstractButton*>(focusWidget())) {
            button->click();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

void ToolDialog::setBackground(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
    setAutoFillBackground(true);
}

QPushButton* ToolDialog::addButton(const QString& caption, const char* objectName) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAutoDefault(false);
    return button;
}

}  // namespace quintaro::gui
