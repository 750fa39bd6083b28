#include "monitor/monitor_control.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "app/tray.h"
#include "monitor/channels.h"
#include "monitor/monitor_startup.h"
#include "platform/dxva2.h"
#include "simulated_monitor.h"
#include "slider_host.h"

using namespace std::chrono_literals;

namespace {

// Slider notifications reach monitor control as they do from the main window.
std::vector<HWND> notifications;

LRESULT CALLBACK ForwardToMonitorControl(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_VSCROLL) {
        HWND slider = reinterpret_cast<HWND>(lParam);
        notifications.push_back(slider);
        const int position = GetSliderPosition(slider);
        if (slider == FirstDisplay().brightnessSlider)
            SetMonitorBrightness(FirstDisplay(), MonitorValueFromPosition(position));
        else if (slider == FirstDisplay().contrastSlider)
            SetMonitorContrast(FirstDisplay(), MonitorValueFromPosition(position));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

class MonitorSliderHost : public SliderHost {
  public:
    MonitorSliderHost() : SliderHost(L"GlimraMonitorTestHost", ForwardToMonitorControl) {
        notifications.clear();
    }
};

void ResetMonitorControl() {
    ForgetMonitorRequests(FirstDisplay());
    monitorSystem.ddcCapableSystem = 1;
    settings.noBlockingMode = 0;
    ForgetFoundMonitors();
}

// A later start (the first one registers autostart), with the settings put back afterwards.
struct LaterStart {
    SettingsBlock saved = settings;
    LaterStart() {
        settings.startCount = 7;
        settings.noBlockingMode = 0;
        settings.currentProfileId = 255;
    }
    ~LaterStart() { settings = saved; }
};

// Waits until no worker holds the library any more, so loading tests start from an unloaded library.
void WaitForWorkersToEnd() {
    std::this_thread::sleep_for(700ms);
}

// The program's reference, then any other this process still holds (bounded: a leak must fail, not hang).
void UnloadDxva2() {
    FreeDxva2();
    for (int i = 0; i < 16 && GetModuleHandleW(L"dxva2.dll"); ++i)
        FreeLibrary(GetModuleHandleW(L"dxva2.dll"));
}

std::wstring LoadedLibraryPath(HMODULE module) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(module, path, MAX_PATH);
    return path;
}

std::wstring SystemFolderFile(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = {};
    GetSystemDirectoryW(folder, MAX_PATH);
    return std::wstring(folder) + L"\\" + name;
}

bool SamePath(const std::wstring& a, const std::wstring& b) {
    return lstrcmpiW(a.c_str(), b.c_str()) == 0;
}

} // namespace

TEST(MonitorControl, StartingFindsTheSimulatedMonitorEnablesBothSlidersAndReadsIt) {
    SimulatedMonitor monitor("brightness=70\ncontrast=60\n");
    MonitorSliderHost host;
    ResetMonitorControl();
    LaterStart start;
    InitMonitorControl();
    EXPECT_EQ(monitorSystem.ddcCapableSystem, 1);
    EXPECT_NE(FirstMonitorHandle(), nullptr);
    EXPECT_EQ(FirstDisplay().ddcEnabled, 1);
    EXPECT_TRUE(IsWindowEnabled(FirstDisplay().brightnessSlider));
    EXPECT_TRUE(IsWindowEnabled(FirstDisplay().contrastSlider));
    EXPECT_EQ(GetSliderPosition(FirstDisplay().brightnessSlider), 30)
        << "the monitor's own value is read back";
    EXPECT_EQ(GetSliderPosition(FirstDisplay().contrastSlider), 40);
    EXPECT_EQ(settings.startCount, 8) << "the start is counted";
}

TEST(MonitorControl, TwoRequestsStartTwoWorkersThatBothSendTheLatestValue) {
    SimulatedMonitor monitor;
    ResetMonitorControl();
    FindDisplayControls();

    const uint64_t firstRequest = EpochMilliseconds();
    EXPECT_EQ(SetMonitorBrightness(FirstDisplay(), 40), 1);
    std::this_thread::sleep_for(40ms); // the call itself paused 60 ms: the second request comes 100 ms later
    EXPECT_EQ(SetMonitorBrightness(FirstDisplay(), 60), 1);

    const auto writes = monitor.WaitForCalls("SetVCPFeature", 2, 3s);
    ASSERT_EQ(writes.size(), 2u);
    for (const SimulatorCall& write : writes) {
        EXPECT_EQ(write.code, 0x10);
        EXPECT_EQ(write.value, 60) << "each worker sends the value pending when it wakes";
    }
    const int64_t delay = static_cast<int64_t>(writes[0].epochMs) - static_cast<int64_t>(firstRequest);
    EXPECT_GE(delay, 520);
    EXPECT_LE(delay, 900);
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(monitor.Calls("SetVCPFeature").size(), 2u) << "no third send";
    EXPECT_EQ(monitor.StateValue("brightness"), "60");
}

