#include "dialogs/dialog_frame.h"

#include <array>

#include "platform/dpi.h"
#include "platform/dpi_scale.h"

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

HWND CreateDialogControl(HWND parent, const wchar_t* className, const std::wstring& text, DWORD style, int x,
                         int y, int width, int height, int id, HFONT font) {
    const int dpi = WindowDpi(parent);
    const ScaledBox box = ScaleBox({x, y, width, height}, dpi);
    HWND control = CreateWindowExW(0, className, text.c_str(), style, box.x, box.y, box.width, box.height,
                                   parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleW(nullptr), nullptr);
    if (control && font)
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
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
