// Writes a week of the display's log at period 1 s (605,000 lines: an approach with steering
// cues, "-NO REPLY-", bad telegrams and silences) to a temporary folder, and times quendix-plot
// drawing it: wall time and peak resident memory of each run.
// Usage: quendix-bench-plot [runs]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int LINES = 605'000;
constexpr double GOAL_SECONDS = 2.0;
constexpr double GOAL_MB = 200.0;

std::string LogTime(std::int64_t nSeconds) {
    const std::chrono::year_month_day date{
        std::chrono::sys_days{std::chrono::days{nSeconds / 86400}}};
    const auto time = static_cast<int>(nSeconds % 86400);
    char text[32];
    std::snprintf(text, sizeof text, "%02u/%02u/%02d,%02d:%02d:%02d",
                  static_cast<unsigned>(date.day()), static_cast<unsigned>(date.month()),
                  static_cast<int>(date.year()) % 100, time / 3600, time / 60 % 60, time % 60);
    return text;
}

std::string Telegram(double metres, double chance, int line) {
    const char* const cues[] = {"^^^^", "<<--", "-->>", "??"};
    char text[64];
    if (chance < 0.02)
        return "$-NO REPLY-";
    if (chance < 0.03)
        std::snprintf(text, sizeof text, "$%.0f", metres); // cut short
    else
        std::snprintf(text, sizeof text, "$%.1f %s", metres, cues[line / 600 % 4]);
    return text;
}

bool WriteLog(const std::filesystem::path& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    std::mt19937 random(1);
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    std::int64_t seconds = 1'709'510'400; // 04/03/24 00:00:00
    for (int line = 0; line < LINES; ++line, ++seconds) {
        if (chance(random) < 0.001)
            seconds += 30; // silence
        const double metres =
            3000.0 * (1.0 - static_cast<double>(line) / LINES) + 5.0 * chance(random);
        const double ms = metres / 1.5 - 0.4;
        std::fprintf(file, "%s,Tpdr:10,Rng:%.3fms,Offset:0.400ms,TelGrm:%s\r\n",
                     LogTime(seconds).c_str(), ms, Telegram(metres, chance(random), line).c_str());
    }
    return std::fclose(file) == 0;
}

// Wall seconds and peak resident megabytes of one run; nothing when it failed.
bool RunPlot(const std::filesystem::path& log, const std::filesystem::path& picture,
             double& seconds, double& megabytes) {
    std::fflush(stdout); // or the child writes it again
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        // The path it prints is known.
        std::freopen("/dev/null", "w", stdout);
        execl(QUENDIX_PLOT_BINARY, QUENDIX_PLOT_BINARY, log.c_str(), "-o", picture.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child)
        return false;
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    megabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    char pattern[] = "/tmp/quendix-bench-plot-XXXXXX";
    if (!mkdtemp(pattern))
        return 1;
    const std::filesystem::path folder = pattern;
    const std::filesystem::path log = folder / "QuendixLog.txt";
    if (!WriteLog(log))
        return 1;
    std::printf("log: %d lines, %.1f MB\n", LINES,
                static_cast<double>(std::filesystem::file_size(log)) / 1e6);
    double worstSeconds = 0;
    double worstMegabytes = 0;
    bool failed = false;
    for (int run = 0; run < runs && !failed; ++run) {
        double seconds = 0;
        double megabytes = 0;
        failed = !RunPlot(log, folder / "week.png", seconds, megabytes);
        std::printf("run %d: %.2f s wall, %.1f MB peak resident\n", run + 1, seconds, megabytes);
        worstSeconds = std::max(worstSeconds, seconds);
        worstMegabytes = std::max(worstMegabytes, megabytes);
    }
    std::filesystem::remove_all(folder);
    if (failed) {
        std::puts("quendix-plot failed");
        return 1;
    }
    std::printf("worst: %.2f s, %.1f MB (goal: at most %.0f s and %.0f MB)\n", worstSeconds,
                worstMegabytes, GOAL_SECONDS, GOAL_MB);
    return worstSeconds <= GOAL_SECONDS && worstMegabytes <= GOAL_MB ? 0 : 1;
}
