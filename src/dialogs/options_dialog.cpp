// The Options dialog: language, start with the system and the no-blocking mode of monitor control.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>

#include "app/app_state.h"
#include "app/message_boxes.h"
#include "app/notifications.h"
#include "app/program_folder.h"
#include "app/shell_utilities.h"
#include "dialogs/autostart.h"
#include "dialogs/dialog_frame.h"
#include "dialogs/dialogs.h"
#include "i18n/language.h"
#include "i18n/language_list_combo.h"
#include "i18n/text_table.h"
#include "monitor/monitor_control.h"
#include "monitor/settings_records.h"
#include "platform/dpi.h"
#include "platform/shell_open.h"
#include "platform/wide.h"

OptionsQuestionBox optionsQuestionBox = IconMessageBox;
RestartShellOpen restartShellOpen = OpenWithShell;

namespace {

constexpr int kClientWidth = 294;
constexpr int kClientHeight = 340;
constexpr DWORD kComboStyle = 0x56210047;
// The multi-line no-blocking box, created disabled; BS_AUTOCHECKBOX makes it a check box that can be ticked.
constexpr DWORD kNoBlockingStyle = 0x58016500 | BS_AUTOCHECKBOX;
constexpr int kFramePointSize = 10;
constexpr int kProgramIconId = 124;
constexpr UINT kRestartQuestionStyle = MB_YESNO | MB_TOPMOST; // 0x40004
constexpr wchar_t kRestartScript[] = L"AppRestart.vbs";

struct OptionsDialogState {
    UniqueFont frameFont;
    UniqueFont guiFont; // empty when the stock dialog font fits the dialog's DPI
    FocusMemory focus;
};
OptionsDialogState dialogState;

void CreateControls(HWND dialog) {
    const int dpi = WindowDpi(dialog);
    dialogState.guiFont = CreateGuiFontForDpi(dpi);
    const HFONT guiFont = dialogState.guiFont ? dialogState.guiFont.get()
                                              : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    dialogState.frameFont = CreateBoldPointFont(L"Tahoma", kFramePointSize, false, dpi);

    HWND frame = CreateDialogControl(dialog, L"BUTTON", WideText(kChooseLanguage),
                                     WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 6, 8, 282, 82, IDC_LANGUAGE_FRAME,
                                     dialogState.frameFont ? dialogState.frameFont.get() : guiFont);
    // Tab and arrow keys reach the combo box inside the frame.
    SetWindowLongW(frame, GWL_EXSTYLE, GetWindowLongW(frame, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    CreateDialogControl(frame, WC_COMBOBOXEXW, L"", kComboStyle, 12, 32, 258, 160, IDC_LANGUAGE_COMBO,
                        guiFont);
    CreateDialogControl(dialog, L"BUTTON", WideText(kRunWithSystem),
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 12, 116, 268, 22,
                        IDC_RUN_WITH_SYSTEM, guiFont);
    CreateDialogControl(dialog, L"BUTTON", WideText(kCheckNoBlocingM), kNoBlockingStyle, 12, 200, 268, 80,
                        IDC_NO_BLOCKING, guiFont);
    CreateDialogControl(dialog, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_ETCHEDHORZ, 4, 296, 286, 2, -1,
                        guiFont);
    CreateDialogControl(dialog, L"BUTTON", WideText(kApply),
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 190, 304, 96, 28, IDC_APPLY,
                        guiFont);
}

HWND LanguageCombo(HWND dialog) {
    return GetDlgItem(GetDlgItem(dialog, IDC_LANGUAGE_FRAME), IDC_LANGUAGE_COMBO);
}

void InitOptionsDialog(HWND dialog) {
    appState.optionsDialog = dialog;
    dialogState.focus.Forget();
    SetWindowTextW(dialog, WideText(kOptDlgProgramSetting).c_str());
    SetWindowIconFromResource(dialog, L"#124", true);
    SizeDialogClientArea(dialog, kClientWidth, kClientHeight);
    CreateControls(dialog);

    FillLanguageComboBox(LanguageCombo(dialog));
    // Only a registration that succeeded ticks the box; 2 and 3 record a failed one.
    CheckDlgButton(dialog, IDC_RUN_WITH_SYSTEM,
                   settings.autoStartFlag == kAutoStartRegistered ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_NO_BLOCKING, settings.noBlockingMode != 0 ? BST_CHECKED : BST_UNCHECKED);
    if (monitorState.ddcCapableSystem)
        EnableWindow(GetDlgItem(dialog, IDC_NO_BLOCKING), TRUE);
}

// The error boxes are the dialog's own, so it cannot be used again while one is open.
void ApplyAutoStart(HWND dialog) {
    if (IsDlgButtonChecked(dialog, IDC_RUN_WITH_SYSTEM) == BST_CHECKED) {
        switch (SetAutoStart()) {
        case kAutoStartRegistered:
            settings.autoStartFlag = 1;
            break;
        case kAutoStartKeyFailed:
            ShowNotification(L"ErStartWithWin", dialog);
            break;
        case kAutoStartValueFailed:
            ShowNotification(L"ErStartWithWinsAdd", dialog);
            break;
        default:
            break;
        }
    } else {
        settings.autoStartFlag = 0;
        RemoveAutoStart();
    }
}

void ApplyNoBlocking(HWND dialog) {
    settings.noBlockingMode = IsDlgButtonChecked(dialog, IDC_NO_BLOCKING) == BST_CHECKED ? 1 : 0;
    if (settings.noBlockingMode == 1)
        EnableMonitorSliders(true);
    else
        EnableMonitorSliders(ReadBrightnessMaximum() != 0); // one read of the monitor decides
}

// Returns true when the dialog should close: a language list was there to choose from.
bool ApplyLanguage(HWND dialog) {
    HWND combo = LanguageCombo(dialog);
    if (SendMessageW(combo, CB_GETCOUNT, 0, 0) <= 0)
        return false;
    const LRESULT selection = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    const std::size_t position = selection < 0 ? 0 : static_cast<std::size_t>(selection) + 1;
    const std::u16string previous = GetLanguageFileName(settings);
    SetLanguageFileName(settings, LanguageFileAt(position));
    if (GetLanguageFileName(settings) != previous) {
        const std::wstring question = WideText(kRestartProgram, u"\r\n");
        // Owned by the dialog, which stays disabled while it asks: no second Apply or Escape beneath it.
        if (optionsQuestionBox(dialog, question, L"", kProgramIconId, kRestartQuestionStyle) == IDYES)
            RestartApplication();
    }
    return true;
}

void Apply(HWND dialog) {
    ApplyAutoStart(dialog);
    ApplyNoBlocking(dialog);
    if (ApplyLanguage(dialog))
        EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK OptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        InitOptionsDialog(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_APPLY && HIWORD(wParam) == BN_CLICKED) {
            Apply(dialog);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) { // the close box and Escape
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    case WM_NCACTIVATE:
        dialogState.focus.OnNcActivate(wParam);
        return FALSE;
    case WM_DESTROY:
        ClearLanguageList();
        dialogState.frameFont.reset();
        dialogState.guiFont.reset();
        dialogState.focus.Forget();
        appState.optionsDialog = nullptr;
        if (appState.ownerWindow)
            SetActiveWindow(appState.ownerWindow);
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

void ShowOptionsDialog(HWND owner) {
    if (appState.optionsDialog) { // one copy at a time
        BringOpenDialogForward(appState.optionsDialog);
        return;
    }
    LoadLanguageSection(u"[OPTDLG]", CurrentLanguageFilePath());

    ShowEmptyDialog(owner, OptionsDialogProc, 0);
}

void RestartApplication() {
    // The script is taken from the program's folder, never from the current directory, which belongs to
    // whoever started us (the Run key starts us elsewhere).
    const std::wstring folder = ProgramFolder();
    const std::wstring script = folder + kRestartScript;
    restartShellOpen(appState.ownerWindow, L"Open", script.c_str(), L"", folder.c_str(), SW_SHOWNORMAL);
    if (appState.ownerWindow)
        SendMessageW(appState.ownerWindow, WM_DESTROY, 0, 0);
}
