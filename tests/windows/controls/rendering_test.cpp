// The main window's controls, configured as the main window configures them, printed into bitmaps and
// judged on selected pixels and regions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control_host.h"
#include "controls/drawing.h"
#include "controls/main_window_controls.h"
#include "controls/trackbar.h"
#include "controls/trackbar_layout.h"
#include "pixel_canvas.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kSliderWidth = 90;
constexpr int kSliderHeight = 296;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kSliderText = RGB(80, 80, 80);
constexpr UINT kValueFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP;
constexpr UINT kGlyphFormat = DT_WORD_ELLIPSIS | DT_NOCLIP;

HFONT GlyphFont() {
    static HFONT font = [] {
        HMODULE module = GetModuleHandleW(nullptr);
        bool added = false;
        if (HRSRC resource = FindResourceW(module, GLIMRA_WIDE(RES_GLYPH_FONT), RT_RCDATA)) {
            DWORD count = 1;
            added = AddFontMemResourceEx(LockResource(LoadResource(module, resource)),
                                         SizeofResource(module, resource), nullptr, &count) != nullptr;
        }
        return CreateFontW(22, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, PROOF_QUALITY, 0,
                           added ? L"FONTGLIMRA1" : L"Tahoma");
    }();
    return font;
}

HFONT CaptionFont() {
    static HFONT font = CreateFontW(16, 0, 2700, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, PROOF_QUALITY, 0, L"Tahoma");
    return font;
}

bool IsGrey(COLORREF colour) {
    return GetRValue(colour) == GetGValue(colour) && GetGValue(colour) == GetBValue(colour);
}

// A picture of text drawn the way the slider draws it, on white, to compare masks with.
PixelCanvas Reference(HFONT font, const wchar_t* text, int length, RECT rect, UINT format, COLORREF colour) {
    PixelCanvas canvas(kSliderWidth, kSliderHeight);
    FillSolid(canvas.Dc(), RECT{0, 0, kSliderWidth, kSliderHeight}, kWhite);
    SelectionGuard keep(canvas.Dc(), font);
    SetBkMode(canvas.Dc(), TRANSPARENT);
    SetTextColor(canvas.Dc(), colour);
    DrawTextW(canvas.Dc(), text, length, &rect, format);
    return canvas;
}

class Rendering : public testing::Test {
  protected:
    void SetUp() override {
        SetTrackBarFont(CaptionFont());
        SetTrackBarGlyphFont(GlyphFont());
        controls_ = CreateMainWindowControls(host_.Window(), L"Яркость монитор: Generic",
                                             L"Контраст монитор: Generic", L"Яркость видео: Adapter",
                                             L"Сброс настроек", L"Меню", GlyphFont());
        PumpMessages();
        SendMessageW(controls_.brightnessSlider, TBM_SETPOS, TRUE, 30);
        SendMessageW(controls_.videoSlider, TBM_SETPOS, TRUE, 100);
        EnableWindow(controls_.contrastSlider, FALSE);
        PumpMessages();
    }

