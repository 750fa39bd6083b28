// The notification-area icon, its balloons and mouse handling, and the pop-up menu.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string_view>

// The monitor holding the taskbar, whose notification area shows the icon.
HMONITOR TaskbarMonitor();
// The DPI that sets the icon's size: the taskbar monitor's (MonitorDpi). Tests stand in for it.
using TaskbarDpiProc = int (*)();
extern TaskbarDpiProc taskbarDpi;
// Every call to the notification area goes through this; tests stand in to see what reaches the shell.
using TrayNotifyProc = BOOL(WINAPI*)(DWORD message, PNOTIFYICONDATAW data);
extern TrayNotifyProc trayNotify; // Shell_NotifyIconW
// The notification area's icon size: the small-icon size (SM_CXSMICON) at taskbarDpi().
int TrayIconSize();
// After a change of scale or of the displays: when the held icon was made for another size, makes it
// again at TrayIconSize(), puts it in place with NIM_MODIFY and destroys the one it replaces.
void FollowTaskbarScale();

int AddTrayIcon(HWND window, std::wstring_view tip, const wchar_t* iconName, int32_t balloonTime);
int ShowTrayBalloon(std::wstring_view title, std::wstring_view text, const wchar_t* iconName,
                    int32_t balloonTime);
int RemoveTrayIcon();
// The pause after a failed add: handles one pending message; false when that was the quit message, which
// stays queued for the message loop.
bool PauseBetweenTrayAttempts();
void HandleTrayNotify(HWND window, LPARAM lParam);
void ShowPopupMenu(HWND window);
void OpenWebPage(const wchar_t* address);
