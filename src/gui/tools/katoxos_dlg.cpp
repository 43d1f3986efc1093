#include "gui/tools/katoxos_dlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "core/settings/holder.h"
#include "gui/app_context.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/help_viewer.h"
#include "gui/platform/qt_text.h"
#include "gui/platform/window_look.h"
#include "gui/tools/field_keys.h"

namespace quintaro::gui {

TKatoxosDlg::TKatoxosDlg(AppContext& context, QWidget* parent)
    : ToolDialog(parent),
      ctx_(context),
      Edit1(new QLineEdit(this)),
      Edit2(new QLineEdit(this)),
      Edit3(new QLineEdit(this)),
      BtnSave(addButton(QStringLiteral("&ΑΠΟΘΗΚΕΥΣΗ"), "BtnSave")),
      BtnExit(addButton(QStringLiteral("&ΕΞΟΔΟΣ"), "BtnExit")),
      BtnHelp(addButton(QStringLiteral("&ΒΟΗΘΕΙΑ"), "BtnHelp")) {
    setObjectName(QStringLiteral("KatoxosDlg"));
    setWindowTitle(QStringLiteral("ΟΡΙΣΜΟΣ ΧΡΗΣΤΗ"));

    auto* grid = new QGridLayout();
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    int row = 0;
    for (auto [caption, edit, name] : {std::tuple{QStringLiteral("ΤΙΤΛΟΣ"), Edit1, "Edit1"},
                                       std::tuple{QStringLiteral("ΔΙΕΥΘΥΝΣΗ"), Edit2, "Edit2"},
                                       std::tuple{QStringLiteral("ΔΙΑΦΟΡΑ"), Edit3, "Edit3"}}) {
        edit->setObjectName(QString::fromLatin1(name));
        edit->setFixedWidth(497);
        FieldKeys::install(edit, FieldKeys::Kind::Text);
        addFieldRow(grid, row++, caption, edit);
    }

    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    for (QPushButton* button : {BtnSave, BtnExit, BtnHelp}) {
        button->setMinimumWidth(120);
        buttons->addWidget(button);
    }
    layOutForm(grid, buttons);

    connect(BtnSave, &QPushButton::clicked, this, &TKatoxosDlg::BtnSaveClick);
    connect(BtnExit, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnHelp, &QPushButton::clicked, this, [this] { showHelp(this, kHelpContext); });
}

void TKatoxosDlg::showEvent(QShowEvent* event) {
    FormShow();
    ToolDialog::showEvent(event);
}

void TKatoxosDlg::FormShow() {
    paintDialogBackground(this);
    try {
        const HolderDetails details = readHolderForDialog(ctx_.settings);
        Edit1->setText(qs(details.title));
        Edit2->setText(qs(details.address));
        Edit3->setText(qs(details.misc));
    } catch (const std::exception& e) {
        showError(this, qs(e.what()));
    }
    Edit1->setFocus();
}

void TKatoxosDlg::BtnSaveClick() {
    try {
        writeHolder(ctx_.settings, {us(Edit1->text()), us(Edit2->text()), us(Edit3->text())});
    } catch (const std::exception& e) {
        showError(this, qs(e.what()));
        return;
    }
    accept();
}

}  // namespace quintaro::gui
