// The real program on a real X server with a window manager (run through on-desktop, on a screen
// of 1024 x 600): the stored rectangle is the outer frame's, title bar included, as the Windows
// program kept it; a stored frame larger than the screen is fitted to it; dialogs and message
// boxes open whole on the screen with a close box only.
#include "Installation.h"
#include "WindowPlacementText.h"

#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QTest>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

constexpr int WAIT_MS = 10000;
// In the Motif hints the program sets: the minimise and maximise functions, and boxes.
constexpr unsigned MWM_FUNC_CLOSE = 1u << 5;
constexpr unsigned MWM_FUNC_MINIMISE_MAXIMISE = 3u << 3;
constexpr unsigned MWM_DECOR_MINIMISE_MAXIMISE = 3u << 5;

QString Tool(const QString& program, const QStringList& arguments) {
    QProcess tool;
    tool.start(program, arguments);
    tool.waitForFinished(WAIT_MS);
    return QString::fromLocal8Bit(tool.readAllStandardOutput());
}

// The program's managed window of that title (the window manager gave it a class), or "".
QString WindowId(const QString& title) {
    const QRegularExpression line("(0x[0-9a-f]+) \"" + QRegularExpression::escape(title) +
                                  "\": \\(\"quendix\"");
    return line.match(Tool("xwininfo", {"-root", "-tree"})).captured(1);
}

QString Property(const QString& id, const char* name) {
    return Tool("xprop", {"-id", id, name});
}

// The client area as xwininfo has it, grown by the decorations the window manager declares.
std::optional<QRect> FrameOf(const QString& id) {
    if (id.isEmpty()) // xwininfo would wait for a click on a window
        return std::nullopt;
    const QString client = Tool("xwininfo", {"-id", id});
    const auto number = [&client](const char* field) {
        return QRegularExpression(QString(field) + ":\\s+(-?\\d+)")
            .match(client)
            .captured(1)
            .toInt();
    };
    const QRegularExpressionMatch margins = QRegularExpression("= (\\d+), (\\d+), (\\d+), (\\d+)")
                                                .match(Property(id, "_NET_FRAME_EXTENTS"));
    if (!margins.hasMatch())
        return std::nullopt;
    const auto margin = [&margins](int n) { return margins.captured(n).toInt(); };
    return QRect(number("Absolute upper-left X"), number("Absolute upper-left Y"), number("Width"),
                 number("Height"))
        .adjusted(-margin(1), -margin(3), margin(2), margin(4));
}

std::string Placement(const QRect& frame) {
    return FormatWindowPlacement(
        {frame.left(), frame.top(), frame.right() + 1, frame.bottom() + 1, false, false});
}

// Delivered to the window as a key typed on it.
void Type(const QString& id, KeySym key, unsigned modifiers = 0) {
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    const Window window = id.toULong(nullptr, 16);
    XKeyEvent event{
        KeyPress, 0, False, display, window,    DefaultRootWindow(display),     None, CurrentTime,
        0,        0, 0,     0,       modifiers, XKeysymToKeycode(display, key), True};
    for (const int type : {KeyPress, KeyRelease}) {
        event.type = type;
        XSendEvent(display, window, True, 0, reinterpret_cast<XEvent*>(&event));
    }
    XCloseDisplay(display);
}

