#include "controls/trackbar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control_host.h"
#include "controls/main_window_controls.h"

namespace {

constexpr DWORD kSliderStyle = 0x5001006B;

void EnsureSliderClass() {
    static const bool once = [] {
        SuperclassWindowClass(L"msctls_trackbar32", L"Su_TrackBar", nullptr);
        return true;
    }();
    (void)once;
}

HWND MakeSlider(HWND parent, int id = 2010, DWORD extraStyle = 0) {
    EnsureSliderClass();
    return CreateWindowExW(0, L"Su_TrackBar", L"", kSliderStyle | extraStyle, 6, 62, 90, 296, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

SuTrackBarRecord RecordOf(HWND slider) {
    SuTrackBarRecord record;
    EXPECT_TRUE(GetTrackBarRecord(slider, &record));
    return record;
}

// Counts the WM_ENABLE messages a slider receives, in order.
std::vector<WPARAM> enableMessages;
WNDPROC sliderProcedure = nullptr;
LRESULT CALLBACK EnableSpy(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ENABLE)
        enableMessages.push_back(wParam);
    return CallWindowProcW(sliderProcedure, window, message, wParam, lParam);
}

TEST(TrackBarClass, SuperclassOfAMissingBaseRegistersNothing) {
    EXPECT_EQ(SuperclassWindowClass(L"GlimraNoSuchBase", L"GlimraNoSuchSlider", nullptr), 0);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    EXPECT_FALSE(GetClassInfoExW(GetModuleHandleW(nullptr), L"GlimraNoSuchSlider", &windowClass));
}

TEST(TrackBarClass, KeepsTheTrackBarsOwnBehaviour) {
    ControlHost host;
    HWND slider = MakeSlider(host.Window());
    ASSERT_NE(slider, nullptr);
    SendMessageW(slider, TBM_SETRANGE, FALSE, MAKELPARAM(0, 100));
    SendMessageW(slider, TBM_SETPAGESIZE, 0, 10);
    SendMessageW(slider, TBM_SETPOS, FALSE, 50);
    EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), 50);
    SendMessageW(slider, WM_KEYDOWN, VK_NEXT, 0);
    EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), 60);
    EXPECT_FALSE(ControlHost::commands.size()); // scrolling reports WM_VSCROLL, never WM_COMMAND
}

TEST(TrackBarSlots, EachSliderTakesASlotThatIsNeverReused) {
    ControlHost host;
    HWND first = MakeSlider(host.Window());
    HWND second = MakeSlider(host.Window());
    const int firstSlot = SlotOf(first);
    const int secondSlot = SlotOf(second);
    EXPECT_GT(firstSlot, 0);
    EXPECT_GT(secondSlot, firstSlot);
    DestroyWindow(second);
    DestroyWindow(first);
    HWND third = MakeSlider(host.Window());
    EXPECT_GT(SlotOf(third), secondSlot);
}

TEST(TrackBarSlots, NewSliderStartsWithTheDefaults) {
    ControlHost host;
    const SuTrackBarRecord record = RecordOf(MakeSlider(host.Window()));
    EXPECT_EQ(record.style, 0);
    EXPECT_EQ(record.enabled, 1);
    EXPECT_EQ(record.signedValue, 0);
    EXPECT_STREQ(record.caption, L"");
    EXPECT_STREQ(record.glyph, L"");
    EXPECT_EQ(record.accentColour, RGB(148, 158, 170));
    EXPECT_EQ(record.backgroundColour, RGB(245, 248, 250));
    EXPECT_EQ(record.textColour, RGB(128, 128, 128));
    EXPECT_EQ(record.disabledFill, 0u);

    EXPECT_EQ(RecordOf(MakeSlider(host.Window(), 2011, WS_DISABLED)).enabled, 0);
}

TEST(TrackBarProperties, SetPropStoresEachField) {
    ControlHost host;
    HWND slider = MakeSlider(host.Window());
    SendMessageW(slider, SUM_SETPROP, STP_BKCOLOR, RGB(1, 2, 3));
    SendMessageW(slider, SUM_SETPROP, STP_TEXTCOLOR, RGB(4, 5, 6));
    SendMessageW(slider, SUM_SETPROP, STP_ACCENTCOLOR, RGB(7, 8, 9));
    SendMessageW(slider, SUM_SETPROP, STP_STYLE, 0x10001);
    SendMessageW(slider, SUM_SETPROP, STP_GLYPH, 0x100C5);
    SendMessageW(slider, SUM_SETPROP, STP_CAPTION, reinterpret_cast<LPARAM>(L"Brightness: Monitor"));
    SendMessageW(slider, SUM_SETPROP, STP_SIGNED, 0x101);
    const SuTrackBarRecord record = RecordOf(slider);
    EXPECT_EQ(record.backgroundColour, RGB(1, 2, 3));
    EXPECT_EQ(record.textColour, RGB(4, 5, 6));
    EXPECT_EQ(record.accentColour, RGB(7, 8, 9));
    EXPECT_EQ(record.style, 1);
    EXPECT_STREQ(record.glyph, L"\u00C5");
    EXPECT_STREQ(record.caption, L"Brightness: Monitor");
    EXPECT_EQ(record.signedValue, 1);
}

