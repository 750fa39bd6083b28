#include "app/main_window.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/app_ids.h"
#include "app/app_state.h"
#include "app/tray.h"
#include "controls/drawing.h"
#include "dialogs/dialogs.h"
#include "i18n/language.h"
#include "icon_width.h"
#include "monitor/monitor_control.h"
#include "monitor/settings_records.h"
#include "platform/dxva2.h"
#include "platform/session_notifications.h"
#include "platform/wide.h"
#include "scratch_folder.h"
#include "display_records.h"
#include "simulated_monitor.h"

using namespace std::chrono_literals;

namespace {

// The program's own main window and controls, made as start-up makes them (a later start, so nothing is
// registered), with the data file in a scratch folder. Taken down without the shutdown sequence.
class RealMainWindow {
  public:
    RealMainWindow() {
        savedSettings_ = settings;
        settings.startCount = 7;
        settings.noBlockingMode = 0;
        settings.currentProfileId = 255;
        ForgetFoundMonitors();
        displayControls.clear(); // the window makes its groups anew
        dataFile_ = FreshScratchFolder(L"mainwindow") + L"DataProfiles.dat";
        lstrcpynW(appState.dataFilePath, dataFile_.c_str(), kDataFilePathUnits);
        HINSTANCE instance = GetModuleHandleW(nullptr);
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
        InitPalette();
        RegisterMainWindowClass(instance);
        appState.mainWindow = CreateMainWindow(instance);
        CreateMainControls();
        appState.ownerWindow = appState.mainWindow;
    }
    ~RealMainWindow() {
        HWND window = appState.mainWindow;
        KillTimer(window, 1044);
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcW));
        DestroyWindow(window);
        appState = AppState{};
        settings = savedSettings_;
        ForgetFoundMonitors();
        while (GetModuleHandleW(L"dxva2.dll"))
            FreeDxva2();
    }
    RealMainWindow(const RealMainWindow&) = delete;
    RealMainWindow& operator=(const RealMainWindow&) = delete;

    HWND Window() const { return appState.mainWindow; }
    bool Saved() const { return GetFileAttributesW(dataFile_.c_str()) != INVALID_FILE_ATTRIBUTES; }

  private:
    SettingsBlock savedSettings_{};
    std::wstring dataFile_;
};

// Runs the program's own message loop step for everything queued on this thread; false on WM_QUIT.
bool PumpLikeTheProgram(std::chrono::milliseconds duration) {
    const auto end = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < end) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT)
                return false;
            DispatchProgramMessage(message);
        }
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

