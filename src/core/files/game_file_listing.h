#pragma once
// The listing of the game files of one game in a folder, as the deletion dialog shows them: each file's name
// with everything up to and including its first "_" removed. Each entry keeps the real file name behind the
// shortened one, so that deleting an entry removes exactly the file it stands for.

#include <string>
#include <string_view>
#include <vector>

namespace quintaro {

struct ListedGameFile {
    std::string shownName;  // "y.sk4" for the file "x_y.sk4"
    std::string fileName;   // the real name inside the folder
};

// The name as the list shows it: everything up to and including the first "_" removed.
std::string shortenedGameFileName(std::string_view fileName);

// The files of the folder whose extension is `extension` (without the dot; compared without regard to case),
// in name order. A missing or empty folder gives an empty list.
std::vector<ListedGameFile> listGameFiles(const std::string& folder, std::string_view extension);

// Deletes the named files of the folder; a file that cannot be deleted is passed over.
// Returns how many were deleted.
int deleteGameFiles(const std::string& folder, const std::vector<std::string>& fileNames);

}  // namespace quintaro
