#pragma once
// The real program run as an operator would: offscreen, started from an unrelated folder so that
// nothing is found through the current folder, and ended by a termination signal.

#include <QProcess>
#include <filesystem>

class ProgramProcess {
public:
    explicit ProgramProcess(std::filesystem::path binary);

    void Start();
    // SIGTERM, then the normal exit.
    void Terminate();

private:
    std::filesystem::path m_binary;
    QProcess m_process;
};