// What the keyboard delivers: a key press and its release, posted to the control with the focus.
void PostKey(HWND target, WPARAM key) {
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

TEST(MainWindowKeys, TheHiddenWindowIgnoresArrowsAndEscape) {
    SimulatedMonitor monitor("brightness=50\ncontrast=50\n");
    RealMainWindow main;
    ASSERT_NE(main.Window(), nullptr);
    ASSERT_TRUE(IsWindowEnabled(FirstDisplay().brightnessSlider));
    ASSERT_FALSE(IsWindowVisible(main.Window()));
    // As after a dialog closed while the window was hidden: active, with a slider focused.
    SetActiveWindow(main.Window());
    SetFocus(FirstDisplay().brightnessSlider);

    for (WPARAM key : {VK_DOWN, VK_UP, VK_NEXT, VK_ESCAPE, VK_RETURN})
        PostKey(FirstDisplay().brightnessSlider, key);
    PostKey(main.Window(), VK_ESCAPE);
    EXPECT_TRUE(PumpLikeTheProgram(700ms)) << "the program must not end";
    EXPECT_TRUE(IsWindow(main.Window()));
    EXPECT_FALSE(main.Saved()) << "no shutdown ran";
    EXPECT_EQ(GetSliderPosition(FirstDisplay().brightnessSlider), 50);
    EXPECT_TRUE(monitor.Calls("SetVCPFeature").empty()) << "no request reached the monitor";

    // The same keys reach the shown window: the test delivers them as the keyboard would.
    ShowWindow(main.Window(), SW_SHOWNORMAL);
    SetFocus(FirstDisplay().brightnessSlider);
    PostKey(FirstDisplay().brightnessSlider, VK_DOWN);
    EXPECT_TRUE(PumpLikeTheProgram(100ms));
    EXPECT_EQ(GetSliderPosition(FirstDisplay().brightnessSlider), 51);
    EXPECT_EQ(monitor.WaitForCalls("SetVCPFeature", 1, 3s).size(), 1u);
}

TEST(MainWindowScale, ANewDpiTakesTheSuggestedPlaceAndRewrapsTheTip) {
    SimulatedMonitor monitor("brightness=50\ncontrast=50\n");
    RealMainWindow main;
    ASSERT_NE(main.Window(), nullptr);
    CreateResetTooltip();
    HWND tip = ToolTipWindow();
    ASSERT_NE(tip, nullptr);
    ASSERT_EQ(SendMessageW(tip, TTM_GETMAXTIPWIDTH, 0, 0), 260);

    // As Windows sends it when the window reaches a monitor at 150 %: the old size scaled, at a new place.
    RECT suggested{40, 30, 40 + 441, 30 + 597};
    SendMessageW(main.Window(), 0x02E0, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    RECT frame{};
    GetWindowRect(main.Window(), &frame);
    EXPECT_EQ(frame.left, 40);
    EXPECT_EQ(frame.top, 30);
    EXPECT_EQ(frame.right - frame.left, 441);
    EXPECT_EQ(frame.bottom - frame.top, 597);
    EXPECT_EQ(SendMessageW(tip, TTM_GETMAXTIPWIDTH, 0, 0), 390) << "the tip wraps at the new scale";

    RECT back{50, 60, 50 + 294, 60 + 398};
    SendMessageW(main.Window(), 0x02E0, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&back));
    GetWindowRect(main.Window(), &frame);
    EXPECT_EQ(frame.left, 50);
    EXPECT_EQ(frame.top, 60);
    EXPECT_EQ(frame.right - frame.left, 294);
    EXPECT_EQ(SendMessageW(tip, TTM_GETMAXTIPWIDTH, 0, 0), 260);
}

// A restarted shell gets the icon back at the small-icon size and without the last reminder's balloon,
// which the shell would show again; the icon it replaces is given back.
TEST(MainWindowTray, ARestartedShellGetsTheSmallIconBackWithoutTheLastBalloon) {
    SimulatedMonitor monitor("brightness=50\ncontrast=50\n");
    RealMainWindow main;
    ASSERT_NE(main.Window(), nullptr);
    ASSERT_NE(appState.taskbarCreatedMessage, 0u);
    const int small = GetSystemMetrics(SM_CXSMICON);
    EXPECT_EQ(IconWidth(appState.trayIconData.hIcon), small) << "the size the notification area shows";
    ShowTrayBalloon(L"Reminder", L"The reminder's text", kTrayIconName, 0);
    EXPECT_EQ(IconWidth(appState.trayIconData.hIcon), small) << "the balloon's icon as well";
    HICON replaced = appState.trayIconData.hIcon;

    MainWndProc(main.Window(), appState.taskbarCreatedMessage, 0, 0);
    EXPECT_STREQ(appState.trayIconData.szInfo, L"");
    EXPECT_STREQ(appState.trayIconData.szInfoTitle, L"");
    EXPECT_EQ(IconWidth(appState.trayIconData.hIcon), small);
    EXPECT_NE(appState.trayIconData.hIcon, replaced);
    ICONINFO info{};
    EXPECT_FALSE(GetIconInfo(replaced, &info)) << "the replaced icon is destroyed";
    RemoveTrayIcon();
}

// The scale of the monitor holding the taskbar, which Wine cannot change while the tests run.
int taskbarScaleDpi = 96;
int TestTaskbarDpi() {
    return taskbarScaleDpi;
}
class TaskbarScale {
  public:
    explicit TaskbarScale(int dpi) {
        taskbarScaleDpi = dpi;
        taskbarDpi = TestTaskbarDpi;
    }
    ~TaskbarScale() { taskbarDpi = saved_; }
    TaskbarScale(const TaskbarScale&) = delete;
    TaskbarScale& operator=(const TaskbarScale&) = delete;

  private:
    TaskbarDpiProc saved_ = taskbarDpi;
};

// What reached the shell: each call's message, flags and icon, passed on to the real notification area.
struct TrayCall {
    DWORD message;
    UINT flags;
    HICON icon;
};
std::vector<TrayCall> trayCalls;
BOOL WINAPI RecordTrayCall(DWORD message, PNOTIFYICONDATAW data) {
    trayCalls.push_back({message, data->uFlags, data->hIcon});
    return Shell_NotifyIconW(message, data);
}
class TrayRecorder {
  public:
    TrayRecorder() {
        trayCalls.clear();
        trayNotify = RecordTrayCall;
    }
    ~TrayRecorder() { trayNotify = Shell_NotifyIconW; }
    TrayRecorder(const TrayRecorder&) = delete;
    TrayRecorder& operator=(const TrayRecorder&) = delete;
};

bool IconAlive(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info))
        return false;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return true;
}

