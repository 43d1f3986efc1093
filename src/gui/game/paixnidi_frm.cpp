#include "gui/game/paixnidi_frm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <chrono>

#include "core/game/counting.h"
#include "core/game/game_types.h"
#include "core/game/group_tables.h"
#include "core/settings/column_cost.h"
#include "core/text/number_text.h"
#include "gui/app_context.h"
#include "gui/coupons/columns_command.h"
#include "gui/coupons/coupons_command.h"
#include "gui/game/cell_grid.h"
#include "gui/game/counting_progress_dlg.h"
#include "gui/game/epiloges_dlg.h"
#include "gui/game/game_file_commands.h"
#include "gui/game/limit_grid.h"
#include "gui/game/new_diag_dlg.h"
#include "gui/game/omades_dlg.h"
#include "gui/game/pictures.h"
#include "gui/game/system_report_print.h"
#include "gui/game/winning_check_command.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/help_viewer.h"
#include "gui/platform/qt_text.h"
#include "gui/platform/window_look.h"

namespace quintaro::gui {
namespace {

constexpr int kHelpContext = 7;
const QColor kNavy(0, 0, 128);

}  // namespace

TPaixnidiFrm::TPaixnidiFrm(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      ctx_(context),
      band_(new QWidget(this)),
      infoLine_(new QLabel(band_)),
      Sgrd(new CellGrid(this)),
      middle_(new QWidget(this)),
      Edit1(new QLineEdit(middle_)),
      Edit2(new QLineEdit(middle_)),
      Label6(new QLabel(middle_)),
      Label7(new QLabel(middle_)) {
    setObjectName(QStringLiteral("PaixnidiFrm"));
    setWindowTitle(QStringLiteral("ΠΑΙΧΝΙΔΙ"));
    buildLayout();
    applyColours();
    Sgrd->setSource(CellSource{
        .columnCount = [this] { return ctx_.selection.columnCount(); },
        .rowCount = [this] { return ctx_.selection.rowCount(); },
        .text = [this](int column, int row) { return qs(ctx_.selection.cell(column, row)); },
        .picture = {},
        .editable = {},
        .setText = {},
    });
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

QPushButton* TPaixnidiFrm::button(const QString& caption, const char* name, const QString& hint) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

void TPaixnidiFrm::buildLayout() {
    setFixedSize(761, 475);

    // Top band: the race pictures on the left, the information line aligned right.
    band_->setGeometry(0, 0, 761, 41);
    infoLine_->setObjectName(QStringLiteral("InfoLine"));
    infoLine_->setGeometry(0, 0, 755, 41);
    infoLine_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont bold = infoLine_->font();
    bold.setBold(true);
    infoLine_->setFont(bold);
    for (int i = 0; i < 9; ++i) {
        auto* picture = new QLabel(band_);
        picture->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        picture->setPixmap(racePicture(i + 1));
        picture->setGeometry(4 + i * 36, 4, 32, 32);
        pictures_[static_cast<std::size_t>(i)] = picture;
    }

    // The selection grid.
    Sgrd->setObjectName(QStringLiteral("Sgrd"));
    Sgrd->setGeometry(0, 41, 761, 279);
    Sgrd->cells()->setFixed(2, 1);
    QFont gridFont = Sgrd->font();
    gridFont.setBold(true);
    gridFont.setPointSize(8);
    Sgrd->setFont(gridFont);
    Sgrd->installEventFilter(this);
    connect(Sgrd, &CellGrid::cellReleased, this, &TPaixnidiFrm::SgrdMouseUp);

    // The middle panel: sums, counting results, groups, clearing, change of game, "+".
    middle_->setGeometry(0, 320, 761, 80);
    BtnAthroisma = button(QStringLiteral("Α&ΘΡΟΙΣΜΑ"), "BtnAthroisma");
    BtnAthroisma->setParent(middle_);
    BtnAthroisma->setGeometry(8, 8, 100, 28);
    auto* fromLabel = new QLabel(QStringLiteral("ΑΠΟ"), middle_);
    fromLabel->setGeometry(116, 8, 34, 28);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(150, 10, 50, 24);
    auto* toLabel = new QLabel(QStringLiteral("ΕΩΣ"), middle_);
    toLabel->setGeometry(208, 8, 34, 28);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(242, 10, 50, 24);

    auto* with = new QLabel(QStringLiteral("Με"), middle_);
    with->setGeometry(8, 44, 26, 28);
    BtnPlus = button(QStringLiteral("+"), "BtnPlus");
    BtnPlus->setParent(middle_);
    BtnPlus->setGeometry(34, 44, 28, 28);
    QFont plusFont = BtnPlus->font();
    plusFont.setBold(true);
    plusFont.setPointSize(plusFont.pointSize() + 3);
    BtnPlus->setFont(plusFont);
    auto* newBasic = new QLabel(QStringLiteral("Νέα βασική"), middle_);
    newBasic->setGeometry(68, 44, 120, 28);

    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setGeometry(306, 10, 226, 24);
    Label6->setFont(bold);
    QPalette labelPalette = Label6->palette();
    labelPalette.setColor(QPalette::WindowText, kNavy);
    Label6->setPalette(labelPalette);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setGeometry(306, 46, 226, 24);

    BtnOmades = button(QStringLiteral("&ΟΜΑΔΕΣ"), "BtnOmades");
    BtnOmades->setParent(middle_);
    BtnOmades->setGeometry(540, 8, 100, 28);
    BtnKatharismos = button(QStringLiteral("&ΚΑΘΑΡΙΣΜΟΣ"), "BtnKatharismos",
                            QStringLiteral("ΚΑΘΑΡΙΣΜΟΣ ΟΛΩΝ ΤΩΝ ΒΑΣΙΚΩΝ"));
    BtnKatharismos->setParent(middle_);
    BtnKatharismos->setGeometry(645, 8, 110, 28);
    BtnAllagh = button(QStringLiteral("ΑΛΛΑΓΗ ΠΑΙΧΝΙΔΙΟΥ"), "BtnAllagh");
    BtnAllagh->setParent(middle_);
    BtnAllagh->setGeometry(540, 44, 215, 28);

    // The two rows of commands.
    BtnMetra = button(QStringLiteral("&ΜΕΤΡΗΜΑ"), "BtnMetra", QStringLiteral("ΜΕΤΡΗΜΑ ΣΤΗΛΩΝ"));
    BtnStiles =
        button(QStringLiteral("&ΣΤΗΛΕΣ"), "BtnStiles", QStringLiteral("ΕΜΦΑΝΙΣΗ ΣΤΗΛΩΝ - ΑΠΛΕΣ - ΜΑΖΕΜΑ"));
    BtnDialogh = button(QStringLiteral("ΔΙΑΛΟ&ΓΗ"), "BtnDialogh", QStringLiteral("ΔΙΑΛΟΓΗ ΕΠΙΤΥΧΙΩΝ"));
    BtnDeltia = button(QStringLiteral("&ΔΕΛΤΙΑ"), "BtnDeltia", QStringLiteral("ΔΕΛΤΙΑ ΠΡΟΒΟΛΗ,ΕΚΤΥΠΩΣΗ "));
    BtnEktyposh = button(QStringLiteral("Ε&ΚΤΥΠΩΣΗ"), "BtnEktyposh", QStringLiteral("ΕΚΤΥΠΩΣΗ ΣΥΣΤΗΜΑΤΟΣ"));
    BtnApothikeysh = button(QStringLiteral("&ΑΠΟΘΗΚΕΥΣΗ"), "BtnApothikeysh");
    BtnEpistrofi = button(QStringLiteral("&ΕΠΙΣΤΡΟΦΗ"), "BtnEpistrofi");
    BtnHelp = button(QStringLiteral("&ΒΟΗΘΕΙΑ"), "BtnHelp");
    const std::array<QPushButton*, 4> row1 = {BtnMetra, BtnStiles, BtnDialogh, BtnDeltia};
    const std::array<QPushButton*, 4> row2 = {BtnEktyposh, BtnApothikeysh, BtnEpistrofi, BtnHelp};
    for (int i = 0; i < 4; ++i) {
        row1[static_cast<std::size_t>(i)]->setGeometry(8 + i * 188, 405, 180, 30);
        row2[static_cast<std::size_t>(i)]->setGeometry(8 + i * 188, 440, 180, 30);
    }

    connect(BtnMetra, &QPushButton::clicked, this, &TPaixnidiFrm::BtnMetraClick);
    connect(BtnAthroisma, &QPushButton::clicked, this, &TPaixnidiFrm::BtnAthroismaClick);
    connect(BtnOmades, &QPushButton::clicked, this, &TPaixnidiFrm::BtnOmadesClick);
    connect(BtnKatharismos, &QPushButton::clicked, this, &TPaixnidiFrm::BtnKatharismosClick);
    connect(BtnAllagh, &QPushButton::clicked, this, &TPaixnidiFrm::BtnAllaghClick);
    connect(BtnPlus, &QPushButton::clicked, this, &TPaixnidiFrm::BtnPlusClick);
    connect(BtnApothikeysh, &QPushButton::clicked, this, &TPaixnidiFrm::BtnApothikeyshClick);
    connect(BtnEpistrofi, &QPushButton::clicked, this, &TPaixnidiFrm::BtnEpistrofiClick);
    connect(BtnHelp, &QPushButton::clicked, this, &TPaixnidiFrm::BtnHelpClick);
    connect(BtnStiles, &QPushButton::clicked, this, &TPaixnidiFrm::BtnStilesClick);
    connect(BtnDialogh, &QPushButton::clicked, this, &TPaixnidiFrm::BtnDialoghClick);
    connect(BtnDeltia, &QPushButton::clicked, this, &TPaixnidiFrm::BtnDeltiaClick);
    connect(BtnEktyposh, &QPushButton::clicked, this, &TPaixnidiFrm::BtnEktyposhClick);
}

void TPaixnidiFrm::BtnDeltiaClick() {
    showCoupons(ctx_, this, ctx_.newDiagDlg ? ctx_.newDiagDlg->meetingBox()->currentText() : QString());
    Sgrd->setFocus();
}

void TPaixnidiFrm::BtnEktyposhClick() {
    rebuildGroups();
    auto widths = [](const CellGrid* grid, int columns) {
        std::vector<int> out;
        for (int c = 0; c < columns; ++c) {
            out.push_back(grid ? grid->keptColumnWidth(c) : 0);
        }
        return out;
    };
    SystemReportRequest request;
    request.selection = &ctx_.selection.grid();
    request.selectionWidths = widths(Sgrd, ctx_.selection.columnCount());
    request.sumFrom = Edit1->text();
    request.sumTo = Edit2->text();
    request.groups = &ctx_.groups.grid();
    request.superGroups = &ctx_.superGroups.grid();
    if (ctx_.omadesDlg) {
        request.groupWidths = widths(ctx_.omadesDlg->grid(), ctx_.groups.grid().columnCount());
    }
    if (ctx_.ypeOmadesDlg) {
        request.superGroupWidths = widths(ctx_.ypeOmadesDlg->grid(), ctx_.superGroups.grid().columnCount());
    }
    request.informationLine = informationLine();
    request.gridFont = Sgrd->font();
    printSystemReport(this, ctx_, request);
    Sgrd->setFocus();
}

void TPaixnidiFrm::BtnStilesClick() {
    showColumns(ctx_, cost());
    Sgrd->setFocus();
}

void TPaixnidiFrm::BtnDialoghClick() {
    runWinningCheck(ctx_);
    Sgrd->setFocus();
}

void TPaixnidiFrm::applyColours() {
    paintDialogBackground(this, gameBackground());
    paintDialogBackground(middle_);
    paintDialogBackground(band_, kNavy);
    QPalette pal = infoLine_->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    infoLine_->setPalette(pal);
    Sgrd->cells()->setFixedColor(gameBackground());
}

QString TPaixnidiFrm::informationLine() const {
    return infoLine_->text();
}

void TPaixnidiFrm::setInformationLine(const QString& text) {
    infoLine_->setText(text);
}

int TPaixnidiFrm::letterWidth() const {
    return QFontMetrics(Sgrd->font()).horizontalAdvance(QLatin1Char('X'));
}

int TPaixnidiFrm::fittedWidth(int ruleWidth, const std::vector<std::string>& texts) const {
    // The width rule counts three quarters of an "X" per character; where the grid's font draws the horse
    // numbers wider than that, the column grows so that no horse is cut off.
    const QFontMetrics metrics(Sgrd->font());
    int width = ruleWidth;
    for (const std::string& text : texts) {
        width = std::max(width, metrics.horizontalAdvance(qs(text)) + 6);
    }
    return width;
}

void TPaixnidiFrm::resetFor(int races) {
    applyColours();
    setInformationLine(qs(ctx_.game.Paixnidi));
    for (int i = 0; i < 9; ++i) {
        pictures_[static_cast<std::size_t>(i)]->setVisible(i < races);
    }
    ctx_.selection.reset(races, rowLabelFor(ctx_.game.Paixnidi));
    previousFound_.reset();
    Sgrd->setKeptColumnWidth(0, 60);
    Sgrd->setKeptColumnWidth(1, 100);
    Sgrd->setKeptColumnWidth(2, 50);
    Sgrd->refresh();
}

bool TPaixnidiFrm::setSelectedHorses() {
    SelectionTable& table = ctx_.selection;
    table.setSelectedHorses(ctx_.game.Aloga);
    std::vector<std::string> texts;
    for (int race = 1; race <= table.races(); ++race) {
        texts.push_back(table.cell(SelectionTable::kHorsesColumn, race));
    }
    const int width = fittedWidth(horsesColumnWidth(letterWidth(), texts), texts);
    Sgrd->setKeptColumnWidth(1, width);
    Sgrd->setKeptColumnWidth(2, width);
    ctx_.game.DiakritaAloga = distinctHorses(ctx_.game.Aloga);
    Sgrd->refresh();
    const bool sums = recomputeSumBounds();
    showFullSystemSize();
    return sums;
}

void TPaixnidiFrm::showFullSystemSize() {
    if (const auto line = preparedInformationLine(ctx_.game.Paixnidi, ctx_.selection.fullSystemSize())) {
        setInformationLine(qs(*line));
    }
}

bool TPaixnidiFrm::recomputeSumBounds() {
    const auto bounds = ctx_.selection.computeSumBounds();
    if (!bounds) {
        showError(this, QStringLiteral("Σφάλμα!\nΠαρακαλώ επιλέξτε άλογα για όλες τις κούρσες."));
        return false;
    }
    Edit1->setText(QString::number(bounds->least));
    Edit2->setText(QString::number(bounds->greatest));
    return true;
}

void TPaixnidiFrm::openEditorForEntryOnBasic1() {
    Sgrd->selectCell(SelectionTable::kFirstBasicColumn, 1);
    openEditor(SelectionTable::kFirstBasicColumn, EditorMode::Entry);
}

void TPaixnidiFrm::showLoadedBasics(const LoadedGame& game) {
    SelectionTable& table = ctx_.selection;
    table = game.selection;
    for (int column = SelectionTable::kFirstBasicColumn; column < table.columnCount(); ++column) {
        std::vector<std::string> texts;
        for (int race = 1; race <= table.races(); ++race) {
            texts.push_back(table.cell(column, race));
        }
        Sgrd->setKeptColumnWidth(column, fittedWidth(basicColumnWidth(letterWidth(), texts), texts));
    }
    setInformationLine(qs(game.informationLine));
    Edit1->setText(qs(game.leastSum));
    Edit2->setText(qs(game.greatestSum));
    Sgrd->refresh();
}

void TPaixnidiFrm::openEditor(int column, EditorMode mode) {
    TEpilogesDlg* editor = ctx_.epilogesDlg;
    if (!editor) {
        return;
    }
    if (mode == EditorMode::Correction) {
        if (!editor->fillForCorrection(column)) {
            return;
        }
    } else {
        editor->fillForEntry(column);
    }
    const TEpilogesDlg::Answer answer = editor->run();
    if (answer != TEpilogesDlg::Cancel) {
        editor->model().writeBack(ctx_.selection, column);
        const std::vector<std::string> texts = editor->model().raceTexts();
        Sgrd->setKeptColumnWidth(column, fittedWidth(basicColumnWidth(letterWidth(), texts), texts));
    } else if (mode == EditorMode::Entry) {
        Sgrd->setKeptColumnWidth(column, basicColumnWidth(letterWidth(), {}));
    }
    Sgrd->refresh();
    if (answer == TEpilogesDlg::Delete) {
        deleteBasic(column);
    }
}

void TPaixnidiFrm::SgrdMouseUp(int column, int row, Qt::MouseButton button) {
    const SelectionTable& table = ctx_.selection;
    if (!table.isBasicColumn(column) || row < 0 || row > table.races()) {
        return;
    }
    if (button == Qt::LeftButton) {
        openEditor(column, EditorMode::Entry);
    } else if (button == Qt::RightButton) {
        openEditor(column, EditorMode::Correction);
    }
}

bool TPaixnidiFrm::addBasic() {
    const auto column = ctx_.selection.addBasic();
    if (!column) {
        return false;
    }
    Sgrd->setKeptColumnWidth(*column, Sgrd->keptColumnWidth(SelectionTable::kHorsesColumn));
    Sgrd->refresh();
    Sgrd->selectCell(*column, 1);
    openEditor(*column, EditorMode::Entry);
    // The editor is modal: the group table learns of the new basic once it has closed.
    if (rebuildGroups()) {
        raiseGroupLimits(ctx_.groups, ctx_.selection.cell(*column, ctx_.selection.groupRow()));
        refreshGroupDialogs(ctx_);
    }
    return true;
}

bool TPaixnidiFrm::rebuildGroups() {
    try {
        rebuildGroupTable(ctx_.selection, ctx_.groups, ctx_.superGroups);
    } catch (const ConversionError& error) {
        refreshGroupDialogs(ctx_);
        showError(this, qs(error.what()));
        return false;
    }
    refreshGroupDialogs(ctx_);
    return true;
}

void TPaixnidiFrm::BtnPlusClick() {
    addBasic();
}

void TPaixnidiFrm::deleteBasic(int column) {
    SelectionTable& table = ctx_.selection;
    if (!table.isBasicColumn(column)) {
        return;
    }
    const QString question = QStringLiteral("Θα διαγράψω τη βασική ") + qs(table.cell(column, 0)) +
                             QStringLiteral(". Να προχωρήσω;");
    if (!askYesNo(this, QStringLiteral("ΠΡΟΕΙΔΟΠΟΙΗΣΗ"), question, MessageKind::Warning)) {
        return;
    }
    lowerGroupLimits(ctx_.groups, table.cell(column, table.groupRow()));
    refreshGroupDialogs(ctx_);
    const bool removesColumn = table.basicCount() > 1;
    table.deleteBasic(column);
    if (removesColumn) {
        Sgrd->removeKeptColumnWidth(column);
    }
    Sgrd->refresh();
}

void TPaixnidiFrm::BtnKatharismosClick() {
    if (askYesNo(this, QStringLiteral("ΠΡΟΕΙΔΟΠΟΙΗΣΗ"),
                 QStringLiteral("Θα διαγραφούν όλες οι βασικές που έχετε πληκτρολογήσει.Να προχωρήσω;"),
                 MessageKind::Warning)) {
        ctx_.selection.clearBasics();
        Sgrd->refresh();
        ctx_.groups.clear();
        refreshGroupDialogs(ctx_);
    }
    Sgrd->setFocus();
}

void TPaixnidiFrm::BtnAthroismaClick() {
    recomputeSumBounds();
    Sgrd->setFocus();
}

void TPaixnidiFrm::BtnOmadesClick() {
    // The dialog opens also when the super-groups could not be rebuilt, so that the cell at fault can be
    // corrected there.
    rebuildGroups();
    TOmadesDlg& dialog = TOmadesDlg::get(ctx_);
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

void TPaixnidiFrm::BtnMetraClick() {
    const auto started = std::chrono::steady_clock::now();
    QApplication::setOverrideCursor(Qt::BusyCursor);
    // In every case, also when a step failed: Label6, the mouse pointer and the focus.
    const auto finally = qScopeGuard([this] {
        Label6->setText(qs(foundLabelText(found_)));
        QApplication::restoreOverrideCursor();
        Sgrd->setFocus();
    });
    try {
        rebuildGroupTable(ctx_.selection, ctx_.groups, ctx_.superGroups);
        refreshGroupDialogs(ctx_);
        CountRequest request;
        request.game = ctx_.game.Paixnidi;
        request.selection = ctx_.selection;
        request.leastSum = us(Edit1->text());
        request.greatestSum = us(Edit2->text());
        request.groups = ctx_.groups;
        request.superGroups = ctx_.superGroups;
        request.price = readColumnCost(ctx_.settings, ctx_.game.Paixnidi, decimalSeparator());

        // From here on the last counting's columns are gone, whatever happens.
        found_ = 0;
        candidates_ = 0;
        cost_ = 0;
        ctx_.game.Sthles.reset(ctx_.game.Kourses);
        const std::uint64_t full = ctx_.selection.fullSystemSize();
        if (const auto line = preparedInformationLine(ctx_.game.Paixnidi, full)) {
            setInformationLine(qs(*line));
        }
        CountOutcome outcome = countWithProgress(this, request, full, [this](std::uint64_t found) {
            Label6->setText(qs(progressLabelText(found)));
        });
        if (outcome.cancelled) {
            QApplication::restoreOverrideCursor();
            showInformation(this, QStringLiteral("Το μέτρημα διακόπηκε. Δεν κρατήθηκε καμία στήλη."));
            QApplication::setOverrideCursor(Qt::BusyCursor);
            return;
        }
        found_ = outcome.found;
        candidates_ = outcome.candidates;
        cost_ = outcome.cost;
        noBasics_ = outcome.noBasics;
        const std::string line = countedInformationLine(ctx_.game.Paixnidi, outcome, decimalSeparator());
        storeCounting(ctx_.game, std::move(outcome));
        setInformationLine(qs(line));
        Label6->setText(qs(foundLabelText(found_)));
        Label7->setText(qs(previousCountingLabelText(previousFound_)));
        previousFound_ = found_;
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        QApplication::restoreOverrideCursor();
        showInformation(this, qs(countingResultMessage(line, seconds, decimalSeparator())));
        QApplication::setOverrideCursor(Qt::BusyCursor);
    } catch (const std::exception& error) {
        QApplication::restoreOverrideCursor();
        showError(this, qs(error.what()));
        QApplication::setOverrideCursor(Qt::BusyCursor);
    }
}

void TPaixnidiFrm::BtnAllaghClick() {
    if (TNewDiagDlg* dialog = ctx_.newDiagDlg) {
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    }
}

void TPaixnidiFrm::BtnApothikeyshClick() {
    if (rebuildGroups()) {
        saveGame(ctx_, this);
    }
    Sgrd->setFocus();
}

void TPaixnidiFrm::BtnEpistrofiClick() {
    if (askYesNo(this, QStringLiteral("ΕΠΙΒΕΒΑΙΩΣΗ"),
                 QStringLiteral("Θα χάσετε τις βασικές αν δεν έχετε αποθηκεύσει το παιχνίδι!Να προχωρήσω;"),
                 MessageKind::Information)) {
        hide();
    }
}

void TPaixnidiFrm::BtnHelpClick() {
    showHelp(this, kHelpContext);
}

void TPaixnidiFrm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        Label6->clear();
        Label7->clear();
    }
}

void TPaixnidiFrm::closeEvent(QCloseEvent* event) {
    // The close box asks as "&ΕΠΙΣΤΡΟΦΗ" does: a hidden game window is reset by the next game.
    if (askYesNo(this, QStringLiteral("ΕΠΙΒΕΒΑΙΩΣΗ"),
                 QStringLiteral("Θα χάσετε τις βασικές αν δεν έχετε αποθηκεύσει το παιχνίδι!Να προχωρήσω;"),
                 MessageKind::Information)) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool TPaixnidiFrm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Sgrd && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->text() == QStringLiteral("+") && addBasic()) {
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace quintaro::gui
