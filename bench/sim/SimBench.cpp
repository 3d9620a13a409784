// quendix-sim's CPU while nobody holds its pseudo-terminal: the display was closed after an
// exchange, and the simulator waits for the next one.
// Usage: quendix-bench-sim [seconds]

#include "ProcessFacts.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr double GOAL_SHARE = 0.01; // of a core

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir folder;
    const QString link = folder.filePath(QStringLiteral("ttySim"));
    QProcess sim;
    sim.start(QStringLiteral(QUENDIX_SIM_BINARY), {"--link", link, "--delay", "0"});
    QFile peer(link);
    if (!sim.waitForReadyRead(5000) || !peer.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        std::puts("quendix-sim did not start");
        return 1;
    }
    peer.write("$10%\n");
    sim.waitForReadyRead(5000);
    peer.close();
    const auto pid = static_cast<pid_t>(sim.processId());
    const double before = ProcessFacts::CpuSeconds(pid);
    QThread::sleep(static_cast<unsigned long>(seconds));
    const double share = (ProcessFacts::CpuSeconds(pid) - before) / seconds;
    sim.terminate();
    sim.waitForFinished(5000);
    std::printf("quendix-sim with nobody on its pseudo-terminal: %.2f%% of a core over %d s "
                "(goal: under %.0f%%)\n",
                100.0 * share, seconds, 100.0 * GOAL_SHARE);
    return share < GOAL_SHARE ? 0 : 1;
}
