#pragma once
// File paths and the UTF-8 texts the program keeps its names in (Greek names included, on every platform).

#include <filesystem>
#include <string>
#include <string_view>

namespace quintaro {

// The path named by UTF-8 text.
inline std::filesystem::path utf8Path(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

// The UTF-8 text of a path.
inline std::string pathUtf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace quintaro