// A display showing one picture on two physical monitors: each of them hears every new request, once.
TEST(MonitorControl, RepeatedRequestIsDroppedAndEveryOtherReachesEachMonitorOfTheDisplayOnce) {
    SimulatedMonitor monitor("monitors=2\n");
    ResetMonitorControl();
    FindDisplayControls();
    ASSERT_EQ(FirstDisplay().monitors.size(), 2u);
    EXPECT_EQ(SetMonitorContrast(FirstDisplay(), 0), 2)
        << "nothing was sent yet, so a first request of 0 goes out, to each monitor";
    ASSERT_EQ(monitor.WaitForCalls("SetVCPFeature", 2, 2s).size(), 2u);
    EXPECT_EQ(SetMonitorContrast(FirstDisplay(), 0), 0);
    EXPECT_EQ(SetMonitorContrast(FirstDisplay(), 35), 2);
    EXPECT_EQ(SetMonitorContrast(FirstDisplay(), 35), 0);
    monitor.WaitForCalls("SetVCPFeature", 4, 2s);
    std::this_thread::sleep_for(600ms);
    const auto writes = monitor.Calls("SetVCPFeature");
    std::multiset<std::tuple<unsigned long long, int, long, int>> sent;
    for (const SimulatorCall& write : writes)
        sent.insert({write.handle, write.code, write.value, write.result});
    // 0 is sent as 1; the second request follows the first on each monitor.
    EXPECT_EQ(sent,
              (std::multiset<std::tuple<unsigned long long, int, long, int>>{
                  {0x1001, 0x12, 1, 1}, {0x1002, 0x12, 1, 1}, {0x1001, 0x12, 35, 1}, {0x1002, 0x12, 35, 1}}));
    ASSERT_EQ(writes.size(), 4u);
    EXPECT_EQ(writes[2].value, 35);
    EXPECT_EQ(writes[3].value, 35);
}

TEST(MonitorControl, ReadingPutsTheMonitorValuesOnTheSlidersWithoutSendingBack) {
    SimulatedMonitor monitor("brightness=70\ncontrast=150\n");
    MonitorSliderHost host;
    ResetMonitorControl();
    FindDisplayControls();
    EnableMonitorSliders(FirstDisplay(), true);
    ReadMonitorIntoSliders(FirstDisplay(), nullptr);
    EXPECT_EQ(GetSliderPosition(FirstDisplay().brightnessSlider), 30);
    EXPECT_EQ(GetSliderPosition(FirstDisplay().contrastSlider), 50) << "150 reads as position 50";
    EXPECT_TRUE(notifications.empty()) << "reading must not notify, or it would send back";
    EXPECT_FALSE(FirstMonitor().lastBrightnessRequest.has_value())
        << "reads do not change the remembered request";
    std::this_thread::sleep_for(600ms);
    EXPECT_TRUE(monitor.Calls("SetVCPFeature").empty());
}

