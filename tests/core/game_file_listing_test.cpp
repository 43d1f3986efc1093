#include "core/files/game_file_listing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace quintaro {
namespace {

namespace fs = std::filesystem;

class GameFileListing : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("quintaro-listing-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    void touch(const std::string& name) { std::ofstream(folder_ / name) << "x"; }
    std::string folder() const { return folder_.string(); }
    std::vector<std::string> shown(std::string_view ext) const {
        std::vector<std::string> out;
        for (const auto& f : listGameFiles(folder(), ext)) {
            out.push_back(f.shownName);
        }
        return out;
    }

    fs::path folder_;
};

TEST_F(GameFileListing, ListsOneExtensionWithNamesShortenedAtTheFirstUnderscore) {
    touch("A.sk4");
    touch("B.SK4");
    touch("x_y.sk4");
    touch("a_b_c.sk4");
    touch("C.tet");
    touch("D.sk6");
    fs::create_directory(folder_ / "dir.sk4");
    EXPECT_EQ(shown("sk4"), (std::vector<std::string>{"A.sk4", "B.SK4", "b_c.sk4", "y.sk4"}));
    EXPECT_EQ(shown("tet"), (std::vector<std::string>{"C.tet"}));
    EXPECT_TRUE(listGameFiles((folder_ / "missing").string(), "sk4").empty());
}

TEST_F(GameFileListing, DeletionRemovesExactlyTheListedFile) {
    touch("x_y.sk4");
    touch("y.sk4");
    const auto listed = listGameFiles(folder(), "sk4");
    ASSERT_EQ(listed.size(), 2u);
    ASSERT_EQ(listed[0].shownName, "y.sk4");  // x_y.sk4, shown shortened
    EXPECT_EQ(deleteGameFiles(folder(), {listed[0].fileName}), 1);
    EXPECT_FALSE(fs::exists(folder_ / "x_y.sk4"));
    EXPECT_TRUE(fs::exists(folder_ / "y.sk4"));
}

TEST_F(GameFileListing, FilesThatCannotBeDeletedAreSkipped) {
    touch("A.sk4");
    EXPECT_EQ(deleteGameFiles(folder(), {"gone.sk4", "../A.sk4", "A.sk4"}), 1);
    EXPECT_TRUE(listGameFiles(folder(), "sk4").empty());
}

}  // namespace
}  // namespace quintaro
