#include "core/print/system_report.h"

#include "core/print/column_list_printout.h"

#include <algorithm>

namespace quintaro::print {
namespace {

// The on-screen width of a column whose width the caller does not give: a grid's default column width.
constexpr int kDefaultScreenWidth = 64;

class Report {
public:
    Report(const PageMetrics& page, const SystemReportContent& content, PrintJob& job)
        : page_(page),
          content_(content),
          job_(job),
          gap_(page.dpiY / 10),
          line_(page.textSize(content.startFont, "X").height + page.dpiY / 10),
          headLine_(systemReportHeadLine(content.appTitle, content.informationLine, content.date)) {}

    void run() {
        spacer(4);
        centred(content_.holder.title, 1);
        centred(content_.holder.address, 1);
        centred(content_.holder.misc, 1);
        spacer(4);
        centred(headLine_, 5);
        spacer(5);
        selectionTable();
        keepRoom(line_ + gap_);
        centred(sumLine(content_.sumFrom, content_.sumTo), 6);
        spacer(2);
        limitTable(content_.groups);
        spacer(2);
        limitTable(content_.superGroups);
        keepRoom(line_ + gap_);
        centred(content_.credit, 10);
    }

private:
    // A line centred across the page at y + offset in the band's font; an empty text is a small spacer.
    void centred(std::string_view text, int offset) {
        job_.setFont(content_.bandFont);
        if (!text.empty()) {
            job_.text(centredX(page_, content_.bandFont, text), y_ + offset, text);
            y_ += line_ + gap_;
        } else {
            y_ += (line_ + gap_) / 3;
        }
    }
    void spacer(int offset) { centred("", offset); }

    // Cells of `columns` of one row side by side from the left edge, each clipped to its box; with
    // `underline` a line under the row to the right edge of the last cell.
    void cells(const ReportTable& table, int row, int first, int last, bool underline) {
        int x = 0;
        for (int column = first; column <= last; ++column) {
            const int width = printedCellWidth(page_.dpiX, column, screenWidth(table, column));
            job_.clippedText(Rect{x, y_, width, line_}, x, y_, table.grid->cell(column, row));
            x += width;
        }
        if (underline) {
            job_.line(0, y_ + 2 * gap_, x, y_ + 2 * gap_);
        }
        y_ += 2 * gap_;
    }

    void headerRow(const ReportTable& table, int first, int last) {
        Font header = content_.gridFont;
        header.bold = true;
        header.underline = true;
        job_.setFont(header);
        cells(table, 0, first, last, true);
        job_.setFont(content_.gridFont);
    }

    void row(const ReportTable& table, int row, int first, int last, bool underline) {
        job_.setFont(content_.gridFont);
        cells(table, row, first, last, underline);
    }

    void newPage() {
        job_.newPage();
        y_ = 0;
    }

    // A line that would pass the page's foot goes to a new page headed by the information line.
    void keepRoom(int height) {
        if (y_ + height > page_.pageHeight) {
            newPage();
            centred(content_.informationLine, 4);
        }
    }

    void selectionTable() {
        const ReportTable& table = content_.selection;
        if (table.grid == nullptr || table.grid->columnCount() == 0) {
            return;
        }
        const int tenths = page_.dpiX >= 10 ? page_.pageWidth / (page_.dpiX / 10) : 0;
        const int lastRaceRow = content_.races;
        for (const auto& [first, last] : selectionSlices(widths(table), tenths)) {
            // A slice is never split: one that would pass the page's foot starts a new page.
            const int height = std::max((content_.races + 4) * line_, sliceHeight(*table.grid));
            if (y_ + height > page_.pageHeight) {
                newPage();
                centred(headLine_, 5);
                spacer(4);
            }
            headerRow(table, first, last);
            spacer(0);
            for (int r = 1; r < table.grid->rowCount(); ++r) {
                row(table, r, first, last, r == lastRaceRow);
                if (r == lastRaceRow) {
                    spacer(0);
                }
            }
            y_ += line_ + 3 * gap_;
        }
    }

    // A table of limits: its header, then its rows up to the first one whose number cell is empty. A row
    // that leaves no room for the next starts a new page with the information line and the header again.
    void limitTable(const ReportTable& table) {
        if (table.grid == nullptr || table.grid->columnCount() == 0) {
            return;
        }
        const int last = table.grid->columnCount() - 1;
        keepRoom(line_ + 4 * gap_);
        headerRow(table, 0, last);
        spacer(0);
        for (int r = 1; r < table.grid->rowCount() && !table.grid->cell(0, r).empty(); ++r) {
            row(table, r, 0, last, false);
            const bool another = r + 1 < table.grid->rowCount() && !table.grid->cell(0, r + 1).empty();
            if (another && y_ + line_ > page_.pageHeight) {
                newPage();
                centred(content_.informationLine, 4);
                headerRow(table, 0, last);
                spacer(0);
            }
        }
    }

    // The height of a slice: the header and every row, two spacers, and the last row's box.
    int sliceHeight(const TextGrid& grid) const {
        return grid.rowCount() * 2 * gap_ + 2 * ((line_ + gap_) / 3) + line_;
    }

    static int screenWidth(const ReportTable& table, int column) {
        const auto i = static_cast<std::size_t>(column);
        return i < table.screenWidths.size() ? table.screenWidths[i] : kDefaultScreenWidth;
    }

    static std::vector<int> widths(const ReportTable& table) {
        std::vector<int> out;
        for (int c = 0; c < table.grid->columnCount(); ++c) {
            out.push_back(screenWidth(table, c));
        }
        return out;
    }

    const PageMetrics& page_;
    const SystemReportContent& content_;
    PrintJob& job_;
    int gap_;
    int line_;
    int y_ = 10;
    std::string headLine_;
};

}  // namespace

std::string systemReportHeadLine(std::string_view appTitle, std::string_view informationLine,
                                 std::string_view date) {
    return std::string(appTitle) + "   " + std::string(informationLine) + "     ΗΜ/ΝΙΑ " + std::string(date);
}

std::string sumLine(std::string_view from, std::string_view to) {
    return "ΑΘΡΟΙΣΜΑ    ΑΠΟ : " + std::string(from) + "   ΕΩΣ : " + std::string(to);
}

int printedCellWidth(int dpi, int column, int screenWidth) {
    const int tenths = roundHalfEven(screenWidth * (column < 2 ? 0.174 : 0.104));
    return roundHalfEven(tenths * 0.1 * dpi);
}

std::vector<std::pair<int, int>> selectionSlices(const std::vector<int>& screenWidths, int pageTenths) {
    return columnBands(screenWidths, pageTenths);
}

PrintJob systemReportJob(const PageMetrics& page, const SystemReportContent& content) {
    PrintJob job(content.startFont);
    Report(page, content, job).run();
    return job;
}

}  // namespace quintaro::print
