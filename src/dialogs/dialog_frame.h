// What the program's dialogs share: a modal dialog from an empty in-memory template whose controls are
// made at pixel positions, bold point-sized fonts, and the focus kept across deactivation.
#pragma once

#include <windows.h>

#include <string>

#include "controls/gdi_objects.h"
#include "platform/dpi_scale.h"

// Visible, clip siblings, caption, system menu, centred; each control gets its own font, so no DS_SETFONT.
constexpr DWORD kDialogStyle = 0x14C80850 & ~DS_SETFONT;

// Shows a modal dialog without controls; the procedure makes them in WM_INITDIALOG.
INT_PTR ShowEmptyDialog(HWND owner, DLGPROC procedure, LPARAM parameter);

// A second request for a dialog that is open: the open one (or the box it shows) comes to the front.
void BringOpenDialogForward(HWND dialog);

// Gives the dialog a client area of width × height 96-DPI pixels at the dialog's DPI, centred in the work
// area.
void SizeDialogClientArea(HWND dialog, int width, int height);

constexpr UINT kDpiChangedMessage = 0x02E0;       // WM_DPICHANGED
constexpr UINT kGetDpiScaledSizeMessage = 0x02E4; // WM_GETDPISCALEDSIZE

// Windows 10 1703 and later rescale a per-monitor dialog themselves on a DPI change and hand every control
// the dialog manager's font; our dialogs make their own fonts and layout, so that is turned off for the
// dialog (SetDialogDpiChangeBehavior, looked up at run time; nothing happens where it is missing).
void KeepDialogScalingOurOwn(HWND dialog);

// One control of a dialog: its window and its place in its parent's client area in 96-DPI pixels.
struct DialogControl {
    HWND window = nullptr;
    ScaledBox box;
};

// A control at box scaled for dpi, with font (none when 0), left alone by the dialog manager on DPI changes.
DialogControl CreateDialogControl(HWND parent, const wchar_t* className, const std::wstring& text,
                                  DWORD style, const ScaledBox& box, int id, HFONT font, int dpi);
// Lays the control out again at dpi: its box scaled, and font (none when 0).
void PlaceDialogControl(const DialogControl& control, HFONT font, int dpi);
// Answers WM_GETDPISCALEDSIZE for a dialog whose client area is width × height 96-DPI pixels: the frame
// for that client area at the new DPI, so the rectangle WM_DPICHANGED then suggests fits the layout exactly
// rather than the old frame scaled.
INT_PTR AnswerDpiScaledSize(HWND dialog, WPARAM wParam, LPARAM lParam, int width, int height);
// The new DPI of WM_DPICHANGED, and the dialog moved and sized to the rectangle the message suggests.
int TakeSuggestedPlace(HWND dialog, WPARAM wParam, LPARAM lParam);

// A bold font of points at dpi (0: the system DPI).
UniqueFont CreateBoldPointFont(const wchar_t* face, int points, bool underline, int dpi = 0);
// The dialog font (DEFAULT_GUI_FONT) for a window at dpi; empty when the stock font, made for the system
// DPI, already fits.
UniqueFont CreateGuiFontForDpi(int dpi);

// The control that had the focus when the dialog was deactivated gets it back on activation.
class FocusMemory {
  public:
    void OnNcActivate(WPARAM active) {
        if (!active) {
            saved_ = GetFocus();
        } else if (saved_) {
            if (IsWindow(saved_))
                SetFocus(saved_);
            saved_ = nullptr;
        }
    }
    void Forget() { saved_ = nullptr; }

  private:
    HWND saved_ = nullptr;
};
