#include "core/coupons/printer_layout.h"
#include "core/files/atomic_write.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace quintaro::coupons {
namespace {

namespace fs = std::filesystem;

// A record built by hand: zeros, then each field at its offset, doubles as their literal IEEE bits.
class Golden {
public:
    explicit Golden(std::size_t size) : bytes(size, '\0') {}
    Golden& str(std::size_t offset, std::string_view cp1253Bytes) {
        bytes[offset] = static_cast<char>(cp1253Bytes.size());
        bytes.replace(offset + 1, cp1253Bytes.size(), cp1253Bytes);
        return *this;
    }
    Golden& bits(std::size_t offset, std::uint64_t value) {
        for (std::size_t i = 0; i < 8; ++i) {
            bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        }
        return *this;
    }
    Golden& byte(std::size_t offset, unsigned char value) {
        bytes[offset] = static_cast<char>(value);
        return *this;
    }
    std::string bytes;
};

PrinterLayout skorLayout() {
    PrinterLayout l;
    l.kind = FormKind::Skor;
    l.text = "Quintaro ΒΕΛ";
    l.printerName = "HP LaserJet";
    l.textRight = 1090;
    l.textTop = 6.35;
    l.side = 9;
    l.start = 0.5;
    l.legStep = 10.85;
    l.hStep = 5.71;
    l.vStep = 6.3;
    l.markChar = "Χ";  // Greek chi
    l.fontSize = 12;
    l.printNumber = true;
    l.isDefault = true;
    l.numberRight = 3;
    l.numberTop = 12.5;
    l.meetingRight = 950;
    l.betRight = 885;
    l.valueRight = -2.25;
    l.amountRight = 10.71;
    return l;
}

std::string skorGolden() {
    return Golden(328)
        .str(0, "Quintaro \xC2\xC5\xCB")
        .str(101, "HP LaserJet")
        .bits(208, 0x4091080000000000)  // 1090
        .bits(216, 0x4019666666666666)  // 6.35
        .bits(224, 0x4022000000000000)  // 9
        .bits(232, 0x3fe0000000000000)  // 0.5
        .bits(240, 0x4025b33333333333)  // 10.85
        .bits(248, 0x4016d70a3d70a3d7)  // 5.71
        .bits(256, 0x4019333333333333)  // 6.3
        .str(264, "\xD7")
        .byte(268, 12)
        .byte(272, 1)
        .byte(273, 1)
        .bits(280, 0x4008000000000000)  // 3
        .bits(288, 0x4029000000000000)  // 12.5
        .bits(296, 0x408db00000000000)  // 950
        .bits(304, 0x408ba80000000000)  // 885
        .bits(312, 0xc002000000000000)  // -2.25
        .bits(320, 0x40256b851eb851ec)  // 10.71
        .bytes;
}

PrinterLayout tetraploLayout() {
    PrinterLayout l;
    l.kind = FormKind::Tetraplo;
    l.text = "";
    l.printerName = "Epson";
    l.textRight = 1110;
    l.textTop = 3;
    l.side = 9;
    l.start = 0;
    l.betStep = 70.85;
    l.hStep = 5.71;
    l.vStep = 6.3;
    l.markChar = "X";
    l.fontSize = 10;
    l.printNumber = false;
    l.isDefault = false;
    l.numberRight = 3;
    l.numberTop = 6.35;
    l.meetingRight = 1090;
    l.bet1Right = 450;
    l.bet1AmountRight = 390;
    l.bet2Right = 850;
    l.bet2AmountRight = 800;
    l.valueRight = 12.5;
    l.raceRight = 950;
    l.placeStep = 7;
    return l;
}

std::string tetraploGolden() {
    return Golden(360)
        .str(0, "")
        .str(101, "Epson")
        .bits(208, 0x4091580000000000)  // 1110
        .bits(216, 0x4008000000000000)  // 3
        .bits(224, 0x4022000000000000)  // 9
        .bits(240, 0x4051b66666666666)  // 70.85
        .bits(248, 0x4016d70a3d70a3d7)  // 5.71
        .bits(256, 0x4019333333333333)  // 6.3
        .str(264, "X")
        .byte(268, 10)
        .bits(280, 0x4008000000000000)  // 3
        .bits(288, 0x4019666666666666)  // 6.35
        .bits(296, 0x4091080000000000)  // 1090
        .bits(304, 0x407c200000000000)  // 450
        .bits(312, 0x4078600000000000)  // 390
        .bits(320, 0x408a900000000000)  // 850
        .bits(328, 0x4089000000000000)  // 800
        .bits(336, 0x4029000000000000)  // 12.5
        .bits(344, 0x408db00000000000)  // 950
        .bits(352, 0x401c000000000000)  // 7
        .bytes;
}

TEST(PrinterLayoutRecord, BothRecordsMatchTheirBytesFieldByFieldBothWays) {
    EXPECT_EQ(encodeLayout(skorLayout()), skorGolden());
    EXPECT_EQ(decodeLayout(FormKind::Skor, skorGolden()), skorLayout());
    EXPECT_EQ(encodeLayout(tetraploLayout()), tetraploGolden());
    EXPECT_EQ(decodeLayout(FormKind::Tetraplo, tetraploGolden()), tetraploLayout());
}

TEST(PrinterLayoutRecord, TextsAreCutToTheirCapacityAndOddBytesStillRead) {
    PrinterLayout l = skorLayout();
    l.text = std::string(120, 'a');
    l.markChar = "XY";  // only the first character is a mark
    const std::string bytes = encodeLayout(l);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 100);
    EXPECT_EQ(bytes.substr(1, 100), std::string(100, 'a'));
    EXPECT_EQ(bytes[101], static_cast<char>(11));  // the printer name starts right after
    EXPECT_EQ(bytes.substr(264, 2), "\x01X");

