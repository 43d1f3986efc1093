#include "core/shell/version_info.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

VersionResourceContents withFlags(std::uint32_t flags, std::uint32_t mask) {
    VersionResourceContents c;
    c.fixed.fileVersionMS = 0x00020003;
    c.fixed.fileVersionLS = 0x00050033;
    c.fixed.fileFlags = flags;
    c.fixed.fileFlagsMask = mask;
    c.fixed.fileOS = 4;
    c.strings = {{"FileVersion", "2.3.5.51"}};
    return c;
}

std::uint32_t u32At(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

TEST(VersionInfo, TheProgramsOwnResource) {
    const TVerInfoRes info(programVersionResource());
    EXPECT_EQ(info.fileVersion(), "2.3.5.51");
    EXPECT_EQ(info.fileOS(), "Designed for 32-bit Windows");
    EXPECT_EQ(info.fileFlags(), std::vector<std::string>{"Special build"});
    EXPECT_EQ(info.designLine(), "Designed for 32-bit Windows ,Special build");
    EXPECT_EQ(info.fixedInfo().fileFlagsMask, 0x3Fu);
}

TEST(VersionInfo, TheBlockHasTheResourceCompilersLayout) {
    const std::vector<std::uint8_t> b = programVersionResource();
    ASSERT_GE(b.size(), 92u);
    EXPECT_EQ(b[0] | b[1] << 8, static_cast<int>(b.size()));  // wLength: the whole block
    EXPECT_EQ(b[2] | b[3] << 8, 52);                          // wValueLength: the fixed information
    EXPECT_EQ(b[4] | b[5] << 8, 0);                           // binary
    const char key[] = "VS_VERSION_INFO";
    for (std::size_t i = 0; i < sizeof key; ++i) {  // UTF-16 with its terminator
        EXPECT_EQ(b[6 + 2 * i], static_cast<std::uint8_t>(key[i]));
        EXPECT_EQ(b[7 + 2 * i], 0);
    }
    EXPECT_EQ(u32At(b, 40), 0xFEEF04BDu);  // the fixed information starts 4-aligned after the key
    EXPECT_EQ(u32At(b, 48), 0x00020003u);  // file version, most significant half
    EXPECT_EQ(u32At(b, 52), 0x00050033u);
    EXPECT_EQ(u32At(b, 64), 0x3Fu);  // flags mask
    EXPECT_EQ(u32At(b, 68), 0x20u);  // flags
    EXPECT_EQ(u32At(b, 72), 0x4u);   // file OS
    const auto translation = queryVersionValue(b, "\\VarFileInfo\\Translation");
    ASSERT_EQ(translation.size(), 4u);
    EXPECT_EQ(translation[0] | translation[1] << 8, 0x0408);
    EXPECT_EQ(translation[2] | translation[3] << 8, 1253);
    // Entries are found whatever the case of the path, as the system's query finds them.
    EXPECT_EQ(queryVersionValue(b, "\\varfileinfo\\TRANSLATION").size(), 4u);
    EXPECT_TRUE(queryVersionValue(b, "\\VarFileInfo\\Nothing").empty());
}

TEST(VersionInfo, BuildFlagsInTheirOrder) {
    struct Case {
        std::uint32_t flags;
        std::uint32_t mask;
        std::vector<std::string> texts;
    } cases[] = {
        {0x21, 0x3F, {"Special build", "Debug"}},
        {0x0B, 0x3F, {"Pre-release", "Private build", "Debug"}},
        {0x3F, 0x3F, {"Pre-release", "Private build", "Special build", "Debug"}},
        {0x21, 0x01, {"Debug"}},  // only flags the mask declares valid
        {0x14, 0x3F, {}},         // patched and info-inferred have no text
        {0x00, 0x3F, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(buildFlagTexts(c.flags, c.mask), c.texts) << std::hex << c.flags;
        const TVerInfoRes info(buildVersionResource(withFlags(c.flags, c.mask)));
        EXPECT_EQ(info.fileFlags(), c.texts);
    }
    const TVerInfoRes noFlags(buildVersionResource(withFlags(0, 0x3F)));
    EXPECT_EQ(noFlags.designLine(), "Designed for 32-bit Windows");
}

TEST(VersionInfo, FileVersionAndOsTexts) {
    VersionResourceContents c = withFlags(0, 0);
    c.fixed.fileVersionMS = 0x000A0000;
    c.fixed.fileVersionLS = 0xFFFF0007;
    c.fixed.fileOS = 0x40004;
    const TVerInfoRes info(buildVersionResource(c));
    EXPECT_EQ(info.fileVersion(), "10.0.65535.7");
    EXPECT_EQ(info.fileOS(), "Designed for Win32 API, running on Windows/NT");
    EXPECT_EQ(fileOsText(0x10001), "Designed for 16-bit Windows, running on MS-DOS");
    EXPECT_EQ(fileOsText(0x30003), "Designed for 32-bit PM, running on 32-bit OS/2");
    EXPECT_EQ(fileOsText(0x40000), "Designed for Windows NT");
    EXPECT_EQ(fileOsText(0), "Unknown");
    EXPECT_EQ(fileOsText(5), "Unknown");
}

template <typename Error>
void expectError(std::vector<std::uint8_t> resource, const char* message) {
    try {
        TVerInfoRes info(std::move(resource));
        ADD_FAILURE() << "no error, expected " << message;
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), message);
    }
}

TEST(VersionInfo, EachFailureHasItsClassAndMessage) {
    expectError<ENoVerInfoError>({}, "No Version Info Available.");

    std::vector<std::uint8_t> truncated = programVersionResource();
    truncated.resize(30);
    expectError<EVerInfoError>(truncated, "Cannot obtain version info.");
    std::vector<std::uint8_t> overlong = programVersionResource();
    overlong[0] = 0xFF;
    overlong[1] = 0x7F;
    expectError<EVerInfoError>(overlong, "Cannot obtain version info.");

    VersionResourceContents noTranslation = withFlags(0x20, 0x3F);
    noTranslation.withTranslation = false;
    expectError<EVerInfoError>(buildVersionResource(noTranslation), "No language info.");

    VersionResourceContents noFixed = withFlags(0x20, 0x3F);
    noFixed.fixedInfoSize = 0;
    expectError<eNoFixeVerInfo>(buildVersionResource(noFixed), "No fixed file info");

    VersionResourceContents shortFixed = withFlags(0x20, 0x3F);
    shortFixed.fixedInfoSize = 48;
    expectError<eNoFixeVerInfo>(buildVersionResource(shortFixed), "No fixed file info");
}

}  // namespace
}  // namespace quintaro
