#include "gui/shell/tips_dlg.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>

#include "core/shell/tips.h"
#include "gui/app_context.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/qt_text.h"
#include "gui/platform/window_look.h"
#include "gui/shell/product_picture.h"

namespace quintaro::gui {

using namespace settings;

TTipsDlg::TTipsDlg(AppContext& context, QWidget* parent)
    : ToolDialog(parent),
      ctx_(context),
      LblTip(new QLabel(this)),
      ChkShowTips(new QCheckBox(QStringLiteral("Να φαίνονται οι πληροφορίες κατά την εκκίνηση"), this)),
      BtnNext(addButton(QStringLiteral("&Επόμενη"), "BtnNext")),
      BtnClose(addButton(QStringLiteral("&Κλείσιμο"), "BtnClose")) {
    setObjectName(QStringLiteral("TipsDlg"));
    setWindowTitle(QStringLiteral("Πληροφορία της Ημέρας"));
    ChkShowTips->setObjectName(QStringLiteral("ChkShowTips"));

    // The tip on a white panel with a lamp beside it.
    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    paintDialogBackground(panel, Qt::white);
    auto* lamp = new QLabel(panel);
    lamp->setPixmap(lampPicture(56));
    lamp->setFixedSize(56, 56);
    auto* heading = new QLabel(QStringLiteral("Γνωρίζετε ότι ..."), panel);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 3);
    heading->setFont(bold);
    LblTip->setParent(panel);
    LblTip->setObjectName(QStringLiteral("LblTip"));
    LblTip->setWordWrap(true);
    LblTip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // 281 x 89 pixels, taller only where the desktop's font needs more lines for the longest tip.
    int height = 89;
    for (int n = 1; n <= tips::kTipCount; ++n) {
        const QRect needed = LblTip->fontMetrics().boundingRect(QRect(0, 0, 281, 10000), Qt::TextWordWrap,
                                                                qs(tips::tipText(n)));
        height = std::max(height, needed.height() + 2);
    }
    LblTip->setFixedSize(281, height);
    auto* tipText = new QVBoxLayout();
    tipText->addWidget(heading);
    tipText->addWidget(LblTip);
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(12, 12, 12, 12);
    panelLayout->setSpacing(14);
    panelLayout->addWidget(lamp, 0, Qt::AlignTop);
    panelLayout->addLayout(tipText);

    auto* buttons = new QVBoxLayout();
    for (QPushButton* button : {BtnNext, BtnClose}) {
        button->setMinimumWidth(100);
        buttons->addWidget(button);
    }
    buttons->addStretch();

    auto* top = new QHBoxLayout();
    top->addWidget(panel);
    top->addSpacing(8);
    top->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ChkShowTips);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(BtnNext, &QPushButton::clicked, this, &TTipsDlg::pickTip);
    connect(BtnClose, &QPushButton::clicked, this, &QDialog::reject);  // Esc closes it too
}

void TTipsDlg::showEvent(QShowEvent* event) {
    ++timesShown_;
    pickTip();
    try {
        ChkShowTips->setChecked(ctx_.settings.readFlag(kGeneralKey, kTipsSection, kShowTips, true));
    } catch (const std::exception& e) {
        showError(this, qs(e.what()));
    }
    BtnClose->setFocus();
    ToolDialog::showEvent(event);
}

void TTipsDlg::pickTip() {
    // Seeded from the clock at every pick, so the same tip may come twice in a row.
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    tip_ = tips::pickTip(static_cast<std::uint64_t>(now));
    LblTip->setText(qs(tips::tipText(tip_)));
    emit tipShown(tip_);
}

void TTipsDlg::done(int result) {
    try {
        ctx_.settings.writeFlag(kGeneralKey, kTipsSection, kShowTips, ChkShowTips->isChecked());
    } catch (const std::exception& e) {
        showError(this, qs(e.what()));
    }
    ToolDialog::done(result);
}

}  // namespace quintaro::gui
