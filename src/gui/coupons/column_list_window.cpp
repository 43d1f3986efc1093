#include "gui/coupons/column_list_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/coupons/column_grid.h"
#include "gui/platform/print_painter.h"
#include "gui/platform/qt_text.h"
#include "gui/platform/window_look.h"

namespace quintaro::gui {

ColumnListWindow::ColumnListWindow(AppContext& context, const QString& objectName, std::string_view caption,
                                   QSize size, QWidget* parent)
    : QDialog(parent),
      ctx_(context),
      SGrd(new ColumnGrid(this)),
      Panel1(new QWidget(this)),
      BitBtn1(new QPushButton(QStringLiteral("&ΕΚΤΥΠΩΣΗ"), Panel1)),
      BitBtn2(new QPushButton(QStringLiteral("&ΕΠΙΣΤΡΟΦΗ"), Panel1)) {
    setObjectName(objectName);
    setWindowTitle(qs(caption));
    setFixedSize(size);
    SGrd->setObjectName(QStringLiteral("SGrd"));

    paintDialogBackground(Panel1);
    Panel1->setFixedHeight(41);
    auto* buttons = new QHBoxLayout(Panel1);
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(SGrd);
    layout->addWidget(Panel1);

    connect(BitBtn1, &QPushButton::clicked, this, &ColumnListWindow::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

QString ColumnListWindow::cell(int column, int row) const {
    return SGrd->grid()->cell(column, row);
}

void ColumnListWindow::BitBtn1Click() {
    printOnChosenPrinter(this, [this](const print::PageMetrics& page) { return printJob(page); });
}

}  // namespace quintaro::gui
