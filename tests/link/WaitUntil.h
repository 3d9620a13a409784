#pragma once
// A bounded wait that keeps the event loop running, for GoogleTest assertions (the QTRY_
// macros report to Qt Test, not to GoogleTest).

#include <QTest>
#include <chrono>

template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
    QDeadlineTimer deadline(timeout);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(5);
    }
    return true;
}
