#pragma once
// The version information of a program: its version resource (the VS_VERSIONINFO block), the fixed file
// information in it, and the texts the splash and the about box show from it.

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quintaro {

// The file has no version resource. Message "No Version Info Available."
class ENoVerInfoError : public std::runtime_error {
public:
    ENoVerInfoError() : std::runtime_error("No Version Info Available.") {}
};

// The resource cannot be read ("Cannot obtain version info.") or has no translation entry
// ("No language info.").
class EVerInfoError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The root entry with the fixed file information is missing or too short. Message "No fixed file info"
class eNoFixeVerInfo : public std::runtime_error {
public:
    eNoFixeVerInfo() : std::runtime_error("No fixed file info") {}
};

namespace verinfo {
inline constexpr std::string_view kCannotObtain = "Cannot obtain version info.";
inline constexpr std::string_view kNoLanguage = "No language info.";
inline constexpr std::uint32_t kSignature = 0xFEEF04BD;
inline constexpr std::size_t kFixedInfoSize = 52;

// The file flags that have a text, in the order of the list.
inline constexpr std::uint32_t kPreRelease = 0x2;
inline constexpr std::uint32_t kPrivateBuild = 0x8;
inline constexpr std::uint32_t kSpecialBuild = 0x20;
inline constexpr std::uint32_t kDebug = 0x1;
}  // namespace verinfo

// The 52 bytes of the fixed file information (VS_FIXEDFILEINFO), little-endian 32-bit fields.
struct FixedFileInfo {
    std::uint32_t signature = verinfo::kSignature;
    std::uint32_t structVersion = 0x00010000;
    std::uint32_t fileVersionMS = 0;
    std::uint32_t fileVersionLS = 0;
    std::uint32_t productVersionMS = 0;
    std::uint32_t productVersionLS = 0;
    std::uint32_t fileFlagsMask = 0;
    std::uint32_t fileFlags = 0;
    std::uint32_t fileOS = 0;
    std::uint32_t fileType = 0;
    std::uint32_t fileSubtype = 0;
    std::uint32_t fileDateMS = 0;
    std::uint32_t fileDateLS = 0;
};

// The text of a file OS value: 4 -> "Designed for 32-bit Windows"; an unknown value -> "Unknown".
std::string_view fileOsText(std::uint32_t fileOS);

// The texts of the flags set both in the flags and in the mask, in the order "Pre-release",
// "Private build", "Special build", "Debug".
std::vector<std::string> buildFlagTexts(std::uint32_t fileFlags, std::uint32_t fileFlagsMask);

// The version information of one file, read from its version resource. Creating it reads the resource,
// checks the translation entry, fetches the fixed file information and fills the build-flag list, in this
// order; a failure throws the matching exception and nothing is created.
class TVerInfoRes {
public:
    // The bytes of the file's version resource; empty when the file has none.
    explicit TVerInfoRes(std::vector<std::uint8_t> resource);

    // The four 16-bit parts of the file version, most significant first: "2.3.5.51".
    std::string fileVersion() const;
    std::string_view fileOS() const { return fileOsText(fixed_.fileOS); }
    const std::vector<std::string>& fileFlags() const { return flags_; }
    const FixedFileInfo& fixedInfo() const { return fixed_; }

    // The splash's design line: the OS text, " ," and the first build flag (only the OS text without flags).
    std::string designLine() const;

private:
    std::vector<std::uint8_t> resource_;
    FixedFileInfo fixed_;
    std::vector<std::string> flags_;
};

// The value of an entry of a version resource by its path ("\" for the root's fixed information,
// "\VarFileInfo\Translation"), as the system's version query gives it; an empty span when the entry does
// not exist. Throws EVerInfoError(kCannotObtain) when the block is malformed.
std::span<const std::uint8_t> queryVersionValue(std::span<const std::uint8_t> resource,
                                                std::string_view path);

// What a version resource holds, to build one.
struct VersionResourceContents {
    FixedFileInfo fixed;
    std::size_t fixedInfoSize = verinfo::kFixedInfoSize;  // 0: none; fewer than 52 bytes: a cut one
    bool withTranslation = true;
    std::uint16_t language = 0x0409;
    std::uint16_t codePage = 1252;
    // String entries of the language's string table ("FileVersion", "ProductName", ...), UTF-8.
    std::vector<std::pair<std::string, std::string>> strings;
};

// The bytes of a version resource in the layout the resource compiler writes: the root VS_VERSION_INFO with
// the fixed information, a StringFileInfo with one string table, and a VarFileInfo with its Translation.
std::vector<std::uint8_t> buildVersionResource(const VersionResourceContents& contents);

// The program's own version resource: file version 2.3.5.51, file OS 4, flags mask 0x3F and flags 0x20.
std::vector<std::uint8_t> programVersionResource();

}  // namespace quintaro
