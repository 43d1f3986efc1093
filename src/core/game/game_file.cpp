#include "core/game/game_file.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "core/files/atomic_write.h"
#include "core/files/utf8_path.h"
#include "core/game/game_types.h"
#include "core/text/cp1253.h"
#include "core/text/number_text.h"
#include "core/text/utf8.h"

namespace quintaro {
namespace {

constexpr int kMaxRaces = 9;
constexpr int kThreePlaces = 3;  // a 3-place game keeps its basics' race cells in wider slots

struct Slot {
    std::size_t offset;
    std::size_t capacity;
};
constexpr Slot kFileName{8, 10}, kRaceDay{19, 3}, kDate{23, 12}, kComment{36, 30}, kMeeting{67, 3},
    kInformation{76, 100};
constexpr std::size_t kLeastSum = 72, kGreatestSum = 74;
constexpr Slot kBasicFrom{0, 3}, kBasicTo{4, 3}, kBasicGroup{8, 3};
constexpr std::size_t kBasicRaces = 12, kBasicCells = 13;

Slot raceCellSlot(int races, int race) {
    const std::size_t capacity = raceCellCapacity(races);
    return {kBasicCells + (capacity + 1) * static_cast<std::size_t>(race), capacity};
}

[[noreturn]] void damaged(const std::string& why) {
    throw GameFileError(GameFileError::Kind::Damaged, "damaged game file: " + why);
}

std::size_t expectedLength(int races, std::size_t basics, std::size_t groups, std::size_t superGroups) {
    return kGameHeaderSize + kRaceRecordSize * static_cast<std::size_t>(races) + kBasicRecordSize * basics +
           kGroupRecordSize * groups + kSuperGroupRecordSize * superGroups;
}

// --- writing ---

class Writer {
public:
    explicit Writer(std::size_t size) : bytes_(size, '\0') {}

    void u8(std::size_t at, std::uint8_t v) { bytes_[at] = static_cast<char>(v); }
    void u16(std::size_t at, std::uint16_t v) {
        u8(at, static_cast<std::uint8_t>(v & 0xff));
        u8(at + 1, static_cast<std::uint8_t>(v >> 8));
    }
    void i32(std::size_t at, std::int32_t v) {
        const auto u = static_cast<std::uint32_t>(v);
        for (int i = 0; i < 4; ++i) {
            u8(at + static_cast<std::size_t>(i), static_cast<std::uint8_t>(u >> (8 * i)));
        }
    }
    // A short string: the length byte, then the text cut to the slot's capacity.
    void text(std::size_t at, Slot slot, std::string_view utf8Text, const char* field) {
        std::string encoded;
        try {
            encoded = cp1253::encode(utf8::left(utf8Text, slot.capacity));
        } catch (const cp1253::CodecError&) {
            throw GameFileError(
                GameFileError::Kind::NotStorable,
                std::string("the ") + field + " holds a character that a game file cannot store");
        }
        u8(at + slot.offset, static_cast<std::uint8_t>(encoded.size()));
        bytes_.replace(at + slot.offset + 1, encoded.size(), encoded);
    }

    std::string take() { return std::move(bytes_); }

private:
    std::string bytes_;
};

// The file name as stored: characters the code page lacks become "?".
std::string storableName(std::string_view name) {
    std::string out;
    const auto points = utf8::toCodePoints(name).value_or(std::u32string{});
    for (char32_t cp : points) {
        utf8::append(out, cp1253::fromUnicode(cp) >= 0 ? cp : U'?');
    }
    return out;
}

// --- reading ---

class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    std::uint8_t u8(std::size_t at) const { return static_cast<std::uint8_t>(bytes_[at]); }
    std::uint16_t u16(std::size_t at) const { return static_cast<std::uint16_t>(u8(at) | (u8(at + 1) << 8)); }
    std::int32_t i32(std::size_t at) const {
        std::uint32_t u = 0;
        for (int i = 3; i >= 0; --i) {
            u = (u << 8) | u8(at + static_cast<std::size_t>(i));
        }
        return static_cast<std::int32_t>(u);
    }
    std::string text(std::size_t at, Slot slot, const char* field) const {
        const std::size_t length = u8(at + slot.offset);
        if (length > slot.capacity) {
            damaged(std::string("the ") + field + " is longer than its place");
        }
        try {
            return cp1253::decode(bytes_.substr(at + slot.offset + 1, length));
        } catch (const cp1253::CodecError&) {
            damaged(std::string("the ") + field + " holds a byte that is no Greek character");
        }
    }

private:
    std::string_view bytes_;
};

std::uint16_t storable16(std::string_view cell, const char* what) {
    const std::int32_t value = parseInt(cell);
    if (value < 0 || value > 0xffff) {
        throw GameFileError(
            GameFileError::Kind::NotStorable,
            std::string("the ") + what + " " + std::to_string(value) + " does not fit a game file");
    }
    return static_cast<std::uint16_t>(value);
}

}  // namespace

