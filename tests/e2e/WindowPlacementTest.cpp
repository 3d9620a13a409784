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
// The window manager's hints of the Motif toolkit, which the program sets and Qt writes.
constexpr unsigned MWM_FUNC_MINIMIZE = 1u << 3;
constexpr unsigned MWM_FUNC_MAXIMIZE = 1u << 4;
constexpr unsigned MWM_FUNC_CLOSE = 1u << 5;
constexpr unsigned MWM_DECOR_MINIMIZE = 1u << 5;
constexpr unsigned MWM_DECOR_MAXIMIZE = 1u << 6;

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

// Sent to the window as the X server would deliver a key typed on it.
void Type(const QString& id, KeySym key, unsigned modifiers = 0) {
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    XKeyEvent event{};
    event.display = display;
    event.window = id.toULong(nullptr, 16);
    event.root = DefaultRootWindow(display);
    event.same_screen = True;
    event.keycode = XKeysymToKeycode(display, key);
    event.state = modifiers;
    for (const int type : {KeyPress, KeyRelease}) {
        event.type = type;
        XSendEvent(display, event.window, True, KeyPressMask | KeyReleaseMask,
                   reinterpret_cast<XEvent*>(&event));
    }
    XCloseDisplay(display);
}

// As the close box does: the window manager asks the program to close the window.
void CloseByWindowManager(const QString& id) {
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = id.toULong(nullptr, 16);
    event.xclient.message_type = XInternAtom(display, "_NET_CLOSE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[1] = 2; // from a pager or a task bar: as the operator's own click
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XCloseDisplay(display);
}

QString AwaitWindow(const QString& title) {
    QString id;
    return QTest::qWaitFor([&] { return !(id = WindowId(title)).isEmpty() && FrameOf(id); },
                           WAIT_MS)
               ? id
               : QString();
}

// Whole on the screen, and the program asks for a close box without minimise or maximise boxes.
// Openbox keeps a minimise box on every window whatever a program asks; it offers no maximise
// box on a window that cannot be resized.
void ExpectWholeWithACloseBoxOnly(const QString& title, const QRect& screen) {
    const QString id = AwaitWindow(title);
    ASSERT_FALSE(id.isEmpty()) << title.toStdString() << " did not open";
    QRect frame;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return screen.contains(frame = FrameOf(id).value_or(QRect())); }, WAIT_MS))
        << title.toStdString() << " at " << Placement(frame);
    const QStringList hints = Property(id, "_MOTIF_WM_HINTS").section('=', 1).split(',');
    ASSERT_GE(hints.size(), 3) << title.toStdString();
    const unsigned functions = hints[1].trimmed().toUInt(nullptr, 16);
    const unsigned decorations = hints[2].trimmed().toUInt(nullptr, 16);
    EXPECT_EQ(functions & (MWM_FUNC_CLOSE | MWM_FUNC_MINIMIZE | MWM_FUNC_MAXIMIZE), MWM_FUNC_CLOSE);
    EXPECT_EQ(decorations & (MWM_DECOR_MINIMIZE | MWM_DECOR_MAXIMIZE), 0u);
    const QString actions = Property(id, "_NET_WM_ALLOWED_ACTIONS");
    EXPECT_TRUE(actions.contains("_NET_WM_ACTION_CLOSE")) << actions.toStdString();
    EXPECT_FALSE(actions.contains("_NET_WM_ACTION_MAXIMIZE")) << actions.toStdString();
    CloseByWindowManager(id);
    EXPECT_TRUE(QTest::qWaitFor([&] { return WindowId(title).isEmpty(); }, WAIT_MS))
        << title.toStdString() << " did not close";
}

class WindowOnDesktop : public ::testing::Test {
protected:
    void SetUp() override {
        m_display = qEnvironmentVariable("DISPLAY");
        if (m_display.isEmpty())
            GTEST_SKIP() << "no X display: run through tests/e2e/on-desktop";
        const QRegularExpressionMatch area = QRegularExpression("= (\\d+), (\\d+), (\\d+), (\\d+)")
                                                 .match(Tool("xprop", {"-root", "_NET_WORKAREA"}));
        ASSERT_TRUE(area.hasMatch()) << "the window manager tells no work area";
        m_screen = QRect(area.captured(1).toInt(), area.captured(2).toInt(),
                         area.captured(3).toInt(), area.captured(4).toInt());
    }
    void Start(Installation& installation) const {
        installation.Program().ShowOn(m_display);
        installation.Program().Start();
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
    QString m_display;
    QRect m_screen;
};

TEST_F(WindowOnDesktop, FrameLandsOnTheStoredRectangleAndIsStoredAgain) {
    const std::pair<const char*, QRect> cases[] = {
        {"", QRect(0, 0, 500, 500)}, // the first start
        {"[MainFrameState]\r\nSettings=100 80 740 560 0 0\r\n", QRect(100, 80, 640, 480)},
    };
    for (const auto& [stored, expected] : cases) {
        Installation installation(std::string(stored) + "[Settings]\r\nComPort=COM99\r\n");
        Start(installation);
        const QRect frame = AwaitFrame(expected);
        EXPECT_EQ(Placement(frame), Placement(expected));
        installation.Program().Terminate();
        EXPECT_NE(installation.Ini().find("Settings=" + Placement(frame) + "\r\n"),
                  std::string::npos)
            << installation.Ini();
    }
}

// Carried over from a larger screen; without its DATA folder the log cannot be opened, which the
// program says in a message box as it starts.
TEST_F(WindowOnDesktop, ATooLargeFrameIsFittedAndDialogsOpenWholeWithACloseBoxOnly) {
    Installation installation(
        "[MainFrameState]\r\nSettings=0 0 1600 900 0 0\r\n[Settings]\r\nComPort=COM99\r\n");
    std::filesystem::remove_all(installation.DataFolder());
    Start(installation);
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
