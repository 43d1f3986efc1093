#include "core/shell/version_info.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "core/text/utf8.h"
#include "core/version.h"

namespace quintaro {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint16_t u16At(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

std::uint32_t u32At(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::size_t align4(std::size_t at) {
    return (at + 3) & ~std::size_t{3};
}

[[noreturn]] void cannotObtain() {
    throw EVerInfoError(std::string(verinfo::kCannotObtain));
}

// One entry of the resource tree: a header of three 16-bit words, the key in UTF-16 with its terminator,
// the value (4-aligned) and the children (each 4-aligned).
struct Node {
    std::size_t start = 0;
    std::size_t end = 0;  // start + wLength
    std::u16string key;
    std::size_t valueStart = 0;
    std::size_t valueSize = 0;
    std::size_t childrenStart = 0;
};

Node readNode(std::span<const std::uint8_t> b, std::size_t start, std::size_t limit) {
    if (start + 6 > limit) {
        cannotObtain();
    }
    Node n;
    n.start = start;
    const std::size_t length = u16At(b, start);
    const std::size_t valueLength = u16At(b, start + 2);
    const std::uint16_t type = u16At(b, start + 4);
    if (length < 6 || start + length > limit) {
        cannotObtain();
    }
    n.end = start + length;
    std::size_t at = start + 6;
    for (;;) {
        if (at + 2 > n.end) {
            cannotObtain();
        }
        const char16_t c = static_cast<char16_t>(u16At(b, at));
        at += 2;
        if (c == 0) {
            break;
        }
        n.key.push_back(c);
    }
    n.valueStart = align4(at);
    // A text value counts its length in 16-bit characters, a binary one in bytes.
    n.valueSize = type == 1 ? valueLength * 2 : valueLength;
    if (n.valueStart + n.valueSize > n.end) {
        // Some compilers count a text's bytes; what lies inside the entry is the value.
        n.valueSize = n.end > n.valueStart ? n.end - n.valueStart : 0;
    }
    n.childrenStart = align4(n.valueStart + n.valueSize);
    return n;
}

char16_t lower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool sameKey(const std::u16string& a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(static_cast<char16_t>(static_cast<unsigned char>(b[i])))) {
            return false;
        }
    }
    return true;
}

void putU16(Bytes& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void putU32(Bytes& out, std::uint32_t v) {
    putU16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    putU16(out, static_cast<std::uint16_t>(v >> 16));
}

void pad4(Bytes& out) {
    while (out.size() % 4 != 0) {
        out.push_back(0);
    }
}

std::u16string utf16(std::string_view text) {
    std::u16string out;
    for (char32_t c : utf8::toCodePoints(text).value_or(std::u32string())) {
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
    }
    return out;
}

void putText(Bytes& out, const std::u16string& text) {
    for (char16_t c : text) {
        putU16(out, c);
    }
    putU16(out, 0);
}

// Writes one entry; the children are written by the callback. Returns nothing: the entry's length is
// patched in once its children are written.
template <typename Children>
void putNode(Bytes& out, std::string_view key, std::uint16_t type, std::uint16_t valueLength,
             const Bytes& value, Children&& children) {
    pad4(out);
    const std::size_t start = out.size();
    putU16(out, 0);
    putU16(out, valueLength);
    putU16(out, type);
    putText(out, utf16(key));
    if (!value.empty()) {
        pad4(out);
        out.insert(out.end(), value.begin(), value.end());
    }
    children(out);
    const auto length = static_cast<std::uint16_t>(out.size() - start);
    out[start] = static_cast<std::uint8_t>(length & 0xFF);
    out[start + 1] = static_cast<std::uint8_t>(length >> 8);
}

void noChildren(Bytes&) {}

Bytes fixedInfoBytes(const FixedFileInfo& f) {
    Bytes out;
    for (std::uint32_t v : {f.signature, f.structVersion, f.fileVersionMS, f.fileVersionLS,
                            f.productVersionMS, f.productVersionLS, f.fileFlagsMask, f.fileFlags, f.fileOS,
                            f.fileType, f.fileSubtype, f.fileDateMS, f.fileDateLS}) {
        putU32(out, v);
    }
    return out;
}

FixedFileInfo fixedInfoFrom(std::span<const std::uint8_t> b) {
    FixedFileInfo f;
    std::uint32_t* fields[] = {&f.signature,        &f.structVersion,    &f.fileVersionMS, &f.fileVersionLS,
                               &f.productVersionMS, &f.productVersionLS, &f.fileFlagsMask, &f.fileFlags,
                               &f.fileOS,           &f.fileType,         &f.fileSubtype,   &f.fileDateMS,
                               &f.fileDateLS};
    std::size_t at = 0;
    for (std::uint32_t* field : fields) {
        *field = u32At(b, at);
        at += 4;
    }
    return f;
}

std::string hex4(std::uint16_t v) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%04X", static_cast<unsigned>(v));
    return buffer;
}

}  // namespace

std::string_view fileOsText(std::uint32_t fileOS) {
    switch (fileOS) {
        case 0x1:
            return "Designed for 16-bit Windows";
        case 0x2:
            return "Designed for 16-bit PM";
        case 0x3:
            return "Designed for 32-bit PM";
        case 0x4:
            return "Designed for 32-bit Windows";
        case 0x10000:
            return "Designed for MS-DOS";
        case 0x10001:
            return "Designed for 16-bit Windows, running on MS-DOS";
        case 0x10004:
            return "Designed for Win32 API, running on MS-DOS";
        case 0x20000:
            return "Designed for 16-bit OS/2";
        case 0x20002:
            return "Designed for 16-bit PM, running on 16-bit OS/2";
        case 0x30000:
            return "Designed for 32-bit OS/2";
        case 0x30003:
            return "Designed for 32-bit PM, running on 32-bit OS/2";
        case 0x40000:
            return "Designed for Windows NT";
        case 0x40004:
            return "Designed for Win32 API, running on Windows/NT";
        default:
            return "Unknown";
    }
}

