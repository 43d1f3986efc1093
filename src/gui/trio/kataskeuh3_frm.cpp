#include "gui/trio/kataskeuh3_frm.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "core/text/cp1253.h"
#include "core/text/horse_list.h"
#include "core/text/number_text.h"
#include "core/trio/binomial.h"
#include "core/trio/condition_grid.h"
#include "core/trio/number_group.h"
#include "core/trio/trio_files.h"
#include "core/trio/trio_texts.h"
#include "gui/app_context.h"
#include "gui/platform/app_paths.h"
#include "gui/platform/calculator.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/qt_text.h"
#include "gui/platform/window_look.h"
#include "gui/trio/condition_grid_view.h"
#include "gui/trio/number_board.h"
#include "gui/trio/standard3_frm.h"
#include "gui/trio/stiles3_frm.h"
#include "gui/trio/text_grid_model.h"
#include "gui/trio/trio_file_io.h"
#include "gui/trio/trio_style.h"

namespace quintaro::gui {
namespace {

constexpr int kSliceMilliseconds = 20;

QString conditionsFilter() {
    return QStringLiteral("Αρχεία Όρων|*.or3");
}

QLabel* plainLabel(const char* name, QWidget* parent, const QRect& geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    return label;
}

QPushButton* button(const QString& caption, const char* name, QWidget* parent, const QRect& geometry) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    b->setAutoDefault(false);
    return b;
}

// The calculator picture: a small desk calculator.
QIcon calculatorIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(60, 60, 60));
    p.setBrush(QColor(170, 170, 170));
    p.drawRoundedRect(QRectF(4.5, 1.5, 23, 29), 3, 3);
    p.setBrush(QColor(200, 230, 200));
    p.drawRect(QRectF(7.5, 4.5, 17, 6));
    p.setBrush(QColor(240, 240, 240));
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            p.drawRect(QRectF(7.5 + c * 6, 13.5 + r * 5.5, 4, 3.5));
        }
    }
    return QIcon(pixmap);
}

// The item of a drop-down list whose text equals the text, ignoring case; -1 when none does.
int matchingItem(const QComboBox* combo, const std::string& text) {
    for (int i = 0; i < combo->count(); ++i) {
        if (trio::sameTextIgnoringCase(us(combo->itemText(i)), text)) {
            return i;
        }
    }
    return -1;
}

}  // namespace

QString TKataskeuh3Frm::resetCaption() {
    return QStringLiteral("KATAΣΚΕΥΗ ΣΥΣΤΗΜΑΤΩΝ TRIO");
}

