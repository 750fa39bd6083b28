#include "controls/drawing.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <iterator>

#include "control_host.h"
#include "controls/gdi_objects.h"
#include "pixel_canvas.h"

namespace {

TEST(SelectionGuard, PutsThePreviousObjectBackIntoItsOwnDc) {
    UniqueMemoryDc first(CreateCompatibleDC(nullptr));
    UniqueMemoryDc second(CreateCompatibleDC(nullptr));
    UniqueFont font(CreateFontW(20, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, L"Tahoma"));
    const HGDIOBJ firstOriginal = GetCurrentObject(first.get(), OBJ_FONT);
    const HGDIOBJ secondOriginal = GetCurrentObject(second.get(), OBJ_FONT);
    {
        SelectionGuard keep(first.get(), font.get());
        EXPECT_TRUE(keep.Selected());
        EXPECT_EQ(GetCurrentObject(first.get(), OBJ_FONT), font.get());
        EXPECT_EQ(GetCurrentObject(second.get(), OBJ_FONT), secondOriginal);
    }
    EXPECT_EQ(GetCurrentObject(first.get(), OBJ_FONT), firstOriginal);
    EXPECT_EQ(GetCurrentObject(second.get(), OBJ_FONT), secondOriginal);
    // The font is free again, so it can be deleted.
    EXPECT_TRUE(DeleteObject(font.release()));
}

TEST(SelectionGuard, NullObjectSelectsNothing) {
    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    const HGDIOBJ original = GetCurrentObject(dc.get(), OBJ_FONT);
    {
        SelectionGuard keep(dc.get(), nullptr);
        EXPECT_FALSE(keep.Selected());
    }
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_FONT), original);
}

TEST(Painters, FillFrameAndGradientsPaintTheirRectangles) {
    PixelCanvas canvas(40, 40);
    FillSolid(canvas.Dc(), RECT{0, 0, 40, 40}, RGB(255, 255, 255));
    FillSolid(canvas.Dc(), RECT{2, 2, 6, 6}, RGB(10, 20, 30));
    EXPECT_EQ(canvas.At(2, 2), RGB(10, 20, 30));
    EXPECT_EQ(canvas.At(5, 5), RGB(10, 20, 30));
    EXPECT_EQ(canvas.At(6, 6), RGB(255, 255, 255));

    FrameSolid(canvas.Dc(), RECT{10, 10, 20, 20}, RGB(200, 0, 0));
    EXPECT_EQ(canvas.At(10, 15), RGB(200, 0, 0));
    EXPECT_EQ(canvas.At(19, 15), RGB(200, 0, 0));
    EXPECT_EQ(canvas.At(15, 15), RGB(255, 255, 255));

    FillGradient(canvas.Dc(), RECT{0, 30, 40, 40}, RGB(0, 0, 0), RGB(0, 0, 250), kGradientHorizontal);
    EXPECT_LT(GetBValue(canvas.At(1, 35)), 20);
    EXPECT_GT(GetBValue(canvas.At(38, 35)), 220);
    EXPECT_EQ(canvas.At(1, 30), canvas.At(1, 39)); // horizontal: no change downward

    FillRoundGradient(canvas.Dc(), RECT{22, 0, 40, 28}, RGB(250, 0, 0), RGB(0, 250, 0));
    EXPECT_GT(GetRValue(canvas.At(30, 1)), 200);
    EXPECT_GT(GetGValue(canvas.At(30, 26)), 200);
    // Clipping is gone afterwards: a fill outside the rounded rectangle lands.
    FillSolid(canvas.Dc(), RECT{0, 0, 2, 2}, RGB(1, 2, 3));
    EXPECT_EQ(canvas.At(0, 0), RGB(1, 2, 3));
}

TEST(MemorySurface, CopiesItsPictureToTheTarget) {
    PixelCanvas target(20, 20);
    FillSolid(target.Dc(), RECT{0, 0, 20, 20}, RGB(255, 255, 255));
    {
        MemorySurface surface(target.Dc(), 10, 10);
        ASSERT_TRUE(surface);
        FillSolid(surface.Dc(), RECT{0, 0, 10, 10}, RGB(9, 99, 199));
        surface.CopyTo(target.Dc());
    }
    EXPECT_EQ(target.At(9, 9), RGB(9, 99, 199));
    EXPECT_EQ(target.At(10, 10), RGB(255, 255, 255));
}

TEST(ToolTip, FirstCallCreatesTheWindowAndLaterCallsAddTools) {
    ControlHost host;
    HWND first = CreateWindowExW(0, L"STATIC", L"a", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, host.Window(),
                                 nullptr, nullptr, nullptr);
    HWND second = CreateWindowExW(0, L"STATIC", L"b", WS_CHILD | WS_VISIBLE, 30, 0, 20, 20, host.Window(),
                                  nullptr, nullptr, nullptr);
    AddToolTip(host.Window(), first, L"never shown"); // creates the window only
    HWND tooltip = ToolTipWindow();
    ASSERT_NE(tooltip, nullptr);
    EXPECT_EQ(GetWindow(tooltip, GW_OWNER), host.Window());
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 700);
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 3000);
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETMAXTIPWIDTH, 0, 0), 260);

    AddToolTip(host.Window(), nullptr, L"ignored");
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 0);

    wchar_t text[32];
    wcscpy(text, L"Reset to factory values");
    AddToolTip(host.Window(), second, text);
    wcscpy(text, L"overwritten");
    EXPECT_EQ(ToolTipWindow(), tooltip);
    ASSERT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);

    wchar_t stored[64] = {};
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = TTF_IDISHWND;
    info.hwnd = second;
    info.uId = reinterpret_cast<UINT_PTR>(second);
    info.lpszText = stored;
    SendMessageW(tooltip, TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(stored, L"Reset to factory values");

    // A disabled control gets no mouse messages: its tip is its rectangle in the parent, which does. Set
    // again after a move, it follows; a null text takes it away and leaves the other tips.
    EnableWindow(first, FALSE);
    SetDisabledControlTip(first, L"No contrast here");
    SetWindowPos(first, nullptr, 60, 5, 20, 20, SWP_NOZORDER);
    SetDisabledControlTip(first, L"No contrast here");
    ASSERT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 2) << "set twice, one tool";
    TOOLINFOW disabled{};
    disabled.cbSize = TTTOOLINFOW_V2_SIZE;
    disabled.hwnd = host.Window();
    disabled.uId = reinterpret_cast<UINT_PTR>(first);
    std::fill(std::begin(stored), std::end(stored), L'\0');
    disabled.lpszText = stored;
    ASSERT_TRUE(SendMessageW(tooltip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&disabled)));
    EXPECT_EQ(disabled.uFlags & TTF_IDISHWND, 0u);
    EXPECT_NE(disabled.uFlags & TTF_SUBCLASS, 0u);
    EXPECT_EQ(disabled.rect.left, 60);
    EXPECT_EQ(disabled.rect.top, 5);
    EXPECT_EQ(disabled.rect.right, 80);
    EXPECT_STREQ(stored, L"No contrast here");
    SetDisabledControlTip(first, nullptr);
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
    SetDisabledControlTip(first, nullptr);
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1) << "nothing to take away twice";
}

} // namespace
