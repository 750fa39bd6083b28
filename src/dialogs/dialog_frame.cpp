#include "dialogs/dialog_frame.h"

#include <array>

#include "platform/dpi.h"
#include "platform/dpi_scale.h"
#include "platform/system_library.h"

INT_PTR ShowEmptyDialog(HWND owner, DLGPROC procedure, LPARAM parameter) {
    // An empty template: no menu, the dialog class, no title, no controls.
    alignas(DWORD) std::array<WORD, 16> buffer = {};
    auto* dialogTemplate = reinterpret_cast<DLGTEMPLATE*>(buffer.data());
    dialogTemplate->style = kDialogStyle;
    return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate, owner, procedure, parameter);
}

void BringOpenDialogForward(HWND dialog) {
    SetForegroundWindow(GetLastActivePopup(dialog));
}

void SizeDialogClientArea(HWND dialog, int width, int height) {
    RECT workArea = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    // The dialog is made on its owner's monitor, which may have another scale than the work area's: it
    // moves there first, so the DPI it is sized for is the one it will show at.
    SetWindowPos(dialog, nullptr, (workArea.left + workArea.right) / 2, (workArea.top + workArea.bottom) / 2,
                 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const int dpi = WindowDpi(dialog);
    const RECT frame = FrameForClient(ScaleForDpi(width, dpi), ScaleForDpi(height, dpi),
                                      static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE)),
                                      static_cast<DWORD>(GetWindowLongW(dialog, GWL_EXSTYLE)), dpi);
    const int frameWidth = frame.right - frame.left;
    const int frameHeight = frame.bottom - frame.top;
    const int x = workArea.left + (workArea.right - workArea.left - frameWidth) / 2;
    const int y = workArea.top + (workArea.bottom - workArea.top - frameHeight) / 2;
    SetWindowPos(dialog, nullptr, x, y, frameWidth, frameHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

void KeepDialogScalingOurOwn(HWND dialog) {
    constexpr int kDisableAll = 1; // DDC_DISABLE_ALL
    using Function = BOOL(WINAPI*)(HWND, int, int);
    static const auto function =
        LibraryFunction<Function>(GetModuleHandleW(L"user32.dll"), "SetDialogDpiChangeBehavior");
    if (function)
        function(dialog, kDisableAll, kDisableAll);
}

DialogControl CreateDialogControl(HWND parent, const wchar_t* className, const std::wstring& text,
                                  DWORD style, const ScaledBox& box, int id, HFONT font, int dpi) {
    const ScaledBox scaled = ScaleBox(box, dpi);
    HWND control = CreateWindowExW(0, className, text.c_str(), style, scaled.x, scaled.y, scaled.width,
                                   scaled.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleW(nullptr), nullptr);
    if (!control)
        return {};
    if (font)
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // The dialog-wide setting leaves the controls' own to this one: no font and no place of the manager's.
    constexpr int kNoFontUpdateNoRelayout = 3; // DCDC_DISABLE_FONT_UPDATE | DCDC_DISABLE_RELAYOUT
    using Function = BOOL(WINAPI*)(HWND, int, int);
    static const auto keepOwn =
        LibraryFunction<Function>(GetModuleHandleW(L"user32.dll"), "SetDialogControlDpiChangeBehavior");
    if (keepOwn)
        keepOwn(control, kNoFontUpdateNoRelayout, kNoFontUpdateNoRelayout);
    return {control, box};
}

void PlaceDialogControl(const DialogControl& control, HFONT font, int dpi) {
    if (!control.window)
        return;
    const ScaledBox scaled = ScaleBox(control.box, dpi);
    SetWindowPos(control.window, nullptr, scaled.x, scaled.y, scaled.width, scaled.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (font)
        SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

INT_PTR AnswerDpiScaledSize(HWND dialog, WPARAM wParam, LPARAM lParam, int width, int height) {
    auto* size = reinterpret_cast<SIZE*>(lParam);
    const int dpi = static_cast<int>(wParam);
    if (!size || dpi <= 0)
        return FALSE;
    const RECT frame = FrameForClient(ScaleForDpi(width, dpi), ScaleForDpi(height, dpi),
                                      static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE)),
                                      static_cast<DWORD>(GetWindowLongW(dialog, GWL_EXSTYLE)), dpi);
    size->cx = frame.right - frame.left;
    size->cy = frame.bottom - frame.top;
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, TRUE);
    return TRUE;
}

int TakeSuggestedPlace(HWND dialog, WPARAM wParam, LPARAM lParam) {
    if (const auto* suggested = reinterpret_cast<const RECT*>(lParam))
        SetWindowPos(dialog, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 0); // handled
    return HIWORD(wParam);
}

UniqueFont CreateBoldPointFont(const wchar_t* face, int points, bool underline, int dpi) {
    const int height = -MulDiv(points, dpi > 0 ? dpi : SystemDpi(), 72);
    return UniqueFont(CreateFontW(height, 0, 0, 0, FW_BOLD, FALSE, underline ? TRUE : FALSE, FALSE,
                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_DONTCARE, face));
}

UniqueFont CreateGuiFontForDpi(int dpi) {
    const int system = SystemDpi();
    if (dpi == system)
        return {};
    LOGFONTW font{};
    if (!GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font))
        return {};
    font.lfHeight = MulDiv(font.lfHeight, dpi, system);
    return UniqueFont(CreateFontIndirectW(&font));
}
