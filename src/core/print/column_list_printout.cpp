#include "core/print/column_list_printout.h"

#include "core/coupons/column_views.h"

#include <algorithm>
#include <cstdio>

namespace quintaro::print {
namespace {

// The running position of a printout and its centred lines.
class Lines {
public:
    Lines(const PageMetrics& page, PrintJob& job, int y)
        : page_(page),
          job_(job),
          gap_(page.dpiY / 10),
          height_(page.textSize(job.font(), "X").height + page.dpiY / 10),
          y_(y) {}

    int gap() const { return gap_; }
    int lineHeight() const { return height_; }
    int& y() { return y_; }

    // A centred line at y + offset in the given font; y then grows by a line and a gap, and the printer's
    // font is restored.
    void centred(const Font& font, std::string_view text, int offset) {
        const Font restore = job_.font();
        job_.setFont(font);
        if (!text.empty()) {
            job_.text(centredX(page_, font, text), y_ + offset, text);
        }
        y_ += height_ + gap_;
        job_.setFont(restore);
    }

    void heading(const Font& font, const HolderDetails& holder, std::string_view title) {
        centred(font, "", 4);
        centred(font, holder.title, 1);
        centred(font, holder.address, 1);
        centred(font, holder.misc, 1);
        centred(font, "", 4);
        centred(font, title, 5);
        centred(font, "", 4);
    }

private:
    const PageMetrics& page_;
    PrintJob& job_;
    int gap_;
    int height_;
    int y_;
};

// A printed width: `tenths` tenths of an inch at `dpi` dots per inch, rounded.
int dotsOfTenths(int dpi, int tenths) {
    return roundHalfEven(static_cast<double>(dpi) * tenths / 10.0);
}

}  // namespace

std::string slashDate(int day, int month, int year) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", day, month, year);
    return text;
}

std::string plainListTitle(std::string_view appTitle, std::string_view game, std::string_view caption) {
    return std::string(appTitle) + "   " + std::string(game) + "  " + std::string(caption);
}

std::string gatheredListTitle(std::string_view appTitle, std::string_view caption, std::string_view date) {
    return std::string(appTitle) + "   " + std::string(caption) + "     ΗΜ/ΝΙΑ " + std::string(date);
}

std::string couponLine(std::size_t number, const TsSthlh& coupon) {
    std::string line = std::to_string(number) + ")    ";
    for (std::size_t r = 0; r < coupon.size(); ++r) {
        if (r != 0) {
            line += " / ";
        }
        line += coupon[r];
    }
    return line;
}

std::vector<std::pair<int, int>> columnBands(const std::vector<int>& columnWidths, int pageTenths) {
    const int count = static_cast<int>(columnWidths.size());
    if (count == 0) {
        return {};
    }
    const int bound = pageTenths - 5;
    int sum = 0;
    int i = 0;
    while (sum < bound && i < count) {
        sum += roundHalfEven(0.115 * columnWidths[static_cast<std::size_t>(i)]);
        ++i;
    }
    const int last = sum >= bound ? std::min(i, count - 1) : count - 1;
    std::vector<std::pair<int, int>> bands{{0, last}};
    const int size = last + 1;
    for (int first = last + 1; first < count; first += size) {
        bands.emplace_back(first, std::min(first + size - 1, count - 1));
    }
    return bands;
}

PrintJob plainListJob(const PageMetrics& page, const PlainListPrintout& printout) {
    PrintJob job(printout.gridFont);
    Lines lines(page, job, 0);
    const int X = page.dpiX;
    const int tenths = X >= 10 ? page.pageWidth / (X / 10) : 0;
    const int races = printout.columns->races();
    const int columnCount = static_cast<int>(printout.columns->stored()) + 1;

    lines.heading(printout.gridFont, printout.holder, printout.title);

    const std::vector<int> widths(static_cast<std::size_t>(columnCount), printout.columnWidth);
    const int boxWidth = dotsOfTenths(X, roundHalfEven(0.104 * printout.columnWidth));
    Font headerFont = printout.gridFont;
    headerFont.bold = true;
    headerFont.underline = true;
    const int h = lines.lineHeight();
    int& y = lines.y();
    for (const auto& [first, last] : columnBands(widths, tenths)) {
        if (page.pageHeight < y + (races + 1) * h) {
            y = 0;
            job.newPage();
            lines.centred(printout.gridFont, printout.title, 5);
        }
        for (int row = 0; row <= races; ++row) {
            job.setFont(row == 0 ? headerFont : printout.gridFont);
            int x = 0;
            for (int column = first; column <= last; ++column) {
                job.clippedText(Rect{x, y, boxWidth, h}, x, y, plainListCell(*printout.columns, column, row));
                x += boxWidth;
            }
            y += 2 * lines.gap();
        }
        job.setFont(printout.gridFont);
        y += h + 3 * lines.gap();
    }
    return job;
}

PrintJob gatheredListJob(const PageMetrics& page, const GatheredListPrintout& printout) {
    PrintJob job(printout.gridFont);
    Lines lines(page, job, 10);
    const int X = page.dpiX;
    lines.heading(printout.headingFont, printout.holder, printout.title);

    Font lineFont = printout.gridFont;
    lineFont.pointSize = 12;
    const int h = lines.lineHeight();
    int& y = lines.y();
    const CouponList& coupons = *printout.coupons;
    for (std::size_t c = 0; c < coupons.size(); ++c) {
        // A new page only when another line follows: the last line never leaves a page with the title alone.
        if (c != 0 && page.pageHeight < y + h) {
            y = 0;
            job.newPage();
            lines.centred(printout.headingFont, printout.title, 5);
        }
        const std::string line = couponLine(c + 1, coupons[c]);
        job.setFont(lineFont);
        const int w = roundHalfEven(page.textSize(lineFont, line).width * 0.104);
        job.clippedText(Rect{0, y, dotsOfTenths(X, w), h}, 0, y, line);
        y += 2 * lines.gap();
    }
    return job;
}

}  // namespace quintaro::print
