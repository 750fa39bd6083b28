#include "controls/button.h"

#include <gtest/gtest.h>

#include <vector>

#include "control_host.h"

namespace {

constexpr int kButtonId = 3010;
constexpr int kOtherId = 3012;

// Two buttons of a freshly registered class on a visible host at the screen's top-left corner.
class ButtonTest : public testing::Test {
  protected:
    void SetUp() override {
        glyphFont_ = CreateFontW(22, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, PROOF_QUALITY, 0, L"Tahoma");
        ASSERT_NE(RegisterButtonClass(L"GlimraTestButton", nullptr, RGB(219, 219, 219), RGB(100, 104, 116), 0,
                                      nullptr, glyphFont_, nullptr, nullptr),
                  0);
        button_ = Make(kButtonId, 6, L"Reset settings");
        other_ = Make(kOtherId, 170, L"Menu");
        ASSERT_NE(button_, nullptr);
        PumpMessages();
        ControlHost::commands.clear();
    }
    void TearDown() override {
        host_.reset();
        DeleteObject(glyphFont_);
    }

    HWND Make(int id, int x, const wchar_t* text) {
        return CreateWindowExW(0, L"GlimraTestButton", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP, x, 369,
                               id == kButtonId ? 158 : 118, 24, host_->Window(),
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }

    SuButtonRecord Record(HWND window) const {
        SuButtonRecord record;
        EXPECT_TRUE(GetButtonRecord(window, &record));
        return record;
    }

    size_t Clicks(int id = kButtonId) const {
        size_t count = 0;
        for (const ParentCommand& command : ControlHost::commands) {
            if (command.id == id && command.code == BN_CLICKED)
                ++count;
        }
        return count;
    }

    std::unique_ptr<ControlHost> host_ = std::make_unique<ControlHost>();
    HFONT glyphFont_ = nullptr;
    HWND button_ = nullptr;
    HWND other_ = nullptr;
};

TEST_F(ButtonTest, CreationFillsTheRecordFromTheClassAndTheWindow) {
    const SuButtonRecord record = Record(button_);
    EXPECT_EQ(record.window, button_);
    EXPECT_EQ(record.image, -1);
    EXPECT_EQ(record.state, 1);
    EXPECT_EQ(record.enabled, 1);
    EXPECT_STREQ(record.text, L"Reset settings");
    EXPECT_EQ(record.format, static_cast<uint32_t>(DT_SINGLELINE | DT_VCENTER | DT_LEFT));
    EXPECT_EQ(record.faceColour, RGB(219, 219, 219));
    EXPECT_EQ(record.textColour, RGB(100, 104, 116));
    EXPECT_EQ(GetWindowLongW(button_, GWL_STYLE) & 0x0F, 0x0D);
    EXPECT_NE(reinterpret_cast<HFONT>(SendMessageW(button_, WM_GETFONT, 0, 0)), nullptr);
    EXPECT_GT(SlotOf(other_), SlotOf(button_));
}

TEST_F(ButtonTest, PressAndReleaseInsideSendsOneClick) {
    SendMessageW(button_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_EQ(GetFocus(), button_);
    EXPECT_EQ(Record(button_).pressed, 2);
    EXPECT_EQ(Clicks(), 0u);
    SendMessageW(button_, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    ASSERT_EQ(Clicks(), 1u);
    EXPECT_EQ(ControlHost::commands.back().lParam, 0);
    EXPECT_EQ(Record(button_).pressed, 0);
    EXPECT_EQ(Record(button_).fade, 2);
}

TEST_F(ButtonTest, ReleaseOutsideOrWithoutFocusSendsNothing) {
    SendMessageW(button_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageW(button_, WM_LBUTTONUP, 0, MAKELPARAM(170, 10)); // right of the button
    SendMessageW(button_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageW(button_, WM_LBUTTONUP, 0, MAKELPARAM(-3, 10)); // left of it, an unsigned 65533
    SendMessageW(button_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageW(button_, WM_LBUTTONUP, 0, MAKELPARAM(10, -1)); // above it
    EXPECT_EQ(Clicks(), 0u);

    SetFocus(other_);
    SendMessageW(button_, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(Clicks(), 0u);
}

TEST_F(ButtonTest, NotifyOnPressClicksOnPressAndAgainOnRelease) {
    EXPECT_EQ(SendMessageW(button_, SUM_SETPROP, SBP_STATE, 2), 1);
    EXPECT_EQ(SendMessageW(button_, SUM_GETPROP, SBP_STATE, 0), 3);
    SendMessageW(button_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_EQ(Clicks(), 1u);
    SendMessageW(button_, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(Clicks(), 2u);
}

TEST_F(ButtonTest, DoubleClickGivesTwoClicks) {
    // Real mouse input at the button's middle: the second press arrives as WM_LBUTTONDBLCLK.
    ShowWindow(host_->Window(), SW_SHOW);
    SetForegroundWindow(host_->Window());
    SetCursorPos(6 + 79, 369 + 12);
    PumpMessages();
    INPUT press{};
    press.type = INPUT_MOUSE;
    press.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    INPUT release = press;
    release.mi.dwFlags = MOUSEEVENTF_LEFTUP;

    INPUT first[2] = {press, release};
    SendInput(2, first, sizeof(INPUT));
    ASSERT_TRUE(PumpUntil([&] { return Clicks() == 1; }));
    SendInput(1, &press, sizeof(INPUT));
    // The double-click message is turned into a press of its own.
    ASSERT_TRUE(PumpUntil([&] { return Record(button_).pressed == 2; }));
    SendInput(1, &release, sizeof(INPUT));
    ASSERT_TRUE(PumpUntil([&] { return Clicks() == 2; }));
    PumpUntil([] { return false; }, std::chrono::milliseconds(200));
    EXPECT_EQ(Clicks(), 2u);
    EXPECT_EQ(Clicks(kOtherId), 0u);
}

TEST_F(ButtonTest, SpaceKeyPressesAndTheBaseButtonClicksOnRelease) {
    SetFocus(button_);
    SendMessageW(button_, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(Record(button_).pressed, 2);
    EXPECT_EQ(Clicks(), 0u);
    SendMessageW(button_, WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(Record(button_).pressed, 0);
    ASSERT_EQ(Clicks(), 1u);
    EXPECT_EQ(ControlHost::commands.back().lParam, reinterpret_cast<LPARAM>(button_));
}

TEST_F(ButtonTest, DisabledStateDisablesAndMovesTheFocusOn) {
    SetFocus(button_);
    EXPECT_EQ(SendMessageW(button_, SUM_SETPROP, SBP_STATE, 4), 1);
    EXPECT_FALSE(IsWindowEnabled(button_));
    EXPECT_EQ(Record(button_).enabled, 0);
    PumpMessages();
    EXPECT_EQ(ControlHost::nextControlRequests, 1);

    // A disabled button refuses the focus.
    SendMessageW(button_, WM_SETFOCUS, 0, 0);
    EXPECT_EQ(Record(button_).focused, 0);

    SendMessageW(button_, SUM_SETPROP, SBP_STATE, 2);
    EXPECT_TRUE(IsWindowEnabled(button_));
    EXPECT_EQ(SendMessageW(button_, SUM_GETPROP, SBP_STATE, 0), 3);
}

TEST_F(ButtonTest, GetPropReturnsEachFieldSignExtended) {
    SendMessageW(button_, SUM_SETPROP, SBP_IMAGE, 0xFFFF);
    SendMessageW(button_, SUM_SETPROP, SBP_BKCOLOR, RGB(1, 2, 3));
    SendMessageW(button_, SUM_SETPROP, SBP_FORMAT, DT_CENTER);
    SendMessageW(button_, SUM_SETPROP, SBP_TEXTCOLOR, RGB(4, 5, 6));
    SendMessageW(button_, SUM_SETPROP, SBP_HOTCOLOR, RGB(7, 8, 9));
    SendMessageW(button_, SUM_SETPROP, SBP_DISABLEDCOLOR, RGB(10, 11, 12));
    SendMessageW(button_, SUM_SETPROP, SBP_GLYPH, 0x100B7);
    EXPECT_EQ(SendMessageW(button_, SUM_GETPROP, SBP_IMAGE, 0), -1);
    EXPECT_EQ(SendMessageW(button_, SUM_GETPROP, SBP_BKCOLOR, 0), RGB(1, 2, 3));
    EXPECT_EQ(SendMessageW(button_, SUM_GETPROP, SBP_FORMAT, 0), DT_CENTER);
    EXPECT_EQ(SendMessageW(button_, SUM_GETPROP, SBP_TEXTCOLOR, 0), RGB(4, 5, 6));
    EXPECT_EQ(SendMessageW(button_, SUM_GETPROP, SBP_HOTCOLOR, 0), RGB(7, 8, 9));
    EXPECT_EQ(SendMessageW(button_, SUM_GETPROP, SBP_DISABLEDCOLOR, 0), RGB(10, 11, 12));
    EXPECT_EQ(SendMessageW(button_, SUM_GETPROP, SBP_GLYPH, 0), 0xB7);
    EXPECT_EQ(SendMessageW(button_, SUM_GETPROP, 5881, 0), 0);
    EXPECT_EQ(SendMessageW(button_, SUM_SETPROP, 5881, 5), 1);

    RemovePropW(other_, L"Index");
    EXPECT_EQ(SendMessageW(other_, SUM_GETPROP, SBP_BKCOLOR, 0), 0);
    EXPECT_EQ(SendMessageW(other_, SUM_SETPROP, SBP_BKCOLOR, 1), 0);
}

TEST_F(ButtonTest, HoverFadeRisesHoldsWithoutATimerFallsAndStopsTheTimer) {
    SendMessageW(button_, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(reinterpret_cast<INT_PTR>(GetPropW(button_, L"Hot")), 1);
    EXPECT_EQ(Record(button_).timerRunning, 1);
    // Timer ticks delivered by hand, so the count is exact.
    for (int tick = 0; tick < 10; ++tick)
        EXPECT_EQ(SendMessageW(button_, WM_TIMER, IDT_BUTTONFADE, 0), 1);
    EXPECT_EQ(Record(button_).fade, 20);
    // Full highlight under a resting pointer: the timer is gone, nothing wakes the program.
    EXPECT_EQ(Record(button_).timerRunning, 0);
    EXPECT_FALSE(KillTimer(button_, IDT_BUTTONFADE));
    UpdateWindow(button_);
    SendMessageW(button_, WM_TIMER, IDT_BUTTONFADE, 0);
    RECT update;
    EXPECT_FALSE(GetUpdateRect(button_, &update, FALSE)); // holding: no repaint
    EXPECT_EQ(Record(button_).fade, 20);

    SendMessageW(button_, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(reinterpret_cast<INT_PTR>(GetPropW(button_, L"Hot")), 0);
    EXPECT_EQ(Record(button_).timerRunning, 1); // the fall needs the timer again
    for (int tick = 0; tick < 9; ++tick)
        SendMessageW(button_, WM_TIMER, IDT_BUTTONFADE, 0);
    EXPECT_EQ(Record(button_).fade, 2);
    EXPECT_EQ(Record(button_).timerRunning, 1);
    SendMessageW(button_, WM_TIMER, IDT_BUTTONFADE, 0);
    EXPECT_EQ(Record(button_).fade, 0);
    EXPECT_EQ(Record(button_).timerRunning, 0);

    EXPECT_EQ(SendMessageW(button_, WM_TIMER, 1, 0), 0); // other timers are not the button's
}

TEST_F(ButtonTest, HoverFadeRunsOnTheRealTimer) {
    SendMessageW(button_, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    ASSERT_TRUE(PumpUntil([&] { return Record(button_).fade == 20; }));
    EXPECT_FALSE(KillTimer(button_, IDT_BUTTONFADE)); // stopped by the tick that reached full
    SendMessageW(button_, WM_MOUSELEAVE, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return Record(button_).fade == 0 && Record(button_).timerRunning == 0; }));
}

TEST_F(ButtonTest, AfterAClickUnderTheRestingPointerTheHighlightRisesAgainAndStops) {
    SendMessageW(button_, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    for (int tick = 0; tick < 10; ++tick)
        SendMessageW(button_, WM_TIMER, IDT_BUTTONFADE, 0);
    ASSERT_EQ(Record(button_).timerRunning, 0);
    SendMessageW(button_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageW(button_, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(Record(button_).fade, 2);
    EXPECT_EQ(Record(button_).timerRunning, 1);
    for (int tick = 0; tick < 9; ++tick)
        SendMessageW(button_, WM_TIMER, IDT_BUTTONFADE, 0);
    EXPECT_EQ(Record(button_).fade, 20);
    EXPECT_EQ(Record(button_).timerRunning, 0);
    SendMessageW(button_, WM_MOUSELEAVE, 0, 0);
}

TEST_F(ButtonTest, AButtonThatGoesWhileTrackingLetsTheNextOneLightUp) {
    SendMessageW(button_, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(reinterpret_cast<INT_PTR>(GetPropW(button_, L"Hot")), 1);
    DestroyWindow(button_); // no WM_MOUSELEAVE will come
    SendMessageW(other_, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(reinterpret_cast<INT_PTR>(GetPropW(other_, L"Hot")), 1);
    EXPECT_EQ(Record(other_).timerRunning, 1);
    SendMessageW(other_, WM_MOUSELEAVE, 0, 0);
}

TEST_F(ButtonTest, GlyphFontOutlivesTheButtonsAndTheTextFontGoesWithThem) {
    const HFONT textFont = reinterpret_cast<HFONT>(SendMessageW(button_, WM_GETFONT, 0, 0));
    ASSERT_NE(textFont, nullptr);
    EXPECT_EQ(GetObjectType(textFont), static_cast<DWORD>(OBJ_FONT));
    DestroyWindow(button_);
    EXPECT_EQ(GetObjectType(textFont), static_cast<DWORD>(OBJ_FONT)); // the other button still paints with it
    DestroyWindow(other_);
    EXPECT_EQ(GetObjectType(textFont), 0u);
    LOGFONTW glyph{};
    EXPECT_NE(GetObjectW(glyphFont_, sizeof(glyph), &glyph), 0); // the owner's font is left alone
}

} // namespace
