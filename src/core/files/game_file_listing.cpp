#include "core/files/game_file_listing.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "core/files/utf8_path.h"

namespace quintaro {
namespace {

namespace fs = std::filesystem;

bool sameExtension(const fs::path& file, std::string_view extension) {
    std::string ext = pathUtf8(file.extension());
    if (ext.empty() || ext.front() != '.') {
        return false;
    }
    ext.erase(0, 1);
    return std::equal(ext.begin(), ext.end(), extension.begin(), extension.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

}  // namespace

std::string shortenedGameFileName(std::string_view fileName) {
    const auto underscore = fileName.find('_');
    return std::string(underscore == std::string_view::npos ? fileName : fileName.substr(underscore + 1));
}

std::vector<ListedGameFile> listGameFiles(const std::string& folder, std::string_view extension) {
    std::vector<ListedGameFile> out;
    std::error_code ec;
    fs::directory_iterator it(utf8Path(folder), ec);
    if (ec) {
        return out;
    }
    for (const fs::directory_entry& entry : it) {
        std::error_code typeError;
        if (entry.is_directory(typeError) || !sameExtension(entry.path(), extension)) {
            continue;
        }
        const std::string name = pathUtf8(entry.path().filename());
        out.push_back({shortenedGameFileName(name), name});
    }
    std::sort(out.begin(), out.end(),
              [](const ListedGameFile& a, const ListedGameFile& b) { return a.fileName < b.fileName; });
    return out;
}

int deleteGameFiles(const std::string& folder, const std::vector<std::string>& fileNames) {
    int deleted = 0;
    for (const std::string& name : fileNames) {
        // Only plain names inside the folder: a name that reaches elsewhere is not ours to delete.
        const fs::path relative = utf8Path(name);
        if (relative.empty() || relative.has_parent_path() || relative == "." || relative == "..") {
            continue;
        }
        std::error_code ec;
        if (fs::remove(utf8Path(folder) / relative, ec) && !ec) {
            ++deleted;
        }
    }
    return deleted;
}

}  // namespace quintaro
