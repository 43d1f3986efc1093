#include "gui/trio/stiles3_frm.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include "core/text/cp1253.h"
#include "core/trio/columns_print.h"
#include "core/trio/columns_reader.h"
#include "core/trio/columns_sheet.h"
#include "core/trio/trio_files.h"
#include "gui/platform/app_paths.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/qt_text.h"
#include "gui/trio/text_grid_model.h"
#include "gui/trio/trio_file_io.h"
#include "gui/trio/trio_style.h"

namespace quintaro::gui {
namespace {

constexpr int kColumnWidth = 64;

QString columnsCaption() {
    return QStringLiteral(" ΣΤΗΛΕΣ  ΓΙΑ ΠΑΙΧΝΙΔΙ ΤΡΙΟ ");
}

QFont printFont(trio::PrintFont kind) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setBold(true);
    font.setPointSize(kind == trio::PrintFont::Heading ? 10 : 8);
    font.setUnderline(kind != trio::PrintFont::HeaderRow);
    return font;
}

}  // namespace

ColumnsGridView::ColumnsGridView(QWidget* parent) : QTableView(parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(24);
    horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
}

void ColumnsGridView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::ControlModifier) {
        emit ctrlDeletePressed();
        return;
    }
    const char32_t typed = typedCharacter(event);
    if (typed != 0 && typed != 9) {
        emit keyTyped(typed);
        return;
    }
    QTableView::keyPressEvent(event);
}

QString TStiles3Frm::initialCaption() {
    return QStringLiteral("ΒΕΛΤΡΑΝΟ ΤΡΙΟ");
}

TStiles3Frm::TStiles3Frm(AppContext&, QWidget* parent)
    : QWidget(parent, Qt::Window),
      grid_(4, 2),
      model_(new TextGridModel(grid_, false, this)),
      heading_(new QLabel(QStringLiteral("ΟΙ ΣΤΗΛΕΣ  ΤΟΥ ΤΡΙΟ"), this)),
      StringGrid1(new ColumnsGridView(this)),
      SpinEdit1(new QSpinBox(this)),
      Button1(new QPushButton(QStringLiteral("ΑΝΟΙΓΜΑ"), this)),
      Button5(new QPushButton(QStringLiteral("ΕΚΤΥΠΩΣΗ"), this)),
      Button2(new QPushButton(QStringLiteral("ΣΩΣΙΜΟ"), this)),
      Button4(new QPushButton(QStringLiteral("ΚΑΘΑΡΙΣΜΟΣ"), this)),
      Button3(new QPushButton(QStringLiteral("ΕΧΙΤ"), this)) {
    setObjectName(QStringLiteral("Stiles3Frm"));
    setWindowTitle(initialCaption());
    resize(495, 598);
    paintDialogBackground(this);

    trio::writeColumnsHeadings(grid_);
    grid_.setCell(0, 1, "1");
    QFont bold = font();
    bold.setBold(true);
    model_->setFont(bold);
    model_->sync();
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setModel(model_);
    heading_->setFont(bold);

    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(0, 80);
    SpinEdit1->setValue(3);
    SpinEdit1->setReadOnly(true);
    SpinEdit1->setButtonSymbols(QAbstractSpinBox::NoButtons);
    SpinEdit1->setFocusPolicy(Qt::NoFocus);

    auto* game = new QLabel(QStringLiteral("ΠΑΙΧΝΙΔΙ ΤΡΙΟ"), this);
    game->setFont(bold);
    auto* side = new QVBoxLayout;
    side->addWidget(game);
    side->addWidget(SpinEdit1);
    side->addSpacing(12);
    const std::pair<QPushButton*, const char*> buttons[] = {{Button1, "Button1"},
                                                            {Button5, "Button5"},
                                                            {Button2, "Button2"},
                                                            {Button4, "Button4"},
                                                            {Button3, "Button3"}};
    for (const auto& [b, name] : buttons) {
        b->setObjectName(QString::fromLatin1(name));
        b->setMinimumHeight(32);
        side->addWidget(b);
    }
    side->addStretch();
    auto* left = new QVBoxLayout;
    left->addWidget(heading_);
    left->addWidget(StringGrid1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(side);

    connect(Button1, &QPushButton::clicked, this, &TStiles3Frm::Button1Click);
    connect(Button5, &QPushButton::clicked, this, &TStiles3Frm::Button5Click);
    connect(Button2, &QPushButton::clicked, this, &TStiles3Frm::Button2Click);
    connect(Button4, &QPushButton::clicked, this, &TStiles3Frm::Button4Click);
    connect(Button3, &QPushButton::clicked, this, &QWidget::close);
    connect(StringGrid1, &ColumnsGridView::keyTyped, this, &TStiles3Frm::StringGrid1KeyPress);
    connect(StringGrid1, &ColumnsGridView::ctrlDeletePressed, this, &TStiles3Frm::StringGrid1KeyDown);
    connect(StringGrid1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TStiles3Frm::StringGrid1Click);
    connect(qApp, &QApplication::focusChanged, this, &TStiles3Frm::onFocusChanged);
}

void TStiles3Frm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        trio::writeColumnsHeadings(grid_);
        syncView();
        // Every showing starts with the open dialog, once the window is up.
        QTimer::singleShot(0, this, &TStiles3Frm::Button1Click);
    }
}

