// The real program on a real X server with a window manager: the stored rectangle is the outer
// frame's, title bar included, as the Windows program kept it.
#include "Installation.h"
#include "XDesktop.h"

#include <QTest>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

constexpr int PLACEMENT_WAIT_MS = 10000;

std::string PlacementText(const QRect& frame) {
    return std::to_string(frame.left()) + ' ' + std::to_string(frame.top()) + ' ' +
           std::to_string(frame.left() + frame.width()) + ' ' +
           std::to_string(frame.top() + frame.height()) + " 0 0";
}

struct FrameCase {
    const char* name;
    const char* stored; // the key's line, or nothing on a first start
    QRect frame;
};

class WindowOnDesktop : public testing::TestWithParam<FrameCase> {};

TEST_P(WindowOnDesktop, FrameLandsOnTheStoredRectangleAndIsStoredAgain) {
    XDesktop desktop;
    if (!desktop.Failure().isEmpty()) {
        GTEST_SKIP() << desktop.Failure().toStdString();
    }
    Installation installation(std::string(GetParam().stored) + "[Settings]\r\nComPort=COM99\r\n");
    installation.Program().ShowOn(desktop.Display());
    installation.Program().Start();

    // The client is fitted inside the frame once the window manager has told the decorations.
    std::optional<QRect> frame;
    const auto landed = [&] {
        frame = desktop.FrameOf(QStringLiteral("Untitled - Quendix"));
        return frame == GetParam().frame;
    };
    if (!QTest::qWaitFor(landed, PLACEMENT_WAIT_MS)) {
        ASSERT_TRUE(frame.has_value()) << "no window on " << desktop.Display().toStdString();
    }
    EXPECT_EQ(PlacementText(*frame), PlacementText(GetParam().frame));
    installation.Program().Terminate();

    EXPECT_NE(
        installation.Ini().find("[MainFrameState]\r\nSettings=" + PlacementText(*frame) + "\r\n"),
        std::string::npos)
        << installation.Ini();
}

INSTANTIATE_TEST_SUITE_P(
    Starts, WindowOnDesktop,
    testing::Values(FrameCase{"First", "", QRect(0, 0, 500, 500)},
                    FrameCase{"CarriedOverFromWindows",
                              "[MainFrameState]\r\nSettings=100 80 740 560 0 0\r\n",
                              QRect(100, 80, 640, 480)}),
    [](const testing::TestParamInfo<FrameCase>& info) { return std::string(info.param.name); });

} // namespace
