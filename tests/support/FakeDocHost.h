#pragma once
// A document host for tests: a throw-away installation folder (bin/, bin/DATA/, INI/) with the
// real INI file and the real log file, and fakes for what a test must steer or watch: the main
// window, the tick count, the local time, message boxes and the two dialogs.
// Link target quendix_fake_host.

#include "CFile.h"
#include "CPrivateProfile.h"
#include "CSettingsData.h"
#include "IDocHost.h"
#include "IMainWindow.h"
#include "PathFunctions.h"
#include "TempFolder.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// Records every call in order ("SendToUnit $10%", "RestartInterrogationTimer", "Connect",
// "GetPortList") and answers as scripted.
class FakeMainWindow : public IMainWindow {
public:
    void SendToUnit(const std::string& text) override { calls.push_back("SendToUnit " + text); }
    void RestartInterrogationTimer() override { calls.push_back("RestartInterrogationTimer"); }
    bool IsConnected() const override { return connected; }
    bool Connect() override {
        calls.push_back("Connect");
        return connected;
    }
    void GetPortList(std::vector<std::string>& list) override {
        calls.push_back("GetPortList");
        list.insert(list.end(), ports.begin(), ports.end());
    }

    std::vector<std::string> calls;
    bool connected = false;
    std::vector<std::string> ports; // what GetPortList appends
};

class FakeDocHost : public IDocHost {
public:
    FakeDocHost() {
        std::filesystem::create_directories(DataFolder());
        std::filesystem::create_directories(m_folder / "INI");
    }

    IMainWindow* GetMainWnd() override { return hasMainWindow ? &mainWindow : nullptr; }
    std::uint32_t GetTickCount() override { return tickCount; }
    void UpdateAllViews() override { ++viewUpdates; }
    IProfile& GetProfile() override { return m_profile; }
    std::string GetParentPath() override { return (m_folder / "bin").string() + "/"; }
    std::tm GetLocalTime() override {
        std::tm time{};
        strptime("30/07/02 14:05:09", "%d/%m/%y %H:%M:%S", &time);
        return time;
    }
    std::unique_ptr<IFile> CreateFile() override { return std::make_unique<CFile>(); }
    void ReportRefusedLogName(const std::string& name) override { refusedLogNames.push_back(name); }
    void MessageBox(const std::string& text) override { messages.push_back(text); }

    // Answers with the next scripted name; cancels when none is left.
    std::optional<std::string> RunSaveFileDialog(const SaveFileRequest& request) override {
        saveRequests.push_back(request);
        if (saveFileAnswers.empty())
            return std::nullopt;
        std::optional<std::string> answer = saveFileAnswers.front();
        saveFileAnswers.pop_front();
        return answer;
    }

    // Runs the scripted dialog on the data; cancels when there is none.
    bool RunSettingsDialog(CSettingsData& data) override {
        seenBySettingsDialog.push_back(data);
        return settingsDialog && settingsDialog(data);
    }

    std::filesystem::path DataFolder() const { return m_folder / "bin" / "DATA"; }
    std::filesystem::path IniPath() const { return m_iniPath; }
    std::filesystem::path LogPath(const std::string& name = "QuendixLog.txt") const {
        return DataFolder() / name;
    }
    std::string IniText() const { return TempFolder::ReadAll(IniPath()); }
    void SetIniText(std::string_view text) const { TempFolder::WriteAll(IniPath(), text); }
    std::string LogText(const std::string& name = "QuendixLog.txt") const {
        return TempFolder::ReadAll(LogPath(name));
    }
    const TempFolder& Folder() const { return m_folder; }

    FakeMainWindow mainWindow;
    bool hasMainWindow = true;
    std::uint32_t tickCount = 0;
    int viewUpdates = 0;
    std::vector<std::string> messages;
    std::vector<std::string> refusedLogNames;
    std::vector<SaveFileRequest> saveRequests;
    std::deque<std::optional<std::string>> saveFileAnswers;
    std::vector<CSettingsData> seenBySettingsDialog; // as handed in, before the dialog ran
    std::function<bool(CSettingsData&)> settingsDialog;

private:
    TempFolder m_folder;
    std::string m_iniPath = IniFilePath(GetParentPath());
    CPrivateProfile m_profile{m_iniPath};
};