TKataskeuh3Frm::TKataskeuh3Frm(AppContext& context, QWidget* parent) : QDialog(parent), ctx_(context) {
    setObjectName(QStringLiteral("Kataskeuh3Frm"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setFixedSize(790, 533);
    paintDialogBackground(this);
    trio::resetConditionGrid(grid_);
    buildLeftPart();
    buildRightPanel();
    setWindowTitle(resetCaption());
}

TKataskeuh3Frm::~TKataskeuh3Frm() = default;

void TKataskeuh3Frm::buildLeftPart() {
    titleBand(QStringLiteral("Ε Π Ι Λ Ο Γ Η     ΑΛΟΓΩΝ"), this)->setGeometry(8, 8, 362, 22);
    SgrdA = new NumberBoard(board_, QColor(0, 128, 0), this);
    SgrdA->setObjectName(QStringLiteral("SgrdA"));
    SgrdA->move(8, 36);
    connect(SgrdA, &NumberBoard::cellReleased, this, &TKataskeuh3Frm::SgrdAMouseUp);

    // " Μ " and "Ζ" beside each board row; a button's tag is its row.
    for (int i = 0; i < 4; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(QStringLiteral("ToolButton%1").arg(i + 1));
        b->setText(i % 2 == 0 ? QStringLiteral(" Μ ") : QStringLiteral("Ζ"));
        b->setCheckable(true);
        b->setProperty("tag", i / 2);
        b->setGeometry(306 + (i % 2) * 32, 36 + (i / 2) * 29, 30, 28);
        connect(b, &QToolButton::clicked, this, [this, b] { ToolButton1Click(b); });
        toolButtons_[i] = b;
    }

    Sgrd = new ConditionGridView(this);
    Sgrd->setObjectName(QStringLiteral("Sgrd"));
    sgrdModel_ = new TextGridModel(grid_, true, this);
    Sgrd->setModel(sgrdModel_);
    int width = 2;
    for (int c = 0; c < trio::kGridColumns; ++c) {
        Sgrd->setColumnWidth(c, trio::kGridColumnWidths[c]);
        width += trio::kGridColumnWidths[c];
    }
    Sgrd->setGeometry(8, 104, width, 22 * trio::kGridRows + 2);
    connect(Sgrd, &ConditionGridView::enterPressed, this, &TKataskeuh3Frm::SGrdEnter);

    // The number groups.
    const int top = 312;
    plainLabel("LblAr", this, {40, top, 200, 18})->setText(QStringLiteral("Αριθμοί"));
    plainLabel("LblApo", this, {272, top, 40, 18})->setText(QStringLiteral("Από"));
    plainLabel("LblEos", this, {318, top, 40, 18})->setText(QStringLiteral("Έως"));
    const char* listNames[] = {"LblNums", "LblNums2", "LblNums3", "LblNums4"};
    const char* fromNames[] = {"Edit2", "EdtApo", "EdtApo3", "EdtApo4"};
    const char* toNames[] = {"Edit3", "EdtEos", "EdtEos3", "EdtEos4"};
    for (int g = 0; g < trio::kNumberGroups; ++g) {
        const int y = top + 20 + g * 28;
        speedButtons_[g] = button(QStringLiteral("Α%1").arg(g + 1), "", this, {8, y, 28, 24});
        speedButtons_[g]->setObjectName(QStringLiteral("SpeedButton%1").arg(g + 1));
        connect(speedButtons_[g], &QPushButton::clicked, this, [this, g] { SpeedButtonClick(g); });
        groupLists_[g] = plainLabel(listNames[g], this, {40, y, 226, 24});
        groupLists_[g]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        paintDialogBackground(groupLists_[g], Qt::white);
        groupFrom_[g] = new QLineEdit(QStringLiteral("0"), this);
        groupFrom_[g]->setObjectName(QString::fromLatin1(fromNames[g]));
        groupFrom_[g]->setGeometry(272, y, 40, 24);
        groupTo_[g] = new QLineEdit(QStringLiteral("0"), this);
        groupTo_[g]->setObjectName(QString::fromLatin1(toNames[g]));
        groupTo_[g]->setGeometry(318, y, 40, 24);
        groupFrom_[g]->installEventFilter(this);
        groupTo_[g]->installEventFilter(this);
    }
}

void TKataskeuh3Frm::buildRightPanel() {
    const int x = 392;
    const int w = 390;
    auto* full = new QGroupBox(QStringLiteral("ΠΛΗΡΕΣ ΣΥΣΤΗΜΑ"), this);
    full->setGeometry(x, 4, w, 80);
    Label1 = plainLabel("Label1", full, {10, 20, 370, 18});
    Label2 = plainLabel("Label2", full, {10, 38, 370, 18});
    Label3 = plainLabel("Label3", full, {10, 56, 370, 18});

    auto* hits = new QGroupBox(QStringLiteral("ΜΕ ΣΩΣΤΟΥΣ ΑΡ"), this);
    hits->setGeometry(x, 88, 96, 52);
    CmbNums = new QComboBox(hits);
    CmbNums->setObjectName(QStringLiteral("CmbNums"));
    CmbNums->addItem(qs(trio::kHitItem));
    CmbNums->setGeometry(8, 20, 80, 24);

    auto* guarantee = new QGroupBox(QStringLiteral("ΕΠΙΛΟΓΗ ΕΓΓΥΗΣΗΣ"), this);
    guarantee->setGeometry(x + 100, 88, 186, 52);
    CmbEggy = new QComboBox(guarantee);
    CmbEggy->setObjectName(QStringLiteral("CmbEggy"));
    CmbEggy->addItem(qs(trio::kGuarantee3));
    CmbEggy->addItem(qs(trio::kGuarantee2));
    CmbEggy->setGeometry(6, 20, 174, 24);

    auto* kind = new QGroupBox(this);
    kind->setGeometry(x + 290, 88, 100, 52);
    plainLabel("LblAnaptyxh", kind, {8, 6, 90, 16})->setText(QStringLiteral("ΑΝΑΠΤΥΞΗ ΣΕ "));
    CmbSysthma = new QComboBox(kind);
    CmbSysthma->setObjectName(QStringLiteral("CmbSysthma"));
    CmbSysthma->addItem(qs(trio::kSystemKind));
    CmbSysthma->setGeometry(6, 22, 88, 24);

    connect(CmbEggy, &QComboBox::currentIndexChanged, this, &TKataskeuh3Frm::CmbEggyChange);
    connect(CmbSysthma, &QComboBox::currentIndexChanged, this, &TKataskeuh3Frm::CmbSysthmaChange);
    connect(CmbNums, &QComboBox::currentIndexChanged, this, &TKataskeuh3Frm::CmbSysthmaChange);

    auto* guaranteed = new QGroupBox(QStringLiteral("ΕΓΓΥΗΜΕΝΗ"), this);
    guaranteed->setGeometry(x, 144, w, 168);
    Label4 = plainLabel("Label4", guaranteed, {10, 20, 70, 18});
    Label8 = plainLabel("Label8", guaranteed, {82, 20, 200, 18});
    QFont underlined = Label8->font();
    underlined.setUnderline(true);
    underlined.setBold(true);
    Label8->setFont(underlined);
    Label7 = plainLabel("Label7", guaranteed, {284, 20, 100, 18});
    Label15 = plainLabel("Label15", guaranteed, {10, 40, 370, 18});
    Label5 = plainLabel("Label5", guaranteed, {10, 60, 370, 18});
    Label11 = plainLabel("Label11", guaranteed, {10, 80, 370, 18});
    Label6 = plainLabel("Label6", guaranteed, {10, 100, 370, 18});
    Label10 = plainLabel("Label10", guaranteed, {10, 120, 370, 18});
    QFont bold = Label5->font();
    bold.setBold(true);
    for (QLabel* l : {Label5, Label6, Label10, Label11}) {
        l->setFont(bold);
    }

    Label9 = plainLabel("Label9", this, {x, 316, w, 18});
    PrgFill = new QProgressBar(this);
    PrgFill->setObjectName(QStringLiteral("PrgFill"));
    PrgFill->setGeometry(x, 338, 282, 22);
    PrgFill->setTextVisible(false);
    BBtnStop = button(QStringLiteral("ΔΙΑΚΟ&ΠΗ"), "BBtnStop", this, {x + 288, 334, 102, 30});
    BBtnStop->hide();
    endCalculationControls();

    const int bw = 192;
    const int bh = 32;
    BBtnCalc = button(QStringLiteral("&ΥΠΟΛΟΓΙΣΜΟΣ"), "BBtnCalc", this, {x, 372, bw, bh});
    BitBtn6 = button(QStringLiteral("&ΚΑΘΑΡΙΣΜΟΣ"), "BitBtn6", this, {x + 198, 372, bw, bh});
    BitBtn7 = button(QStringLiteral("&ΣΩΣΙΜΟ ΣΤΗΛΩΝ"), "BitBtn7", this, {x, 410, bw, bh});
    STILES3 = button(QStringLiteral("ΣΤΗΛΕΣ ΤΡΙΟ"), "STILES3", this, {x + 198, 410, bw, bh});
    BitBtn8 = button(QStringLiteral("ΑΠΟΘΗΚΕΥΣΗ &ΟΡΩΝ"), "BitBtn8", this, {x, 448, bw, bh});
    BitBtn5 = button(QStringLiteral("&ΦΟΡΤΩΜΑ ΟΡΩΝ"), "BitBtn5", this, {x + 198, 448, bw, bh});
    BitBtn1 = button(QStringLiteral("ΕΠΙΣΤΡΟΦΗ"), "BitBtn1", this, {x + 198, 490, bw, 36});
    Image1 = new QToolButton(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setToolTip(QStringLiteral("ΑΡΙΘΜΟΜΗΧΑΝΗ"));
    Image1->setIcon(calculatorIcon());
    Image1->setIconSize({32, 32});
    Image1->setAutoRaise(true);
    Image1->setGeometry(x, 490, 40, 40);

    connect(BBtnStop, &QPushButton::clicked, this, &TKataskeuh3Frm::BBtnStopClick);
    connect(BitBtn6, &QPushButton::clicked, this, &TKataskeuh3Frm::BtnClearClick);
    connect(BBtnCalc, &QPushButton::clicked, this, &TKataskeuh3Frm::BBtnCalcClick);
    connect(BitBtn7, &QPushButton::clicked, this, &TKataskeuh3Frm::BitBtn7Click);
    connect(BitBtn8, &QPushButton::clicked, this, &TKataskeuh3Frm::BBtnSaveOroiClick);
    connect(STILES3, &QPushButton::clicked, this, &TKataskeuh3Frm::STILES3Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TKataskeuh3Frm::BBtnLoadOroiClick);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::close);
    connect(Image1, &QToolButton::clicked, this, &TKataskeuh3Frm::Image1Click);
}

void TKataskeuh3Frm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        // Every opening starts afresh.
        systemName_.clear();
        reset();
    }
}

