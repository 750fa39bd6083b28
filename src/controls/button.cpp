#include "controls/button.h"

#include <algorithm>
#include <cwchar>

#include "controls/drawing.h"
#include "controls/gdi_objects.h"
#include "controls/slot_table.h"
#include "i18n/text_cut.h"
#include "platform/dpi.h"
#include "platform/dpi_scale.h"

namespace {

constexpr int kClassNameUnits = 32;
constexpr LONG kForcedButtonType = 0x0D;
constexpr UINT kGlyphFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP;
constexpr UINT kTextFormat = DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS | DT_NOCLIP;
constexpr uint16_t kPressedShift = 2;

struct ButtonClass {
    wchar_t name[kClassNameUnits] = {};
    WNDPROC baseProcedure = nullptr;
    COLORREF defaultFace = 0;
    COLORREF defaultText = 0;
    uint16_t defaultAlignment = 0;
    HFONT textFont = nullptr;   // the class's own: released with the last button
    HFONT glyphFontA = nullptr; // borrowed from the owner
    HFONT glyphFontB = nullptr;
    SIZE glyphSizeA = {};
    SIZE glyphSizeB = {};
    HIMAGELIST imageList = nullptr; // the class's own: released with the last button
    int iconWidth = 0;
    int iconHeight = 0;
    HWND trackingWindow = nullptr; // the one button that asked for WM_MOUSELEAVE; 0 when none
    int liveButtons = 0;
};

ButtonClass buttonClass;
SlotTable<SuButtonRecord> buttonRecords;

SuButtonRecord* RecordOf(HWND window) {
    return buttonRecords.At(reinterpret_cast<INT_PTR>(GetPropW(window, kIndexProperty)));
}

LRESULT CallBase(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!buttonClass.baseProcedure)
        return DefWindowProcW(window, message, wParam, lParam);
    return CallWindowProcW(buttonClass.baseProcedure, window, message, wParam, lParam);
}

void Invalidate(HWND window) {
    InvalidateRect(window, nullptr, TRUE);
}

bool IsHot(HWND window) {
    return reinterpret_cast<INT_PTR>(GetPropW(window, kHotProperty)) == 1;
}

void SendClick(HWND window) {
    SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED), 0);
}

void ReleaseSharedObjects() {
    if (buttonClass.imageList) {
        ImageList_Destroy(buttonClass.imageList);
        buttonClass.imageList = nullptr;
    }
    if (buttonClass.textFont) {
        DeleteObject(buttonClass.textFont);
        buttonClass.textFont = nullptr;
    }
    // The glyph fonts belong to the owner; forget them without deleting.
    buttonClass.glyphFontA = nullptr;
    buttonClass.glyphFontB = nullptr;
}

SIZE AmpersandSize(HFONT font) {
    SIZE size{};
    if (!font)
        return size;
    HDC screen = GetDC(nullptr);
    {
        SelectionGuard keep(screen, font);
        GetTextExtentPoint32W(screen, L"&", 1, &size);
    }
    ReleaseDC(nullptr, screen);
    return size;
}

UINT AlignmentFromStyle(LONG style) {
    if ((style & BS_CENTER) == BS_CENTER)
        return DT_CENTER;
    if (style & BS_RIGHT)
        return DT_RIGHT;
    return DT_LEFT;
}