void TStiles3Frm::syncView() {
    const bool wasChecking = checking_;
    checking_ = true;  // a shrinking grid moves the current cell without the user
    model_->sync();
    for (int c = 0; c < grid_.columnCount(); ++c) {
        StringGrid1->setColumnWidth(c, kColumnWidth);
    }
    checking_ = wasChecking;
}

void TStiles3Frm::setCurrent(int column, int row) {
    StringGrid1->setCurrentIndex(model_->index(row, column));
}

void TStiles3Frm::clearGrid() {
    setWindowTitle(columnsCaption());
    trio::clearColumnsSheet(grid_);
    syncView();
}

void TStiles3Frm::Button1Click() {
    FileDialogOptions options;
    options.filter = QStringLiteral("ΑΡΧΕΙΑ ΣΤΗΛΩΝ ΤΡΙΟ|*.tri");
    options.defaultSuffix = QStringLiteral("tri");
    options.directory = programPath(qs(trio::kDeltiaFolder));
    const QString path = dialogs().openFile(this, options);
    if (path.isEmpty()) {
        return;
    }
    clearGrid();
    openedFile_ = path;
    setWindowTitle(columnsCaption() + QStringLiteral("(") + QFileInfo(path).fileName() + QStringLiteral(")"));
    trio::ColumnsRead read;
    try {
        const std::optional<std::string> bytes = readFileBytes(path);
        if (!bytes) {
            throw std::runtime_error("unreadable");
        }
        read = trio::readColumnLines(trio::decodeLines(*bytes));
    } catch (const std::exception&) {
        read = trio::ColumnsRead{};
        read.refused = true;
        read.unsuitableReports = 1;
    }
    if (read.widthFound) {
        SpinEdit1->setValue(read.width);
    }
    if (read.refused) {
        showInformation(this, qs(trio::kUnsuitableFile));
        clearGrid();
    }
    trio::loadColumnsSheet(grid_, read);
    syncView();
    if (!read.refused && read.unsuitableReports > 0) {
        // Numbers outside 1-80 stay in the grid; one message tells about them all.
        showInformation(this, qs(trio::kUnsuitableFile));
    }
    setCurrent(1, 1);
}

void TStiles3Frm::Button2Click() {
    FileDialogOptions options;
    options.filter = QStringLiteral("αρχεια στηλων τριο|*.tri");
    options.defaultSuffix = QStringLiteral("tri");
    options.directory = programPath(qs(trio::kDeltiaFolder));
    options.confirmOverwrite = false;  // the window asks itself
    const QString path = dialogs().saveFile(this, options);
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo::exists(path) &&
        !askYesNo(this, QStringLiteral("ΠΡΟΕΙΔΟΠΟΙΗΣΗ"),
                  QStringLiteral("to arxeio (") + QDir::toNativeSeparators(path) + QStringLiteral(")") +
                      QChar(13) + QStringLiteral("yparxei thelete na epannagrafei ; "),
                  MessageKind::Warning)) {
        return;
    }
    setWindowTitle(columnsCaption() + QStringLiteral("(") + QFileInfo(path).fileName() + QStringLiteral(")"));
    std::string bytes;
    try {
        bytes = trio::columnsSheetBytes(grid_);
    } catch (const cp1253::CodecError&) {
        reportWriteFailure(this, path);
        return;
    }
    if (!writeFileBytes(path, bytes)) {
        reportWriteFailure(this, path);
    }
}

