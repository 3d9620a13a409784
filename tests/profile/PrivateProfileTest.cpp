// The private INI file on real files in a temporary folder.
#include "CPrivateProfile.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

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

TEST_F(PrivateProfile, MissingFileGivesDefaults) {
    EXPECT_EQ(m_profile.GetProfileString("Settings", "ComPort", "COM1"), "COM1");
    EXPECT_EQ(m_profile.GetProfileString("Settings", "ComPort", " a b  "), " a b");
    EXPECT_EQ(m_profile.GetProfileInt("Settings", "TpdrNo", 10), 10);
    EXPECT_FALSE(fs::exists(IniPath()));
}

TEST_F(PrivateProfile, ReadsTrimmedQuotedAndNumericValues) {
    SetFileText("[Settings]\r\nA= 12 \r\nB=\"7\"\r\nC=\r\nD=x\r\nE=-5\r\nS=  'quoted' \r\n");
    const std::pair<const char*, int> ints[] = {{"A", 12}, {"B", 7},  {"C", 99},
                                                {"D", 0},  {"E", -5}, {"Z", 99}};
    for (const auto& [key, expected] : ints)
        EXPECT_EQ(m_profile.GetProfileInt("settings", key, 99), expected) << key;
    EXPECT_EQ(m_profile.GetProfileString("SETTINGS", "s", "d"), "quoted");
    EXPECT_EQ(m_profile.GetProfileString("Settings", "C", "d"), "");
}

TEST_F(PrivateProfile, NewFileIsExactlyOneSectionAndKey) {
    ASSERT_TRUE(m_profile.WriteProfileString("sec", "key", "value"));
    EXPECT_EQ(FileText(), "[sec]\r\nkey=value\r\n");
    ASSERT_TRUE(m_profile.WriteProfileInt("sec", "n", -5));
    EXPECT_EQ(FileText(), "[sec]\r\nkey=value\r\nn=-5\r\n");
    EXPECT_EQ(OtherEntries(), 0u);
}

TEST_F(PrivateProfile, SeesChangesMadeByOthersBetweenCalls) {
    ASSERT_TRUE(m_profile.WriteProfileInt("s", "k", 1));
    SetFileText("[s]\r\nk=2\r\n");
    EXPECT_EQ(m_profile.GetProfileInt("s", "k", 0), 2);
    ASSERT_TRUE(m_profile.WriteProfileInt("s", "j", 3));
    EXPECT_EQ(FileText(), "[s]\r\nk=2\r\nj=3\r\n");
}

TEST_F(PrivateProfile, FailedWriteLosesNothing) {
    const std::string before = "[s]\r\nk=1\r\n";
    SetFileText(before);
    fs::permissions(IniPath(), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(m_profile.WriteProfileInt("s", "k", 2));
    EXPECT_FALSE(m_profile.WriteProfileInt("s", "new", 2));
    EXPECT_EQ(FileText(), before);
    EXPECT_EQ(OtherEntries(), 0u);
    EXPECT_EQ(m_profile.GetProfileInt("s", "k", 0), 1);
}

TEST_F(PrivateProfile, MissingFolderIsNeverCreated) {
    CPrivateProfile profile(m_folder / "INI" / "Quendix.ini");
    EXPECT_FALSE(profile.WriteProfileString("s", "k", "v"));
    EXPECT_FALSE(fs::exists(m_folder / "INI"));
    EXPECT_EQ(profile.GetProfileString("s", "k", "d"), "d");
}

TEST_F(PrivateProfile, UnreadableOrOversizedTargetIsLeftAlone) {
    fs::create_directory(IniPath());
    EXPECT_FALSE(m_profile.WriteProfileString("s", "k", "v"));
    EXPECT_TRUE(fs::is_directory(IniPath()));
    fs::remove(IniPath());

    const std::string huge = "[s]\r\nk=1\r\n" + std::string(5u << 20, ';');
    SetFileText(huge);
    EXPECT_FALSE(m_profile.WriteProfileString("s", "k", "2"));
    EXPECT_EQ(m_profile.GetProfileString("s", "k", "d"), "d");
    EXPECT_EQ(fs::file_size(IniPath()), huge.size());
}

TEST_F(PrivateProfile, KeepsModeAndSymbolicLink) {
    const fs::path real = m_folder / "real.ini";
    TempFolder::WriteAll(real, "[s]\r\nk=1\r\n");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(real, IniPath());

    ASSERT_TRUE(m_profile.WriteProfileInt("s", "k", 2));
    EXPECT_TRUE(fs::is_symlink(IniPath()));
    EXPECT_EQ(TempFolder::ReadAll(real), "[s]\r\nk=2\r\n");
    EXPECT_EQ(fs::status(real).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}
