#include "gui/tools/tool_dialog.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/platform/window_look.h"

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

QPushButton* ToolDialog::addButton(const QString& caption, const char* objectName) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAutoDefault(false);
    return button;
}

void ToolDialog::addFieldRow(QGridLayout* form, int row, const QString& caption, QWidget* field) {
    QLabel* label = fontLabel(caption, this, true);
    label->setBuddy(field);
    form->addWidget(label, row, 0);
    form->addWidget(field, row, 1);
}

void ToolDialog::layOutForm(QLayout* fields, QLayout* buttons) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->addLayout(fields);
    layout->addSpacing(16);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace quintaro::gui
