#pragma once
// The real quendix-sim as the unit, on a pseudo-terminal reached through a stable name, as a
// by-id device name is. Started and awaited until the name is there, stopped at the end.

#include "TempFolder.h"

#include <QProcess>
#include <QStringList>
#include <optional>
#include <string>

class Simulator {
public:
    explicit Simulator(const QStringList& options = {});
    ~Simulator() { Stop(); }

    // The stable name; empty when the simulator did not start in time.
    const std::string& Link() const { return m_link; }
    qint64 Pid() const { return m_process.processId(); }
    // The next line of its output that holds the text; empty when none comes in time.
    QString ReadLineWith(const QString& text);
    // SIGTERM; what it printed since, or nothing when it did not end cleanly in time.
    std::optional<std::string> Stop();

private:
    TempFolder m_folder;
    std::string m_link = (m_folder / "ttyUnit").string();
    QProcess m_process;
};
