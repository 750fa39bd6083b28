// The private messages and property codes by which an owner configures the custom controls.
// The slider and the button share the message numbers; each has its own table of codes.
#pragma once

#include <cstdint>

constexpr unsigned SUM_GETPROP = 5875; // button only: wParam = code, returns the field
constexpr unsigned SUM_SETPROP = 5876; // wParam = code, lParam = value

// Slider property codes.
constexpr unsigned STP_BKCOLOR = 5877;
constexpr unsigned STP_TEXTCOLOR = 5878;
constexpr unsigned STP_ACCENTCOLOR = 5879;
constexpr unsigned STP_STYLE = 5880;
constexpr unsigned STP_GLYPH = 5882;
constexpr unsigned STP_CAPTION = 5883; // lParam points to zero-terminated UTF-16 text
constexpr unsigned STP_SIGNED = 5884;

// Button property codes.
constexpr unsigned SBP_IMAGE = 5877;
constexpr unsigned SBP_BKCOLOR = 5878;
constexpr unsigned SBP_FORMAT = 5882;
constexpr unsigned SBP_TEXTCOLOR = 5883;
constexpr unsigned SBP_HOTCOLOR = 5884;
constexpr unsigned SBP_STATE = 5885;
constexpr unsigned SBP_DISABLEDCOLOR = 5886;
constexpr unsigned SBP_GLYPH = 5887;

// The button's hover fade timer.
constexpr uintptr_t IDT_BUTTONFADE = 28008;
constexpr unsigned kButtonFadeIntervalMs = 64;

// Slider style bit: the level bar's gradient runs top to bottom.
constexpr uint16_t kTrackBarVerticalGradient = 1;

// Window properties of the custom controls.
constexpr wchar_t kIndexProperty[] = L"Index"; // the control's slot number
constexpr wchar_t kHotProperty[] = L"Hot";     // button: 1 while the mouse is over it
