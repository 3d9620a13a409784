#pragma once
// Everything platform-bound that the document reaches: the application framework as the
// document sees it. The application implements it with Qt; tests with small fakes.

#include <cstdint>
#include <ctime>
#include <memory>
#include <optional>
#include <string>

class IMainWindow;
class IProfile;
class IFile;
struct CSettingsData;

struct SaveFileRequest {
    std::string defaultExtension;
    std::string initialName;
    std::string filter; // "Description|pattern"
    // With Windows separators, as the document builds it: the host passes it through HostPath.
    std::string initialFolder;
};

class IDocHost {
public:
    virtual ~IDocHost() = default;

    // The application's main window, or null when there is none.
    virtual IMainWindow* GetMainWnd() = 0;
    // Milliseconds of the system tick counter; wraps after 2^32.
    virtual std::uint32_t GetTickCount() = 0;
    // Makes every view of the document redraw from its accessors.
    virtual void UpdateAllViews() = 0;
    virtual IProfile& GetProfile() = 0;
    // The folder holding the program's file, ending in a separator.
    virtual std::string GetParentPath() = 0;
    virtual std::tm GetLocalTime() = 0;
    virtual std::unique_ptr<IFile> CreateFile() = 0;
    // Tells the diagnostic output that the log file name was refused: it leads out of DATA.
    virtual void ReportRefusedLogName(const std::string& name) = 0;
    // A modal message with an OK button.
    virtual void MessageBox(const std::string& text) = 0;
    // The chosen file's name without its folder, or nothing when cancelled.
    virtual std::optional<std::string> RunSaveFileDialog(const SaveFileRequest& request) = 0;
    // Runs the settings dialog modally; true when it ended with OK.
    virtual bool RunSettingsDialog(CSettingsData& data) = 0;
};
