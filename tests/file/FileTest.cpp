// The log file on real files: appending, whole lines only, syncing, exclusive use, and what it
// refuses to open. Each test runs without standard input, so the log may get descriptor 0.
#include "CFile.h"
#include "FileSizeLimit.h"
#include "LogCapture.h"
#include "ProcessFacts.h"
#include "TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using testing::HasSubstr;

namespace {

bool Append(CFile& file, std::string_view text) {
    return file.Write(text.data(), text.size());
}

// The log's sync thread is not the test's: what it does shows within seconds.
bool SyncsWithin5s(const CFile& file, unsigned count) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (file.SyncCount() != count && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return file.SyncCount() == count;
}

class File : public testing::Test {
protected:
    File() { ::close(0); }
    TempFolder m_folder;
    const fs::path m_log = m_folder / "log.txt";
};

} // namespace

// Each line goes after whatever the file holds then: earlier runs' lines, a note another program
// appended, nothing after a rotation tool's truncation (no gap of NUL bytes).
TEST_F(File, AppendsAfterWhateverTheFileHolds) {
    TempFolder::WriteAll(m_log, "one\r\n");
    CFile file;
    ASSERT_TRUE(file.Open(m_log.string()));
    ASSERT_TRUE(Append(file, "two\r\n"));
    std::ofstream(m_log, std::ios::app) << "note\n";
    ASSERT_TRUE(Append(file, "three\r\n"));
    EXPECT_EQ(TempFolder::ReadAll(m_log), "one\r\ntwo\r\nnote\nthree\r\n");
    fs::resize_file(m_log, 0);
    ASSERT_TRUE(Append(file, "four\r\n"));
    EXPECT_EQ(TempFolder::ReadAll(m_log), "four\r\n");
}

// A full disk, played by a limit on file sizes: a line that does not fit leaves no part of
// itself (its first byte fits, or nothing does), the failure is told once with its cause and the
// room left on the disk, and the next line that fits is written whole.
TEST_F(File, LineThatDoesNotFitLeavesNothingAndLoggingResumes) {
    const LogCapture capture;
    CFile file;
    ASSERT_TRUE(file.Open(m_log.string()));
    ASSERT_TRUE(Append(file, "one\r\n"));
    for (const rlim_t room : {1, 1, 0}) {
        const FileSizeLimit full(5 + room);
        EXPECT_FALSE(Append(file, "two\r\n"));
    }
    ASSERT_TRUE(Append(file, "four\r\n"));
    EXPECT_EQ(TempFolder::ReadAll(m_log), "one\r\nfour\r\n");
    EXPECT_THAT(
        capture.Lines(),
        testing::ElementsAre(HasSubstr("opened"),
                             testing::AllOf(HasSubstr("File too large"),
                                            testing::ContainsRegex("[1-9][0-9]* bytes free"),
                                            HasSubstr("ulimit")),
                             HasSubstr("written again")));
}

// Flush only asks: the log's own thread puts the lines on the disk, one sync for the lines
// written by then. Closing, as opening another file does, adds no sync; all goes without a word.
TEST_F(File, FlushHasTheLinesSyncedByTheLogsOwnThread) {
    const LogCapture capture;
    CFile file;
    ASSERT_TRUE(file.Open(m_log.string()));
    for (unsigned line = 1; line <= 2; ++line) {
        ASSERT_TRUE(Append(file, "line\r\n"));
        ASSERT_TRUE(file.Flush());
        EXPECT_TRUE(SyncsWithin5s(file, line));
    }
    file.Close();
    EXPECT_EQ(file.SyncCount(), 2u);
    ASSERT_TRUE(file.Open(m_log.string()));
    ASSERT_TRUE(file.Open(m_log.string()));
    file.Close();
    EXPECT_EQ(file.SyncCount(), 0u);
    EXPECT_THAT(capture.Lines(), testing::Each(HasSubstr("opened")));
}

// A file that cannot be synced (one of the kernel's own, as some network disks) is said so once.
TEST_F(File, SyncThatFailsIsToldOnce) {
    const LogCapture capture;
    CFile file;
    ASSERT_TRUE(file.Open("/proc/self/comm"));
    ASSERT_TRUE(file.Flush());
    file.Close();
    EXPECT_THAT(
        capture.Lines(),
        testing::ElementsAre(HasSubstr("opened"), HasSubstr("not synced to the disk: Invalid")));
}

TEST_F(File, SecondHolderIsRefusedUntilTheFirstIsGone) {
    const std::size_t descriptors = ProcessFacts::OpenFiles(getpid()).size();
    CFile second;
    {
        CFile first;
        ASSERT_TRUE(first.Open(m_log.string()));
        EXPECT_FALSE(second.Open(m_log.string()));
    }
    EXPECT_EQ(ProcessFacts::OpenFiles(getpid()).size(), descriptors);
    EXPECT_TRUE(second.Open(m_log.string()));
}

TEST_F(File, RefusesWhatIsNoWritableRegularFile) {
    fs::create_directory(m_folder / "dir");
    ASSERT_EQ(mkfifo((m_folder / "fifo").c_str(), 0644), 0);
    const std::size_t descriptors = ProcessFacts::OpenFiles(getpid()).size();
    const LogCapture capture;
    const std::string refused[] = {
        (m_folder / "missing" / "log.txt").string(),
        (m_folder / "dir").string(),
        (m_folder / "fifo").string(), // would block until a reader came
        "/dev/null",
        m_log.string() + std::string(1, '\0') + "x",
    };
    for (const std::string& path : refused) {
        CFile file;
        EXPECT_FALSE(file.Open(path)) << path;
        EXPECT_FALSE(file.Write("x", 1) || file.Flush());
    }
    EXPECT_EQ(ProcessFacts::OpenFiles(getpid()).size(), descriptors);
    EXPECT_THAT(capture.Lines(),
                testing::Contains(HasSubstr("No such file or directory; create its folder")));
    EXPECT_FALSE(fs::exists(m_folder / "missing"));
    EXPECT_FALSE(fs::exists(m_log));
}
