#pragma once
// The picture's colours. The cues follow the sea's convention: port (left) red-orange,
// starboard (right) green.

#include "QuendixCodes.h"

#include <QColor>
#include <array>

namespace PlotColours {

inline constexpr QRgb BACKGROUND = 0xffffffff;
inline constexpr QRgb TEXT = 0xff212529;
inline constexpr QRgb FRAME = 0xff868e96;
inline constexpr QRgb GRID = 0xffe9ecef;
inline constexpr QRgb SILENCE = 0xfffff3bf;
inline constexpr QRgb NO_REPLY = 0xffe03131;
inline constexpr QRgb NO_RANGE = 0xff495057;

// By direction code.
inline constexpr std::array<QRgb, 4> CUES = [] {
    std::array<QRgb, 4> cues{};
    cues[DIR_UNDETERMINED] = 0xffadb5bd;
    cues[DIR_LEFT] = 0xffe8590c;
    cues[DIR_RIGHT] = 0xff2f9e44;
    cues[DIR_AHEAD] = 0xff1971c2;
    return cues;
}();

// One a transponder, most replies first.
inline constexpr std::array<QRgb, 8> LINES = {0xff1c2a48, 0xff7048e8, 0xff0c8599, 0xffd6336c,
                                              0xff5c940d, 0xff9c36b5, 0xffe67700, 0xff364fc7};

} // namespace PlotColours