    // A length beyond the capacity reads as the capacity; a byte the code page leaves undefined, the flags
    // as the window reads them (printNumber only when 1, isDefault when not 0).
    std::string odd = skorGolden();
    odd[101] = static_cast<char>(200);
    odd[102] = '\xAA';
    odd[272] = 2;
    odd[273] = 2;
    const PrinterLayout read = decodeLayout(FormKind::Skor, odd);
    EXPECT_EQ(read.printerName.size(), 100u + 2);  // 99 ASCII bytes and one U+FFFD (3 bytes in UTF-8)
    EXPECT_EQ(read.printerName.substr(0, 3), "\xEF\xBF\xBD");
    EXPECT_FALSE(read.printNumber);
    EXPECT_TRUE(read.isDefault);

    PrinterLayout cyrillic = skorLayout();
    cyrillic.printerName = "Принтер";
    EXPECT_THROW(encodeLayout(cyrillic), LayoutEncodeError);
}

TEST(PrinterLayoutRecord, ShortRecordsAreDamagedAndLongerFilesReadTheirFirstRecord) {
    EXPECT_THROW(decodeLayout(FormKind::Skor, skorGolden().substr(0, 327)), LayoutFileDamaged);
    // A "ΣΚΟΡ" record is too short for a "ΤΕΤΡΑΠΛΟ" layout.
    EXPECT_THROW(decodeLayout(FormKind::Tetraplo, skorGolden()), LayoutFileDamaged);
    EXPECT_EQ(decodeLayout(FormKind::Skor, skorGolden() + "tail").printerName, "HP LaserJet");
}

class LayoutFolder : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::path(::testing::TempDir()) /
                 ("layouts_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    void writeBytes(const fs::path& file, const std::string& bytes) {
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
    }
    static std::string readBytes(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    PrinterLayout named(std::string name) {
        PrinterLayout l = skorLayout();
        l.printerName = std::move(name);
        return l;
    }

    fs::path folder;
};

