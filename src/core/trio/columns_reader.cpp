#include "core/trio/columns_reader.h"

#include "core/text/number_text.h"

namespace quintaro::trio {
namespace {

bool isValue(std::string_view token) {
    const auto v = tryParseInt(token);
    return v && *v >= 1 && *v <= 80;
}

std::string pickSeparator(std::string_view line) {
    for (const char* s : {",", ";", " "}) {
        if (line.find(s) != std::string_view::npos) {
            return s;
        }
    }
    return {};
}

// The values per row: the valid tokens of the first line.
int countValues(std::string_view line, const std::string& separator) {
    int count = 0;
    if (!separator.empty()) {
        for (std::size_t at = line.find(separator); at != std::string_view::npos; at = line.find(separator)) {
            count += isValue(line.substr(0, at)) ? 1 : 0;
            line.remove_prefix(at + separator.size());
        }
    }
    if (!line.empty() && isValue(line)) {
        ++count;
    }
    return count;
}

constexpr std::size_t kHeaderLines = 5;

}  // namespace

bool hasEditorHeader(const std::vector<std::string>& lines) {
    if (lines.size() < kHeaderLines) {
        return false;
    }
    const auto count = tryParseInt(lines[0]);
    const auto width = tryParseInt(lines[1]);
    return count && width && *count >= 0 && *width >= 0 && lines[2].empty() && lines[3].empty() &&
           lines[4].empty() && static_cast<std::size_t>(*count) == lines.size() - kHeaderLines;
}

ColumnsRead readColumnLines(const std::vector<std::string>& allLines) {
    ColumnsRead read;
    std::size_t first = 0;
    if (hasEditorHeader(allLines)) {
        first = kHeaderLines;
        read.width = *tryParseInt(allLines[1]);
        read.widthFound = true;
    }
    std::string separator;
    std::string token;  // kept from one step to the next: an empty rest reuses it
    for (std::size_t i = first; i < allLines.size(); ++i) {
        std::string_view line = allLines[i];
        if (i == first) {
            separator = pickSeparator(line);
            read.width = countValues(line, separator);
            read.widthFound = true;
        }
        std::vector<std::string> row;
        for (int c = 0; c < read.width; ++c) {
            const std::size_t at = separator.empty() ? std::string_view::npos : line.find(separator);
            if (at != std::string_view::npos) {
                token = line.substr(0, at);
            } else if (!line.empty()) {
                token = line;
            }
            const auto value = tryParseInt(token);
            if (!value) {
                ++read.unsuitableReports;
                read.refused = true;
                read.rows.clear();
                return read;
            }
            if (*value < 1 || *value > 80) {
                ++read.unsuitableReports;
            }
            row.push_back(token);
            if (at != std::string_view::npos) {
                line.remove_prefix(at + separator.size());
            }
        }
        read.rows.push_back(std::move(row));
    }
    return read;
}

}  // namespace quintaro::trio
