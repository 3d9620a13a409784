#pragma once
// One running copy of the real program, offscreen, started from the temporary folder so that
// nothing is found through the current folder.

#include <QProcess>
#include <QStringList>
#include <filesystem>

class ProgramProcess {
public:
    // Runs the program, or, when a launcher is given, the launcher with the program's path as
    // its last argument (the launcher then executes the program in its own place).
    void Start(const std::filesystem::path& program, const QStringList& launcher = {});
    // SIGTERM, then the normal exit.
    void Terminate();
    // SIGKILL: no chance to save or close anything.
    void Kill();

    qint64 Pid() const { return m_process.processId(); }
    bool IsRunning() const { return m_process.state() != QProcess::NotRunning; }

private:
    QProcess m_process;
};
