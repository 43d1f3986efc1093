#include "gui/game/dialogh_sel_dlg.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/game/game_types.h"
#include "gui/game/pictures.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/qt_text.h"
#include "gui/platform/window_look.h"

namespace quintaro::gui {
namespace {

constexpr int kCellWidth = 25;
constexpr int kRowHeight = 24;
constexpr int kPictureRole = Qt::UserRole + 1;

// Cells draw their mark picture centred; header cells look like a grid's fixed cells.
class MarkDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (index.row() == 0 || index.column() == 0) {
            painter->fillRect(option.rect, option.palette.button());
            painter->setPen(option.palette.mid().color());
            painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
            painter->setPen(option.palette.buttonText().color());
            painter->drawText(option.rect, Qt::AlignCenter, index.data().toString());
            return;
        }
        painter->fillRect(option.rect, Qt::white);
        const QPixmap picture = index.data(kPictureRole).value<QPixmap>();
        if (!picture.isNull()) {
            const QPoint at =
                option.rect.center() - QPoint(picture.width() / 2 - 1, picture.height() / 2 - 1);
            painter->drawPixmap(at, picture);
        }
    }
};

}  // namespace

TDialoghSelDlg::TDialoghSelDlg(QWidget* parent)
    : QDialog(parent),
      Sgrd(new QTableWidget(this)),
      BtnOk(new QPushButton(QStringLiteral("&OK"), this)),
      BtnCancel(new QPushButton(QStringLiteral("&ΑΚΥΡΟ"), this)) {
    setObjectName(QStringLiteral("DialoghSelDlg"));
    setWindowTitle(QStringLiteral("ΕΙΣΑΓΩΓΗ ΝΙΚΗΤΡΙΑΣ ΣΤΗΛΗΣ"));
    paintDialogBackground(this);

    Sgrd->setObjectName(QStringLiteral("Sgrd"));
    Sgrd->horizontalHeader()->hide();
    Sgrd->verticalHeader()->hide();
    Sgrd->horizontalHeader()->setMinimumSectionSize(10);
    Sgrd->horizontalHeader()->setDefaultSectionSize(kCellWidth);
    Sgrd->verticalHeader()->setMinimumSectionSize(10);
    Sgrd->verticalHeader()->setDefaultSectionSize(kRowHeight);
    Sgrd->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Sgrd->setSelectionMode(QAbstractItemView::NoSelection);
    Sgrd->setFocusPolicy(Qt::NoFocus);
    Sgrd->setItemDelegate(new MarkDelegate(Sgrd));
    Sgrd->setShowGrid(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOk);
    buttons->addWidget(BtnCancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Sgrd);
    layout->addLayout(buttons);

    connect(Sgrd, &QTableWidget::cellClicked, this,
            [this](int row, int column) { SgrdMouseUp(column, row); });
    connect(BtnOk, &QPushButton::clicked, this, &TDialoghSelDlg::BtnOkClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TDialoghSelDlg::prepare(const CurrentGame& game) {
    marks_.prepare(game.Aloga, game.DiakritaAloga);
    const int horses = marks_.horses();
    const int races = marks_.races();
    Sgrd->clearContents();
    Sgrd->setColumnCount(horses + 1);
    Sgrd->setRowCount(races + 1);
    auto put = [this](int column, int row, const QString& text) {
        auto* item = new QTableWidgetItem(text);
        item->setTextAlignment(Qt::AlignCenter);
        Sgrd->setItem(row, column, item);
    };
    put(0, 0, qs(rowLabelFor(game.Paixnidi)));
    for (int h = 0; h < horses; ++h) {
        put(h + 1, 0, qs(game.DiakritaAloga[static_cast<std::size_t>(h)]));
    }
    for (int r = 0; r < races; ++r) {
        put(0, r + 1, QString::number(r + 1));
        for (int h = 0; h < horses; ++h) {
            put(h + 1, r + 1, QString());
        }
    }
    // The row label is wider than a horse column; the races' column shows it whole.
    Sgrd->setColumnWidth(
        0, std::max(kCellWidth, Sgrd->fontMetrics().horizontalAdvance(qs(rowLabelFor(game.Paixnidi))) + 10));
    showMarks();

    const int gridWidth = Sgrd->columnWidth(0) + horses * kCellWidth + 2 * Sgrd->frameWidth();
    const int gridHeight = (races + 1) * kRowHeight + 2 * Sgrd->frameWidth();
    Sgrd->setFixedSize(gridWidth, gridHeight);
    adjustSize();
}

void TDialoghSelDlg::showMarks() {
    for (int r = 0; r < marks_.races(); ++r) {
        for (int h = 0; h < marks_.horses(); ++h) {
            QTableWidgetItem* item = Sgrd->item(r + 1, h + 1);
            if (!item) {
                continue;
            }
            item->setData(kPictureRole,
                          marks_.available(r, h) ? QVariant(entryPicture(marks_.chosen(r, h))) : QVariant());
        }
    }
}

bool TDialoghSelDlg::enter(const CurrentGame& game) {
    prepare(game);
    centreOnScreen(this);
    return exec() == QDialog::Accepted;
}

void TDialoghSelDlg::SgrdMouseUp(int column, int row) {
    if (column < 1 || column > marks_.horses() || row < 0 || row > marks_.races()) {
        return;
    }
    if (row == 0) {
        marks_.clickHorse(column - 1);
    } else {
        marks_.click(row - 1, column - 1);
    }
    showMarks();
}

void TDialoghSelDlg::BtnOkClick() {
    if (!marks_.valid()) {
        showInformation(this, qs(check_texts::kWrongEntry));
        return;
    }
    accept();
}

}  // namespace quintaro::gui
