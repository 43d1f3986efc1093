#pragma once
// Printing through the core's print jobs: the page metrics of a QPrinter (a real printer or a PDF file) for
// the core to lay a printout out, and the painter that plays the finished job on the printer.

#include <QFont>
#include <QString>
#include <functional>

#include "core/print/print_job.h"

class QPrinter;
class QWidget;

namespace quintaro::gui {

// The core's description of a widget's font (family, size in points, style).
print::Font printFont(const QFont& font);

// The Qt font for a job's font, sized for the given printer.
QFont qtFont(const print::Font& font, QPrinter& printer);

// The printer's resolution, printable page in dots, and text extents in its fonts. A text's height is the
// height of the font's line, as the printouts measure the height of "X".
print::PageMetrics pageMetricsOf(QPrinter& printer);

struct PrintOutcome {
    bool ok = true;
    QString error;  // the message for the user when the job failed
};

// Plays the job on the printer: texts with their top-left corner at the given point (the font's ascent is
// added to reach the baseline Qt draws on), clipped texts, lines and new pages. A printer that cannot start
// or that fails during the job abandons it; the outcome then carries the message.
PrintOutcome playPrintJob(QPrinter& printer, const print::PrintJob& job);

// A printout of a window: the print dialog on `window`; once a printer is chosen, the printout laid out on
// its page by `layOut` and played, with the window disabled meanwhile. A printout that cannot be laid out
// (an exception from `layOut`) or played is shown to the user. True when it was printed.
bool printOnChosenPrinter(QWidget* window,
                          const std::function<print::PrintJob(const print::PageMetrics&)>& layOut);

}  // namespace quintaro::gui