TEST(TrackBarProperties, CaptionIsCopiedAndCutTo63Characters) {
    ControlHost host;
    HWND slider = MakeSlider(host.Window());
    std::wstring caption(100, L'x');
    SendMessageW(slider, SUM_SETPROP, STP_CAPTION, reinterpret_cast<LPARAM>(caption.c_str()));
    caption.assign(100, L'y');
    EXPECT_EQ(std::wstring(RecordOf(slider).caption), std::wstring(63, L'x'));

    SendMessageW(slider, SUM_SETPROP, STP_CAPTION, 0);
    EXPECT_STREQ(RecordOf(slider).caption, L"");
}

TEST(TrackBarProperties, WindowWithoutIndexAnswersZeroAndChangesNothing) {
    ControlHost host;
    HWND slider = MakeSlider(host.Window());
    const HANDLE slot = RemovePropW(slider, L"Index");
    ASSERT_NE(slot, nullptr);
    EXPECT_EQ(SendMessageW(slider, SUM_SETPROP, STP_BKCOLOR, RGB(9, 9, 9)), 0);
    EnableWindow(slider, FALSE);
    NMCUSTOMDRAW draw{};
    draw.hdr.hwndFrom = slider;
    draw.dwDrawStage = CDDS_PREPAINT;
    EXPECT_EQ(TrackBarCustomDraw(&draw), CDRF_DODEFAULT);

    SetPropW(slider, L"Index", slot);
    const SuTrackBarRecord record = RecordOf(slider);
    EXPECT_EQ(record.backgroundColour, RGB(245, 248, 250));
    EXPECT_EQ(record.enabled, 1); // the disable went unseen without the property
}

TEST(TrackBarProperties, EverySetPropFlipsTheEnabledStateOffAndOn) {
    ControlHost host;
    HWND enabled = MakeSlider(host.Window(), 2010);
    HWND disabled = MakeSlider(host.Window(), 2011, WS_DISABLED);
    sliderProcedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(enabled, GWLP_WNDPROC));
    SetWindowLongPtrW(enabled, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EnableSpy));
    SetWindowLongPtrW(disabled, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EnableSpy));

    enableMessages.clear();
    SendMessageW(enabled, SUM_SETPROP, 5881, 0); // a code the slider does not know
    EXPECT_EQ(enableMessages, (std::vector<WPARAM>{FALSE, TRUE}));
    EXPECT_TRUE(IsWindowEnabled(enabled));
    EXPECT_EQ(RecordOf(enabled).enabled, 1);

    enableMessages.clear();
    SendMessageW(disabled, SUM_SETPROP, STP_BKCOLOR, RGB(1, 1, 1));
    EXPECT_EQ(enableMessages, (std::vector<WPARAM>{TRUE, FALSE}));
    EXPECT_FALSE(IsWindowEnabled(disabled));
    EXPECT_EQ(RecordOf(disabled).enabled, 0);
}

TEST(TrackBarProperties, EnableMirrorsTheWindowState) {
    ControlHost host;
    HWND slider = MakeSlider(host.Window());
    EnableWindow(slider, FALSE);
    EXPECT_EQ(RecordOf(slider).enabled, 0);
    EnableWindow(slider, TRUE);
    EXPECT_EQ(RecordOf(slider).enabled, 1);
}

TEST(TrackBarSettings, ApplyCopiesTheOwnersRecordButNotItsWindow) {
    ControlHost host;
    HWND slider = MakeSlider(host.Window());
    SuTrackBarRecord settings;
    settings.window = host.Window();
    settings.backgroundColour = RGB(255, 255, 255);
    settings.accentColour = RGB(248, 248, 248);
    settings.textColour = RGB(80, 80, 80);
    settings.disabledFill = RGB(250, 250, 250);
    settings.style = 1;
    settings.signedValue = 1;
    wcscpy(settings.caption, L"Caption");
    wcscpy(settings.glyph, L"D");
    ApplyTrackBarSettings(slider, settings);
    ApplyTrackBarSettings(host.Window(), settings); // no slot: ignored
    const SuTrackBarRecord record = RecordOf(slider);
    EXPECT_EQ(record.window, slider);
    EXPECT_EQ(record.backgroundColour, RGB(255, 255, 255));
    EXPECT_EQ(record.accentColour, RGB(248, 248, 248));
    EXPECT_EQ(record.textColour, RGB(80, 80, 80));
    EXPECT_EQ(record.disabledFill, RGB(250, 250, 250));
    EXPECT_EQ(record.style, 1);
    EXPECT_EQ(record.signedValue, 1);
    EXPECT_STREQ(record.caption, L"Caption");
    EXPECT_STREQ(record.glyph, L"D");
}

