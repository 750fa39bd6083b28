// The display scale a window is laid out for. The per-monitor functions are loaded at run time: they are
// missing before Windows 8.1 and 10, where the system DPI is used instead.
#pragma once

#include <windows.h>

// The DPI of the whole screen (LOGPIXELSY of the screen), 96 when it cannot be read.
int SystemDpi();
// https://learn.microsoft.com/windows/win32/api/shellscalingapi/nf-shellscalingapi-getdpiformonitor
// The effective DPI of a monitor; the system DPI where it cannot be asked.
int MonitorDpi(HMONITOR monitor);
// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-getdpiforwindow
// The DPI of the monitor a window is on; the system DPI where it cannot be asked.
int WindowDpi(HWND window);
// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-getsystemmetricsfordpi
// The small-icon width (SM_CXSMICON) at dpi; the system DPI's where it cannot be asked for another.
int SmallIconSizeForDpi(int dpi);
// A 96-DPI pixel value for window's DPI.
int ScaleForWindow(int value, HWND window);
// The frame of a window whose client area is clientWidth × clientHeight at dpi.
RECT FrameForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi);
