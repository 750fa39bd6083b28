#include "platform/panel_backlight.h"

#include <objbase.h>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/display_config.h"
#include "wmi_standin.h"

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

constexpr char16_t kPanelName[] = u"DISPLAY\\BOE0812\\4&2f1d5e7c&0&UID265988_0";
constexpr char kPanelState[] = "instance=DISPLAY\\BOE0812\\4&2f1d5e7c&0&UID265988_0\n"
                               "levels=0,12,25,37,50,62,75,87,100\n"
                               "current=37\n";

// The stand-in's calls run on workers that may outlive a call that gave up: wait until WMI answers again.
PanelResult ReadWhenFree(PanelBacklight& panel, std::chrono::milliseconds deadline = 10s) {
    const auto end = Clock::now() + deadline;
    PanelResult result = ReadPanelLevel(panel);
    while (result == PanelResult::TryLater && Clock::now() < end) {
        std::this_thread::sleep_for(50ms);
        result = ReadPanelLevel(panel);
    }
    return result;
}

class PanelBacklightTest : public testing::Test {
  protected:
    void SetUp() override {
        if (!WmiStandInLoaded())
            GTEST_SKIP() << "runs in the pass that loads the WMI stand-in";
    }
};

} // namespace

TEST_F(PanelBacklightTest, FindsThePanelAndSetsTheNearestLevelItAllows) {
    WmiStandIn standIn(kPanelState);
    std::vector<PanelBacklight> panels;
    ASSERT_EQ(FindPanels(panels), PanelResult::Done);
    ASSERT_EQ(panels.size(), 1u);
    EXPECT_EQ(panels[0].instanceName, kPanelName);
    EXPECT_EQ(panels[0].levels, (std::vector<uint8_t>{0, 12, 25, 37, 50, 62, 75, 87, 100}));
    EXPECT_EQ(panels[0].currentLevel, 37);
    EXPECT_EQ(standIn.CallsWith({"ConnectServer", "namespace=ROOT\\WMI", "result=0x00000000"}).size(), 1u);

    ASSERT_EQ(SetPanelLevel(panels[0], 63), PanelResult::Done);
    EXPECT_EQ(panels[0].currentLevel, 62);
    const auto sets = standIn.CallsWith({"ExecMethod", "method=WmiSetBrightness"});
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_NE(
        sets[0].find("path=WmiMonitorBrightnessMethods.InstanceName=\"DISPLAY\\\\BOE0812\\\\4&2f1d5e7c&0&"
                     "UID265988_0\""),
        std::string::npos)
        << sets[0];
    EXPECT_NE(sets[0].find("brightness=62 result=0x00000000"), std::string::npos) << sets[0];
    EXPECT_EQ(standIn.StateValue("current"), "62");

    // Named after the display Wine reports, the panel is found for that display's device path.
    standIn.Configure("instance=DISPLAY\\Default_Monitor\\0000&0000_0\nlevels=0,50,100\ncurrent=50\n");
    std::vector<PanelBacklight> wines;
    ASSERT_EQ(FindPanels(wines), PanelResult::Done);
    const std::vector<DisplayPath> paths = QueryActiveDisplayPaths();
    ASSERT_FALSE(paths.empty());
    EXPECT_EQ(PanelOfDisplay(wines, paths[0].devicePath), 0u);
    EXPECT_EQ(PanelOfDisplay(panels, paths[0].devicePath), std::nullopt);

    // An inactive instance (the lid closed) is no panel to drive.
    standIn.Configure(std::string(kPanelState) + "active=0\n");
    std::vector<PanelBacklight> none = panels;
    EXPECT_EQ(FindPanels(none), PanelResult::NoPanel);
    EXPECT_EQ(none.size(), 1u) << "the caller's list is left as it was";
}

TEST_F(PanelBacklightTest, ALevelChangedBehindTheProgramsBackIsReadAgain) {
    WmiStandIn standIn(kPanelState);
    std::vector<PanelBacklight> panels;
    ASSERT_EQ(FindPanels(panels), PanelResult::Done);
    ASSERT_EQ(panels.size(), 1u);

    // Windows' own keys moved it, and the driver now lists other levels.
    standIn.Configure(
        "instance=DISPLAY\\BOE0812\\4&2f1d5e7c&0&UID265988_0\nlevels=0,20,40,60,80,100\ncurrent=80\n");
    ASSERT_EQ(ReadPanelLevel(panels[0]), PanelResult::Done);
    EXPECT_EQ(panels[0].currentLevel, 80);
    EXPECT_EQ(panels[0].levels, (std::vector<uint8_t>{0, 20, 40, 60, 80, 100}));
    ASSERT_EQ(SetPanelLevel(panels[0], 63), PanelResult::Done);
    EXPECT_EQ(standIn.StateValue("current"), "60");

    // A panel that has gone is told apart from a WMI that is not ready.
    standIn.Configure("instance=DISPLAY\\BOE0812\\4&2f1d5e7c&0&UID999_0\ncurrent=10\n");
    EXPECT_EQ(ReadPanelLevel(panels[0]), PanelResult::NoPanel);
    EXPECT_EQ(SetPanelLevel(panels[0], 20), PanelResult::NoPanel);
    EXPECT_EQ(panels[0].currentLevel, 60);
}

