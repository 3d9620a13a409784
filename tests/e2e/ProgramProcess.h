#pragma once
// The real program run as an operator would: offscreen (or on a given X display), started from an
// unrelated folder so that nothing is found through the current folder, and ended by a termination
// signal, or killed.

#include <QProcess>
#include <QStringList>
#include <filesystem>

class ProgramProcess {
public:
    explicit ProgramProcess(std::filesystem::path binary);

    // On that X display instead of offscreen, from the next start on.
    void ShowOn(const QString& display) { m_display = display; }
    // Runs the program, or, when a launcher is given, the launcher with the program's path as
    // its last argument (the launcher then executes the program in its own place).
    void Start(const QStringList& launcher = {});
    // SIGTERM, then the normal exit.
    void Terminate();
    // SIGKILL: no chance to save or close anything.
    void Kill();

    qint64 Pid() const { return m_process.processId(); }

private:
    std::filesystem::path m_binary;
    QString m_display;
    QProcess m_process;
};
