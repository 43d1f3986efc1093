#include "gui/game/new_diag_dlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "core/game/game_types.h"
#include "gui/app_context.h"
#include "gui/game/cell_grid.h"
#include "gui/game/game_file_commands.h"
#include "gui/game/paixnidi_frm.h"
#include "gui/game/pictures.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/help_viewer.h"
#include "gui/platform/qt_text.h"
#include "gui/platform/window_look.h"

namespace quintaro::gui {
namespace {

constexpr int kRaceColumnWidth = 55;
constexpr int kHorseColumnWidth = 25;
constexpr int kRowHeight = 20;

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

TNewDiagDlg::TNewDiagDlg(AppContext& context, QWidget* parent)
    : QDialog(parent),
      ctx_(context),
      band_(new QLabel(this)),
      meeting_(new QComboBox(this)),
      raceDay_(new QLineEdit(this)),
      date_(new QLineEdit(this)),
      comment_(new QLineEdit(this)),
      grid_(new CellGrid(this)),
      btnPaixnidi_(new QPushButton(QStringLiteral("&ΠΑΙΧΝΙΔΙ"), this)),
      btnFortoma_(new QPushButton(QStringLiteral("&ΦΟΡΤΩΜΑ"), this)),
      btnEpistrofi_(new QPushButton(QStringLiteral("&ΕΠΙΣΤΡΟΦΗ"), this)),
      btnHelp_(new QPushButton(QStringLiteral("&ΒΟΗΘΕΙΑ"), this)) {
    setObjectName(QStringLiteral("NewDiagDlg"));
    setWindowTitle(QStringLiteral("ΕΙΣΑΓΩΓΗ ΝΕΟΥ ΠΑΙΧΝΙΔΙΟΥ"));
    setModal(false);

    band_->setObjectName(QStringLiteral("GameBand"));
    band_->setAlignment(Qt::AlignCenter);
    band_->setFixedHeight(30);
    band_->setAutoFillBackground(true);
    QFont bandFont = band_->font();
    bandFont.setBold(true);
    bandFont.setPointSize(bandFont.pointSize() + 4);
    band_->setFont(bandFont);
    QPalette bandPalette = band_->palette();
    bandPalette.setColor(QPalette::Window, QColor(0, 0, 128));
    bandPalette.setColor(QPalette::WindowText, Qt::white);
    band_->setPalette(bandPalette);

    meeting_->setObjectName(QStringLiteral("MeetingBox"));
    meeting_->addItems({QStringLiteral("ΣΥ1"), QStringLiteral("ΣΥ2")});
    meeting_->setEditable(false);
    raceDay_->setObjectName(QStringLiteral("RaceDayEdit"));
    raceDay_->setMaxLength(2);
    raceDay_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), raceDay_));
    raceDay_->setFixedWidth(40);
    date_->setObjectName(QStringLiteral("DateEdit"));
    date_->setMaxLength(12);
    date_->setFixedWidth(110);
    comment_->setObjectName(QStringLiteral("CommentEdit"));
    comment_->setMaxLength(30);
    for (QWidget* field : {static_cast<QWidget*>(meeting_), static_cast<QWidget*>(raceDay_),
                           static_cast<QWidget*>(date_), static_cast<QWidget*>(comment_)}) {
        field->installEventFilter(this);
    }

    auto* meetingData = new QGridLayout;
    meetingData->addWidget(new QLabel(QStringLiteral("ΣΥΝΑΝΤΗΣΗ"), this), 0, 0);
    meetingData->addWidget(meeting_, 1, 0);
    meetingData->addWidget(new QLabel(QStringLiteral("ΙΠΠΟΔΡΟΜΙΑ"), this), 0, 1);
    meetingData->addWidget(raceDay_, 1, 1);
    meetingData->addWidget(new QLabel(QStringLiteral("ΗΜΕΡΟΜΗΝΙΑ"), this), 0, 2);
    meetingData->addWidget(date_, 1, 2);
    meetingData->addWidget(new QLabel(QStringLiteral("ΣΧΟΛΙΟ"), this), 0, 3);
    meetingData->addWidget(comment_, 1, 3);
    meetingData->setColumnStretch(3, 1);
    meetingData->setHorizontalSpacing(16);

    auto* gridCaption = new QLabel(QStringLiteral("ΑΛΟΓΑ ΠΟΥ ΣΥΜΜΕΤΕΧΟΥΝ ΣΤΙΣ ΚΟΥΡΣΕΣ"), this);
    gridCaption->setAlignment(Qt::AlignCenter);
    gridCaption->setFrameStyle(QFrame::Panel | QFrame::Raised);
    QFont captionFont = gridCaption->font();
    captionFont.setBold(true);
    gridCaption->setFont(captionFont);

    grid_->setObjectName(QStringLiteral("HorseGrid"));
    QFont gridFont = grid_->font();
    gridFont.setPointSize(8);
    grid_->setFont(gridFont);
    grid_->setRowHeight(kRowHeight);
    grid_->setDefaultColumnWidth(kHorseColumnWidth);
    grid_->setKeptColumnWidth(0, kRaceColumnWidth);
    grid_->cells()->setFixed(1, 1);
    grid_->cells()->setFixedColor(gameBackground());
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setFixedWidth(kRaceColumnWidth + 20 * kHorseColumnWidth + 2 * grid_->frameWidth() + 1);
    grid_->setSource(CellSource{
        .columnCount = [] { return 21; },
        .rowCount = [this] { return marks_.races() + 1; },
        .text =
            [this](int column, int row) {
                if (row == 0) {
                    return column == 0 ? qs(rowLabelFor(ctx_.game.Paixnidi)) : QString::number(column);
                }
                return column == 0 ? QString::number(row) : QString();
            },
        .picture = [this](int column, int row) -> const QPixmap* {
            if (column < 1 || row < 1) {
                return nullptr;
            }
            return marks_.marked(row, column) ? &markedBoxPicture() : &emptyBoxPicture();
        },
        .editable = {},
        .setText = {},
    });
    connect(grid_, &CellGrid::cellReleased, this,
            [this](int column, int row, Qt::MouseButton) { HorseGridMouseUp(column, row); });

    btnPaixnidi_->setObjectName(QStringLiteral("BtnPaixnidi"));
    btnFortoma_->setObjectName(QStringLiteral("BtnFortoma"));
    btnEpistrofi_->setObjectName(QStringLiteral("BtnEpistrofi"));
    btnHelp_->setObjectName(QStringLiteral("BtnHelp"));
    for (QPushButton* button : {btnPaixnidi_, btnFortoma_, btnEpistrofi_, btnHelp_}) {
        button->setAutoDefault(false);
        button->setMinimumHeight(30);
    }
    connect(btnPaixnidi_, &QPushButton::clicked, this, &TNewDiagDlg::BtnPaixnidiClick);
    connect(btnFortoma_, &QPushButton::clicked, this, &TNewDiagDlg::BtnFortomaClick);
    connect(btnEpistrofi_, &QPushButton::clicked, this, &TNewDiagDlg::BtnEpistrofiClick);
    connect(btnHelp_, &QPushButton::clicked, this, &TNewDiagDlg::BtnHelpClick);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnPaixnidi_);
    buttons->addWidget(btnFortoma_);
    buttons->addStretch();
    buttons->addWidget(btnEpistrofi_);
    buttons->addWidget(btnHelp_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(band_);
    layout->addLayout(meetingData);
    layout->addSpacing(6);
    layout->addWidget(gridCaption);
    layout->addWidget(grid_, 0, Qt::AlignHCenter);
    layout->addStretch();
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    prepare(0);
}

