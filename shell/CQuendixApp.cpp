#include "CQuendixApp.h"

#include "CAboutDlg.h"
#include "CDialogPlacer.h"
#include "CFile.h"
#include "CFramePlacer.h"
#include "CMainFrame.h"
#include "CPrivateProfile.h"
#include "CQuendixDoc.h"
#include "CQuendixView.h"
#include "CSettingsDlg.h"
#include "DataLogCategory.h"
#include "PathFunctions.h"
#include "PortNamespace.h"
#include "ScreenFit.h"
#include "TickCount.h"
#include "WindowPlacementText.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStringList>
#include <ctime>
#include <utility>

namespace {

constexpr const char* PLACEMENT_SECTION = "MainFrameState";
constexpr const char* PLACEMENT_KEY = "Settings";

// "Description|pattern|..." as Qt's file dialog wants it: "Description (pattern)" entries.
QString NameFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        filters << (description.contains(QLatin1Char('('))
                        ? description
                        : description + QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

QList<QRect> AvailableScreenAreas() {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas << screen->availableGeometry();
    }
    return areas;
}

} // namespace

CQuendixApp::CQuendixApp(std::string parentPath) : m_strParentPath(std::move(parentPath)) {}

// The frame and its view go before the document, whose destructor saves the settings.
CQuendixApp::~CQuendixApp() {
    m_pDialogPlacer.reset();
    m_pFrame.reset();
    m_pDocument.reset();
}

// The placement is restored before the frame first appears: the window system then puts the
// frame itself on the stored rectangle, and nothing jumps. The start-up activation shows the
// frame in the restored state and leaves the show command for the next one.
bool CQuendixApp::InitInstance() {
    SetProfilePath(IniFilePath(m_strParentPath));
    CreateDocumentFrameAndView();
    RestoreWindowPlacement();
    return NewDocument(m_nCmdShow);
}

void CQuendixApp::SetProfilePath(const std::string& path) {
    m_pProfile = std::make_shared<CPrivateProfile>(path);
}

void CQuendixApp::CreateDocumentFrameAndView() {
    m_pDocument = std::make_unique<CQuendixDoc>(*this);
    m_pFrame = std::make_unique<CMainFrame>(*this, PortNamespace::OfProfile(m_pProfile));
    m_pView = new CQuendixView(*m_pDocument, m_pFrame.get());
    m_pFrame->setCentralWidget(m_pView);
    m_pFrame->SetActiveDocument(m_pDocument.get());
    m_pPlacer = new CFramePlacer(*m_pFrame);
    m_pDialogPlacer = std::make_unique<CDialogPlacer>(*m_pFrame);
}

bool CQuendixApp::NewDocument(int nCmdShow) {
    if (!m_pDocument->OnNewDocument()) {
        return false;
    }
    m_pFrame->ActivateFrame(nCmdShow);
    return true;
}

bool CQuendixApp::OnFileNew() {
    return NewDocument(std::exchange(m_nCmdShow, SW_DEFAULT_ACTIVATION));
}

// The document keeps nothing in files: a chosen file is read for nothing, and the document is
// not initialised again; the frame is activated again.
void CQuendixApp::OnFileOpen() {
    QFileDialog dialog(DialogParent());
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() == QDialog::Accepted) {
        m_pFrame->ActivateFrame(std::exchange(m_nCmdShow, SW_DEFAULT_ACTIVATION));
    }
}

void CQuendixApp::RestoreWindowPlacement() {
    const WindowPlacement placement =
        ParseWindowPlacement(GetProfile().GetProfileString(PLACEMENT_SECTION, PLACEMENT_KEY, ""));
    Qt::WindowStates state = Qt::WindowNoState;
    m_nCmdShow = SW_SHOWNORMAL;
    if (placement.minimised) {
        m_nCmdShow = SW_SHOWMINNOACTIVE;
        state =
            placement.maximised ? Qt::WindowMinimized | Qt::WindowMaximized : Qt::WindowMinimized;
    } else if (placement.maximised) {
        m_nCmdShow = SW_SHOWMAXIMIZED;
        state = Qt::WindowMaximized;
    }
    m_pPlacer->Place(FitOntoScreens(RectFromPlacement(placement), AvailableScreenAreas()));
    m_pFrame->setWindowState(state);
}

void CQuendixApp::SaveWindowPlacement() {
    const QRect normal = m_pPlacer->NormalFrame();
    const Qt::WindowStates state = m_pFrame->windowState();
    const WindowPlacement placement{normal.left(),
                                    normal.top(),
                                    normal.left() + normal.width(),
                                    normal.top() + normal.height(),
                                    state.testFlag(Qt::WindowMinimized),
                                    state.testFlag(Qt::WindowMaximized)};
    GetProfile().WriteProfileString(PLACEMENT_SECTION, PLACEMENT_KEY,
                                    FormatWindowPlacement(placement));
}

void CQuendixApp::OnAppAbout() {
    CAboutDlg dialog(m_pFrame.get());
    dialog.exec();
}

IMainWindow* CQuendixApp::GetMainWnd() {
    return m_pFrame.get();
}

std::uint32_t CQuendixApp::GetTickCount() {
    return TickCount();
}

void CQuendixApp::UpdateAllViews() {
    if (m_pView) {
        m_pView->update();
    }
}

IProfile& CQuendixApp::GetProfile() {
    return *m_pProfile;
}

std::string CQuendixApp::GetParentPath() {
    return m_strParentPath;
}

std::tm CQuendixApp::GetLocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

std::unique_ptr<IFile> CQuendixApp::CreateFile() {
    return std::make_unique<CFile>();
}

void CQuendixApp::ReportRefusedLogName(const std::string& name) {
    qCWarning(lcDataLog,
              "Log name \"%s\" refused: it leads out of the DATA folder; choose a plain file name "
              "with File > Logging...",
              name.c_str());
}

QWidget* CQuendixApp::DialogParent() const {
    return m_pFrame && m_pFrame->isVisible() ? m_pFrame.get() : nullptr;
}

void CQuendixApp::MessageBox(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Quendix"), QString::fromStdString(text),
                    QMessageBox::Ok, DialogParent());
    box.exec();
}

std::optional<std::string> CQuendixApp::RunSaveFileDialog(const SaveFileRequest& request) {
    QFileDialog dialog(DialogParent());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    dialog.setNameFilter(NameFilters(request.filter));
    dialog.setDirectory(QString::fromStdString(HostPath(request.initialFolder)));
    dialog.selectFile(QString::fromStdString(request.initialName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QFileInfo(dialog.selectedFiles().constFirst()).fileName().toStdString();
}

bool CQuendixApp::RunSettingsDialog(CSettingsData& data) {
    CSettingsDlg dialog(data, DialogParent());
    return dialog.exec() == QDialog::Accepted;
}
