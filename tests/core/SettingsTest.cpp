// Settings persistence in the INI file, and the settings command.
#include "CQuendixDoc.h"
#include "FakeDocHost.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

const char* const kFirstRun = "[Settings]\r\n"
                              "Units=0\r\n"
                              "SoundSpeedMetric=1500.00\r\n"
                              "TpdrNo=10\r\n"
                              "Period=2\r\n"
                              "LogFileName=QuendixLog.txt\r\n"
                              "OffsetMetric=0.00\r\n"
                              "ComPort=COM1\r\n"
                              "BaudRate=4,800\r\n";

// The value of one key as the next start would read it.
std::string Stored(FakeDocHost& host, const char* key) {
    return host.GetProfile().GetProfileString("Settings", key, "<absent>");
}

// Runs a start-up, a reply of 100 m and a normal exit on the given INI text.
std::string RoundTrip(FakeDocHost& host, const std::string& ini, double* range = nullptr) {
    host.SetIniText(ini);
    {
        CQuendixDoc doc(host);
        doc.OnNewDocument();
        doc.OnReply("$100 ^^^^");
        if (range)
            *range = doc.GetRange();
    }
    return host.IniText();
}

} // namespace

TEST(Settings, FirstRunWritesTheDefaultsInOrder) {
    FakeDocHost host;
    {
        CQuendixDoc doc(host);
        doc.OnNewDocument();
        EXPECT_FALSE(fs::exists(host.IniPath()));
    }
    EXPECT_EQ(host.IniText(), kFirstRun);
}

TEST(Settings, StoredValuesLoadAndSaveBack) {
    struct Case {
        const char* line;
        const char* key;
        const char* saved;
    };
    const Case cases[] = {
        {"Units=2", "Units", "2"},
        {"Units=1", "Units", "1"},
        {"Units=5", "Units", "0"},
        {"Units=-1", "Units", "0"},
        {"SoundSpeedMetric=1234.567", "SoundSpeedMetric", "1234.57"},
        {"SoundSpeedMetric=1,500", "SoundSpeedMetric", "1.00"},
        {"SoundSpeedMetric=fast", "SoundSpeedMetric", "0.00"},
        {"SoundSpeedMetric=", "SoundSpeedMetric", "1500.00"},
        {"OffsetMetric=0.3048", "OffsetMetric", "0.30"},
        {"OffsetMetric=", "OffsetMetric", "0.60"},
        {"TpdrNo=250", "TpdrNo", "250"},
        {"Period=0", "Period", "0"},
        {"Period=", "Period", "2"},
        {"ComPort=COM7", "ComPort", "COM7"},
        {"ComPort=", "ComPort", "COM1"},
        {"BaudRate=9,600", "BaudRate", "9,600"},
        {"LogFileName=Run2.txt", "LogFileName", "Run2.txt"},
    };
    for (const Case& c : cases) {
        FakeDocHost host;
        RoundTrip(host, std::string("[Settings]\r\n") + c.line + "\r\n");
        EXPECT_EQ(Stored(host, c.key), c.saved) << c.line;
    }
}

TEST(Settings, EmptyOffsetKeepsTheConstructorValueMissingGivesZero) {
    FakeDocHost host;
    double range = 0.0;
    RoundTrip(host, "[Settings]\r\nOffsetMetric=\r\n", &range);
    EXPECT_NEAR(range, 99.4, 1e-12);
    RoundTrip(host, "[Settings]\r\n", &range);
    EXPECT_DOUBLE_EQ(range, 100.0);
}

TEST(Settings, HandEditedFileSurvivesASave) {
    FakeDocHost host;
    const std::string edited = "; site 4 display\n[MainFrameState]\nSettings=1 2 3 4 0 0\n\n"
                               "[Ports]\nCOM3=/dev/ttyUSB0\n\n"
                               "[Settings]\n; changed by hand\ntpdrno = 12\nComPort=COM3\n";
    const std::string saved = RoundTrip(host, edited);
    EXPECT_EQ(saved, "; site 4 display\n[MainFrameState]\nSettings=1 2 3 4 0 0\n\n"
                     "[Ports]\nCOM3=/dev/ttyUSB0\n\n"
                     "[Settings]\n; changed by hand\ntpdrno=12\r\nComPort=COM3\r\nUnits=0\r\n"
                     "SoundSpeedMetric=1500.00\r\nPeriod=2\r\nLogFileName=QuendixLog.txt\r\n"
                     "OffsetMetric=0.00\r\nBaudRate=4,800\r\n");
}

TEST(Settings, NewDocumentRestoresStoredValuesAndKeepsTheMeasurement) {
    FakeDocHost host;
    host.SetIniText("[Settings]\r\nTpdrNo=12\r\n");
    CQuendixDoc doc(host);
    doc.OnNewDocument();
    doc.OnReply("$42 -->>");
    host.settingsDialog = [](CSettingsData& data) {
        data.m_nTpdrNo = 55;
        return true;
    };
    doc.OnSettings();
    EXPECT_EQ(doc.GetTpdrNo(), 55);
    doc.OnNewDocument();
    EXPECT_EQ(doc.GetTpdrNo(), 12);
    EXPECT_EQ(doc.GetStatus(), STAT_OK);
    EXPECT_EQ(doc.GetDirection(), DIR_RIGHT);
    EXPECT_DOUBLE_EQ(doc.GetRange(), 42.0);
}

