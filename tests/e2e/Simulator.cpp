#include "Simulator.h"

#include <QTest>
#include <filesystem>

namespace {

constexpr int WAIT_MS = 10000;

} // namespace

Simulator::Simulator(const QStringList& options) {
    m_process.start(QUENDIX_SIM, QStringList{"--link", QString::fromStdString(m_link)} + options);
    if (!QTest::qWaitFor([&] { return std::filesystem::exists(m_link); }, WAIT_MS))
        m_link.clear();
}

QString Simulator::ReadLineWith(const QString& text) {
    const QDeadlineTimer deadline(WAIT_MS);
    while (!deadline.hasExpired()) {
        if (!m_process.canReadLine()) {
            m_process.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
            continue;
        }
        const QString line = QString::fromUtf8(m_process.readLine());
        if (line.contains(text))
            return line.trimmed();
    }
    return {};
}

std::optional<std::string> Simulator::Stop() {
    m_process.terminate();
    if (!m_process.waitForFinished(WAIT_MS) || m_process.exitStatus() != QProcess::NormalExit ||
        m_process.exitCode() != 0)
        return std::nullopt;
    return m_process.readAllStandardOutput().toStdString();
}
