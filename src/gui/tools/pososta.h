#pragma once
// The percentages-to-odds calculator: from probabilities that add up to 100 and a chosen cut ("ΓΚΑΝΙ0ΤΑ",
// in percent), the odds to offer for each runner. The cut field keeps its text from showing to showing.

#include "gui/tools/calculator_window.h"

namespace quintaro::gui {

struct AppContext;

class TPOSOSTA : public CalculatorWindow {
    Q_OBJECT
public:
    explicit TPOSOSTA(AppContext& context, QWidget* parent = nullptr);

    QLineEdit* cutField() const { return EdtGaniotaInput; }

protected:
    void run(calc::CalculatorFields& fields) override;

private:
    QLineEdit* EdtGaniotaInput;
};

}  // namespace quintaro::gui
