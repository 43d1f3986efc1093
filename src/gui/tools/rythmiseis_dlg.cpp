#include "gui/tools/rythmiseis_dlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "gui/app_context.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/qt_text.h"
#include "gui/platform/window_look.h"
#include "gui/tools/field_keys.h"

namespace quintaro::gui {
namespace {

// The labels in the order of the cost table. The fifth begins with the Greek capital tau and goes on in
// Latin letters, as the dialog has always shown it.
const std::array<QString, kCostSettings.size()>& labels() {
    static const std::array<QString, kCostSettings.size()> texts = {
        QStringLiteral("Κόστος Στήλης για ΣΚΟΡ4"),        QStringLiteral("Κόστος Στήλης για ΣΚΟΡ6"),
        QStringLiteral("Κόστος Στήλης για ΣΚΟΡ9"),        QStringLiteral("Κόστος Στήλης για Τετραπλό"),
        QStringLiteral("Κόστος Στήλης για \u03A4RICAST"), QStringLiteral("Κόστος Στήλης για ΤΡΙΟ"),
    };
    return texts;
}

}  // namespace

TRythmiseisDlg::TRythmiseisDlg(AppContext& context, QWidget* parent)
    : ToolDialog(parent),
      ctx_(context),
      BtnSave(addButton(QStringLiteral("&ΑΠΟΘΗΚΕΥΣΗ"), "BtnSave")),
      BtnReturn(addButton(QStringLiteral("&ΕΠΙΣΤΡΟΦΗ"), "BtnReturn")) {
    setObjectName(QStringLiteral("RythmiseisDlg"));
    setWindowTitle(QStringLiteral("ΡΥΘΜΙΣΕΙΣ"));

    auto* grid = new QGridLayout();
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        edit->setFixedWidth(49);
        FieldKeys::install(edit, FieldKeys::Kind::Number);
        addFieldRow(grid, static_cast<int>(i), labels()[i], edit);
        edits_[i] = edit;
    }

    auto* buttons = new QHBoxLayout();
    buttons->addWidget(BtnSave);
    buttons->addWidget(BtnReturn);
    layOutForm(grid, buttons);

    connect(BtnSave, &QPushButton::clicked, this, &TRythmiseisDlg::BtnSaveClick);
    connect(BtnReturn, &QPushButton::clicked, this, &QDialog::close);
}

void TRythmiseisDlg::showEvent(QShowEvent* event) {
    FormShow();
    ToolDialog::showEvent(event);
}

void TRythmiseisDlg::FormShow() {
    paintDialogBackground(this);
    try {
        const CostTexts texts = readCostTextsForDialog(ctx_.settings);
        for (std::size_t i = 0; i < edits_.size(); ++i) {
            edits_[i]->setText(qs(texts[i]));
        }
    } catch (const std::exception& e) {
        showError(this, qs(e.what()));
    }
    edits_[0]->setFocus();
}

void TRythmiseisDlg::BtnSaveClick() {
    CostTexts texts;
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        texts[i] = us(edits_[i]->text());
    }
    try {
        writeCostTexts(ctx_.settings, texts);
    } catch (const std::exception& e) {
        showError(this, qs(e.what()));
        return;
    }
    showInformation(this, QStringLiteral("Η αποθήκευση ολοκληρώθηκε"));
}

}  // namespace quintaro::gui