TEST_F(PanelBacklightTest, NotSupportedOrCancelledAfterAResumeIsAskedAgainLater) {
    for (const char* code : {"0x8004100C", "0x80041032"}) {
        SCOPED_TRACE(code);
        WmiStandIn standIn(kPanelState);
        std::vector<PanelBacklight> panels;
        ASSERT_EQ(FindPanels(panels), PanelResult::Done);
        ASSERT_EQ(panels.size(), 1u);

        standIn.Configure(std::string(kPanelState) + "fail_times=2\nfail_with=" + code + "\n");
        std::vector<PanelBacklight> untouched;
        EXPECT_EQ(FindPanels(untouched), PanelResult::TryLater);
        EXPECT_TRUE(untouched.empty());
        EXPECT_EQ(SetPanelLevel(panels[0], 90), PanelResult::TryLater);
        EXPECT_EQ(panels[0].currentLevel, 37) << "nothing was set";
        EXPECT_EQ(SetPanelLevel(panels[0], 90), PanelResult::Done);
        EXPECT_EQ(panels[0].currentLevel, 87);
        EXPECT_EQ(standIn.CallsWith({"ExecMethod", "brightness=87", "result=0x00000000"}).size(), 1u);
        EXPECT_EQ(standIn.StateValue("fail_times"), "0");
    }
}

TEST_F(PanelBacklightTest, ASlowWmiCostsTheCallerAboutHalfASecondAndItsLateAnswerIsDropped) {
    WmiStandIn standIn(kPanelState);
    std::vector<PanelBacklight> panels;
    ASSERT_EQ(FindPanels(panels), PanelResult::Done);
    ASSERT_EQ(panels.size(), 1u);

    standIn.Configure(std::string(kPanelState) + "delay_ms=3000\n");
    auto start = Clock::now();
    EXPECT_EQ(SetPanelLevel(panels[0], 100), PanelResult::TryLater);
    const auto waited = Clock::now() - start;
    EXPECT_GE(waited, 450ms);
    EXPECT_LT(waited, 750ms);
    EXPECT_EQ(panels[0].currentLevel, 37);

    // While that worker hangs in WMI, another call does not start a second one and does not wait.
    start = Clock::now();
    EXPECT_EQ(ReadPanelLevel(panels[0]), PanelResult::TryLater);
    EXPECT_LT(Clock::now() - start, 200ms);

    standIn.Configure(kPanelState);
    EXPECT_EQ(ReadWhenFree(panels[0]), PanelResult::Done);
    // The late set still reached the panel, once; only reading it again puts it in the caller's record.
    EXPECT_EQ(standIn.CallsWith({"ExecMethod", "brightness=100"}).size(), 1u);
    EXPECT_EQ(panels[0].currentLevel, 100);
}

TEST_F(PanelBacklightTest, COMIsStartedOnTheWorkerNeverOnTheCallingThread) {
    WmiStandIn standIn(kPanelState);
    HRESULT afterwards = E_FAIL;
    PanelResult found = PanelResult::Failed;
    std::thread caller([&] {
        std::vector<PanelBacklight> panels;
        found = FindPanels(panels);
        // The thread's first initialisation: COM was not started here, in any apartment.
        afterwards = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        if (SUCCEEDED(afterwards))
            CoUninitialize();
    });
    caller.join();
    EXPECT_EQ(found, PanelResult::Done);
    EXPECT_EQ(afterwards, S_OK);
}

TEST(PanelBacklightWithoutStandIn, WinesOwnWmiHasNoPanelAndNothingBreaks) {
    if (WmiStandInLoaded())
        GTEST_SKIP() << "runs with Wine's own WMI";
    // Were the stand-in loaded by mistake, it would answer here and log the calls.
    WmiStandIn standIn(kPanelState);
    std::vector<PanelBacklight> panels(1);
    const auto start = Clock::now();
    EXPECT_EQ(FindPanels(panels), PanelResult::NoPanel);
    EXPECT_EQ(panels.size(), 1u) << "the caller's list is left as it was";
    PanelBacklight made{kPanelName, {0, 50, 100}, 50};
    EXPECT_NE(ReadPanelLevel(made), PanelResult::Done);
    EXPECT_NE(SetPanelLevel(made, 100), PanelResult::Done);
    EXPECT_EQ(made.currentLevel, 50);
    EXPECT_LT(Clock::now() - start, 2s);
    EXPECT_TRUE(standIn.Calls().empty());
}
