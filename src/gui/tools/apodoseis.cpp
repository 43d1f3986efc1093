#include "gui/tools/apodoseis.h"

#include "gui/platform/qt_text.h"
#include "gui/tools/calculator_grid.h"

namespace quintaro::gui {

TAPODOSEIS::TAPODOSEIS(AppContext&, QWidget* parent)
    : CalculatorWindow({QStringLiteral("CALCULATE APODOSEIS"), QStringLiteral("ΑΠΟΔΟΣΕΙΣ σε ΠΟΣΟΣΤΑ"),
                        QStringLiteral("ΑΠΟΔΟΣΕΙΣ-ODDS"), QStringLiteral("ΠΙΘΑΝΟΤΗΤΕΣ  %"),
                        QStringLiteral("ΥΠΟΛΟΓΙΣΜΟΣ"), QColor(192, 220, 192)},
                       parent) {
    setObjectName(QStringLiteral("APODOSEIS"));
}

void TAPODOSEIS::run(calc::CalculatorFields& fields) {
    // No odds entered: nothing changes and nothing is said.
    calc::oddsToPercentages(grid()->inputCells(), decimalSeparator(), fields);
}

}  // namespace quintaro::gui
