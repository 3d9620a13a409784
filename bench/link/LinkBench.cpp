// Telegram latency from the far end's write to the window handler, floods from quendix-sim at
// and above 38,400 baud with the resident memory, and the cost of reopening a port that is
// away: an unplugged device, and a server that refuses the connection.
// Usage: link_bench [latency-samples]

#include "CSerialLink.h"
#include "PortNamespace.h"
#include "QMgr.h"
#include "ReplyMechanism.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Drains the link as the frame does and notes when it was called and how many telegrams waited.
class TimingTarget : public QObject {
public:
    bool event(QEvent* pEvent) override {
        if (pEvent->type() != WindowMessageEvent(101))
            return QObject::event(pEvent);
        handled = Clock::now();
        nTelegrams += QMGR_BUFFER_COUNT - pLink->GetQMgr()->Count(0);
        if (!pLink->Receive().empty())
            ++nNotices;
        return true;
    }

    CSerialLink* pLink = nullptr;
    Clock::time_point handled;
    std::size_t nNotices = 0;
    std::size_t nTelegrams = 0;
};

// COM1 leads wherever the benchmark points it.
PortNamespace Com1At(const std::string& device) {
    return PortNamespace(
        [device](std::string_view port) { return port == "COM1" ? device : std::string(); });
}

long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.starts_with("VmRSS:"))
            return std::atol(line.c_str() + 6);
    return -1;
}

double Percentile(std::vector<double> samples, double fraction) {
    std::sort(samples.begin(), samples.end());
    return samples[static_cast<std::size_t>(fraction * static_cast<double>(samples.size() - 1))];
}

bool WaitForNotice(const TimingTarget& target, std::size_t nBefore) {
    QDeadlineTimer deadline(2000);
    while (target.nNotices == nBefore && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return target.nNotices > nBefore;
}

void RunFor(int nMilliseconds) {
    QDeadlineTimer deadline(nMilliseconds);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

void MeasureLatency(int nSamples) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
        return;
    TimingTarget target;
    CSerialLink link{[&] { return &target; }, Com1At(ptsname(master))};
    target.pLink = &link;
    link.SetPortName("\\\\.\\COM1");
    if (!link.Open(101)) {
        std::puts("latency: the pseudo-terminal did not open");
        return;
    }
    const std::string telegram = "$123.4 ^^^^\r\n";
    std::vector<double> micros;
    for (int i = 0; i < nSamples; ++i) {
        const std::size_t before = target.nNotices;
        const auto written = Clock::now();
        if (write(master, telegram.data(), telegram.size()) !=
                static_cast<ssize_t>(telegram.size()) ||
            !WaitForNotice(target, before))
            break;
        micros.push_back(
            std::chrono::duration<double, std::micro>(target.handled - written).count());
    }
    link.Close();
    close(master);
    if (micros.empty())
        return;
    std::printf("latency over %zu telegrams: median %.1f us, p99 %.1f us, max %.1f us\n",
                micros.size(), Percentile(micros, 0.5), Percentile(micros, 0.99),
                Percentile(micros, 1.0));
}

void MeasureFlood(const QTemporaryDir& folder, double dRate) {
    const QString linkPath = folder.filePath(QStringLiteral("ttyFLOOD"));
    QProcess sim;
    sim.start(QStringLiteral(QUENDIX_SIM_BINARY),
              {"--flood", QString::number(dRate), "--link", linkPath, "--speed", "0"});
    if (!sim.waitForReadyRead(5000))
        return;
    TimingTarget target;
    CSerialLink link{[&] { return &target; }, Com1At(linkPath.toStdString())};
    target.pLink = &link;
    link.SetPortName("\\\\.\\COM1");
    link.SetBaud(38400);
    if (!link.Open(101))
        return;
    RunFor(1000);
    const long rssBefore = ResidentKiB();
    const std::size_t telegramsBefore = target.nTelegrams;
    const std::size_t noticesBefore = target.nNotices;
    const int seconds = 5;
    RunFor(seconds * 1000);
    const long rssAfter = ResidentKiB();
    link.Close();
    sim.terminate();
    sim.waitForFinished(5000);
    std::printf(
        "flood at %.0f telegrams/s (%.0f baud of 13-byte telegrams): received %.0f/s in "
        "%.0f notices/s; RSS %ld KiB before, %ld KiB after\n",
        dRate, dRate * 13 * 10, static_cast<double>(target.nTelegrams - telegramsBefore) / seconds,
        static_cast<double>(target.nNotices - noticesBefore) / seconds, rssBefore, rssAfter);
}

// While the unit or its server is away the frame opens the link again at every interrogation
// tick, once the attempt before has ended.
void MeasureReopening(const char* pszWhat, const std::string& target) {
    TimingTarget window;
    CSerialLink link{[&] { return &window; }, Com1At(target)};
    window.pLink = &link;
    link.SetPortName("\\\\.\\COM1");
    link.Open(101);
    const long rssBefore = ResidentKiB();
    const int nOpenings = 1000;
    const std::clock_t cpuStart = std::clock();
    for (int i = 0; i < nOpenings; ++i) {
        link.Open(101);
        while (link.IsOpening())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    const double cpuMicros =
        1e6 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC / nOpenings;
    std::printf("reopening %s: %.1f us of CPU each, %.4f%% of a core at one a second (goal "
                "0.1%%); RSS %ld KiB before %d openings, %ld KiB after\n",
                pszWhat, cpuMicros, cpuMicros / 1e4, rssBefore, nOpenings, ResidentKiB());
}

// A loopback port that refuses connections: one that was listened at and is free again.
std::string RefusingServer() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    return "socket://127.0.0.1:" + std::to_string(server.serverPort());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int nSamples = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    QTemporaryDir folder;
    MeasureLatency(nSamples);
    MeasureReopening("an unplugged port",
                     folder.filePath(QStringLiteral("ttyUNPLUGGED")).toStdString());
    MeasureReopening("a server that refuses", RefusingServer());
    // 38,400 baud carries 3,840 bytes a second: 295 telegrams of 13 bytes.
    for (const double dRate : {295.0, 3000.0, 30000.0})
        MeasureFlood(folder, dRate);
    return 0;
}
