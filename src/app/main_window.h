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
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
