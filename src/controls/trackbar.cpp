#include "controls/trackbar.h"

#include <algorithm>
#include <cwchar>
#include <string>

#include "controls/drawing.h"
#include "controls/gdi_objects.h"
#include "controls/slot_table.h"
#include "controls/trackbar_layout.h"
#include "i18n/text_cut.h"
#include "platform/dpi.h"

namespace {

constexpr int kClassNameUnits = 32;
constexpr UINT kSetPositionNotify = WM_USER + 34; // TBM_SETPOSNOTIFY, missing from older headers
constexpr UINT kValueFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP;
constexpr UINT kCaptionFormat = DT_WORD_ELLIPSIS | DT_NOCLIP;

SlotTable<SuTrackBarRecord> trackBarRecords;
WNDPROC baseProcedure = nullptr;
HFONT captionFont = nullptr;
HFONT glyphFont = nullptr;
RECT channelRect = {};
bool focusFlag = false;

long long SlotOf(HWND window) {
    return reinterpret_cast<INT_PTR>(GetPropW(window, kIndexProperty));
}

SuTrackBarRecord* RecordOf(HWND window) {
    return trackBarRecords.At(SlotOf(window));
}

LRESULT CallBase(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!baseProcedure)
        return DefWindowProcW(window, message, wParam, lParam);
    return CallWindowProcW(baseProcedure, window, message, wParam, lParam);
}

void CopyText(wchar_t* target, int units, const wchar_t* source) {
    const std::wstring_view text = CutText(std::wstring_view(source ? source : L""), units - 1);
    std::copy(text.begin(), text.end(), target);
    target[text.size()] = L'\0';
}

void StoreProperty(SuTrackBarRecord& record, WPARAM code, LPARAM value) {
    switch (code) {
    case STP_BKCOLOR:
        record.backgroundColour = static_cast<COLORREF>(value);
        break;
    case STP_TEXTCOLOR:
        record.textColour = static_cast<COLORREF>(value);
        break;
    case STP_ACCENTCOLOR:
        record.accentColour = static_cast<COLORREF>(value);
        break;
    case STP_STYLE:
        record.style = static_cast<uint16_t>(value);
        break;
    case STP_GLYPH:
        record.glyph[0] = static_cast<wchar_t>(value & 0xFFFF);
        record.glyph[1] = L'\0';
        break;
    case STP_CAPTION:
        CopyText(record.caption, kTrackBarCaptionUnits, reinterpret_cast<const wchar_t*>(value));
        break;
    case STP_SIGNED:
        record.signedValue = static_cast<uint8_t>(value & 0xFF);
        break;
    default:
        break;
    }
}

// Messages after which the thumb may stand elsewhere. TBM_SETPOS without redraw asks for no repaint.
bool MayMoveThumb(UINT message, WPARAM wParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_MOUSEWHEEL:
    case WM_KEYDOWN:
    case WM_TIMER:
    case WM_SIZE:
    case TBM_SETRANGE:
    case TBM_SETRANGEMIN:
    case TBM_SETRANGEMAX:
    case kSetPositionNotify:
        return true;
    case TBM_SETPOS:
        return wParam != FALSE;
    default:
        return false;
    }
}

// The trackbar invalidates only around its thumb, but the level bar runs from the thumb to the bottom:
// when the position changes the whole picture is stale.
LRESULT CallBaseRepaintingOnMove(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT before = CallBase(window, TBM_GETPOS, 0, 0);
    const LRESULT result = CallBase(window, message, wParam, lParam);
    if (IsWindow(window) && CallBase(window, TBM_GETPOS, 0, 0) != before)
        InvalidateRect(window, nullptr, FALSE);
    return result;
}

