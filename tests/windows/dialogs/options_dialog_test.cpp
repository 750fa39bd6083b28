#include "dialogs/dialogs.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <chrono>
#include <atomic>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <span>
#include <utility>
#include <vector>

#include "../app/scratch_folder.h"
#include "app/app_state.h"
#include "app/brightness_key_input.h"
#include "app/hotkey_combination.h"
#include "monitor/display_memory.h"
#include "monitor/display_settings_store.h"
#include "app/program_folder.h"
#include "dialogs/autostart.h"
#include "i18n/language.h"
#include "i18n/language_list_combo.h"
#include "i18n/text_keys.h"
#include "monitor/monitor_control.h"
#include "monitor/settings_records.h"
#include "platform/dpi.h"
#include "platform/wide.h"
#include "simulated_monitor.h"
#include "slider_host.h"

namespace {

using Clock = std::chrono::steady_clock;

std::vector<unsigned char> LanguageFileBytes(const std::wstring& headerLines) {
    const std::wstring text =
        L"\uFEFF[FILE]\r\n" + headerLines + L"[FILE]\r\n\r\n[OPTDLG]\r\nApply=Apply now\r\n[OPTDLG]\r\n";
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    return {bytes, bytes + text.size() * sizeof(wchar_t)};
}

// A 20 x 15 24-bit bitmap file of one colour.
std::vector<unsigned char> PictureBytes() {
    constexpr int width = 20, height = 15, rowBytes = 60;
    std::vector<unsigned char> bytes(54 + rowBytes * height, 0x80);
    BITMAPFILEHEADER file = {0x4D42, static_cast<DWORD>(bytes.size()), 0, 0, 54};
    BITMAPINFOHEADER info = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB,
                             rowBytes * height,        0,     0,      0, 0};
    memcpy(bytes.data(), &file, sizeof(file));
    memcpy(bytes.data() + sizeof(file), &info, sizeof(info));
    return bytes;
}

// Two languages with a picture for the first, a file without NAME, one too small to be listed, one whose
// name is longer than the settings can store and one whose picture is a path out of the folder.
std::wstring MakeLanguageFolder() {
    const std::wstring folder = FreshScratchFolder(L"langs");
    EXPECT_TRUE(
        WriteBytes(folder + L"alpha.lng",
                   LanguageFileBytes(L"NAME=Alpha\r\nAUTHOR=Ann\r\nVERSIONID=1.0\r\nPICTURE=alpha.bmp\r\n")));
    EXPECT_TRUE(WriteBytes(folder + L"alpha.bmp", PictureBytes()));
    EXPECT_TRUE(WriteBytes(folder + L"nameless.lng", LanguageFileBytes(L"AUTHOR=Nobody at all\r\n")));
    EXPECT_TRUE(WriteBytes(folder + L"beta.lng", LanguageFileBytes(L"name = Beta\r\nAUTHOR=Bob\r\n")));
    std::vector<unsigned char> small = LanguageFileBytes(L"NAME=S\r\n");
    small.resize(100);
    EXPECT_TRUE(WriteBytes(folder + L"small.lng", small));
    std::vector<unsigned char> justBigEnough = LanguageFileBytes(L"NAME=J\r\n");
    justBigEnough.resize(101);
    EXPECT_TRUE(WriteBytes(folder + L"edge.lng", justBigEnough)); // 101 bytes holding a whole block: listed
    EXPECT_TRUE(
        WriteBytes(folder + L"a name far too long to be stored.lng", LanguageFileBytes(L"NAME=Long\r\n")));
    CreateDirectoryW((folder + L"pictures").c_str(), nullptr);
    EXPECT_TRUE(WriteBytes(folder + L"pictures\\gamma.bmp", PictureBytes()));
    EXPECT_TRUE(WriteBytes(folder + L"gamma.lng",
                           LanguageFileBytes(L"NAME=Gamma\r\nPICTURE=pictures\\gamma.bmp\r\n")));
    // The running language's texts without a header block: never listed.
    const std::wstring textsOnly =
        L"\uFEFF[OPTDLG]\r\nApply=Apply now\r\nChooseLanguage=Choose\r\n[OPTDLG]\r\n";
    const auto* bytes = reinterpret_cast<const unsigned char*>(textsOnly.data());
    EXPECT_TRUE(WriteBytes(folder + L"plain.lng", {bytes, bytes + textsOnly.size() * sizeof(wchar_t)}));
    return folder;
}

