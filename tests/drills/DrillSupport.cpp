#include "DrillSupport.h"

#include "ProcessFacts.h"

#include <QTest>
#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

bool WaitUntilItCatchesSigterm(const ProgramProcess& program) {
    const auto pid = static_cast<pid_t>(program.Pid());
    // The launcher of private mounts runs first under the same process id.
    return QTest::qWaitFor(
        [&] {
            return ProcessFacts::Command(pid) == "quendix" &&
                   ProcessFacts::CatchesSignal(pid, SIGTERM);
        },
        10000);
}

double CpuShareOver(const ProgramProcess& program, std::chrono::milliseconds interval) {
    const auto pid = static_cast<pid_t>(program.Pid());
    const double before = ProcessFacts::CpuSeconds(pid);
    QTest::qWait(static_cast<int>(interval.count()));
    const double used = ProcessFacts::CpuSeconds(pid) - before;
    return used / std::chrono::duration<double>(interval).count();
}

bool HoldsOpen(const ProgramProcess& program, const std::filesystem::path& file) {
    const auto open = ProcessFacts::OpenFiles(static_cast<pid_t>(program.Pid()));
    return std::find(open.begin(), open.end(), file) != open.end();
}

void Exchange(PtyFarEnd& unit, const Installation& installation, const std::string& telegram) {
    // The first interrogation goes out one period after the start; allow for a slow machine.
    ASSERT_EQ(unit.Read(5, 10s), "$10%\n");
    const std::size_t logged = installation.Log().size();
    ASSERT_TRUE(unit.Write(telegram + "\r\n"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return installation.Log().size() > logged; }));
}
