#include "gui/coupons/printer_layout_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>

#include "core/coupons/coupon_form.h"
#include "core/files/utf8_path.h"
#include "core/text/number_text.h"
#include "gui/coupons/coupon_printing.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/help_viewer.h"
#include "gui/platform/print_painter.h"
#include "gui/platform/qt_text.h"
#include "gui/platform/window_look.h"

namespace quintaro::gui {
namespace {

using coupons::FormKind;
using coupons::PrinterLayout;
namespace texts = coupons::layout_texts;

QLabel* label(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

}  // namespace

PrinterLayoutWindow::PrinterLayoutWindow(FormKind kind, QWidget* parent)
    : QDialog(parent),
      kind_(kind),
      ComboBox2(new QComboBox(this)),
      ComboBox1(new QComboBox(this)),
      Edit1(addText(QStringLiteral("Edit1"))),
      Edit9(addText(QStringLiteral("Edit9"))),
      Edit4(addText(QStringLiteral("Edit4"))),
      ChkDetails(new QCheckBox(QStringLiteral("Να εκτυπώνονται σε κάθε δελτίο ο αριθμός Δελτίου"), this)),
      Chkdefault(new QCheckBox(QStringLiteral("ΠΡΟΕΠΙΛΟΓΗ"), this)),
      BitBtn1(new QPushButton(QStringLiteral("&ΑΠΟΘΗΚΕΥΣΗ"), this)),
      BitBtn3(new QPushButton(QStringLiteral("ΔΟΚΙΜΑΣΤΙΚΗ ΕΚΤΥΠΩΣΗ"), this)),
      BtnPreview(new QPushButton(QStringLiteral("ΠΡΟΕΠΙΣΚΟΠΗΣΗ ΔΟΚΙΜΑΣΤΙΚΗΣ"), this)),
      BitBtn2(new QPushButton(QStringLiteral("&ΕΠΙΣΤΡΟΦΗ"), this)),
      BtnHelp(new QPushButton(QStringLiteral("&ΒΟΗΘΕΙΑ"), this)) {
    const bool skor = kind == FormKind::Skor;
    setObjectName(skor ? QStringLiteral("PrnFrm") : QStringLiteral("PrnTetFrm"));
    setWindowTitle(qs(skor ? texts::kSkorCaption : texts::kTetraploCaption));

    auto* instruction = new QLabel(
        skor ? QStringLiteral("Το Δελτίο πρέπει να τοποθετηθεί πλάγια , τα γράμματα να δείχνουν προς το "
                              "εσωτερικό του  εκτυπωτή (συνάντηση, στοίχημα, ιπ/μίες, σκέλοι, ποσόν).")
             : QStringLiteral("Το Δελτίο πρέπει να τοποθετηθεί πλάγια , τα γράμματα να δείχνουν προς το "
                              "εσωτερικό του  εκτυπωτή (συνάντηση, ιπ/μία, στοίχημα, θέσεις, ποσόν)."),
        this);
    QFont instructionFont = instruction->font();
    instructionFont.setBold(true);
    instructionFont.setItalic(true);
    instructionFont.setUnderline(true);
    instruction->setFont(instructionFont);
    instruction->setWordWrap(true);

    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setEditable(false);
    ComboBox2->setMinimumWidth(300);
    auto* printers = new QGroupBox(QStringLiteral("ΕΚΤΥΠΩΤΕΣ"), this);
    auto* printersLayout = new QHBoxLayout(printers);
    printersLayout->addWidget(ComboBox2);
    printersLayout->addStretch();

    auto* settings = new QGroupBox(QStringLiteral("ΡΥΘΜΙΣΕΙΣ ΓΙΑ ΤΟ ΔΕΛΤΙΟ"), this);
    auto* grid = new QGridLayout(settings);
    grid->addWidget(label(QStringLiteral("Να εκτυπώνεται σε κάθε δελτίο το κείμενο"), settings), 0, 0);
    grid->addWidget(Edit1, 0, 1);
    addNumber(grid, 0, 1, QStringLiteral("Δεξιά"), QStringLiteral("Edit7"), &PrinterLayout::textRight);
    addNumber(grid, 0, 2, QStringLiteral("Πάνω"), QStringLiteral("Edit8"), &PrinterLayout::textTop);
    grid->addWidget(label(QStringLiteral("Εκτυπωτής"), settings), 1, 0);
    grid->addWidget(Edit9, 1, 1);
    Edit1->setMaxLength(static_cast<int>(coupons::kLayoutTextCapacity));
    Edit9->setMaxLength(static_cast<int>(coupons::kLayoutTextCapacity));
    Edit1->setMinimumWidth(180);
    if (skor) {
        buildSkorFields(grid, 2);
    } else {
        buildTetraploFields(grid, 2);
    }
    const int row = 2 + 5;  // below the five lengths
    grid->addWidget(label(QStringLiteral("Χαρακτήρας Εκτύπωσης"), settings), row, 0);
    Edit4->setMaxLength(1);
    Edit4->setFixedWidth(40);
    grid->addWidget(Edit4, row, 1, Qt::AlignLeft);
    grid->addWidget(label(QStringLiteral("Μέγεθος Χαρακτήρα Εκτύπωσης"), settings), row + 1, 0);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    for (int size = 8; size <= 24; size += 2) {
        ComboBox1->addItem(QString::number(size));
    }
    grid->addWidget(ComboBox1, row + 1, 1, Qt::AlignLeft);
    ChkDetails->setObjectName(QStringLiteral("ChkDetails"));
    grid->addWidget(ChkDetails, row + 2, 0, 1, 2);
    addNumber(grid, row + 2, 1, QStringLiteral("Δεξιά"), QStringLiteral("Edit11"),
              &PrinterLayout::numberRight);
    addNumber(grid, row + 2, 2, QStringLiteral("Πάνω"), QStringLiteral("Edit10"), &PrinterLayout::numberTop);
    Chkdefault->setObjectName(QStringLiteral("Chkdefault"));
    grid->addWidget(Chkdefault, row + 3, 0, 1, 2);

    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BtnPreview->setObjectName(QStringLiteral("BtnPreview"));
    BtnPreview->setToolTip(QStringLiteral("Η δοκιμαστική σελίδα στην οθόνη, πριν χαλάσετε δελτίο"));
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BtnHelp->setObjectName(QStringLiteral("BtnHelp"));
    for (QPushButton* b : {BitBtn3, BtnPreview, BitBtn2, BtnHelp}) {
        b->setAutoDefault(false);
    }
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {BitBtn1, BitBtn3, BtnPreview, BitBtn2, BtnHelp}) {
        buttons->addWidget(b);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(instruction);
    layout->addWidget(printers);
    layout->addWidget(settings);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QLineEdit* e : findChildren<QLineEdit*>()) {
        e->installEventFilter(this);
    }