void DrawButtonText(HDC dc, HWND window, const SuButtonRecord& record, RECT rect) {
    SelectionGuard font(dc, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
    DrawTextW(dc, record.text, -1, &rect, kTextFormat | record.format);
}

void PaintButton(HWND window, HDC target) {
    const SuButtonRecord* found = RecordOf(window);
    if (!found || !target)
        return;
    const SuButtonRecord record = *found; // painting sends messages; work on a copy
    RECT client;
    GetClientRect(window, &client);
    MemorySurface surface(target, client.right, client.bottom);
    if (!surface)
        return;
    HDC dc = surface.Dc();
    // Insets and offsets are 96-DPI pixels, scaled for the monitor the button is on.
    const int dpi = WindowDpi(window);
    auto scale = [dpi](int value) { return ScaleForDpi(value, dpi); };

    ButtonLookInput look;
    look.enabled = record.enabled != 0;
    look.pressed = record.pressed != 0;
    look.hot = IsHot(window);
    look.state = record.state;
    look.fade = record.fade;
    look.faceColour = record.faceColour;
    look.textColour = record.textColour;
    look.hotColour = record.hotColour;
    look.disabledColour = record.disabledColour;
    const ButtonColours colours = ButtonLook(look);

    FillSolid(dc, client, colours.face);
    if (record.state & kButtonNormalLook) {
        FrameSolid(dc, client, colours.border);
    } else if (record.state & kButtonDisabledLook) {
        RECT border = client;
        border.bottom += record.state; // the bottom edge falls outside
        FrameSolid(dc, border, colours.border);
    }
    if (record.focused) {
        RECT line = client; // only the top edge stays inside
        line.left -= scale(4);
        line.right += scale(4);
        line.bottom += scale(4);
        FrameSolid(dc, line, colours.focusLine);
    }

    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colours.text);
    RECT textRect = client;
    textRect.top += scale(record.pressed);
    textRect.right -= scale(10);

    if (buttonClass.imageList && record.image != -1) {
        const int iconX = std::max<int>(scale(8), textRect.right / 20 + textRect.left);
        const int iconY = (client.bottom - buttonClass.iconHeight) / 2 + textRect.top;
        UINT style = ILD_TRANSPARENT;
        if (!record.enabled && record.state == kButtonNormalLook)
            style |= ILD_BLEND50;
        ImageList_DrawEx(buttonClass.imageList, record.image, dc, iconX, iconY, 0, 0, CLR_NONE, CLR_NONE,
                         style);
        textRect.left = textRect.left + scale(8) + buttonClass.iconWidth + iconX;
        DrawButtonText(dc, window, record, textRect);
    } else if (record.glyph[0] != L'\0') {
        const bool useB = (record.state & kButtonGlyphFontB) != 0;
        HFONT glyphFont = useB ? buttonClass.glyphFontB : buttonClass.glyphFontA;
        const SIZE ampersand = useB ? buttonClass.glyphSizeB : buttonClass.glyphSizeA;
        const int textLeft = glyphFont ? client.bottom / 2 + ampersand.cx - scale(2) : 0;
        const int height = client.bottom - client.top;
        {
            SelectionGuard font(dc, glyphFont);
            RECT shadow{scale(8), scale(5), height, height};
            SetTextColor(dc, colours.glyphShadow);
            DrawTextW(dc, record.glyph, 1, &shadow, kGlyphFormat);
            RECT glyph{scale(4), scale(1), height, height};
            SetTextColor(dc, colours.text);
            DrawTextW(dc, record.glyph, 1, &glyph, kGlyphFormat);
        }
        if (record.text[0] != L'\0') {
            RECT rest = client;
            rest.left = textLeft;
            DrawButtonText(dc, window, record, rest);
        }
    } else {
        textRect.left += scale(10);
        DrawButtonText(dc, window, record, textRect);
    }

    surface.CopyTo(target);
}