// At 175 % and 225 % the notification area shows 28 and 36 px icons, which the tray icon has no image of;
// the icon is made at the taskbar monitor's size, and made again, in place, when that monitor's scale
// changes, whichever of the messages Windows sends for it arrives. Balloons carry the current one.
TEST(MainWindowTray, TheIconIsMadeAtTheTaskbarsScaleAndFollowsItsChanges) {
    SimulatedMonitor monitor("brightness=50\ncontrast=50\n");
    TaskbarScale scale(168);
    RealMainWindow main;
    ASSERT_NE(main.Window(), nullptr);
    EXPECT_EQ(IconWidth(appState.trayIconData.hIcon), 28) << "175 %";
    ShowTrayBalloon(L"Reminder", L"The reminder's text", kTrayIconName, 0);
    EXPECT_EQ(IconWidth(appState.trayIconData.hIcon), 28) << "the balloon's icon";

    RECT place{};
    GetWindowRect(main.Window(), &place);
    struct Change {
        const char* message;
        UINT number;
        WPARAM wParam;
        LPARAM lParam;
    };
    const Change changes[] = {
        {"WM_DPICHANGED", 0x02E0, MAKEWPARAM(216, 216), reinterpret_cast<LPARAM>(&place)},
        {"WM_SETTINGCHANGE", WM_SETTINGCHANGE, SPI_SETWORKAREA, 0},
        {"WM_DISPLAYCHANGE", WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768)},
    };
    int dpi = 168;
    for (const Change& change : changes) {
        SCOPED_TRACE(change.message);
        dpi = dpi == 168 ? 216 : 168;
        taskbarScaleDpi = dpi;
        HICON before = appState.trayIconData.hIcon;
        const TrayRecorder recorder;
        SendMessageW(main.Window(), change.number, change.wParam, change.lParam);
        EXPECT_EQ(IconWidth(appState.trayIconData.hIcon), dpi == 216 ? 36 : 28);
        EXPECT_FALSE(IconAlive(before)) << "the replaced icon is destroyed";
        EXPECT_STREQ(appState.trayIconData.szInfo, L"The reminder's text") << "the balloon's data stays";
        // The shell is handed the new image in place, without the balloon, which it would show again.
        ASSERT_EQ(trayCalls.size(), 1u);
        EXPECT_EQ(trayCalls[0].message, static_cast<DWORD>(NIM_MODIFY));
        EXPECT_EQ(trayCalls[0].flags, static_cast<UINT>(NIF_ICON));
        EXPECT_EQ(trayCalls[0].icon, appState.trayIconData.hIcon);
    }
    // Nothing changed: the icon stays the one held.
    HICON held = appState.trayIconData.hIcon;
    SendMessageW(main.Window(), WM_SETTINGCHANGE, 0, 0);
    EXPECT_EQ(appState.trayIconData.hIcon, held);
    EXPECT_TRUE(IconAlive(held));

    taskbarScaleDpi = 216;
    ShowTrayBalloon(L"Reminder", L"Again", kTrayIconName, 0);
    EXPECT_EQ(IconWidth(appState.trayIconData.hIcon), 36)
        << "a balloon after the change carries the new size";
    EXPECT_FALSE(IconAlive(held));

    // An image that cannot be made keeps the icon shown, and the next change of scale tries again.
    held = appState.trayIconData.hIcon;
    ShowTrayBalloon(L"Reminder", L"No picture", L"NO_SUCH_ICON", 0);
    EXPECT_EQ(appState.trayIconData.hIcon, held);
    EXPECT_TRUE(IconAlive(held));
    taskbarScaleDpi = 168;
    SendMessageW(main.Window(), WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
    EXPECT_EQ(IconWidth(appState.trayIconData.hIcon), 28);
    RemoveTrayIcon();
}

