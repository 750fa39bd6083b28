#include "app/tray.h"

#include <string>

#include "app/app_ids.h"
#include "app/app_state.h"
#include "app/main_window.h"
#include "app/program_folder.h"
#include "app/shell_utilities.h"
#include "dialogs/dialogs.h"
#include "i18n/language.h"
#include "i18n/text_cut.h"
#include "i18n/text_keys.h"
#include "i18n/text_table.h"
#include "monitor/monitor_control.h"
#include "monitor/panel_displays.h"
#include "platform/dpi.h"
#include "platform/shell_open.h"
#include "platform/wide.h"
#include "update/update_check.h"

namespace {

constexpr int kAddAttempts = 21;
// The structure up to dwInfoFlags (no guidItem, no hBalloonIcon) at this build's bitness: the shell accepts
// only the sizes it knows for the caller's bitness and drops the balloons of any other.
constexpr UINT kTrayIconDataSize = NOTIFYICONDATAW_V2_SIZE;
static_assert(sizeof(void*) != 8 || kTrayIconDataSize == 952);
constexpr UINT kDefaultBalloonMs = 10000;
constexpr UINT NIN_BALLOON_USER_CLICK = WM_USER + 5;

UINT BalloonTimeout(int32_t balloonTime) {
    const UINT low = static_cast<UINT>(balloonTime) & 0xFFFF;
    return low == 0 ? kDefaultBalloonMs : low;
}

void CopyCut(wchar_t* field, std::size_t units, std::wstring_view text) {
    const std::wstring whole(CutText(text, units - 1));
    lstrcpynW(field, whole.c_str(), static_cast<int>(units));
}

void OpenHelpFile() {
    const std::wstring folder = ProgramFolder();
    std::wstring help = folder + L"Help\\" + ToWide(CurrentLanguageName()) + L".RTF";
    if (help.size() > 254)
        help.resize(254);
    if (!FileExists(help))
        help = folder + L"Help\\english.rtf";
    OpenWithShell(appState.ownerWindow, L"Open", help.c_str(), L"", L"", SW_SHOWNORMAL);
}

int TaskbarMonitorDpi() {
    return MonitorDpi(TaskbarMonitor());
}

// What the held icon was made from, so a new scale can make it again.
std::wstring heldIconName;
int heldIconSize = 0;

// The icon is made at the size the notification area shows, so it is never scaled soft; the icon it
// replaces is not shared and is destroyed.
// An icon that cannot be made keeps the one shown, and its size stays as it was, so the next change
// of scale tries again.
void ReplaceTrayIcon(NOTIFYICONDATAW& data, std::wstring_view iconName) {
    const int size = TrayIconSize();
    HICON made = LoadIconScaledDown(iconName, size);
    if (!made)
        return;
    HICON previous = data.hIcon;
    heldIconName = iconName;
    heldIconSize = size;
    data.hIcon = made;
    if (previous && previous != made)
        DestroyIcon(previous);
}

void AppendItem(HMENU menu, int id, const TextKey& key) {
    AppendMenuW(menu, MF_STRING, id, WideText(key).c_str());
}

} // namespace

TaskbarDpiProc taskbarDpi = TaskbarMonitorDpi;
TrayNotifyProc trayNotify = Shell_NotifyIconW;

HMONITOR TaskbarMonitor() {
    return MonitorFromWindow(FindWindowW(L"Shell_TrayWnd", nullptr), MONITOR_DEFAULTTOPRIMARY);
}

int TrayIconSize() {
    return SmallIconSizeForDpi(taskbarDpi());
}

void FollowTaskbarScale() {
    NOTIFYICONDATAW& data = appState.trayIconData;
    if (!data.hIcon || TrayIconSize() == heldIconSize)
        return; // no icon (not added yet, or removed at the end), or already made at this size
    const std::wstring name = heldIconName;
    ReplaceTrayIcon(data, name);
    // Only the image changes: with NIF_INFO the shell would show the last balloon again.
    NOTIFYICONDATAW change = data;
    change.uFlags = NIF_ICON;
    trayNotify(NIM_MODIFY, &change);
}

// One pending message is handled between attempts, so a shell that is still starting can answer.
bool PauseBetweenTrayAttempts() {
    MSG message;
    if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // The quit belongs to the message loop; hand it back and stop trying.
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    } else {
        Sleep(1);
    }
    Sleep(GetTickCount64() < 30000 ? 500 : 100); // the 64-bit count: the 32-bit one wraps every 49.7 days
    return true;
}

void OpenWebPage(const wchar_t* address) {
    OpenWithShell(appState.ownerWindow, L"Open", address, L"", L"", SW_SHOWNORMAL);
}

int AddTrayIcon(HWND window, std::wstring_view tip, const wchar_t* iconName, int32_t balloonTime) {
    NOTIFYICONDATAW& data = appState.trayIconData;
    data.cbSize = kTrayIconDataSize;
    data.hWnd = window;
    data.uID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(GetModuleHandleW(nullptr)));
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO;
    data.uCallbackMessage = WM_TRAYNOTIFY;
    ReplaceTrayIcon(data, iconName);
    CopyCut(data.szTip, 128, tip);
    // An add never shows a balloon: after a shell restart the last reminder's text would come back.
    data.szInfo[0] = L'\0';
    data.szInfoTitle[0] = L'\0';
    data.uTimeout = BalloonTimeout(balloonTime);
    data.dwInfoFlags = NIIF_USER | NIIF_NOSOUND;
    // Registered before the attempts, which handle messages: a shell starting meanwhile announces itself.
    appState.taskbarCreatedMessage = RegisterWindowMessageW(L"TaskbarCreated");
    for (int attempt = 0; attempt < kAddAttempts; ++attempt) {
        if (trayNotify(NIM_ADD, &data)) {
            OutputDebugStringW(L"Glimra: tray icon added\n"); // for debuggers and the start-up benchmark
            break;
        }
        if (!PauseBetweenTrayAttempts())
            break;
    }
    return 1;
}

