// The About dialog: name, version and build date, a description, and links to the program's and the
// donation page.
#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <type_traits>

#include "app/app_ids.h"
#include "app/app_state.h"
#include "app/shell_utilities.h"
#include "controls/gdi_objects.h"
#include "dialogs/about_dialog.h"
#include "dialogs/dialog_frame.h"
#include "dialogs/dialogs.h"
#include "i18n/language.h"
#include "i18n/text_table.h"
#include "platform/dpi.h"
#include "platform/dpi_scale.h"
#include "platform/shell_open.h"
#include "platform/system_library.h"
#include "platform/wide.h"
#include "resources/resource_ids.h"

AboutShellOpen aboutShellOpen = OpenWithShell;

namespace {

// Texts that are never translated.
constexpr wchar_t kBuildDate[] = L"03-15-2020";
constexpr int kRuleLength = 48;

constexpr int kClientWidth = 280;
constexpr int kClientHeight = 340;
constexpr int kPictureSize = 128;
constexpr wchar_t kFontFace[] = L"Arial Unicode MS";
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kDialogTextColor = RGB(125, 125, 125);
constexpr COLORREF kLinkColor = RGB(45, 141, 195);
constexpr COLORREF kPictureColor = RGB(15, 121, 175);

struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

// The resource's image of that size, or a larger one scaled down, never a smaller one stretched
// (LoadIconWithScaleDown, common controls 6, looked up at run time); plain LoadImage where it is missing.
UniqueIcon LoadIconAtSize(const wchar_t* name, int size) {
    HMODULE module = GetModuleHandleW(nullptr);
    using Function = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);
    const auto scaleDown = LibraryFunction<Function>(GetModuleHandleW(L"comctl32.dll"), "LoadIconWithScaleDown");
    HICON icon = nullptr;
    if (scaleDown && SUCCEEDED(scaleDown(module, name, size, size, &icon)) && icon)
        return UniqueIcon(icon);
    return UniqueIcon(static_cast<HICON>(LoadImageW(module, name, IMAGE_ICON, size, size, 0)));
}

// Everything one showing of the dialog owns; released when ShowAboutDialog returns, after the dialog
// and its controls are gone.
struct AboutSession {
    UniqueFont titleFont;  // 14 pt bold
    UniqueFont textFont;   // 10 pt bold
    UniqueFont linkFont;   // 10 pt bold underlined
    UniqueFont donateFont; // 11 pt bold underlined
    UniqueBrush background;
    UniqueIcon picture;
    HCURSOR hand = nullptr; // shared resource, never destroyed
    bool destroyed = false;
};

// Remembered focus across deactivation, kept apart from the Options dialog's.
FocusMemory aboutFocus;

HWND CreateLabel(HWND dialog, const std::wstring& text, DWORD extraStyle, int x, int y, int width, int height,
                 int id, HFONT font) {
    return CreateDialogControl(dialog, L"STATIC", text, WS_CHILD | WS_VISIBLE | extraStyle, x, y, width,
                               height, id, font);
}

void CreateControls(HWND dialog, const AboutSession& session) {
    const std::wstring productLine = std::wstring(kProgramTitle) + L" " + kBuildDate;
    CreateLabel(dialog, productLine, SS_CENTER, 10, 10, 260, 40, IDC_ABOUT_PRODUCT, session.titleFont.get());
    CreateLabel(dialog, kVersionCaption, SS_CENTER, 10, 40, 260, 26, IDC_ABOUT_VERSION,
                session.textFont.get());
    CreateLabel(dialog, std::wstring(kRuleLength, L'-'), SS_CENTER, 10, 55, 260, 20, IDC_ABOUT_RULE,
                session.textFont.get());
    // A long address keeps to its one line: the middle of its path gives way to an ellipsis.
    CreateLabel(dialog, GLIMRA_PROGRAM_PAGE, SS_CENTER | SS_NOTIFY | SS_PATHELLIPSIS, 40, 75, 200, 18,
                IDC_ABOUT_PROGRAM_PAGE, session.linkFont.get());
    HWND picture =
        CreateLabel(dialog, L"", SS_ICON, 80, 110, kPictureSize, kPictureSize, IDC_ABOUT_PICTURE, nullptr);
    if (picture && session.picture)
        SendMessageW(picture, STM_SETICON, reinterpret_cast<WPARAM>(session.picture.get()), 0);
    CreateLabel(dialog, WideText(kDescPrg), SS_CENTER, 27, 252, 225, 44, IDC_ABOUT_DESCRIPTION,
                session.textFont.get());
    CreateLabel(dialog, WideText(kDescDonate), SS_CENTER | SS_NOTIFY, 27, 292, 225, 24, IDC_ABOUT_DONATE,
                session.donateFont.get());
}