// Keeps the process-wide language, settings and owner as they were before the test.
class OptionsDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        savedFolder_ = languageFolder;
        savedStartup_ = startupLanguageFile;
        savedPath_ = startupLanguagePath;
        savedSettings_ = settings;
        savedOwner_ = appState.ownerWindow;
        appState.ownerWindow = nullptr;
        savedKeys_ = brightnessKeyChoice;
        lstrcpynW(savedDataPath_, appState.dataFilePath, kDataFilePathUnits);
        appState.dataFilePath[0] = L'\0';
        LoadRememberedDisplays(L"");
    }
    void TearDown() override {
        languageFolder = savedFolder_;
        startupLanguageFile = savedStartup_;
        startupLanguagePath = savedPath_;
        settings = savedSettings_;
        runKeyCreate = RegCreateKeyW;
        runValueSet = RegSetValueExW;
        appState.ownerWindow = savedOwner_;
        optionsQuestionBox = savedQuestion_;
        restartShellOpen = savedShell_;
        optionsWarningBox = savedWarning_;
        ClearLanguageList();
        // The keys this test registered go with it, and nothing more is written to its files.
        appState.dataFilePath[0] = L'\0';
        LoadRememberedDisplays(L"");
        ChooseBrightnessKeys(appState.mainWindow, {});
        brightnessKeyChoice = savedKeys_;
        lstrcpynW(appState.dataFilePath, savedDataPath_, kDataFilePathUnits);
    }

    static std::wstring ItemText(HWND combo, int index) {
        wchar_t text[128] = {};
        COMBOBOXEXITEMW item = {};
        item.mask = CBEIF_TEXT | CBEIF_IMAGE;
        item.iItem = index;
        item.pszText = text;
        item.cchTextMax = 128;
        SendMessageW(combo, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        return std::wstring(text) + L"|" + std::to_wstring(item.iImage);
    }

    // Shows the dialog on this thread while a second thread runs steps on it and then closes it.
    static bool DriveOptionsDialog(const std::function<void(HWND)>& steps) {
        const DWORD threadId = GetCurrentThreadId();
        bool found = false;
        std::thread driver([&] {
            HWND dialog = nullptr;
            const auto findEnd = Clock::now() + std::chrono::seconds(10);
            while (!dialog && Clock::now() < findEnd) {
                EnumThreadWindows(
                    threadId,
                    [](HWND window, LPARAM lParam) -> BOOL {
                        wchar_t name[16] = {};
                        GetClassNameW(window, name, 16);
                        if (lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(window))
                            return TRUE;
                        *reinterpret_cast<HWND*>(lParam) = window;
                        return FALSE;
                    },
                    reinterpret_cast<LPARAM>(&dialog));
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
            if (!dialog)
                return;
            found = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(100)); // let the posted selection land
            steps(dialog);
            const auto closeEnd = Clock::now() + std::chrono::seconds(10);
            while (IsWindow(dialog) && Clock::now() < closeEnd) {
                PostMessageW(dialog, WM_CLOSE, 0, 0);
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            }
        });
        ShowOptionsDialog(nullptr);
        driver.join();
        return found;
    }

    static HWND Combo(HWND dialog) {
        return GetDlgItem(GetDlgItem(dialog, IDC_LANGUAGE_FRAME), IDC_LANGUAGE_COMBO);
    }

  private:
    std::u16string savedFolder_, savedStartup_, savedPath_;
    SettingsBlock savedSettings_ = {};
    HWND savedOwner_ = nullptr;
    OptionsQuestionBox savedQuestion_ = optionsQuestionBox;
    RestartShellOpen savedShell_ = restartShellOpen;
    OptionsWarningBox savedWarning_ = optionsWarningBox;
    BrightnessKeyChoice savedKeys_;
    wchar_t savedDataPath_[kDataFilePathUnits] = {};
};

struct Question {
    int calls = 0;
    HWND owner = nullptr;
    std::wstring text, caption;
    int iconId = 0;
    UINT style = 0;
    int answer = IDNO;
} question;

int RecordQuestion(HWND owner, std::wstring_view text, std::wstring_view caption, int iconId, UINT style) {
    ++question.calls;
    question.owner = owner;
    question.text = text;
    question.caption = caption;
    question.iconId = iconId;
    question.style = style;
    return question.answer;
}

struct ShellCall {
    int calls = 0;
    std::wstring verb, file, directory;
    int show = 0;
} shellCall;

HINSTANCE WINAPI RecordShellOpen(HWND, LPCWSTR verb, LPCWSTR file, LPCWSTR, LPCWSTR directory, INT show) {
    ++shellCall.calls;
    shellCall.verb = verb ? verb : L"";
    shellCall.file = file ? file : L"";
    shellCall.directory = directory ? directory : L"";
    shellCall.show = show;
    return reinterpret_cast<HINSTANCE>(42);
}

// A ComboBoxEx like the dialog's, on a hidden host window; destroyed with the host.
HWND CreateLanguageCombo(HWND& host) {
    host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
    return CreateWindowExW(0, WC_COMBOBOXEXW, L"", 0x56210047 & ~WS_VISIBLE, 12, 32, 258, 160, host, nullptr,
                           nullptr, nullptr);
}

void DispatchPending() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
}

TEST_F(OptionsDialogTest, ComboListsNamedLanguagesWithPicturesAndPreselectsTheOneInUse) {
    languageFolder = ToU16(MakeLanguageFolder());
    startupLanguageFile = u"Beta.LNG";
    HWND host = nullptr;
    HWND combo = CreateLanguageCombo(host);
    ASSERT_NE(combo, nullptr);

    const int position = FillLanguageComboBox(combo);
    DispatchPending();

    // Whatever order the folder lists them in, each position names the file its item shows. Skipped: the
    // nameless file, the 100-byte one, the one whose name the settings cannot store and the texts-only one.
    const std::map<std::u16string, std::wstring> expected = {
        {u"ALPHA.LNG", L"Alpha, Ann, v1.0|0"},
        {u"BETA.LNG", L"Beta, Bob, v|-1"},
        {u"EDGE.LNG", L"J, , v|-1"},
        {u"GAMMA.LNG", L"Gamma, , v|-1"}, // its PICTURE is a path: not opened
    };
    ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), static_cast<LRESULT>(expected.size()));
    std::set<std::u16string> seen;
    for (int at = 1; at <= static_cast<int>(expected.size()); ++at) {
        const std::u16string file = LanguageFileAt(at);
        ASSERT_EQ(expected.count(file), 1u) << at;
        EXPECT_EQ(ItemText(combo, at - 1), expected.at(file));
        seen.insert(file);
    }
    EXPECT_EQ(seen.size(), expected.size());
    ASSERT_GE(position, 1);
    EXPECT_EQ(LanguageFileAt(position), u"BETA.LNG");
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), position - 1);
    EXPECT_EQ(LanguageFileAt(0), u"");
    EXPECT_EQ(LanguageFileAt(static_cast<int>(expected.size()) + 1), u"");

    DestroyWindow(host);
    ClearLanguageList();
    EXPECT_EQ(LanguageFileAt(1), u"");
}

