#include "CQuendixDoc.h"

#include "CSettingsData.h"
#include "DecodeTelegram.h"
#include "DisplayUnits.h"
#include "IFile.h"
#include "IMainWindow.h"
#include "IProfile.h"
#include "LogLine.h"
#include "NumberText.h"

namespace {

constexpr std::string_view kSettings = "Settings";
constexpr const char* kLogFailure = "Log File not found - data not being logged";

// The log lives in DATA: a stored name that reaches elsewhere is not opened.
bool IsPlainFileName(const std::string& name) {
    return name.find_first_of("/\\") == std::string::npos && name != "." && name != "..";
}

} // namespace

CQuendixDoc::CQuendixDoc(IDocHost& host) : m_host(host) {}

CQuendixDoc::~CQuendixDoc() {
    CloseLogFile();
    SaveSettings();
}

bool CQuendixDoc::OnNewDocument() {
    m_bLogOpen = false;
    LoadSettings();
    CloseLogFile();
    if (OpenLogFile())
        m_bLogOpen = true;
    RecalcRange();
    return true;
}

void CQuendixDoc::RecalcRange() {
    double factor = 1.0;
    m_dOffsetTime = m_dOffsetMetric / m_dSoundSpeedMetric;
    m_dTelegramTime = m_dTelegramRange / NOMINAL_SOUND_SPEED;
    if (const std::optional<DisplayUnits> units = UnitsOf(m_nUnits)) {
        factor = units->PerSecond(m_dSoundSpeedMetric);
        m_strUnitsAbbrev = units->abbrev;
    }
    m_dRange = (m_dTelegramTime - m_dOffsetTime) * factor;
    m_host.UpdateAllViews();
}

// Computed in 32 bits as the timer takes it: a negative stored period wraps, it does not trap.
std::uint32_t CQuendixDoc::GetTimerInterval() const {
    return m_nPeriod == 0 ? 1000u : static_cast<std::uint32_t>(m_nPeriod) * 1000u;
}

bool CQuendixDoc::IsConnected() const {
    const IMainWindow* mainWnd = m_host.GetMainWnd();
    return mainWnd && mainWnd->IsConnected();
}

// The received text ends at its first NUL byte, as a C string does.
void CQuendixDoc::OnReply(const std::string& text) {
    const std::string received = text.substr(0, text.find('\0'));
    m_bAwaitingReply = false;
    ParseTelegram(received);
    RecalcRange();
    LogReply(received);
}

void CQuendixDoc::ParseTelegram(const std::string& text) {
    const TelegramReading reading = DecodeTelegram(text);
    m_nStatus = reading.nStatus;
    m_nDirection = reading.nDirection;
    m_dTelegramRange = reading.dRange;
}

// Unsigned subtraction keeps the time-out right across the tick counter's wrap.
void CQuendixDoc::OnInterrogateTimer() {
    if (m_bAwaitingReply) {
        const std::uint32_t elapsed = m_host.GetTickCount() - m_dwSendTick;
        if (elapsed <= REPLY_TIMEOUT_MS)
            return;
        m_nStatus = STAT_NO_TELEGRAM;
        m_host.UpdateAllViews();
        m_bAwaitingReply = false;
    }
    SendInterrogation();
}

void CQuendixDoc::SendInterrogation() {
    m_bAwaitingReply = true;
    m_dwSendTick = m_host.GetTickCount();
    const std::string interrogation = "$" + std::to_string(static_cast<unsigned>(m_nTpdrNo)) + "%";
    if (IMainWindow* mainWnd = m_host.GetMainWnd())
        mainWnd->SendToUnit(interrogation);
}

void CQuendixDoc::RestartInterrogation() {
    if (IMainWindow* mainWnd = m_host.GetMainWnd())
        mainWnd->RestartInterrogationTimer();
}

std::string CQuendixDoc::LogFolder() const {
    return m_host.GetParentPath() + "\\DATA\\";
}

bool CQuendixDoc::OpenLogFile() {
    if (!m_fileLog)
        m_fileLog = m_host.CreateFile();
    const bool bPlainName = IsPlainFileName(m_strLogFileName);
    if (!bPlainName)
        m_host.ReportRefusedLogName(m_strLogFileName);
    const bool opened = m_fileLog && bPlainName && m_fileLog->Open(LogFolder() + m_strLogFileName);
    if (!opened) {
        m_host.MessageBox(kLogFailure);
        return false;
    }
    m_fileLog->SeekToEnd();
    return true;
}

void CQuendixDoc::CloseLogFile() {
    if (m_fileLog && m_fileLog->IsOpen())
        m_fileLog->Close();
}

