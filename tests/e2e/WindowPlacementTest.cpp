// The real program on a real X server with a window manager (run through on-desktop): the stored
// rectangle is the outer frame's, title bar included, as the Windows program kept it.
#include "Installation.h"
#include "WindowPlacementText.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

constexpr int WAIT_MS = 10000;

QString Tool(const QString& program, const QStringList& arguments) {
    QProcess tool;
    tool.start(program, arguments);
    tool.waitForFinished(WAIT_MS);
    return QString::fromLocal8Bit(tool.readAllStandardOutput());
}

// The client area as xwininfo has it, grown by the decorations the window manager declares.
std::optional<WindowPlacement> FrameOf(const QString& title) {
    const QString client = Tool("xwininfo", {"-name", title});
    const auto number = [&client](const char* field) {
        return QRegularExpression(QString(field) + ":\\s+(-?\\d+)")
            .match(client)
            .captured(1)
            .toInt();
    };
    const QString id = QRegularExpression("Window id: (0x[0-9a-f]+)").match(client).captured(1);
    const QRegularExpressionMatch margins =
        QRegularExpression("= (\\d+), (\\d+), (\\d+), (\\d+)")
            .match(Tool("xprop", {"-id", id, "_NET_FRAME_EXTENTS"}));
    if (id.isEmpty() || !margins.hasMatch())
        return std::nullopt;
    const int left = number("Absolute upper-left X") - margins.captured(1).toInt();
    const int top = number("Absolute upper-left Y") - margins.captured(3).toInt();
    return WindowPlacement{
        left, top,
        left + number("Width") + margins.captured(1).toInt() + margins.captured(2).toInt(),
        top + number("Height") + margins.captured(3).toInt() + margins.captured(4).toInt()};
}

TEST(WindowOnDesktop, FrameLandsOnTheStoredRectangleAndIsStoredAgain) {
    const QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        GTEST_SKIP() << "no X display: run through tests/e2e/on-desktop";
    const std::pair<const char*, WindowPlacement> cases[] = {
        {"", {0, 0, 500, 500}}, // the first start
        {"[MainFrameState]\r\nSettings=100 80 740 560 0 0\r\n", {100, 80, 740, 560}},
    };
    for (const auto& [stored, expected] : cases) {
        Installation installation(std::string(stored) + "[Settings]\r\nComPort=COM99\r\n");
        installation.Program().ShowOn(display);
        installation.Program().Start();
        // The client is fitted inside the frame once the window manager has told the decorations.
        std::optional<WindowPlacement> frame;
        if (!QTest::qWaitFor(
                [&, expected = expected] {
                    return (frame = FrameOf("Untitled - Quendix")) == expected;
                },
                WAIT_MS)) {
            ASSERT_TRUE(frame.has_value()) << "no window on " << display.toStdString();
        }
        EXPECT_EQ(FormatWindowPlacement(*frame), FormatWindowPlacement(expected));
        installation.Program().Terminate();
        EXPECT_NE(installation.Ini().find("Settings=" + FormatWindowPlacement(*frame) + "\r\n"),
                  std::string::npos)
            << installation.Ini();
    }
}

} // namespace
