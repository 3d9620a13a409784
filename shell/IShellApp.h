#pragma once
// The application as the main frame sees it: the placement it keeps and the commands of its
// own (About, new document, exit).

class IShellApp {
public:
    virtual ~IShellApp() = default;

    // Stores the main window's placement in the INI file.
    virtual void SaveWindowPlacement() = 0;
    // Runs the application's handler of a command; false when it has none.
    virtual bool OnAppCommand(unsigned id) = 0;
};
