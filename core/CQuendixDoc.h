#pragma once
// The program's one document and its whole model: the operator's settings, the latest
// measurement decoded from the unit's reply, the corrected range, the interrogation cycle
// and the data log.

#include "IDocHost.h"
#include "QuendixCodes.h"

#include <cstdint>
#include <memory>
#include <string>

class IFile;
struct CSettingsData;

class CQuendixDoc {
public:
    explicit CQuendixDoc(IDocHost& host);
    ~CQuendixDoc(); // closes the log, then saves the settings
    CQuendixDoc(const CQuendixDoc&) = delete;
    CQuendixDoc& operator=(const CQuendixDoc&) = delete;

    // The new-document step: settings loaded, log re-opened, range recomputed.
    bool OnNewDocument();
    void RecalcRange();

    // Accessors.
    double GetRange() const { return m_dRange; }
    std::string GetUnitsAbbrev() const { return m_strUnitsAbbrev; }
    int GetStatus() const { return m_nStatus; }
    int GetDirection() const { return m_nDirection; }
    std::string GetComPort() const { return m_strComPort; }
    std::string GetBaudRate() const { return m_strBaudRate; }
    std::uint32_t GetTimerInterval() const;
    int GetTpdrNo() const { return m_nTpdrNo; }
    bool IsConnected() const;

    // Reply telegram.
    void OnReply(const std::string& text);

    // Interrogation cycle.
    void OnInterrogateTimer();
    void RestartInterrogation();

    // Data log.
    bool OpenLogFile();
    void CloseLogFile();
    void OnLogging();

    // Settings.
    void LoadSettings();
    void SaveSettings();
    void OnSettings();

private:
    void ParseTelegram(const std::string& text);
    void SendInterrogation();
    void WriteLog(const std::string& text);
    void LogReply(const std::string& text);
    std::string LogFolder() const;
    // Copies the dialog's values back after OK, in the order the timer and the link expect.
    void TakeSettings(const CSettingsData& data);

    IDocHost& m_host;

    double m_dOffsetTime = 0.0;
    double m_dOffsetMetric = 0.6;
    bool m_bLogOpen = false;
    std::string m_strBaudRate = "4,800";
    std::string m_strComPort = "COM1";
    double m_dTelegramRange = 100.0;
    double m_dTelegramTime = 0.0;
    double m_dRange = 0.0;
    int m_nDirection = DIR_AHEAD;
    int m_nStatus = STAT_NO_TELEGRAM;
    bool m_bAwaitingReply = false;
    std::uint32_t m_dwSendTick = 0;
    int m_nUnits = UNITS_METRES;
    std::string m_strUnitsAbbrev = "m";
    double m_dSoundSpeedMetric = 1500.0;
    int m_nTpdrNo = 10;
    int m_nPeriod = 2;
    std::string m_strLogFileName = "QuendixLog.txt";
    std::unique_ptr<IFile> m_fileLog;
};
