// The data log on this machine's disk, written as the document writes it at each reply:
//  - the user-interface thread's time per reply: the line's write and the sync request;
//  - reply to visible: until another descriptor sees the line in the file;
//  - reply to synced: until the line is on the disk (Close returns after the last sync);
//  - for comparison, a write with the sync made on the user-interface thread itself.
// Usage: log_bench [SAMPLES] [PERIOD_MS] [FOLDER on the disk to measure; default the temporary
// folder]

#include "CFile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

const std::string LINE =
    "30/07/02,14:05:09,Tpdr:10,Rng:1332.933ms,Offset:0.400ms,TelGrm:$2000.0 ^^^^\r\n";

double MicrosSince(Clock::time_point start) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

void Report(const char* what, std::vector<double> micros) {
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double fraction) {
        return micros[static_cast<std::size_t>(fraction * static_cast<double>(micros.size() - 1))];
    };
    std::printf("%-34s median %8.1f us, p99 %8.1f us, max %8.1f us (%zu replies)\n", what, at(0.5),
                at(0.99), at(1.0), micros.size());
}

// The log held open for the run, a reply every period, as in the program.
void MeasureSteadyLogging(const fs::path& log, int nSamples, std::chrono::milliseconds period) {
    CFile file;
    const int reader = ::open(log.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
    if (reader < 0 || !file.Open(log.string()))
        return;
    std::vector<double> uiThread;
    std::vector<double> visible;
    for (int i = 0; i < nSamples; ++i) {
        std::this_thread::sleep_for(period);
        struct stat info {};
        ::fstat(reader, &info);
        const off_t expected = info.st_size + static_cast<off_t>(LINE.size());
        const Clock::time_point reply = Clock::now();
        file.Write(LINE.data(), LINE.size());
        file.Flush();
        uiThread.push_back(MicrosSince(reply));
        while (::fstat(reader, &info) == 0 && info.st_size < expected) {
        }
        visible.push_back(MicrosSince(reply));
    }
    file.Close();
    ::close(reader);
    Report("user-interface thread per reply:", uiThread);
    Report("reply to visible:", visible);
}

void MeasureSynced(const fs::path& log, int nSamples, std::chrono::milliseconds period) {
    std::vector<double> synced;
    for (int i = 0; i < nSamples; ++i) {
        std::this_thread::sleep_for(period);
        CFile file;
        if (!file.Open(log.string()))
            return;
        const Clock::time_point reply = Clock::now();
        file.Write(LINE.data(), LINE.size());
        file.Flush();
        file.Close();
        synced.push_back(MicrosSince(reply));
    }
    Report("reply to synced:", synced);
}

void MeasureSyncOnTheSameThread(const fs::path& log, int nSamples,
                                std::chrono::milliseconds period) {
    const int fd = ::open(log.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    std::vector<double> micros;
    for (int i = 0; i < nSamples; ++i) {
        std::this_thread::sleep_for(period);
        const Clock::time_point reply = Clock::now();
        if (::write(fd, LINE.data(), LINE.size()) < 0 || ::fdatasync(fd) != 0)
            break;
        micros.push_back(MicrosSince(reply));
    }
    ::close(fd);
    if (!micros.empty())
        Report("(a sync on that thread would take)", micros);
}

} // namespace

int main(int argc, char** argv) {
    const int nSamples = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
    const std::chrono::milliseconds period(argc > 2 ? std::max(0, std::atoi(argv[2])) : 20);
    std::string folder =
        ((argc > 3 ? fs::path(argv[3]) : fs::temp_directory_path()) / "quendix-log-bench-XXXXXX")
            .string();
    if (!::mkdtemp(folder.data())) {
        std::perror(folder.c_str());
        return 1;
    }
    const fs::path log = fs::path(folder) / "QuendixLog.txt";
    std::printf("log %s, a reply every %lld ms\n", log.c_str(),
                static_cast<long long>(period.count()));
    MeasureSteadyLogging(log, nSamples, period);
    MeasureSynced(log, nSamples, period);
    MeasureSyncOnTheSameThread(log, nSamples, period);
    fs::remove_all(folder);
    return 0;
}
