// SIGTERM and SIGINT close the window the normal way, after any dialog running over it.
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

TEST_P(TerminationSignals, CloseTheWindow) {
    QWidget window;
    window.show();
    CTerminationSignals termination;
    termination.CloseOnSignal(window);
    QSignalSpy aboutToClose(&termination, &CTerminationSignals::aboutToClose);

    std::raise(GetParam());

    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 5000));
    EXPECT_EQ(aboutToClose.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Signals, TerminationSignals, testing::Values(SIGTERM, SIGINT));

TEST(TerminationSignal, DuringStartUpIsHeldUntilTheWindowIsThere) {
    CTerminationSignals termination;
    std::raise(SIGTERM);
    QWidget window;
    window.show();
    QTest::qWait(50);
    EXPECT_TRUE(window.isVisible());

    termination.CloseOnSignal(window);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 5000));
}

// The log failure box of the start-up comes before the window and before the main event loop;
// unattended, a termination signal is the only answer it can get.
TEST(TerminationSignal, DuringStartUpClosesAMessageBoxShownBeforeTheWindow) {
    CTerminationSignals termination;
    AnswerNextModal([](QWidget*) { std::raise(SIGTERM); });
    bool closedByTheTest = false;
    QMessageBox box(QMessageBox::Warning, "Quendix", "text", QMessageBox::Ok);
    QTimer::singleShot(5000, &box, [&] {
        closedByTheTest = true;
        box.close();
    });
    box.exec();
    EXPECT_FALSE(closedByTheTest);

    QWidget window;
    window.show();
    termination.CloseOnSignal(window);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 5000));
}

// The box runs inside the main event loop, as a command's message box does.
TEST(TerminationSignal, ClosesARunningMessageBoxFirst) {
    QWidget window;
    window.show();
    CTerminationSignals termination;
    termination.CloseOnSignal(window);
    bool windowOpenWhenBoxReturned = false;
    QEventLoop mainLoop;
    QTimer::singleShot(0, [&] {
        AnswerNextModal([](QWidget*) { std::raise(SIGTERM); });
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
}

} // namespace
