// The program: start-up, the message loop, and the framework's end.

#include "CMainFrame.h"
#include "CQuendixApp.h"
#include "CTerminationSignals.h"
#include "PathFunctions.h"

#include <QApplication>
#include <QIcon>
#include <csignal>
#include <cstdlib>

namespace {

// The run script's way to show the window where there is no screen: a picture of it taken just
// before a termination signal closes it. Not an operator option.
void SnapshotOnTermination(CTerminationSignals& termination, QWidget& window) {
    const QString path = qEnvironmentVariable("QUENDIX_SNAPSHOT");
    if (path.isEmpty()) {
        return;
    }
    QObject::connect(&termination, &CTerminationSignals::aboutToClose, &window,
                     [&window, path] { window.grab().save(path); });
}

} // namespace

int main(int argc, char* argv[]) {
    // A file-size limit (ulimit -f) then fails a write with EFBIG, which the log takes as a full
    // disk, instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quendix"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quendix.png")));

    CTerminationSignals termination;
    CQuendixApp app(ProgramParentPath());
    if (!app.InitInstance()) {
        return EXIT_FAILURE;
    }
    termination.CloseOnSignal(*app.GetMainFrame());
    SnapshotOnTermination(termination, *app.GetMainFrame());
    return QApplication::exec();
}
