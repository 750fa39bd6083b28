// Releasing the physical-monitor handles when displays change, with workers still in flight.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "monitor/monitor_control.h"
#include "display_records.h"
#include "simulated_monitor.h"
#include "slider_host.h"

using namespace std::chrono_literals;

namespace {

constexpr unsigned long long kOldHandle = 0x1001;
constexpr unsigned long long kNewHandle = 0x2001;

void StartFresh() {
    // Workers of earlier tests must not be mid-send when this one counts.
    while (WorkersSending() != 0)
        std::this_thread::sleep_for(10ms);
    ForgetFoundMonitors();
    monitorSystem.ddcCapableSystem = 1;
}

HANDLE Handle(unsigned long long value) {
    return reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(value));
}

} // namespace

TEST(MonitorRefind, AWorkerStillWaitingWhenTheMonitorIsReplacedSendsNothing) {
    SimulatedMonitor monitor("brightness=70\ncontrast=60\n");
    StartFresh();
    ASSERT_EQ(FindDisplayControls(), 1);
    ASSERT_EQ(FirstMonitorHandle(), Handle(kOldHandle));
    ASSERT_EQ(SetMonitorBrightness(FirstDisplay(), 40), 1);

    monitor.Configure("brightness=20\ncontrast=25\nhandle=0x2001\n"); // re-plugged while the worker sleeps
    ASSERT_TRUE(ReleasePhysicalMonitors(FirstDisplay()));
    EXPECT_EQ(FirstMonitorHandle(), nullptr);
    ASSERT_EQ(FindDisplayControls(), 1);
    EXPECT_EQ(FirstMonitorHandle(), Handle(kNewHandle));

    std::this_thread::sleep_for(900ms); // the worker has woken by now
    EXPECT_TRUE(monitor.Calls("SetVCPFeature").empty()) << "neither the released nor the new handle";
    const auto released = monitor.Calls("DestroyPhysicalMonitors");
    ASSERT_EQ(released.size(), 1u);
    EXPECT_EQ(released[0].handle, kOldHandle);
    EXPECT_EQ(monitor.StateValue("destroy_calls"), "1");

    // The new monitor was sent nothing yet: the value last asked of the old one goes out again, once.
    ForgetMonitorRequests(FirstDisplay());
    ASSERT_EQ(SetMonitorBrightness(FirstDisplay(), 40), 1);
    const auto writes = monitor.WaitForCalls("SetVCPFeature", 1, 3s);
    std::this_thread::sleep_for(300ms);
    ASSERT_EQ(monitor.Calls("SetVCPFeature").size(), 1u);
    EXPECT_EQ(writes[0].handle, kNewHandle);
    EXPECT_EQ(writes[0].value, 40);
    EXPECT_EQ(writes[0].result, 1);
}

TEST(MonitorRefind, HandlesAreNotReleasedUnderAWorkerThatIsSending) {
    SimulatedMonitor monitor("delay_ms=400\n"); // each call to the monitor takes 400 ms
    StartFresh();
    ASSERT_EQ(FindDisplayControls(), 1);
    ASSERT_EQ(SetMonitorContrast(FirstDisplay(), 33), 1);

    const auto deadline = std::chrono::steady_clock::now() + 3s;
    while (WorkersSending() == 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(5ms);
    ASSERT_EQ(WorkersSending(), 1) << "the worker is inside its send";
    EXPECT_FALSE(ReleasePhysicalMonitors(FirstDisplay()));
    EXPECT_TRUE(monitor.Calls("DestroyPhysicalMonitors").empty());

    const auto writes = monitor.WaitForCalls("SetVCPFeature", 1, 3s);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].result, 1) << "the send that had begun completes";
    while (!ReleasePhysicalMonitors(FirstDisplay()) && std::chrono::steady_clock::now() < deadline + 3s)
        std::this_thread::sleep_for(10ms);
    EXPECT_EQ(monitor.Calls("DestroyPhysicalMonitors").size(), 1u);
}

