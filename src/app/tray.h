// The notification-area icon, its balloons and mouse handling, and the pop-up menu.
#pragma once

#include <windows.h>

#include <string_view>

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
