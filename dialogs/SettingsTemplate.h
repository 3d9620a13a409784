#pragma once
// The settings dialog's template: its controls in creation order (which is the tab order),
// their ids, texts and places in dialog units, the fixed list contents and the tooltips.

#include <array>

inline constexpr int IDC_STATIC = -1;
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDC_SOUND_SPEED = 1001;
inline constexpr int IDC_PERIOD = 1002;
inline constexpr int IDC_TPDR_NO = 1005;
inline constexpr int IDC_UNITS = 1011;
inline constexpr int IDC_SPEED_UNITS = 1012;
inline constexpr int IDC_COM_PORT = 1013;
inline constexpr int IDC_BAUD_RATE = 1014;
inline constexpr int IDC_OFFSET = 1015;
inline constexpr int IDC_OFFSET_UNITS = 1016;

enum class ControlKind {
    Static,        // left-aligned text
    Edit,          // bordered, tab stop, no automatic horizontal scrolling
    DefPushButton, // the default button
    PushButton,
    GroupBox,
    DropDown,    // combo box with an edit field, unsorted
    DropDownList // combo box without an edit field, sorted
};

struct ControlTemplate {
    int id;
    const char* name; // the object name; empty for the unnamed statics
    ControlKind kind;
    const char* text;
    int x, y, cx, cy; // dialog units; a combo box's height includes its drop-down list
    bool digitsOnly;
    bool disabled;
};

inline constexpr const char* kSettingsCaption = "Quendix Display Settings";
inline constexpr int kSettingsWidth = 312; // dialog units
inline constexpr int kSettingsHeight = 88;
// The template asks for 12-point "MS Sans Serif", which Linux lacks; Liberation Sans (from
// fonts-liberation, which the setup installs) is a plain sans face of about its width.
inline constexpr const char* kSettingsFontFamily = "Liberation Sans";
inline constexpr int kSettingsFontPoints = 12;

// clang-format off
inline constexpr std::array<ControlTemplate, 18> kSettingsControls{{
    {IDC_STATIC, "", ControlKind::Static, "Transponder Number:", 24, 14, 69, 8, false, false},
    {IDC_TPDR_NO, "IDC_TPDR_NO", ControlKind::Edit, "", 95, 10, 12, 12, true, false},
    {IDC_STATIC, "", ControlKind::Static, "Interrogation Period (Sec):", 9, 34, 84, 8, false, false},
    {IDC_PERIOD, "IDC_PERIOD", ControlKind::Edit, "", 95, 30, 15, 12, true, false},
    {IDC_SPEED_UNITS, "IDC_SPEED_UNITS", ControlKind::Static, "(ft/s):", 76, 54, 17, 8, false, false},
    // 27 units across cut the first digit of a speed in feet (4921.25): 32 show any below 10000.
    {IDC_SOUND_SPEED, "IDC_SOUND_SPEED", ControlKind::Edit, "", 95, 50, 32, 12, true, false},
    {IDOK, "IDOK", ControlKind::DefPushButton, "OK", 255, 7, 50, 14, false, false},
    {IDCANCEL, "IDCANCEL", ControlKind::PushButton, "Cancel", 255, 24, 50, 14, false, false},
    {IDC_STATIC, "", ControlKind::Static, "Range Units:", 51, 74, 42, 8, false, false},
    {IDC_UNITS, "IDC_UNITS", ControlKind::DropDown, "", 95, 70, 50, 47, false, false},
    {IDC_STATIC, "", ControlKind::Static, "Sound Speed", 30, 54, 45, 8, false, false},
    {IDC_STATIC, "", ControlKind::GroupBox, "Com Port", 155, 7, 82, 59, false, false},
    {IDC_COM_PORT, "IDC_COM_PORT", ControlKind::DropDownList, "", 184, 20, 48, 61, false, false},
    {IDC_BAUD_RATE, "IDC_BAUD_RATE", ControlKind::DropDownList, "", 184, 52, 48, 30, false, true},
    {IDC_STATIC, "", ControlKind::Static, "Port", 164, 18, 14, 8, false, false},
    {IDC_STATIC, "", ControlKind::Static, "Baud Rate", 164, 41, 35, 8, false, false},
    {IDC_OFFSET, "IDC_OFFSET", ControlKind::Edit, "", 197, 69, 40, 12, false, false},
    {IDC_OFFSET_UNITS, "IDC_OFFSET_UNITS", ControlKind::Static, "Offset (ft)", 158, 73, 39, 8, false, false},
}};
// clang-format on

// In this order, so that index 0, 1, 2 stands for metres, feet, milliseconds.
inline constexpr std::array<const char*, 3> kUnitsItems{"Metres", "Feet", "Miliseconds"};

// Added to a sorted list: "14,400" ends up first.
inline constexpr std::array<const char*, 7> kBaudRateItems{"2,400",  "4,800",  "9,600", "14,400",
                                                           "19,200", "28,800", "38,400"};

struct ToolTipTemplate {
    int id;
    const char* text;
};

inline constexpr std::array<ToolTipTemplate, 9> kSettingsToolTips{{
    {IDC_TPDR_NO, "Enter Transponder No. 10 -> 99"},
    {IDC_PERIOD, "Enter Interrogation period 0 -> 120 secs"},
    {IDC_SOUND_SPEED, "Enter Sound Speed in units displayed"},
    {IDC_UNITS, "Choose Range Units"},
    {IDC_COM_PORT, "Choose Com Port from those available"},
    {IDC_BAUD_RATE, "Select Baud Rate"},
    {IDOK, "Click to accept changes"},
    {IDCANCEL, "Click to cancel changes"},
    {IDC_OFFSET, "Enter offset"},
}};
