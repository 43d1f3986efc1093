// Whole-file writes through a temporary file: a new file, a replaced file, and every way a write can fail,
// each leaving the earlier file as it was and no temporary file behind.

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/files/atomic_write.h"
#include "core/files/utf8_path.h"

#if __has_include(<sys/resource.h>)
#include <sys/resource.h>
#define QUINTARO_HAS_FILE_SIZE_LIMIT 1
#endif

namespace quintaro {
namespace {

namespace fs = std::filesystem;

class AtomicWrite : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::path(::testing::TempDir()) /
               ("atomic_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    static std::string contents(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // The names in the folder, so that a temporary file left behind shows.
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& entry : fs::directory_iterator(dir_)) {
            out.push_back(pathUtf8(entry.path().filename()));
        }
        std::sort(out.begin(), out.end());
        return out;
    }
    // Writes and expects the failure's reason.
    static std::string failure(const fs::path& path, std::string_view bytes) {
        try {
            writeFileAtomically(path, bytes);
        } catch (const AtomicWriteError& e) {
            EXPECT_EQ(std::string(e.what()), "cannot write " + pathUtf8(path) + ": " + e.reason());
            return e.reason();
        }
        ADD_FAILURE() << "written: " << pathUtf8(path);
        return {};
    }

    fs::path dir_;
};

TEST_F(AtomicWrite, WritesAndReplacesTheWholeFile) {
    const fs::path file = dir_ / utf8Path("ΣΥΣΤΗΜΑ.sk4");
    writeFileAtomically(file, std::string("first\0bytes", 11));
    EXPECT_EQ(contents(file), std::string("first\0bytes", 11));
    writeFileAtomically(file, "2");  // shorter: nothing of the earlier content stays
    EXPECT_EQ(contents(file), "2");
    writeFileAtomically(file, "");
    EXPECT_EQ(fs::file_size(file), 0u);
    EXPECT_EQ(names(), std::vector<std::string>{"ΣΥΣΤΗΜΑ.sk4"});
}

TEST_F(AtomicWrite, AFailedWriteKeepsTheEarlierFileAndLeavesNoTemporaryFile) {
    // No folder to write into.
    EXPECT_EQ(failure(dir_ / "missing" / "x.sk4", "bytes"), "the folder cannot be written to");

    // A folder stands where the file should go: it cannot be replaced.
    fs::create_directories(dir_ / "taken.fpr" / "inside");
    EXPECT_FALSE(failure(dir_ / "taken.fpr", "bytes").empty());
    EXPECT_TRUE(fs::is_directory(dir_ / "taken.fpr" / "inside"));
    EXPECT_EQ(names(), std::vector<std::string>{"taken.fpr"});

#ifdef QUINTARO_HAS_FILE_SIZE_LIMIT
    // The disk refuses the data half-way (a file size limit stands in for a full disk): the earlier file
    // stays.
    const fs::path kept = dir_ / "kept.sk4";
    writeFileAtomically(kept, "the earlier game");
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string reason = failure(kept, std::string(100000, 'x'));
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(reason, "the disk refused the data");
    EXPECT_EQ(contents(kept), "the earlier game");
    EXPECT_EQ(names(), (std::vector<std::string>{"kept.sk4", "taken.fpr"}));
#endif
}

}  // namespace
}  // namespace quintaro
