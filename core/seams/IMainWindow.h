#pragma once
// The main window as the document sees it: looked up at the moment of use, never held.

#include <string>
#include <vector>

class IMainWindow {
public:
    virtual ~IMainWindow() = default;

    // Writes the text to the unit, then a line feed as a second write.
    virtual void SendToUnit(const std::string& text) = 0;
    virtual void RestartInterrogationTimer() = 0;
    virtual bool IsConnected() const = 0;
    // Closes the link and opens it again with the document's port and baud rate.
    virtual bool Connect() = 0;
    // Appends the current port setting, then every port found present.
    virtual void GetPortList(std::vector<std::string>& list) = 0;
};