TEST(MonitorControl, SilentChannelCostsThreeAttemptsAndDisablesOnlyItsSlider) {
    SimulatedMonitor monitor("brightness=70\ncontrast=60\nfail_codes=12\n");
    MonitorSliderHost host;
    ResetMonitorControl();
    FindDisplayControls();
    EnableMonitorSliders(FirstDisplay(), true);
    // Nothing queued: each pass of the pause before a read then sleeps instead of handling a message.
    MSG queued;
    while (PeekMessageW(&queued, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&queued);

    const uint64_t startedAt = EpochMilliseconds();
    const auto start = std::chrono::steady_clock::now();
    ReadMonitorIntoSliders(FirstDisplay(), nullptr);
    const auto elapsed = std::chrono::steady_clock::now() - start;

    // In call order: the brightness read that answers, then the three contrast attempts.
    const auto reads = monitor.Calls("GetVCPFeatureAndVCPFeatureReply");
    ASSERT_EQ(reads.size(), 4u);
    EXPECT_EQ(reads[0].code, 0x10);
    for (std::size_t i = 1; i < 4; ++i)
        EXPECT_EQ(reads[i].code, 0x12) << i;
    // The log's clock counts whole milliseconds: a little under each pause still proves it was there.
    EXPECT_GE(reads[0].epochMs - startedAt, 100u) << "11 passes of 10 ms before the brightness read";
    EXPECT_GE(reads[1].epochMs - reads[0].epochMs, 100u) << "11 passes of 10 ms before the contrast read";
    EXPECT_GE(reads[2].epochMs - reads[1].epochMs, 50u) << "60 ms after the first failed attempt";
    EXPECT_GE(reads[3].epochMs - reads[2].epochMs, 50u) << "60 ms after the second failed attempt";
    EXPECT_GE(elapsed, 400ms) << "two pauses of 110 ms and 60 ms after each of the three failed attempts";
    EXPECT_TRUE(IsWindowEnabled(FirstDisplay().brightnessSlider));
    EXPECT_EQ(GetSliderPosition(FirstDisplay().brightnessSlider), 30);
    EXPECT_FALSE(IsWindowEnabled(FirstDisplay().contrastSlider));
    EXPECT_EQ(FirstDisplay().ddcEnabled, 1) << "only the slider is disabled";
}

TEST(MonitorControl, NoBlockingModeSetsAndSendsTheStoredPositions) {
    SimulatedMonitor monitor("silent=1\n");
    MonitorSliderHost host;
    ResetMonitorControl();
    settings.noBlockingMode = 1;
    FindDisplayControls();
    EnableMonitorSliders(FirstDisplay(), true);
    ProfileRecord record{};
    record.brightnessPosition = 30;
    record.contrastPosition = 40;

    ReadMonitorIntoSliders(FirstDisplay(), &record);

    EXPECT_TRUE(IsWindowEnabled(FirstDisplay().brightnessSlider));
    EXPECT_TRUE(IsWindowEnabled(FirstDisplay().contrastSlider));
    EXPECT_EQ(GetSliderPosition(FirstDisplay().brightnessSlider), 30);
    EXPECT_EQ(GetSliderPosition(FirstDisplay().contrastSlider), 40);
    const auto writes = monitor.WaitForCalls("SetVCPFeature", 2, 3s);
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(writes[0].code, 0x10);
    EXPECT_EQ(writes[0].value, 70);
    EXPECT_EQ(writes[1].code, 0x12);
    EXPECT_EQ(writes[1].value, 60);
    settings.noBlockingMode = 0;
}

TEST(MonitorControl, NoBlockingModeWithoutARecordLeavesTheSlidersAlone) {
    SimulatedMonitor monitor("silent=1\n");
    MonitorSliderHost host;
    ResetMonitorControl();
    settings.noBlockingMode = 1;
    FindDisplayControls();
    EnableMonitorSliders(FirstDisplay(), true);
    ReadMonitorIntoSliders(FirstDisplay(), nullptr);
    EXPECT_TRUE(IsWindowEnabled(FirstDisplay().brightnessSlider));
    EXPECT_EQ(GetSliderPosition(FirstDisplay().brightnessSlider), 50);
    EXPECT_TRUE(notifications.empty());
    settings.noBlockingMode = 0;
}

TEST(MonitorControl, AMonitorReportingMaximumFiftyIsShownAndSentOnItsOwnScale) {
    SimulatedMonitor monitor("brightness=40\nbrightness_max=50\ncontrast=60\ncontrast_max=100\n");
    MonitorSliderHost host;
    ResetMonitorControl();
    FindDisplayControls();
    EnableMonitorSliders(FirstDisplay(), true);
    ReadMonitorIntoSliders(FirstDisplay(), nullptr);
    EXPECT_EQ(GetSliderPosition(FirstDisplay().brightnessSlider), 20) << "40 of 50 shows 80";
    EXPECT_EQ(GetSliderPosition(FirstDisplay().contrastSlider), 40) << "a maximum of 100 changes nothing";

    SetSliderPosition(FirstDisplay().brightnessSlider, 0, WM_VSCROLL); // the top of the slider
    SetSliderPosition(FirstDisplay().contrastSlider, 0, WM_VSCROLL);
    auto writes = monitor.WaitForCalls("SetVCPFeature", 2, 3s);
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(writes[0].code, 0x10);
    EXPECT_EQ(writes[0].value, 50) << "the top sends the monitor's maximum, not 100";
    EXPECT_EQ(writes[1].code, 0x12);
    EXPECT_EQ(writes[1].value, 100);
    SetSliderPosition(FirstDisplay().brightnessSlider, 100, WM_VSCROLL);
    writes = monitor.WaitForCalls("SetVCPFeature", 3, 3s);
    ASSERT_EQ(writes.size(), 3u);
    EXPECT_EQ(writes[2].value, 1) << "the bottom still sends 1, never 0";
}

TEST(MonitorControl, NoBlockingModeScalesOnlyWhatThisMonitorHasReported) {
    SimulatedMonitor monitor("brightness=40\nbrightness_max=50\ncontrast=60\ncontrast_max=100\n");
    MonitorSliderHost host;
    ResetMonitorControl();
    FindDisplayControls();
    EnableMonitorSliders(FirstDisplay(), true);
    ReadMonitorIntoSliders(FirstDisplay(), nullptr); // tells the maximum 50; sends nothing
    monitor.Configure("brightness=40\nbrightness_max=50\nfail_codes=10,12\n");
    settings.noBlockingMode = 1;
    ProfileRecord record{};
    record.brightnessPosition = 0;
    record.contrastPosition = 30;

    // The same monitor, now silent: the stored top position goes out on the scale it told.
    ReadMonitorIntoSliders(FirstDisplay(), &record);
    auto writes = monitor.WaitForCalls("SetVCPFeature", 2, 3s);
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(writes[0].code, 0x10);
    EXPECT_EQ(writes[0].value, 50);
    EXPECT_EQ(writes[1].value, 70);

    // Found again, it may be another monitor that has told nothing yet: percentages go out.
    ReleasePhysicalMonitors(FirstDisplay());
    ForgetMonitorRequests(FirstDisplay());
    FindDisplayControls();
    ReadMonitorIntoSliders(FirstDisplay(), &record);
    writes = monitor.WaitForCalls("SetVCPFeature", 4, 3s);
    settings.noBlockingMode = 0;
    ASSERT_EQ(writes.size(), 4u);
    EXPECT_EQ(writes[2].code, 0x10);
    EXPECT_EQ(writes[2].value, 100);
    EXPECT_EQ(writes[3].value, 70);
}

TEST(MonitorControl, FactoryResetSendsRestoreCodeOneAndForgetsTheLastRequests) {
    SimulatedMonitor monitor("brightness=20\ncontrast=30\nfactory_brightness=80\nfactory_contrast=75\n");
    ResetMonitorControl();
    FindDisplayControls();
    ASSERT_EQ(SetMonitorBrightness(FirstDisplay(), 40), 1);
    ASSERT_EQ(monitor.WaitForCalls("SetVCPFeature", 1, 2s).size(), 1u);

    // A request whose worker still waits when the user resets must not undo the reset.
    ASSERT_EQ(SetMonitorBrightness(FirstDisplay(), 50), 1);
    FactoryResetMonitors(FirstDisplay());
    std::this_thread::sleep_for(900ms); // the waiting worker has woken by now
    auto writes = monitor.Calls("SetVCPFeature");
    ASSERT_EQ(writes.size(), 2u) << "nothing after the reset";
    EXPECT_EQ(writes[1].code, 0x05);
    EXPECT_EQ(writes[1].value, 1);
    EXPECT_EQ(ReadVcpValue(FirstMonitorHandle(), 0x10), 80);
    EXPECT_EQ(ReadVcpValue(FirstMonitorHandle(), 0x12), 75);

    // The monitor now holds 80: the value asked before the reset must reach it again.
    EXPECT_EQ(SetMonitorBrightness(FirstDisplay(), 50), 1);
    writes = monitor.WaitForCalls("SetVCPFeature", 3, 2s);
    ASSERT_EQ(writes.size(), 3u);
    EXPECT_EQ(writes[2].code, 0x10);
    EXPECT_EQ(writes[2].value, 50);
    EXPECT_EQ(monitor.StateValue("brightness"), "50");
}

TEST(MonitorControl, ReadBrightnessMaximumIsOneCallWithoutRetry) {
    SimulatedMonitor monitor("brightness_max=87\n");
    ResetMonitorControl();
    FindDisplayControls();
    EXPECT_EQ(ReadBrightnessMaximum(FirstDisplay()), 87u);
    monitor.Configure("silent=1\n");
    EXPECT_EQ(ReadBrightnessMaximum(FirstDisplay()), 0u);
    EXPECT_EQ(monitor.Calls("GetVCPFeatureAndVCPFeatureReply").size(), 2u);
}

TEST(MonitorControl, WindowsVersionIsMajorPlusMinorHundredths) {
    // GetVersion's answers on known systems; the build number in the high word plays no part.
    const struct {
        uint32_t packed;
        double version;
    } known[] = {
        {0x0A280105, 5.01}, // Windows XP
        {0x17700006, 6.0},  // Windows Vista
        {0x1DB10106, 6.01}, // Windows 7
        {0x23F00206, 6.02}, // Windows 8, and later systems without a manifest that names them
        {0x25800306, 6.03}, // Windows 8.1
        {0x4A61000A, 10.0}, // Windows 10 and 11 with such a manifest
    };
    for (const auto& k : known)
        EXPECT_DOUBLE_EQ(WindowsVersionNumber(k.packed), k.version) << std::hex << k.packed;
    // Wine reports Windows 7 in a new prefix, 6.02 or 10.0 when set to Windows 10.
    const double running = WindowsVersionNumber();
    EXPECT_TRUE(running == 6.01 || running == 6.02 || running == 10.0) << running;
}

TEST(Dxva2Loading, AWorkerStillSleepingKeepsTheLibraryUntilItHasSent) {
    SimulatedMonitor monitor;
    WaitForWorkersToEnd();
    ResetMonitorControl();
    FindDisplayControls();
    ASSERT_EQ(SetMonitorBrightness(FirstDisplay(), 45), 1);
    FreeDxva2(); // as the program does at exit, while the worker still sleeps
    const auto writes = monitor.WaitForCalls("SetVCPFeature", 1, 3s);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].value, 45);
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(GetModuleHandleW(L"dxva2.dll"), nullptr) << "the worker's reference is dropped when it ends";
}

