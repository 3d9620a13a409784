#pragma once
// Answers, while it lives, every message box the code under test shows, and keeps their texts.

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <utility>

class MessageBoxAnswerer {
public:
    MessageBoxAnswerer() {
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                m_texts << box->text();
                box->accept();
            }
        });
        m_timer.start();
    }
    // The texts answered since the last call.
    QStringList TakeTexts() { return std::exchange(m_texts, {}); }

private:
    QTimer m_timer;
    QStringList m_texts;
};
