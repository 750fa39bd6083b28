// The Options and About dialogs, modal and one copy each.
#pragma once

#include <windows.h>

void ShowAboutDialog(HWND owner);
void ShowOptionsDialog(HWND owner);
