#include "XDesktop.h"

#include <QDeadlineTimer>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTest>

namespace {

constexpr int START_WAIT_MS = 10000;
constexpr int TOOL_WAIT_MS = 5000;

int Field(const QString& text, const QString& name) {
    const QRegularExpressionMatch match =
        QRegularExpression(name + QStringLiteral(":\\s+(-?\\d+)")).match(text);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

void Stop(QProcess& process) {
    if (process.state() == QProcess::NotRunning) {
        return;
    }
    process.terminate();
    if (!process.waitForFinished(START_WAIT_MS)) {
        process.kill();
        process.waitForFinished(START_WAIT_MS);
    }
}

} // namespace

XDesktop::XDesktop() {
    if (StartServer()) {
        StartWindowManager();
    }
}

XDesktop::~XDesktop() {
    Stop(m_windowManager);
    Stop(m_server);
}

// -displayfd: the server takes a free display number and writes it to standard output.
bool XDesktop::StartServer() {
    m_server.start(QStringLiteral("Xvfb"),
                   {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                    QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                    QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    const QDeadlineTimer deadline(START_WAIT_MS);
    while (!m_server.canReadLine() && m_server.waitForReadyRead(deadline.remainingTime())) {
    }
    if (!m_server.canReadLine()) {
        m_failure = QStringLiteral("Xvfb did not start: ") + m_server.errorString();
        return false;
    }
    m_display = QLatin1Char(':') + QString::fromLatin1(m_server.readLine()).trimmed();
    return true;
}

// The window manager is ready once it has announced itself on the root window.
bool XDesktop::StartWindowManager() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_display);
    m_windowManager.setProcessEnvironment(environment);
    m_windowManager.start(QStringLiteral("openbox"), {});
    if (!m_windowManager.waitForStarted(START_WAIT_MS)) {
        m_failure = QStringLiteral("openbox did not start: ") + m_windowManager.errorString();
        return false;
    }
    const auto announced = [this] {
        const std::optional<QString> check =
            Run(QStringLiteral("xprop"),
                {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
        return check && check->contains(QStringLiteral("window id"));
    };
    if (!QTest::qWaitFor(announced, START_WAIT_MS)) {
        m_failure = QStringLiteral("openbox did not announce itself on ") + m_display +
                    QStringLiteral(" (or xprop of x11-utils is missing)");
        return false;
    }
    return true;
}

// The client area from xwininfo, grown by the decorations the window manager declares.
std::optional<QRect> XDesktop::FrameOf(const QString& title) const {
    const std::optional<QString> client =
        Run(QStringLiteral("xwininfo"), {QStringLiteral("-name"), title});
    if (!client) {
        return std::nullopt;
    }
    const QString id =
        QRegularExpression(QStringLiteral("Window id: (0x[0-9a-f]+)")).match(*client).captured(1);
    const std::optional<QString> extents = Run(
        QStringLiteral("xprop"), {QStringLiteral("-id"), id, QStringLiteral("_NET_FRAME_EXTENTS")});
    const QRegularExpressionMatch margins =
        QRegularExpression(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)"))
            .match(extents.value_or(QString()));
    if (!margins.hasMatch()) {
        return std::nullopt;
    }
    const int left = margins.captured(1).toInt();
    const int right = margins.captured(2).toInt();
    const int top = margins.captured(3).toInt();
    const int bottom = margins.captured(4).toInt();
    return QRect(Field(*client, QStringLiteral("Absolute upper-left X")) - left,
                 Field(*client, QStringLiteral("Absolute upper-left Y")) - top,
                 Field(*client, QStringLiteral("Width")) + left + right,
                 Field(*client, QStringLiteral("Height")) + top + bottom);
}

// A tool's standard output on this display; nothing when it failed.
std::optional<QString> XDesktop::Run(const QString& program, const QStringList& arguments) const {
    QProcess tool;
    tool.start(program, QStringList{QStringLiteral("-display"), m_display} + arguments);
    if (!tool.waitForFinished(TOOL_WAIT_MS) || tool.exitStatus() != QProcess::NormalExit ||
        tool.exitCode() != 0) {
        tool.kill();
        tool.waitForFinished(TOOL_WAIT_MS);
        return std::nullopt;
    }
    return QString::fromLocal8Bit(tool.readAllStandardOutput());
}
