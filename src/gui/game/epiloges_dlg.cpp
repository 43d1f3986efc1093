#include "gui/game/epiloges_dlg.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/game/group_tables.h"
#include "gui/app_context.h"
#include "gui/game/cell_grid.h"
#include "gui/game/omades_dlg.h"
#include "gui/game/pictures.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/help_viewer.h"
#include "gui/platform/qt_text.h"
#include "gui/platform/window_look.h"

namespace quintaro::gui {
namespace {

constexpr int kHelpContext = 8;
constexpr int kRaceColumnWidth = 75;
constexpr int kHorseColumnWidth = 25;
constexpr int kRowHeight = 20;
// The odd and even buttons start this far below the top of their column, whose height leaves as much
// below the last race's row: (row height x races) + 10.
constexpr int kParityTop = 10;

// The group field takes a number 0..255 only.
class GroupFieldValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return isGroupNumberText(us(input)) ? Acceptable : Invalid;
    }
};

int parityIndex(Parity parity) {
    return parity == Parity::Odd ? 0 : 1;
}

}  // namespace

TEpilogesDlg::TEpilogesDlg(AppContext& context, QWidget* parent)
    : QDialog(parent),
      ctx_(context),
      racesLabel_(new QLabel(this)),
      grid_(new CellGrid(this)),
      parityPanel_(new QWidget(this)),
      from_(new QLineEdit(this)),
      to_(new QLineEdit(this)),
      group_(new QLineEdit(this)),
      btnOK_(new QPushButton(QStringLiteral("&OK"), this)),
      btnCancel_(new QPushButton(QStringLiteral("&ΑΚΥΡΟ"), this)),
      btnDelete_(new QPushButton(QStringLiteral("&ΔΙΑΓΡΑΦΗ ΟΡΟΥ"), this)),
      btnHelp_(new QPushButton(QStringLiteral("&ΒΟΗΘΕΙΑ"), this)) {
    setObjectName(QStringLiteral("EpilogesDlg"));
    setModal(true);
    paintDialogBackground(this);

    racesLabel_->setObjectName(QStringLiteral("RacesLabel"));
    QFont bold = racesLabel_->font();
    bold.setBold(true);
    racesLabel_->setFont(bold);

    grid_->setObjectName(QStringLiteral("ChoiceGrid"));
    QFont gridFont = grid_->font();
    gridFont.setPointSize(8);
    grid_->setFont(gridFont);
    grid_->setRowHeight(kRowHeight);
    grid_->setDefaultColumnWidth(kHorseColumnWidth);
    grid_->cells()->setFixed(1, 1);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setSource(CellSource{
        .columnCount = [this] { return model_.horseCount() + 1; },
        .rowCount = [this] { return model_.races() + 1; },
        .text =
            [this](int column, int row) {
                if (row == 0) {
                    return column == 0 ? qs(model_.raceLabel()) : qs(model_.header(column - 1));
                }
                return column == 0 ? QString::number(row) : QString();
            },
        .picture = [this](int column, int row) -> const QPixmap* {
            if (column < 1 || row < 1) {
                return nullptr;
            }
            if (model_.chosen(column - 1, row)) {
                return &markedBoxPicture();
            }
            return model_.available(column - 1, row) ? &emptyBoxPicture() : nullptr;
        },
        .editable = {},
        .setText = {},
    });
    connect(grid_, &CellGrid::cellReleased, this, [this](int column, int row, Qt::MouseButton button) {
        if (button == Qt::LeftButton) {
            GridMouseUp(column, row);
        }
    });

    // The odd and even buttons: one row beside each race row; only the rows of existing races show.
    parityPanel_->setObjectName(QStringLiteral("ParityPanel"));
    parityPanel_->setFixedWidth(52);
    for (int race = 1; race <= BasicEditorModel::kParityRows; ++race) {
        for (Parity parity : {Parity::Odd, Parity::Even}) {
            auto* button = new QToolButton(parityPanel_);
            button->setText(parity == Parity::Odd ? QStringLiteral("M") : QStringLiteral("Z"));
            button->setObjectName(QStringLiteral("%1%2").arg(button->text()).arg(race));
            button->setCheckable(true);
            button->setFocusPolicy(Qt::NoFocus);
            button->setGeometry(parityIndex(parity) * 25 + 1, kParityTop + (race - 1) * kRowHeight, 24,
                                kRowHeight);
            connect(button, &QToolButton::clicked, this, [this, parity, race] { ParityClick(parity, race); });
            parity_[static_cast<std::size_t>(race - 1)][static_cast<std::size_t>(parityIndex(parity))] =
                button;
        }
    }

    from_->setObjectName(QStringLiteral("FromEdit"));
    to_->setObjectName(QStringLiteral("ToEdit"));
    group_->setObjectName(QStringLiteral("GroupEdit"));
    for (QLineEdit* field : {from_, to_}) {
        field->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
    }
    group_->setValidator(new GroupFieldValidator(group_));
    for (QLineEdit* field : {from_, to_, group_}) {
        field->setFixedWidth(50);
        field->installEventFilter(this);
    }
    connect(from_, &QLineEdit::textChanged, this, [this](const QString& text) { model_.from = us(text); });
    connect(to_, &QLineEdit::textChanged, this, [this](const QString& text) { model_.to = us(text); });
    connect(group_, &QLineEdit::textChanged, this, [this](const QString& text) { model_.group = us(text); });

    btnOK_->setObjectName(QStringLiteral("BtnOK"));
    btnCancel_->setObjectName(QStringLiteral("BtnCancel"));
    btnDelete_->setObjectName(QStringLiteral("BtnDelete"));
    btnHelp_->setObjectName(QStringLiteral("BtnHelp"));
    for (QPushButton* button : {btnOK_, btnCancel_, btnDelete_, btnHelp_}) {
        button->setAutoDefault(false);
        button->setMinimumHeight(28);
    }
    connect(btnOK_, &QPushButton::clicked, this, &TEpilogesDlg::BtnOKClick);
    connect(btnCancel_, &QPushButton::clicked, this, &TEpilogesDlg::BtnCancelClick);
    connect(btnDelete_, &QPushButton::clicked, this, &TEpilogesDlg::BtnDeleteClick);
    connect(btnHelp_, &QPushButton::clicked, this, &TEpilogesDlg::BtnHelpClick);

    auto* gridRow = new QHBoxLayout;
    gridRow->addWidget(grid_, 0, Qt::AlignTop);
    auto* parityColumn = new QVBoxLayout;
    parityColumn->addSpacing(grid_->frameWidth() + kRowHeight - kParityTop);
    parityColumn->addWidget(parityPanel_);
    parityColumn->addStretch();
    gridRow->addLayout(parityColumn);
    gridRow->addStretch();

    auto* fields = new QHBoxLayout;
    fields->addWidget(new QLabel(QStringLiteral("Από"), this));
    fields->addWidget(from_);
    fields->addSpacing(12);
    fields->addWidget(new QLabel(QStringLiteral("έως"), this));
    fields->addWidget(to_);
    fields->addSpacing(24);
    fields->addWidget(new QLabel(QStringLiteral("ΟΜΑΣ"), this));
    fields->addWidget(group_);
    fields->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnOK_);
    buttons->addWidget(btnCancel_);
    buttons->addWidget(btnDelete_);
    buttons->addStretch();
    buttons->addWidget(btnHelp_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(racesLabel_);
    layout->addLayout(gridRow);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QToolButton* TEpilogesDlg::parityButton(Parity parity, int race) const {
    if (race < 1 || race > BasicEditorModel::kParityRows) {
        return nullptr;
    }
    return parity_[static_cast<std::size_t>(race - 1)][static_cast<std::size_t>(parityIndex(parity))];
}

void TEpilogesDlg::fillForEntry(int column) {
    model_.fillForEntry(ctx_.selection, column, ctx_.game.DiakritaAloga);
    showModel(column);
}

bool TEpilogesDlg::fillForCorrection(int column) {
    if (!model_.fillForCorrection(ctx_.selection, column, ctx_.game.DiakritaAloga)) {
        return false;
    }
    showModel(column);
    return true;
}

void TEpilogesDlg::showModel(int column) {
    setWindowTitle(qs(editorCaption(model_.mode(), ctx_.selection.cell(column, 0))));
    grid_->setKeptColumnWidth(0, kRaceColumnWidth);
    for (int c = 1; c <= model_.horseCount(); ++c) {
        grid_->setKeptColumnWidth(c, kHorseColumnWidth);
    }
    grid_->refresh();
    // The grid shows all of the game's horses and races.
    grid_->setFixedSize(
        kRaceColumnWidth + model_.horseCount() * kHorseColumnWidth + 2 * grid_->frameWidth() + 1,
        (model_.races() + 1) * kRowHeight + 2 * grid_->frameWidth() + 1);
    racesLabel_->setText(qs(editorRacesLabel(ctx_.game.Paixnidi, ctx_.game.Kourses)));
    from_->setText(qs(model_.from));
    to_->setText(qs(model_.to));
    group_->setText(qs(model_.group));
    parityPanel_->setFixedHeight(kRowHeight * ctx_.game.Kourses + 10);
    syncParityButtons();
}

void TEpilogesDlg::syncParityButtons() {
    for (int race = 1; race <= BasicEditorModel::kParityRows; ++race) {
        for (Parity parity : {Parity::Odd, Parity::Even}) {
            parityButton(parity, race)->setChecked(model_.parityPressed(parity, race));
        }
    }
}

TEpilogesDlg::Answer TEpilogesDlg::run() {
    return static_cast<Answer>(exec());
}

void TEpilogesDlg::GridMouseUp(int column, int row) {
    if (column < 1) {
        return;
    }
    if (row >= 1) {
        model_.clickCell(column - 1, row);
    } else if (row == 0) {
        model_.clickHeader(column - 1);
    } else {
        return;
    }
    grid_->viewport()->update();
}

void TEpilogesDlg::ParityClick(Parity parity, int race) {
    model_.pressParity(parity, race);
    syncParityButtons();
    grid_->viewport()->update();
}

QLineEdit* TEpilogesDlg::boundToFix() const {
    for (QLineEdit* field : {from_, to_}) {
        if (boundExceedsRaces(us(field->text()), ctx_.game.Kourses)) {
            return field;
        }
    }
    return nullptr;
}

void TEpilogesDlg::BtnOKClick() {
    if (QLineEdit* field = boundToFix()) {
        field->setFocus();
        return;
    }
    switch (model_.checkAccept()) {
        case AcceptCheck::NoHorseChosen:
            showInformation(this, qs(editor_texts::kNoHorseChosen));
            return;
        case AcceptCheck::FromEmpty:
            showInformation(this, qs(editor_texts::kFillBounds));
            from_->setFocus();
            return;
        case AcceptCheck::ToEmpty:
            showInformation(this, qs(editor_texts::kFillBounds));
            to_->setFocus();
            return;
        case AcceptCheck::Ok:
            break;
    }
    if (const auto change = model_.groupChange()) {
        raiseGroupLimits(ctx_.groups, change->joined);
        lowerGroupLimits(ctx_.groups, change->left);
        refreshGroupDialogs(ctx_);
    }
    done(Accept);
}

void TEpilogesDlg::BtnCancelClick() {
    done(Cancel);
}

void TEpilogesDlg::BtnDeleteClick() {
    if (QLineEdit* field = boundToFix()) {
        field->setFocus();
        return;
    }
    done(Delete);
}

void TEpilogesDlg::BtnHelpClick() {
    showHelp(this, kHelpContext);
}

bool TEpilogesDlg::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            focusNextPrevChild(true);
            return true;
        }
    }
    if (field && (field == from_ || field == to_) && event->type() == QEvent::FocusOut) {
        // A bound above the number of races keeps the focus in its field.
        if (isVisible() && boundExceedsRaces(us(field->text()), ctx_.game.Kourses)) {
            QTimer::singleShot(0, field, [field] {
                if (field->isVisible()) {
                    field->setFocus();
                }
            });
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace quintaro::gui
