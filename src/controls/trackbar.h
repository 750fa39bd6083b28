// The slider: the system trackbar registered again as "Su_TrackBar" with a per-control record and a
// complete owner-side repaint that the parent calls from its custom-draw notification.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>

#include "controls/control_messages.h"
#include "platform/dpi_scale.h"

constexpr int kTrackBarCaptionUnits = 64; // 63 characters and the terminator

struct SuTrackBarRecord {
    HWND window = nullptr; // nonzero marks the slot as taken
    uint16_t style = 0;    // kTrackBarVerticalGradient
    uint8_t enabled = 0;
    uint8_t signedValue = 0; // shows 50 - position instead of 100 - position
    wchar_t caption[kTrackBarCaptionUnits] = {};
    wchar_t glyph[2] = {}; // one character of the glyph font; empty means none
    COLORREF accentColour = RGB(148, 158, 170);
    COLORREF backgroundColour = RGB(245, 248, 250);
    COLORREF textColour = RGB(128, 128, 128);
    COLORREF disabledFill = 0; // 0: derived from the background
};

// Registers newClassName as a copy of baseClassName whose procedure is TrackBarProc; returns the atom or 0.
ATOM SuperclassWindowClass(const wchar_t* baseClassName, const wchar_t* newClassName, HCURSOR cursor);
LRESULT CALLBACK TrackBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
int AllocTrackBarSlot();

// Shared by all sliders and owned by the caller, who must keep them alive while sliders exist.
void SetTrackBarFont(HFONT font);
void SetTrackBarGlyphFont(HFONT font);

// Copies colours, style, glyph, caption, disabled fill and signed flag into the slider's record.
void ApplyTrackBarSettings(HWND window, const SuTrackBarRecord& record);
// A copy of the slider's record; false for a window without a slot.
bool GetTrackBarRecord(HWND window, SuTrackBarRecord* record);

// The parent's answer to NM_CUSTOMDRAW from a slider.
LRESULT TrackBarCustomDraw(NMCUSTOMDRAW* nmcd);
inline LRESULT TrackBarCustomDraw(LPARAM lParam) {
    return TrackBarCustomDraw(reinterpret_cast<NMCUSTOMDRAW*>(lParam));
}

void DrawTrackBarScale(HDC dc, int channelTop, int channelBottom, COLORREF colour, int dpi = kBaseDpi);
