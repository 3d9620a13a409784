#include "PrivateMounts.h"

#include <QProcess>

namespace {

// $1: the folder to make read-only, or empty; $2: the folder to put on a small disk, or empty;
// then the command to run.
constexpr const char* SCRIPT = R"(
for device in /dev/ttyS* /dev/ttyUSB* /dev/ttyACM*; do
    if [ -e "$device" ]; then mount --bind /dev/null "$device" || exit 97; fi
done
if [ -n "$1" ]; then mount --bind -o ro "$1" "$1" || exit 97; fi
if [ -n "$2" ]; then mount -t tmpfs -o size=1m quendix-drill "$2" || exit 97; fi
shift 2
exec "$@")";

} // namespace

QStringList PrivateMounts(const std::filesystem::path& readOnlyFolder,
                          const std::filesystem::path& smallDisk) {
    return QStringList{"unshare", "--mount", "sh", "-c", SCRIPT, "sh"}
           << QString::fromStdString(readOnlyFolder.string())
           << QString::fromStdString(smallDisk.string());
}

std::string WhyNoPrivateMounts(const std::filesystem::path& readOnlyFolder,
                               const std::filesystem::path& smallDisk) {
    QProcess probe;
    probe.setProcessChannelMode(QProcess::MergedChannels);
    probe.start("unshare", PrivateMounts(readOnlyFolder, smallDisk).mid(1) << "true");
    if (!probe.waitForFinished(10000))
        return "unshare(1) did not run";
    if (probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
        return "no private mounts here (needs the privilege to mount): " +
               probe.readAll().trimmed().toStdString();
    return {};
}