std::size_t raceCellCapacity(int races) {
    return races == kThreePlaces ? 50 : 40;
}

std::vector<CutRaceCell> raceCellsCutOnSaving(const GameFile& game) {
    std::vector<CutRaceCell> cut;
    const std::size_t capacity = raceCellCapacity(game.races);
    for (std::size_t b = 0; b < game.basics.size(); ++b) {
        const std::vector<std::string>& cells = game.basics[b].cells;
        for (int r = 0; r < game.races && r < static_cast<int>(cells.size()); ++r) {
            const std::size_t length = utf8::length(trimmed(cells[static_cast<std::size_t>(r)]));
            if (length > capacity) {
                cut.push_back({static_cast<int>(b) + 1, r + 1, length, capacity});
            }
        }
    }
    return cut;
}

std::string encodeGameFile(const GameFile& game) {
    const int races = game.races;
    if (races < 0 || races > kMaxRaces) {
        throw GameFileError(GameFileError::Kind::NotStorable,
                            "a game of " + std::to_string(races) + " races");
    }
    for (std::size_t count : {game.basics.size(), game.groups.size(), game.superGroups.size()}) {
        if (count > 0xffff) {
            throw GameFileError(GameFileError::Kind::NotStorable, "more than 65535 basics or table rows");
        }
    }
    Writer w(expectedLength(races, game.basics.size(), game.groups.size(), game.superGroups.size()));
    w.u8(0, static_cast<std::uint8_t>(races));
    w.u16(2, static_cast<std::uint16_t>(game.basics.size()));
    w.u16(4, static_cast<std::uint16_t>(game.groups.size()));
    w.u16(6, static_cast<std::uint16_t>(game.superGroups.size()));
    w.text(0, kFileName, storableName(game.fileName), "file name");
    w.text(0, kRaceDay, game.meeting.raceDay, "race day");
    w.text(0, kDate, game.meeting.date, "date");
    w.text(0, kComment, game.meeting.comment, "comment");
    w.text(0, kMeeting, game.meeting.meeting, "meeting");
    w.u16(kLeastSum, game.leastSum);
    w.u16(kGreatestSum, game.greatestSum);
    w.text(0, kInformation, game.informationLine, "information line");

    std::size_t at = kGameHeaderSize;
    for (int r = 0; r < races; ++r) {
        const TAlogo race =
            r < static_cast<int>(game.horses.size()) ? game.horses[static_cast<std::size_t>(r)] : TAlogo{};
        for (std::size_t i = 0; i < race.horses.size(); ++i) {
            w.u8(at + i, race.horses[i]);
        }
        w.i32(at + 20, race.count);
        at += kRaceRecordSize;
    }
    for (const GameFileBasic& b : game.basics) {
        w.text(at, kBasicFrom, trimmed(b.from), "basic's lower bound");
        w.text(at, kBasicTo, trimmed(b.to), "basic's upper bound");
        w.text(at, kBasicGroup, trimmed(b.group), "basic's group");
        w.u8(at + kBasicRaces, static_cast<std::uint8_t>(races));
        for (int r = 0; r < races && r < static_cast<int>(b.cells.size()); ++r) {
            w.text(at, raceCellSlot(races, r), trimmed(b.cells[static_cast<std::size_t>(r)]),
                   "basic's horses");
        }
        at += kBasicRecordSize;
    }
    for (const GameFileGroupRow& g : game.groups) {
        w.u16(at, g.number);
        w.u16(at + 2, g.members);
        w.u16(at + 4, g.from);
        w.u16(at + 6, g.to);
        w.u16(at + 8, g.superGroup);
        at += kGroupRecordSize;
    }
    for (const GameFileSuperGroupRow& s : game.superGroups) {
        w.u16(at, s.number);
        w.u16(at + 2, s.groups);
        w.u16(at + 4, s.from);
        w.u16(at + 6, s.to);
        at += kSuperGroupRecordSize;
    }
    return w.take();
}