TEST_F(LayoutFolder, SavedLayoutReadsBackAndAFailedSaveKeepsTheEarlierFile) {
    fs::create_directories(folder);
    const fs::path file = layoutFilePath(folder, "  HP ");
    EXPECT_EQ(file.filename(), "HP.fpr");
    writeLayoutFile(file, skorLayout());
    EXPECT_EQ(readBytes(file), skorGolden());
    EXPECT_EQ(readLayoutFile(file, FormKind::Skor), skorLayout());

    // A file that cannot be written is reported as such; what a failed write leaves is AtomicWrite's.
    EXPECT_THROW(writeLayoutFile(folder / "missing" / "HP.fpr", named("Other")), AtomicWriteError);

    // A layout whose characters the code page cannot hold writes nothing.
    EXPECT_THROW(writeLayoutFile(file, named("Принтер")), LayoutEncodeError);
    EXPECT_EQ(readBytes(file), skorGolden());
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(LayoutFolder, MissingAndShortFilesAreDamaged) {
    writeBytes(folder / "short.fpr", skorGolden().substr(0, 300));
    writeBytes(folder / "skor.fpr", skorGolden());
    EXPECT_THROW(readLayoutFile(folder / "none.fpr", FormKind::Skor), LayoutFileDamaged);
    EXPECT_THROW(readLayoutFile(folder / "short.fpr", FormKind::Skor), LayoutFileDamaged);
    EXPECT_THROW(readLayoutFile(folder / "skor.fpr", FormKind::Tetraplo), LayoutFileDamaged);
}

TEST_F(LayoutFolder, ListingCreatesTheFolderAndPutsDefaultFirst) {
    const fs::path sk = folder / "Printers" / "SK";
    EXPECT_TRUE(listLayouts(sk, FormKind::Skor).entries.empty());
    EXPECT_TRUE(fs::is_directory(sk));

    writeLayoutFile(layoutFilePath(sk, "Zeta"), named("Zeta"));
    writeLayoutFile(layoutFilePath(sk, "HP"), named(" HP "));  // listed trimmed
    writeLayoutFile(layoutFilePath(sk, "default"), named("HP"));
    writeLayoutFile(layoutFilePath(sk, ""), named(""));  // the file ".fpr"
    writeBytes(sk / "Broken.fpr", "short");
    writeBytes(sk / "notes.txt", skorGolden());
    writeBytes(sk / "UPPER.FPR", encodeLayout(named("Upper")));

    const LayoutListing listing = listLayouts(sk, FormKind::Skor);
    EXPECT_TRUE(listing.hasDefault);
    // File order: ".fpr", "Broken.fpr", "HP.fpr", "UPPER.FPR", "Zeta.fpr", "default.fpr"; HP once.
    EXPECT_THAT(listing.entries, ::testing::ElementsAre("default", "", "HP", "Upper", "Zeta"));
    EXPECT_THAT(listing.damaged, ::testing::ElementsAre(sk / "Broken.fpr"));
}

TEST(PrinterLayoutText, NumbersShowAsTheWindowShowsThem) {
    struct Case {
        double value;
        char separator;
        const char* text;
    };
    for (const Case& c : {Case{6.35, ',', "6,35"}, Case{1090, ',', "1090"}, Case{5.71, '.', "5.71"},
                          Case{0.1 + 0.2, '.', "0.3"}, Case{-2.5, ',', "-2,5"}, Case{0, ',', "0"}}) {
        EXPECT_EQ(formatLayoutNumber(c.value, c.separator), c.text) << c.value;
    }
}

TEST(PrinterLayoutText, LayoutNamesCannotLeaveTheFolder) {
    for (const char* good : {"HP LaserJet 4", "", "  Epson  ", "ΕΚΤΥΠΩΤΗΣ 2", "..x"}) {
        EXPECT_TRUE(isValidLayoutName(good)) << good;
    }
    for (const char* bad : {"../HP", "a\\b", "C:x", "what?", "a*", "tab\there"}) {
        EXPECT_FALSE(isValidLayoutName(bad)) << bad;
    }
}

}  // namespace
}  // namespace quintaro::coupons
