// SIGTERM and SIGINT close the window the normal way, after any dialog running over it. A signal
// during the start-up, before the window is there, is the log failure drills' part.
#include "CTerminationSignals.h"
#include "ModalAnswer.h"

#include <QEventLoop>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <csignal>
#include <gtest/gtest.h>

namespace {

class TerminationSignals : public testing::TestWithParam<int> {};

// The box runs inside the main event loop, as a command's message box does.
TEST_P(TerminationSignals, CloseARunningMessageBoxThenTheWindow) {
    QWidget window;
    window.show();
    CTerminationSignals termination;
    termination.CloseOnSignal(window);
    QSignalSpy aboutToClose(&termination, &CTerminationSignals::aboutToClose);
    bool windowOpenWhenBoxReturned = false;
    QEventLoop mainLoop;
    QTimer::singleShot(0, [&] {
        AnswerNextModal([](QWidget*) { std::raise(GetParam()); });
        QMessageBox box(QMessageBox::Warning, "Quendix", "text", QMessageBox::Ok, &window);
        box.exec();
        windowOpenWhenBoxReturned = window.isVisible();
    });
    QObject::connect(&termination, &CTerminationSignals::aboutToClose, &mainLoop,
                     &QEventLoop::quit);
    QTimer::singleShot(5000, &mainLoop, &QEventLoop::quit);
    mainLoop.exec();

    EXPECT_TRUE(windowOpenWhenBoxReturned);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 5000));
    EXPECT_EQ(aboutToClose.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Signals, TerminationSignals, testing::Values(SIGTERM, SIGINT));

} // namespace