TEST_F(OptionsDialogTest, RunningLanguageWithoutHeaderBlockPreselectsTheFirstItem) {
    languageFolder = ToU16(MakeLanguageFolder());
    startupLanguageFile = u"plain.lng";
    HWND host = nullptr;
    HWND combo = CreateLanguageCombo(host);
    ASSERT_NE(combo, nullptr);
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);

    EXPECT_EQ(FillLanguageComboBox(combo), 0);
    DispatchPending();
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
    DestroyWindow(host);
}

TEST_F(OptionsDialogTest, ApplyWithBoxClearedRemovesAutoStartAndStaysOpenWithoutLanguages) {
    languageFolder = ToU16(FreshScratchFolder(L"nolangs"));
    ASSERT_EQ(SetAutoStart(), kAutoStartRegistered);
    settings.autoStartFlag = 1;
    question = {};
    optionsQuestionBox = RecordQuestion;

    bool tickedAtStart = false, openAfterApply = false;
    RECT client = {};
    ASSERT_TRUE(DriveOptionsDialog([&](HWND dialog) {
        GetClientRect(dialog, &client);
        tickedAtStart = SendDlgItemMessageW(dialog, IDC_RUN_WITH_SYSTEM, BM_GETCHECK, 0, 0) == BST_CHECKED;
        SendDlgItemMessageW(dialog, IDC_RUN_WITH_SYSTEM, BM_SETCHECK, BST_UNCHECKED, 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_APPLY, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_APPLY)));
        openAfterApply = IsWindow(dialog) && IsWindowVisible(dialog);
    }));

    HKEY run = nullptr;
    bool valuePresent = false;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKeyPath, 0, KEY_READ, &run) == ERROR_SUCCESS) {
        valuePresent =
            RegQueryValueExW(run, kAutoStartValueName, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
        RegCloseKey(run);
    }
    RemoveAutoStart();
    EXPECT_TRUE(tickedAtStart);
    EXPECT_EQ(client.right, 294);
    EXPECT_EQ(client.bottom, 460);
    EXPECT_TRUE(openAfterApply);
    EXPECT_EQ(settings.autoStartFlag, 0);
    EXPECT_FALSE(valuePresent);
    EXPECT_EQ(question.calls, 0);
    EXPECT_EQ(appState.optionsDialog, nullptr);
}

// Dragged to a monitor at 150 %: the dialog takes the place Windows suggests, its controls their 96-DPI
// places scaled, and the frame's and the dialog font are made again at the new scale.
TEST_F(OptionsDialogTest, ANewDpiLaysTheDialogOutAgainAtTheSuggestedPlace) {
    languageFolder = ToU16(MakeLanguageFolder());
    const RECT suggested{20, 30, 20 + 450, 30 + 540};
    RECT frame{}, languageFrame{}, combo{}, runWithSystem{}, apply{}, keysFrame{}, downKey{};
    LONG keyFont = 0;
    LONG frameFont = 0, checkFont = 0, applyFont = 0;
    bool oldFrameFontGone = false, answered = false;
    SIZE size{};
    RECT expectedFrame{};
    auto rectIn = [](HWND control, HWND parent) {
        RECT rect{};
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    };
    auto heightOf = [](HWND control) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
        return font.lfHeight;
    };
    ASSERT_TRUE(DriveOptionsDialog([&](HWND dialog) {
        HWND languages = GetDlgItem(dialog, IDC_LANGUAGE_FRAME);
        const HFONT oldFrameFont = reinterpret_cast<HFONT>(SendMessageW(languages, WM_GETFONT, 0, 0));
        answered = SendMessageW(dialog, 0x02E4, 144, reinterpret_cast<LPARAM>(&size)) == TRUE;
        expectedFrame = FrameForClient(441, 690, static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE)),
                                       static_cast<DWORD>(GetWindowLongW(dialog, GWL_EXSTYLE)), 144);
        SendMessageW(dialog, 0x02E0, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
        GetWindowRect(dialog, &frame);
        languageFrame = rectIn(languages, dialog);
        combo = rectIn(Combo(dialog), languages);
        runWithSystem = rectIn(GetDlgItem(dialog, IDC_RUN_WITH_SYSTEM), dialog);
        apply = rectIn(GetDlgItem(dialog, IDC_APPLY), dialog);
        keysFrame = rectIn(GetDlgItem(dialog, IDC_KEYS_FRAME), dialog);
        downKey = rectIn(GetDlgItem(dialog, IDC_BRIGHTNESS_DOWN_KEY), dialog);
        keyFont = heightOf(GetDlgItem(dialog, IDC_BRIGHTNESS_DOWN_KEY));
        frameFont = heightOf(languages);
        checkFont = heightOf(GetDlgItem(dialog, IDC_RUN_WITH_SYSTEM));
        applyFont = heightOf(GetDlgItem(dialog, IDC_APPLY));
        oldFrameFontGone = GetObjectType(oldFrameFont) == 0;
    }));

    EXPECT_TRUE(answered) << "the size at the new scale is the dialog's own";
    EXPECT_EQ(size.cx, expectedFrame.right - expectedFrame.left);
    EXPECT_EQ(size.cy, expectedFrame.bottom - expectedFrame.top);
    EXPECT_EQ(frame.left, suggested.left);
    EXPECT_EQ(frame.top, suggested.top);
    EXPECT_EQ(frame.right, suggested.right);
    EXPECT_EQ(frame.bottom, suggested.bottom);
    // 6, 8, 282 × 82; in the frame 12, 32, 258 wide; 12, 116, 268 × 22; 190, 424, 96 × 28 at 96 DPI; the
    // keys' frame 6, 290, 282 × 118 and the down key 140, 344, 138 × 22.
    EXPECT_EQ(languageFrame.left, 9);
    EXPECT_EQ(languageFrame.top, 12);
    EXPECT_EQ(languageFrame.right - languageFrame.left, 423);
    EXPECT_EQ(languageFrame.bottom - languageFrame.top, 123);
    EXPECT_EQ(combo.left, 18);
    EXPECT_EQ(combo.top, 48);
    EXPECT_EQ(combo.right - combo.left, 387);
    EXPECT_EQ(runWithSystem.left, 18);
    EXPECT_EQ(runWithSystem.top, 174);
    EXPECT_EQ(runWithSystem.right - runWithSystem.left, 402);
    EXPECT_EQ(runWithSystem.bottom - runWithSystem.top, 33);
    EXPECT_EQ(keysFrame.left, 9);
    EXPECT_EQ(keysFrame.top, 435);
    EXPECT_EQ(keysFrame.right - keysFrame.left, 423);
    EXPECT_EQ(keysFrame.bottom - keysFrame.top, 177);
    EXPECT_EQ(downKey.left, 210);
    EXPECT_EQ(downKey.top, 516);
    EXPECT_EQ(downKey.right - downKey.left, 207);
    EXPECT_EQ(downKey.bottom - downKey.top, 33);
    EXPECT_EQ(apply.left, 285);
    EXPECT_EQ(apply.top, 636);
    EXPECT_EQ(apply.right - apply.left, 144);
    EXPECT_EQ(apply.bottom - apply.top, 42);
    EXPECT_EQ(frameFont, -20) << "Tahoma 10 pt at 144 DPI";
    LOGFONTW stock{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(stock), &stock);
    EXPECT_EQ(checkFont, MulDiv(stock.lfHeight, 144, SystemDpi()));
    EXPECT_EQ(applyFont, checkFont);
    EXPECT_EQ(keyFont, checkFont);
    EXPECT_TRUE(oldFrameFontGone) << "the frame's font made for 96 DPI is released";
}

