// The private INI file on real files in a temporary folder.
#include "CPrivateProfile.h"
#include "LogCapture.h"
#include "TempFolder.h"

#include <csignal>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {

class PrivateProfile : public testing::Test {
protected:
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

TEST_F(PrivateProfile, NewFileHoldsJustTheKeyAndWritesSeeChangesMadeByOthers) {
    ASSERT_TRUE(m_profile.WriteProfileString("s", "k", "1"));
    EXPECT_EQ(FileText(), "[s]\r\nk=1\r\n");
    SetFileText("[s]\r\nk=2\r\n");
    EXPECT_EQ(m_profile.GetProfileInt("s", "k", 0), 2);
    ASSERT_TRUE(m_profile.WriteProfileInt("s", "j", -5));
    EXPECT_EQ(FileText(), "[s]\r\nk=2\r\nj=-5\r\n");
    EXPECT_EQ(OtherEntries(), 0u);
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

    ASSERT_TRUE(m_profile.WriteProfileInt("s", "k", 2));
    EXPECT_EQ(TempFolder::ReadAll(hardLink), "[s]\r\nk=2\r\n");
    EXPECT_EQ(fs::status(real).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

// A full disk, played by a limit on file sizes: no rename can be made, and the rewrite in place
// finds the shortage before it overwrites a byte. The old text stays whole, and the failure is
// told once for the whole save.
TEST_F(PrivateProfile, FullDiskKeepsTheOldTextAndSaysSoOnce) {
    const std::string before = "[s]\r\nk=1\r\n";
    SetFileText(before);
    const LogCapture log;
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    const rlimit full{before.size() + 4, previous.rlim_max};
    setrlimit(RLIMIT_FSIZE, &full);
    EXPECT_FALSE(m_profile.WriteProfileString("s", "k", std::string(64, 'x')));
    EXPECT_FALSE(m_profile.WriteProfileString("s", "j", std::string(64, 'y')));
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, signal);

    EXPECT_EQ(FileText(), before);
    EXPECT_EQ(OtherEntries(), 0u);
    EXPECT_THAT(log.Lines(),
                testing::ElementsAre(testing::AllOf(testing::HasSubstr(IniPath().string()),
                                                    testing::HasSubstr("File too large"))));
}