TEST(MonitorRefind, EveryHandleFoundIsReleasedInOneCallAndNothingTwice) {
    SimulatedMonitor monitor("monitors=3\n");
    StartFresh();
    ASSERT_EQ(FindDisplayControls(), 3);
    ASSERT_TRUE(ReleasePhysicalMonitors(FirstDisplay()));
    const auto released = monitor.Calls("DestroyPhysicalMonitors");
    ASSERT_EQ(released.size(), 1u);
    EXPECT_EQ(released[0].value, 3) << "all three handles, not only the first";
    EXPECT_EQ(released[0].handle, kOldHandle);

    ASSERT_TRUE(ReleasePhysicalMonitors(FirstDisplay()));
    EXPECT_EQ(monitor.Calls("DestroyPhysicalMonitors").size(), 1u) << "nothing left to release";

    monitor.Configure("monitors=0\n");
    EXPECT_EQ(FindDisplayControls(), 0);
    EXPECT_EQ(FirstMonitorHandle(), nullptr);
    ASSERT_TRUE(ReleasePhysicalMonitors(FirstDisplay()));
    EXPECT_EQ(monitor.Calls("DestroyPhysicalMonitors").size(), 1u);

    // Counted but not handed out: no monitor, as when none answers, so the sliders are disabled.
    monitor.Configure("monitors=2\nfetch_fails=1\n");
    EXPECT_EQ(FindDisplayControls(), 0);
    EXPECT_EQ(FirstMonitorHandle(), nullptr);
    EXPECT_TRUE(FirstDisplay().monitors.empty()) << "no handle a worker could still send to";
    EXPECT_EQ(FirstDisplay().monitors.size(), 0u);
    ASSERT_TRUE(ReleasePhysicalMonitors(FirstDisplay()));
    EXPECT_EQ(monitor.Calls("DestroyPhysicalMonitors").size(), 1u);
}

// A re-find that finds fewer displays than there are groups: the groups beyond are handed back to be
// destroyed, the handles of the display gone are released and hear nothing more, not even from a worker
// that was waiting, and the display that stays takes its video position along into its new group.
TEST(MonitorRefind, ADisplayGoneHandsBackTheSurplusGroupsAndTheOneStayingKeepsItsVideoPosition) {
    SimulatedMonitor monitor("monitors=2\n");
    StartFresh();
    SliderHost host(L"GlimraRefindTestHost", DefWindowProcW);
    ASSERT_EQ(FindDisplayControls(), 2);
    const auto makeSlider = [&host](int position) {
        HWND slider = CreateWindowExW(0, TRACKBAR_CLASSW, L"", WS_CHILD | TBS_VERT, 0, 0, 30, 200,
                                      host.Window(), nullptr, GetModuleHandleW(nullptr), nullptr);
        SendMessageW(slider, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
        SendMessageW(slider, TBM_SETPOS, TRUE, position);
        return slider;
    };
    // Before: a display now gone in the first group (it had the second physical monitor), the display
    // found again in the second, and another gone display without monitors in the third.
    DisplayControl found = std::move(displayControls[0]);
    DisplayControl gone;
    gone.identity.gdiDeviceName = u"\\\\.\\DISPLAY7";
    gone.identity.devicePath = u"\\\\?\\DISPLAY#GONE#7";
    gone.monitors.push_back(std::move(found.monitors[1]));
    found.monitors.resize(1);
    gone.brightnessSlider = found.brightnessSlider;
    gone.contrastSlider = found.contrastSlider;
    gone.videoSlider = found.videoSlider;
    SendMessageW(gone.videoSlider, TBM_SETPOS, TRUE, 80);
    found.brightnessSlider = makeSlider(50);
    found.contrastSlider = makeSlider(50);
    found.videoSlider = makeSlider(30);
    DisplayControl third;
    third.identity.gdiDeviceName = u"\\\\.\\DISPLAY8";
    third.brightnessSlider = makeSlider(50);
    third.contrastSlider = makeSlider(50);
    third.videoSlider = makeSlider(10);
    const std::vector<HWND> expectedSurplus = {found.brightnessSlider, found.contrastSlider,
                                               found.videoSlider,      third.brightnessSlider,
                                               third.contrastSlider,   third.videoSlider};
    HWND firstGroupVideo = gone.videoSlider;
    displayControls.clear();
    displayControls.push_back(std::move(gone));
    displayControls.push_back(std::move(found));
    displayControls.push_back(std::move(third));
    ASSERT_EQ(SetMonitorBrightness(displayControls[0], 40), 1); // its worker waits while the display goes

    ASSERT_TRUE(ReleaseAllPhysicalMonitors());
    std::vector<HWND> surplus;
    ASSERT_EQ(FindDisplayControls(&surplus), 2);
    ASSERT_EQ(displayControls.size(), 1u);
    EXPECT_EQ(surplus, expectedSurplus) << "the groups beyond the displays found, for the window to destroy";
    EXPECT_EQ(displayControls[0].videoSlider, firstGroupVideo) << "the first group stays";
    EXPECT_EQ(GetSliderPosition(displayControls[0].videoSlider), 30)
        << "the display found again brings its video position into the first group";

    std::vector<unsigned long long> released;
    for (const SimulatorCall& call : monitor.Calls("DestroyPhysicalMonitors"))
        released.push_back(call.handle);
    EXPECT_EQ(released, (std::vector<unsigned long long>{0x1002, 0x1001})) << "each display's handles, once";
    std::this_thread::sleep_for(900ms); // the waiting worker has woken by now
    EXPECT_TRUE(monitor.Calls("SetVCPFeature").empty()) << "nothing reaches a handle released";

    for (HWND slider : surplus)
        DestroyWindow(slider);
    ForgetFoundMonitors();
}