// Whole on the screen, and the program asks for a close box without minimise or maximise boxes.
// Openbox keeps a minimise box on every window whatever a program asks; it offers no maximise
// box on a window that cannot be resized.
void ExpectWholeWithACloseBoxOnly(const QString& title, const QRect& screen) {
    QString id;
    ASSERT_TRUE(QTest::qWaitFor([&] { return FrameOf(id = WindowId(title)).has_value(); }, WAIT_MS))
        << title.toStdString() << " did not open";
    QRect frame;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return screen.contains(frame = FrameOf(id).value_or(QRect())); }, WAIT_MS))
        << title.toStdString() << " at " << Placement(frame);
    const QStringList hints =
        Property(id, "_MOTIF_WM_HINTS").section('=', 1).remove(' ').split(',');
    EXPECT_EQ(hints.value(1).toUInt(nullptr, 16) & (MWM_FUNC_CLOSE | MWM_FUNC_MINIMISE_MAXIMISE),
              MWM_FUNC_CLOSE);
    EXPECT_EQ(hints.value(2).toUInt(nullptr, 16) & MWM_DECOR_MINIMISE_MAXIMISE, 0u);
    const QString actions = Property(id, "_NET_WM_ALLOWED_ACTIONS");
    EXPECT_TRUE(actions.contains("_NET_WM_ACTION_CLOSE")) << actions.toStdString();
    EXPECT_FALSE(actions.contains("_NET_WM_ACTION_MAXIMIZE")) << actions.toStdString();
    Type(id, XK_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return WindowId(title).isEmpty(); }, WAIT_MS));
}

class WindowOnDesktop : public ::testing::Test {
protected:
    void SetUp() override {
        m_display = qEnvironmentVariable("DISPLAY");
        if (m_display.isEmpty())
            GTEST_SKIP() << "no X display: run through tests/e2e/on-desktop";
    }
    // Waits until the main window's frame has come to rest on the expected one: the client is
    // fitted inside the frame once the window manager has told the decorations.
    static QRect AwaitFrame(const QRect& expected) {
        std::optional<QRect> frame;
        if (!QTest::qWaitFor([&] { return (frame = FrameOf(WindowId(MAIN))) == expected; },
                             WAIT_MS))
            ADD_FAILURE() << "the main window is not at " << Placement(expected);
        return frame.value_or(QRect());
    }

    static constexpr const char* MAIN = "Untitled - Quendix";
    // on-desktop's screen for this test, which openbox leaves whole to the windows
    const QRect m_screen{0, 0, 1024, 600};
    QString m_display;
};

TEST_F(WindowOnDesktop, FrameLandsOnTheStoredRectangleAndIsStoredAgain) {
    Installation installation(
        "[MainFrameState]\r\nSettings=100 80 740 560 0 0\r\n[Settings]\r\nComPort=COM99\r\n");
    installation.Program().ShowOn(m_display);
    installation.Program().Start();
    const QRect frame = AwaitFrame(QRect(100, 80, 640, 480));
    EXPECT_EQ(Placement(frame), "100 80 740 560 0 0");
    installation.Program().Terminate();
    EXPECT_NE(installation.Ini().find("Settings=" + Placement(frame) + "\r\n"), std::string::npos)
        << installation.Ini();
}

// Carried over from a larger screen; without its DATA folder the log cannot be opened, which the
// program says in a message box as it starts.
TEST_F(WindowOnDesktop, ATooLargeFrameIsFittedAndDialogsOpenWholeWithACloseBoxOnly) {
    Installation installation(
        "[MainFrameState]\r\nSettings=0 0 1600 900 0 0\r\n[Settings]\r\nComPort=COM99\r\n");
    std::filesystem::remove_all(installation.DataFolder());
    installation.Program().ShowOn(m_display);
    installation.Program().Start();
    ExpectWholeWithACloseBoxOnly("Quendix", m_screen);
    const QRect frame = AwaitFrame(m_screen);
    EXPECT_EQ(Placement(frame), Placement(m_screen));

    const QString main = WindowId(MAIN);
    Type(main, XK_s, Mod1Mask); // Alt+S: Settings
    ExpectWholeWithACloseBoxOnly("Quendix Display Settings", m_screen);
    Type(main, XK_h, Mod1Mask); // Alt+H, A: Help > About
    Type(main, XK_a);
    ExpectWholeWithACloseBoxOnly("About Quendix Instruments Quendix Display", m_screen);

    installation.Program().Terminate();
    EXPECT_NE(installation.Ini().find("Settings=" + Placement(frame) + "\r\n"), std::string::npos)
        << installation.Ini();
}

} // namespace
