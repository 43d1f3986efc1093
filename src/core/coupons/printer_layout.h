#pragma once
// Printer layouts of the coupon forms: where each printer puts the marks on the operator's "ΣΚΟΡ" and
// "ΤΕΤΡΑΠΛΟ" coupon forms. One layout per printer, each a file "<printer>.fpr" holding one fixed-size
// record, in the folder Printers/SK or Printers/TET beside the program; "default.fpr" of a folder is the
// layout the coupons are printed with.
//
// Record (little-endian; texts are short strings: a length byte, then cp1253 characters, zero padded):
//   0 text (100)   101 printerName (100)   202 zero x6   208 textRight   216 textTop   224 side   232 start
//   240 legStep/betStep   248 hStep   256 vStep   264 markChar (1)   266 zero x2   268 fontSize (int32)
//   272 printNumber (byte)   273 isDefault (byte)   274 zero x6   280 numberRight   288 numberTop
// "ΣΚΟΡ" (328 bytes): 296 meetingRight  304 betRight  312 valueRight  320 amountRight
// "ΤΕΤΡΑΠΛΟ" (360 bytes): 296 meetingRight  304 bet1Right  312 bet1AmountRight  320 bet2Right
//   328 bet2AmountRight  336 valueRight  344 raceRight  352 placeStep
// Every number from 208 on is an IEEE double but fontSize.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quintaro::coupons {

// The two kinds of coupon form of the race operator.
enum class FormKind { Skor, Tetraplo };

inline constexpr std::size_t kSkorRecordSize = 328;
inline constexpr std::size_t kTetraploRecordSize = 360;
inline constexpr std::size_t kLayoutTextCapacity = 100;  // characters of `text` and `printerName`

std::size_t recordSize(FormKind kind);

// The layout folder's name under "Printers": "SK" or "TET".
std::string_view layoutFolderName(FormKind kind);

inline constexpr std::string_view kDefaultLayoutName = "default";
inline constexpr std::string_view kLayoutExtension = ".fpr";

// One printer layout. Lengths are in millimetres or in printer dots, field by field, as the coupon print
// takes them (see coupon_form.h).
struct PrinterLayout {
    FormKind kind = FormKind::Skor;
    std::string text;         // printed on every coupon form after "Quintaro "
    std::string printerName;  // the layout's name; its file is "<printerName trimmed>.fpr"
    double textRight = 0;     // dots
    double textTop = 0;       // dots
    double side = 0;          // mm: the form's distance from the side
    double start = 0;         // mm: the form's distance from the start
    double legStep = 0;       // ΣΚΟΡ, mm: between two races
    double betStep = 0;    // ΤΕΤΡΑΠΛΟ, mm: between the two bets (same place in the record as legStep)
    double hStep = 0;      // mm: horizontal step between sub-columns of boxes
    double vStep = 0;      // mm: vertical step between rows of boxes
    std::string markChar;  // the mark, at most one character
    std::int32_t fontSize = 10;
    bool printNumber = true;  // print the coupon number on every form
    bool isDefault = false;   // also saved as default.fpr
    double numberRight = 0;   // dots
    double numberTop = 0;     // dots
    double meetingRight = 0;  // dots
    double valueRight = 0;    // dots: where the coupon's cost goes
    // ΣΚΟΡ only.
    double betRight = 0;     // dots
    double amountRight = 0;  // dots
    // ΤΕΤΡΑΠΛΟ only.
    double bet1Right = 0;        // mm, added to side
    double bet1AmountRight = 0;  // mm, added to side
    double bet2Right = 0;        // mm, added to side
    double bet2AmountRight = 0;  // mm, added to side
    double raceRight = 0;        // dots
    double placeStep = 0;        // mm: between two places of a bet

    bool operator==(const PrinterLayout&) const = default;
};

// The values the layout window shows before any layout is loaded.
PrinterLayout initialLayout(FormKind kind);

// A layout that cannot be written: a text that the Greek code page cannot hold, or a mark of more than one
// character.
class LayoutEncodeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A layout file that cannot be read or is shorter than one record.
class LayoutFileDamaged : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The record's bytes. `text` and `printerName` are cut to 100 characters. Throws LayoutEncodeError.
std::string encodeLayout(const PrinterLayout& layout);

