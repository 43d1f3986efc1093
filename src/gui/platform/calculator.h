#pragma once
// Starts the system calculator. On Windows: the Windows folder + "\Calc.exe" on the 9x family and
// + "\System32\Calc.exe" on the NT family, with the shell verb "open". Elsewhere: the first desktop
// calculator found on the PATH (gnome-calculator, kcalc, galculator, mate-calc, qalculate-gtk, xcalc).
// A failure to start is not reported to the user; the result only tells the caller.

#include <QString>
#include <QStringList>

namespace quintaro::gui {

bool startCalculator();

// The calculators looked for on the PATH, in order (not used on Windows).
QStringList calculatorCandidates();

}  // namespace quintaro::gui
