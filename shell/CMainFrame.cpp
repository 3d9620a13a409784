#include "CMainFrame.h"

#include "CQuendixDoc.h"
#include "CommandIds.h"
#include "IShellApp.h"
#include "LinkStateToolTip.h"
#include "PortDiscovery.h"
#include "PortText.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QTimerEvent>
#include <algorithm>
#include <climits>

CMainFrame::CMainFrame(IShellApp& app, PortNamespace ports)
    : m_app(app), m_ports(std::move(ports)), m_link([this]() -> QObject* { return this; }, m_ports),
      m_diagnosis(m_ports), m_linkMonitor(m_diagnosis) {
    // The document's title for an unnamed document, then the program's.
    setWindowTitle(QStringLiteral("Untitled - Quendix"));
    CreateMenus();
}

void CMainFrame::CreateMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Logging..."), this, &CMainFrame::OnLogging);
    file->addAction(QStringLiteral("E&xit"), this, &QWidget::close);
    menuBar()->addAction(QStringLiteral("&Settings"), this, &CMainFrame::OnSettings);
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&About Quendix..."), this, [this] { m_app.OnAppAbout(); });
    QAction* newDocument = addAction(QString(), this, [this] { m_app.OnFileNew(); });
    newDocument->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction* openDocument = addAction(QString(), this, [this] { m_app.OnFileOpen(); });
    openDocument->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
}

void CMainFrame::OnSettings() {
    if (CQuendixDoc* doc = GetActiveDocument()) {
        doc->OnSettings();
    }
}

void CMainFrame::OnLogging() {
    if (CQuendixDoc* doc = GetActiveDocument()) {
        doc->OnLogging();
    }
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

bool CMainFrame::event(QEvent* event) {
    if (event->type() == WindowMessageEvent(WM_LINK_REPLY)) {
        OnLinkReply();
        return true;
    }
    return QMainWindow::event(event);
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
    // A lost device (an adapter unplugged) or server comes back by itself once it is there
    // again. What the port did since it was last told (lost, or a connection made or failed) is
    // told before a reconnection replaces it; a connection under way is left to finish.
    if (m_link.Report().state != m_toldPortState) {
        ReportLinkState(*doc);
    }
    if (!m_link.IsConnected() && !m_link.IsOpening()) {
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
    const bool bConnected = m_link.Open(WM_LINK_REPLY);
    ReportLinkState(*doc);
    return bConnected;
}

void CMainFrame::ReportLinkState(const CQuendixDoc& doc) {
    m_toldPortState = m_link.Report().state;
    const LinkState state = m_diagnosis.Classify(m_link, doc.GetComPort(), doc.GetBaudRate());
    const std::optional<std::string> text = m_linkMonitor.Note(state, CLinkMonitor::Clock::now());
    if (text && centralWidget()) {
        centralWidget()->setToolTip(LinkStateToolTip(*text));
        centralWidget()->update();
    }
}

// Without a document there is no current port to put first: only the ports present.
void CMainFrame::GetPortList(std::vector<std::string>& list) {
    if (CQuendixDoc* doc = GetActiveDocument()) {
        AppendPortList(list, doc->GetComPort(), m_ports);
    } else {
        EnumerateComPorts(list, HIGHEST_PORT_PROBED, m_ports);
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
