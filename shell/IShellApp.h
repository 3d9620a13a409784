#pragma once
// The application as the main frame sees it: the placement it keeps and the commands of its
// own.

class IShellApp {
public:
    virtual ~IShellApp() = default;

    // Stores the main window's placement in the INI file.
    virtual void SaveWindowPlacement() = 0;
    // Help > About: the About box, modally.
    virtual void OnAppAbout() = 0;
    // Ctrl+N: the document's new-document step again, then the frame activated again; false
    // when the step failed.
    virtual bool OnFileNew() = 0;
    // Ctrl+O: the file-open dialog; a chosen file is read for nothing (the document keeps
    // nothing in files) and the frame is activated again.
    virtual void OnFileOpen() = 0;
};