    connect(ComboBox2, &QComboBox::activated, this, [this] { ComboBox2Change(); });
    connect(BitBtn1, &QPushButton::clicked, this, &PrinterLayoutWindow::BitBtn1Click);
    connect(BitBtn3, &QPushButton::clicked, this, &PrinterLayoutWindow::BitBtn3Click);
    connect(BtnPreview, &QPushButton::clicked, this, &PrinterLayoutWindow::previewTestPage);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnHelp, &QPushButton::clicked, this, [this] { showHelp(this, helpContext(kind_)); });

    setFields(coupons::initialLayout(kind));
}

QLineEdit* PrinterLayoutWindow::addText(const QString& name) {
    auto* e = new QLineEdit(this);
    e->setObjectName(name);
    return e;
}

QLineEdit* PrinterLayoutWindow::addNumber(QGridLayout* grid, int row, int column, const QString& text,
                                          const QString& name, double PrinterLayout::*member) {
    QLineEdit* e = addText(name);
    e->setFixedWidth(70);
    grid->addWidget(label(text, e->parentWidget()), row, 2 * column);
    grid->addWidget(e, row, 2 * column + 1, Qt::AlignLeft);
    numbers_.push_back({e, member});
    return e;
}

void PrinterLayoutWindow::buildSkorFields(QGridLayout* grid, int row) {
    addNumber(grid, row, 0, QStringLiteral("Απόσταση Δελτίου από το πλάι (σε χιλιοστά)"),
              QStringLiteral("Edit2"), &PrinterLayout::side);
    addNumber(grid, row + 1, 0, QStringLiteral("Απόσταση Δελτίου από αρχή (σε χιλιοστά)"),
              QStringLiteral("Edit3"), &PrinterLayout::start);
    addNumber(grid, row + 2, 0, QStringLiteral("Απόσταση μεταξύ δύο σκελών (σε χιλιοστά)"),
              QStringLiteral("Edit12"), &PrinterLayout::legStep);
    addNumber(grid, row + 3, 0, QStringLiteral("Οριζόντια Μετατόπιση (σε χιλιοστά)"), QStringLiteral("Edit5"),
              &PrinterLayout::hStep);
    addNumber(grid, row + 4, 0, QStringLiteral("Κάθετη Μετατόπιση (σε χιλιοστά)"), QStringLiteral("Edit6"),
              &PrinterLayout::vStep);
    addNumber(grid, row, 1, QStringLiteral("Συνάντηση - Δεξιά"), QStringLiteral("Edit14"),
              &PrinterLayout::meetingRight);
    addNumber(grid, row + 1, 1, QStringLiteral("Στοίχημα - Δεξιά "), QStringLiteral("Edit13"),
              &PrinterLayout::betRight);
    addNumber(grid, row + 2, 1, QStringLiteral("Αξία - Δεξιά"), QStringLiteral("Edit15"),
              &PrinterLayout::valueRight);
    addNumber(grid, row + 3, 1, QStringLiteral("Ποσόν - Δεξιά"), QStringLiteral("Edit16"),
              &PrinterLayout::amountRight);
}