// Early in a logon the session services do not answer yet: the registration is asked again on a timer
// until it succeeds, and the timer stops then.
int sessionAttempts = 0;
BOOL WINAPI RegisterOnTheThirdAttempt(HWND, DWORD) {
    if (++sessionAttempts < 3) {
        SetLastError(RPC_S_INVALID_BINDING);
        return FALSE;
    }
    return TRUE;
}

TEST(MainWindowSessions, AFailedRegistrationIsAskedAgainUntilItSucceedsAndThenNoMore) {
    SimulatedMonitor monitor("brightness=50\ncontrast=50\n");
    sessionAttempts = 0;
    sessionRegistration = RegisterOnTheThirdAttempt;
    struct Restore {
        ~Restore() { sessionRegistration = nullptr; }
    } restore;
    RealMainWindow main;
    ASSERT_NE(main.Window(), nullptr);
    EXPECT_EQ(sessionAttempts, 1) << "asked when the window was made";

    const auto deadline =
        std::chrono::steady_clock::now() + 3 * std::chrono::milliseconds(kSessionRetryMs) + 3s;
    while (sessionAttempts < 3 && std::chrono::steady_clock::now() < deadline)
        ASSERT_TRUE(PumpLikeTheProgram(20ms));
    EXPECT_EQ(sessionAttempts, 3) << "asked again on the timer until it succeeded";
    EXPECT_FALSE(KillTimer(main.Window(), IDT_SESSION_RETRY)) << "the timer stopped with the success";
    // A later re-find asks nothing more of a registered window.
    EXPECT_TRUE(RegisterSessionNotifications(main.Window()));
    EXPECT_EQ(sessionAttempts, 3);
    UnregisterSessionNotifications(main.Window());
}

// While the About or Options dialog runs its loop, a tray click must not end the program or show the
// window beneath it; once the dialog is gone the middle click ends the program again.
TEST(MainWindowTray, ClicksWhileADialogIsOpenOnlyBringItForward) {
    SimulatedMonitor monitor("brightness=50\ncontrast=50\n");
    RealMainWindow main;
    ASSERT_NE(main.Window(), nullptr);
    HWND dialog = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 60, 40, main.Window(),
                                  nullptr, nullptr, nullptr);
    ASSERT_NE(dialog, nullptr);
    for (HWND* open : {&appState.optionsDialog, &appState.aboutDialog}) {
        *open = dialog;
        HandleTrayNotify(main.Window(), WM_MBUTTONDOWN);
        HandleTrayNotify(main.Window(), WM_LBUTTONDOWN);
        EXPECT_TRUE(PumpLikeTheProgram(300ms)) << "the program must not end under the dialog";
        EXPECT_FALSE(IsWindowVisible(main.Window()));
        EXPECT_EQ(GetForegroundWindow(), dialog);
        *open = nullptr;
    }
    EXPECT_TRUE(IsWindow(dialog));
    DestroyWindow(dialog);

    HandleTrayNotify(main.Window(), WM_MBUTTONDOWN);
    EXPECT_FALSE(PumpLikeTheProgram(300ms)) << "without a dialog the middle click ends the program";
}

// Steps that run one per timer tick while the About or Options dialog is up; then the dialog is closed as
// Escape would close it, or destroyed past the deadline, so no test leaves one behind.
struct DialogVisit {
    std::vector<std::function<void(HWND)>> steps;
    std::size_t next = 0;
    ULONGLONG deadline = 0;
};
DialogVisit* currentVisit = nullptr;

