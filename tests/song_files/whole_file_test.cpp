#include "song_files/whole_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace tambrel {
namespace {

namespace fs = std::filesystem;

class WholeFile : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("tambrel-whole-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override {
        fs::permissions(folder, fs::perms::owner_all);
        fs::remove_all(folder);
    }
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
    }
    fs::path folder;
};

TEST_F(WholeFile, WrittenWholeAndReadBack) {
    const std::string path = (folder / "song.cho").string();
    ASSERT_FALSE(writeWholeFile(path, "{title: A}\n[C]Hello\n"));
    const FileReading read = readSongFile(path);
    ASSERT_TRUE(read.bytes) << read.error;
    EXPECT_EQ(*read.bytes, "{title: A}\n[C]Hello\n");
    // Written again, it replaces the file; nothing else stays in the folder.
    ASSERT_FALSE(writeWholeFile(path, "again"));
    EXPECT_EQ(*readSongFile(path).bytes, "again");
    EXPECT_EQ(entries(), 1U);
}

TEST_F(WholeFile, APlaceThatCannotBeWrittenLeavesNothingAndSaysWhy) {
    const auto missing = writeWholeFile((folder / "no" / "such.cho").string(), "x");
    ASSERT_TRUE(missing);
    EXPECT_NE(missing->find("cannot be written"), std::string::npos);
    if (::geteuid() != 0) { // root writes anywhere
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_TRUE(writeWholeFile((folder / "song.cho").string(), "x"));
        fs::permissions(folder, fs::perms::owner_all);
    }
    EXPECT_EQ(entries(), 0U);
}

TEST_F(WholeFile, ReadingRefusesWhatIsNoSongFile) {
    EXPECT_NE(readSongFile((folder / "missing.cho").string()).error.find("does not exist"),
              std::string::npos);
    EXPECT_NE(readSongFile(folder.string()).error.find("is a folder"), std::string::npos);
    const std::string big = (folder / "big.cho").string();
    std::ofstream(big) << std::string(kLargestSongFile + 1, 'C');
    const FileReading read = readSongFile(big);
    EXPECT_FALSE(read.bytes);
    EXPECT_NE(read.error.find("1 MB"), std::string::npos);
    const std::string limit = (folder / "limit.cho").string();
    std::ofstream(limit) << std::string(kLargestSongFile, 'C');
    EXPECT_TRUE(readSongFile(limit).bytes);
}

} // namespace
} // namespace tambrel
