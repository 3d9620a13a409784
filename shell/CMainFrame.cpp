#include "CMainFrame.h"

#include "CQuendixDoc.h"
#include "CommandIds.h"
#include "IShellApp.h"
#include "PortDiscovery.h"
#include "PortText.h"
#include "QuendixCodes.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QTimerEvent>
#include <algorithm>
#include <climits>

CMainFrame::CMainFrame(IShellApp& app)
    : m_app(app), m_link([this]() -> IWindowTarget* { return this; }) {
    // The document's title for an unnamed document, then the program's.
    setWindowTitle(QStringLiteral("Untitled - Quendix"));
    CreateMenus();
}

void CMainFrame::CreateMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    AddCommand(file, QStringLiteral("&Logging..."), ID_LOGGING);
    AddCommand(file, QStringLiteral("E&xit"), ID_APP_EXIT);
    AddCommand(menuBar(), QStringLiteral("&Settings"), ID_SETTINGS);
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    AddCommand(help, QStringLiteral("&About Quendix..."), ID_APP_ABOUT);
    AddCommand(this, QString(), ID_FILE_NEW)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    AddCommand(this, QString(), ID_FILE_OPEN)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
}

QAction* CMainFrame::AddCommand(QWidget* target, const QString& text, unsigned id) {
    auto* action = new QAction(text, target);
    target->addAction(action);
    connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    return action;
}

void CMainFrame::ActivateFrame(int nCmdShow) {
    RestartInterrogationTimer();
    ShowAs(nCmdShow);
    Connect();
}

void CMainFrame::ShowAs(int nCmdShow) {
    switch (nCmdShow) {
    case SW_SHOWNORMAL:
        showNormal();
        break;
    case SW_SHOWMAXIMIZED:
        showMaximized();
        break;
    case SW_SHOWMINNOACTIVE:
        setAttribute(Qt::WA_ShowWithoutActivating);
        showMinimized();
        setAttribute(Qt::WA_ShowWithoutActivating, false);
        return;
    default:
        setWindowState(windowState() & ~Qt::WindowMinimized);
        show();
        break;
    }
    raise();
    activateWindow();
}

bool CMainFrame::OnCommand(std::uint32_t wParam) {
    // A reception may be signalled as command 101 as well as message 101; the command is then
    // routed like any other, and nothing else handles it.
    if (wParam == WM_LINK_REPLY) {
        OnLinkReply();
    }
    return RouteCommand(wParam & 0xFFFFU);
}

bool CMainFrame::RouteCommand(unsigned id) {
    if (CQuendixDoc* doc = GetActiveDocument()) {
        if (id == static_cast<unsigned>(ID_SETTINGS)) {
            doc->OnSettings();
            return true;
        }
        if (id == static_cast<unsigned>(ID_LOGGING)) {
            doc->OnLogging();
            return true;
        }
    }
    return m_app.OnAppCommand(id);
}

void CMainFrame::OnWindowMessage(std::uint32_t message) {
    if (message == WM_LINK_REPLY) {
        OnLinkReply();
    }
}

// Hands the last text received to the document, even when nothing was queued.
void CMainFrame::OnLinkReply() {
    const std::string text = m_link.Receive();
    if (CQuendixDoc* doc = GetActiveDocument()) {
        doc->OnReply(text);
    }
}

void CMainFrame::timerEvent(QTimerEvent* event) {
    if (m_nInterrogateTimer == 0 || event->timerId() != m_nInterrogateTimer) {
        QMainWindow::timerEvent(event);
        return;
    }
    CQuendixDoc* doc = GetActiveDocument();
    if (doc == nullptr) {
        return;
    }
    // A lost device (an adapter unplugged) comes back by itself once it is there again.
    if (!m_link.IsConnected()) {
        Connect();
    }
    doc->OnInterrogateTimer();
}

void CMainFrame::RestartInterrogationTimer() {
    CQuendixDoc* doc = GetActiveDocument();
    if (doc == nullptr) {
        return;
    }
    if (m_nInterrogateTimer != 0) {
        killTimer(m_nInterrogateTimer);
    }
    m_nInterrogateTimer = 0;
    // A hand-edited period too long for the timer runs at the longest interval it allows.
    const std::uint32_t interval = std::min<std::uint32_t>(doc->GetTimerInterval(), INT_MAX);
    if (interval != 0) {
        m_nInterrogateTimer = startTimer(static_cast<int>(interval));
    }
}

void CMainFrame::SendToUnit(const std::string& text) {
    m_link.Send(text);
    m_link.Send("\n");
}

bool CMainFrame::IsConnected() const {
    return m_link.IsConnected();
}

bool CMainFrame::Connect() {
    CQuendixDoc* doc = GetActiveDocument();
    if (doc == nullptr) {
        return false;
    }
    std::string port = doc->GetComPort();
    const std::string baud = doc->GetBaudRate();
    m_link.Close();
    MakeDeviceName(port);
    m_link.SetPortName(port);
    m_link.SetBaud(ParseBaudRate(baud));
    return m_link.Open(WM_LINK_REPLY);
}

// Without a document there is no current port to put first: only the ports present.
void CMainFrame::GetPortList(std::vector<std::string>& list) {
    if (CQuendixDoc* doc = GetActiveDocument()) {
        AppendPortList(list, doc->GetComPort());
    } else {
        EnumerateComPorts(list, HIGHEST_PORT_PROBED);
    }
}

void CMainFrame::MakeDeviceName(std::string& port) {
    ::MakeDeviceName(port);
}

int CMainFrame::ParseBaudRate(const std::string& text) {
    return ::ParseBaudRate(text);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_nInterrogateTimer != 0) {
        killTimer(m_nInterrogateTimer);
        m_nInterrogateTimer = 0;
    }
    m_link.Close();
    m_app.SaveWindowPlacement();
    QMainWindow::closeEvent(event);
}
