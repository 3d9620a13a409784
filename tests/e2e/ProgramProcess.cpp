#include "ProgramProcess.h"

#include <QProcessEnvironment>
#include <gtest/gtest.h>
#include <utility>

namespace {

constexpr int EXIT_WAIT_MS = 10000;

} // namespace

ProgramProcess::ProgramProcess(std::filesystem::path binary) : m_binary(std::move(binary)) {}

void ProgramProcess::Start(const QStringList& launcher) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", m_display.isEmpty() ? "offscreen" : "xcb");
    if (!m_display.isEmpty())
        environment.insert("DISPLAY", m_display);
    m_process.setProcessEnvironment(environment);
    m_process.setWorkingDirectory(
        QString::fromStdString(std::filesystem::temp_directory_path().string()));
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QStringList command = launcher + QStringList{QString::fromStdString(m_binary.string())};
    m_process.start(command.front(), command.mid(1));
    ASSERT_TRUE(m_process.waitForStarted());
}

void ProgramProcess::Terminate() {
    m_process.terminate();
    ASSERT_TRUE(m_process.waitForFinished(EXIT_WAIT_MS));
    EXPECT_EQ(m_process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_process.exitCode(), 0);
}

void ProgramProcess::Kill() {
    m_process.kill();
    ASSERT_TRUE(m_process.waitForFinished(EXIT_WAIT_MS));
    EXPECT_EQ(m_process.exitStatus(), QProcess::CrashExit);
}