int ShowTrayBalloon(std::wstring_view title, std::wstring_view text, const wchar_t* iconName,
                    int32_t balloonTime) {
    NOTIFYICONDATAW& data = appState.trayIconData;
    // The balloon's image is the tray icon's own, so a fresh icon replaces the one held.
    if (iconName && *iconName)
        ReplaceTrayIcon(data, iconName);
    data.uTimeout = BalloonTimeout(balloonTime);
    CopyCut(data.szInfoTitle, 64, title);
    CopyCut(data.szInfo, 256, text);
    trayNotify(NIM_MODIFY, &data);
    return 1;
}

int RemoveTrayIcon() {
    NOTIFYICONDATAW& data = appState.trayIconData;
    if (data.hIcon) {
        DestroyIcon(data.hIcon);
        data.hIcon = nullptr;
    }
    heldIconSize = 0;
    trayNotify(NIM_DELETE, &data);
    return 1;
}

void HandleTrayNotify(HWND window, LPARAM lParam) {
    const UINT event = LOWORD(lParam);
    // The About and Options dialogs run their own loop on this thread: a menu or an end of the program
    // under them would act beneath the open dialog, so a click only brings it (or its open box) forward.
    HWND dialog = OpenProgramDialog();
    if (dialog && (event == WM_LBUTTONDOWN || event == WM_RBUTTONUP || event == WM_MBUTTONDOWN)) {
        SetForegroundWindow(GetLastActivePopup(dialog));
        return;
    }
    switch (event) {
    case WM_LBUTTONDOWN:
        if (IsWindowVisible(window)) {
            SetActiveWindow(window);
            break;
        }
        // Windows' own keys and slider move a panel's backlight too: the slider shows where it is now.
        ReadPanelsIntoSliders();
        ShowWindow(window, SW_SHOWNORMAL);
        SetFocus(window);
        SetForegroundWindow(window);
        if (const DisplayControl* primary = PrimaryDisplay())
            SetFocus(primary->ddcEnabled ? primary->brightnessSlider : primary->videoSlider);
        PlaceMainWindow(window, true);
        break;
    case WM_RBUTTONUP:
        ShowPopupMenu(window);
        break;
    case WM_MBUTTONDOWN:
        PostMessageW(window, WM_DESTROY, 0, 0);
        break;
    case NIN_BALLOON_USER_CLICK:
        if (appState.notificationKind == 1)
            OpenWebPage(GLIMRA_DONATE_PAGE);
        else if (appState.notificationKind == 2)
            OpenWebPage(GLIMRA_PROGRAM_PAGE);
        appState.notificationKind = 0;
        break;
    default:
        break;
    }
}

void ShowPopupMenu(HWND window) {
    HMENU menu = CreatePopupMenu();
    AppendItem(menu, IDM_ABOUT, kMainMenuAboutProgram);
    AppendItem(menu, IDM_HELP, kHelp);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendItem(menu, IDM_CHECK_UPDATE, kCheckUpdate);
    AppendItem(menu, IDM_WEBSITE, kProgramWebsite);
    AppendItem(menu, IDM_ASSISTANCE, kProjectAssistance);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendItem(menu, IDM_SETTINGS, kMainMenuProgramSetting);
    // With one display there is nothing to link.
    if (displayControls.size() >= 2) {
        AppendItem(menu, IDM_LINK_MONITORS, kLinkMonitors);
        CheckMenuItem(menu, IDM_LINK_MONITORS, MF_BYCOMMAND | (monitorSystem.linkMonitors ? MF_CHECKED : 0));
    }
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendItem(menu, IDM_CANCEL, kCancel);
    AppendItem(menu, IDM_EXIT, kExit);

    POINT cursor{};
    GetCursorPos(&cursor);
    SetForegroundWindow(window);
    const int command =
        TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_VERTICAL, cursor.x, cursor.y, window, nullptr);
    // The documented idiom for a notification-area menu: a harmless message makes the task switch
    // complete, so the next menu does not vanish at once and the window does not stay active unseen.
    PostMessageW(window, WM_NULL, 0, 0);
    switch (command) {
    case IDM_ABOUT:
        if (!appState.aboutDialog)
            ShowAboutDialog(window);
        break;
    case IDM_SETTINGS:
        if (!appState.optionsDialog)
            ShowOptionsDialog(window);
        break;
    case IDM_LINK_MONITORS:
        monitorSystem.linkMonitors = !monitorSystem.linkMonitors;
        break;
    case IDM_HELP:
        OpenHelpFile();
        break;
    case IDM_CHECK_UPDATE:
        RunUpdateCheck(window);
        break;
    case IDM_EXIT:
        SendMessageW(window, WM_DESTROY, 0, 0);
        break;
    case IDM_WEBSITE:
        OpenWebPage(GLIMRA_PROGRAM_PAGE);
        break;
    case IDM_ASSISTANCE:
        OpenWebPage(GLIMRA_DONATE_PAGE);
        break;
    default:
        break;
    }
    DestroyMenu(menu);
}