void TNewDiagDlg::clear() {
    raceDay_->clear();
    date_->clear();
    comment_->clear();
    marks_.reset(marks_.races());
    grid_->refresh();
}

void TNewDiagDlg::prepare(int races) {
    paintDialogBackground(this, gameBackground());
    band_->setText(qs(ctx_.game.Paixnidi));
    marks_.reset(races);
    grid_->refresh();
    grid_->setFixedHeight((races + 1) * kRowHeight + 2 * grid_->frameWidth() + 1);
    meeting_->setCurrentIndex(0);
}

bool TNewDiagDlg::collectHorses() {
    auto races = marks_.collect();
    if (!races) {
        return false;
    }
    ctx_.game.Aloga = std::move(*races);
    return true;
}

void TNewDiagDlg::BtnPaixnidiClick() {
    TPaixnidiFrm* game = ctx_.paixnidiFrm;
    if (!game) {
        return;
    }
    if (!game->isVisible()) {
        game->resetFor(ctx_.game.Kourses);
    }
    if (!collectHorses()) {
        showInformation(this, QStringLiteral("Παρακαλώ επιλέξτε άλογα για όλες τις κούρσες."));
        return;
    }
    if (!game->setSelectedHorses()) {
        return;
    }
    game->show();
    game->raise();
    game->activateWindow();
    if (ctx_.selection.hasNoBasics()) {
        game->openEditorForEntryOnBasic1();
    }
}