// One write per line, so that an abrupt end never leaves half a line. After a failed re-open
// the flag still says "logging", but the file is closed and nothing is written.
void CQuendixDoc::WriteLog(const std::string& text) {
    if (text.empty() || !m_bLogOpen || !m_fileLog || !m_fileLog->IsOpen())
        return;
    const std::string line = text + "\r\n";
    m_fileLog->Write(line.data(), line.size());
    m_fileLog->Flush();
}

void CQuendixDoc::LogReply(const std::string& text) {
    WriteLog(FormatLogLine(m_host.GetLocalTime(), m_nTpdrNo,
                           (m_dTelegramTime - m_dOffsetTime) * 1000.0, m_dOffsetTime * 1000.0,
                           text));
}

void CQuendixDoc::OnLogging() {
    const SaveFileRequest request{"txt", m_strLogFileName, "LogFile (*.txt)|*.txt", LogFolder()};
    const std::optional<std::string> chosen = m_host.RunSaveFileDialog(request);
    if (!chosen || *chosen == m_strLogFileName)
        return;
    m_strLogFileName = *chosen;
    CloseLogFile();
    if (!m_strLogFileName.empty() && m_bLogOpen)
        OpenLogFile();
}

void CQuendixDoc::LoadSettings() {
    IProfile& profile = m_host.GetProfile();
    const auto readText = [&](std::string_view key, std::string_view fallback, auto store) {
        const std::string text = profile.GetProfileString(kSettings, key, fallback);
        if (!text.empty())
            store(text);
    };
    m_nUnits = UnitsFromStored(profile.GetProfileInt(kSettings, "Units", 0));
    readText("SoundSpeedMetric", "1500",
             [&](const std::string& s) { m_dSoundSpeedMetric = AtoF(s); });
    m_nTpdrNo = profile.GetProfileInt(kSettings, "TpdrNo", 10);
    m_nPeriod = profile.GetProfileInt(kSettings, "Period", 2);
    readText("LogFileName", "QuendixLog.txt", [&](const std::string& s) { m_strLogFileName = s; });
    readText("OffsetMetric", "0", [&](const std::string& s) { m_dOffsetMetric = AtoF(s); });
    readText("ComPort", "COM1", [&](const std::string& s) { m_strComPort = s; });
    readText("BaudRate", "4,800", [&](const std::string& s) { m_strBaudRate = s; });
}

void CQuendixDoc::SaveSettings() {
    IProfile& profile = m_host.GetProfile();
    profile.WriteProfileInt(kSettings, "Units", StoredFromUnits(m_nUnits));
    profile.WriteProfileString(kSettings, "SoundSpeedMetric", FormatFixed(m_dSoundSpeedMetric, 2));
    profile.WriteProfileInt(kSettings, "TpdrNo", m_nTpdrNo);
    profile.WriteProfileInt(kSettings, "Period", m_nPeriod);
    profile.WriteProfileString(kSettings, "LogFileName", m_strLogFileName);
    profile.WriteProfileString(kSettings, "OffsetMetric", FormatFixed(m_dOffsetMetric, 2));
    profile.WriteProfileString(kSettings, "ComPort", m_strComPort);
    profile.WriteProfileString(kSettings, "BaudRate", m_strBaudRate);
}

void CQuendixDoc::OnSettings() {
    CSettingsData data;
    data.m_nPeriod = static_cast<unsigned>(m_nPeriod);
    data.m_dSoundSpeedMetric = m_dSoundSpeedMetric;
    data.m_nUnits = m_nUnits;
    data.m_nTpdrNo = static_cast<unsigned>(m_nTpdrNo);
    data.m_strComPort = m_strComPort;
    data.m_strBaudRate = m_strBaudRate;
    data.m_dOffsetMetric = m_dOffsetMetric;
    if (IMainWindow* mainWnd = m_host.GetMainWnd())
        mainWnd->GetPortList(data.m_arrComPorts);

    if (m_host.RunSettingsDialog(data))
        TakeSettings(data);
    if (IMainWindow* mainWnd = m_host.GetMainWnd())
        mainWnd->Connect();
    RecalcRange();
}

void CQuendixDoc::TakeSettings(const CSettingsData& data) {
    const int oldPeriod = m_nPeriod;
    m_nPeriod = static_cast<int>(data.m_nPeriod);
    if (m_nPeriod != oldPeriod)
        RestartInterrogation();
    m_dSoundSpeedMetric = data.m_dSoundSpeedMetric;
    m_nTpdrNo = static_cast<int>(data.m_nTpdrNo);
    m_nUnits = data.m_nUnits;
    m_dOffsetMetric = data.m_dOffsetMetric;
    if (data.m_bLinkChanged && m_host.GetMainWnd()) {
        m_strBaudRate = data.m_strBaudRate;
        m_strComPort = data.m_strComPort;
    }
}
