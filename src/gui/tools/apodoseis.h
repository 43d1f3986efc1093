#pragma once
// The odds-to-percentages calculator: from the decimal odds of up to 20 runners, the bookmaker's margin, the
// return percentage, the cut, and each runner's probability with the margin taken out.

#include "gui/tools/calculator_window.h"

namespace quintaro::gui {

struct AppContext;

class TAPODOSEIS : public CalculatorWindow {
    Q_OBJECT
public:
    explicit TAPODOSEIS(AppContext& context, QWidget* parent = nullptr);

protected:
    void run(calc::CalculatorFields& fields) override;
};

}  // namespace quintaro::gui
