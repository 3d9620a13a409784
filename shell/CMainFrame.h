#pragma once
// The program's one top-level window and the hub of the ranging cycle: it owns the
// interrogation timer and the serial link, turns timer ticks and reply notifications into calls
// of the document, and routes the menu commands.

#include "CLinkMonitor.h"
#include "CSerialLink.h"
#include "IMainWindow.h"
#include "PortDiagnosis.h"
#include "PortNamespace.h"

#include <QMainWindow>
#include <cstdint>
#include <string>
#include <vector>

class CQuendixDoc;
class IShellApp;

class CMainFrame : public QMainWindow, public IMainWindow {
    Q_OBJECT

public:
    // ports: where the settings' port names lead, for the link and for the port list.
    CMainFrame(IShellApp& app, PortNamespace ports);

    // The document the frame works for; null when there is none.
    void SetActiveDocument(CQuendixDoc* pDocument) { m_pDocument = pDocument; }
    CQuendixDoc* GetActiveDocument() const { return m_pDocument; }

    // Re-arms the timer, shows the window as the show command says, connects the link.
    void ActivateFrame(int nCmdShow);

    void SendToUnit(const std::string& text) override;
    void RestartInterrogationTimer() override;
    bool IsConnected() const override;
    bool Connect() override;
    void GetPortList(std::vector<std::string>& list) override;

protected:
    // Message 101, the link's notice that telegrams wait, reaches OnLinkReply.
    bool event(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
    void OnLinkReply();
    void OnSettings();
    void OnLogging();
    void ShowAs(int nCmdShow);
    // Tells a change of the link's state on the diagnostic output, in the view's tooltip and on
    // the view.
    void ReportLinkState(const CQuendixDoc& doc);
    static void MakeDeviceName(std::string& port);
    static int ParseBaudRate(const std::string& text);

    IShellApp& m_app;
    CQuendixDoc* m_pDocument = nullptr;
    // The Qt timer id of the interrogation timer; 0 while it is not armed.
    int m_nInterrogateTimer = 0;
    const PortNamespace m_ports;
    CSerialLink m_link;
    // What the port was doing when its state was last told.
    PortReport::State m_toldPortState = PortReport::State::Closed;
    const PortDiagnosis m_diagnosis;
    CLinkMonitor m_linkMonitor;
};
