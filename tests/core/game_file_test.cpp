#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "core/game/game_file.h"
#include "core/text/number_text.h"
#include "game_builders.h"

namespace quintaro {
namespace {

namespace fs = std::filesystem;
using test::BasicCells;
using test::Rows;
using test::rowsOf;
using test::setRows;

// The bytes of a file, set field by field at the offsets of the layout.
class Bytes {
public:
    explicit Bytes(std::size_t size) : b_(size, '\0') {}
    Bytes& at(std::size_t offset, std::initializer_list<int> values) {
        for (int v : values) {
            b_.at(offset++) = static_cast<char>(v);
        }
        return *this;
    }
    // A short string: length byte, then the (cp1253) characters.
    Bytes& text(std::size_t offset, std::string_view cp1253) {
        b_.at(offset) = static_cast<char>(cp1253.size());
        b_.replace(offset + 1, cp1253.size(), cp1253);
        return *this;
    }
    const std::string& str() const { return b_; }
    std::string& str() { return b_; }

private:
    std::string b_;
};

GameFile skor4() {
    GameFile g;
    g.races = 4;
    g.fileName = "test.sk4";
    g.meeting = {"12", "01/02/2024", "ΔΟΚΙΜΗ", "ΣΥ1"};
    g.leastSum = 11;
    g.greatestSum = 300;
    g.informationLine = "ΣΚΟΡ 4   ΠΛΗΡΕΣ : 24";
    g.horses = {makeRace({1, 2}), makeRace({1, 2, 3}), makeRace({4}), makeRace({5, 6})};
    g.basics = {{"2", "4", "0", {"1", "1,2", "", "5"}}, {"1", "4", "1", {"2", "3", "4", "6"}}};
    g.groups = {{0, 1, 1, 1, 0}};
    g.superGroups = {{0, 1, 1, 1}};
    return g;
}

// The "ΣΚΟΡ 4" of 2 basics, 1 group row and 1 super-group row: 178 + 96 + 764 + 10 + 8 = 1 056 bytes.
Bytes skor4Bytes() {
    Bytes b(1056);
    b.at(0, {4, 0, 2, 0, 1, 0, 1, 0});
    b.text(8, "test.sk4").text(19, "12").text(23, "01/02/2024");
    b.text(36, "\xC4\xCF\xCA\xC9\xCC\xC7");  // ΔΟΚΙΜΗ
    b.text(67,
           "\xD3\xD5"
           "1");  // ΣΥ1
    b.at(72, {11, 0, 44, 1});
    b.text(76, "\xD3\xCA\xCF\xD1 4   \xD0\xCB\xC7\xD1\xC5\xD3 : 24");  // ΣΚΟΡ 4   ΠΛΗΡΕΣ : 24
    b.at(178, {1, 2}).at(198, {2, 0, 0, 0});
    b.at(202, {1, 2, 3}).at(222, {3, 0, 0, 0});
    b.at(226, {4}).at(246, {1, 0, 0, 0});
    b.at(250, {5, 6}).at(270, {2, 0, 0, 0});
    b.text(274, "2").text(278, "4").text(282, "0").at(286, {4});
    b.text(287, "1").text(328, "1,2").text(369, "").text(410, "5");
    b.text(656, "1").text(660, "4").text(664, "1").at(668, {4});
    b.text(669, "2").text(710, "3").text(751, "4").text(792, "6");
    b.at(1038, {0, 0, 1, 0, 1, 0, 1, 0, 0, 0});
    b.at(1048, {0, 0, 1, 0, 1, 0, 1, 0});
    return b;
}

TEST(GameFile, TheBytesOfASkor4Game) {
    const std::string bytes = encodeGameFile(skor4());
    EXPECT_EQ(bytes.size(), 1056u);
    EXPECT_EQ(bytes, skor4Bytes().str());
    EXPECT_EQ(decodeGameFile(bytes, 4), skor4());
}

TEST(GameFile, AThreePlaceGameHasWiderRaceCellsAndLongTextsAreCut) {
    GameFile g;
    g.races = 3;
    g.horses = {makeRace({1, 2}), makeRace({3}), makeRace({4})};
    const std::string fifty = "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20";  // 50 characters
    g.basics = {{" 1", "3 ", " 0 ", {fifty, " 3,4 ", fifty + ",21"}}};
    g.meeting.comment = std::string(35, 'x');
    const std::string bytes = encodeGameFile(g);
    ASSERT_EQ(bytes.size(), 178u + 72u + 382u);
    Bytes expected(bytes.size());
    expected.at(0, {3, 0, 1, 0, 0, 0, 0, 0}).text(36, std::string(30, 'x'));
    expected.at(178, {1, 2}).at(198, {2}).at(202, {3}).at(222, {1}).at(226, {4}).at(246, {1});
    expected.text(250, "1").text(254, "3").text(258, "0").at(262, {3});
    expected.text(263, fifty).text(314, "3,4").text(365, fifty);
    EXPECT_EQ(bytes, expected.str());

    // The other games keep 40 characters a race cell.
    GameFile four = skor4();
    four.basics[0].cells[0] = fifty;
    four.fileName = "averyverylongname.sk4";
    const GameFile back = decodeGameFile(encodeGameFile(four), 4);
    EXPECT_EQ(back.basics[0].cells[0], fifty.substr(0, 40));
    EXPECT_EQ(back.fileName, "averyveryl");
}

// "a,b,...": the horses from..to joined by commas.
std::string horseRun(int from, int to) {
    std::string text;
    for (int h = from; h <= to; ++h) {
        text += (text.empty() ? "" : ",") + std::to_string(h);
    }
    return text;
}

TEST(GameFile, RaceCellsThatSavingWouldCut) {
    struct Case {
        int races;
        std::string cell;
        std::size_t length;  // 0: fits
    } cases[] = {
        {4, horseRun(1, 16), 0},              // 38 characters
        {4, horseRun(1, 17), 41},             // 17 horses never fit
        {4, horseRun(5, 20), 42},             // 16 high numbers do not either
        {4, horseRun(10, 20), 0},             // 32
        {9, " " + horseRun(1, 16) + " ", 0},  // trimmed as saving trims
        {3, horseRun(1, 20), 0},              // a place keeps 50 characters
    };
    for (const Case& c : cases) {
        GameFile g;
        g.races = c.races;
        g.basics = {{"1", "1", "0", std::vector<std::string>(static_cast<std::size_t>(c.races), "1")},
                    {"1", "1", "0", std::vector<std::string>(static_cast<std::size_t>(c.races), "2")}};
        g.basics[1].cells[1] = c.cell;
        const std::vector<CutRaceCell> cut = raceCellsCutOnSaving(g);
        if (c.length == 0) {
            EXPECT_TRUE(cut.empty()) << c.cell;
        } else {
            EXPECT_EQ(cut, (std::vector<CutRaceCell>{{2, 2, c.length, 40}})) << c.cell;
        }
    }
}

TEST(GameFile, DamagedFilesAreRefusedWhole) {
    struct Case {
        const char* name;
        std::function<void(std::string&)> damage;
    } cases[] = {
        {"one byte short", [](std::string& b) { b.pop_back(); }},
        {"one byte more", [](std::string& b) { b.push_back('\0'); }},
        {"shorter than a header", [](std::string& b) { b.resize(100); }},
        {"another game's races", [](std::string& b) { b[0] = 6; }},
        {"a basic count beyond the file", [](std::string& b) { b[2] = 3; }},
        {"21 horses in a race", [](std::string& b) { b[198] = 21; }},
        {"a negative horse count", [](std::string& b) { b[198] = b[199] = b[200] = b[201] = '\xff'; }},
        {"horse 0 among the counted ones", [](std::string& b) { b[179] = 0; }},
        {"horse 21", [](std::string& b) { b[178] = 21; }},
        {"a text longer than its place", [](std::string& b) { b[19] = 4; }},
        {"a byte that is no Greek character", [](std::string& b) { b[37] = '\xAA'; }},
    };
    for (const Case& c : cases) {
        std::string bytes = skor4Bytes().str();
        c.damage(bytes);
        try {
            decodeGameFile(bytes, 4);
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const GameFileError& e) {
            EXPECT_EQ(e.kind(), GameFileError::Kind::Damaged) << c.name;
        }
    }

    // Not damage: horse bytes past the count, and a race without horses, which loading answers itself.
    std::string bytes = skor4Bytes().str();
    bytes[228] = 9;
    EXPECT_NO_THROW(decodeGameFile(bytes, 4));
    bytes[246] = 0;
    const GameFile empty = decodeGameFile(bytes, 4);
    try {
        tablesFromGameFile(empty, "ΣΚΟΡ 4");
        ADD_FAILURE() << "a race without horses loaded";
    } catch (const GameFileError& e) {
        EXPECT_EQ(e.kind(), GameFileError::Kind::RaceWithoutHorses);
    }
}

class GameFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("quintaro-game-file-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string contents(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    std::size_t filesInDir() {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
    }

