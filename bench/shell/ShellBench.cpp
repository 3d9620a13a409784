// Figures of the real program against a unit on a pseudo-terminal, reached directly and
// through ser2net (raw TCP and RFC 2217), offscreen:
//  - reply-to-log latency: from the unit's write of a telegram to its line in the log file;
//  - CPU of the display at period 1 s while the unit answers every interrogation, and while the
//    unit is unplugged or its server stopped (the link is opened again at every tick);
//  - resident memory, against an empty Qt main window on the same platform.
// Usage: quendix-bench-shell QUENDIX_BINARY MINIMAL_WINDOW_BINARY [SAMPLES] [CPU_SECONDS]
#include "ProcessFacts.h"
#include "PtyFarEnd.h"
#include "Ser2net.h"
#include "TempFolder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

pid_t Spawn(const std::string& program) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) {
        std::perror(program.c_str());
        std::exit(1);
    }
    return pid;
}

void Stop(pid_t pid) {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

long ResidentKiB(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

// Follows the log file's growth through inotify, without polling its size.
class LogWatch {
public:
    explicit LogWatch(const fs::path& log) : m_path(log), m_fd(inotify_init1(IN_CLOEXEC)) {
        inotify_add_watch(m_fd, log.c_str(), IN_MODIFY);
        m_offset = fs::file_size(log);
    }
    ~LogWatch() { close(m_fd); }

    // Waits until a new line holding the marker is in the file.
    bool WaitFor(const std::string& marker) {
        while (m_pending.find(marker) == std::string::npos) {
            char events[4096];
            if (read(m_fd, events, sizeof events) <= 0) {
                return false;
            }
            std::ifstream in(m_path, std::ios::binary);
            in.seekg(static_cast<std::streamoff>(m_offset));
            std::string added((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
            m_offset += added.size();
            m_pending += added;
        }
        m_pending.erase(0, m_pending.find(marker) + marker.size());
        return true;
    }

private:
    fs::path m_path;
    int m_fd;
    std::uintmax_t m_offset = 0;
    std::string m_pending;
};

double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1))];
}

// One way to reach the unit: its latency, CPU and memory, and CPU while it is away.
void Measure(const char* pszWay, std::optional<Ser2net::Mode> server, const char* pszDisplay,
             int samples, int cpuSeconds) {
    TempFolder folder;
    fs::create_directories(folder / "bin" / "DATA");
    fs::create_directories(folder / "INI");
    fs::copy_file(pszDisplay, folder / "bin" / "quendix");
    PtyFarEnd unit;
    std::unique_ptr<Ser2net> pServer;
    if (server) {
        pServer = std::make_unique<Ser2net>(unit.SlavePath(), *server);
        pServer->Start();
    }
    TempFolder::WriteAll(folder / "INI" / "Quendix.ini",
                         "[Ports]\r\nCOM1=" + (pServer ? pServer->Url() : unit.SlavePath()) +
                             "\r\n[Settings]\r\nPeriod=1\r\n");
    const fs::path log = folder / "bin" / "DATA" / "QuendixLog.txt";

    const pid_t display = Spawn((folder / "bin" / "quendix").string());
    if (unit.Read(5, 10s).find("$10%\n") == std::string::npos) {
        std::fprintf(stderr, "%s: the display sent no interrogation\n", pszWay);
        Stop(display);
        return;
    }

    LogWatch watch(log);
    std::vector<double> latenciesMs;
    for (int i = 1; i <= samples; ++i) {
        const std::string telegram = "$" + std::to_string(i) + ".0 ^^^^";
        const auto sent = Clock::now();
        unit.Write(telegram + "\r\n");
        if (!watch.WaitFor("TelGrm:" + telegram + "\r\n")) {
            std::fprintf(stderr, "no log line for %s\n", telegram.c_str());
            break;
        }
        latenciesMs.push_back(
            std::chrono::duration<double, std::milli>(Clock::now() - sent).count());
        std::this_thread::sleep_for(5ms);
    }
    if (!latenciesMs.empty())
        std::printf("%s: reply-to-log latency over %zu replies: median %.3f ms, p99 %.3f ms, "
                    "max %.3f ms (goals 1 ms, 5 ms)\n",
                    pszWay, latenciesMs.size(), Percentile(latenciesMs, 0.5),
                    Percentile(latenciesMs, 0.99), Percentile(latenciesMs, 1.0));

    // The normal run: one interrogation a second, answered at once.
    const double cpuBefore = ProcessFacts::CpuSeconds(display);
    const auto cpuStart = Clock::now();
    while (Clock::now() - cpuStart < std::chrono::seconds(cpuSeconds)) {
        if (unit.Read(5, 1500ms).ends_with("\n"))
            unit.Write("$250.0 ^^^^\r\n");
    }
    std::printf("%s: CPU at period 1 s over %d s: %.2f%% of a core (goal 0.5%%); resident "
                "memory %ld KiB\n",
                pszWay, cpuSeconds,
                100.0 * (ProcessFacts::CpuSeconds(display) - cpuBefore) /
                    std::chrono::duration<double>(Clock::now() - cpuStart).count(),
                ResidentKiB(display));

    if (pServer)
        pServer->Stop();
    else
        unit.HangUp();
    std::this_thread::sleep_for(3s);
    const long awayKiBBefore = ResidentKiB(display);
    const double awayCpuBefore = ProcessFacts::CpuSeconds(display);
    std::this_thread::sleep_for(std::chrono::seconds(cpuSeconds));
    std::printf("%s: CPU while away at period 1 s over %d s: %.3f%% of a core (goal 0.1%%); "
                "resident memory %ld KiB before, %ld KiB after\n",
                pszWay, cpuSeconds,
                100.0 * (ProcessFacts::CpuSeconds(display) - awayCpuBefore) / cpuSeconds,
                awayKiBBefore, ResidentKiB(display));
    Stop(display);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s QUENDIX MINIMAL_WINDOW [SAMPLES] [CPU_SECONDS]\n", argv[0]);
        return 2;
    }
    const int samples = argc > 3 ? std::atoi(argv[3]) : 1000;
    const int cpuSeconds = argc > 4 ? std::atoi(argv[4]) : 30;
    Measure("pseudo-terminal", std::nullopt, argv[1], samples, cpuSeconds);
    Measure("ser2net raw TCP", Ser2net::Mode::Raw, argv[1], samples, cpuSeconds);
    Measure("ser2net RFC 2217", Ser2net::Mode::Rfc2217, argv[1], samples, cpuSeconds);

    const pid_t minimal = Spawn(argv[2]);
    std::this_thread::sleep_for(2s);
    std::printf("resident memory of an empty Qt window: %ld KiB (the display's goal: 1.25 times "
                "that)\n",
                ResidentKiB(minimal));
    Stop(minimal);
    return 0;
}
