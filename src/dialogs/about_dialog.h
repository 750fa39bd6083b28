// The About dialog's control ids and its one call to the shell, which tests replace to record.
#pragma once

#include <windows.h>

constexpr int IDC_ABOUT_PRODUCT = 1000;
constexpr int IDC_ABOUT_VERSION = 1010;
constexpr int IDC_ABOUT_RULE = 1020;
constexpr int IDC_ABOUT_DESCRIPTION = 1030;
constexpr int IDC_ABOUT_PICTURE = 1040;
constexpr int IDC_ABOUT_PROGRAM_PAGE = 1131;
constexpr int IDC_ABOUT_DONATE = 1132;

using AboutShellOpen = HINSTANCE(WINAPI*)(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                                          LPCWSTR directory, INT showCommand);
extern AboutShellOpen aboutShellOpen; // ShellExecuteW
