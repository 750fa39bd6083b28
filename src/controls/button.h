// The custom push button: the system BUTTON registered again under the owner's class name, painting
// itself (face, border, focus line, glyph with shadow or image-list image, text), fading a hover
// highlight and reporting clicks to its parent as WM_COMMAND.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>

#include "controls/button_look.h"
#include "controls/control_messages.h"

constexpr int kButtonTextUnits = 64; // 63 characters and the terminator

struct SuButtonRecord {
    HWND window = nullptr; // nonzero marks the slot as taken
    int16_t image = -1;    // index into the class's image list; -1 none
    uint16_t pressed = 0;  // 2 while held down, also the text's downward shift
    uint16_t state = kButtonNormalLook;
    uint8_t focused = 0;
    uint8_t enabled = 0;
    wchar_t text[kButtonTextUnits] = {}; // the window text as it was at creation
    wchar_t glyph[2] = {};
    uint32_t format = 0; // DrawText flags
    COLORREF hotColour = 0;
    COLORREF faceColour = 0;
    COLORREF textColour = 0;
    COLORREF disabledColour = 0;
    uint8_t fade = 0;
    uint8_t timerRunning = 0;
};

// Registers className as a superclass of BUTTON with ButtonProc; returns the atom or 0.
// Ownership: the class takes the text font (or creates Tahoma 16 when 0) and the image list and releases
// them when its last button is destroyed. The glyph fonts stay the caller's: the main window also paints
// with glyph font A and deletes it at shutdown, so the class never deletes a glyph font.
ATOM RegisterButtonClass(const wchar_t* className, HCURSOR cursor, COLORREF faceColour, COLORREF textColour,
                         uint16_t alignment, HFONT textFont, HFONT glyphFontA, HFONT glyphFontB,
                         HIMAGELIST imageList);
LRESULT CALLBACK ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
int AllocButtonSlot();
// New fonts for another display scale: the class takes the text font (and deletes the one it had); glyph
// font A stays the caller's. Each button must then be given the text font with WM_SETFONT.
void SetButtonClassFonts(HFONT textFont, HFONT glyphFontA);

// A copy of the button's record; false for a window without a slot.
bool GetButtonRecord(HWND window, SuButtonRecord* record);
