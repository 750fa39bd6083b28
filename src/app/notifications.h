// Messages outside the dialogs: the one-copy and autostart boxes, the reminder balloons and the update
// question.
#pragma once

#include <windows.h>

#include <string_view>

// Returns the button chosen for "CheckUpdateNow" (IDYES, IDNO), otherwise 0; unknown keys do nothing.
// The autostart boxes belong to owner (0: the program's owner window), so a dialog showing one is disabled.
int ShowNotification(std::wstring_view key, HWND owner = nullptr);
// Once per start, on the first tick of the reminder timer.
void RunReminderCheck(HWND window);
// The same on the given day ("MM-DD-YYYY").
void RunReminderCheckOn(HWND window, std::u16string_view today);
