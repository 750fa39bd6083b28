// The main window: a borderless always-on-top tool window with the header, three sliders and two buttons.
#pragma once

#include <windows.h>

void InitPalette();
bool RegisterMainWindowClass(HINSTANCE instance);
HWND CreateMainWindow(HINSTANCE instance);
BOOL LoadProgramFonts();
HANDLE LoadResourceFont(const wchar_t* resourceName);
BOOL CreateMainControls();
void CreateResetTooltip();
void PlaceMainWindow(HWND window, bool nearCursor);
// True for keyboard input addressed to the main window or its controls while the window is hidden.
bool IsKeyForHiddenMainWindow(const MSG& message);
// One message of the program's loop, with dialog keyboard handling; drops keys for the hidden window.
void DispatchProgramMessage(MSG& message);
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
