// The frame's timer, reply and command routing, activation and close, with a real document on a
// fake host and a fake application.
#include "CMainFrame.h"
#include "CQuendixDoc.h"
#include "CommandIds.h"
#include "FakeDocHost.h"
#include "IShellApp.h"
#include "LogCapture.h"
#include "PortMap.h"
#include "PtyFarEnd.h"
#include "ReplyMechanism.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimerEvent>
#include <gmock/gmock.h>

namespace {

using namespace std::chrono_literals;
using testing::ElementsAre;
using testing::HasSubstr;

class FakeShellApp : public IShellApp {
public:
    void SaveWindowPlacement() override {
        calls.push_back("SaveWindowPlacement");
        onSavePlacement();
    }
    void OnAppAbout() override { calls.push_back("OnAppAbout"); }
    bool OnFileNew() override {
        calls.push_back("OnFileNew");
        return true;
    }
    void OnFileOpen() override { calls.push_back("OnFileOpen"); }

    std::vector<std::string> calls;
    std::function<void()> onSavePlacement = [] {};
};

// A port that resolves to no device: the link opens but does not connect.
constexpr const char* NO_DEVICE = "[Settings]\r\nComPort=COM99\r\n";

class MainFrameTest : public testing::Test {
protected:
    void SetUp() override { Reload(NO_DEVICE); }

    // A new document on this INI text; the one before saves its settings first.
    void Reload(const std::string& ini) {
        document.reset();
        host.SetIniText(ini);
        document = std::make_unique<CQuendixDoc>(host);
        document->OnNewDocument();
        frame.SetActiveDocument(document.get());
    }

    QList<QAbstractEventDispatcher::TimerInfo> Timers() {
        return QAbstractEventDispatcher::instance()->registeredTimers(&frame);
    }

    void Tick(int timerId) {
        QTimerEvent tick(timerId);
        QCoreApplication::sendEvent(&frame, &tick);
    }

    // A window message, as the link posts it.
    void Message(std::uint32_t message) {
        QEvent event(WindowMessageEvent(message));
        QCoreApplication::sendEvent(&frame, &event);
    }

    FakeDocHost host;
    std::unique_ptr<CQuendixDoc> document;
    FakeShellApp app;
    PortMap ports;
    CMainFrame frame{app, ports.Namespace()};
};

// The timer runs at the document's period (2 s unless stored). A reply that reaches the document
// with nothing queued hands on the empty text: a bad telegram.
TEST_F(MainFrameTest, OnlyItsTimerAndMessage101ReachTheDocumentAndOnlyWhileItHasOne) {
    frame.ActivateFrame(SW_SHOWNORMAL);
    ASSERT_EQ(Timers().size(), 1);
    EXPECT_EQ(Timers().front().interval, 2000);
    const int interrogation = Timers().front().timerId;
    Tick(interrogation + 1000);
    Message(102);
    EXPECT_TRUE(host.mainWindow.calls.empty());
    EXPECT_EQ(document->GetStatus(), STAT_NO_TELEGRAM);
    Tick(interrogation);
    Message(101);
    EXPECT_EQ(host.mainWindow.calls, std::vector<std::string>{"SendToUnit $10%"});
    EXPECT_EQ(document->GetStatus(), STAT_BAD_TELEGRAM);

    frame.SetActiveDocument(nullptr);
    Tick(interrogation);
    Message(101);
    frame.RestartInterrogationTimer();
    EXPECT_EQ(host.mainWindow.calls.size(), 1U);
    EXPECT_EQ(Timers().size(), 1);
    EXPECT_FALSE(frame.Connect());
    EXPECT_TRUE(app.calls.empty());

    // A hand-edited -1 runs at the longest interval the timer allows, which Qt reports rounded.
    Reload(std::string(NO_DEVICE) + "Period=-1\r\n");
    frame.RestartInterrogationTimer();
    EXPECT_EQ(Timers().size(), 1);
}

// The entries' texts, each menu's own in brackets after its entry.
QString Texts(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* action : actions)
        texts << action->text() +
                     (action->menu() ? "[" + Texts(action->menu()->actions()) + "]" : "");
    return texts.join(',');
}

