#pragma once
// The application: finds the INI file through the program's own path, creates the document,
// the main frame and the view, puts the window back where the operator left it, and serves
// the document with everything platform-bound it needs.

#include "CommandIds.h"
#include "IDocHost.h"
#include "IShellApp.h"

#include <QPointer>
#include <memory>
#include <string>

class CDialogPlacer;
class CFramePlacer;
class CMainFrame;
class CPrivateProfile;
class CQuendixDoc;
class CQuendixView;
class QWidget;

class CQuendixApp final : public IDocHost, public IShellApp {
public:
    // parentPath: the folder holding the program's file, ending in a separator; the INI file
    // and the DATA folder are found from it.
    explicit CQuendixApp(std::string parentPath);
    ~CQuendixApp() override;
    CQuendixApp(const CQuendixApp&) = delete;
    CQuendixApp& operator=(const CQuendixApp&) = delete;

    // Start-up up to the message loop; false ends the program.
    bool InitInstance();
    CMainFrame* GetMainFrame() const { return m_pFrame.get(); }

    void RestoreWindowPlacement();
    void SaveWindowPlacement() override;
    void OnAppAbout() override;
    bool OnFileNew() override;
    void OnFileOpen() override;

    IMainWindow* GetMainWnd() override;
    std::uint32_t GetTickCount() override;
    void UpdateAllViews() override;
    IProfile& GetProfile() override;
    std::string GetParentPath() override;
    std::tm GetLocalTime() override;
    std::unique_ptr<IFile> CreateFile() override;
    void ReportRefusedLogName(const std::string& name) override;
    void MessageBox(const std::string& text) override;
    std::optional<std::string> RunSaveFileDialog(const SaveFileRequest& request) override;
    bool RunSettingsDialog(CSettingsData& data) override;

private:
    void SetProfilePath(const std::string& path);
    void CreateDocumentFrameAndView();
    // Runs the document's new-document step, then shows the frame as the show command says.
    bool NewDocument(int nCmdShow);
    // The parent for modal boxes: the main window once it is on screen.
    QWidget* DialogParent() const;

    std::string m_strParentPath;
    // Shared with the frame's port namespace, which maps port names through section "Ports".
    std::shared_ptr<CPrivateProfile> m_pProfile;
    // How the frame is shown at its next activation; then back to the default.
    int m_nCmdShow = SW_SHOWNORMAL;
    // Declared before the frame: the frame (and the view on it) goes first, then the document.
    std::unique_ptr<CQuendixDoc> m_pDocument;
    std::unique_ptr<CMainFrame> m_pFrame;
    QPointer<CQuendixView> m_pView;
    CFramePlacer* m_pPlacer = nullptr; // owned by the frame
    std::unique_ptr<CDialogPlacer> m_pDialogPlacer;
};
