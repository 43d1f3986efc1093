#include "core/print/print_job.h"

#include <cmath>
#include <utility>

namespace quintaro::print {

PrintJob::PrintJob(Font startFont) : font_(std::move(startFont)) {
    operations_.push_back(SetFont{font_});
}

void PrintJob::setFont(const Font& font) {
    if (font == font_) {
        return;
    }
    font_ = font;
    operations_.push_back(SetFont{font});
}

void PrintJob::text(int x, int y, std::string_view text) {
    operations_.push_back(DrawText{x, y, std::string(text)});
}

void PrintJob::clippedText(const Rect& box, int x, int y, std::string_view text) {
    operations_.push_back(DrawClippedText{box, x, y, std::string(text)});
}

void PrintJob::line(int x1, int y1, int x2, int y2) {
    operations_.push_back(DrawLine{x1, y1, x2, y2});
}

void PrintJob::newPage() {
    operations_.push_back(NewPage{});
    ++pages_;
}

int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

int centredX(const PageMetrics& page, const Font& font, std::string_view text) {
    return page.pageWidth / 2 - page.textSize(font, text).width / 2;
}

}  // namespace quintaro::print
