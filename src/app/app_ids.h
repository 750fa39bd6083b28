// Control, menu, timer and message numbers of the main window, and the texts that are never translated.
#pragma once

#include <windows.h>

#include "resources/resource_ids.h"
#include "version.h"

constexpr int IDC_MONITOR_BRIGHTNESS = 2010;
constexpr int IDC_MONITOR_CONTRAST = 2011;
constexpr int IDC_VIDEO_BRIGHTNESS = 2012;
constexpr int IDC_RESET_SETTINGS = 3010;
constexpr int IDC_MENU = 3012;

constexpr int IDM_ABOUT = 601;
constexpr int IDM_HELP = 602;
constexpr int IDM_CHECK_UPDATE = 603;
constexpr int IDM_CANCEL = 604;
constexpr int IDM_EXIT = 605;
constexpr int IDM_WEBSITE = 612;
constexpr int IDM_ASSISTANCE = 613;
constexpr int IDM_SETTINGS = 616;
constexpr int IDM_LINK_MONITORS = 617; // shown with two or more displays

constexpr UINT_PTR IDT_REMINDERS = 1044;
constexpr UINT kReminderDelayMs = 1200;

constexpr UINT WM_TRAYNOTIFY = 12125;
constexpr UINT kSliderNotifyMessage = WM_USER + 5; // 1029, handled like WM_VSCROLL

constexpr wchar_t kMainWindowClass[] = L"GLIMRA_V1T3_Class";
constexpr wchar_t kProgramTitle[] = GLIMRA_WIDE("Glimra V" GLIMRA_SHORT_VERSION_TEXT);
constexpr wchar_t kProgramName[] = L"Glimra";
constexpr wchar_t kVersionCaption[] = GLIMRA_WIDE("Glimra VX " GLIMRA_VERSION_TEXT "- version.");
constexpr wchar_t kSingleInstanceMutex[] = L"monitor_brightness_object_glimra_v_0_1";
constexpr wchar_t kAppIconName[] = L"A001";
constexpr wchar_t kTrayIconName[] = L"P-100";
