#include "controls/drawing.h"

#include <commctrl.h>

#include "platform/dpi.h"
#include "platform/dpi_scale.h"

namespace {

constexpr DWORD kToolTipStyle = WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP;
constexpr UINT kToolFlags = 0x53; // TTF_IDISHWND | TTF_CENTERTIP | TTF_SUBCLASS and 0x40
constexpr int kMaxTipWidth = 260;
constexpr int kInitialDelayMs = 700;
constexpr int kAutoPopDelayMs = 3000;
constexpr int kReshowDelayMs = 800;

HWND toolTipWindow = nullptr;
HINSTANCE toolTipInstance = nullptr;
TOOLINFOW toolInfo = {};

void CreateToolTipWindow(HWND owner) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFF};
    InitCommonControlsEx(&controls);
    toolTipInstance = GetModuleHandleW(nullptr);
    toolTipWindow =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, L"", kToolTipStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, toolTipInstance, nullptr);
    if (!toolTipWindow)
        return; // the next call tries again
    SendMessageW(toolTipWindow, TTM_SETMAXTIPWIDTH, 0, ScaleForWindow(kMaxTipWidth, owner));
    SetWindowPos(toolTipWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    SendMessageW(toolTipWindow, TTM_SETDELAYTIME, TTDT_INITIAL, kInitialDelayMs);
    SendMessageW(toolTipWindow, TTM_SETDELAYTIME, TTDT_AUTOPOP, kAutoPopDelayMs);
    SendMessageW(toolTipWindow, TTM_SETDELAYTIME, TTDT_RESHOW, kReshowDelayMs);
    toolInfo = {};
    // The version-2 size is accepted by the tooltip control of every common-controls version.
    toolInfo.cbSize = TTTOOLINFOW_V2_SIZE;
    toolInfo.uFlags = kToolFlags;
    toolInfo.hinst = toolTipInstance;
}

} // namespace

void AddToolTip(HWND owner, HWND tool, const wchar_t* text) {
    if (toolTipWindow && !IsWindow(toolTipWindow))
        toolTipWindow = nullptr; // went with its owner; a later first call makes a new one
    if (!toolTipWindow) {
        CreateToolTipWindow(owner);
        return;
    }
    if (!tool)
        return;
    toolInfo.hwnd = tool;
    toolInfo.uId = reinterpret_cast<UINT_PTR>(tool);
    toolInfo.lpszText = const_cast<wchar_t*>(text ? text : L"");
    SendMessageW(toolTipWindow, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&toolInfo));
    SendMessageW(toolTipWindow, TTM_ACTIVATE, TRUE, 0);
}

void SetDisabledControlTip(HWND control, const wchar_t* text) {
    HWND parent = control ? GetParent(control) : nullptr;
    if (!parent)
        return;
    if (toolTipWindow && !IsWindow(toolTipWindow))
        toolTipWindow = nullptr;
    if (!toolTipWindow) {
        if (!text)
            return;
        CreateToolTipWindow(parent);
        if (!toolTipWindow)
            return;
    }
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = parent;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    // Deleted and added again, so the text and the rectangle are both the present ones.
    SendMessageW(toolTipWindow, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    if (!text)
        return;
    tool.uFlags = TTF_SUBCLASS;
    tool.hinst = toolTipInstance;
    GetWindowRect(control, &tool.rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&tool.rect), 2);
    tool.lpszText = const_cast<wchar_t*>(text);
    SendMessageW(toolTipWindow, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(toolTipWindow, TTM_ACTIVATE, TRUE, 0);
}

HWND ToolTipWindow() {
    return toolTipWindow;
}

void ScaleToolTip(int dpi) {
    if (toolTipWindow && IsWindow(toolTipWindow))
        SendMessageW(toolTipWindow, TTM_SETMAXTIPWIDTH, 0, ScaleForDpi(kMaxTipWidth, dpi));
}