    fs::path dir_;
};

TEST_F(GameFileOnDisk, SavingAndLoadingKeepTheGame) {
    const std::vector<std::vector<int>> races = {{1, 2, 5}, {3, 4}, {1, 20}, {7}};
    SelectionTable t = test::makeSelection(
        "ΣΚΟΡ 4", races,
        {BasicCells{{" 1,5", "3", "", "7"}, "2", "3", "0"}, BasicCells{{"2", "", "20", ""}, "1", "1", "12"}});
    GroupTable groups;
    SuperGroupTable supers;
    rebuildGroupTable(t, groups, supers);
    groups.setCell(GroupTable::kSuperGroupColumn, 2, "3");
    orderAndRebuildSuperGroups(groups, supers);
    aTAloga horses;
    for (const auto& r : races) {
        horses.push_back(makeRace(r));
    }
    const MeetingData meeting{"7", "12/03/2024", "Κυριακή", "ΣΥ2"};
    const GameFile file =
        gameFileFromTables(t, horses, "9", "33", groups, supers, meeting, "ΣΚΟΡ 4   ΠΛΗΡΕΣ : 24");

    const fs::path path = dir_ / "game.sk4";
    writeGameFile(path, file);
    EXPECT_EQ(fs::file_size(path), 178u + 96u + 2 * 382u + 2 * 10u + 2 * 8u);
    const LoadedGame loaded = tablesFromGameFile(readGameFile(path, 4), "ΣΚΟΡ 4");

    SelectionTable expected = t;
    expected.setCell(2, 1, "1,5");  // trimmed on saving
    EXPECT_EQ(loaded.selection, expected);
    EXPECT_EQ(loaded.horses, horses);
    EXPECT_EQ(loaded.groups, groups);
    EXPECT_EQ(loaded.superGroups, supers);
    EXPECT_EQ(loaded.leastSum, "9");
    EXPECT_EQ(loaded.greatestSum, "33");
    EXPECT_EQ(loaded.informationLine, "ΣΚΟΡ 4   ΠΛΗΡΕΣ : 24");
    EXPECT_EQ(loaded.meeting, meeting);
    EXPECT_EQ(readGameFile(path, 4).fileName, "game.sk4");
    EXPECT_EQ(filesInDir(), 1u);
}

TEST_F(GameFileOnDisk, AFileWithoutBasicsLoadsOneEmptyBasicAndItsSums) {
    GameFile file = skor4();
    file.basics.clear();
    file.groups.clear();
    file.superGroups.clear();
    const fs::path path = dir_ / "bare.sk4";
    writeGameFile(path, file);
    EXPECT_EQ(fs::file_size(path), 178u + 96u);
    const LoadedGame loaded = tablesFromGameFile(readGameFile(path, 4), "ΣΚΟΡ 4");

    SelectionTable expected = test::makeSelection("ΣΚΟΡ 4", {{1, 2}, {1, 2, 3}, {4}, {5, 6}});
    EXPECT_EQ(loaded.selection, expected);
    EXPECT_TRUE(loaded.selection.hasNoBasics());
    EXPECT_EQ(loaded.selection.cell(2, 0), "1");
    EXPECT_EQ(loaded.selection.cell(2, loaded.selection.groupRow()), "0");
    EXPECT_EQ(loaded.leastSum, "11");
    EXPECT_EQ(loaded.greatestSum, "300");
    EXPECT_EQ(loaded.groups, GroupTable());
    EXPECT_EQ(loaded.superGroups, SuperGroupTable());
}

TEST_F(GameFileOnDisk, AFailedSaveLeavesTheOldFileAlone) {
    const fs::path path = dir_ / "kept.sk4";
    writeGameFile(path, skor4());
    const std::string before = contents(path);

    GameFile bad = skor4();
    bad.meeting.comment = "€ and 😀";  // the euro sign is in the code page, the face is not
    try {
        writeGameFile(path, bad);
        ADD_FAILURE() << "saved";
    } catch (const GameFileError& e) {
        EXPECT_EQ(e.kind(), GameFileError::Kind::NotStorable);
    }
    EXPECT_EQ(contents(path), before);

    // A target that cannot be replaced and a missing folder are the game file's file-system errors.
    fs::create_directories(dir_ / "folder.sk4" / "inside");
    EXPECT_THROW(writeGameFile(dir_ / "folder.sk4", skor4()), GameFileError);
    EXPECT_THROW(writeGameFile(dir_ / "missing" / "x.sk4", skor4()), GameFileError);
    EXPECT_EQ(filesInDir(), 2u);
    EXPECT_THROW(readGameFile(dir_ / "none.sk4", 4), GameFileError);

    // Saving numbers that are no integers or do not fit: nothing to write.
    SelectionTable t = test::makeSelection("ΣΚΟΡ 4", {{1}, {1}, {1}, {1}});
    GroupTable groups;
    SuperGroupTable supers;
    rebuildGroupTable(t, groups, supers);
    EXPECT_THROW(gameFileFromTables(t, {}, "x", "4", groups, supers, {}, ""), ConversionError);
    EXPECT_THROW(gameFileFromTables(t, {}, "4", "70000", groups, supers, {}, ""), GameFileError);
    groups.setCell(GroupTable::kFromColumn, 1, "");
    EXPECT_THROW(gameFileFromTables(t, {}, "4", "4", groups, supers, {}, ""), ConversionError);
}

}  // namespace
}  // namespace quintaro