TEST_F(OptionsDialogTest, ChoosingAnotherLanguageAsksToRestartAndKeepsTheChoiceOnNo) {
    languageFolder = ToU16(MakeLanguageFolder());
    startupLanguageFile = u"alpha.lng";
    SetLanguageFileName(settings, u"alpha.lng");
    settings.autoStartFlag = 0;
    question = {};
    question.answer = IDNO;
    shellCall = {};
    optionsQuestionBox = RecordQuestion;
    restartShellOpen = RecordShellOpen;

    int preselected = -2;
    bool closedByApply = false;
    HWND shown = nullptr;
    ASSERT_TRUE(DriveOptionsDialog([&](HWND dialog) {
        shown = dialog;
        HWND combo = Combo(dialog);
        preselected = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
        int beta = 1;
        while (LanguageFileAt(beta) != u"BETA.LNG" && beta < 10)
            ++beta;
        SendMessageW(combo, CB_SETCURSEL, beta - 1, 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_APPLY, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_APPLY)));
        const auto end = Clock::now() + std::chrono::seconds(5);
        while (IsWindow(dialog) && Clock::now() < end)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        closedByApply = !IsWindow(dialog);
    }));

    EXPECT_GE(preselected, 0);
    EXPECT_EQ(LanguageFileAt(preselected + 1), u""); // the list is emptied when the dialog ends
    EXPECT_TRUE(closedByApply);
    EXPECT_EQ(GetLanguageFileName(settings), u"BETA.LNG");
    ASSERT_EQ(question.calls, 1);
    EXPECT_NE(question.text.find(L"\r\n"), std::wstring::npos);
    EXPECT_EQ(question.text.find(L"%s"), std::wstring::npos);
    EXPECT_EQ(question.caption, L"");
    EXPECT_EQ(question.iconId, 124);
    EXPECT_EQ(question.style, 0x40004u);
    EXPECT_EQ(question.owner, shown) << "the dialog owns the question, so it cannot be used beneath it";
    EXPECT_EQ(shellCall.calls, 0); // No: nothing restarts
}

void ClickApply(HWND dialog) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_APPLY, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_APPLY)));
}

TEST_F(OptionsDialogTest, OnlyASuccessfulRegistrationTicksStartWithWindows) {
    languageFolder = ToU16(FreshScratchFolder(L"nolangs"));
    for (const uint8_t flag : {0, 1, 2, 3}) {
        settings.autoStartFlag = flag;
        bool ticked = false;
        ASSERT_TRUE(DriveOptionsDialog(
            [&](HWND dialog) { ticked = IsDlgButtonChecked(dialog, IDC_RUN_WITH_SYSTEM) == BST_CHECKED; }));
        EXPECT_EQ(ticked, flag == 1) << "flag " << int(flag);
        EXPECT_EQ(settings.autoStartFlag, flag) << "closing without Apply keeps the stored flag";
    }
}

TEST_F(OptionsDialogTest, ApplyWithTheLanguageUnchangedAsksNothingAndCloses) {
    languageFolder = ToU16(MakeLanguageFolder());
    startupLanguageFile = u"BETA.LNG";
    SetLanguageFileName(settings, u"BETA.LNG");
    settings.autoStartFlag = 0;
    question = {};
    shellCall = {};
    optionsQuestionBox = RecordQuestion;
    restartShellOpen = RecordShellOpen;

    bool closedByApply = false;
    ASSERT_TRUE(DriveOptionsDialog([&](HWND dialog) {
        ClickApply(dialog);
        const auto end = Clock::now() + std::chrono::seconds(5);
        while (IsWindow(dialog) && Clock::now() < end)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        closedByApply = !IsWindow(dialog);
    }));
    EXPECT_TRUE(closedByApply);
    EXPECT_EQ(question.calls, 0);
    EXPECT_EQ(shellCall.calls, 0);
    EXPECT_EQ(GetLanguageFileName(settings), u"BETA.LNG");
}

