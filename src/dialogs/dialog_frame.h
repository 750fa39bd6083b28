// What the program's dialogs share: a modal dialog from an empty in-memory template whose controls are
// made at pixel positions, bold point-sized fonts, and the focus kept across deactivation.
#pragma once

#include <windows.h>

#include <string>

#include "controls/gdi_objects.h"

// Visible, clip siblings, caption, system menu, centred; each control gets its own font, so no DS_SETFONT.
constexpr DWORD kDialogStyle = 0x14C80850 & ~DS_SETFONT;

// Shows a modal dialog without controls; the procedure makes them in WM_INITDIALOG.
INT_PTR ShowEmptyDialog(HWND owner, DLGPROC procedure, LPARAM parameter);

// A second request for a dialog that is open: the open one (or the box it shows) comes to the front.
void BringOpenDialogForward(HWND dialog);

// Gives the dialog a client area of width × height 96-DPI pixels at the dialog's DPI, centred in the work
// area.
void SizeDialogClientArea(HWND dialog, int width, int height);

// A control at a place and size in 96-DPI pixels, scaled for the parent's DPI.
HWND CreateDialogControl(HWND parent, const wchar_t* className, const std::wstring& text, DWORD style, int x,
                         int y, int width, int height, int id, HFONT font);

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
