#pragma once
// The numbers the frame shares with the window system's conventions: the reply notification
// and the show commands.

#include <cstdint>

// The message the communications library signals received telegrams with.
inline constexpr std::uint32_t WM_LINK_REPLY = 101;

// How the frame is shown when it is activated.
inline constexpr int SW_DEFAULT_ACTIVATION = -1; // show if hidden, restore if minimised
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMAXIMIZED = 3;
inline constexpr int SW_SHOWMINNOACTIVE = 7;
