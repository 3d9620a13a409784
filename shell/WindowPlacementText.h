#pragma once
// The main window's placement as stored in the INI file: "left top right bottom minimised
// maximised". Kept free of the window system so the text can be tested and fuzzed alone.

#include <string>
#include <string_view>

struct WindowPlacement {
    int left = 0;
    int top = 0;
    int right = 500;
    int bottom = 500;
    bool minimised = false;
    // When minimised: the window comes back maximised on restore.
    bool maximised = false;

    bool operator==(const WindowPlacement&) const = default;
};

// Reads up to six integers separated by any blanks; reading stops at the first text that is
// not an integer and every value not read is 0. An empty text gives the default placement.
WindowPlacement ParseWindowPlacement(std::string_view text);

// "%d %d %d %d %d %d".
std::string FormatWindowPlacement(const WindowPlacement& placement);