void TNewDiagDlg::BtnFortomaClick() {
    loadGame(ctx_, this);
}

MeetingData TNewDiagDlg::meetingData() const {
    return {us(raceDay_->text()), us(date_->text()), us(comment_->text()), us(meeting_->currentText())};
}

void TNewDiagDlg::setMeetingData(const MeetingData& meeting) {
    meeting_->setCurrentIndex(meeting_->findText(qs(meeting.meeting)));
    raceDay_->setText(qs(meeting.raceDay));
    date_->setText(qs(meeting.date));
    comment_->setText(qs(meeting.comment));
}

void TNewDiagDlg::markHorses(const aTAloga& races) {
    marks_.reset(marks_.races());
    for (int race = 1; race <= marks_.races() && race <= static_cast<int>(races.size()); ++race) {
        for (int horse : races[static_cast<std::size_t>(race - 1)].list()) {
            if (!marks_.marked(race, horse)) {
                marks_.toggle(race, horse);
            }
        }
    }
    grid_->viewport()->update();
}

QString TNewDiagDlg::lastOpenedFile() const {
    const auto found = openedFiles_.find(ctx_.game.Paixnidi);
    return found == openedFiles_.end() ? QString() : found->second;
}

void TNewDiagDlg::setLastOpenedFile(const QString& path) {
    openedFiles_[ctx_.game.Paixnidi] = path;
}

void TNewDiagDlg::BtnEpistrofiClick() {
    hide();
}

int TNewDiagDlg::helpContext() const {
    if (ctx_.game.Paixnidi == games::kSkor4) {
        return 3;
    }
    if (ctx_.game.Paixnidi == games::kSkor6) {
        return 4;
    }
    return 6;
}

void TNewDiagDlg::BtnHelpClick() {
    showHelp(this, helpContext());
}

void TNewDiagDlg::HorseGridMouseUp(int column, int row) {
    if (column < 1) {
        return;
    }
    if (row >= 1) {
        marks_.toggle(row, column);
    } else if (row == 0) {
        marks_.toggleInEveryRace(column);
    } else {
        return;
    }
    grid_->viewport()->update();
}

bool TNewDiagDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QDialog::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (isEnter(key->key())) {
        focusNextPrevChild(true);
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        focusNextPrevChild(false);
        return true;
    }
    if (watched == raceDay_) {
        // Digits, Backspace and Tab reach the race-day number; every other typed character is dropped.
        const QString text = key->text();
        if (!text.isEmpty() && text.at(0).isPrint() &&
            !(text.size() == 1 && text.at(0).isDigit() && text.at(0).unicode() < 128)) {
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace quintaro::gui
