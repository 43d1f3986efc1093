#include "gui/game/system_report_print.h"

#include <QDate>

#include "core/print/column_list_printout.h"
#include "core/print/system_report.h"
#include "core/settings/holder.h"
#include "gui/app_context.h"
#include "gui/app_title.h"
#include "gui/platform/print_painter.h"
#include "gui/platform/qt_text.h"

namespace quintaro::gui {

bool printSystemReport(QWidget* window, AppContext& ctx, const SystemReportRequest& request) {
    return printOnChosenPrinter(window, [&](const print::PageMetrics& page) {
        print::SystemReportContent content;
        content.holder = readHolderForPrintout(ctx.settings);
        content.appTitle = us(appTitle());
        content.informationLine = us(request.informationLine);
        const QDate today = QDate::currentDate();
        content.date = print::slashDate(today.day(), today.month(), today.year());
        content.races = ctx.game.Kourses;
        content.selection = {request.selection, request.selectionWidths};
        content.sumFrom = us(request.sumFrom);
        content.sumTo = us(request.sumTo);
        content.groups = {request.groups, request.groupWidths};
        content.superGroups = {request.superGroups, request.superGroupWidths};
        print::Font grid = printFont(request.gridFont);
        grid.bold = grid.italic = grid.underline = false;
        grid.pointSize = 10;
        content.startFont = grid;
        content.gridFont = grid;
        content.bandFont = grid;
        content.bandFont.pointSize = 15;
        content.bandFont.bold = true;
        return print::systemReportJob(page, content);
    });
}

}  // namespace quintaro::gui
