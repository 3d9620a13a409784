// The unit unplugged while the display runs (the far end of its pseudo-terminal hangs up), then
// plugged in again as a new pseudo-terminal under the same name: while it is gone the display
// lets go of the port and spends no CPU on it; then it finds the new one at its next ticks,
// interrogates it and logs its replies.
#include "DrillSupport.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// Two interrogation periods: two attempts to reconnect.
constexpr auto UNPLUGGED = 2000ms;
constexpr double IDLE_CPU_SHARE = 0.1;

TEST(Drill, UnpluggedUnitCostsNoCpuAndIsFoundAgainWhenPluggedBackIn) {
    TempFolder devices;
    // The same name for whichever pseudo-terminal is the unit now, as a by-id name stays.
    const fs::path name = devices / "ttyUnit";
    auto unit = std::make_unique<PtyFarEnd>();
    fs::create_symlink(unit->SlavePath(), name);
    Installation installation(UnitIni(name.string()));
    installation.Program().Start();
    Exchange(*unit, installation, "$100.0 ^^^^");

    // As the device manager removes a stable name with its device; a stale link could lead to
    // another test's pseudo-terminal that reuses the number.
    const fs::path unplugged = unit->SlavePath();
    fs::remove(name);
    unit.reset();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !HoldsOpen(installation.Program(), unplugged); }));
    EXPECT_LT(CpuShareOver(installation.Program(), UNPLUGGED), IDLE_CPU_SHARE);

    unit = std::make_unique<PtyFarEnd>();
    fs::create_symlink(unit->SlavePath(), name);
    Exchange(*unit, installation, "$200.0 <<--");
    installation.Program().Terminate();
    EXPECT_EQ(installation.Telegrams(), "$100.0 ^^^^\r\n$200.0 <<--\r\n");
}

} // namespace
