#pragma once
// Command identifiers of the menu and accelerators that the framework defines, with its
// standard values.

inline constexpr unsigned ID_FILE_NEW = 57600;
inline constexpr unsigned ID_FILE_OPEN = 57601;
inline constexpr unsigned ID_APP_ABOUT = 57664;
inline constexpr unsigned ID_APP_EXIT = 57665;

// How the frame is shown when it is activated.
inline constexpr int SW_DEFAULT_ACTIVATION = -1; // show if hidden, restore if minimised
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMAXIMIZED = 3;
inline constexpr int SW_SHOWMINNOACTIVE = 7;
