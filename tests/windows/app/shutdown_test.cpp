#include "app/shutdown.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/brightness_key_input.h"
#include "app/main_window.h"
#include "app/tray.h"
#include "monitor/data_file.h"
#include "monitor/data_file_layout.h"
#include "monitor/monitor_control.h"
#include "monitor/profile_table.h"
#include "monitor/profiles.h"
#include "scratch_folder.h"
#include "simulated_monitor.h"
#include "slider_host.h"

namespace {

constexpr std::size_t kBrightnessAt = kSettingsBlockSize + 4 + kProfileTableNameBytes + 101;

int32_t SavedBrightness(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (bytes.size() < kBrightnessAt + 4)
        return -1;
    int32_t value;
    std::memcpy(&value, bytes.data() + kBrightnessAt, sizeof(value));
    return value;
}

// Takes the quit message the shutdown posted, so later tests' message loops are not ended by it.
bool TakeQuitMessage() {
    MSG message;
    bool found = false;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        found = found || message.message == WM_QUIT;
    return found;
}

class ShutdownTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host_ = std::make_unique<SliderHost>(L"GlimraShutdownTestHost", DefWindowProcW);
        path_ = FreshScratchFolder(L"shutdown") + L"DataProfiles.dat";
        lstrcpynW(appState.dataFilePath, path_.c_str(), kDataFilePathUnits);
        settings = {};
        settings.currentProfileId = kDefaultProfileId;
        settings.startCount = 1;
        ProfileTableReset();
        CreateProfile(kDefaultProfileId, kDefaultProfileName, 0);
        appState.startupFinished = true;
        appState.shutDown = false;
        appState.taskbarCreatedMessage = RegisterWindowMessageW(L"TaskbarCreated");
    }
    void TearDown() override {
        if (appState.trayIconData.hIcon)
            RemoveTrayIcon();
        TakeQuitMessage();
        appState.trayIconData = {};
        appState.taskbarCreatedMessage = 0;
        appState.startupFinished = false;
        appState.shutDown = false;
        appState.dataFilePath[0] = L'\0';
        host_.reset();
    }

    std::unique_ptr<SliderHost> host_;
    std::wstring path_;
};

} // namespace

TEST_F(ShutdownTest, RunsOnceSoASecondDestroyWritesNothingAndALateShellRestartAddsNoIcon) {
    SetSliderPosition(FirstDisplay().brightnessSlider, 20, 0);
    ShutDownProgram();
    EXPECT_TRUE(TakeQuitMessage());
    EXPECT_EQ(SavedBrightness(path_), 20);

    SetSliderPosition(FirstDisplay().brightnessSlider, 70, 0);
    ShutDownProgram();
    EXPECT_FALSE(TakeQuitMessage()) << "the second WM_DESTROY does nothing";
    EXPECT_EQ(SavedBrightness(path_), 20) << "the second WM_DESTROY writes nothing";

    // "TaskbarCreated" arriving after the icon was removed must not bring it back.
    HWND window = GetParent(FirstDisplay().brightnessSlider);
    MainWndProc(window, appState.taskbarCreatedMessage, 0, 0);
    EXPECT_EQ(appState.trayIconData.hIcon, nullptr);
    EXPECT_EQ(appState.trayIconData.hWnd, nullptr);
}

TEST_F(ShutdownTest, AStartThatDidNotFinishSavesNothing) {
    appState.startupFinished = false;
    ShutDownProgram();
    EXPECT_TRUE(TakeQuitMessage()) << "the program still ends";
    EXPECT_EQ(GetFileAttributesW(path_.c_str()), INVALID_FILE_ATTRIBUTES);
    MainWndProc(GetParent(FirstDisplay().brightnessSlider), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(GetFileAttributesW(path_.c_str()), INVALID_FILE_ATTRIBUTES);
}

// A brightness key pressed just before the exit: its request waits for the presses to pause, a pause the
// program does not live to see. The exit sends it at once, so the monitor has what the data file keeps.
TEST_F(ShutdownTest, ABrightnessKeyRequestStillWaitingIsSentAtTheExitBeforeTheHandlesGo) {
    SimulatedMonitor monitor("brightness=50\n");
    ForgetFoundMonitors();
    FindDisplayControls();
    ASSERT_NE(FirstMonitorHandle(), nullptr);
    EnableMonitorSliders(FirstDisplay(), true);
    const BrightnessKeyChoice savedChoice = brightnessKeyChoice;
    brightnessKeyChoice = {};
    HWND savedMain = appState.mainWindow;
    appState.mainWindow = host_->Window();

    HandleBrightnessHotkey(host_->Window(), kHotkeyBrightnessDown);
    ASSERT_EQ(GetSliderPosition(FirstDisplay().brightnessSlider), 60) << "the slider moves at once";
    EXPECT_TRUE(monitor.Calls("SetVCPFeature").empty()) << "the request waits for the presses to pause";
    ShutDownProgram();
    const std::vector<SimulatorCall> sent = monitor.Calls("SetVCPFeature"); // no worker's delay: at once
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].code, 0x10);
    EXPECT_EQ(sent[0].value, 40);
    EXPECT_EQ(sent[0].handle, reinterpret_cast<unsigned long long>(FirstMonitorHandle()));
    EXPECT_EQ(SavedBrightness(path_), 60) << "the monitor has what is saved";
    MSG timer;
    EXPECT_FALSE(PeekMessageW(&timer, host_->Window(), WM_TIMER, WM_TIMER, PM_NOREMOVE) &&
                 timer.wParam == IDT_BRIGHTNESS_KEYS)
        << "nothing is left to send later";

    appState.mainWindow = savedMain;
    brightnessKeyChoice = savedChoice;
    ForgetFoundMonitors();
}