GameFile decodeGameFile(std::string_view bytes, int races) {
    if (races < 0 || races > kMaxRaces) {
        damaged("no game has " + std::to_string(races) + " races");
    }
    if (bytes.size() < kGameHeaderSize) {
        damaged("shorter than a game header");
    }
    const Reader in(bytes);
    GameFile game;
    game.races = in.u8(0);
    if (game.races != races) {
        damaged("it holds " + std::to_string(game.races) + " races or places, the game has " +
                std::to_string(races));
    }
    const std::size_t basics = in.u16(2), groups = in.u16(4), superGroups = in.u16(6);
    const std::size_t length = expectedLength(races, basics, groups, superGroups);
    if (bytes.size() != length) {
        damaged(std::to_string(bytes.size()) + " bytes where its header announces " + std::to_string(length));
    }
    game.fileName = in.text(0, kFileName, "file name");
    game.meeting.raceDay = in.text(0, kRaceDay, "race day");
    game.meeting.date = in.text(0, kDate, "date");
    game.meeting.comment = in.text(0, kComment, "comment");
    game.meeting.meeting = in.text(0, kMeeting, "meeting");
    game.leastSum = in.u16(kLeastSum);
    game.greatestSum = in.u16(kGreatestSum);
    game.informationLine = in.text(0, kInformation, "information line");

    std::size_t at = kGameHeaderSize;
    for (int r = 1; r <= races; ++r) {
        TAlogo race;
        race.count = in.i32(at + 20);
        if (race.count < 0 || race.count > kMaxHorse) {
            damaged("race " + std::to_string(r) + " has " + std::to_string(race.count) + " horses");
        }
        for (std::size_t i = 0; i < race.horses.size(); ++i) {
            race.horses[i] = in.u8(at + i);
            if (i < static_cast<std::size_t>(race.count) &&
                (race.horses[i] < 1 || race.horses[i] > kMaxHorse)) {
                damaged("race " + std::to_string(r) + " has a horse numbered " +
                        std::to_string(race.horses[i]));
            }
        }
        game.horses.push_back(race);
        at += kRaceRecordSize;
    }
    for (std::size_t b = 0; b < basics; ++b) {
        GameFileBasic basic;
        basic.from = in.text(at, kBasicFrom, "basic's lower bound");
        basic.to = in.text(at, kBasicTo, "basic's upper bound");
        basic.group = in.text(at, kBasicGroup, "basic's group");
        for (int r = 0; r < races; ++r) {
            basic.cells.push_back(in.text(at, raceCellSlot(races, r), "basic's horses"));
        }
        game.basics.push_back(std::move(basic));
        at += kBasicRecordSize;
    }
    for (std::size_t g = 0; g < groups; ++g) {
        game.groups.push_back({in.u16(at), in.u16(at + 2), in.u16(at + 4), in.u16(at + 6), in.u16(at + 8)});
        at += kGroupRecordSize;
    }
    for (std::size_t s = 0; s < superGroups; ++s) {
        game.superGroups.push_back({in.u16(at), in.u16(at + 2), in.u16(at + 4), in.u16(at + 6)});
        at += kSuperGroupRecordSize;
    }
    return game;
}

void writeGameFile(const std::filesystem::path& path, const GameFile& game) {
    GameFile named = game;
    named.fileName = pathUtf8(path.filename());
    const std::string bytes = encodeGameFile(named);

    try {
        writeFileAtomically(path, bytes);
    } catch (const AtomicWriteError& e) {
        throw GameFileError(GameFileError::Kind::FileSystem, e.what());
    }
}

GameFile readGameFile(const std::filesystem::path& path, int races) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw GameFileError(GameFileError::Kind::FileSystem, "cannot open " + pathUtf8(path));
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        throw GameFileError(GameFileError::Kind::FileSystem, "cannot read " + pathUtf8(path));
    }
    return decodeGameFile(bytes, races);
}

