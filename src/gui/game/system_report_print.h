#pragma once
// "Ε&ΚΤΥΠΩΣΗ" of the game window: the system report on a printer chosen in the print dialog.

#include <QFont>
#include <QString>
#include <vector>

#include "core/game/text_grid.h"

class QWidget;

namespace quintaro::gui {

struct AppContext;

// What the game window shows, as the report prints it. The grids are the text cells of the selection table
// and of the group and super-group tables; each comes with the on-screen widths of its columns in pixels.
struct SystemReportRequest {
    const TextGrid* selection = nullptr;
    std::vector<int> selectionWidths;
    QString sumFrom;  // the sum bounds' fields, as typed
    QString sumTo;
    const TextGrid* groups = nullptr;
    std::vector<int> groupWidths;
    const TextGrid* superGroups = nullptr;
    std::vector<int> superGroupWidths;
    QString informationLine;  // the caption of the game window's top band
    QFont gridFont;           // the selection grid's font (printed at size 10)
};

// Shows the print dialog on `window`; when confirmed, prints the report with `window` disabled meanwhile.
// The caller rebuilds the group table first. A printer failure is shown to the user. Returns true when
// the report was printed.
bool printSystemReport(QWidget* window, AppContext& context, const SystemReportRequest& request);

}  // namespace quintaro::gui
