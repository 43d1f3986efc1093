#include "core/trio/trio_files.h"

#include "core/text/cp1253.h"
#include "core/text/horse_list.h"
#include "core/text/number_text.h"
#include "core/text/utf8.h"
#include "core/trio/binomial.h"
#include "core/trio/trio_texts.h"
#include "core/trio/walk.h"

namespace quintaro::trio {
namespace {

char32_t foldCase(char32_t c) {
    if (c >= U'A' && c <= U'Z') {
        return c + 32;
    }
    if (c >= 0x0391 && c <= 0x03A9 && c != 0x03A2) {
        return c + 32;  // Α-Ω -> α-ω
    }
    switch (c) {
        case 0x0386:
            return 0x03AC;  // Ά
        case 0x0388:
            return 0x03AD;  // Έ
        case 0x0389:
            return 0x03AE;  // Ή
        case 0x038A:
            return 0x03AF;  // Ί
        case 0x038C:
            return 0x03CC;  // Ό
        case 0x038E:
            return 0x03CD;  // Ύ
        case 0x038F:
            return 0x03CE;  // Ώ
        case 0x03AA:
            return 0x03CA;  // Ϊ
        case 0x03AB:
            return 0x03CB;  // Ϋ
        case 0x03C2:
            return 0x03C3;  // final sigma
        default:
            return c;
    }
}

}  // namespace

std::vector<std::string> decodeLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last) {
            end = bytes.size();
        }
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(cp1253::decode(line));
        start = last ? bytes.size() : end + 1;
    }
    return lines;
}

std::string encodeLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) {
        out += cp1253::encode(line);
        out += "\r\n";
    }
    return out;
}

bool sameTextIgnoringCase(std::string_view a, std::string_view b) {
    const auto ca = utf8::toCodePoints(a);
    const auto cb = utf8::toCodePoints(b);
    if (!ca || !cb) {
        return a == b;
    }
    if (ca->size() != cb->size()) {
        return false;
    }
    for (std::size_t i = 0; i < ca->size(); ++i) {
        if (foldCase((*ca)[i]) != foldCase((*cb)[i])) {
            return false;
        }
    }
    return true;
}

std::string columnsFileBytes(const std::vector<Column>& columns) {
    std::string out;
    for (const Column& c : columns) {
        out += joinHorseList(c);
        out += "\r\n";
    }
    return out;
}

std::string prototypeFileBytes(const std::vector<Column>& columns) {
    std::string out;
    for (const Column& c : columns) {
        for (std::uint8_t v : c) {
            out += std::to_string(v);
            out += ' ';
        }
        out += "\r\n";
    }
    return out;
}

std::string prototypeFileName(const PrototypeFigures& f) {
    const std::string n = std::to_string(f.selected);
    const std::string g = std::to_string(f.guarantee);
    const bool grouped = !trimmed(f.group1List).empty();
    std::string name =
        grouped ? "Z" + n + g + "5" + f.hitText + f.group1From + f.group1To : "A" + n + g + "5" + f.hitText;
    const std::int64_t all = binomial(f.selected, kColumnSize);
    const long double cost =
        static_cast<long double>(binomial(kColumnSize, 3) * f.found) * kColumnPrice * 100.0L;
    const std::int64_t percent = all == 0 ? 0
                                          : roundHalfEven(static_cast<long double>(f.found) * 100.0L /
                                                          static_cast<long double>(all) * 100.0L);
    name += "_" + n + "_" + g + "_" + f.hitText;
    name += "_" + std::to_string(binomial(kColumnSize, 5) * f.found);
    name += "_" + std::to_string(roundHalfEven(cost));
    name += "_" + std::to_string(couponCount(f.found));
    name += "_" + std::to_string(percent);
    name += "_" + std::to_string(kColumnSize);
    if (grouped) {
        name += "_" + f.group1From + "$" + f.group1To;
    }
    return name + ".sy5";
}

std::string conditionsFileBytes(const ConditionsFile& file) {
    std::vector<std::string> lines = {file.selection, file.hitText, file.guaranteeText, file.systemText};
    for (const NumberGroupTexts& g : file.groups) {
        lines.push_back(g.list);
        lines.push_back(g.from);
        lines.push_back(g.to);
    }
    for (const auto& [from, to] : file.rows) {
        lines.push_back(from + "," + to);
    }
    return encodeLines(lines);
}

ConditionsFile readConditionsFile(std::string_view bytes) {
    const std::vector<std::string> lines = decodeLines(bytes);
    auto line = [&lines](std::size_t i) { return i < lines.size() ? lines[i] : std::string(); };
    ConditionsFile file;
    file.selection = line(0);
    file.hitText = line(1);
    file.guaranteeText = line(2);
    file.systemText = line(3);
    for (std::size_t g = 0; g < kNumberGroups; ++g) {
        file.groups[g] = {line(4 + 3 * g), line(5 + 3 * g), line(6 + 3 * g)};
    }
    constexpr std::size_t kFirstRow = 4 + 3 * kNumberGroups;
    for (std::size_t i = kFirstRow; i < lines.size() && file.rows.size() < kConditionCount; ++i) {
        const std::string& l = lines[i];
        const std::size_t comma = l.find(',');
        if (comma == std::string::npos) {
            file.rows.emplace_back(std::string(), std::string(trimmed(l)));
        } else {
            file.rows.emplace_back(l.substr(0, comma),
                                   std::string(trimmed(std::string_view(l).substr(comma + 1))));
        }
    }
    return file;
}

std::string systemName(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    return std::string(name.substr(0, name.find('.')));
}

}  // namespace quintaro::trio
