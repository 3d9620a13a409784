// Settings persistence in the INI file, and the settings command.
#include "CQuendixDoc.h"
#include "FakeDocHost.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

const char* const kFirstRun = "[Settings]\r\nUnits=0\r\nSoundSpeedMetric=1500.00\r\nTpdrNo=10\r\n"
                              "Period=2\r\nLogFileName=QuendixLog.txt\r\nOffsetMetric=0.00\r\n"
                              "ComPort=COM1\r\nBaudRate=4,800\r\n";

// The value a start-up and a normal exit save for the key of a "key=value" line.
std::string Saved(const std::string& line) {
    FakeDocHost host;
    host.SetIniText("[Settings]\r\n" + line + "\r\n");
    CQuendixDoc(host).OnNewDocument();
    return host.GetProfile().GetProfileString("Settings", line.substr(0, line.find('=')), "");
}

} // namespace

TEST(Settings, FirstRunWritesTheDefaultsInOrderAtExit) {
    FakeDocHost host;
    {
        CQuendixDoc doc(host);
        doc.OnNewDocument();
        EXPECT_FALSE(fs::exists(host.IniPath()));
    }
    EXPECT_EQ(host.IniText(), kFirstRun);
}

// An empty value keeps what the document had; a missing key gives the default.
TEST(Settings, StoredValuesLoadAndSaveBack) {
    const std::pair<std::string, std::string> cases[] = {
        {"Units=2", "2"},
        {"Units=5", "0"},
        {"SoundSpeedMetric=1234.567", "1234.57"},
        {"SoundSpeedMetric=fast", "0.00"},
        {"OffsetMetric=", "0.60"},
    };
    for (const auto& [line, saved] : cases)
        EXPECT_EQ(Saved(line), saved) << line;
}

// Cancel takes nothing back, yet the link is tried again; OK takes the values in order.
TEST(SettingsCommand, CopiesInListsThePortsAndTakesBackOnlyOnOk) {
    FakeDocHost host;
    host.SetIniText("[Settings]\r\nUnits=1\r\nPeriod=7\r\nTpdrNo=-3\r\nComPort=COM9\r\n"
                    "BaudRate=2,400\r\nSoundSpeedMetric=1450\r\nOffsetMetric=1.5\r\n");
    host.mainWindow.ports = {"COM9", "COM1", "COM2"};
    CQuendixDoc doc(host);
    doc.OnNewDocument();
    doc.OnReply("$250 ^^^^");
    host.settingsDialog = [](CSettingsData& data) {
        data.m_nTpdrNo = 55;
        data.m_nPeriod = 9;
        return false;
    };
    const int updates = host.viewUpdates;
    doc.OnSettings();
    const CSettingsData& in = host.seenBySettingsDialog.at(0);
    EXPECT_EQ(in.m_nPeriod, 7u);
    EXPECT_EQ(in.m_nTpdrNo, 4294967293u);
    EXPECT_EQ(in.m_nUnits, UNITS_FEET);
    EXPECT_EQ(in.m_dSoundSpeedMetric, 1450.0);
    EXPECT_EQ(in.m_dOffsetMetric, 1.5);
    EXPECT_EQ(in.m_strComPort, "COM9");
    EXPECT_EQ(in.m_strBaudRate, "2,400");
    EXPECT_EQ(in.m_arrComPorts, (std::vector<std::string>{"COM9", "COM1", "COM2"}));
    EXPECT_EQ(doc.GetTpdrNo(), -3);
    EXPECT_EQ(doc.GetTimerInterval(), 7000u);
    EXPECT_EQ(host.viewUpdates, updates + 1);
    EXPECT_EQ(host.mainWindow.calls, (std::vector<std::string>{"GetPortList", "Connect"}));

    host.mainWindow.calls.clear();
    host.settingsDialog = [](CSettingsData& data) {
        data.m_nTpdrNo = 20;
        data.m_nUnits = UNITS_MSEC;
        data.m_dSoundSpeedMetric = 1400.0;
        data.m_dOffsetMetric = 2.0;
        data.m_strComPort = "COM4"; // not taken: the port choice was not changed
        return true;
    };
    doc.OnSettings();
    EXPECT_EQ(doc.GetTpdrNo(), 20);
    EXPECT_EQ(doc.GetUnitsAbbrev(), "ms");
    EXPECT_NEAR(doc.GetRange(), 250.0 / 1500.0 * 1000.0 - 2.0 / 1400.0 * 1000.0, 1e-9);
    EXPECT_EQ(doc.GetComPort(), "COM9");
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

    // Without a main window the link settings stay; the others are taken. Period 0 means 1 s.
    host.hasMainWindow = false;
    host.settingsDialog = [](CSettingsData& data) {
        data.m_strComPort = "COM2";
        data.m_bLinkChanged = true;
        data.m_nPeriod = 0;
        return true;
    };
    doc.OnSettings();
    EXPECT_EQ(doc.GetComPort(), "COM4");
    EXPECT_EQ(doc.GetTimerInterval(), 1000u);
    host.mainWindow.connected = true;
    EXPECT_FALSE(doc.IsConnected());
}