TEST_F(OptionsDialogTest, ApplyLetsOneReadDecideTheMonitorSlidersUnlessNoBlockingIsTicked) {
    languageFolder = ToU16(FreshScratchFolder(L"nolangs")); // the dialog stays open after each Apply
    SimulatedMonitor monitor("silent=1\n");
    SliderHost host(L"GlimraOptionsSliderHost", DefWindowProcW);
    ForgetFoundMonitors();
    FindDisplayControls();
    EnableMonitorSliders(FirstDisplay(), true);
    monitorSystem.ddcCapableSystem = 1;
    settings.noBlockingMode = 0;
    settings.autoStartFlag = 0;

    bool boxEnabled = false, disabledAfterSilentRead = false, enabledWhenTicked = false;
    ASSERT_TRUE(DriveOptionsDialog([&](HWND dialog) {
        boxEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_NO_BLOCKING));
        ClickApply(dialog);
        disabledAfterSilentRead = !IsWindowEnabled(FirstDisplay().brightnessSlider) &&
                                  !IsWindowEnabled(FirstDisplay().contrastSlider);
        CheckDlgButton(dialog, IDC_NO_BLOCKING, BST_CHECKED);
        ClickApply(dialog);
        enabledWhenTicked = IsWindowEnabled(FirstDisplay().brightnessSlider) &&
                            IsWindowEnabled(FirstDisplay().contrastSlider);
    }));
    EXPECT_TRUE(boxEnabled);
    EXPECT_TRUE(disabledAfterSilentRead);
    EXPECT_TRUE(enabledWhenTicked);
    EXPECT_EQ(settings.noBlockingMode, 1);
    EXPECT_EQ(FirstDisplay().ddcEnabled, 1);
    const auto reads = monitor.Calls("GetVCPFeatureAndVCPFeatureReply");
    ASSERT_EQ(reads.size(), 1u) << "one read of the brightness maximum, none with the box ticked";
    EXPECT_EQ(reads[0].code, 0x10);
    ForgetFoundMonitors();
}

LRESULT CALLBACK CountDestroy(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY)
        SetWindowLongPtrW(window, GWLP_USERDATA, GetWindowLongPtrW(window, GWLP_USERDATA) + 1);
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(OptionsDialogTest, RestartOpensTheScriptInTheProgramFolderAndEndsTheMainWindow) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = CountDestroy;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"GlimraRestartOwnerTest";
    RegisterClassW(&windowClass);
    HWND owner = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 windowClass.hInstance, nullptr);
    ASSERT_NE(owner, nullptr);
    appState.ownerWindow = owner;
    shellCall = {};
    restartShellOpen = RecordShellOpen;

    RestartApplication();

    EXPECT_EQ(shellCall.calls, 1);
    EXPECT_EQ(lstrcmpiW(shellCall.verb.c_str(), L"open"), 0);
    EXPECT_EQ(shellCall.file, ProgramFolder() + L"AppRestart.vbs");
    EXPECT_EQ(shellCall.directory, ProgramFolder());
    EXPECT_EQ(shellCall.show, SW_SHOWNORMAL);
    EXPECT_EQ(GetWindowLongPtrW(owner, GWLP_USERDATA), 1);
    appState.ownerWindow = nullptr;
    DestroyWindow(owner);
}

void WriteRunValue(const std::wstring& text) {
    HKEY run = nullptr;
    ASSERT_EQ(RegCreateKeyW(HKEY_CURRENT_USER, kRunKeyPath, &run), ERROR_SUCCESS);
    RegSetValueExW(run, kAutoStartValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(run);
}

// The Run value's text; "(none)" when there is no value.
std::wstring RunValueText() {
    HKEY run = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKeyPath, 0, KEY_READ, &run) != ERROR_SUCCESS)
        return L"(none)";
    wchar_t text[1024] = {};
    DWORD size = sizeof(text) - sizeof(wchar_t);
    const LSTATUS status =
        RegQueryValueExW(run, kAutoStartValueName, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(run);
    return status == ERROR_SUCCESS ? std::wstring(text) : L"(none)";
}

TEST_F(OptionsDialogTest, ApplyWithStartWithWindowsTickedRewritesAMovedOrUnquotedRunValue) {
    languageFolder = ToU16(FreshScratchFolder(L"nolangs")); // the dialog stays open after each Apply
    settings.autoStartFlag = 1;
    const std::wstring program = RunningProgramPath();
    ASSERT_FALSE(program.empty());
    const std::wstring stored[] = {
        L"\"D:\\Portable\\Old place\\Glimra.exe\"", // the portable folder was moved since
        program,                                    // this very program, unquoted
    };
    bool ticked = false;
    std::vector<std::wstring> afterApply;
    ASSERT_TRUE(DriveOptionsDialog([&](HWND dialog) {
        ticked = IsDlgButtonChecked(dialog, IDC_RUN_WITH_SYSTEM) == BST_CHECKED;
        for (const std::wstring& value : stored) {
            WriteRunValue(value);
            ClickApply(dialog);
            afterApply.push_back(RunValueText());
        }
    }));
    RemoveAutoStart();
    EXPECT_TRUE(ticked);
    ASSERT_EQ(afterApply.size(), 2u);
    for (std::size_t i = 0; i < afterApply.size(); ++i)
        EXPECT_EQ(afterApply[i], L"\"" + program + L"\"") << "stored before: " << stored[i];
    EXPECT_EQ(settings.autoStartFlag, 1);
}

