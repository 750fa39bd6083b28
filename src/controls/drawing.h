// The painters under the custom controls and the program's one shared tooltip window.
#pragma once

#include <windows.h>

#include "controls/color_shift.h"

constexpr int kGradientHorizontal = 0; // colour 1 at the left
constexpr int kGradientVertical = 1;   // colour 1 at the top

void FillSolid(HDC dc, const RECT& rect, COLORREF colour);
void FrameSolid(HDC dc, const RECT& rect, COLORREF colour);
void FillGradient(HDC dc, const RECT& rect, COLORREF colour1, COLORREF colour2, int mode);
// A top-to-bottom gradient clipped to the rectangle with slightly rounded corners; clears the DC's clipping.
void FillRoundGradient(HDC dc, const RECT& rect, COLORREF colour1, COLORREF colour2);

// The first call creates the shared tooltip window (the tool of that call gets no tip); later calls give
// the tool window its tip. The text is copied.
void AddToolTip(HWND owner, HWND tool, const wchar_t* text);
HWND ToolTipWindow();
// A tip over control that shows while the control is disabled: a disabled window gets no mouse messages
// (they go to its parent), so the tool is the control's rectangle in its parent. Call it again after the
// control moved. A null text takes the tip away. Creates the tooltip window when there is none yet.
void SetDisabledControlTip(HWND control, const wchar_t* text);
// The tips' wrap width for the owner's new DPI; nothing while there is no tooltip window.
void ScaleToolTip(int dpi);
