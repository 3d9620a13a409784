#pragma once
// Answers the next modal dialog or message box a test opens, so that no test waits on a person.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// Calls answer with the modal widget as soon as one is up; gives up after about five seconds.
inline void AnswerNextModal(std::function<void(QWidget*)> answer, int triesLeft = 500) {
    QTimer::singleShot(10, [answer = std::move(answer), triesLeft]() mutable {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            answer(modal);
        } else if (triesLeft > 0) {
            AnswerNextModal(std::move(answer), triesLeft - 1);
        }
    });
}