LSTATUS APIENTRY RunKeyDenied(HKEY, LPCWSTR, PHKEY) {
    return ERROR_ACCESS_DENIED;
}

LSTATUS APIENTRY RunValueDenied(HKEY, LPCWSTR, DWORD, DWORD, const BYTE*, DWORD) {
    return ERROR_ACCESS_DENIED;
}

struct OwnedBoxes {
    HWND owner = nullptr;
    std::vector<HWND> boxes;
};

// The visible message boxes (and other dialogs) that a window owns.
std::vector<HWND> BoxesOwnedBy(HWND owner) {
    OwnedBoxes found{owner, {}};
    EnumThreadWindows(
        GetWindowThreadProcessId(owner, nullptr),
        [](HWND window, LPARAM lParam) -> BOOL {
            auto& search = *reinterpret_cast<OwnedBoxes*>(lParam);
            wchar_t name[16] = {};
            GetClassNameW(window, name, 16);
            if (lstrcmpW(name, L"#32770") == 0 && IsWindowVisible(window) &&
                GetWindow(window, GW_OWNER) == search.owner)
                search.boxes.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found.boxes;
}

// The longest text of a box's labels: its message.
std::wstring BoxMessage(HWND box) {
    std::wstring longest;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM lParam) -> BOOL {
            auto& text = *reinterpret_cast<std::wstring*>(lParam);
            wchar_t className[16] = {}, label[512] = {};
            GetClassNameW(child, className, 16);
            GetWindowTextW(child, label, 512);
            if (lstrcmpiW(className, L"Static") == 0 && lstrlenW(label) > static_cast<int>(text.size()))
                text = label;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&longest));
    return longest;
}

TEST_F(OptionsDialogTest, AFailedRegistrationAtApplyShowsItsOwnWarningAndKeepsTheFlag) {
    languageFolder = ToU16(FreshScratchFolder(L"nolangs"));
    const struct {
        RunKeyCreateProc create;
        RunValueSetProc set;
        uint8_t flagBefore;
        bool keyFails;
    } cases[] = {
        // Flags left by a failed first registration: what a success (1) or a clearing (0) would change.
        {RunKeyDenied, RegSetValueExW, 3, true},   // the Run key cannot be opened
        {RegCreateKeyW, RunValueDenied, 2, false}, // the value cannot be written
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "key fails " << c.keyFails << ", flag " << int(c.flagBefore));
        RemoveAutoStart();
        settings.autoStartFlag = c.flagBefore;
        runKeyCreate = c.create;
        runValueSet = c.set;
        std::vector<std::wstring> messages;
        bool dialogDisabled = false;
        std::size_t boxesAfterwards = 99;
        ASSERT_TRUE(DriveOptionsDialog([&](HWND dialog) {
            CheckDlgButton(dialog, IDC_RUN_WITH_SYSTEM, BST_CHECKED);
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_APPLY, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_APPLY)));
            const auto end = Clock::now() + std::chrono::seconds(10);
            std::vector<HWND> boxes;
            while (boxes.empty() && Clock::now() < end) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                boxes = BoxesOwnedBy(dialog);
            }
            for (HWND box : boxes)
                messages.push_back(BoxMessage(box));
            dialogDisabled = !IsWindowEnabled(dialog);
            for (HWND box : boxes) {
                while (IsWindow(box) && Clock::now() < end) {
                    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                    std::this_thread::sleep_for(std::chrono::milliseconds(50));
                }
            }
            // Answered only once Apply has run to its end (or a further box's loop takes it).
            SendMessageW(dialog, WM_NULL, 0, 0);
            boxesAfterwards = BoxesOwnedBy(dialog).size();
        }));
        const std::wstring expected = WideText(c.keyFails ? kErStartWithWin : kErStartWithWinsAdd);
        const std::wstring other = WideText(c.keyFails ? kErStartWithWinsAdd : kErStartWithWin);
        ASSERT_NE(expected, other);
        ASSERT_EQ(messages.size(), 1u) << "one warning box";
        EXPECT_EQ(messages[0], expected);
        EXPECT_TRUE(dialogDisabled) << "the dialog owns its warning";
        EXPECT_EQ(boxesAfterwards, 0u) << "no second box";
        EXPECT_EQ(settings.autoStartFlag, c.flagBefore) << "a failure keeps the flag";
        EXPECT_EQ(RunValueText(), L"(none)");
    }
}

