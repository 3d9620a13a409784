#include "PrivateMounts.h"

#include <QProcess>
#include <utility>

namespace {

// $1: the folder to make read-only, or empty; then the command to run.
constexpr const char* SCRIPT = R"(
for device in /dev/ttyS* /dev/ttyUSB* /dev/ttyACM*; do
    if [ -e "$device" ]; then mount --bind /dev/null "$device" || exit 97; fi
done
if [ -n "$1" ]; then mount --bind -o ro "$1" "$1" || exit 97; fi
shift
exec "$@")";

constexpr int PROBE_WAIT_MS = 10000;

} // namespace

PrivateMounts::PrivateMounts(std::filesystem::path readOnlyFolder)
    : m_readOnlyFolder(std::move(readOnlyFolder)) {}

QStringList PrivateMounts::Launcher() const {
    return {"unshare",
            "--mount",
            "sh",
            "-c",
            SCRIPT,
            "sh",
            QString::fromStdString(m_readOnlyFolder.string())};
}

std::string PrivateMounts::WhyUnavailable() const {
    QProcess probe;
    probe.setProcessChannelMode(QProcess::MergedChannels);
    const QStringList launcher = Launcher();
    probe.start(launcher.front(), launcher.mid(1) << "true");
    if (!probe.waitForFinished(PROBE_WAIT_MS))
        return "unshare(1) did not run";
    if (probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
        return "no private mounts here (needs the privilege to mount): " +
               probe.readAll().trimmed().toStdString();
    return {};
}
