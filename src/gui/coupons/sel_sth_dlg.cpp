#include "gui/coupons/sel_sth_dlg.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/coupons/window_look.h"

namespace quintaro::gui {

TSelSthDlg::TSelSthDlg(QWidget* parent)
    : QDialog(parent),
      RadioGroup1(new QGroupBox(QStringLiteral("ΕΠΙΛΕΞΤΕ"), this)),
      plain_(new QRadioButton(QStringLiteral("ΑΠΛΕΣ ΣΤΗΛΕΣ "), RadioGroup1)),
      gathered_(new QRadioButton(QStringLiteral("ΜΑΖΕΜΑ ΣΤΗΛΩΝ "), RadioGroup1)),
      BtnOk(new QPushButton(QStringLiteral("&ΟΚ"), this)),
      BtnCancel(new QPushButton(QStringLiteral("&ΑΚΥΡΟ"), this)) {
    setObjectName(QStringLiteral("SelSthDlg"));
    setWindowTitle(viewCaption());
    paintDialogBackground(this);
    setFixedSize(210, 162);

    auto* items = new QVBoxLayout(RadioGroup1);
    items->addWidget(plain_);
    items->addWidget(gathered_);
    gathered_->setChecked(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BtnOk);
    buttons->addWidget(BtnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RadioGroup1);
    layout->addLayout(buttons);

    BtnOk->setDefault(true);
    connect(BtnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<ColumnsChoice> TSelSthDlg::choose(const QString& caption,
                                                std::optional<ColumnsChoice> preselect) {
    setWindowTitle(caption);
    if (preselect) {
        select(*preselect);
    }
    centreOnScreen(this);
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return selected();
}

ColumnsChoice TSelSthDlg::selected() const {
    return plain_->isChecked() ? ColumnsChoice::Plain : ColumnsChoice::Gathered;
}

void TSelSthDlg::select(ColumnsChoice choice) {
    (choice == ColumnsChoice::Plain ? plain_ : gathered_)->setChecked(true);
}

}  // namespace quintaro::gui