LoadedGame tablesFromGameFile(const GameFile& file, std::string_view gameName) {
    LoadedGame g;
    const int races = std::clamp(file.races, 0, kMaxRaces);
    g.meeting = file.meeting;
    g.selection.reset(races, rowLabelFor(gameName));
    // The horses go through the new-game dialog's marks: ascending, each once.
    for (int r = 0; r < races; ++r) {
        const auto i = static_cast<std::size_t>(r);
        const TAlogo race = i < file.horses.size() ? makeRace(file.horses[i].list()) : TAlogo{};
        if (race.count == 0) {
            throw GameFileError(GameFileError::Kind::RaceWithoutHorses,
                                "race " + std::to_string(r + 1) + " has no horses");
        }
        g.horses.push_back(race);
    }
    g.selection.setSelectedHorses(g.horses);
    g.informationLine = file.informationLine;

    if (!file.basics.empty()) {
        g.selection.setBasicCount(static_cast<int>(file.basics.size()));
    }
    for (std::size_t b = 0; b < file.basics.size(); ++b) {
        const int c = SelectionTable::kFirstBasicColumn + static_cast<int>(b);
        const GameFileBasic& basic = file.basics[b];
        for (int r = 0; r < races && r < static_cast<int>(basic.cells.size()); ++r) {
            g.selection.setCell(c, r + 1, trimmed(basic.cells[static_cast<std::size_t>(r)]));
        }
        g.selection.setCell(c, g.selection.fromRow(), trimmed(basic.from));
        g.selection.setCell(c, g.selection.toRow(), trimmed(basic.to));
        g.selection.setCell(c, g.selection.groupRow(), trimmed(basic.group));
        g.selection.setCell(c, 0, std::to_string(b + 1));
    }
    g.leastSum = std::to_string(file.leastSum);
    g.greatestSum = std::to_string(file.greatestSum);

    if (!file.groups.empty()) {
        g.groups.setDataRows(static_cast<int>(file.groups.size()));
    }
    for (std::size_t i = 0; i < file.groups.size(); ++i) {
        const GameFileGroupRow& row = file.groups[i];
        const int r = static_cast<int>(i) + 1;
        g.groups.setCell(GroupTable::kNumberColumn, r, std::to_string(row.number));
        g.groups.setCell(GroupTable::kMembersColumn, r, std::to_string(row.members));
        g.groups.setCell(GroupTable::kFromColumn, r, std::to_string(row.from));
        g.groups.setCell(GroupTable::kToColumn, r, std::to_string(row.to));
        g.groups.setCell(GroupTable::kSuperGroupColumn, r, std::to_string(row.superGroup));
    }
    if (!file.superGroups.empty()) {
        g.superGroups.setDataRows(static_cast<int>(file.superGroups.size()));
    }
    for (std::size_t i = 0; i < file.superGroups.size(); ++i) {
        const GameFileSuperGroupRow& row = file.superGroups[i];
        const int r = static_cast<int>(i) + 1;
        g.superGroups.setCell(SuperGroupTable::kNumberColumn, r, std::to_string(row.number));
        g.superGroups.setCell(SuperGroupTable::kGroupsColumn, r, std::to_string(row.groups));
        g.superGroups.setCell(SuperGroupTable::kFromColumn, r, std::to_string(row.from));
        g.superGroups.setCell(SuperGroupTable::kToColumn, r, std::to_string(row.to));
    }
    return g;
}

GameFile gameFileFromTables(const SelectionTable& selection, const aTAloga& horses, std::string_view leastSum,
                            std::string_view greatestSum, const GroupTable& groups,
                            const SuperGroupTable& superGroups, const MeetingData& meeting,
                            std::string_view informationLine) {
    GameFile f;
    f.races = selection.races();
    f.meeting = meeting;
    f.informationLine = std::string(informationLine);
    f.horses = horses;
    f.horses.resize(static_cast<std::size_t>(f.races));
    f.leastSum = storable16(leastSum, "least sum");
    f.greatestSum = storable16(greatestSum, "greatest sum");
    for (int c = SelectionTable::kFirstBasicColumn; c < selection.columnCount(); ++c) {
        GameFileBasic b;
        b.from = std::string(trimmed(selection.cell(c, selection.fromRow())));
        b.to = std::string(trimmed(selection.cell(c, selection.toRow())));
        b.group = std::string(trimmed(selection.cell(c, selection.groupRow())));
        for (int r = 1; r <= f.races; ++r) {
            b.cells.emplace_back(trimmed(selection.cell(c, r)));
        }
        f.basics.push_back(std::move(b));
    }
    for (int r = 1; r <= groups.dataRows(); ++r) {
        f.groups.push_back({storable16(groups.cell(GroupTable::kNumberColumn, r), "group number"),
                            storable16(groups.cell(GroupTable::kMembersColumn, r), "group size"),
                            storable16(groups.cell(GroupTable::kFromColumn, r), "group limit"),
                            storable16(groups.cell(GroupTable::kToColumn, r), "group limit"),
                            storable16(groups.cell(GroupTable::kSuperGroupColumn, r), "super-group number")});
    }
    for (int r = 1; r <= superGroups.dataRows(); ++r) {
        f.superGroups.push_back(
            {storable16(superGroups.cell(SuperGroupTable::kNumberColumn, r), "super-group number"),
             storable16(superGroups.cell(SuperGroupTable::kGroupsColumn, r), "super-group size"),
             storable16(superGroups.cell(SuperGroupTable::kFromColumn, r), "super-group limit"),
             storable16(superGroups.cell(SuperGroupTable::kToColumn, r), "super-group limit")});
    }
    return f;
}

}  // namespace quintaro
