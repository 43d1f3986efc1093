#pragma once
// A print job as data: the operations a printout draws, in printer dots, in the order they are drawn.
// The core computes a job from the page metrics of the chosen printer (resolution, page size and a
// function that measures text in a font); the program plays it on the printer. The column lists, the coupon
// forms and the system report are built this way, so their geometry is tested without a printer.

#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quintaro::print {

// A font by family and size in points; the printer scales points to its dots.
struct Font {
    std::string family;
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const Font&) const = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const Rect&) const = default;
};

// Every later text is drawn in this font until the next SetFont.
struct SetFont {
    Font font;
    bool operator==(const SetFont&) const = default;
};

// Text with the top-left corner of its line at (x, y): y is the top of the text, not its baseline.
struct DrawText {
    int x = 0;
    int y = 0;
    std::string text;
    bool operator==(const DrawText&) const = default;
};

// Text with the top-left corner of its line at (x, y), of which only the part inside `box` shows.
struct DrawClippedText {
    Rect box;
    int x = 0;
    int y = 0;
    std::string text;
    bool operator==(const DrawClippedText&) const = default;
};

// A thin black line from (x1, y1) to (x2, y2).
struct DrawLine {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    bool operator==(const DrawLine&) const = default;
};

// Ends the page; what follows is drawn on a new one.
struct NewPage {
    bool operator==(const NewPage&) const = default;
};

using Operation = std::variant<SetFont, DrawText, DrawClippedText, DrawLine, NewPage>;

struct TextSize {
    int width = 0;
    int height = 0;
};

// Measures a text in a font on the printer, in dots.
using TextMeasure = std::function<TextSize(const Font&, std::string_view)>;

// The printer as a printout sees it when it starts.
struct PageMetrics {
    int dpiX = 600;       // horizontal resolution, dots per inch
    int dpiY = 600;       // vertical resolution, dots per inch
    int pageWidth = 0;    // the printable page, in dots
    int pageHeight = 0;   // likewise
    TextMeasure measure;  // text extents in a font

    TextSize textSize(const Font& font, std::string_view text) const { return measure(font, text); }
};

class PrintJob {
public:
    // The font the job starts in; the first operation sets it.
    explicit PrintJob(Font startFont = {});

    void setFont(const Font& font);
    void text(int x, int y, std::string_view text);
    void clippedText(const Rect& box, int x, int y, std::string_view text);
    void line(int x1, int y1, int x2, int y2);
    void newPage();

    const Font& font() const { return font_; }
    const std::vector<Operation>& operations() const { return operations_; }
    int pageCount() const { return pages_; }

private:
    std::vector<Operation> operations_;
    Font font_;
    int pages_ = 1;
};

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
int roundHalfEven(double value);

// The x at which a text is centred across the page: half the page width less half the text width, both
// halves whole dots.
int centredX(const PageMetrics& page, const Font& font, std::string_view text);

}  // namespace quintaro::print
