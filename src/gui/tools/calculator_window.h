#pragma once
// What the two calculators share: the heading, the runners' grid with its row labels, the three result
// fields "MARGIN", "RETURN %" and "GANIOTA %", and the buttons to calculate, clear ("Clear  ", after a
// warning) and leave ("EXIT"). Every showing starts from a cleared window.

#include <QColor>

#include "core/tools/calculators.h"
#include "gui/tools/tool_dialog.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quintaro::gui {

class CalculatorGrid;

class CalculatorWindow : public ToolDialog {
    Q_OBJECT
public:
    struct Texts {
        QString caption;
        QString heading;
        QString inputRowLabel;
        QString resultRowLabel;
        QString calculateButton;
        QColor background;
    };

    CalculatorGrid* grid() const { return AdvProbability; }
    QLineEdit* marginField() const { return EdtMargin; }
    QLineEdit* returnField() const { return EdtReturn; }
    QLineEdit* cutResultField() const { return EdtGaniota; }
    QPushButton* calculateButton() const { return BtnCalc; }
    QPushButton* clearButton() const { return BtnClear; }
    QPushButton* exitButton() const { return BtnExit; }

    // The result fields back to "0" and the grid's cells empty.
    void clearWindow();

    // Runs the window's calculation, as its calculate button does.
    void calculate();

protected:
    CalculatorWindow(const Texts& texts, QWidget* parent);

    // The window's own calculation on the current texts; it writes its results into the fields, also those
    // written before an error stopped it.
    virtual void run(calc::CalculatorFields& fields) = 0;

    // A place beside the result fields for a window's own inputs.
    QGridLayout* sideLayout() const { return side_; }

    void showEvent(QShowEvent* event) override;

private:
    void ClearClick();
    calc::CalculatorFields currentFields() const;
    void showFields(const calc::CalculatorFields& fields);

    CalculatorGrid* AdvProbability;
    QLineEdit* EdtMargin;
    QLineEdit* EdtReturn;
    QLineEdit* EdtGaniota;
    QPushButton* BtnCalc;
    QPushButton* BtnClear;
    QPushButton* BtnExit;
    QGridLayout* side_;
};

}  // namespace quintaro::gui
