#pragma once
// The real program in a scratch installation: bin/quendix, bin/DATA/ and INI/Quendix.ini in a
// temporary folder, started offscreen from another folder, so that nothing is found through the
// current folder.

#include "tests/support/TempFolder.h"

#include <QProcess>
#include <QStringList>
#include <filesystem>
#include <string>

class Installation {
public:
    explicit Installation(const std::string& ini);

    const std::filesystem::path& Folder() const { return m_folder.Path(); }
    std::filesystem::path IniPath() const { return m_folder / "INI" / "Quendix.ini"; }
    std::string Ini() const { return TempFolder::ReadAll(IniPath()); }
    std::filesystem::path DataFolder() const { return m_folder / "bin" / "DATA"; }
    std::filesystem::path LogPath() const { return DataFolder() / "QuendixLog.txt"; }
    std::string Log() const { return TempFolder::ReadAll(LogPath()); }
    qint64 Pid() const { return m_process.processId(); }
    bool IsRunning() const { return m_process.state() != QProcess::NotRunning; }

    // Runs the program, or, when a launcher is given, the launcher with the program's path as
    // its last argument (the launcher then executes the program in its own place).
    void Start(const QStringList& launcher = {});
    // SIGTERM, then the normal exit.
    void Terminate();
    // SIGKILL: no chance to save or close anything.
    void Kill();

private:
    TempFolder m_folder;
    QProcess m_process;
};
