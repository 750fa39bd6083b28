// The Options dialog: language, start with the system and the no-blocking mode of monitor control.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/brightness_key_input.h"
#include "app/hotkey_combination.h"
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
OptionsWarningBox optionsWarningBox = [](HWND owner, std::wstring_view text) {
    TimedMessageBox(owner, text, L"", kMessageWarning, 0);
};
RestartShellOpen restartShellOpen = OpenWithShell;

namespace {

constexpr int kClientWidth = 294;
constexpr int kClientHeight = 460;
constexpr DWORD kComboStyle = 0x56210047;
// The multi-line no-blocking box, created disabled; BS_AUTOCHECKBOX makes it a check box that can be ticked.
constexpr DWORD kNoBlockingStyle = 0x58016500 | BS_AUTOCHECKBOX;
constexpr int kFramePointSize = 10;
constexpr int kProgramIconId = 124;
constexpr UINT kRestartQuestionStyle = MB_YESNO | MB_TOPMOST; // 0x40004
constexpr wchar_t kRestartScript[] = L"AppRestart.vbs";

// The controls at 96 DPI, in the order they are made; the combo box stands in the frame.
enum ControlSlot {
    kSlotFrame,
    kSlotCombo,
    kSlotRunWithSystem,
    kSlotNoBlocking,
    kSlotKeysFrame,
    kSlotUpLabel,
    kSlotUpKey,
    kSlotDownLabel,
    kSlotDownKey,
    kSlotUnderPointer,
    kSlotSeparator,
    kSlotApply,
    kSlotCount
};
constexpr ScaledBox kBoxes[kSlotCount] = {
    {6, 8, 282, 82},     {12, 32, 258, 160}, {12, 116, 268, 22},  {12, 200, 268, 80},
    {6, 290, 282, 118},  {16, 318, 120, 20}, {140, 314, 138, 22}, {16, 348, 120, 20},
    {140, 344, 138, 22}, {16, 374, 262, 24}, {4, 416, 286, 2},    {190, 424, 96, 28},
};
// The frames' captions are bold.
constexpr bool IsFrameSlot(int slot) {
    return slot == kSlotFrame || slot == kSlotKeysFrame;
}

struct OptionsDialogState {
    UniqueFont frameFont;
    UniqueFont guiFont; // empty when the stock dialog font fits the dialog's DPI
    DialogControl controls[kSlotCount];
    FocusMemory focus;
};
OptionsDialogState dialogState;

// The dialog font for dpi: the stock one where it was made for that DPI.
HFONT GuiFont() {
    return dialogState.guiFont ? dialogState.guiFont.get()
                               : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HFONT FrameFont() {
    return dialogState.frameFont ? dialogState.frameFont.get() : GuiFont();
}

void CreateFonts(int dpi) {
    dialogState.guiFont = CreateGuiFontForDpi(dpi);
    dialogState.frameFont = CreateBoldPointFont(L"Tahoma", kFramePointSize, false, dpi);
}

void CreateControls(HWND dialog) {
    const int dpi = WindowDpi(dialog);
    CreateFonts(dpi);
    DialogControl* controls = dialogState.controls;
    controls[kSlotFrame] =
        CreateDialogControl(dialog, L"BUTTON", WideText(kChooseLanguage), WS_CHILD | WS_VISIBLE | BS_GROUPBOX,
                            kBoxes[kSlotFrame], IDC_LANGUAGE_FRAME, FrameFont(), dpi);
    HWND frame = controls[kSlotFrame].window;
    // Tab and arrow keys reach the combo box inside the frame.
    SetWindowLongW(frame, GWL_EXSTYLE, GetWindowLongW(frame, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    controls[kSlotCombo] = CreateDialogControl(frame, WC_COMBOBOXEXW, L"", kComboStyle, kBoxes[kSlotCombo],
                                               IDC_LANGUAGE_COMBO, GuiFont(), dpi);
    controls[kSlotRunWithSystem] = CreateDialogControl(
        dialog, L"BUTTON", WideText(kRunWithSystem), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
        kBoxes[kSlotRunWithSystem], IDC_RUN_WITH_SYSTEM, GuiFont(), dpi);
    controls[kSlotNoBlocking] =
        CreateDialogControl(dialog, L"BUTTON", WideText(kCheckNoBlocingM), kNoBlockingStyle,
                            kBoxes[kSlotNoBlocking], IDC_NO_BLOCKING, GuiFont(), dpi);
    controls[kSlotKeysFrame] =
        CreateDialogControl(dialog, L"BUTTON", WideText(kKeysSection), WS_CHILD | WS_VISIBLE | BS_GROUPBOX,
                            kBoxes[kSlotKeysFrame], IDC_KEYS_FRAME, FrameFont(), dpi);
    controls[kSlotUpLabel] =
        CreateDialogControl(dialog, L"STATIC", WideText(kBrightnessUpKey), WS_CHILD | WS_VISIBLE | SS_LEFT,
                            kBoxes[kSlotUpLabel], -1, GuiFont(), dpi);
    controls[kSlotUpKey] = CreateDialogControl(dialog, HOTKEY_CLASSW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                                               kBoxes[kSlotUpKey], IDC_BRIGHTNESS_UP_KEY, GuiFont(), dpi);
    controls[kSlotDownLabel] =
        CreateDialogControl(dialog, L"STATIC", WideText(kBrightnessDownKey), WS_CHILD | WS_VISIBLE | SS_LEFT,
                            kBoxes[kSlotDownLabel], -1, GuiFont(), dpi);
    controls[kSlotDownKey] =
        CreateDialogControl(dialog, HOTKEY_CLASSW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                            kBoxes[kSlotDownKey], IDC_BRIGHTNESS_DOWN_KEY, GuiFont(), dpi);
    controls[kSlotUnderPointer] = CreateDialogControl(
        dialog, L"BUTTON", WideText(kKeysUnderPointer), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
        kBoxes[kSlotUnderPointer], IDC_KEYS_UNDER_POINTER, GuiFont(), dpi);
    controls[kSlotSeparator] =
        CreateDialogControl(dialog, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_ETCHEDHORZ,
                            kBoxes[kSlotSeparator], -1, GuiFont(), dpi);
    controls[kSlotApply] = CreateDialogControl(dialog, L"BUTTON", WideText(kApply),
                                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                               kBoxes[kSlotApply], IDC_APPLY, GuiFont(), dpi);
}

// A new scale: the fonts are made again for it and every control takes its place; the old fonts go once no
// control holds them.
void LayOutAtDpi(int dpi) {
    UniqueFont oldGui = std::move(dialogState.guiFont);
    UniqueFont oldFrame = std::move(dialogState.frameFont);
    CreateFonts(dpi);
    for (int i = 0; i < kSlotCount; ++i)
        PlaceDialogControl(dialogState.controls[i], IsFrameSlot(i) ? FrameFont() : GuiFont(), dpi);
}

HWND LanguageCombo(HWND dialog) {
    return GetDlgItem(GetDlgItem(dialog, IDC_LANGUAGE_FRAME), IDC_LANGUAGE_COMBO);
}

void InitOptionsDialog(HWND dialog) {
    appState.optionsDialog = dialog;
    dialogState.focus.Forget();
    KeepDialogScalingOurOwn(dialog);
    SetWindowTextW(dialog, WideText(kOptDlgProgramSetting).c_str());
    SetWindowIconFromResource(dialog, L"#124", true);
    SizeDialogClientArea(dialog, kClientWidth, kClientHeight);
    CreateControls(dialog);

    FillLanguageComboBox(LanguageCombo(dialog));
    // Only a registration that succeeded ticks the box; 2 and 3 record a failed one.
    CheckDlgButton(dialog, IDC_RUN_WITH_SYSTEM,
                   settings.autoStartFlag == kAutoStartRegistered ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_NO_BLOCKING, settings.noBlockingMode != 0 ? BST_CHECKED : BST_UNCHECKED);
    if (monitorSystem.ddcCapableSystem)
        EnableWindow(GetDlgItem(dialog, IDC_NO_BLOCKING), TRUE);
    SendDlgItemMessageW(dialog, IDC_BRIGHTNESS_UP_KEY, HKM_SETHOTKEY,
                        HotkeyWordFromKeyCombination(brightnessKeyChoice.up), 0);
    SendDlgItemMessageW(dialog, IDC_BRIGHTNESS_DOWN_KEY, HKM_SETHOTKEY,
                        HotkeyWordFromKeyCombination(brightnessKeyChoice.down), 0);
    CheckDlgButton(dialog, IDC_KEYS_UNDER_POINTER,
                   brightnessKeyChoice.underPointerOnly ? BST_CHECKED : BST_UNCHECKED);
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
    // Without it, one read of each display's monitor decides.
    ApplyNoBlockingToDisplays(settings.noBlockingMode == 1);
}

KeyCombination ChosenKeys(HWND dialog, int id) {
    const auto word = static_cast<uint16_t>(LOWORD(SendDlgItemMessageW(dialog, id, HKM_GETHOTKEY, 0, 0)));
    KeyCombination keys = KeyCombinationFromHotkeyWord(word);
    // The control cannot show the Windows key: a stored combination with it stands while it is unchanged.
    for (const KeyCombination& stored : {brightnessKeyChoice.up, brightnessKeyChoice.down})
        if (HotkeyWordFromKeyCombination(stored) == word && !stored.IsEmpty())
            keys = stored;
    return keys;
}

// The keys are stored and registered; a combination another program holds is said at once, while the user
// is still in the dialog to choose another one.
void ApplyKeys(HWND dialog) {
    BrightnessKeyChoice choice;
    choice.up = ChosenKeys(dialog, IDC_BRIGHTNESS_UP_KEY);
    choice.down = ChosenKeys(dialog, IDC_BRIGHTNESS_DOWN_KEY);
    choice.underPointerOnly = IsDlgButtonChecked(dialog, IDC_KEYS_UNDER_POINTER) == BST_CHECKED;
    const BrightnessKeyRegistration registration = ChooseBrightnessKeys(appState.mainWindow, choice);
    if (registration.sameForBoth)
        optionsWarningBox(dialog, WideText(kKeysSame, ToU16(KeyCombinationName(choice.down))));
    for (const KeyCombination& taken : registration.taken)
        optionsWarningBox(dialog, WideText(kKeyTaken, ToU16(KeyCombinationName(taken))));
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
    ApplyKeys(dialog);
    if (ApplyLanguage(dialog))
        EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK OptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
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
    case kGetDpiScaledSizeMessage:
        return AnswerDpiScaledSize(dialog, wParam, lParam, kClientWidth, kClientHeight);
    case kDpiChangedMessage:
        LayOutAtDpi(TakeSuggestedPlace(dialog, wParam, lParam));
        return TRUE;
    case WM_DESTROY:
        ClearLanguageList();
        dialogState.frameFont.reset();
        dialogState.guiFont.reset();
        for (DialogControl& control : dialogState.controls)
            control = {};
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
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&classes);

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
