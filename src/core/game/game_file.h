#pragma once
// Game files (".sk4", ".sk6", ".sk9", ".tet", ".tri"): a game's meeting data, horses, sum bounds, information
// line, basics and group tables as fixed-size records, little-endian, texts as short strings in the Greek
// code page. They hold no counted columns.
//
//   header        178 bytes   races, basics B, group rows G, super-group rows U, file name (10), race day
//   (3),
//                             date (12), comment (30), meeting (3), least and greatest sum, information line
//                             (100)
//   races         24 bytes each: 20 horse bytes, the count (32-bit)
//   basics        382 bytes each: from, to, group (3 each), races, the race cells (3 x 50 in a 3-place game,
//                 else one of 40 per race)
//   group rows    10 bytes each: "ΟΜΑΣ", "ΟΡΟΙ", "ΑΠΟ", "ΕΩΣ", "ΥΠΕΡ" (16-bit)
//   super-groups  8 bytes each: "ΥΠΕ", "ΟΜΑΔΕΣ", "ΑΠΟ", "ΕΩΣ" (16-bit)
//
// The reader checks the whole file before anything uses it; the writer writes a temporary file beside the
// target and renames it, so a failed save never destroys a good file.

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/game/group_tables.h"
#include "core/game/race_horses.h"
#include "core/game/selection_table.h"

namespace quintaro {

class GameFileError : public std::runtime_error {
public:
    enum class Kind {
        Damaged,  // not a game file of this game: "Σφάλμα! Το αρχείο πιθανόν είναι κατεστραμμένο."
        RaceWithoutHorses,  // a race has no horses: "Παρακαλώ επιλέξτε άλογα για όλες τις κούρσες."
        NotStorable,  // a text or number of the game does not fit the file
        FileSystem,   // the file could not be read or written
    };
    GameFileError(Kind kind, const std::string& message) : std::runtime_error(message), kind_(kind) {}
    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

struct GameFileBasic {
    std::string from;
    std::string to;
    std::string group;
    std::vector<std::string> cells;  // one per race
    bool operator==(const GameFileBasic&) const = default;
};

struct GameFileGroupRow {
    std::uint16_t number = 0, members = 0, from = 0, to = 0, superGroup = 0;
    bool operator==(const GameFileGroupRow&) const = default;
};

struct GameFileSuperGroupRow {
    std::uint16_t number = 0, groups = 0, from = 0, to = 0;
    bool operator==(const GameFileSuperGroupRow&) const = default;
};

// The meeting data of the new-game dialog.
struct MeetingData {
    std::string raceDay;  // "ΙΠΠΟΔΡΟΜΙΑ", at most 3 characters stored
    std::string date;     // "ΗΜΕΡΟΜΗΝΙΑ", 12
    std::string comment;  // "ΣΧΟΛΙΟ", 30
    std::string meeting;  // "ΣΥΝΑΝΤΗΣΗ": "ΣΥ1" or "ΣΥ2"
    bool operator==(const MeetingData&) const = default;
};

// A game file's content. Texts are UTF-8 here; the writer cuts them to their slots.
struct GameFile {
    int races = 0;
    std::string fileName;  // the file's own name with extension, at most 10 characters stored
    MeetingData meeting;
    std::uint16_t leastSum = 0;
    std::uint16_t greatestSum = 0;
    std::string informationLine;  // at most 100 characters stored
    aTAloga horses;               // `races` records
    std::vector<GameFileBasic> basics;
    std::vector<GameFileGroupRow> groups;
    std::vector<GameFileSuperGroupRow> superGroups;
    bool operator==(const GameFile&) const = default;
};

inline constexpr std::size_t kGameHeaderSize = 178;
inline constexpr std::size_t kRaceRecordSize = 24;
inline constexpr std::size_t kBasicRecordSize = 382;
inline constexpr std::size_t kGroupRecordSize = 10;
inline constexpr std::size_t kSuperGroupRecordSize = 8;

// The characters a basic's race cell keeps in the file: 50 in a 3-place game, 40 in the others.
std::size_t raceCellCapacity(int races);

// A basic's race cell that is longer than its place: saving would keep only its first `capacity`
// characters and lose the horses after them (17 horses never fit 40 characters; 5..20 needs 42).
struct CutRaceCell {
    int basic = 0;  // 1, 2, ... from the left
    int race = 0;   // 1-based race or place
    std::size_t length = 0;
    std::size_t capacity = 0;
    bool operator==(const CutRaceCell&) const = default;
};

// The race cells of the game's basics that saving would cut, basic by basic, race by race (texts
// trimmed as saving trims them).
std::vector<CutRaceCell> raceCellsCutOnSaving(const GameFile& game);

// The bytes of the file. Throws GameFileError(NotStorable) for a text with a character that the Greek code
// page lacks (the file name's such characters become "?").
std::string encodeGameFile(const GameFile& game);

// Reads the bytes of a file of a game of `races` races. Throws GameFileError(Damaged) when the length is not
// the one the header announces, the header's races are not the game's, a race's count is outside 0..20, one
// of its horses outside 1..20, a short string longer than its slot, or a text byte the code page lacks. A
// race without horses is not damage (see tablesFromGameFile).
GameFile decodeGameFile(std::string_view bytes, int races);

// Writes the file through a temporary file and a rename; the header's file name is the path's.
// Throws GameFileError(NotStorable or FileSystem); the target is then untouched.
void writeGameFile(const std::filesystem::path& path, const GameFile& game);

// Reads and checks a whole file. Throws GameFileError(FileSystem or Damaged).
GameFile readGameFile(const std::filesystem::path& path, int races);

// The game window's state as loading a game sets it.
struct LoadedGame {
    aTAloga horses;  // `Aloga`: each race's marked horses, ascending
    SelectionTable selection;
    std::string leastSum;  // `Edit1`
    std::string greatestSum;
    std::string informationLine;
    GroupTable groups;
    SuperGroupTable superGroups;
    MeetingData meeting;
};

// Fills the selection table, the sum bounds and both tables from a file of the game `gameName`, as loading
// does: cells trimmed, basics numbered 1, 2, ..., table numbers as decimal texts.
// Throws GameFileError(RaceWithoutHorses) when a race has no horse.
LoadedGame tablesFromGameFile(const GameFile& file, std::string_view gameName);

// What saving writes: the basics of the selection table (from, to, group and race cells trimmed), the sum
// bounds and the table rows converted to numbers. Throws ConversionError for a sum bound or table cell that
// is no integer, GameFileError(NotStorable) for one outside 0..65535.
GameFile gameFileFromTables(const SelectionTable& selection, const aTAloga& horses, std::string_view leastSum,
                            std::string_view greatestSum, const GroupTable& groups,
                            const SuperGroupTable& superGroups, const MeetingData& meeting,
                            std::string_view informationLine);

}  // namespace quintaro