    // Prints the slider as its parent would see it painted.
    PixelCanvas Print(HWND slider) {
        PixelCanvas canvas(kSliderWidth, kSliderHeight);
        SendMessageW(slider, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
        return canvas;
    }

    ControlHost host_;
    MainWindowControls controls_;
};

TEST_F(Rendering, SliderShowsThumbLevelBarAndScaleWhereTheyBelong) {
    const PixelCanvas picture = Print(controls_.brightnessSlider);
    ASSERT_TRUE(ControlHost::channels.count(controls_.brightnessSlider));
    const RECT channel = ControlHost::channels[controls_.brightnessSlider];
    const RECT thumb = ControlHost::thumbs[controls_.brightnessSlider];
    ASSERT_LT(thumb.top, thumb.bottom);

    // Thumb: a grey gradient from the accent 248 down toward 226, not the blue of a hot thumb.
    const COLORREF thumbTop = picture.At((thumb.left + thumb.right) / 2 - 14, thumb.top + 1);
    const COLORREF thumbBottom = picture.At((thumb.left + thumb.right) / 2 - 14, thumb.bottom - 2);
    EXPECT_TRUE(IsGrey(thumbTop));
    EXPECT_TRUE(IsGrey(thumbBottom));
    EXPECT_NEAR(GetRValue(thumbTop), 248, 3);
    EXPECT_NEAR(GetRValue(thumbBottom), 227, 3);

    // Channel frame in ColorShift(white, -40) on both sides, from the channel's top to its bottom.
    const LayoutRect frame = TrackBarChannelFrame({channel.left, channel.top, channel.right, channel.bottom});
    const int below = (thumb.bottom + channel.bottom) / 2;
    const int above = (channel.top + thumb.top) / 2;
    EXPECT_EQ(picture.At(frame.left, below), RGB(215, 215, 215));
    EXPECT_EQ(picture.At(frame.right - 1, above), RGB(215, 215, 215));

    // Level bar: darker than the background below the thumb, absent above it.
    const int middle = (frame.left + frame.right) / 2;
    const COLORREF level = picture.At(middle, below);
    EXPECT_TRUE(IsGrey(level));
    EXPECT_GE(GetRValue(level), 245);
    EXPECT_LE(GetRValue(level), 252);
    EXPECT_EQ(picture.At(middle, above), kWhite);

    // Scale: the first long tick is 11 pixels wide in the text colour, the end point left out.
    const std::vector<ScaleLine> lines = TrackBarScaleLines(channel.top, channel.bottom);
    const ScaleLine& longTick = lines[1 + 39 + 19];
    ASSERT_TRUE(longTick.y < thumb.top || longTick.y >= thumb.bottom);
    for (int x = 4; x < 15; ++x)
        EXPECT_EQ(picture.At(x, longTick.y), kSliderText) << x;
    EXPECT_NE(picture.At(15, longTick.y), kSliderText);
    EXPECT_NE(picture.At(3, longTick.y), kSliderText);
    EXPECT_EQ(picture.At(4, lines.front().y), kSliderText);
    EXPECT_EQ(picture.At(4, lines.back().y), kSliderText);
}

TEST_F(Rendering, ValueIsPrintedOnTheThumb) {
    const PixelCanvas picture = Print(controls_.brightnessSlider);
    const RECT thumb = ControlHost::thumbs[controls_.brightnessSlider];
    // The value is drawn in the surface's default font, so a fresh DC draws the same pixels.
    const PixelCanvas expected = Reference(nullptr, L"70", -1, thumb, kValueFormat, kSliderText);
    const std::vector<bool> mask = ColourMask(picture, thumb, kSliderText);
    EXPECT_GT(CountOf(mask), 10);
    EXPECT_EQ(mask, ColourMask(expected, thumb, kSliderText));

    const PixelCanvas signedPicture = Print(controls_.videoSlider);
    const RECT signedThumb = ControlHost::thumbs[controls_.videoSlider];
    const PixelCanvas signedExpected = Reference(nullptr, L"-50", -1, signedThumb, kValueFormat, kSliderText);
    EXPECT_EQ(ColourMask(signedPicture, signedThumb, kSliderText),
              ColourMask(signedExpected, signedThumb, kSliderText));
}

TEST_F(Rendering, GlyphSitsAboveTheRotatedCaption) {
    const PixelCanvas picture = Print(controls_.brightnessSlider);
    const RECT glyphRect{60, 10, kSliderHeight - 40, kSliderHeight};
    const wchar_t glyph[] = {GLYPH_MONITOR_BRIGHTNESS, 0};
    const PixelCanvas expected = Reference(GlyphFont(), glyph, 1, glyphRect, kGlyphFormat, kSliderText);
    const RECT glyphArea{56, 4, 90, 36};
    const std::vector<bool> mask = ColourMask(picture, glyphArea, kSliderText);
    EXPECT_GT(CountOf(mask), 10);
    EXPECT_EQ(mask, ColourMask(expected, glyphArea, kSliderText));

    // The caption runs down from y 37 to the left of x 79 (text pixels are antialiased, so count dark ones).
    int captionPixels = 0;
    for (int y = 40; y < kSliderHeight - 4; ++y) {
        for (int x = 60; x < 80; ++x)
            captionPixels += GetRValue(picture.At(x, y)) < 160 ? 1 : 0;
    }
    EXPECT_GT(captionPixels, 200);
    for (int y = 0; y < kSliderHeight; ++y)
        EXPECT_GT(GetRValue(picture.At(85, y)), 200) << y; // nothing spills over the right edge
}

TEST_F(Rendering, DisabledSliderUsesTheDisabledFillAndItsText) {
    const PixelCanvas picture = Print(controls_.contrastSlider);
    const RECT thumb = ControlHost::thumbs[controls_.contrastSlider];
    const COLORREF thumbTop = picture.At(thumb.left + 6, thumb.top + 1);
    EXPECT_NEAR(GetRValue(thumbTop), 250, 3);
    EXPECT_TRUE(IsGrey(thumbTop));
    const COLORREF disabledText = RGB(208, 208, 208);
    const PixelCanvas expected = Reference(nullptr, L"50", -1, thumb, kValueFormat, disabledText);
    const std::vector<bool> mask = ColourMask(picture, thumb, disabledText);
    EXPECT_GT(CountOf(mask), 10);
    EXPECT_EQ(mask, ColourMask(expected, thumb, disabledText));
}

TEST_F(Rendering, ButtonShowsFaceBorderGlyphWithShadowAndText) {
    PixelCanvas picture(158, 24);
    SendMessageW(controls_.resetButton, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.Dc()), PRF_CLIENT);
    const COLORREF face = RGB(219, 219, 219);
    const COLORREF text = RGB(100, 104, 116);
    EXPECT_EQ(picture.At(0, 12), RGB(203, 203, 203)); // border
    EXPECT_EQ(picture.At(157, 12), RGB(203, 203, 203));
    EXPECT_EQ(picture.At(0, 0), RGB(203, 203, 203)); // no focus line while unfocused
    EXPECT_EQ(picture.At(150, 12), face);

    int glyphPixels = 0;
    int shadowPixels = 0;
    int textPixels = 0;
    for (int y = 0; y < 24; ++y) {
        for (int x = 1; x < 157; ++x) {
            const COLORREF pixel = picture.At(x, y);
            if (x < 28 && pixel == text)
                ++glyphPixels;
            if (x < 32 && pixel == RGB(213, 213, 213))
                ++shadowPixels;
            if (x >= 32 && pixel != face)
                ++textPixels;
        }
    }
    EXPECT_GT(glyphPixels, 10);
    EXPECT_GT(shadowPixels, 5);
    EXPECT_GT(textPixels, 40);

    SetFocus(controls_.resetButton);
    SendMessageW(controls_.resetButton, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.Dc()), PRF_CLIENT);
    EXPECT_EQ(picture.At(40, 0), RGB(187, 187, 187)); // the focus line along the top
    EXPECT_EQ(picture.At(0, 12), RGB(203, 203, 203));
}

} // namespace
