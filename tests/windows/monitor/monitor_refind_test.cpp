// Releasing the physical-monitor handles when displays change, with workers still in flight.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "monitor/monitor_control.h"
#include "display_records.h"
#include "simulated_monitor.h"

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
