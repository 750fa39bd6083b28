// The Options and About dialogs, modal and one copy each.
#pragma once

#include <windows.h>

#include <string_view>

void ShowAboutDialog(HWND owner);
void ShowOptionsDialog(HWND owner);

// Options dialog control ids.
constexpr int IDC_LANGUAGE_FRAME = 3000;
constexpr int IDC_LANGUAGE_COMBO = 3210; // a child of the frame
constexpr int IDC_RUN_WITH_SYSTEM = 3110;
constexpr int IDC_NO_BLOCKING = 3111;
constexpr int IDC_APPLY = 3310;
constexpr int IDC_KEYS_FRAME = 3001;
constexpr int IDC_BRIGHTNESS_UP_KEY = 3120;
constexpr int IDC_BRIGHTNESS_DOWN_KEY = 3121;
constexpr int IDC_KEYS_UNDER_POINTER = 3122;

// Starts "AppRestart.vbs" from the program's own folder and ends the program through the main window.
void RestartApplication();

// The two calls of the Options dialog that reach the user or the shell; tests replace them to record.
using OptionsQuestionBox = int (*)(HWND owner, std::wstring_view text, std::wstring_view caption, int iconId,
                                   UINT style);
using RestartShellOpen = HINSTANCE(WINAPI*)(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                                            LPCWSTR directory, INT showCommand);
extern OptionsQuestionBox optionsQuestionBox; // IconMessageBox
// Says that a chosen key combination is held by another program; a warning owned by the dialog.
using OptionsWarningBox = void (*)(HWND owner, std::wstring_view text);
extern OptionsWarningBox optionsWarningBox;
extern RestartShellOpen restartShellOpen; // ShellExecuteW