void StoreProperty(HWND window, SuButtonRecord& record, WPARAM code, LPARAM value) {
    switch (code) {
    case SBP_IMAGE:
        record.image = static_cast<int16_t>(value & 0xFFFF);
        break;
    case SBP_BKCOLOR:
        record.faceColour = static_cast<COLORREF>(value);
        break;
    case SBP_FORMAT:
        record.format = static_cast<uint32_t>(value);
        break;
    case SBP_TEXTCOLOR:
        record.textColour = static_cast<COLORREF>(value);
        break;
    case SBP_HOTCOLOR:
        record.hotColour = static_cast<COLORREF>(value);
        break;
    case SBP_DISABLEDCOLOR:
        record.disabledColour = static_cast<COLORREF>(value);
        break;
    case SBP_GLYPH:
        record.glyph[0] = static_cast<wchar_t>(value & 0xFFFF);
        record.glyph[1] = L'\0';
        break;
    case SBP_STATE: {
        const uint16_t state = static_cast<uint16_t>(value & 0xFFFF);
        record.state = state;
        if (state & kButtonNormalLook)
            break;
        if (state & kButtonNotifyOnPress) {
            record.state = state | kButtonNormalLook;
            EnableWindow(window, TRUE);
        } else if (state & kButtonDisabledLook) {
            EnableWindow(window, FALSE);
            PostMessageW(GetParent(window), WM_NEXTDLGCTL, 0, 0); // the focus moves on
        }
        break;
    }
    default:
        break;
    }
}

LRESULT PropertyValue(const SuButtonRecord& record, WPARAM code) {
    switch (code) {
    case SBP_IMAGE:
        return record.image;
    case SBP_BKCOLOR:
        return record.faceColour;
    case SBP_FORMAT:
        return record.format;
    case SBP_TEXTCOLOR:
        return record.textColour;
    case SBP_HOTCOLOR:
        return record.hotColour;
    case SBP_STATE:
        return static_cast<int16_t>(record.state);
    case SBP_DISABLEDCOLOR:
        return record.disabledColour;
    case SBP_GLYPH:
        return static_cast<uint16_t>(record.glyph[0]);
    default:
        return 0;
    }
}

void OnCreate(HWND window) {
    LONG style = GetWindowLongW(window, GWL_STYLE);
    if ((style & kForcedButtonType) != kForcedButtonType)
        style |= kForcedButtonType;
    style |= WS_TABSTOP;
    SetWindowLongW(window, GWL_STYLE, style);
    const UINT alignment =
        buttonClass.defaultAlignment ? buttonClass.defaultAlignment : AlignmentFromStyle(style);
    PostMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(buttonClass.textFont), TRUE);
    ++buttonClass.liveButtons;

    if (GetPropW(window, kIndexProperty))
        return;
    const int slot = AllocButtonSlot();
    if (slot <= 0)
        return;
    SetPropW(window, kIndexProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(slot)));
    SuButtonRecord fresh;
    fresh.window = window;
    fresh.enabled = IsWindowEnabled(window) ? 1 : 0;
    fresh.format = DT_SINGLELINE | DT_VCENTER | alignment;
    fresh.faceColour = buttonClass.defaultFace;
    fresh.textColour = buttonClass.defaultText;
    SendMessageW(window, WM_GETTEXT, kButtonTextUnits, reinterpret_cast<LPARAM>(fresh.text));
    fresh.text[kButtonTextUnits - 1] = L'\0';
    // WM_GETTEXT cuts a long text anywhere; a lone half of a surrogate pair would draw as a box.
    const std::size_t length = wcslen(fresh.text);
    if (length == kButtonTextUnits - 1 && IsHighSurrogate(fresh.text[length - 1]))
        fresh.text[length - 1] = L'\0';
    *buttonRecords.At(slot) = fresh;
}

void StartFade(HWND window, SuButtonRecord& record) {
    if (!record.timerRunning && SetTimer(window, IDT_BUTTONFADE, kButtonFadeIntervalMs, nullptr))
        record.timerRunning = 1;
}

void OnFadeTick(HWND window) {
    SuButtonRecord* record = RecordOf(window);
    if (!record)
        return;
    const bool hot = IsHot(window);
    record->fade = NextButtonFade(record->fade, hot);
    // The timer runs only while the face changes: a pointer resting on a full highlight wakes nothing.
    const bool settled = hot ? record->fade == kButtonFadeMax : record->fade == 0;
    if (settled && KillTimer(window, IDT_BUTTONFADE))
        record->timerRunning = 0;
    if (record->fade != kButtonFadeMax)
        Invalidate(window);
}

