// The yardstick for the display's memory: a minimal Qt main window, shown and idle, with a menu
// and a line of text (so the text engine is loaded, as in any real window).
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.setCentralWidget(new QLabel(QStringLiteral("Minimal window")));
    window.resize(500, 500);
    window.show();
    return QApplication::exec();
}