RECT ToRect(const LayoutRect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}
LayoutRect ToLayout(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

void PaintWholeTrackBar(const NMCUSTOMDRAW& nmcd, const SuTrackBarRecord& record) {
    HWND window = nmcd.hdr.hwndFrom;
    RECT client;
    GetClientRect(window, &client);
    MemorySurface surface(nmcd.hdc, client.right, client.bottom);
    if (!surface)
        return;
    HDC dc = surface.Dc();
    const int dpi = WindowDpi(window);

    TrackBarLookInput look;
    look.enabled = record.enabled != 0;
    look.focused = focusFlag;
    look.accent = record.accentColour;
    look.background = record.backgroundColour;
    look.text = record.textColour;
    look.disabledFill = record.disabledFill;
    const TrackBarPalette palette = TrackBarColours(look);
    const RECT& thumb = nmcd.rc;

    FillSolid(dc, client, palette.backgroundSolid);
    RECT inner = client;
    InflateRect(&inner, -ScaleForDpi(2, dpi), -ScaleForDpi(2, dpi));
    FillGradient(dc, inner, palette.gradientTop, palette.gradientBottom, kGradientVertical);

    const LayoutRect channel = ToLayout(channelRect);
    FrameSolid(dc, ToRect(TrackBarChannelFrame(channel, dpi)), palette.channelFrame);
    FillGradient(dc, ToRect(TrackBarLevelRect(channel, thumb.top, dpi)), palette.levelStart, palette.levelEnd,
                 (record.style & kTrackBarVerticalGradient) ? kGradientVertical : kGradientHorizontal);

    DrawTrackBarScale(dc, channelRect.top, channelRect.bottom, palette.text, dpi);

    FillRoundGradient(dc, thumb, palette.fill, palette.thumbBottom);
    FrameSolid(dc, client, palette.outline);
    if (focusFlag)
        FillRoundGradient(dc, thumb, palette.fill, kTrackBarFocusThumb);
    // Hot or pressed; CDIS_DEFAULT alone is the resting state some trackbars report for the thumb.
    if ((nmcd.uItemState & ~static_cast<UINT>(CDIS_DEFAULT)) != 0)
        FillRoundGradient(dc, thumb, palette.fill, kTrackBarHotThumb);

    SetTextColor(dc, palette.text);
    SetBkMode(dc, TRANSPARENT);
    const int position = static_cast<int>(SendMessageW(window, TBM_GETPOS, 0, 0));
    const std::wstring value = std::to_wstring(TrackBarShownValue(position, record.signedValue != 0));
    RECT valueRect = thumb;
    DrawTextW(dc, value.c_str(), -1, &valueRect, kValueFormat);

    const bool hasGlyph = record.glyph[0] != L'\0';
    {
        SelectionGuard font(dc, captionFont);
        RECT captionRect = ToRect(TrackBarCaptionRect(client.bottom, hasGlyph, dpi));
        DrawTextW(dc, record.caption, -1, &captionRect, kCaptionFormat);
    }
    if (hasGlyph) {
        SelectionGuard font(dc, glyphFont);
        RECT glyphRect = ToRect(TrackBarGlyphRect(client.bottom, dpi));
        DrawTextW(dc, record.glyph, 1, &glyphRect, kCaptionFormat);
    }

    surface.CopyTo(nmcd.hdc);
}

} // namespace

int AllocTrackBarSlot() {
    return trackBarRecords.Alloc();
}

ATOM SuperclassWindowClass(const wchar_t* baseClassName, const wchar_t* newClassName, HCURSOR cursor) {
    wchar_t baseName[kClassNameUnits] = {};
    wchar_t newName[kClassNameUnits] = {};
    CopyText(baseName, kClassNameUnits, baseClassName);
    CopyText(newName, kClassNameUnits, newClassName);

    // The common-control classes exist only once the library has been initialised.
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (!GetClassInfoExW(nullptr, baseName, &windowClass))
        return 0;
    if (cursor)
        windowClass.hCursor = cursor;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = newName;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    TrackBarProc(nullptr, 0, reinterpret_cast<WPARAM>(windowClass.lpfnWndProc), 0);
    windowClass.lpfnWndProc = TrackBarProc;
    return RegisterClassExW(&windowClass);
}

void SetTrackBarFont(HFONT font) {
    captionFont = font;
}
void SetTrackBarGlyphFont(HFONT font) {
    glyphFont = font;
}