// Fonts and picture for the monitor the dialog stands on, so they are made once it has its place.
void CreateScaledResources(HWND dialog, AboutSession& session) {
    const int dpi = WindowDpi(dialog);
    session.titleFont = CreateBoldPointFont(kFontFace, 14, false, dpi);
    session.textFont = CreateBoldPointFont(kFontFace, 10, false, dpi);
    session.linkFont = CreateBoldPointFont(kFontFace, 10, true, dpi);
    session.donateFont = CreateBoldPointFont(kFontFace, 11, true, dpi);
    session.picture = LoadIconAtSize(GLIMRA_WIDE(RES_ABOUT_IMAGE), ScaleForDpi(kPictureSize, dpi));
}

void InitAboutDialog(HWND dialog, AboutSession& session) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&session));
    appState.aboutDialog = dialog;
    aboutFocus.Forget();
    SetWindowTextW(dialog, WideText(kAboutDlgAboutProgram).c_str());
    SetWindowIconFromResource(dialog, L"#110", true);
    SizeDialogClientArea(dialog, kClientWidth, kClientHeight);
    CreateScaledResources(dialog, session);
    CreateControls(dialog, session);
    SetFocus(dialog);
    SetForegroundWindow(dialog);
}

AboutSession* SessionOf(HWND dialog) {
    return reinterpret_cast<AboutSession*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

bool IsLink(HWND dialog, HWND control) {
    return control && (control == GetDlgItem(dialog, IDC_ABOUT_PROGRAM_PAGE) ||
                       control == GetDlgItem(dialog, IDC_ABOUT_DONATE));
}

INT_PTR ColorStatic(HWND dialog, HDC dc, HWND control, const AboutSession& session) {
    if (IsLink(dialog, control))
        SetTextColor(dc, kLinkColor);
    else if (control == GetDlgItem(dialog, IDC_ABOUT_PICTURE))
        SetTextColor(dc, kPictureColor);
    SetBkColor(dc, kWhite);
    return reinterpret_cast<INT_PTR>(session.background.get());
}

void OpenPage(const wchar_t* address) {
    // Without a browser nothing happens and the dialog stays open; the result is not shown to the user.
    aboutShellOpen(appState.ownerWindow, L"Open", address, L"", L"", SW_SHOWNORMAL);
}

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    AboutSession* session =
        message == WM_INITDIALOG ? reinterpret_cast<AboutSession*>(lParam) : SessionOf(dialog);
    if (!session)
        return FALSE;
    switch (message) {
    case WM_INITDIALOG:
        InitAboutDialog(dialog, *session);
        return FALSE; // the focus is set already
    case WM_COMMAND:
        if (HIWORD(wParam) == STN_CLICKED && LOWORD(wParam) == IDC_ABOUT_PROGRAM_PAGE) {
            OpenPage(GLIMRA_PROGRAM_PAGE);
            return TRUE;
        }
        if (HIWORD(wParam) == STN_CLICKED && LOWORD(wParam) == IDC_ABOUT_DONATE) {
            OpenPage(GLIMRA_DONATE_PAGE);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) { // the close box and Escape
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    case WM_SETCURSOR:
        // The hand is shown over the two links only; changing the class cursor instead would put it on
        // every static control of the process, message boxes included, long after the dialog has gone.
        if (session->hand && IsLink(dialog, reinterpret_cast<HWND>(wParam))) {
            SetCursor(session->hand);
            SetWindowLongPtrW(dialog, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        return FALSE;
    case WM_CTLCOLORSTATIC:
        return ColorStatic(dialog, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), *session);
    case WM_CTLCOLORDLG:
        SetTextColor(reinterpret_cast<HDC>(wParam), kDialogTextColor);
        SetBkColor(reinterpret_cast<HDC>(wParam), kWhite);
        return reinterpret_cast<INT_PTR>(session->background.get());
    case WM_NCACTIVATE:
        aboutFocus.OnNcActivate(wParam);
        return FALSE;
    case WM_DESTROY:
        if (session->destroyed)
            return FALSE;
        session->destroyed = true;
        aboutFocus.Forget();
        appState.aboutDialog = nullptr;
        if (appState.ownerWindow)
            SetActiveWindow(appState.ownerWindow);
        EndDialog(dialog, IDCANCEL);
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

void ShowAboutDialog(HWND owner) {
    if (appState.aboutDialog) { // one copy at a time
        BringOpenDialogForward(appState.aboutDialog);
        return;
    }
    LoadLanguageSection(u"[ABOUTDLG]", CurrentLanguageFilePath());

    AboutSession session;
    session.background.reset(CreateSolidBrush(kWhite));
    session.hand = LoadCursorW(GetModuleHandleW(nullptr), GLIMRA_WIDE(RES_HAND_CURSOR));

    ShowEmptyDialog(owner, AboutDialogProc, reinterpret_cast<LPARAM>(&session));
}
