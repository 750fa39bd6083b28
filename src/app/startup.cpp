#include "app/startup.h"

#include <commctrl.h>

#include <string>

#include "app/app_ids.h"
#include "app/app_state.h"
#include "app/brightness_key_input.h"
#include "app/data_folder.h"
#include "app/main_window.h"
#include "app/message_boxes.h"
#include "app/notifications.h"
#include "app/shell_utilities.h"
#include "i18n/language.h"
#include "i18n/text_keys.h"
#include "i18n/text_table.h"
#include "monitor/data_file.h"
#include "monitor/display_memory.h"
#include "monitor/monitor_control.h"
#include "monitor/settings_records.h"
#include "platform/wide.h"

namespace {

constexpr int kStartupDelaySeconds = 5;
constexpr int kCreationFailed = -2;
constexpr int kAppDataFolder = 0x1A; // CSIDL_APPDATA

int CreationError(const wchar_t* text) {
    MessageBoxW(nullptr, text, text, MB_OK | MB_ICONEXCLAMATION);
    return kCreationFailed;
}

void RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchProgramMessage(message);
}

} // namespace

int AcquireSingleInstance() {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, kSingleInstanceMutex);
    const DWORD error = GetLastError();
    if (!mutex || error == ERROR_ALREADY_EXISTS)
        return 0;
    return 1; // the handle stays open for the life of the process
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    StartupDelay(kStartupDelaySeconds);

    std::wstring path = EnsureDataFolder(kAppDataFolder) + L"DataProfiles.dat";
    lstrcpynW(appState.dataFilePath, path.c_str(), kDataFilePathUnits);
    ARRAY_FileLoad(appState.dataFilePath);

    const std::u16string language = SelectLanguage(GetLanguageFileName(settings), u"");
    SetLanguageFileName(settings, language);
    LoadLanguageSection(u"[MAINDLG]", CurrentLanguageFilePath());
    LoadLanguageSection(u"[MAINMENU]", CurrentLanguageFilePath());

    if (!AcquireSingleInstance()) {
        ShowNotification(L"OneCopyRunning");
        return 0;
    }
    ReportUnreadableDataFile(); // once, and only by the copy that goes on to run
    if (LoadRememberedDisplays(appState.dataFilePath))
        TimedMessageBox(nullptr, WideText(kDisplaysFileDamaged), kProgramName, kMessageWarning, 0);

    InitPalette();
    appState.appIcon = LoadIconResource(kAppIconName, instance, false);
    RegisterMainWindowClass(instance);
    appState.mainWindow = CreateMainWindow(instance);
    SetWindowIconFromResource(appState.mainWindow, kAppIconName, true);
    if (!appState.mainWindow)
        return CreationError(L"CreateWindow Error");
    if (!LoadProgramFonts())
        return CreationError(L"Create Font Error");
    if (!CreateMainControls())
        return CreationError(L"Create Child Error");

    appState.ownerWindow = appState.mainWindow;
    InitCommonControls();
    ShowWindow(appState.mainWindow, SW_HIDE);
    PlaceMainWindow(appState.mainWindow, false);
    CreateResetTooltip();
    StartBrightnessKeys(appState.mainWindow);
    appState.startupFinished = true;

    RunMessageLoop();
    return 0;
}
