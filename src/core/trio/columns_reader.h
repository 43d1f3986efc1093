#pragma once
// The reader of the TRIO columns editor: any text file of number lists, one column per line. The first line
// decides the separator ("," if it holds one, else ";", else a space) and the width (its integers 1-80).
// Every line then fills one row of that width; a line with fewer numbers repeats its last one. A token that
// is not an integer makes the file unsuitable: the reading stops and the grid is cleared. An integer outside
// 1-80 is reported as unsuitable too but stays in the grid.
//
// A file saved by the editor begins with five header lines (count, width, three empty lines); when the count
// matches the lines that follow, the header is recognised and skipped, so the file opens as it was saved.

#include <string>
#include <string_view>
#include <vector>

namespace quintaro::trio {

struct ColumnsRead {
    int width = 1;            // the values per row found on the first line (one until a line is read)
    bool widthFound = false;  // a first line (or the editor's header) gave the width
    std::vector<std::vector<std::string>> rows;  // the value cells of each row (width texts each)
    int unsuitableReports = 0;                   // "ΑΚΑΤΑΛΛΗΛΟ ΑΡΧΕΙΟ" shown this many times
    bool refused = false;                        // a token was not an integer: the grid is cleared
};

inline constexpr std::string_view kUnsuitableFile = "ΑΚΑΤΑΛΛΗΛΟ ΑΡΧΕΙΟ";

// Reads the decoded lines of a file.
ColumnsRead readColumnLines(const std::vector<std::string>& lines);

// True when the lines begin with the editor's own header (see above).
bool hasEditorHeader(const std::vector<std::string>& lines);

}  // namespace quintaro::trio