void OnMouseMove(HWND window) {
    if (buttonClass.trackingWindow)
        return;
    buttonClass.trackingWindow = window;
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
    TrackMouseEvent(&track);
    SetPropW(window, kHotProperty, reinterpret_cast<HANDLE>(1));
    if (SuButtonRecord* record = RecordOf(window))
        StartFade(window, *record);
    Invalidate(window);
}

void OnDestroy(HWND window) {
    RemovePropW(window, kIndexProperty);
    RemovePropW(window, kHotProperty);
    // A button that goes while tracking never gets WM_MOUSELEAVE; without this no button would light again.
    if (buttonClass.trackingWindow == window)
        buttonClass.trackingWindow = nullptr;
    if (--buttonClass.liveButtons > 0)
        return;
    buttonClass.liveButtons = 0;
    // Released with the last button, so no button ever paints with a deleted font.
    ReleaseSharedObjects();
    // Fails silently while a window of the class still exists (this one does until WM_NCDESTROY).
    UnregisterClassW(buttonClass.name, GetModuleHandleW(nullptr));
}

} // namespace

int AllocButtonSlot() {
    return buttonRecords.Alloc();
}

ATOM RegisterButtonClass(const wchar_t* className, HCURSOR cursor, COLORREF faceColour, COLORREF textColour,
                         uint16_t alignment, HFONT textFont, HFONT glyphFontA, HFONT glyphFontB,
                         HIMAGELIST imageList) {
    if (!className || className[0] == L'\0')
        return 0;
    HINSTANCE module = GetModuleHandleW(nullptr);
    if (buttonClass.liveButtons == 0) {
        // A class left registered by buttons that are all gone is registered afresh.
        ReleaseSharedObjects();
        if (buttonClass.name[0] != L'\0')
            UnregisterClassW(buttonClass.name, module);
    }

    buttonClass.defaultFace = faceColour ? faceColour : GetSysColor(COLOR_BTNFACE);
    if (imageList) {
        buttonClass.imageList = imageList;
        ImageList_GetIconSize(imageList, &buttonClass.iconWidth, &buttonClass.iconHeight);
    }
    buttonClass.defaultAlignment = alignment;
    buttonClass.defaultText = textColour;

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    ATOM atom = 0;
    wchar_t name[kClassNameUnits] = {};
    wcsncpy(name, className, kClassNameUnits - 1);
    if (GetClassInfoExW(nullptr, L"BUTTON", &windowClass)) {
        if (cursor)
            windowClass.hCursor = cursor;
        windowClass.lpszClassName = name;
        windowClass.hInstance = module;
        ButtonProc(nullptr, 0, reinterpret_cast<WPARAM>(windowClass.lpfnWndProc), 0);
        windowClass.lpfnWndProc = ButtonProc;
        atom = RegisterClassExW(&windowClass);
    }
    wcsncpy(buttonClass.name, name, kClassNameUnits);

    buttonClass.textFont =
        textFont ? textFont
                 : CreateFontW(16, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, PROOF_QUALITY, 0, L"Tahoma");
    buttonClass.glyphFontA = glyphFontA;
    buttonClass.glyphSizeA = AmpersandSize(glyphFontA);
    buttonClass.glyphFontB = glyphFontB;
    buttonClass.glyphSizeB = AmpersandSize(glyphFontB);
    return atom;
}

void SetButtonClassFonts(HFONT textFont, HFONT glyphFontA) {
    if (textFont) {
        if (buttonClass.textFont && buttonClass.textFont != textFont)
            DeleteObject(buttonClass.textFont);
        buttonClass.textFont = textFont;
    }
    buttonClass.glyphFontA = glyphFontA;
    buttonClass.glyphSizeA = AmpersandSize(glyphFontA);
}

bool GetButtonRecord(HWND window, SuButtonRecord* copy) {
    const SuButtonRecord* record = RecordOf(window);
    if (!record || !copy)
        return false;
    *copy = *record;
    return true;
}