void ApplyTrackBarSettings(HWND window, const SuTrackBarRecord& settings) {
    SuTrackBarRecord* record = trackBarRecords.At(trackBarRecords.Find(window));
    if (!record)
        return;
    record->backgroundColour = settings.backgroundColour;
    record->accentColour = settings.accentColour;
    record->textColour = settings.textColour;
    record->style = settings.style;
    CopyText(record->glyph, 2, settings.glyph);
    CopyText(record->caption, kTrackBarCaptionUnits, settings.caption);
    record->disabledFill = settings.disabledFill;
    record->signedValue = settings.signedValue;
}

bool GetTrackBarRecord(HWND window, SuTrackBarRecord* copy) {
    const SuTrackBarRecord* record = RecordOf(window);
    if (!record || !copy)
        return false;
    *copy = *record;
    return true;
}

LRESULT CALLBACK TrackBarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!window) {
        baseProcedure = reinterpret_cast<WNDPROC>(wParam);
        return 0;
    }
    switch (message) {
    case WM_CREATE: {
        if (!GetPropW(window, kIndexProperty)) {
            const int slot = AllocTrackBarSlot();
            if (slot > 0) {
                SetPropW(window, kIndexProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(slot)));
                SuTrackBarRecord& record = *trackBarRecords.At(slot);
                record = SuTrackBarRecord{};
                record.window = window;
                record.enabled = IsWindowEnabled(window) ? 1 : 0;
            }
        }
        PostMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(captionFont), TRUE);
        break;
    }
    case SUM_SETPROP: {
        SuTrackBarRecord* record = RecordOf(window);
        if (!record)
            return 0;
        StoreProperty(*record, wParam, lParam);
        // Flipping the enabled state off and on makes the trackbar repaint with the new settings.
        const BOOL enabled = IsWindowEnabled(window);
        EnableWindow(window, !enabled);
        EnableWindow(window, enabled);
        // The trackbar itself only invalidates its thumb on enable; the caption and colours cover it all.
        InvalidateRect(window, nullptr, FALSE);
        break;
    }
    case WM_ENABLE: {
        SuTrackBarRecord* record = RecordOf(window);
        if (!record)
            return 0;
        record->enabled = static_cast<uint8_t>(wParam & 0xFF);
        const LRESULT result = CallBase(window, message, wParam, lParam);
        InvalidateRect(window, nullptr, FALSE); // the whole picture changes colour, not just the thumb
        return result;
    }
    case WM_DESTROY:
        // The slot stays taken by the old handle: slots are never reused.
        RemovePropW(window, kIndexProperty);
        break;
    default:
        if (MayMoveThumb(message, wParam) && RecordOf(window))
            return CallBaseRepaintingOnMove(window, message, wParam, lParam);
        break;
    }
    return CallBase(window, message, wParam, lParam);
}

LRESULT TrackBarCustomDraw(NMCUSTOMDRAW* nmcd) {
    if (!nmcd)
        return CDRF_DODEFAULT;
    const SuTrackBarRecord* record = RecordOf(nmcd->hdr.hwndFrom);
    if (!record)
        return CDRF_DODEFAULT;

    switch (nmcd->dwDrawStage) {
    case CDDS_PREPAINT:
        if (nmcd->uItemState == CDIS_FOCUS)
            focusFlag = true;
        else if (nmcd->uItemState == 0)
            focusFlag = false;
        return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    case CDDS_ITEMPREPAINT:
        switch (nmcd->dwItemSpec) {
        case TBCD_CHANNEL:
            channelRect = nmcd->rc;
            return CDRF_SKIPDEFAULT;
        case TBCD_TICS:
            return CDRF_SKIPDEFAULT;
        case TBCD_THUMB:
            PaintWholeTrackBar(*nmcd, *record);
            return CDRF_SKIPDEFAULT;
        default:
            return 0;
        }
    default:
        return 0;
    }
}

void DrawTrackBarScale(HDC dc, int channelTop, int channelBottom, COLORREF colour, int dpi) {
    SelectionGuard pen(dc, GetStockObject(DC_PEN));
    SetDCPenColor(dc, colour);
    for (const ScaleLine& line : TrackBarScaleLines(channelTop, channelBottom, dpi)) {
        MoveToEx(dc, line.x1, line.y, nullptr);
        LineTo(dc, line.x2, line.y);
    }
}