// The layout held in the first record of `bytes`. Bytes past the record are ignored. Throws
// LayoutFileDamaged when `bytes` is shorter than one record. A length byte beyond a text's capacity is read
// as the capacity; a byte the code page leaves undefined reads as U+FFFD.
PrinterLayout decodeLayout(FormKind kind, std::string_view bytes);

// The file of a layout name in a folder: folder / "<name trimmed>.fpr".
std::filesystem::path layoutFilePath(const std::filesystem::path& folder, std::string_view name);

// True when the trimmed name can be a file name in the layout folder: no path separators, no characters
// that file names cannot hold (< > : " / \ | ? *) and no control characters. An empty name is allowed (it
// gives the file ".fpr").
bool isValidLayoutName(std::string_view name);

// Reads a layout file. Throws LayoutFileDamaged when it cannot be read or is shorter than one record.
PrinterLayout readLayoutFile(const std::filesystem::path& file, FormKind kind);

// Writes the layout as the whole content of the file, through writeFileAtomically: a failed write leaves the
// earlier file as it was. Throws LayoutEncodeError (nothing written) or AtomicWriteError.
void writeLayoutFile(const std::filesystem::path& file, const PrinterLayout& layout);

// The layout list of a folder, as the layout window fills it.
struct LayoutListing {
    // "default" first when default.fpr exists, then the trimmed printer name of every "*.fpr" file, in file
    // name order, each name once.
    std::vector<std::string> entries;
    bool hasDefault = false;
    // Files that could not be read or are shorter than one record; they add no entry.
    std::vector<std::filesystem::path> damaged;
};

// Creates the folder (with missing parents) when it does not exist, then lists its layouts. Throws
// std::filesystem::filesystem_error when the folder cannot be created or read.
LayoutListing listLayouts(const std::filesystem::path& folder, FormKind kind);

// A number as the layout window shows it: at most 15 significant digits, no trailing zeros, the given
// decimal separator (6.35 -> "6,35").
std::string formatLayoutNumber(double value, char decimalSeparator);

namespace layout_texts {
inline constexpr std::string_view kSkorCaption = "ΡΥΘΜΙΣΕΙΣ ΕΚΤΥΠΩΤΗ ΓΙΑ ΣΚΟΡ4, ΣΚΟΡ6";
inline constexpr std::string_view kTetraploCaption = "ΡΥΘΜΙΣΕΙΣ ΕΚΤΥΠΩΤΗ ΓΙΑ ΤΕΤΡΑΠΛΟ";
inline constexpr std::string_view kConfirmCaption = "ΕΠΙΒΕΒΑΙΩΣΗ";
inline constexpr std::string_view kConfirmSave = "Παρακαλώ επιβεβαιώστε την αποθήκευση";
inline constexpr std::string_view kSaved = "Η αποθήκευση ολοκληρώθηκε";
inline constexpr std::string_view kSaveFailed =
    "Παρουσίαστηκε σφάλμα κατά την αποθήκευση.Βεβαιωθείτε ότι έχετε συμπληρώσει όλα τα αριθμητικά πεδία.";
inline constexpr std::string_view kDamaged = "Σφάλμα! Το αρχείο πιθανόν είναι κατεστραμμένο.";
inline constexpr std::string_view kNoMark =
    "Παρακαλώ δώστε τον Χαρακτήρα Εκτύπωσης: χωρίς αυτόν το δελτίο δεν σημειώνεται.";
inline constexpr std::string_view kBadPrinterName =
    "Το όνομα του εκτυπωτή δεν μπορεί να έχει τους χαρακτήρες \\ / : * ? \" < > |.";
inline constexpr std::string_view kNotInCodePage =
    "Το κείμενο ή το όνομα του εκτυπωτή έχει χαρακτήρες που δεν αποθηκεύονται (μόνο ελληνικά και λατινικά).";
}  // namespace layout_texts

}  // namespace quintaro::coupons
