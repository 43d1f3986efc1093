#pragma once
// The files of the TRIO construction window, all text in the Greek code page with CR LF line ends:
// - the columns file (".tri"): one line per found column, "1,4,5";
// - the prototype file (".sy5"): one line per found column, each number followed by a space, "1 4 5 ";
//   its name encodes the system's figures;
// - the conditions file (".or3"): the selection, the three drop-down lists, the four number groups and the
//   eight condition rows, so that a system can be set up again.
// Writers return the file's bytes; readers take them. I/O stays with the caller.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/trio/conditions.h"

namespace quintaro::trio {

inline constexpr std::string_view kDeltiaFolder = "DELTIA";
inline constexpr std::string_view kPrototypeFolder = "PROTYPA";

std::string columnsFileBytes(const std::vector<Column>& columns);
std::string prototypeFileBytes(const std::vector<Column>& columns);

// The figures a prototype name is built from, as they stand at the end of a calculation.
struct PrototypeFigures {
    int selected = 0;           // n
    int guarantee = 3;          // g
    std::string hitText = "3";  // the text of the hit list (h)
    std::int64_t found = 0;     // found columns
    std::string group1List;     // number group 1 (a "Z" name when not empty once trimmed)
    std::string group1From;     // its from and to texts, as typed
    std::string group1To;
};

// "A7253_7_2_3_0_700_3_2000_3.sy5", "Z725312_7_2_3_0_500_2_1429_3_1$2.sy5" (UTF-8; to be placed in PROTYPA).
std::string prototypeFileName(const PrototypeFigures& figures);

// The lines of a conditions file.
struct ConditionsFile {
    std::string selection;  // the selected numbers joined by ","
    std::string hitText;    // the texts of the three drop-down lists
    std::string guaranteeText;
    std::string systemText;
    std::array<NumberGroupTexts, kNumberGroups> groups;
    std::vector<std::pair<std::string, std::string>> rows;  // ΑΠΟ and ΕΩΣ of condition rows 1, 2, ...
};

// Throws cp1253::CodecError when a text has no code in the Greek code page.
std::string conditionsFileBytes(const ConditionsFile& file);

// Lines missing from the first sixteen read as empty; the condition rows are as many as the file holds after
// them, at most eight (further lines are ignored). Throws cp1253::CodecError on a byte the code page leaves
// undefined.
ConditionsFile readConditionsFile(std::string_view bytes);

// The system name of a conditions file: its name without folder, cut at its first ".".
std::string systemName(std::string_view path);

// The lines of a text file in the Greek code page, decoded to UTF-8; a line ends at CR LF or LF, and a line
// end at the very end of the file opens no further line. Throws cp1253::CodecError on an undefined byte.
std::vector<std::string> decodeLines(std::string_view bytes);

// The lines encoded in the Greek code page, each followed by CR LF.
std::string encodeLines(const std::vector<std::string>& lines);

// Case-insensitive comparison of two UTF-8 texts, Latin and Greek letters (accented ones included).
bool sameTextIgnoringCase(std::string_view a, std::string_view b);

}  // namespace quintaro::trio
