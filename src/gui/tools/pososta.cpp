#include "gui/tools/pososta.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "gui/platform/dialogs.h"
#include "gui/platform/qt_text.h"
#include "gui/tools/calculator_grid.h"
#include "gui/tools/field_keys.h"

namespace quintaro::gui {

TPOSOSTA::TPOSOSTA(AppContext&, QWidget* parent)
    : CalculatorWindow({QStringLiteral("CALCULATE POSOSTA"), QStringLiteral(" ΠΟΣΟΣΤΑ ΣΕ ΑΠΟΔΟΣΕΙΣ"),
                        QStringLiteral("ΠΙΘΑΝΟΤΗΤΕΣ %"), QStringLiteral("ΑΠΟΔΟΣΕΙΣ-ODDS"),
                        QStringLiteral("Calculate Pososta"), QColor(255, 255, 0)},
                       parent),
      EdtGaniotaInput(new QLineEdit(QStringLiteral("15"), this)) {
    setObjectName(QStringLiteral("POSOSTA"));
    EdtGaniotaInput->setObjectName(QStringLiteral("EdtGaniotaInput"));
    EdtGaniotaInput->setFixedWidth(90);
    EdtGaniotaInput->setAlignment(Qt::AlignRight);
    FieldKeys::install(EdtGaniotaInput, FieldKeys::Kind::Number);
    auto* label = new QLabel(QStringLiteral("ΓΚΑΝΙ0ΤΑ"), this);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    const int row = sideLayout()->rowCount();
    sideLayout()->setRowMinimumHeight(row, 8);
    sideLayout()->addWidget(label, row + 1, 0);
    sideLayout()->addWidget(EdtGaniotaInput, row + 1, 1);
    setTabOrder(grid(), EdtGaniotaInput);
}

void TPOSOSTA::run(calc::CalculatorFields& fields) {
    if (calc::percentagesToOdds(grid()->inputCells(), us(EdtGaniotaInput->text()), decimalSeparator(),
                                fields) == calc::PercentagesOutcome::SumNot100) {
        showWarning(this, qs(calc::kSumNot100Message));
    }
}

}  // namespace quintaro::gui
