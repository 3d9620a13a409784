#pragma once
// The real quendix-sim as the unit, on a pseudo-terminal reached through a stable name, as a
// by-id device name is. Stopped at the end.

#include "TempFolder.h"

#include <QProcess>
#include <QStringList>
#include <optional>
#include <string>

class Simulator {
public:
    explicit Simulator(const QStringList& options = {});
    ~Simulator() { Stop(); }

    const std::string& Link() const { return m_link; }
    // Whether the stable name appeared in time.
    bool WaitUntilThere();
    // SIGTERM; what it printed, or nothing when it did not end in time.
    std::optional<std::string> Stop();

private:
    TempFolder m_folder;
    std::string m_link = (m_folder / "ttyUnit").string();
    QProcess m_process;
};
