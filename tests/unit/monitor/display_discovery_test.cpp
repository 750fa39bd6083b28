#include "monitor/display_discovery.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Narrow(const std::u16string& text) {
    return std::string(text.begin(), text.end()); // ASCII in every case below
}

DisplayMonitor Monitor(std::uintptr_t id, std::u16string gdi, LayoutRect rect, bool primary,
                       std::vector<std::u16string> physical = {}) {
    return {id, std::move(gdi), rect, primary, std::move(physical)};
}

std::vector<std::uintptr_t> Order(const std::vector<DisplayIdentity>& displays) {
    std::vector<std::uintptr_t> ids;
    for (const DisplayIdentity& display : displays)
        ids.push_back(display.monitorId);
    return ids;
}

const std::u16string kPath1 = u"\\\\?\\DISPLAY#DEL4321#5&1&UID4353#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}";
const std::u16string kPath2 = u"\\\\?\\DISPLAY#GSM5B7F#5&1&UID4357#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}";
const std::u16string kPath3 = u"\\\\?\\DISPLAY#AUO1234#5&1&UID4361#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}";

} // namespace

TEST(DisplayOrder, LeftToRightThenTopToBottomThePrimaryFirstWhereTwoStartAtTheSamePlace) {
    struct Case {
        const char* what;
        std::vector<DisplayMonitor> monitors; // ids give the expected order where `expected` says so
        std::vector<std::uintptr_t> expected;
    };
    const Case cases[] = {
        {"side by side, the right one enumerated first",
         {Monitor(2, u"\\\\.\\DISPLAY2", {1920, 0, 3840, 1080}, false),
          Monitor(1, u"\\\\.\\DISPLAY1", {0, 0, 1920, 1080}, true)},
         {1, 2}},
        {"a display left of the primary has negative coordinates and comes first",
         {Monitor(1, u"\\\\.\\DISPLAY1", {0, 0, 1920, 1080}, true),
          Monitor(2, u"\\\\.\\DISPLAY2", {-1280, 200, 0, 1224}, false)},
         {2, 1}},
        {"stacked: the same left edge, the upper one first even when the lower is the primary",
         {Monitor(1, u"\\\\.\\DISPLAY1", {0, 0, 1920, 1080}, true),
          Monitor(2, u"\\\\.\\DISPLAY2", {0, -1080, 1920, 0}, false)},
         {2, 1}},
        {"Xinerama puts both at 0,0: the primary first though enumerated second",
         {Monitor(2, u"\\\\.\\DISPLAY2", {0, 0, 1024, 768}, false),
          Monitor(1, u"\\\\.\\DISPLAY1", {0, 0, 1280, 800}, true)},
         {1, 2}},
        {"left edges decide before tops: a lower display further left comes first",
         {Monitor(1, u"\\\\.\\DISPLAY1", {0, 0, 1920, 1080}, true),
          Monitor(2, u"\\\\.\\DISPLAY2", {-10, 500, 1000, 1300}, false)},
         {2, 1}},
        {"three in a row, enumerated in a jumble",
         {Monitor(3, u"\\\\.\\DISPLAY3", {3840, 0, 5120, 1024}, false),
          Monitor(1, u"\\\\.\\DISPLAY1", {0, 0, 1920, 1080}, true),
          Monitor(2, u"\\\\.\\DISPLAY2", {1920, 0, 3840, 1080}, false)},
         {1, 2, 3}},
        {"two non-primaries at one place keep the order they were enumerated in",
         {Monitor(1, u"\\\\.\\DISPLAY1", {-1920, 0, 0, 1080}, true),
          Monitor(5, u"\\\\.\\DISPLAY5", {0, 0, 800, 600}, false),
          Monitor(4, u"\\\\.\\DISPLAY4", {0, 0, 1024, 768}, false)},
         {1, 5, 4}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Order(JoinDisplays({}, c.monitors)), c.expected) << c.what;
}

TEST(DisplayNumber, ReadsTheNumberOfAGdiDisplayNameOnly) {
    struct Case {
        std::u16string name;
        int expected;
    };
    const Case cases[] = {
        {u"\\\\.\\DISPLAY1", 1},
        {u"\\\\.\\DISPLAY12", 12},
        {u"\\\\.\\display3", 3},
        {u"\\\\.\\DISPLAY", 0},
        {u"\\\\.\\DISPLAY1x", 0},
        {u"DISPLAY1", 0},
        {u"", 0},
        {u"\\\\.\\DISPLAY-1", 0},
        {u"\\\\.\\DISPLAY99999999999", 0},
        {u"\\\\.\\DISPLAYV1", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DisplayNumber(c.name), c.expected) << Narrow(c.name);
}

TEST(DisplayJoin, OneDisplayTakesItsPathsKeyAndNameFromTheEdidOnly) {
    struct Case {
        const char* what;
        DisplayPath path;
        std::vector<std::u16string> physical;
        std::u16string expectedName;
    };
    const Case cases[] = {
        {"a name from the EDID wins over the physical monitor's description",
         {u"\\\\.\\DISPLAY1", u"DELL U2720Q", true, kPath1},
         {u"Generic PnP Monitor"},
         u"DELL U2720Q"},
        {"Wine's \"Display1\" is not from an EDID: the description as today",
         {u"\\\\.\\DISPLAY1", u"Display1", false, kPath1},
         {u"Simulated DDC/CI Monitor 1"},
         u"Simulated DDC/CI Monitor 1"},
        {"no EDID name and no physical monitor: Display N",
         {u"\\\\.\\DISPLAY1", u"Display1", false, kPath1},
         {},
         u"Display 1"},
        {"an empty EDID name is no name",
         {u"\\\\.\\DISPLAY1", u"", true, kPath1},
         {u"Generic PnP Monitor"},
         u"Generic PnP Monitor"},
        {"an empty description is no name", {u"\\\\.\\DISPLAY1", u"x", false, kPath1}, {u""}, u"Display 1"},
    };
    for (const Case& c : cases) {
        const auto displays = JoinDisplays(
            {c.path}, {Monitor(0x10001, u"\\\\.\\DISPLAY1", {0, 0, 1920, 1080}, true, c.physical)});
        ASSERT_EQ(displays.size(), 1u) << c.what;
        EXPECT_EQ(displays[0].name, c.expectedName) << c.what;
        EXPECT_EQ(displays[0].devicePath, kPath1) << c.what;
        EXPECT_EQ(displays[0].monitorId, 0x10001u) << c.what;
        EXPECT_EQ(displays[0].gdiDeviceName, u"\\\\.\\DISPLAY1") << c.what;
        EXPECT_TRUE(displays[0].primary) << c.what;
        EXPECT_EQ(displays[0].rect, (LayoutRect{0, 0, 1920, 1080})) << c.what;
        EXPECT_EQ(displays[0].physicalMonitors.size(), c.physical.size()) << c.what;
    }
}

TEST(DisplayJoin, TwoDisplaysMeetTheirPathsThroughTheGdiNameWhateverTheOrderOfEither) {
    const std::vector<DisplayPath> paths = {
        {u"\\\\.\\DISPLAY2", u"LG HDR 4K", true, kPath2},
        {u"\\\\.\\DISPLAY1", u"DELL U2720Q", true, kPath1},
    };
    const auto displays = JoinDisplays(
        paths,
        {
            Monitor(0x10001, u"\\\\.\\DISPLAY1", {0, 0, 1920, 1080}, true, {u"Generic PnP Monitor"}),
            Monitor(0x20002, u"\\\\.\\display2", {1920, 0, 3840, 1080}, false, {u"Generic PnP Monitor"}),
        });
    ASSERT_EQ(displays.size(), 2u);
    EXPECT_EQ(displays[0].name, u"DELL U2720Q");
    EXPECT_EQ(displays[0].devicePath, kPath1);
    EXPECT_EQ(displays[0].physicalMonitors,
              (std::vector<PhysicalMonitorIdentity>{{0, u"Generic PnP Monitor", kPath1}}));
    EXPECT_EQ(displays[1].name, u"LG HDR 4K") << "the GDI name's case does not matter";
    EXPECT_EQ(displays[1].devicePath, kPath2);
    EXPECT_EQ(displays[1].monitorId, 0x20002u);
    EXPECT_FALSE(displays[1].primary);
    // The sliders' captions find the same names for the same GDI names.
    EXPECT_EQ(EdidFriendlyName(paths, u"\\\\.\\display2"), u"LG HDR 4K");
    EXPECT_EQ(EdidFriendlyName(paths, u"\\\\.\\DISPLAY1"), u"DELL U2720Q");
    EXPECT_EQ(EdidFriendlyName({{u"\\\\.\\DISPLAY1", u"Display1", false, kPath1}}, u"\\\\.\\DISPLAY1"), u"")
        << "a name not from an EDID";
    EXPECT_EQ(EdidFriendlyName(paths, u"\\\\.\\DISPLAY3"), u"");
}

TEST(DisplayJoin, MirroredDisplaysShareOneMonitorAndArePairedWithItsPhysicalMonitorsByIndex) {
    // Two targets showing \\.\DISPLAY1's picture: one display with two physical monitors.
    const std::vector<DisplayPath> paths = {
        {u"\\\\.\\DISPLAY1", u"Display1", false, kPath1},
        {u"\\\\.\\DISPLAY1", u"LG HDR 4K", true, kPath2},
    };
    const auto displays = JoinDisplays(paths, {Monitor(7, u"\\\\.\\DISPLAY1", {0, 0, 1920, 1080}, true,
                                                       {u"Generic PnP Monitor", u"Generic PnP Monitor"})});
    ASSERT_EQ(displays.size(), 1u);
    EXPECT_EQ(displays[0].devicePath, kPath1) << "the key is the first path's";
    EXPECT_EQ(displays[0].name, u"LG HDR 4K") << "the one name an EDID gave";
    EXPECT_EQ(displays[0].physicalMonitors, (std::vector<PhysicalMonitorIdentity>{
                                                {0, u"Generic PnP Monitor", kPath1},
                                                {1, u"Generic PnP Monitor", kPath2},
                                            }));
}

TEST(DisplayJoin, OneTwoOrThreePhysicalMonitorsPerDisplayEachKeepTheirIndexAndPairedPath) {
    struct Case {
        std::vector<DisplayPath> paths;
        std::vector<std::u16string> physical;
        std::vector<PhysicalMonitorIdentity> expected;
    };
    const std::u16string d = u"\\\\.\\DISPLAY3";
    const Case cases[] = {
        {{{d, u"A", true, kPath1}}, {u"one"}, {{0, u"one", kPath1}}},
        // More physical monitors than paths (a daisy chain behind one output): the rest have no path.
        {{{d, u"A", true, kPath1}}, {u"one", u"two"}, {{0, u"one", kPath1}, {1, u"two", u""}}},
        {{{d, u"A", true, kPath1}, {d, u"B", true, kPath2}, {d, u"C", true, kPath3}},
         {u"one", u"two", u"three"},
         {{0, u"one", kPath1}, {1, u"two", kPath2}, {2, u"three", kPath3}}},
        // Fewer physical monitors than paths (one without DDC/CI support): the extra path pairs with none.
        {{{d, u"A", true, kPath1}, {d, u"B", true, kPath2}, {d, u"C", true, kPath3}},
         {u"one"},
         {{0, u"one", kPath1}}},
    };
    for (const Case& c : cases) {
        const auto displays = JoinDisplays(c.paths, {Monitor(3, d, {0, 0, 800, 600}, true, c.physical)});
        ASSERT_EQ(displays.size(), 1u);
        EXPECT_EQ(displays[0].physicalMonitors, c.expected) << c.physical.size() << " physical monitors";
        EXPECT_EQ(displays[0].name, u"A");
        EXPECT_EQ(displays[0].devicePath, kPath1);
    }
}

TEST(DisplayJoin, APathWithoutAMonitorIsLeftOutAndAMonitorWithoutAPathIsKeptUnkeyed) {
    const std::vector<DisplayPath> paths = {
        {u"\\\\.\\DISPLAY1", u"DELL U2720Q", true, kPath1},
        {u"\\\\.\\DISPLAY9", u"Gone Away", true, kPath3}, // unplugged between the two calls
    };
    const auto displays = JoinDisplays(
        paths, {
                   Monitor(1, u"\\\\.\\DISPLAY1", {0, 0, 1920, 1080}, true, {u"Generic PnP Monitor"}),
                   Monitor(2, u"\\\\.\\DISPLAY2", {1920, 0, 3840, 1080}, false, {u"Generic PnP Monitor"}),
                   Monitor(3, u"\\\\.\\DISPLAY4", {3840, 0, 4864, 768}, false),
                   Monitor(4, u"\\\\.\\WEIRD", {4864, 0, 5888, 768}, false),
               });
    ASSERT_EQ(displays.size(), 4u) << "one per monitor, none for the stray path";
    EXPECT_EQ(displays[0].name, u"DELL U2720Q");
    EXPECT_EQ(displays[1].devicePath, u"");
    EXPECT_EQ(displays[1].name, u"Generic PnP Monitor");
    EXPECT_EQ(displays[1].physicalMonitors,
              (std::vector<PhysicalMonitorIdentity>{{0, u"Generic PnP Monitor", u""}}));
    EXPECT_EQ(displays[2].name, u"Display 4") << "the N of \\\\.\\DISPLAYN, not the position";
    EXPECT_EQ(displays[3].name, u"Display 4") << "no N in the name: the place it was enumerated at";
    for (const DisplayIdentity& display : displays)
        EXPECT_NE(display.name, u"Gone Away");
}