TEST(Dxva2Loading, APlantedCopyBesideTheProgramIsNeverLoaded) {
    WaitForWorkersToEnd();
    UnloadDxva2();

    wchar_t exePath[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exePath, MAX_PATH);
    std::wstring planted(exePath);
    planted = planted.substr(0, planted.find_last_of(L'\\') + 1) + L"dxva2.dll";
    wchar_t simulator[MAX_PATH] = {};
    ASSERT_TRUE(GetEnvironmentVariableW(L"GLIMRA_SIMULATOR_DLL", simulator, MAX_PATH));
    ASSERT_TRUE(CopyFileW(simulator, planted.c_str(), FALSE));

    HMODULE loaded = LoadDxva2();
    ASSERT_NE(loaded, nullptr);
    EXPECT_TRUE(SamePath(LoadedLibraryPath(loaded), SystemFolderFile(L"dxva2.dll")))
        << LoadedLibraryPath(loaded).c_str();
    FreeDxva2();
    DeleteFileW(planted.c_str());
}

TEST(Dxva2Loading, WithoutAUsableLibraryTheWrappersFailAndTheMonitorSlidersAreDisabled) {
    WaitForWorkersToEnd();
    UnloadDxva2();
    const std::wstring installed = SystemFolderFile(L"dxva2.dll");
    const std::wstring aside = installed + L".aside";
    ASSERT_TRUE(MoveFileExW(installed.c_str(), aside.c_str(), MOVEFILE_REPLACE_EXISTING));
    struct Restore {
        std::wstring from, to;
        ~Restore() {
            UnloadDxva2();
            MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING);
        }
    } restore{aside, installed};

    MonitorSliderHost host;
    ResetMonitorControl();
    LaterStart start;
    DWORD count = 0;
    EXPECT_EQ(
        GetNumberOfPhysicalMonitorsFromHMONITOR(MonitorFromWindow(nullptr, MONITOR_DEFAULTTOPRIMARY), &count),
        0);
    EXPECT_EQ(count, 0u) << "out-parameters stay as the caller set them";
    DWORD current = 7;
    EXPECT_EQ(GetVCPFeatureAndVCPFeatureReply(nullptr, 0x10, nullptr, &current, nullptr), 0);
    EXPECT_EQ(SetVCPFeature(nullptr, 0x10, 50), 0);
    EXPECT_EQ(ReadVcpValue(nullptr, 0x10), -1);

    InitMonitorControl();
    EXPECT_EQ(FirstMonitorHandle(), nullptr);
    EXPECT_EQ(FirstDisplay().ddcEnabled, 0);
    EXPECT_FALSE(IsWindowEnabled(FirstDisplay().brightnessSlider));
    EXPECT_FALSE(IsWindowEnabled(FirstDisplay().contrastSlider));
    EXPECT_TRUE(IsWindowEnabled(FirstDisplay().videoSlider)) << "the video slider is never disabled";

    // A tray click then shows the window with the video slider focused.
    HandleTrayNotify(host.Window(), WM_LBUTTONDOWN);
    EXPECT_TRUE(IsWindowVisible(host.Window()));
    EXPECT_EQ(GetFocus(), FirstDisplay().videoSlider);
}

