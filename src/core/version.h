#pragma once
// The program's version: file version 2.3.5.51.

namespace quintaro::version {
inline constexpr int kMajor = 2;
inline constexpr int kMinor = 3;
inline constexpr int kRelease = 5;
inline constexpr int kBuild = 51;
inline constexpr const char* kText = "2.3.5.51";
}  // namespace quintaro::version
