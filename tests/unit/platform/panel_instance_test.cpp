#include "platform/panel_instance.h"

#include <gtest/gtest.h>

namespace {

constexpr char16_t kPanelName[] = u"DISPLAY\\BOE0812\\4&2f1d5e7c&0&UID265988_0";
constexpr char16_t kPanelPath[] =
    u"\\\\?\\DISPLAY#BOE0812#4&2f1d5e7c&0&UID265988#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}";

} // namespace

TEST(PanelInstance, APanelMatchesItsOwnDisplayOnlyByHardwareAndInstanceId) {
    EXPECT_TRUE(PanelBelongsToDisplay(kPanelName, kPanelPath));
    // Windows writes device paths and instance names in either case.
    EXPECT_TRUE(PanelBelongsToDisplay(u"display\\boe0812\\4&2F1D5E7C&0&uid265988_0", kPanelPath));
    EXPECT_TRUE(PanelBelongsToDisplay(
        kPanelName, u"\\\\?\\display#boe0812#4&2F1D5E7C&0&UID265988#{E6F07B5F-EE97-4A90-B076-33F57BF4EAA7}"));
    // A second instance of the same device still names it.
    EXPECT_TRUE(PanelBelongsToDisplay(u"DISPLAY\\BOE0812\\4&2f1d5e7c&0&UID265988_1", kPanelPath));

    struct Case {
        const char16_t* instanceName;
        const char16_t* devicePath;
        const char* why;
    };
    for (const Case& c : {
             Case{u"DISPLAY\\BOE0813\\4&2f1d5e7c&0&UID265988_0", kPanelPath, "another hardware id"},
             Case{u"DISPLAY\\BOE0812\\4&2f1d5e7c&0&UID265989_0", kPanelPath, "another instance (UID)"},
             Case{u"DISPLAY\\BOE0812\\4&2f1d5e7c&0&UID2659_0", kPanelPath, "an instance id that is a prefix"},
             Case{u"DISPLAY\\BOE0812_0", u"\\\\?\\DISPLAY#BOE0812#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}",
                  "no instance id on either side"},
             Case{kPanelName, u"", "a display without a device path"},
             Case{u"", kPanelPath, "a panel without a name"},
             Case{kPanelName,
                  u"\\\\?\\DISPLAY#Default_Monitor#0000&0000#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}",
                  "Wine's generic monitor"},
         }) {
        SCOPED_TRACE(c.why);
        EXPECT_FALSE(PanelBelongsToDisplay(c.instanceName, c.devicePath));
    }
}

TEST(PanelInstance, EachDisplayFindsItsOwnPanelAndAnExternalMonitorNone) {
    const std::vector<PanelBacklight> panels{
        {u"DISPLAY\\SDC3853\\4&3b1d693f&0&UID265988_0", {0, 50, 100}, 50},
        {kPanelName, {0, 100}, 100},
    };
    EXPECT_EQ(PanelOfDisplay(panels, kPanelPath), 1u);
    EXPECT_EQ(
        PanelOfDisplay(
            panels, u"\\\\?\\DISPLAY#SDC3853#4&3b1d693f&0&UID265988#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}"),
        0u);
    EXPECT_EQ(
        PanelOfDisplay(
            panels, u"\\\\?\\DISPLAY#DELA0B8#4&3b1d693f&0&UID224795#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}"),
        std::nullopt);
    EXPECT_EQ(PanelOfDisplay({}, kPanelPath), std::nullopt);
}

TEST(PanelInstance, BothSidesComeDownToTheDeviceInstance) {
    EXPECT_EQ(PanelDeviceInstance(kPanelName), u"DISPLAY\\BOE0812\\4&2f1d5e7c&0&UID265988");
    EXPECT_EQ(DisplayDeviceInstance(kPanelPath), u"DISPLAY\\BOE0812\\4&2f1d5e7c&0&UID265988");
    // Only a trailing "_<digits>" is WMI's; an underscore inside the instance id stays.
    EXPECT_EQ(PanelDeviceInstance(u"DISPLAY\\SEC_4142\\5&1a_b&0&UID4353_12"),
              u"DISPLAY\\SEC_4142\\5&1a_b&0&UID4353");
    EXPECT_EQ(PanelDeviceInstance(u"DISPLAY\\SEC4142\\5&1a&0&UID4353_x"),
              u"DISPLAY\\SEC4142\\5&1a&0&UID4353_x");
    EXPECT_EQ(PanelDeviceInstance(u"DISPLAY\\SEC4142"), u"");
    EXPECT_EQ(PanelDeviceInstance(u"DISPLAY\\\\UID1_0"), u"");
    // A path without the interface class or the long-path prefix still names its device.
    EXPECT_EQ(DisplayDeviceInstance(u"DISPLAY#SDC3853#4&3b1d693f&0&UID265988"),
              u"DISPLAY\\SDC3853\\4&3b1d693f&0&UID265988");
    EXPECT_EQ(DisplayDeviceInstance(u"\\\\?\\DISPLAY#SDC3853#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}"), u"");
    EXPECT_EQ(DisplayDeviceInstance(u"\\\\.\\DISPLAY1"), u"");
}

TEST(PanelInstance, TheObjectPathEscapesTheKey) {
    EXPECT_EQ(PanelObjectPath(u"WmiMonitorBrightnessMethods", kPanelName),
              u"WmiMonitorBrightnessMethods.InstanceName=\"DISPLAY\\\\BOE0812\\\\4&2f1d5e7c&0&UID265988_0\"");
    EXPECT_EQ(PanelObjectPath(u"C", u"a\"b"), u"C.InstanceName=\"a\\\"b\"");
}

TEST(PanelInstance, WmiFailuresRightAfterAResumeAreAskedAgainLater) {
    struct Case {
        uint32_t hresult;
        PanelResult result;
    };
    for (const Case& c : {
             Case{0x00000000, PanelResult::Done},
             Case{0x00000001, PanelResult::Done},
             Case{0x8004100C, PanelResult::TryLater}, // WBEM_E_NOT_SUPPORTED
             Case{0x80041032, PanelResult::TryLater}, // WBEM_E_CALL_CANCELLED
             Case{0x800706BA, PanelResult::TryLater}, // RPC server unavailable: the service restarts
             Case{0x8004100E, PanelResult::NoPanel},  // WBEM_E_INVALID_NAMESPACE: no root\wmi (Wine)
             Case{0x80041010, PanelResult::NoPanel},  // WBEM_E_INVALID_CLASS
             Case{0x80041002, PanelResult::NoPanel},  // WBEM_E_NOT_FOUND: the panel has gone
             Case{0x80040154, PanelResult::NoPanel},  // no WMI locator registered
             Case{0x80041003, PanelResult::Failed},   // WBEM_E_ACCESS_DENIED
             Case{0x80004005, PanelResult::Failed},
         }) {
        SCOPED_TRACE(testing::Message() << std::hex << c.hresult);
        EXPECT_EQ(PanelResultFromWmi(c.hresult), c.result);
    }
}
