#include "core/coupons/printer_layout.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "core/files/atomic_write.h"
#include "core/files/utf8_path.h"
#include "core/text/cp1253.h"
#include "core/text/number_text.h"
#include "core/text/utf8.h"

namespace quintaro::coupons {
namespace {

// Offsets of the record's fields.
namespace at {
constexpr std::size_t text = 0;
constexpr std::size_t printerName = 101;
constexpr std::size_t textRight = 208;
constexpr std::size_t textTop = 216;
constexpr std::size_t side = 224;
constexpr std::size_t start = 232;
constexpr std::size_t step = 240;
constexpr std::size_t hStep = 248;
constexpr std::size_t vStep = 256;
constexpr std::size_t markChar = 264;
constexpr std::size_t fontSize = 268;
constexpr std::size_t printNumber = 272;
constexpr std::size_t isDefault = 273;
constexpr std::size_t numberRight = 280;
constexpr std::size_t numberTop = 288;
constexpr std::size_t meetingRight = 296;
// ΣΚΟΡ
constexpr std::size_t skorBetRight = 304;
constexpr std::size_t skorValueRight = 312;
constexpr std::size_t skorAmountRight = 320;
// ΤΕΤΡΑΠΛΟ
constexpr std::size_t bet1Right = 304;
constexpr std::size_t bet1AmountRight = 312;
constexpr std::size_t bet2Right = 320;
constexpr std::size_t bet2AmountRight = 328;
constexpr std::size_t tetValueRight = 336;
constexpr std::size_t raceRight = 344;
constexpr std::size_t placeStep = 352;
}  // namespace at

class Writer {
public:
    explicit Writer(std::size_t size) : bytes_(size, '\0') {}

    void shortString(std::size_t offset, std::size_t capacity, std::string_view utf8Text) {
        std::string encoded;
        try {
            encoded = cp1253::encode(utf8::left(utf8Text, capacity));
        } catch (const cp1253::CodecError&) {
            throw LayoutEncodeError("the text '" + std::string(utf8Text) +
                                    "' holds characters outside the Greek code page");
        }
        bytes_[offset] = static_cast<char>(encoded.size());
        std::memcpy(bytes_.data() + offset + 1, encoded.data(), encoded.size());
    }

    void u32(std::size_t offset, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            bytes_[offset + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
        }
    }

    void f64(std::size_t offset, double value) {
        const auto bits = std::bit_cast<std::uint64_t>(value);
        for (int i = 0; i < 8; ++i) {
            bytes_[offset + static_cast<std::size_t>(i)] = static_cast<char>((bits >> (8 * i)) & 0xFF);
        }
    }

    void byte(std::size_t offset, std::uint8_t value) { bytes_[offset] = static_cast<char>(value); }

    std::string take() { return std::move(bytes_); }

private:
    std::string bytes_;
};

class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    std::string shortString(std::size_t offset, std::size_t capacity) const {
        const std::size_t length = std::min<std::size_t>(byte(offset), capacity);
        std::string out;
        for (std::size_t i = 0; i < length; ++i) {
            const int code = cp1253::toUnicode(byte(offset + 1 + i));
            utf8::append(out, code < 0 ? char32_t{0xFFFD} : static_cast<char32_t>(code));
        }
        return out;
    }

    std::uint32_t u32(std::size_t offset) const {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            value |= static_cast<std::uint32_t>(byte(offset + static_cast<std::size_t>(i))) << (8 * i);
        }
        return value;
    }

    double f64(std::size_t offset) const {
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i) {
            bits |= static_cast<std::uint64_t>(byte(offset + static_cast<std::size_t>(i))) << (8 * i);
        }
        return std::bit_cast<double>(bits);
    }

    std::uint8_t byte(std::size_t offset) const { return static_cast<std::uint8_t>(bytes_[offset]); }

private:
    std::string_view bytes_;
};

std::string lowerAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

}  // namespace

std::size_t recordSize(FormKind kind) {
    return kind == FormKind::Skor ? kSkorRecordSize : kTetraploRecordSize;
}

std::string_view layoutFolderName(FormKind kind) {
    return kind == FormKind::Skor ? "SK" : "TET";
}

PrinterLayout initialLayout(FormKind kind) {
    PrinterLayout l;
    l.kind = kind;
    l.text = "Quintaro";
    l.side = 9;
    l.start = 0;
    l.hStep = 5.71;
    l.vStep = 6.3;
    l.markChar = "X";
    l.fontSize = 10;
    l.printNumber = true;
    l.isDefault = false;
    l.numberRight = 3;
    l.numberTop = 6.35;
    if (kind == FormKind::Skor) {
        l.textRight = 1090;
        l.textTop = 6.35;
        l.legStep = 10.85;
        l.meetingRight = 950;
        l.betRight = 885;
        l.valueRight = 0.5;
        l.amountRight = 10.71;
    } else {
        l.textRight = 1110;
        l.textTop = 3;
        l.betStep = 70.85;
        l.meetingRight = 1090;
        l.bet1Right = 450;
        l.bet1AmountRight = 390;
        l.bet2Right = 850;
        l.bet2AmountRight = 800;
        l.valueRight = 1110;
        l.raceRight = 950;
        l.placeStep = 7;
    }
    return l;
}

