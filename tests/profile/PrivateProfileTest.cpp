// The private INI file on real files in a temporary folder.
#include "CPrivateProfile.h"
#include "FileSizeLimit.h"
#include "LogCapture.h"
#include "ProcessFacts.h"
#include "TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

namespace fs = std::filesystem;
using testing::HasSubstr;

namespace {

struct stat Stat(const fs::path& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info;
}

// Each test runs without standard input, so the file may get descriptor 0.
class PrivateProfile : public testing::Test {
protected:
    PrivateProfile() { ::close(0); }
    fs::path IniPath() const { return m_folder / "Quendix.ini"; }
    std::string FileText() const { return TempFolder::ReadAll(IniPath()); }
    void SetFileText(std::string_view text) const { TempFolder::WriteAll(IniPath(), text); }
    // Anything but the INI file itself: a temporary file left behind would show here.
    std::size_t OtherEntries() const {
        std::size_t count = 0;
        for (const auto& entry : fs::directory_iterator(m_folder.Path()))
            count += entry.path() != IniPath();
        return count;
    }

    TempFolder m_folder;
    CPrivateProfile m_profile{IniPath()};
};

} // namespace

TEST_F(PrivateProfile, ReadsValuesOrTheDefaultWhichLosesItsTrailingBlanks) {
    EXPECT_EQ(m_profile.GetProfileString("Settings", "ComPort", " a b  "), " a b");
    EXPECT_FALSE(fs::exists(IniPath()));

    SetFileText("[Settings]\r\nB=\"7\"\r\nC=\r\n");
    const std::pair<const char*, int> ints[] = {{"B", 7}, {"C", 99}, {"Z", 99}};
    for (const auto& [key, expected] : ints)
        EXPECT_EQ(m_profile.GetProfileInt("settings", key, 99), expected) << key;
    EXPECT_EQ(m_profile.GetProfileString("Settings", "C", "d"), "");
}

// Where a rename keeps the file (this user's, one link) the new text comes in as a new file with
// the old one's owner and mode, so a reader sees the old text or the new, never a mix. Nothing
// is left behind: no temporary file, no open descriptor.
TEST_F(PrivateProfile, NewFileHoldsJustTheKeyAndWritesSeeChangesMadeByOthers) {
    const std::size_t descriptors = ProcessFacts::OpenFiles(getpid()).size();
    ASSERT_TRUE(m_profile.WriteProfileString("s", "k", "1"));
    EXPECT_EQ(FileText(), "[s]\r\nk=1\r\n");
    SetFileText("[s]\r\nk=2\r\n");
    ::chmod(IniPath().c_str(), 0640);
    const struct stat before = Stat(IniPath());
    ASSERT_TRUE(m_profile.WriteProfileInt("s", "j", -5));
    EXPECT_EQ(FileText(), "[s]\r\nk=2\r\nj=-5\r\n");
    const struct stat after = Stat(IniPath());
    EXPECT_NE(after.st_ino, before.st_ino);
    EXPECT_EQ(std::tie(after.st_mode, after.st_uid, after.st_gid),
              std::tie(before.st_mode, before.st_uid, before.st_gid));
    EXPECT_EQ(OtherEntries(), 0u);
    EXPECT_EQ(ProcessFacts::OpenFiles(getpid()).size(), descriptors);
}

TEST_F(PrivateProfile, UnreadableOrOversizedTargetIsLeftAlone) {
    fs::create_directory(IniPath());
    EXPECT_FALSE(m_profile.WriteProfileString("s", "k", "v"));
    fs::remove(IniPath());

    const std::string huge = "[s]\r\nk=1\r\n" + std::string(5u << 20, ';');
    SetFileText(huge);
    EXPECT_FALSE(m_profile.WriteProfileString("s", "k", "2"));
    EXPECT_EQ(m_profile.GetProfileString("s", "k", "d"), "d");
    EXPECT_EQ(fs::file_size(IniPath()), huge.size());
}

// A rename would give the file a new inode and leave a hard link with the old text and a
// symbolic link replaced by a plain file; a rewrite in place keeps the inode, and with it the
// links, the owner, the group and the mode. (A file of another owner and a folder that is not
// writable are the drills'.)
TEST_F(PrivateProfile, SaveRewritesInPlaceThroughSymbolicAndHardLinks) {
    const fs::path real = m_folder / "real.ini";
    const fs::path hardLink = m_folder / "link.ini";
    TempFolder::WriteAll(real, "[s]\r\nk=1\r\n");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_hard_link(real, hardLink);
    fs::create_symlink(real, IniPath());
    const std::size_t descriptors = ProcessFacts::OpenFiles(getpid()).size();

    ASSERT_TRUE(m_profile.WriteProfileInt("s", "k", 2));
    EXPECT_EQ(TempFolder::ReadAll(hardLink), "[s]\r\nk=2\r\n");
    EXPECT_EQ(fs::status(real).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(ProcessFacts::OpenFiles(getpid()).size(), descriptors);
}

// A link that leads where no file is yet: the save makes the file there, or, where its folder
// is missing, fails and says so. The link stays a link either way.
TEST_F(PrivateProfile, SaveThroughALinkToNoFileWritesWhereItLeads) {
    const LogCapture log;
    fs::create_symlink("shared/Quendix.ini", IniPath());
    EXPECT_FALSE(m_profile.WriteProfileInt("s", "k", 1));
    EXPECT_THAT(log.Lines(), testing::ElementsAre(HasSubstr("No such file or directory")));
    fs::create_directory(m_folder / "shared");
    ASSERT_TRUE(m_profile.WriteProfileInt("s", "k", 1));
    EXPECT_TRUE(fs::is_symlink(IniPath()));
    EXPECT_EQ(FileText(), "[s]\r\nk=1\r\n");
}

// A full disk, played by a limit on file sizes: no rename can be made, and the rewrite in place
// finds the shortage before it overwrites a byte. The old text stays whole, and the failure is
// told once for the whole save.
TEST_F(PrivateProfile, FullDiskKeepsTheOldTextAndSaysSoOnce) {
    const std::string before = "[s]\r\nk=1\r\n";
    SetFileText(before);
    const LogCapture log;
    {
        const FileSizeLimit full(before.size() + 4);
        EXPECT_FALSE(m_profile.WriteProfileString("s", "k", std::string(64, 'x')));
        EXPECT_FALSE(m_profile.WriteProfileString("s", "j", std::string(64, 'y')));
    }
    EXPECT_EQ(FileText(), before);
    EXPECT_EQ(OtherEntries(), 0u);
    EXPECT_THAT(log.Lines(), testing::ElementsAre(testing::AllOf(HasSubstr(IniPath().string()),
                                                                 HasSubstr("File too large"))));
}
