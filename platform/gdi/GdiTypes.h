#pragma once
// The Win32 drawing vocabulary the view is written in: colours, handles, points, the font and
// pen descriptions and the constants it passes. Values are Win32's, so drawing code reads as it
// would on Windows.

#include <cstdint>
#include <string>

// 0x00BBGGRR: red in the low byte.
using COLORREF = std::uint32_t;

constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// A font, a pen or a stock object of a device context; the value-initialised handle is null.
enum class HGDIOBJ : std::uint32_t {};

struct CPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const CPoint&, const CPoint&) = default;
};

struct CSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const CSize&, const CSize&) = default;
};

// In logical units.
struct TEXTMETRIC {
    int tmHeight = 0;          // ascent + descent: the cell height
    int tmExternalLeading = 0; // space the font asks for between lines
};

// lfHeight > 0 is the cell height (ascent + descent), < 0 the em height, 0 a default height;
// all in logical units.
struct LOGFONT {
    int lfHeight = 0;
    int lfWidth = 0;
    int lfEscapement = 0;
    int lfOrientation = 0;
    int lfWeight = 0;
    bool lfItalic = false;
    bool lfUnderline = false;
    bool lfStrikeOut = false;
    int lfCharSet = 0;
    int lfOutPrecision = 0;
    int lfClipPrecision = 0;
    int lfQuality = 0;
    int lfPitchAndFamily = 0;
    std::string lfFaceName;
    friend bool operator==(const LOGFONT&, const LOGFONT&) = default;
};

// lopnWidth is in logical units; 0 draws one device pixel wide whatever the mapping.
struct LOGPEN {
    int lopnStyle = 0;
    int lopnWidth = 0;
    COLORREF lopnColor = 0;
    friend bool operator==(const LOGPEN&, const LOGPEN&) = default;
};

inline constexpr int MM_ISOTROPIC = 7;

inline constexpr int PS_SOLID = 0;

inline constexpr int WHITE_PEN = 6;

inline constexpr int FW_NORMAL = 400;
inline constexpr int ANSI_CHARSET = 0;
inline constexpr int DEFAULT_PITCH = 0;
inline constexpr int FF_SWISS = 0x20;

inline constexpr int COLOR_WINDOW = 5;