LRESULT CALLBACK ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!window) {
        buttonClass.baseProcedure = reinterpret_cast<WNDPROC>(wParam);
        return 0;
    }
    switch (message) {
    case WM_CREATE:
        OnCreate(window);
        break;
    case WM_TIMER:
        if (wParam != IDT_BUTTONFADE)
            return 0;
        OnFadeTick(window);
        return 1;
    case SUM_GETPROP: {
        const SuButtonRecord* record = RecordOf(window);
        return record ? PropertyValue(*record, wParam) : 0;
    }
    case SUM_SETPROP: {
        SuButtonRecord* record = RecordOf(window);
        if (!record)
            return 0;
        StoreProperty(window, *record, wParam, lParam);
        Invalidate(window);
        return 1;
    }
    case WM_SETFOCUS: {
        SuButtonRecord* record = RecordOf(window);
        if (!record || !record->enabled)
            return 0;
        record->focused = 1;
        Invalidate(window);
        break;
    }
    case WM_KILLFOCUS: {
        SuButtonRecord* record = RecordOf(window);
        if (!record)
            return 0;
        record->focused = 0;
        record->pressed = 0;
        Invalidate(window);
        break;
    }
    case WM_KEYDOWN: {
        if (wParam != VK_SPACE)
            break;
        SuButtonRecord* record = RecordOf(window);
        if (!record)
            return 0;
        record->pressed = kPressedShift;
        if (record->state & kButtonNotifyOnPress)
            SendClick(window);
        Invalidate(window);
        break;
    }
    case WM_KEYUP: {
        if (wParam != VK_SPACE)
            break;
        SuButtonRecord* record = RecordOf(window);
        if (!record)
            return 0;
        record->pressed = 0;
        Invalidate(window);
        break; // the base button sends its own BN_CLICKED on the space key's release
    }
    case WM_LBUTTONDOWN: {
        if (!RecordOf(window))
            return 0;
        SetCapture(window);
        SetFocus(window);
        SuButtonRecord* record = RecordOf(window);
        if (record && (record->state & kButtonNotifyOnPress))
            SendClick(window);
        if ((record = RecordOf(window)) != nullptr) // the parent may have made new buttons meanwhile
            record->pressed = kPressedShift;
        Invalidate(window);
        break;
    }
    case WM_LBUTTONDBLCLK:
        // The second press of a double click counts as a press of its own.
        mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
        return 1;
    case WM_LBUTTONUP: {
        ReleaseCapture();
        SuButtonRecord* record = RecordOf(window);
        if (!record)
            return 0;
        record->fade = 2;
        record->pressed = 0;
        StartFade(window, *record); // the highlight rises again after a click
        Invalidate(window);
        RECT client;
        GetClientRect(window, &client);
        const POINT point{LOWORD(lParam), HIWORD(lParam)}; // unsigned: left of or above the button is outside
        if (PtInRect(&client, point) && record->focused)
            SendClick(window);
        return 1;
    }
    case WM_ENABLE: {
        SuButtonRecord* record = RecordOf(window);
        if (!record)
            return 0;
        record->enabled = wParam ? 1 : 0;
        Invalidate(window);
        return 0;
    }
    case WM_MOUSEMOVE:
        OnMouseMove(window);
        return 1;
    case WM_MOUSELEAVE:
        buttonClass.trackingWindow = nullptr;
        SetPropW(window, kHotProperty, reinterpret_cast<HANDLE>(0));
        if (SuButtonRecord* record = RecordOf(window); record && record->fade != 0)
            StartFade(window, *record);
        Invalidate(window);
        return 1;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        PaintButton(window, dc);
        EndPaint(window, &paint);
        return 1;
    }
    case WM_PRINTCLIENT:
        // Printing shows the same picture as the screen, not the base button's.
        PaintButton(window, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_DESTROY:
        OnDestroy(window);
        break;
    default:
        break;
    }
    return CallBase(window, message, wParam, lParam);
}