TEST(Dxva2Loading, FreeGivesBackOnlyTheProgramsOwnReference) {
    WaitForWorkersToEnd();
    UnloadDxva2();
    // Another holder's reference, as a worker still sleeping at exit keeps one.
    HMODULE other = LoadLibraryExW(L"dxva2.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    ASSERT_NE(other, nullptr);
    ASSERT_EQ(LoadDxva2(), other);
    FreeDxva2();
    FreeDxva2(); // a second shutdown must not take the other holder's reference
    EXPECT_EQ(GetModuleHandleW(L"dxva2.dll"), other) << "the other holder's reference survives";
    FreeLibrary(other);
    EXPECT_EQ(GetModuleHandleW(L"dxva2.dll"), nullptr);
}

namespace {

std::vector<std::wstring> loadedNames;

// A loader as on Windows 7 without KB2533623: the system-folder search flag is an invalid parameter.
HMODULE WINAPI LoaderWithoutSearchFlags(LPCWSTR name, HANDLE reserved, DWORD flags) {
    if (flags & LOAD_LIBRARY_SEARCH_SYSTEM32) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    loadedNames.push_back(name);
    return LoadLibraryExW(name, reserved, flags);
}

} // namespace

TEST(Dxva2Loading, WithoutTheSearchFlagTheSystemFoldersCopyIsLoadedByItsFullPath) {
    WaitForWorkersToEnd();
    UnloadDxva2();
    SimulatedMonitor monitor;
    wchar_t exePath[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exePath, MAX_PATH);
    std::wstring planted(exePath);
    planted = planted.substr(0, planted.find_last_of(L'\\') + 1) + L"dxva2.dll";
    wchar_t simulator[MAX_PATH] = {};
    ASSERT_TRUE(GetEnvironmentVariableW(L"GLIMRA_SIMULATOR_DLL", simulator, MAX_PATH));
    ASSERT_TRUE(CopyFileW(simulator, planted.c_str(), FALSE)); // a bare name would find this one first
    loadedNames.clear();
    dxva2Loader = LoaderWithoutSearchFlags;

    HMODULE loaded = LoadDxva2();
    ResetMonitorControl();
    const int count = FindDisplayControls();
    HMODULE workerReference = AddDxva2Reference();
    dxva2Loader = LoadLibraryExW;

    ASSERT_NE(loaded, nullptr);
    EXPECT_TRUE(SamePath(LoadedLibraryPath(loaded), SystemFolderFile(L"dxva2.dll")))
        << LoadedLibraryPath(loaded).c_str();
    ASSERT_EQ(loadedNames.size(), 1u) << "loaded once; the wrappers and the worker use that handle";
    EXPECT_TRUE(SamePath(loadedNames[0], SystemFolderFile(L"dxva2.dll"))) << loadedNames[0].c_str();
    EXPECT_EQ(count, 1) << "the monitor sliders work on such a system too";
    EXPECT_EQ(workerReference, loaded);
    FreeLibrary(workerReference);
    UnloadDxva2();
    DeleteFileW(planted.c_str());
}

namespace {

ULONGLONG fakeUptimeMs = 0;
ULONGLONG WINAPI FakeUptime() {
    return fakeUptimeMs;
}

TEST(StartupDelay, OnlyAStartWithinThirtySecondsOfBootWaits) {
    const SystemUptimeProc saved = systemUptime;
    systemUptime = FakeUptime;
    const struct {
        ULONGLONG uptimeMs;
        bool waits;
    } cases[] = {
        {29'999, true},
        {30'000, false},
        {3'600'000, false},
        {(1ULL << 32) + 10'000, false}, // up for 49.7 days: a 32-bit count has just wrapped to 10 s
    };
    for (const auto& c : cases) {
        fakeUptimeMs = c.uptimeMs;
        const auto start = std::chrono::steady_clock::now();
        StartupDelay(1);
        const auto elapsed = std::chrono::steady_clock::now() - start;
        if (c.waits)
            EXPECT_GE(elapsed, 950ms) << "up for " << c.uptimeMs << " ms: the given seconds are waited";
        else
            EXPECT_LT(elapsed, 500ms) << "up for " << c.uptimeMs << " ms: no wait";
    }
    systemUptime = saved;
}

} // namespace