void PrinterLayoutWindow::buildTetraploFields(QGridLayout* grid, int row) {
    addNumber(grid, row, 0, QStringLiteral("Απόσταση Δελτίου από το Πλάι "), QStringLiteral("Edit2"),
              &PrinterLayout::side);
    addNumber(grid, row + 1, 0, QStringLiteral("Απόσταση Δελτίου από Αρχή "), QStringLiteral("Edit3"),
              &PrinterLayout::start);
    addNumber(grid, row + 2, 0, QStringLiteral("Απόσταση μεταξύ δύο Στοιχημάτων "), QStringLiteral("Edit12"),
              &PrinterLayout::betStep);
    addNumber(grid, row + 3, 0, QStringLiteral("Οριζόντια Μετατόπιση"), QStringLiteral("Edit5"),
              &PrinterLayout::hStep);
    addNumber(grid, row + 4, 0, QStringLiteral("Κάθετη Μετατόπιση "), QStringLiteral("Edit6"),
              &PrinterLayout::vStep);
    addNumber(grid, row, 1, QStringLiteral("Συνάντηση - Δεξιά"), QStringLiteral("Edit14"),
              &PrinterLayout::meetingRight);
    addNumber(grid, row + 1, 1, QStringLiteral("Ιπποδρομία - Δεξιά"), QStringLiteral("Edit16"),
              &PrinterLayout::raceRight);
    addNumber(grid, row + 2, 1, QStringLiteral("Αξία - Δεξιά"), QStringLiteral("Edit20"),
              &PrinterLayout::valueRight);
    addNumber(grid, row + 3, 1, QStringLiteral("Απόσταση μεταξύ Θέσεων"), QStringLiteral("Edit17"),
              &PrinterLayout::placeStep);

    // The two bets' boxes, each in its group.
    struct Bet {
        QString caption;
        QString betName;
        double PrinterLayout::*bet;
        QString amountName;
        double PrinterLayout::*amount;
    };
    const Bet bets[] = {
        {QStringLiteral("1o Group"), QStringLiteral("Edit13"), &PrinterLayout::bet1Right,
         QStringLiteral("Edit15"), &PrinterLayout::bet1AmountRight},
        {QStringLiteral("2o Group"), QStringLiteral("Edit18"), &PrinterLayout::bet2Right,
         QStringLiteral("Edit19"), &PrinterLayout::bet2AmountRight},
    };
    auto* groups = new QHBoxLayout;
    for (const Bet& bet : bets) {
        auto* box = new QGroupBox(bet.caption, grid->parentWidget());
        auto* inner = new QGridLayout(box);
        addNumber(inner, 0, 0, QStringLiteral("Στοίχημα - Δεξιά "), bet.betName, bet.bet);
        addNumber(inner, 1, 0, QStringLiteral("Ποσόν - Δεξιά"), bet.amountName, bet.amount);
        groups->addWidget(box);
    }
    grid->addLayout(groups, row + 4, 2, 3, 4);  // beside the step, the mark and its size
}

QLineEdit* PrinterLayoutWindow::edit(const QString& name) const {
    return findChild<QLineEdit*>(name);
}

std::filesystem::path PrinterLayoutWindow::folderPath() const {
    return utf8Path(us(layoutFolder(kind_)));
}

void PrinterLayoutWindow::setFields(const PrinterLayout& layout) {
    const char separator = decimalSeparator();
    Edit1->setText(qs(layout.text));
    Edit9->setText(qs(layout.printerName));
    Edit4->setText(qs(layout.markChar));
    for (const NumberField& field : numbers_) {
        field.edit->setText(qs(coupons::formatLayoutNumber(layout.*(field.member), separator)));
    }
    ComboBox1->setCurrentIndex(ComboBox1->findText(QString::number(layout.fontSize)));
    ChkDetails->setChecked(layout.printNumber);
    Chkdefault->setChecked(layout.isDefault);
}

