#include "gui/tools/rythmiseis_dlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app_context.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/qt_text.h"
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
        auto* label = new QLabel(labels()[i], this);
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        edit->setFixedWidth(49);
        FieldKeys::install(edit, FieldKeys::Kind::Number);
        label->setBuddy(edit);
        grid->addWidget(label, static_cast<int>(i), 0);
        grid->addWidget(edit, static_cast<int>(i), 1);
        edits_[i] = edit;
    }

    auto* buttons = new QHBoxLayout();
    buttons->addWidget(BtnSave);
    buttons->addWidget(BtnReturn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->addLayout(grid);
    layout->addSpacing(16);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(BtnSave, &QPushButton::clicked, this, &TRythmiseisDlg::BtnSaveClick);
    connect(BtnReturn, &QPushButton::clicked, this, &QDialog::close);
}

void TRythmiseisDlg::showEvent(QShowEvent* event) {
    FormShow();
    ToolDialog::showEvent(event);
}

void TRythmiseisDlg::FormShow() {
    setBackground(QColor(215, 207, 179));
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
