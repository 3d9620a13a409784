#include "tests/e2e/Installation.h"

#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

constexpr int EXIT_WAIT_MS = 10000;

} // namespace

Installation::Installation(const std::string& ini) {
    fs::create_directories(DataFolder());
    fs::create_directories(m_folder / "INI");
    // A copy, not a link: the program finds its INI file from its own resolved location.
    fs::copy_file(QUENDIX_BINARY, m_folder / "bin" / "quendix");
    TempFolder::WriteAll(IniPath(), ini);
}

void Installation::Start(const QStringList& launcher) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    m_process.setProcessEnvironment(environment);
    m_process.setWorkingDirectory(QString::fromStdString(fs::temp_directory_path().string()));
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QString program = QString::fromStdString((m_folder / "bin" / "quendix").string());
    if (launcher.isEmpty())
        m_process.start(program, {});
    else
        m_process.start(launcher.front(), launcher.mid(1) << program);
    ASSERT_TRUE(m_process.waitForStarted());
}

void Installation::Terminate() {
    m_process.terminate();
    ASSERT_TRUE(m_process.waitForFinished(EXIT_WAIT_MS));
    EXPECT_EQ(m_process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_process.exitCode(), 0);
}

void Installation::Kill() {
    m_process.kill();
    ASSERT_TRUE(m_process.waitForFinished(EXIT_WAIT_MS));
    EXPECT_EQ(m_process.exitStatus(), QProcess::CrashExit);
}
