// The About dialog: name, version and build date, a description, and links to the program's and the
// donation page.
#include <windows.h>
#include <shellapi.h>

#include <iterator>
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

enum class LabelFont { kTitle, kText, kLink, kDonate, kNone };

// The labels at 96 DPI, in the order they are made.
struct LabelLayout {
    int id;
    DWORD style;
    ScaledBox box;
    LabelFont font;
};
constexpr LabelLayout kLabels[] = {
    {IDC_ABOUT_PRODUCT, SS_CENTER, {10, 10, 260, 40}, LabelFont::kTitle},
    {IDC_ABOUT_VERSION, SS_CENTER, {10, 40, 260, 26}, LabelFont::kText},
    {IDC_ABOUT_RULE, SS_CENTER, {10, 55, 260, 20}, LabelFont::kText},
    // A long address keeps to its one line: the middle of its path gives way to an ellipsis.
    {IDC_ABOUT_PROGRAM_PAGE, SS_CENTER | SS_NOTIFY | SS_PATHELLIPSIS, {40, 75, 200, 18}, LabelFont::kLink},
    {IDC_ABOUT_PICTURE, SS_ICON, {80, 110, kPictureSize, kPictureSize}, LabelFont::kNone},
    {IDC_ABOUT_DESCRIPTION, SS_CENTER, {27, 252, 225, 44}, LabelFont::kText},
    {IDC_ABOUT_DONATE, SS_CENTER | SS_NOTIFY, {27, 292, 225, 24}, LabelFont::kDonate},
};
// What is made for one DPI: the four fonts and the picture.
struct ScaledResources {
    UniqueFont title;  // 14 pt bold
    UniqueFont text;   // 10 pt bold
    UniqueFont link;   // 10 pt bold underlined
    UniqueFont donate; // 11 pt bold underlined
    UniqueIcon picture;
};

// Everything one showing of the dialog owns; released when ShowAboutDialog returns, after the dialog
// and its controls are gone.
struct AboutSession {
    ScaledResources scaled;
    UniqueBrush background;
    HCURSOR hand = nullptr; // shared resource, never destroyed
    DialogControl controls[std::size(kLabels)];
    bool destroyed = false;
};

// Remembered focus across deactivation, kept apart from the Options dialog's.
FocusMemory aboutFocus;

HFONT FontOf(const ScaledResources& scaled, LabelFont font) {
    switch (font) {
    case LabelFont::kTitle:
        return scaled.title.get();
    case LabelFont::kText:
        return scaled.text.get();
    case LabelFont::kLink:
        return scaled.link.get();
    case LabelFont::kDonate:
        return scaled.donate.get();
    default:
        return nullptr;
    }
}

std::wstring LabelText(int id) {
    switch (id) {
    case IDC_ABOUT_PRODUCT:
        return std::wstring(kProgramTitle) + L" " + kBuildDate;
    case IDC_ABOUT_VERSION:
        return kVersionCaption;
    case IDC_ABOUT_RULE:
        return std::wstring(kRuleLength, L'-');
    case IDC_ABOUT_PROGRAM_PAGE:
        return GLIMRA_PROGRAM_PAGE;
    case IDC_ABOUT_DESCRIPTION:
        return WideText(kDescPrg);
    case IDC_ABOUT_DONATE:
        return WideText(kDescDonate);
    default:
        return {};
    }
}

// The labels at dpi, with fonts and picture made for it; the ones they replace are released once the labels
// hold the new ones.
void LayOutAtDpi(HWND dialog, AboutSession& session, int dpi) {
    ScaledResources scaled;
    scaled.title = CreateBoldPointFont(kFontFace, 14, false, dpi);
    scaled.text = CreateBoldPointFont(kFontFace, 10, false, dpi);
    scaled.link = CreateBoldPointFont(kFontFace, 10, true, dpi);
    scaled.donate = CreateBoldPointFont(kFontFace, 11, true, dpi);
    scaled.picture.reset(LoadIconScaledDown(GLIMRA_WIDE(RES_ABOUT_IMAGE), ScaleForDpi(kPictureSize, dpi)));
    for (std::size_t i = 0; i < std::size(kLabels); ++i)
        PlaceDialogControl(session.controls[i], FontOf(scaled, kLabels[i].font), dpi);
    HWND picture = GetDlgItem(dialog, IDC_ABOUT_PICTURE);
    if (picture && scaled.picture)
        SendMessageW(picture, STM_SETICON, reinterpret_cast<WPARAM>(scaled.picture.get()), 0);
    else
        scaled.picture = std::move(session.scaled.picture); // the picture shown stays alive while shown
    session.scaled = std::move(scaled);
}

// The labels are made once the dialog has its place, so their scale is the one of the monitor it shows on.
void CreateControls(HWND dialog, AboutSession& session) {
    const int dpi = WindowDpi(dialog);
    for (std::size_t i = 0; i < std::size(kLabels); ++i) {
        const LabelLayout& label = kLabels[i];
        session.controls[i] =
            CreateDialogControl(dialog, L"STATIC", LabelText(label.id), WS_CHILD | WS_VISIBLE | label.style,
                                label.box, label.id, nullptr, dpi);
    }
    LayOutAtDpi(dialog, session, dpi);
}

void InitAboutDialog(HWND dialog, AboutSession& session) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&session));
    appState.aboutDialog = dialog;
    aboutFocus.Forget();
    KeepDialogScalingOurOwn(dialog);
    SetWindowTextW(dialog, WideText(kAboutDlgAboutProgram).c_str());
    SetWindowIconFromResource(dialog, L"#110", true);
    SizeDialogClientArea(dialog, kClientWidth, kClientHeight);
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
    case kGetDpiScaledSizeMessage:
        return AnswerDpiScaledSize(dialog, wParam, lParam, kClientWidth, kClientHeight);
    case kDpiChangedMessage:
        LayOutAtDpi(dialog, *session, TakeSuggestedPlace(dialog, wParam, lParam));
        return TRUE;
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
