#pragma once
// Codes shared by the document, the frame, the view and the dialog.
// The values are those stored files and the view rely on; do not renumber.

#include <cstdint>

inline constexpr int STAT_OK = 1;
inline constexpr int STAT_NO_TELEGRAM = 2;
inline constexpr int STAT_BAD_TELEGRAM = 3;
inline constexpr int STAT_NO_REPLY = 4;

inline constexpr int DIR_UNDETERMINED = 0;
inline constexpr int DIR_LEFT = 1;
inline constexpr int DIR_RIGHT = 2;
inline constexpr int DIR_AHEAD = 3;

inline constexpr int UNITS_METRES = 1;
inline constexpr int UNITS_FEET = 2;
inline constexpr int UNITS_MSEC = 3;

inline constexpr double NOMINAL_SOUND_SPEED = 1500.0;

inline constexpr std::uint32_t REPLY_TIMEOUT_MS = 1500;