// A first start names the system language's file as Windows names the language ("English.lng"); the list
// holds the file names upper-cased.
TEST_F(OptionsDialogTest, TheSystemLanguageStoredInAnotherCaseIsStoredAsListedAtTheFirstApplyOnly) {
    const std::wstring folder = MakeLanguageFolder();
    const std::u16string system = SystemLanguageName(0);
    ASSERT_FALSE(system.empty());
    ASSERT_TRUE(WriteBytes(folder + ToWide(system) + L".lng", LanguageFileBytes(L"NAME=System's own\r\n")));
    settings = {};
    settings.autoStartFlag = 0;
    SetLanguageFileName(settings, SelectLanguage(GetLanguageFileName(settings), ToU16(folder)));
    const std::u16string asWindowsNamesIt = system + u".lng";
    ASSERT_EQ(GetLanguageFileName(settings), asWindowsNamesIt);
    question = {};
    question.answer = IDNO;
    shellCall = {};
    optionsQuestionBox = RecordQuestion;
    restartShellOpen = RecordShellOpen;

    std::u16string preselected;
    for (int apply = 1; apply <= 2; ++apply) {
        bool closedByApply = false;
        ASSERT_TRUE(DriveOptionsDialog([&](HWND dialog) {
            if (apply == 1)
                preselected =
                    LanguageFileAt(static_cast<int>(SendMessageW(Combo(dialog), CB_GETCURSEL, 0, 0)) + 1);
            ClickApply(dialog);
            const auto end = Clock::now() + std::chrono::seconds(5);
            while (IsWindow(dialog) && Clock::now() < end)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            closedByApply = !IsWindow(dialog);
        }));
        EXPECT_TRUE(closedByApply) << "Apply " << apply;
        if (apply == 1) {
            EXPECT_EQ(lstrcmpiW(ToWide(preselected).c_str(), ToWide(asWindowsNamesIt).c_str()), 0)
                << "the running language is preselected";
            EXPECT_NE(preselected, asWindowsNamesIt);
            EXPECT_EQ(question.calls, 1) << "the first Apply stores another name and asks";
        } else {
            EXPECT_EQ(question.calls, 1) << "the second Apply changes nothing and asks nothing";
        }
        EXPECT_EQ(GetLanguageFileName(settings), preselected) << "Apply " << apply;
    }
    EXPECT_EQ(shellCall.calls, 0);
}

} // namespace

namespace {

struct Warnings {
    std::vector<std::pair<HWND, std::wstring>> shown;
} warnings;

void RecordWarning(HWND owner, std::wstring_view text) {
    warnings.shown.emplace_back(owner, std::wstring(text));
}

// Whether another window could take the combination now: false while someone holds it.
bool Free(KeyCombination keys) {
    HWND probe = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    const bool free = RegisterHotKey(probe, 77, keys.modifiers, keys.virtualKey) != FALSE;
    UnregisterHotKey(probe, 77);
    DestroyWindow(probe);
    return free;
}

std::string FileText(const std::wstring& path) {
    std::vector<unsigned char> bytes;
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    char buffer[4096];
    DWORD read = 0;
    std::string text;
    while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0)
        text.append(buffer, read);
    CloseHandle(file);
    return text;
}

} // namespace

// The keys' section shows the stored choice in the system's hotkey controls; Apply stores the new one in
// the display settings file beside the data file, keeping what else it holds, and registers it.
TEST_F(OptionsDialogTest, TheKeysSectionShowsTheChoiceAndApplyStoresAndRegistersIt) {
    languageFolder = ToU16(FreshScratchFolder(L"nolangs"));
    const std::wstring folder = FreshScratchFolder(L"keys");
    lstrcpynW(appState.dataFilePath, (folder + L"DataProfiles.dat").c_str(), kDataFilePathUnits);
    const std::string before = "[settings]\r\nnewer_choice=7\r\n[display]\r\npath=\\\\?\\DISPLAY#A\r\n"
                               "brightness=40\r\ncontrast=60\r\nvideo=50\r\nlast_seen=3\r\n";
    ASSERT_TRUE(WriteBytes(folder + L"Displays.ini", {before.begin(), before.end()}));
    LoadRememberedDisplays(appState.dataFilePath); // as the start reads it
    brightnessKeyChoice = {{kModifierControl | kModifierAlt, VK_UP}, {}, false};
    warnings = {};
    optionsWarningBox = RecordWarning;
    const KeyCombination down{kModifierControl | kModifierShift, VK_F11};

    std::wstring upClass;
    LRESULT upShown = 0, downShown = -1;
    RECT keysFrame{}, noBlocking{}, underPointer{}, apply{};
    ASSERT_TRUE(DriveOptionsDialog([&](HWND dialog) {
        wchar_t name[32] = {};
        GetClassNameW(GetDlgItem(dialog, IDC_BRIGHTNESS_UP_KEY), name, 32);
        upClass = name;
        upShown = SendDlgItemMessageW(dialog, IDC_BRIGHTNESS_UP_KEY, HKM_GETHOTKEY, 0, 0);
        downShown = SendDlgItemMessageW(dialog, IDC_BRIGHTNESS_DOWN_KEY, HKM_GETHOTKEY, 0, 0);
        for (auto [id, rect] :
             {std::pair{IDC_KEYS_FRAME, &keysFrame}, std::pair{IDC_NO_BLOCKING, &noBlocking},
              std::pair{IDC_KEYS_UNDER_POINTER, &underPointer}, std::pair{IDC_APPLY, &apply}}) {
            GetWindowRect(GetDlgItem(dialog, id), rect);
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(rect), 2);
        }
        SendDlgItemMessageW(dialog, IDC_BRIGHTNESS_DOWN_KEY, HKM_SETHOTKEY,
                            MAKEWORD(VK_F11, HOTKEYF_CONTROL | HOTKEYF_SHIFT), 0);
        CheckDlgButton(dialog, IDC_KEYS_UNDER_POINTER, BST_CHECKED);
        ClickApply(dialog);
    }));

    EXPECT_EQ(upClass, L"msctls_hotkey32");
    EXPECT_EQ(upShown, MAKEWORD(VK_UP, HOTKEYF_CONTROL | HOTKEYF_ALT | HOTKEYF_EXT))
        << "the arrow, not Num 8";
    EXPECT_EQ(downShown, 0) << "no key chosen: the control is empty";
    // Below today's controls, inside the dialog, above the Apply button.
    EXPECT_GE(keysFrame.top, noBlocking.bottom);
    EXPECT_GT(underPointer.top, keysFrame.top);
    EXPECT_LE(underPointer.bottom, keysFrame.bottom);
    EXPECT_GT(apply.top, keysFrame.bottom);

    EXPECT_TRUE(warnings.shown.empty());
    EXPECT_EQ(brightnessKeyChoice.down, down);
    EXPECT_TRUE(brightnessKeyChoice.underPointerOnly);
    EXPECT_FALSE(Free(brightnessKeyChoice.up)) << "registered by Apply";
    EXPECT_FALSE(Free(down)) << "registered by Apply";
    // Stored at Apply, and still there once the exit has written the displays' file again.
    for (const char* when : {"after Apply", "after the exit"}) {
        SCOPED_TRACE(when);
        DisplaySettings stored;
        const std::string text = FileText(folder + L"Displays.ini");
        ASSERT_EQ(ParseDisplaySettings(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()),
                                       stored),
                  DisplaySettingsResult::Ok)
            << text;
        EXPECT_EQ(stored.brightnessUpKey, (KeyCombination{kModifierControl | kModifierAlt, VK_UP}));
        EXPECT_EQ(stored.brightnessDownKey, down);
        EXPECT_TRUE(stored.keysUnderPointerOnly);
        ASSERT_EQ(stored.displays.size(), 1u) << "the displays' positions stay";
        EXPECT_EQ(stored.displays[0].brightnessPosition, 40);
        ASSERT_EQ(stored.otherSettings.size(), 1u) << "a newer version's choice stays";
        EXPECT_EQ(GetFileAttributesW((folder + L"DataProfiles.dat").c_str()), INVALID_FILE_ATTRIBUTES)
            << "the keys never go to the data file";
        SaveRememberedDisplays(); // what the exit and the end of a session write
    }
}

