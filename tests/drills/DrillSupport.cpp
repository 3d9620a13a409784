#include "DrillSupport.h"

#include "ProcessFacts.h"
#include "WaitUntil.h"

#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

constexpr auto INTERROGATION_WAIT = 10s;
const std::string INTERROGATION = "$10%\n";

} // namespace

bool WaitUntilItCatchesSigterm(const ProgramProcess& program) {
    const auto pid = static_cast<pid_t>(program.Pid());
    // The launcher of private mounts runs first under the same process id.
    return WaitUntil(
        [&] {
            return ProcessFacts::Command(pid) == "quendix" &&
                   ProcessFacts::CatchesSignal(pid, SIGTERM);
        },
        10s);
}

double CpuShareOver(const ProgramProcess& program, std::chrono::milliseconds interval) {
    const auto pid = static_cast<pid_t>(program.Pid());
    const double before = ProcessFacts::CpuSeconds(pid);
    QTest::qWait(static_cast<int>(interval.count()));
    const double used = ProcessFacts::CpuSeconds(pid) - before;
    return used / std::chrono::duration<double>(interval).count();
}

std::vector<std::string> WholeLines(const std::string& log, std::string& tail) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = log.find("\r\n"); end != std::string::npos;
         end = log.find("\r\n", start)) {
        lines.push_back(log.substr(start, end - start));
        start = end + 2;
    }
    tail = log.substr(start);
    return lines;
}

bool HoldsOpen(const ProgramProcess& program, const std::filesystem::path& file) {
    const auto open = ProcessFacts::OpenFiles(static_cast<pid_t>(program.Pid()));
    return std::find(open.begin(), open.end(), file) != open.end();
}

void Exchange(PtyFarEnd& unit, const Installation& installation, const std::string& telegram) {
    ASSERT_EQ(unit.Read(INTERROGATION.size(), INTERROGATION_WAIT), INTERROGATION);
    const std::size_t logged = installation.Log().size();
    ASSERT_TRUE(unit.Write(telegram + "\r\n"));
    ASSERT_TRUE(WaitUntil([&] { return installation.Log().size() > logged; }));
}
