// INI files the program cannot fully use: binary junk, a 1 MiB line, keys outside any section,
// a file far too large, a read-only file, a missing folder. The program starts with the defaults
// or what it could read, ends normally on SIGTERM, and its save loses nothing that was in the file.
#include "CPrivateProfile.h"
#include "DrillSupport.h"
#include "Installation.h"
#include "PrivateMounts.h"
#include "PtyFarEnd.h"

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
    // "{unit}" stands for the pseudo-terminal of the unit.
    std::string ini;
    Lay lay;
    // Whether the save can write the file at all.
    bool bSaves;
    // The first interrogation when the file maps a port to the unit; otherwise none is awaited.
    std::string interrogation;
    // The settings the saved file holds; those not named keep their defaults.
    Settings saved;
};

// Named in the test list, not dumped as bytes.
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

std::string WithUnit(std::string ini, const std::string& slave) {
    const std::size_t at = ini.find("{unit}");
    return at == std::string::npos ? ini : ini.replace(at, 6, slave);
}

std::size_t FilesIn(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

class IniDrill : public testing::TestWithParam<IniCase> {
protected:
    void SetUp() override {
        const std::string why = PrivateMounts().WhyUnavailable();
        if (!why.empty())
            GTEST_SKIP() << "The program would open this machine's own serial ports: " << why;
    }
    PtyFarEnd unit;
};

TEST_P(IniDrill, StartsWithWhatItCouldReadAndLosesNothingOnSave) {
    const IniCase& drill = GetParam();
    const std::string before = WithUnit(drill.ini, unit.SlavePath());
    Installation installation(before);
    if (drill.lay == Lay::READ_ONLY)
        fs::permissions(installation.IniPath(),
                        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    if (drill.lay == Lay::FOLDER_MISSING)
        fs::remove_all(installation.IniPath().parent_path());

    installation.Program().Start(PrivateMounts().Launcher());
    ASSERT_TRUE(WaitUntilItCatchesSigterm(installation.Program()));
    if (!drill.interrogation.empty()) {
        EXPECT_EQ(unit.Read(drill.interrogation.size(), 10s), drill.interrogation);
    }
    installation.Program().Terminate();

    if (drill.lay == Lay::FOLDER_MISSING) {
        EXPECT_FALSE(fs::exists(installation.IniPath().parent_path()));
        return;
    }
    const std::string after = installation.Ini();
    if (!drill.bSaves) {
        EXPECT_EQ(after, before);
        EXPECT_EQ(FilesIn(installation.IniPath().parent_path()), 1u);
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

const std::string PORT = "[Ports]\r\nCOM1={unit}\r\n";

INSTANTIATE_TEST_SUITE_P(
    Files, IniDrill,
    testing::Values(IniCase{"BinaryJunk", BinaryJunk(), Lay::WRITABLE, true, "", {}},
                    // The settings come last, so the keys the save adds go to the end of the file.
                    IniCase{"OneMebibyteLine",
                            PORT + "[Settings]\r\nTpdrNo=7\r\nNote=" + std::string(1 << 20, 'x') +
                                "\r\nPeriod=1\r\n",
                            Lay::WRITABLE,
                            true,
                            "$7%\n",
                            {{"TpdrNo", "7"}, {"Period", "1"}}},
                    IniCase{"KeysOutsideAnySection",
                            "TpdrNo=7\r\nPeriod=1\r\nComPort=COM3\r\n",
                            Lay::WRITABLE,
                            true,
                            "",
                            {}},
                    // Far larger than any INI file: neither loaded nor rewritten.
                    IniCase{
                        "FiveMebibytes", std::string(5 << 20, 'x'), Lay::WRITABLE, false, "", {}},
                    IniCase{"ReadOnly",
                            PORT + "[Settings]\r\nTpdrNo=7\r\nPeriod=1\r\n",
                            Lay::READ_ONLY,
                            false,
                            "$7%\n",
                            {}},
                    IniCase{"FolderMissing", "", Lay::FOLDER_MISSING, false, "", {}}),
    [](const testing::TestParamInfo<IniCase>& info) { return std::string(info.param.name); });

} // namespace