PrinterLayout PrinterLayoutWindow::fieldsLayout() const {
    const char separator = decimalSeparator();
    PrinterLayout layout;
    layout.kind = kind_;
    layout.text = us(Edit1->text());
    layout.printerName = us(Edit9->text());
    layout.markChar = us(Edit4->text().left(1));
    for (const NumberField& field : numbers_) {
        layout.*(field.member) = parseFloat(us(field.edit->text()), separator);
    }
    layout.fontSize = parseInt(us(ComboBox1->currentText()));
    layout.printNumber = ChkDetails->isChecked();
    layout.isDefault = Chkdefault->isChecked();
    return layout;
}

void PrinterLayoutWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(this);
    FormShow();
}

void PrinterLayoutWindow::FormShow() {
    paintDialogBackground(this);
    ComboBox1->setCurrentIndex(1);  // "10"
    fillLayoutList();
}

void PrinterLayoutWindow::fillLayoutList() {
    ComboBox2->clear();
    coupons::LayoutListing listing;
    try {
        listing = coupons::listLayouts(folderPath(), kind_);
    } catch (const std::exception& e) {
        showError(this, qs(e.what()));
        return;
    }
    for (const std::string& entry : listing.entries) {
        ComboBox2->addItem(qs(entry));
    }
    if (!listing.damaged.empty()) {
        QString names;
        for (const auto& file : listing.damaged) {
            names += QStringLiteral("\r") + qs(pathUtf8(file.filename()));
        }
        showError(this, qs(texts::kDamaged) + names);
    }
    if (listing.hasDefault) {
        ComboBox2->setCurrentIndex(0);
        ComboBox2Change();
    }
}

void PrinterLayoutWindow::ComboBox2Change() {
    if (ComboBox2->currentIndex() >= 0) {
        loadLayout(ComboBox2->currentText());
    }
}

void PrinterLayoutWindow::loadLayout(const QString& entry) {
    const std::filesystem::path file = coupons::layoutFilePath(folderPath(), us(entry));
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        return;
    }
    try {
        setFields(coupons::readLayoutFile(file, kind_));
    } catch (const coupons::LayoutFileDamaged&) {
        showError(this, qs(texts::kDamaged));
    }
}

void PrinterLayoutWindow::BitBtn1Click() {
    if (!askYesNo(this, qs(texts::kConfirmCaption), qs(texts::kConfirmSave), MessageKind::Information)) {
        return;
    }
    if (Edit4->text().isEmpty()) {
        showWarning(this, qs(texts::kNoMark));
        return;
    }
    if (!coupons::isValidLayoutName(us(Edit9->text()))) {
        showWarning(this, qs(texts::kBadPrinterName));
        return;
    }
    try {
        const PrinterLayout layout = fieldsLayout();
        std::filesystem::create_directories(folderPath());
        coupons::writeLayoutFile(coupons::layoutFilePath(folderPath(), layout.printerName), layout);
        if (layout.isDefault) {
            coupons::writeLayoutFile(coupons::layoutFilePath(folderPath(), coupons::kDefaultLayoutName),
                                     layout);
        }
    } catch (const coupons::LayoutEncodeError&) {
        showError(this, qs(texts::kNotInCodePage));
        return;
    } catch (const std::exception&) {
        showError(this, qs(texts::kSaveFailed));
        return;
    }
    showInformation(this, qs(texts::kSaved));
}

bool PrinterLayoutWindow::paintTestPage(QPrinter& printer) {
    try {
        const PrinterLayout layout = fieldsLayout();
        const print::PageMetrics page = pageMetricsOf(printer);
        const coupons::Resolution resolution{page.dpiX, page.dpiY};
        const coupons::FormPage form = kind_ == FormKind::Skor
                                           ? coupons::skorTestPage(resolution, layout)
                                           : coupons::tetraploTestPage(resolution, layout);
        return playPrintJob(printer, coupons::formJob(form, us(markFontFamily()))).ok;
    } catch (const std::exception&) {
        return false;
    }
}

void PrinterLayoutWindow::BitBtn3Click() {
    QPrinter printer(QPrinter::HighResolution);
    if (!dialogs().choosePrinter(this, printer)) {
        return;
    }
    // A test page that cannot be made is abandoned without a message.
    paintTestPage(printer);
}

void PrinterLayoutWindow::previewTestPage() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(windowTitle() + QStringLiteral(" - ΔΟΚΙΜΑΣΤΙΚΗ ΣΕΛΙΔΑ"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { paintTestPage(*p); });
    preview.exec();
}

bool PrinterLayoutWindow::eventFilter(QObject* watched, QEvent* event) {
    // In the one-line fields Enter moves to the next control.
    if (event->type() == QEvent::KeyPress && qobject_cast<QLineEdit*>(watched)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace quintaro::gui