// A combination another window registered first: Apply says so in a warning the dialog owns, keeps the
// choice, and a later start registers it once it is free, silently.
TEST_F(OptionsDialogTest, ACombinationAnotherWindowHoldsIsReportedAndKeptForTheNextStart) {
    languageFolder = ToU16(FreshScratchFolder(L"nolangs"));
    const std::wstring folder = FreshScratchFolder(L"taken");
    lstrcpynW(appState.dataFilePath, (folder + L"DataProfiles.dat").c_str(), kDataFilePathUnits);
    LoadRememberedDisplays(appState.dataFilePath); // no file yet
    brightnessKeyChoice = {};
    warnings = {};
    optionsWarningBox = RecordWarning;
    const KeyCombination taken{kModifierControl | kModifierShift, 'K'};
    HWND holder =
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(RegisterHotKey(holder, 5, taken.modifiers, taken.virtualKey));

    HWND shown = nullptr;
    ASSERT_TRUE(DriveOptionsDialog([&](HWND dialog) {
        shown = dialog;
        SendDlgItemMessageW(dialog, IDC_BRIGHTNESS_UP_KEY, HKM_SETHOTKEY,
                            MAKEWORD('K', HOTKEYF_CONTROL | HOTKEYF_SHIFT), 0);
        SendDlgItemMessageW(dialog, IDC_BRIGHTNESS_DOWN_KEY, HKM_SETHOTKEY, MAKEWORD('J', HOTKEYF_ALT), 0);
        ClickApply(dialog);
    }));

    ASSERT_EQ(warnings.shown.size(), 1u) << "only the taken one is reported";
    EXPECT_EQ(warnings.shown[0].first, shown);
    EXPECT_NE(warnings.shown[0].second.find(KeyCombinationName(taken)), std::wstring::npos)
        << warnings.shown[0].second;
    EXPECT_NE(warnings.shown[0].second.find(L"K"), std::wstring::npos);
    EXPECT_EQ(brightnessKeyChoice.up, taken) << "kept although taken";
    EXPECT_FALSE(Free({kModifierAlt, 'J'})) << "the free one is registered all the same";

    SaveRememberedDisplays(); // the exit writes the displays' file again
    UnregisterHotKey(holder, 5);
    DestroyWindow(holder);
    brightnessKeyChoice = {};
    LoadRememberedDisplays(appState.dataFilePath); // the next start
    StartBrightnessKeys(appState.mainWindow);
    EXPECT_EQ(brightnessKeyChoice.up, taken) << "read back from the file";
    EXPECT_FALSE(Free(taken)) << "registered at the next start";
}

// One combination for both actions: the second registration would fail as if another program held it. The
// dialog says what is wrong instead, and "Brightness up" keeps the combination.
TEST_F(OptionsDialogTest, OneCombinationForBothActionsIsSaidSoAndBlamesNoOtherProgram) {
    languageFolder = ToU16(FreshScratchFolder(L"nolangs"));
    brightnessKeyChoice = {};
    warnings = {};
    optionsWarningBox = RecordWarning;
    const KeyCombination both{kModifierControl | kModifierShift, 'M'};

    HWND shown = nullptr;
    ASSERT_TRUE(DriveOptionsDialog([&](HWND dialog) {
        shown = dialog;
        for (int id : {IDC_BRIGHTNESS_UP_KEY, IDC_BRIGHTNESS_DOWN_KEY})
            SendDlgItemMessageW(dialog, id, HKM_SETHOTKEY, MAKEWORD('M', HOTKEYF_CONTROL | HOTKEYF_SHIFT), 0);
        ClickApply(dialog);
    }));

    ASSERT_EQ(warnings.shown.size(), 1u);
    EXPECT_EQ(warnings.shown[0].first, shown);
    EXPECT_EQ(warnings.shown[0].second, WideText(kKeysSame, ToU16(KeyCombinationName(both))))
        << "not that another program holds it";
    EXPECT_FALSE(Free(both)) << "registered for Brightness up";
    EXPECT_EQ(brightnessKeyChoice.up, both);
    EXPECT_EQ(brightnessKeyChoice.down, both) << "the choice is kept as made";
}
