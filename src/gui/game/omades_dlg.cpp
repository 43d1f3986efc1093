#include "gui/game/omades_dlg.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "core/game/group_tables.h"
#include "core/text/number_text.h"
#include "gui/app_context.h"
#include "gui/game/limit_grid.h"
#include "gui/game/paixnidi_frm.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/help_viewer.h"
#include "gui/platform/qt_text.h"
#include "gui/platform/window_look.h"
#include "gui/shell/main_frm.h"

namespace quintaro::gui {
namespace {

constexpr int kHelpContext = 9;
constexpr int kColumnWidth = 56;
constexpr int kVisibleRows = 9;

bool isDigits(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; });
}

QWidget* ownerOf(AppContext& context) {
    if (context.mainFrm) {
        return context.mainFrm;
    }
    return context.paixnidiFrm;
}

void makeToolWindow(QDialog* dialog, LimitGrid* grid, int columns) {
    dialog->setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    dialog->setModal(false);
    paintDialogBackground(dialog);
    grid->setRowHeight(20);
    grid->setDefaultColumnWidth(kColumnWidth);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid->setFixedSize(
        columns * kColumnWidth + 2 * grid->frameWidth() + grid->verticalScrollBar()->sizeHint().width() + 1,
        kVisibleRows * 20 + 2 * grid->frameWidth() + 1);
    grid->cells()->setFixedColor(gameBackground());
}

// Sizes the window to its content and centres it on its screen.
void fitAndCentre(QWidget* window) {
    window->adjustSize();
    centreOnScreen(window);
}

QPushButton* dialogButton(const QString& caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setMinimumHeight(28);
    return button;
}

}  // namespace

// --- Super-groups ---

TYPEOmadesDlg::TYPEOmadesDlg(AppContext& context, QWidget* parent)
    : QDialog(parent),
      ctx_(context),
      SGrd(new LimitGrid(
          context.superGroups, SuperGroupTable::kFromColumn, superGroupTableEnterTarget,
          [](int, const QString& text) { return isDigits(text); }, this)) {
    setObjectName(QStringLiteral("YPEOmadesDlg"));
    setWindowTitle(QStringLiteral("ΟΡΙΑ ΥΠΕΡΟΜΑΔΩΝ"));
    makeToolWindow(this, SGrd, SuperGroupTable::kColumns);
    SGrd->setKeptColumnWidth(SuperGroupTable::kGroupsColumn, kColumnWidth + 12);
    SGrd->setFixedWidth(SGrd->width() + 12);
    SGrd->setObjectName(QStringLiteral("SGrd"));
    auto* ok = dialogButton(QStringLiteral("&OK"), "BtnOK", this);
    connect(ok, &QPushButton::clicked, this, &TYPEOmadesDlg::BtnOKClick);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SGrd);
    layout->addWidget(ok);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    refresh();
    fitAndCentre(this);
}

TYPEOmadesDlg& TYPEOmadesDlg::get(AppContext& context) {
    if (!context.ypeOmadesDlg) {
        context.ypeOmadesDlg = new TYPEOmadesDlg(context, ownerOf(context));
    }
    return *context.ypeOmadesDlg;
}

void TYPEOmadesDlg::refresh() {
    SGrd->refresh();
}

void TYPEOmadesDlg::BtnOKClick() {
    hide();
}

// --- Groups ---

TOmadesDlg::TOmadesDlg(AppContext& context, QWidget* parent)
    : QDialog(parent),
      ctx_(context),
      SGrd(new LimitGrid(
          context.groups, GroupTable::kFromColumn, groupTableEnterTarget,
          [](int column, const QString& text) {
              // "ΥΠΕΡ" holds a super-group number 0..255; the limits any digits.
              if (column == GroupTable::kSuperGroupColumn) {
                  return isGroupNumberText(us(text));
              }
              return isDigits(text);
          },
          this)) {
    setObjectName(QStringLiteral("OmadesDlg"));
    setWindowTitle(QStringLiteral("ΟΡΙΑ ΟΜΑΔΩΝ"));
    makeToolWindow(this, SGrd, GroupTable::kColumns);
    SGrd->setObjectName(QStringLiteral("SGrd"));
    auto* ok = dialogButton(QStringLiteral("&OK"), "BtnOK", this);
    auto* super = dialogButton(QStringLiteral("&ΥΠΕΡΟΜΑΔΕΣ"), "BtnYperomades", this);
    auto* help = dialogButton(QStringLiteral("&ΒΟΗΘΕΙΑ"), "BtnHelp", this);
    connect(ok, &QPushButton::clicked, this, &TOmadesDlg::BtnOKClick);
    connect(super, &QPushButton::clicked, this, &TOmadesDlg::BtnYperomadesClick);
    connect(help, &QPushButton::clicked, this, &TOmadesDlg::BtnHelpClick);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(super);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SGrd);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    refresh();
    fitAndCentre(this);
}

TOmadesDlg& TOmadesDlg::get(AppContext& context) {
    if (!context.omadesDlg) {
        context.omadesDlg = new TOmadesDlg(context, ownerOf(context));
    }
    return *context.omadesDlg;
}

void TOmadesDlg::refresh() {
    SGrd->refresh();
}

bool TOmadesDlg::orderAndRebuild() {
    TYPEOmadesDlg& super = TYPEOmadesDlg::get(ctx_);
    try {
        orderAndRebuildSuperGroups(ctx_.groups, ctx_.superGroups);
    } catch (const ConversionError& error) {
        refresh();
        super.refresh();
        showError(this, qs(error.what()));
        return false;
    }
    refresh();
    super.refresh();
    return true;
}

void TOmadesDlg::BtnOKClick() {
    if (!orderAndRebuild()) {
        return;
    }
    TYPEOmadesDlg::get(ctx_).hide();
    hide();
    if (TPaixnidiFrm* game = ctx_.paixnidiFrm) {
        game->activateWindow();
        game->grid()->setFocus();
    }
}

void TOmadesDlg::BtnYperomadesClick() {
    if (!orderAndRebuild()) {
        return;
    }
    TYPEOmadesDlg& super = TYPEOmadesDlg::get(ctx_);
    super.show();
    super.raise();
    super.activateWindow();
}

void TOmadesDlg::BtnHelpClick() {
    showHelp(this, kHelpContext);
}

void refreshGroupDialogs(AppContext& context) {
    if (context.omadesDlg) {
        context.omadesDlg->refresh();
    }
    if (context.ypeOmadesDlg) {
        context.ypeOmadesDlg->refresh();
    }
}

}  // namespace quintaro::gui
