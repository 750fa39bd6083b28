#include "platform/display_config.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dxva2.h"
#include "simulated_monitor.h"

namespace {

// Set by the system test that runs these tests again on its two-display Wine bench.
bool OnTwoDisplayBench() {
    wchar_t value[8] = {};
    return GetEnvironmentVariableW(L"GLIMRA_TEST_DISPLAYS", value, 8) && std::wstring(value) == L"2";
}

std::vector<unsigned long long> Handles(const FoundDisplay& display) {
    std::vector<unsigned long long> handles;
    for (HANDLE handle : display.physicalHandles)
        handles.push_back(reinterpret_cast<ULONG_PTR>(handle));
    return handles;
}

void Release(std::vector<FoundDisplay>& displays) {
    for (FoundDisplay& display : displays) {
        std::vector<PhysicalMonitorEntry> entries(display.physicalHandles.size());
        for (std::size_t i = 0; i < entries.size(); ++i)
            entries[i].hPhysicalMonitor = display.physicalHandles[i];
        if (!entries.empty())
            DestroyPhysicalMonitors(static_cast<DWORD>(entries.size()), entries.data());
    }
}

} // namespace

TEST(DisplayConfig, TheOneDisplayIsFoundKeyedByItsDevicePathAndNamedWithoutWinesGenericName) {
    if (OnTwoDisplayBench())
        GTEST_SKIP() << "one display only";
    const std::vector<DisplayPath> paths = QueryActiveDisplayPaths();
    ASSERT_EQ(paths.size(), 1u) << "both device-info requests answered: their headers are right";
    EXPECT_EQ(paths[0].gdiDeviceName, u"\\\\.\\DISPLAY1");
    EXPECT_FALSE(paths[0].friendlyNameFromEdid) << "Wine makes its names up";

    const std::vector<FoundDisplay> displays = FindDisplays(false);
    ASSERT_EQ(displays.size(), 1u);
    const DisplayIdentity& display = displays[0].identity;
    EXPECT_EQ(displays[0].monitor, MonitorFromWindow(nullptr, MONITOR_DEFAULTTOPRIMARY));
    EXPECT_EQ(display.monitorId, reinterpret_cast<std::uintptr_t>(displays[0].monitor));
    EXPECT_EQ(display.gdiDeviceName, u"\\\\.\\DISPLAY1");
    EXPECT_TRUE(display.primary);
    EXPECT_EQ(display.devicePath, paths[0].devicePath);
    EXPECT_FALSE(display.devicePath.empty());
    EXPECT_EQ(display.name, u"Display 1") << "not Wine's \"Display1\", which no EDID gave";
    EXPECT_EQ(display.rect, (LayoutRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
    EXPECT_TRUE(displays[0].physicalHandles.empty()) << "none asked for";
}

TEST(DisplayConfig, PhysicalMonitorsAreHandedOutPairedWithThePathAndNameTheDisplayWithoutAnEdidName) {
    if (OnTwoDisplayBench())
        GTEST_SKIP() << "one display only";
    SimulatedMonitor monitor("monitors=2\n");
    std::vector<FoundDisplay> displays = FindDisplays(true);
    ASSERT_EQ(displays.size(), 1u);
    const DisplayIdentity& display = displays[0].identity;
    EXPECT_EQ(Handles(displays[0]), (std::vector<unsigned long long>{0x1001, 0x1002}));
    EXPECT_EQ(display.name, u"Simulated DDC/CI Monitor 1");
    ASSERT_EQ(display.physicalMonitors.size(), 2u);
    EXPECT_EQ(display.physicalMonitors[0].devicePath, display.devicePath)
        << "the one path pairs with the first";
    EXPECT_EQ(display.physicalMonitors[1].description, u"Simulated DDC/CI Monitor 2");
    EXPECT_EQ(display.physicalMonitors[1].devicePath, u"");
    Release(displays);
    EXPECT_EQ(monitor.StateValue("destroy_calls"), "1");
}

// Wine without a desktop on Xvfb with two Xinerama screens: both screens start at 0,0.
TEST(DisplayConfigOnTwoDisplays, BothDisplaysInOrderThePrimaryFirstEachWithItsOwnSimulatedMonitor) {
    if (!OnTwoDisplayBench())
        GTEST_SKIP() << "runs on the two-display bench (tests/system/test_two_displays.py)";
    SimulatedMonitor monitor("brightness=70\ndisplay2.brightness=33\ndisplay2.brightness_max=50\n"
                             "display2.description=Second Desk Monitor\n");
    std::vector<FoundDisplay> displays = FindDisplays(true);
    ASSERT_EQ(displays.size(), 2u);
    const DisplayIdentity& first = displays[0].identity;
    const DisplayIdentity& second = displays[1].identity;
    EXPECT_EQ(first.gdiDeviceName, u"\\\\.\\DISPLAY1");
    EXPECT_TRUE(first.primary);
    EXPECT_EQ(second.gdiDeviceName, u"\\\\.\\DISPLAY2");
    EXPECT_FALSE(second.primary);
    EXPECT_EQ(displays[0].monitor, MonitorFromWindow(nullptr, MONITOR_DEFAULTTOPRIMARY));
    EXPECT_FALSE(first.devicePath.empty());
    EXPECT_FALSE(second.devicePath.empty());
    EXPECT_NE(first.devicePath, second.devicePath);
    EXPECT_EQ(first.name, u"Simulated DDC/CI Monitor 1");
    EXPECT_EQ(second.name, u"Second Desk Monitor 1");
    EXPECT_EQ(Handles(displays[0]), (std::vector<unsigned long long>{0x1001}));
    EXPECT_EQ(Handles(displays[1]), (std::vector<unsigned long long>{0x20001}));

    // Each handle reaches its own display's monitor, and the log names the display.
    DWORD type = 0, current = 0, maximum = 0;
    ASSERT_TRUE(
        GetVCPFeatureAndVCPFeatureReply(displays[1].physicalHandles[0], 0x10, &type, &current, &maximum));
    EXPECT_EQ(current, 33u);
    EXPECT_EQ(maximum, 50u);
    ASSERT_TRUE(
        GetVCPFeatureAndVCPFeatureReply(displays[0].physicalHandles[0], 0x10, &type, &current, &maximum));
    EXPECT_EQ(current, 70u);
    EXPECT_EQ(maximum, 100u);
    EXPECT_TRUE(SetVCPFeature(displays[1].physicalHandles[0], 0x10, 40));
    EXPECT_EQ(monitor.StateValue("display2.brightness"), "40");
    EXPECT_EQ(monitor.StateValue("brightness"), "70");
    for (const SimulatorCall& call : monitor.Calls("GetVCPFeatureAndVCPFeatureReply"))
        EXPECT_EQ(call.display, call.handle == 0x20001 ? "DISPLAY2" : "DISPLAY1") << std::hex << call.handle;
    Release(displays);
}