TEST(TrackBarSettings, PostedGlyphAndSignedSurviveTheMainWindowsSettings) {
    ControlHost host;
    const MainWindowControls controls = CreateMainWindowControls(
        host.Window(), L"Brightness: M", L"Contrast: M", L"Video: A", L"Reset", L"Menu", nullptr);
    ASSERT_NE(controls.videoSlider, nullptr);
    // The synchronous copy has happened; the posted settings wait in the queue.
    EXPECT_STREQ(RecordOf(controls.brightnessSlider).glyph, L"");
    PumpMessages();

    const SuTrackBarRecord brightness = RecordOf(controls.brightnessSlider);
    const SuTrackBarRecord contrast = RecordOf(controls.contrastSlider);
    const SuTrackBarRecord video = RecordOf(controls.videoSlider);
    EXPECT_STREQ(brightness.glyph, L"D");
    EXPECT_STREQ(contrast.glyph, L"I");
    EXPECT_STREQ(video.glyph, L"\u00C5");
    EXPECT_EQ(brightness.signedValue, 0);
    EXPECT_EQ(contrast.signedValue, 0);
    EXPECT_EQ(video.signedValue, 1);
    EXPECT_STREQ(video.caption, L"Video: A");
    EXPECT_EQ(video.backgroundColour, RGB(255, 255, 255));
    EXPECT_EQ(video.accentColour, RGB(248, 248, 248));
    EXPECT_EQ(video.textColour, RGB(80, 80, 80));
    EXPECT_EQ(video.disabledFill, RGB(250, 250, 250));
    EXPECT_EQ(video.style, 1);

    EXPECT_EQ(SendMessageW(controls.videoSlider, TBM_GETPOS, 0, 0), 50);
    EXPECT_EQ(SendMessageW(controls.videoSlider, TBM_GETPAGESIZE, 0, 0), 10);
    EXPECT_EQ(SendMessageW(controls.videoSlider, TBM_GETTHUMBLENGTH, 0, 0), 48);
    EXPECT_EQ(GetDlgCtrlID(controls.contrastSlider), 2011);
    EXPECT_EQ(GetDlgCtrlID(controls.menuButton), 3012);
}

TEST(TrackBarCustomDraw, AnswersEachStageAsTheTrackBarExpects) {
    ControlHost host;
    HWND slider = MakeSlider(host.Window());
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 90, 296);
    HGDIOBJ previous = SelectObject(dc, bitmap);

    NMCUSTOMDRAW draw{};
    draw.hdr.hwndFrom = slider;
    draw.hdr.code = NM_CUSTOMDRAW;
    draw.hdc = dc;
    draw.dwDrawStage = CDDS_PREPAINT;
    EXPECT_EQ(TrackBarCustomDraw(&draw), CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT);
    for (DWORD stage :
         {CDDS_PREERASE, CDDS_POSTERASE, CDDS_ITEMPREERASE, CDDS_ITEMPOSTERASE, CDDS_POSTPAINT}) {
        draw.dwDrawStage = stage;
        EXPECT_EQ(TrackBarCustomDraw(&draw), 0) << stage;
    }
    draw.dwDrawStage = CDDS_ITEMPREPAINT;
    draw.rc = {30, 15, 60, 281};
    for (DWORD_PTR item : {TBCD_CHANNEL, TBCD_TICS, TBCD_THUMB}) {
        draw.dwItemSpec = item;
        EXPECT_EQ(TrackBarCustomDraw(&draw), CDRF_SKIPDEFAULT) << item;
    }
    draw.dwDrawStage = CDDS_ITEMPOSTPAINT;
    EXPECT_EQ(TrackBarCustomDraw(&draw), 0);
    EXPECT_EQ(TrackBarCustomDraw(static_cast<NMCUSTOMDRAW*>(nullptr)), CDRF_DODEFAULT);

    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
}

TEST(TrackBarCustomDraw, RepaintsOnlyWhenSomethingChanged) {
    ControlHost host(true);
    const MainWindowControls controls =
        CreateMainWindowControls(host.Window(), L"B", L"C", L"V", L"Reset", L"Menu", nullptr);
    PumpMessages();
    UpdateWindow(host.Window());
    PumpMessages();
    // Once painted, nothing is left to paint: the picture does not invalidate itself.
    RECT update;
    EXPECT_FALSE(GetUpdateRect(controls.brightnessSlider, &update, FALSE));
    // A move repaints the whole slider: the level bar reaches far beyond the thumb.
    SendMessageW(controls.brightnessSlider, TBM_SETPOS, TRUE, 20);
    ASSERT_TRUE(GetUpdateRect(controls.brightnessSlider, &update, FALSE));
    RECT client;
    GetClientRect(controls.brightnessSlider, &client);
    EXPECT_TRUE(EqualRect(&update, &client));
    UpdateWindow(controls.brightnessSlider);
    SendMessageW(controls.brightnessSlider, WM_KEYDOWN, VK_END, 0);
    ASSERT_TRUE(GetUpdateRect(controls.brightnessSlider, &update, FALSE));
    EXPECT_TRUE(EqualRect(&update, &client));
}

} // namespace