void TStiles3Frm::Button4Click() {
    if (askYesNo(this, QStringLiteral("ΠΡΟΕΙΔΟΠΟΙΗΣΗ"), QStringLiteral("eisai sigouros gia katharismo;"),
                 MessageKind::Warning)) {
        clearGrid();
    }
}

void TStiles3Frm::Button5Click() {
    QPrinter printer(QPrinter::HighResolution);
    if (dialogs().choosePrinter(this, printer)) {
        printOn(printer);
    }
}

void TStiles3Frm::printOn(QPrinter& printer) {
    // The layout is in 1/600 inch; the printer's own resolution scales it.
    const double scale = printer.resolution() / static_cast<double>(trio::kPrintUnitsPerInch);
    const int pageHeight =
        static_cast<int>(printer.pageLayout().paintRectPixels(printer.resolution()).height() / scale);
    std::vector<int> widths;
    for (int c = 0; c < grid_.columnCount(); ++c) {
        widths.push_back(StringGrid1->columnWidth(c));
    }
    const std::string heading = trio::columnsPrintHeading(us(QDir::toNativeSeparators(openedFile_)));
    const std::vector<trio::PrintPage> pages = trio::layoutColumnsPrint(grid_, widths, heading, pageHeight);
    printer.setDocName(qs(heading));
    QPainter painter;
    if (!painter.begin(&printer)) {
        showError(this, QStringLiteral("Η εκτύπωση δεν ξεκίνησε."));
        return;
    }
    auto px = [scale](int units) { return static_cast<int>(units * scale + 0.5); };
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0) {
            printer.newPage();
        }
        for (const trio::PrintText& t : pages[p]) {
            painter.setFont(printFont(t.font));
            painter.setPen(Qt::black);
            const trio::PrintBox& box = t.clip;
            const bool clipped = box.right > box.left && box.bottom > box.top;
            if (clipped) {
                painter.setClipRect(
                    QRect(QPoint(px(box.left), px(box.top)), QPoint(px(box.right), px(box.bottom))));
            } else {
                painter.setClipping(false);
            }
            painter.drawText(QRect(px(t.x), px(t.y), px(20000), px(2000)), Qt::AlignLeft | Qt::AlignTop,
                             qs(t.text));
        }
    }
    painter.end();
}

void TStiles3Frm::StringGrid1KeyPress(char32_t key) {
    QModelIndex current = StringGrid1->currentIndex();
    const trio::GridCell cell{current.isValid() ? current.column() : 1,
                              current.isValid() ? current.row() : 1};
    trio::removeSurplusEmptyRows(grid_, cell.row + 2);
    syncView();
    if (key == 13) {
        if (const auto next = trio::enterMove(grid_, cell)) {
            setCurrent(next->column, next->row);
        } else {
            showInformation(this, qs(trio::kWrongValueOnLeave));
        }
    } else if (key == 8) {
        if (const auto previous = trio::backspaceMove(grid_, cell)) {
            setCurrent(previous->column, previous->row);
        }
    }
}

void TStiles3Frm::StringGrid1KeyDown() {
    const QModelIndex current = StringGrid1->currentIndex();
    if (current.isValid()) {
        trio::deleteSheetRow(grid_, current.row());
        syncView();
    }
}

void TStiles3Frm::StringGrid1Exit(QWidget* next) {
    trio::removeSurplusEmptyRows(grid_, 2);
    syncView();
    const auto bad = trio::firstBadCell(grid_, grid_.rowCount() - 2);
    if (!bad || next == Button4) {
        return;
    }
    checking_ = true;
    setCurrent(bad->column, bad->row);
    checking_ = false;
    showInformation(this, qs(trio::kWrongValueOnLeave));
    StringGrid1->setFocus(Qt::OtherFocusReason);
}

void TStiles3Frm::StringGrid1Click() {
    if (checking_) {
        return;
    }
    const QModelIndex current = StringGrid1->currentIndex();
    if (!current.isValid()) {
        return;
    }
    if (const auto bad = trio::firstBadCell(grid_, current.row() - 1)) {
        checking_ = true;
        setCurrent(bad->column, bad->row);
        checking_ = false;
        showInformation(this, qs(trio::kWrongValueOnMove));
    }
}

void TStiles3Frm::onFocusChanged(QWidget* old, QWidget* now) {
    if (old == StringGrid1 && now && now->window() == this) {
        StringGrid1Exit(now);
    }
}

}  // namespace quintaro::gui