TEST(SettingsCommand, CopiesInAndListsThePorts) {
    FakeDocHost host;
    host.SetIniText("[Settings]\r\nUnits=1\r\nPeriod=0\r\nTpdrNo=-3\r\nComPort=COM9\r\n"
                    "BaudRate=2,400\r\nSoundSpeedMetric=1450\r\nOffsetMetric=1.5\r\n");
    host.mainWindow.ports = {"COM9", "COM1", "COM2"};
    CQuendixDoc doc(host);
    doc.OnNewDocument();
    doc.OnSettings();
    ASSERT_EQ(host.seenBySettingsDialog.size(), 1u);
    const CSettingsData& in = host.seenBySettingsDialog[0];
    EXPECT_EQ(in.m_nPeriod, 0u);
    EXPECT_EQ(in.m_nTpdrNo, 4294967293u);
    EXPECT_EQ(in.m_nUnits, UNITS_FEET);
    EXPECT_EQ(in.m_dSoundSpeedMetric, 1450.0);
    EXPECT_EQ(in.m_dOffsetMetric, 1.5);
    EXPECT_EQ(in.m_strComPort, "COM9");
    EXPECT_EQ(in.m_strBaudRate, "2,400");
    EXPECT_EQ(in.m_arrComPorts, (std::vector<std::string>{"COM9", "COM1", "COM2"}));
    EXPECT_FALSE(in.m_bLinkChanged);
}

TEST(SettingsCommand, CancelChangesNothingButReconnectsAndRecomputes) {
    FakeDocHost host;
    CQuendixDoc doc(host);
    doc.OnNewDocument();
    host.settingsDialog = [](CSettingsData& data) {
        data.m_nTpdrNo = 55;
        data.m_nPeriod = 9;
        return false;
    };
    const int updates = host.viewUpdates;
    doc.OnSettings();
    EXPECT_EQ(doc.GetTpdrNo(), 10);
    EXPECT_EQ(doc.GetTimerInterval(), 2000u);
    EXPECT_EQ(host.mainWindow.calls, (std::vector<std::string>{"GetPortList", "Connect"}));
    EXPECT_EQ(host.viewUpdates, updates + 1);
}

TEST(SettingsCommand, OkTakesTheValuesBackInOrder) {
    FakeDocHost host;
    CQuendixDoc doc(host);
    doc.OnNewDocument();
    doc.OnReply("$250 ^^^^");
    host.settingsDialog = [](CSettingsData& data) {
        data.m_nTpdrNo = 20;
        data.m_nUnits = UNITS_MSEC;
        data.m_dSoundSpeedMetric = 1450.0;
        data.m_dOffsetMetric = 2.0;
        data.m_strComPort = "COM4"; // not taken: the port choice was not changed
        return true;
    };
    doc.OnSettings();
    EXPECT_EQ(doc.GetTpdrNo(), 20);
    EXPECT_EQ(doc.GetUnitsAbbrev(), "ms");
    EXPECT_NEAR(doc.GetRange(), 250.0 / 1500.0 * 1000.0 - 2.0 / 1450.0 * 1000.0, 1e-9);
    EXPECT_EQ(doc.GetComPort(), "COM1");
    EXPECT_EQ(host.mainWindow.calls, (std::vector<std::string>{"GetPortList", "Connect"}));

    host.mainWindow.calls.clear();
    host.settingsDialog = [](CSettingsData& data) {
        data.m_nPeriod = 5;
        data.m_strComPort = "COM4";
        data.m_strBaudRate = "9,600";
        data.m_bLinkChanged = true;
        return true;
    };
    doc.OnSettings();
    EXPECT_EQ(doc.GetTimerInterval(), 5000u);
    EXPECT_EQ(doc.GetComPort(), "COM4");
    EXPECT_EQ(doc.GetBaudRate(), "9,600");
    EXPECT_EQ(host.mainWindow.calls,
              (std::vector<std::string>{"GetPortList", "RestartInterrogationTimer", "Connect"}));
}

TEST(SettingsCommand, WithoutAMainWindowNoPortsNoLinkChangeNoReconnect) {
    FakeDocHost host;
    host.hasMainWindow = false;
    host.mainWindow.ports = {"COM2"};
    CQuendixDoc doc(host);
    doc.OnNewDocument();
    host.settingsDialog = [](CSettingsData& data) {
        data.m_strComPort = "COM2";
        data.m_bLinkChanged = true;
        data.m_nTpdrNo = 33;
        return true;
    };
    doc.OnSettings();
    EXPECT_TRUE(host.seenBySettingsDialog[0].m_arrComPorts.empty());
    EXPECT_EQ(doc.GetComPort(), "COM1");
    EXPECT_EQ(doc.GetTpdrNo(), 33);
    EXPECT_TRUE(host.mainWindow.calls.empty());
}