std::vector<std::string> buildFlagTexts(std::uint32_t fileFlags, std::uint32_t fileFlagsMask) {
    static const std::pair<std::uint32_t, const char*> kFlags[] = {
        {verinfo::kPreRelease, "Pre-release"},
        {verinfo::kPrivateBuild, "Private build"},
        {verinfo::kSpecialBuild, "Special build"},
        {verinfo::kDebug, "Debug"},
    };
    const std::uint32_t set = fileFlags & fileFlagsMask;
    std::vector<std::string> out;
    for (const auto& [flag, text] : kFlags) {
        if ((set & flag) != 0) {
            out.emplace_back(text);
        }
    }
    return out;
}

std::span<const std::uint8_t> queryVersionValue(std::span<const std::uint8_t> resource,
                                                std::string_view path) {
    Node node = readNode(resource, 0, resource.size());
    if (path.empty() || path.front() != '\\') {
        return {};
    }
    path.remove_prefix(1);
    while (!path.empty()) {
        const std::size_t bar = path.find('\\');
        const std::string_view part = path.substr(0, bar);
        path = bar == std::string_view::npos ? std::string_view() : path.substr(bar + 1);
        bool found = false;
        for (std::size_t at = node.childrenStart; at < node.end;) {
            const Node child = readNode(resource, at, node.end);
            if (sameKey(child.key, part)) {
                node = child;
                found = true;
                break;
            }
            at = align4(child.end);
        }
        if (!found) {
            return {};
        }
    }
    return resource.subspan(node.valueStart, node.valueSize);
}

TVerInfoRes::TVerInfoRes(std::vector<std::uint8_t> resource) : resource_(std::move(resource)) {
    if (resource_.empty()) {
        throw ENoVerInfoError();
    }
    if (queryVersionValue(resource_, "\\VarFileInfo\\Translation").empty()) {
        throw EVerInfoError(std::string(verinfo::kNoLanguage));
    }
    const auto fixed = queryVersionValue(resource_, "\\");
    if (fixed.size() < verinfo::kFixedInfoSize) {
        throw eNoFixeVerInfo();
    }
    fixed_ = fixedInfoFrom(fixed);
    flags_ = buildFlagTexts(fixed_.fileFlags, fixed_.fileFlagsMask);
}

std::string TVerInfoRes::fileVersion() const {
    return std::to_string(fixed_.fileVersionMS >> 16) + "." + std::to_string(fixed_.fileVersionMS & 0xFFFF) +
           "." + std::to_string(fixed_.fileVersionLS >> 16) + "." +
           std::to_string(fixed_.fileVersionLS & 0xFFFF);
}

std::string TVerInfoRes::designLine() const {
    std::string line(fileOS());
    if (!flags_.empty()) {
        line += " ,";
        line += flags_.front();
    }
    return line;
}

std::vector<std::uint8_t> buildVersionResource(const VersionResourceContents& c) {
    Bytes out;
    Bytes fixed = fixedInfoBytes(c.fixed);
    fixed.resize(std::min(fixed.size(), c.fixedInfoSize));
    putNode(out, "VS_VERSION_INFO", 0, static_cast<std::uint16_t>(fixed.size()), fixed, [&](Bytes& o) {
        putNode(o, "StringFileInfo", 1, 0, {}, [&](Bytes& o2) {
            putNode(o2, hex4(c.language) + hex4(c.codePage), 1, 0, {}, [&](Bytes& o3) {
                for (const auto& [name, text] : c.strings) {
                    const std::u16string value = utf16(text);
                    Bytes valueBytes;
                    putText(valueBytes, value);
                    putNode(o3, name, 1, static_cast<std::uint16_t>(value.size() + 1), valueBytes,
                            noChildren);
                }
            });
        });
        if (c.withTranslation) {
            putNode(o, "VarFileInfo", 1, 0, {}, [&](Bytes& o2) {
                Bytes translation;
                putU16(translation, c.language);
                putU16(translation, c.codePage);
                putNode(o2, "Translation", 0, 4, translation, noChildren);
            });
        }
    });
    return out;
}

std::vector<std::uint8_t> programVersionResource() {
    using namespace version;
    VersionResourceContents c;
    c.fixed.fileVersionMS = static_cast<std::uint32_t>(kMajor) << 16 | static_cast<std::uint32_t>(kMinor);
    c.fixed.fileVersionLS = static_cast<std::uint32_t>(kRelease) << 16 | static_cast<std::uint32_t>(kBuild);
    c.fixed.productVersionMS = c.fixed.fileVersionMS;
    c.fixed.productVersionLS = c.fixed.fileVersionLS;
    c.fixed.fileFlagsMask = kFileFlagsMask;
    c.fixed.fileFlags = kFileFlags;
    c.fixed.fileOS = kFileOs;
    c.fixed.fileType = kFileType;
    c.language = kLanguage;
    c.codePage = kCodePage;
    c.strings = {{"FileDescription", "ΒΕΛΤΡΑΝΟ"},
                 {"FileVersion", kText},
                 {"ProductName", "ΒΕΛΤΡΑΝΟ"},
                 {"ProductVersion", kText},
                 {"SpecialBuild", "Special build"}};
    return buildVersionResource(c);
}

}  // namespace quintaro
