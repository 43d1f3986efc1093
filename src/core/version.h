#pragma once
// The program's version: file version 2.3.5.51, built for 32-bit Windows as a special build. These are the
// values of the program's version resource (on Windows the real resource of the executable, elsewhere the
// same block compiled into the program).

#include <cstdint>

namespace quintaro::version {
inline constexpr int kMajor = 2;
inline constexpr int kMinor = 3;
inline constexpr int kRelease = 5;
inline constexpr int kBuild = 51;
inline constexpr const char* kText = "2.3.5.51";

inline constexpr std::uint32_t kFileOs = 0x4;  // 32-bit Windows
inline constexpr std::uint32_t kFileFlagsMask = 0x3F;
inline constexpr std::uint32_t kFileFlags = 0x20;   // special build
inline constexpr std::uint32_t kFileType = 0x1;     // an application
inline constexpr std::uint16_t kLanguage = 0x0408;  // Greek
inline constexpr std::uint16_t kCodePage = 1253;    // the Greek code page
}  // namespace quintaro::version
