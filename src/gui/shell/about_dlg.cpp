#include "gui/shell/about_dlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app_title.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/qt_text.h"
#include "gui/platform/shell_open.h"
#include "gui/platform/version_resource.h"
#include "gui/platform/window_look.h"
#include "gui/shell/link_label.h"
#include "gui/shell/maker_info.h"
#include "gui/shell/product_picture.h"

namespace quintaro::gui {
TAboutDlg::TAboutDlg(AppContext&, QWidget* parent)
    : ToolDialog(parent),
      LblVersion(fontLabel(QString(), this, true)),
      LblWeb(new LinkLabel(maker::webAddress(), this)),
      LblEmail(new LinkLabel(maker::emailAddress(), this)),
      BtnOk(addButton(QStringLiteral("&OK"), "BtnOk")) {
    setObjectName(QStringLiteral("AboutDlg"));
    setWindowTitle(QStringLiteral("Γενικά για το πρόγραμμα"));
    paintDialogBackground(this, Qt::white);

    auto* picture = new QLabel(this);
    picture->setPixmap(productPicture(120));
    picture->setFixedSize(120, 120);

    QLabel* product = fontLabel(appTitle(), this, true, 22);
    QPalette p = product->palette();
    p.setColor(QPalette::WindowText, QColor(0, 100, 0));
    product->setPalette(p);

    auto* info = new QHBoxLayout();
    info->addWidget(fontLabel(QStringLiteral("Πληροφορίες :"), this, false));
    info->addWidget(LblEmail);
    info->addStretch();

    auto* text = new QVBoxLayout();
    text->setSpacing(6);
    text->addWidget(product);
    text->addWidget(LblVersion);
    text->addSpacing(8);
    text->addWidget(fontLabel(maker::makerLine(), this, true));
    text->addWidget(LblWeb);
    text->addWidget(fontLabel(maker::telephones(), this, false));
    text->addLayout(info);

    auto* top = new QHBoxLayout();
    top->setSpacing(20);
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(text, 1);

    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    BtnOk->setMinimumWidth(90);
    buttons->addWidget(BtnOk);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 14);
    layout->addLayout(top);
    layout->addSpacing(14);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(BtnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(LblWeb, &LinkLabel::clicked, this, [] { openExternal(maker::webAddress()); });
    connect(LblEmail, &LinkLabel::clicked, this,
            [] { openExternal(maker::mailtoText(maker::emailAddress())); });
}

TAboutDlg::~TAboutDlg() = default;

void TAboutDlg::showEvent(QShowEvent* event) {
    // A fresh reader at every showing; a missing or unreadable resource leaves the version line empty.
    LblVersion->clear();
    try {
        verInfo_ = std::make_unique<TVerInfoRes>(programVersionInfo());
        LblVersion->setText(QStringLiteral("Έκδοση : ") + qs(verInfo_->fileVersion()));
    } catch (const std::exception& e) {
        showError(this, qs(e.what()));
    }
    BtnOk->setFocus();
    ToolDialog::showEvent(event);
}

void TAboutDlg::done(int result) {
    verInfo_.reset();
    ToolDialog::done(result);
}

}  // namespace quintaro::gui