void CALLBACK VisitOpenDialog(HWND, UINT, UINT_PTR, DWORD) {
    DialogVisit& visit = *currentVisit;
    HWND dialog = OpenProgramDialog();
    if (!dialog || !IsWindowVisible(dialog))
        return;
    if (visit.next < visit.steps.size())
        visit.steps[visit.next++](dialog);
    else if (GetTickCount64() < visit.deadline)
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    else
        DestroyWindow(dialog);
}

int VisibleDialogsOfThisThread() {
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM lParam) -> BOOL {
            wchar_t name[16] = {};
            GetClassNameW(window, name, 16);
            if (lstrcmpW(name, L"#32770") == 0 && IsWindowVisible(window))
                ++*reinterpret_cast<int*>(lParam);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

// The window opened from the tray stays while the About or Options dialog is open over it, even when the
// user clicks another program meanwhile; once the dialog has gone, the next click elsewhere hides it.
TEST(MainWindowDialogs, TheWindowStaysShownWhileADialogIsOpenWhereverTheUserClicks) {
    SimulatedMonitor monitor("brightness=50\ncontrast=50\n");
    RealMainWindow main;
    ASSERT_NE(main.Window(), nullptr);
    const std::u16string savedFolder = languageFolder;
    languageFolder = ToU16(FreshScratchFolder(L"dialoglangs"));
    HWND elsewhere = CreateWindowExW(0, L"STATIC", L"elsewhere", WS_OVERLAPPED | WS_VISIBLE, 300, 300, 120,
                                     80, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(elsewhere, nullptr);

    const struct {
        const char* name;
        void (*show)(HWND);
    } dialogs[] = {{"About", ShowAboutDialog}, {"Options", ShowOptionsDialog}};
    for (const auto& d : dialogs) {
        SCOPED_TRACE(d.name);
        HandleTrayNotify(main.Window(), WM_LBUTTONDOWN);
        EXPECT_TRUE(PumpLikeTheProgram(100ms));
        ASSERT_TRUE(IsWindowVisible(main.Window()));
        ASSERT_EQ(GetForegroundWindow(), main.Window());

        HWND opened = nullptr;
        bool shownWhenOpened = false, shownAfterClickElsewhere = false, elsewhereInFront = false;
        bool openOneInFront = false;
        int openDialogs = 0;
        DialogVisit visit;
        visit.deadline = GetTickCount64() + 10000;
        visit.steps = {
            [&](HWND dialog) {
                opened = dialog;
                shownWhenOpened = IsWindowVisible(main.Window());
                SetForegroundWindow(elsewhere); // the user clicks another program
            },
            [&](HWND dialog) {
                shownAfterClickElsewhere = IsWindowVisible(main.Window());
                elsewhereInFront = GetForegroundWindow() == elsewhere;
                d.show(main.Window()); // the same command once more
                openOneInFront = GetForegroundWindow() == dialog;
                openDialogs = VisibleDialogsOfThisThread();
            },
        };
        currentVisit = &visit;
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, VisitOpenDialog);
        d.show(main.Window());
        KillTimer(nullptr, timer);
        currentVisit = nullptr;

        ASSERT_NE(opened, nullptr);
        EXPECT_EQ(visit.next, visit.steps.size());
        EXPECT_TRUE(shownWhenOpened) << "the dialog taking the activation does not hide the window";
        EXPECT_TRUE(elsewhereInFront) << "the test could not put another window in front";
        EXPECT_TRUE(shownAfterClickElsewhere) << "a click elsewhere does not hide the window";
        EXPECT_TRUE(openOneInFront) << "a second request brings the open dialog forward";
        EXPECT_EQ(openDialogs, 1) << "and opens no second one";
        EXPECT_FALSE(IsWindow(opened));

        // Without a dialog the window is hidden again by the next click elsewhere.
        EXPECT_TRUE(IsWindowVisible(main.Window()));
        SetForegroundWindow(elsewhere);
        const auto end = std::chrono::steady_clock::now() + 3s;
        while (IsWindowVisible(main.Window()) && std::chrono::steady_clock::now() < end)
            EXPECT_TRUE(PumpLikeTheProgram(20ms));
        EXPECT_FALSE(IsWindowVisible(main.Window()));
    }
    DestroyWindow(elsewhere);
    languageFolder = savedFolder;
}

} // namespace
