// INI files the program cannot fully use: binary junk, a 1 MiB line, a read-only file, a missing
// folder. The program starts with the defaults or what it could read, ends normally on SIGTERM,
// and its save loses nothing that was in the file. (Keys outside any section and a file far too
// large are the profile tests'.)
#include "CPrivateProfile.h"
#include "DrillSupport.h"
#include "PrivateMounts.h"

#include <gtest/gtest.h>
#include <map>
#include <random>

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

using Settings = std::map<std::string, std::string>;

const Settings DEFAULTS = {{"Units", "0"},           {"SoundSpeedMetric", "1500.00"},
                           {"TpdrNo", "10"},         {"Period", "2"},
                           {"OffsetMetric", "0.00"}, {"LogFileName", "QuendixLog.txt"},
                           {"ComPort", "COM1"},      {"BaudRate", "4,800"}};

enum class Lay { WRITABLE, READ_ONLY, FOLDER_MISSING };

struct IniCase {
    const char* name;
    std::string ini; // after the mapping of COM1 to the unit, when the file has one
    bool bMapsUnit;  // then the first interrogation shows the transponder the file names
    Lay lay;
    bool bSaves;    // whether the save can write the file at all
    Settings saved; // what the saved file holds apart from the defaults
};

void PrintTo(const IniCase& drill, std::ostream* out) {
    *out << drill.name;
}

std::string BinaryJunk() {
    std::mt19937 random(2026);
    std::string junk(64 * 1024, '\0');
    for (char& byte : junk)
        byte = static_cast<char>(random() & 0xFF);
    return junk;
}

class IniDrill : public testing::TestWithParam<IniCase> {};

TEST_P(IniDrill, StartsWithWhatItCouldReadAndLosesNothingOnSave) {
    const std::string why = WhyNoPrivateMounts();
    if (!why.empty())
        GTEST_SKIP() << "The program would open this machine's own serial ports: " << why;
    const IniCase& drill = GetParam();
    PtyFarEnd unit;
    const std::string before =
        (drill.bMapsUnit ? "[Ports]\r\nCOM1=" + unit.SlavePath() + "\r\n" : "") + drill.ini;
    Installation installation(before);
    const fs::path folder = installation.IniPath().parent_path();
    if (drill.lay == Lay::READ_ONLY)
        fs::permissions(installation.IniPath(),
                        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    if (drill.lay == Lay::FOLDER_MISSING)
        fs::remove_all(folder);

    installation.Program().Start(PrivateMounts());
    ASSERT_TRUE(WaitUntilItCatchesSigterm(installation.Program()));
    if (drill.bMapsUnit) {
        EXPECT_EQ(unit.Read(4, 10s), "$7%\n");
    }
    installation.Program().Terminate();

    if (drill.lay == Lay::FOLDER_MISSING) {
        EXPECT_FALSE(fs::exists(folder));
        return;
    }
    const std::string after = installation.Ini();
    if (!drill.bSaves) {
        EXPECT_EQ(after, before);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
        return;
    }
    // What the save adds goes after everything that was there.
    EXPECT_TRUE(after.starts_with(before));
    CPrivateProfile saved(installation.IniPath());
    for (const auto& [key, value] : DEFAULTS) {
        const auto expected = drill.saved.find(key);
        EXPECT_EQ(saved.GetProfileString("Settings", key, "(none)"),
                  expected == drill.saved.end() ? value : expected->second)
            << key;
    }
}

// The settings come last, so the keys the save adds go to the end of the file.
const std::string LONG_LINE =
    "[Settings]\r\nTpdrNo=7\r\nNote=" + std::string(1 << 20, 'x') + "\r\nPeriod=1\r\n";
const Settings SEVEN_EVERY_SECOND = {{"TpdrNo", "7"}, {"Period", "1"}};
const std::string SEVEN = "[Settings]\r\nTpdrNo=7\r\nPeriod=1\r\n";

INSTANTIATE_TEST_SUITE_P(
    Files, IniDrill,
    testing::Values(IniCase{"BinaryJunk", BinaryJunk(), false, Lay::WRITABLE, true, {}},
                    IniCase{"OneMebibyteLine", LONG_LINE, true, Lay::WRITABLE, true,
                            SEVEN_EVERY_SECOND},
                    IniCase{"ReadOnly", SEVEN, true, Lay::READ_ONLY, false, {}},
                    IniCase{"FolderMissing", "", false, Lay::FOLDER_MISSING, false, {}}),
    [](const testing::TestParamInfo<IniCase>& info) { return std::string(info.param.name); });

} // namespace
