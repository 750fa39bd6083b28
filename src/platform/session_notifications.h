// Session change notifications (unlock, reconnect) for one window, through wtsapi32.dll loaded at run
// time from the system folder, so the program imports nothing new and runs where the library is missing.
#pragma once

#include <windows.h>

constexpr UINT kSessionChangeMessage = 0x02B1; // WM_WTSSESSION_CHANGE
constexpr WPARAM kConsoleConnect = 0x1;        // WTS_CONSOLE_CONNECT
constexpr WPARAM kRemoteConnect = 0x3;         // WTS_REMOTE_CONNECT
constexpr WPARAM kSessionUnlock = 0x8;         // WTS_SESSION_UNLOCK

// https://learn.microsoft.com/windows/win32/api/wtsapi32/nf-wtsapi32-wtsregistersessionnotification
// True once the window is registered; asking again while registered does nothing.
bool RegisterSessionNotifications(HWND window);
// Must run before the window is destroyed when the registration succeeded; does nothing otherwise.
void UnregisterSessionNotifications(HWND window);