std::string encodeLayout(const PrinterLayout& l) {
    Writer w(recordSize(l.kind));
    w.shortString(at::text, kLayoutTextCapacity, l.text);
    w.shortString(at::printerName, kLayoutTextCapacity, l.printerName);
    w.f64(at::textRight, l.textRight);
    w.f64(at::textTop, l.textTop);
    w.f64(at::side, l.side);
    w.f64(at::start, l.start);
    w.f64(at::step, l.kind == FormKind::Skor ? l.legStep : l.betStep);
    w.f64(at::hStep, l.hStep);
    w.f64(at::vStep, l.vStep);
    w.shortString(at::markChar, 1, l.markChar);
    w.u32(at::fontSize, static_cast<std::uint32_t>(l.fontSize));
    w.byte(at::printNumber, l.printNumber ? 1 : 0);
    w.byte(at::isDefault, l.isDefault ? 1 : 0);
    w.f64(at::numberRight, l.numberRight);
    w.f64(at::numberTop, l.numberTop);
    w.f64(at::meetingRight, l.meetingRight);
    if (l.kind == FormKind::Skor) {
        w.f64(at::skorBetRight, l.betRight);
        w.f64(at::skorValueRight, l.valueRight);
        w.f64(at::skorAmountRight, l.amountRight);
    } else {
        w.f64(at::bet1Right, l.bet1Right);
        w.f64(at::bet1AmountRight, l.bet1AmountRight);
        w.f64(at::bet2Right, l.bet2Right);
        w.f64(at::bet2AmountRight, l.bet2AmountRight);
        w.f64(at::tetValueRight, l.valueRight);
        w.f64(at::raceRight, l.raceRight);
        w.f64(at::placeStep, l.placeStep);
    }
    return w.take();
}

PrinterLayout decodeLayout(FormKind kind, std::string_view bytes) {
    if (bytes.size() < recordSize(kind)) {
        throw LayoutFileDamaged("the layout is shorter than one record");
    }
    const Reader r(bytes);
    PrinterLayout l;
    l.kind = kind;
    l.text = r.shortString(at::text, kLayoutTextCapacity);
    l.printerName = r.shortString(at::printerName, kLayoutTextCapacity);
    l.textRight = r.f64(at::textRight);
    l.textTop = r.f64(at::textTop);
    l.side = r.f64(at::side);
    l.start = r.f64(at::start);
    (kind == FormKind::Skor ? l.legStep : l.betStep) = r.f64(at::step);
    l.hStep = r.f64(at::hStep);
    l.vStep = r.f64(at::vStep);
    l.markChar = r.shortString(at::markChar, 1);
    l.fontSize = static_cast<std::int32_t>(r.u32(at::fontSize));
    l.printNumber = r.byte(at::printNumber) == 1;
    l.isDefault = r.byte(at::isDefault) != 0;
    l.numberRight = r.f64(at::numberRight);
    l.numberTop = r.f64(at::numberTop);
    l.meetingRight = r.f64(at::meetingRight);
    if (kind == FormKind::Skor) {
        l.betRight = r.f64(at::skorBetRight);
        l.valueRight = r.f64(at::skorValueRight);
        l.amountRight = r.f64(at::skorAmountRight);
    } else {
        l.bet1Right = r.f64(at::bet1Right);
        l.bet1AmountRight = r.f64(at::bet1AmountRight);
        l.bet2Right = r.f64(at::bet2Right);
        l.bet2AmountRight = r.f64(at::bet2AmountRight);
        l.valueRight = r.f64(at::tetValueRight);
        l.raceRight = r.f64(at::raceRight);
        l.placeStep = r.f64(at::placeStep);
    }
    return l;
}

std::filesystem::path layoutFilePath(const std::filesystem::path& folder, std::string_view name) {
    return folder / utf8Path(std::string(trimmed(name)) + std::string(kLayoutExtension));
}

bool isValidLayoutName(std::string_view name) {
    for (const char c : trimmed(name)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F ||
            std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos) {
            return false;
        }
    }
    return true;
}

PrinterLayout readLayoutFile(const std::filesystem::path& file, FormKind kind) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw LayoutFileDamaged("cannot open " + pathUtf8(file));
    }
    std::string bytes(recordSize(kind), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::size_t>(in.gcount()) < bytes.size()) {
        throw LayoutFileDamaged(pathUtf8(file) + " is shorter than one record");
    }
    return decodeLayout(kind, bytes);
}

void writeLayoutFile(const std::filesystem::path& file, const PrinterLayout& layout) {
    writeFileAtomically(file, encodeLayout(layout));
}

LayoutListing listLayouts(const std::filesystem::path& folder, FormKind kind) {
    if (!std::filesystem::exists(folder)) {
        std::filesystem::create_directories(folder);
    }
    LayoutListing listing;
    if (std::filesystem::exists(layoutFilePath(folder, kDefaultLayoutName))) {
        listing.entries.emplace_back(kDefaultLayoutName);
        listing.hasDefault = true;
    }
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = lowerAscii(pathUtf8(entry.path().filename()));
        if (!entry.is_directory() && name.size() >= kLayoutExtension.size() &&
            name.compare(name.size() - kLayoutExtension.size(), std::string::npos, kLayoutExtension) == 0) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end(),
              [](const auto& a, const auto& b) { return a.filename() < b.filename(); });
    for (const auto& file : files) {
        try {
            const std::string name(trimmed(readLayoutFile(file, kind).printerName));
            if (std::find(listing.entries.begin(), listing.entries.end(), name) == listing.entries.end()) {
                listing.entries.push_back(name);
            }
        } catch (const LayoutFileDamaged&) {
            listing.damaged.push_back(file);
        }
    }
    return listing;
}

std::string formatLayoutNumber(double value, char decimalSeparator) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string out = buffer;
    std::replace(out.begin(), out.end(), '.', decimalSeparator);
    return out;
}

}  // namespace quintaro::coupons
