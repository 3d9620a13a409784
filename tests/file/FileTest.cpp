// The log file on real files: appending, exclusive use, and what it refuses to open.
#include "CFile.h"
#include "TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

bool Append(CFile& file, std::string_view text) {
    return file.Write(text.data(), text.size());
}

} // namespace

// Each line goes after whatever the file holds then: earlier runs' lines, a note another program
// appended, nothing after a rotation tool's truncation (no gap of NUL bytes).
TEST(File, AppendsAfterWhateverTheFileHolds) {
    TempFolder folder;
    const fs::path log = folder / "log.txt";
    TempFolder::WriteAll(log, "one\r\n");
    CFile file;
    ASSERT_TRUE(file.Open(log.string()));
    file.SeekToEnd();
    ASSERT_TRUE(Append(file, "two\r\n"));
    EXPECT_TRUE(file.Flush());
    EXPECT_EQ(TempFolder::ReadAll(log), "one\r\ntwo\r\n");
    std::ofstream(log, std::ios::app) << "note\n";
    ASSERT_TRUE(Append(file, "three\r\n"));
    EXPECT_EQ(TempFolder::ReadAll(log), "one\r\ntwo\r\nnote\nthree\r\n");
    fs::resize_file(log, 0);
    ASSERT_TRUE(Append(file, "four\r\n"));
    EXPECT_EQ(TempFolder::ReadAll(log), "four\r\n");
}

TEST(File, SecondHolderIsRefusedUntilTheFirstIsGone) {
    TempFolder folder;
    const std::string log = (folder / "log.txt").string();
    CFile second;
    {
        CFile first;
        ASSERT_TRUE(first.Open(log));
        EXPECT_FALSE(second.Open(log));
    }
    EXPECT_TRUE(second.Open(log));
}

TEST(File, RefusesWhatIsNoWritableRegularFile) {
    TempFolder folder;
    fs::create_directory(folder / "dir");
    ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0644), 0);
    const std::string refused[] = {
        (folder / "missing" / "log.txt").string(),
        (folder / "dir").string(),
        (folder / "fifo").string(), // would block until a reader came
        (folder / "log.txt").string() + std::string(1, '\0') + "x",
    };
    for (const std::string& path : refused) {
        CFile file;
        EXPECT_FALSE(file.Open(path)) << path;
        EXPECT_FALSE(file.Write("x", 1));
    }
    EXPECT_FALSE(fs::exists(folder / "missing"));
    EXPECT_FALSE(fs::exists(folder / "log.txt"));
}