void TKataskeuh3Frm::closeEvent(QCloseEvent* event) {
    if (walk_) {
        // A running calculation is stopped first; the window closes once it has ended.
        BBtnStopClick();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TKataskeuh3Frm::reject() {
    if (walk_) {
        BBtnStopClick();
        return;
    }
    QDialog::reject();
}

void TKataskeuh3Frm::keyPressEvent(QKeyEvent* event) {
    // Esc does not close the window: the next opening would start afresh and the system set up would be lost.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TKataskeuh3Frm::eventFilter(QObject* watched, QEvent* event) {
    // In the group edits Enter moves on to the next control.
    if (event->type() == QEvent::KeyPress && typedCharacter(event) == 13) {
        for (int g = 0; g < trio::kNumberGroups; ++g) {
            if (watched == groupFrom_[g] || watched == groupTo_[g]) {
                focusNextChild();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TKataskeuh3Frm::repaintBoard() {
    SgrdA->update();
}

void TKataskeuh3Frm::reset() {
    board_.clear();
    repaintBoard();
    Label1->setText(QStringLiteral("Επιλεγμένοι Αριθμοί :"));
    Label2->setText(QStringLiteral("Στήλες :"));
    Label3->setText(QStringLiteral("Κόστος :"));
    Label4->setText(QStringLiteral("ΕΠΙΤΥΧΙΑ"));
    Label5->setText(QStringLiteral("Στήλες :"));
    Label6->setText(QStringLiteral("Κόστος :"));
    Label7->setText(QStringLiteral("ΣΕ"));
    Label8->clear();
    Label9->clear();
    Label10->setText(QStringLiteral("Δελτία : "));
    Label11->setText(QStringLiteral("Ποσοστό για 3άρι :"));
    Label15->setText(qs(trio::kPreviousCountReset));
    {
        const QSignalBlocker b1(CmbEggy);
        const QSignalBlocker b2(CmbSysthma);
        const QSignalBlocker b3(CmbNums);
        CmbEggy->setCurrentIndex(0);
        CmbSysthma->setCurrentIndex(0);
        CmbNums->setCurrentIndex(0);
    }
    for (int g = 0; g < trio::kNumberGroups; ++g) {
        groupLists_[g]->clear();
        groupFrom_[g]->setText(QStringLiteral("0"));
        groupTo_[g]->setText(QStringLiteral("0"));
    }
    for (QToolButton* b : toolButtons_) {
        b->setChecked(false);
    }
    found_.clear();
    CmbEggyChange();
    trio::resetConditionGrid(grid_);
    for (int c = 0; c < trio::kGridColumns; ++c) {
        Sgrd->setColumnWidth(c, trio::kGridColumnWidths[c]);
    }
    sgrdModel_->sync();
    setWindowTitle(resetCaption());
}

void TKataskeuh3Frm::liveRefresh() {
    const int n = board_.count();
    const char sep = decimalSeparator();
    Label1->setText(qs(trio::selectedLabel(n)));
    Label2->setText(qs(trio::fullColumnsLabel(n)));
    Label3->setText(qs(trio::fullCostLabel(n, sep)));
    const auto found = static_cast<std::int64_t>(found_.size());
    Label5->setText(qs(trio::foundColumnsLabel(found)));
    Label6->setText(qs(trio::foundCostLabel(found, sep)));
}

void TKataskeuh3Frm::CmbEggyChange() {
    if (const int g = trio::guaranteeOfItem(CmbEggy->currentIndex()); g != 0) {
        guarantee_ = g;
    }
    Label8->setText(CmbEggy->currentText());
    Label7->setText(QStringLiteral("ΣΕ ") + CmbSysthma->currentText());
    liveRefresh();
}

void TKataskeuh3Frm::CmbSysthmaChange() {
    Label7->setText(QStringLiteral("ΣΕ ") + CmbSysthma->currentText());
}

void TKataskeuh3Frm::SgrdAMouseUp(int row, int column) {
    board_.toggle(row, column);
    repaintBoard();
    liveRefresh();
}

void TKataskeuh3Frm::ToolButton1Click(QToolButton* button) {
    const int row = button->property("tag").toInt();
    const bool odd = button->text() == QStringLiteral(" Μ ");
    board_.setParity(row, odd, button->isChecked());
    liveRefresh();
    repaintBoard();
}

void TKataskeuh3Frm::SGrdEnter(int column, int row) {
    try {
        trio::conditionGridEnter(grid_, column, row);
    } catch (const std::exception& e) {
        showError(this, qs(e.what()));
    }
    sgrdModel_->sync();
}

void TKataskeuh3Frm::conditionGridChanged() {
    sgrdModel_->sync();
}

void TKataskeuh3Frm::SpeedButtonClick(int group) {
    if (!ctx_.standard3Frm) {
        ctx_.standard3Frm = new TStandard3Frm(ctx_, this);
    }
    TStandard3Frm* dialog = ctx_.standard3Frm;
    dialog->resetGroup();
    dialog->setMarks(trio::marksFromList(us(groupLists_[group]->text())));
    dialog->setBounds(groupFrom_[group]->text(), groupTo_[group]->text());
    dialog->setSelection(board_);
    if (dialog->exec() != QDialog::Accepted) {
        return;
    }
    groupFrom_[group]->setText(dialog->fromText());
    groupTo_[group]->setText(dialog->toText());
    groupLists_[group]->setText(qs(trio::listFromMarks(dialog->marks())));
}

void TKataskeuh3Frm::BtnClearClick() {
    if (askYesNo(this, QStringLiteral("Επιβεβαίωση"),
                 QStringLiteral("Παρακαλώ επιβεβαιώστε τον καθαρισμό του δελτίου"),
                 MessageKind::Information)) {
        reset();
    }
}

std::array<trio::NumberGroupTexts, trio::kNumberGroups> TKataskeuh3Frm::groupTexts() const {
    std::array<trio::NumberGroupTexts, trio::kNumberGroups> texts;
    for (int g = 0; g < trio::kNumberGroups; ++g) {
        texts[g] = {us(groupLists_[g]->text()), us(groupFrom_[g]->text()), us(groupTo_[g]->text())};
    }
    return texts;
}

void TKataskeuh3Frm::endCalculationControls() {
    Label9->clear();
    BBtnStop->hide();
    // An empty bar: Qt would animate a bar whose minimum and maximum are both 0.
    PrgFill->setRange(0, 1);
    PrgFill->setValue(0);
}

void TKataskeuh3Frm::setBusy(bool busy) {
    // While columns are walked only the stop button, the columns editor and the calculator stay usable: the
    // selection, the conditions and the result cannot change under the walk, and no second calculation
    // starts.
    for (QWidget* w : std::initializer_list<QWidget*>{SgrdA, Sgrd, CmbNums, CmbEggy, CmbSysthma, BitBtn6,
                                                      BBtnCalc, BitBtn7, BitBtn8, BitBtn5, BitBtn1}) {
        w->setEnabled(!busy);
    }
    for (int i = 0; i < 4; ++i) {
        toolButtons_[i]->setEnabled(!busy);
        speedButtons_[i]->setEnabled(!busy);
        groupFrom_[i]->setEnabled(!busy);
        groupTo_[i]->setEnabled(!busy);
    }
}

void TKataskeuh3Frm::BBtnCalcClick() {
    if (walk_) {
        return;  // one calculation at a time
    }
    stopFlag_ = false;
    BBtnStop->show();
    PrgFill->setMinimum(0);
    PrgFill->setValue(0);
    const int n = board_.count();
    PrgFill->setMaximum(static_cast<int>(std::max<std::int64_t>(1, trio::binomial(n, trio::kColumnSize))));
    trio::Conditions conditions;
    try {
        conditions = trio::readConditions(grid_, groupTexts());
    } catch (const std::exception&) {
        // A bound that is not a number ends the calculation before the walk, without a message.
        endCalculationControls();
        return;
    }
    if (const int g = trio::guaranteeOfItem(CmbEggy->currentIndex()); g != 0) {
        guarantee_ = g;
    }
    Label15->setText(qs(trio::previousCountLabel(static_cast<std::int64_t>(found_.size()))));
    found_.clear();
    walk_ = std::make_unique<trio::TrioWalk>(board_.numbers(), conditions, guarantee_);
    setBusy(true);
    BBtnStop->setFocus();
    runSlice();
}

void TKataskeuh3Frm::runSlice() {
    if (!walk_) {
        return;
    }
    QElapsedTimer clock;
    clock.start();
    int runs = 0;
    while (walk_->step()) {
        ++runs;
        if (runsPerSlice_ > 0 ? runs >= runsPerSlice_ : clock.elapsed() >= kSliceMilliseconds) {
            break;
        }
    }
    PrgFill->setValue(static_cast<int>(walk_->visited()));
    if (walk_->foundCount() > 0) {
        Label9->setText(qs(trio::runningCountLabel(walk_->foundCount())));
    }
    if (walk_->ended()) {
        finishCalculation();
    } else {
        QTimer::singleShot(0, this, &TKataskeuh3Frm::runSlice);
    }
}

void TKataskeuh3Frm::BBtnStopClick() {
    stopFlag_ = true;
    if (walk_) {
        walk_->requestStop();
    }
}

void TKataskeuh3Frm::finishCalculation() {
    const trio::TrioResult result = walk_->result();
    walk_.reset();
    setBusy(false);
    stopFlag_ = result.stopped;
    found_ = result.columns;
    const auto found = static_cast<std::int64_t>(found_.size());
    const char sep = decimalSeparator();
    Label10->setText(qs(trio::couponsLabel(found)));
    Label11->setText(qs(trio::percentLabel(found, result.selected, sep)));
    showInformation(this,
                    qs(trio::resultMessage(us(Label1->text()), us(CmbEggy->currentText()),
                                           us(CmbSysthma->currentText()), found, us(Label10->text()), sep)));
    liveRefresh();
    if (found == 0 || stopFlag_) {
        endCalculationControls();
        return;
    }
    const QString folder = programPath(qs(trio::kPrototypeFolder));
    ensureFolder(folder);
    trio::PrototypeFigures figures;
    figures.selected = result.selected;
    figures.guarantee = guarantee_;
    figures.hitText = us(CmbNums->currentText());
    figures.found = found;
    figures.group1List = us(groupLists_[0]->text());
    figures.group1From = us(groupFrom_[0]->text());
    figures.group1To = us(groupTo_[0]->text());
    const QString path = QDir(folder).filePath(qs(trio::prototypeFileName(figures)));
    if (!QFileInfo::exists(path) ||
        askYesNo(this, QStringLiteral("Επιβεβαίωση"), QStringLiteral("Το αρχείο υπάρχει! Να το επανεγγράψω;"),
                 MessageKind::Information)) {
        writePrototype(path);
    }
    endCalculationControls();
}

void TKataskeuh3Frm::writePrototype(const QString& path) {
    if (!writeFileBytes(path, trio::prototypeFileBytes(found_))) {
        reportWriteFailure(this, path);
    }
}

void TKataskeuh3Frm::BitBtn7Click() {
    const QString folder = programPath(qs(trio::kDeltiaFolder));
    ensureFolder(folder);
    if (found_.empty() || stopFlag_) {
        showInformation(this, QStringLiteral("Δεν έχετε στήλες για αποθήκευση"));
        return;
    }
    FileDialogOptions options;
    options.filter = QStringLiteral("Αρχεία Δελτίων|*.tri");
    options.defaultSuffix = QStringLiteral("tri");
    options.directory = folder;
    options.confirmOverwrite = true;
    const QString path = dialogs().saveFile(this, options);
    if (path.isEmpty() || board_.count() == 0) {
        return;
    }
    if (!writeFileBytes(path, trio::columnsFileBytes(found_))) {
        reportWriteFailure(this, path);
    }
}

void TKataskeuh3Frm::BBtnSaveOroiClick() {
    const QString folder = programPath(qs(trio::kDeltiaFolder));
    ensureFolder(folder);
    FileDialogOptions options;
    options.filter = conditionsFilter();
    options.defaultSuffix = QStringLiteral("or3");
    options.directory = folder;
    options.confirmOverwrite = true;
    const QString path = dialogs().saveFile(this, options);
    if (path.isEmpty()) {
        return;
    }
    trio::ConditionsFile file;
    file.selection = joinHorseList(board_.numbers());
    file.hitText = us(CmbNums->currentText());
    file.guaranteeText = us(CmbEggy->currentText());
    file.systemText = us(CmbSysthma->currentText());
    file.groups = groupTexts();
    for (int r = 1; r <= trio::kConditionCount; ++r) {
        file.rows.emplace_back(grid_.cell(trio::kFromColumn, r), grid_.cell(trio::kToColumn, r));
    }
    std::string bytes;
    try {
        bytes = trio::conditionsFileBytes(file);
    } catch (const cp1253::CodecError&) {
        showError(this, QStringLiteral("Οι όροι περιέχουν χαρακτήρες που δεν αποθηκεύονται."));
        return;
    }
    if (!writeFileBytes(path, bytes)) {
        reportWriteFailure(this, path);
        return;
    }
    systemName_ = qs(trio::systemName(us(QFileInfo(path).fileName())));
    setWindowTitle(QStringLiteral("KATAΣΚΕΥΗ ΣΥΣΤΗΜΑΤΩΝ ΤΡΙΟ   ΣΥΣΤΗΜΑ :") + systemName_);
}

void TKataskeuh3Frm::BBtnLoadOroiClick() {
    const QString folder = programPath(qs(trio::kDeltiaFolder));
    ensureFolder(folder);
    reset();
    FileDialogOptions options;
    options.filter = conditionsFilter();
    options.defaultSuffix = QStringLiteral("OR3");
    options.directory = folder;
    const QString path = dialogs().openFile(this, options);
    if (!path.isEmpty()) {
        applyConditionsFile(path);
    }
    BBtnCalc->setFocus();
}

void TKataskeuh3Frm::applyConditionsFile(const QString& path) {
    trio::ConditionsFile file;
    try {
        const std::optional<std::string> bytes = readFileBytes(path);
        if (!bytes) {
            throw std::runtime_error("unreadable");
        }
        file = trio::readConditionsFile(*bytes);
    } catch (const std::exception&) {
        repaintBoard();
        showError(this, QStringLiteral("Σφάλμα! Το αρχείο πιθανόν είναι κατεστραμμένο."));
        return;
    }
    trio::selectFromList(board_, file.selection);
    {
        const QSignalBlocker b1(CmbEggy);
        const QSignalBlocker b2(CmbSysthma);
        const QSignalBlocker b3(CmbNums);
        CmbNums->setCurrentIndex(matchingItem(CmbNums, file.hitText));
        CmbEggy->setCurrentIndex(matchingItem(CmbEggy, file.guaranteeText));
        CmbSysthma->setCurrentIndex(matchingItem(CmbSysthma, file.systemText));
    }
    for (int g = 0; g < trio::kNumberGroups; ++g) {
        groupLists_[g]->setText(qs(file.groups[g].list));
        groupFrom_[g]->setText(qs(file.groups[g].from));
        groupTo_[g]->setText(qs(file.groups[g].to));
    }
    for (std::size_t r = 0; r < file.rows.size(); ++r) {
        const int row = static_cast<int>(r) + 1;
        grid_.setCell(trio::kFromColumn, row, file.rows[r].first);
        grid_.setCell(trio::kToColumn, row, file.rows[r].second);
        // The marks are not stored; they are shown again for the bounds read.
        const auto from = tryParseInt(file.rows[r].first);
        const auto to = tryParseInt(file.rows[r].second);
        grid_.setCell(trio::kOnColumn, row,
                      from && to && trio::isConditionActive(row, *from, *to) ? "ON" : "");
    }
    sgrdModel_->sync();
    repaintBoard();
    systemName_ = qs(trio::systemName(us(QFileInfo(path).fileName())));
    setWindowTitle(QStringLiteral("KATAΣΚΕΥΗ ΣΥΣΤΗΜΑΤΩΝ ΤΡΙΟ   ΣΥΣΤΗΜΑ :") + systemName_);
    CmbEggyChange();
}

void TKataskeuh3Frm::STILES3Click() {
    if (!ctx_.stiles3Frm) {
        ctx_.stiles3Frm = new TStiles3Frm(ctx_, this);
    }
    ctx_.stiles3Frm->show();
    ctx_.stiles3Frm->raise();
    ctx_.stiles3Frm->activateWindow();
}

void TKataskeuh3Frm::Image1Click() {
    startCalculator();
}

}  // namespace quintaro::gui