// "&Settings" is a command on the bar; Ctrl+N and Ctrl+O are on no menu. Exit closes the frame
// without a timer, saving the placement all the same.
TEST_F(MainFrameTest, MenuAndAcceleratorSendTheirCommands) {
    const QList<QAction*> bar = frame.menuBar()->actions();
    ASSERT_EQ(Texts(bar), "&File[&Logging...,E&xit],&Settings,&Help[&About Quendix...]");
    const QList<QAction*> file = bar[0]->menu()->actions();
    const QList<QAction*> help = bar[2]->menu()->actions();

    file[0]->trigger();
    EXPECT_EQ(host.saveRequests.size(), 1U);
    bar[1]->trigger();
    EXPECT_EQ(host.seenBySettingsDialog.size(), 1U);
    help[0]->trigger();
    const QList<QAction*> own = frame.actions();
    ASSERT_EQ(own.size(), 2);
    EXPECT_EQ(own[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(own[1]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    own[0]->trigger();
    own[1]->trigger();
    frame.show();
    file[1]->trigger();
    EXPECT_FALSE(frame.isVisible());
    EXPECT_EQ(app.calls, (std::vector<std::string>{"OnAppAbout", "OnFileNew", "OnFileOpen",
                                                   "SaveWindowPlacement"}));
}

// The frame on a real serial link: a pseudo-terminal mapped to COM1, played by the test.
class FrameOnPortTest : public MainFrameTest {
protected:
    void SetUp() override {
        ports.Map("COM1", unit->SlavePath());
        Reload("[Settings]\r\nComPort=COM1\r\n");
    }

    std::unique_ptr<PtyFarEnd> unit = std::make_unique<PtyFarEnd>();
};

// A second activation closes the first opening: the port is locked while it is open, so a
// link left open would make the second fail. Closing stops the timer and the link before the
// placement is saved.
TEST_F(FrameOnPortTest, TalksAfterASecondActivationAndClosesTheLinkBeforeSavingPlacement) {
    frame.ActivateFrame(SW_SHOWNORMAL);
    frame.ActivateFrame(SW_DEFAULT_ACTIVATION);
    ASSERT_TRUE(frame.IsConnected());

    frame.SendToUnit("$10%");
    EXPECT_EQ(unit->Read(5, 5s), "$10%\n");
    unit->Write("$123.4 ^^^^\r\n");
    EXPECT_TRUE(QTest::qWaitFor([&] { return document->GetStatus() == STAT_OK; }, 5000));

    app.onSavePlacement = [&] {
        EXPECT_EQ(Timers().size(), 0);
        EXPECT_FALSE(frame.IsConnected());
    };
    EXPECT_TRUE(frame.close());
    EXPECT_EQ(app.calls, std::vector<std::string>{"SaveWindowPlacement"});
}

// Each change is told once, on standard error and in the view's tooltip: a minute of ticks
// with the device away is one line.
TEST_F(FrameOnPortTest, LostDeviceReconnectsAtATickOnceItIsBack) {
    const LogCapture log;
    auto* view = new QWidget;
    frame.setCentralWidget(view);
    const std::string stableName = (host.Folder() / "ttyAdapter").string();
    std::filesystem::create_symlink(unit->SlavePath(), stableName);
    ports.Map("COM1", stableName);
    frame.ActivateFrame(SW_SHOWNORMAL);
    const int interrogation = Timers().front().timerId;
    ASSERT_TRUE(frame.IsConnected());

    // Unplugged: the device goes, and its stable name with it.
    unit->HangUp();
    std::filesystem::remove(stableName);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !frame.IsConnected(); }, 5000));
    for (int tick = 0; tick < 60; ++tick) {
        Tick(interrogation);
    }
    EXPECT_FALSE(frame.IsConnected());
    EXPECT_THAT(view->toolTip().toStdString(), HasSubstr(stableName + "<br>device lost<br>"));

    unit = std::make_unique<PtyFarEnd>();
    std::filesystem::create_symlink(unit->SlavePath(), stableName);
    Tick(interrogation);
    EXPECT_TRUE(frame.IsConnected());
    EXPECT_THAT(log.Lines(), ElementsAre(HasSubstr("connected"), HasSubstr("device lost"),
                                         HasSubstr("reconnected after")));
}

} // namespace
