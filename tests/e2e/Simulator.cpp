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

std::optional<std::string> Simulator::Stop() {
    m_process.terminate();
    if (!m_process.waitForFinished(WAIT_MS))
        return std::nullopt;
    return m_process.readAllStandardOutput().toStdString();
}
