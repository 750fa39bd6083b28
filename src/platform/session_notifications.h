// Session change notifications (unlock, reconnect) for one window, through wtsapi32.dll loaded at run
// time from the system folder, so the program imports nothing new and runs where the library is missing.
#pragma once

#include <windows.h>

constexpr UINT kSessionChangeMessage = 0x02B1; // WM_WTSSESSION_CHANGE
constexpr WPARAM kConsoleConnect = 0x1;        // WTS_CONSOLE_CONNECT
constexpr WPARAM kRemoteConnect = 0x3;         // WTS_REMOTE_CONNECT
constexpr WPARAM kSessionUnlock = 0x8;         // WTS_SESSION_UNLOCK

constexpr UINT_PTR IDT_SESSION_RETRY = 1049;
constexpr UINT kSessionRetryMs = 2000;

// WTSRegisterSessionNotification's shape; tests stand in for it. 0: the one of wtsapi32.dll.
using SessionRegistrationProc = BOOL(WINAPI*)(HWND window, DWORD flags);
extern SessionRegistrationProc sessionRegistration;

// https://learn.microsoft.com/windows/win32/api/wtsapi32/nf-wtsapi32-wtsregistersessionnotification
// True once the window is registered; asking again while registered does nothing.
bool RegisterSessionNotifications(HWND window);
// Registers the window, or, when that fails (early in a logon the session services do not answer yet),
// starts the timer IDT_SESSION_RETRY on it, which asks again every kSessionRetryMs.
void StartSessionNotifications(HWND window);
// The retry timer's tick: asks again and stops the timer once the window is registered.
void RetrySessionNotifications(HWND window);
// Must run before the window is destroyed; stops the retry timer and unregisters a registration that
// succeeded.
void UnregisterSessionNotifications(HWND window);
