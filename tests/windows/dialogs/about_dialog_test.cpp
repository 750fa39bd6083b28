#include "dialogs/about_dialog.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/scratch_folder.h"
#include "dialogs/dialogs.h"
#include "icon_width.h"
#include "i18n/language.h"
#include "i18n/text_table.h"
#include "monitor/settings_records.h"
#include "platform/dpi.h"
#include "platform/wide.h"

namespace {

struct ShellCall {
    HWND owner;
    std::wstring verb;
    std::wstring file;
};
std::vector<ShellCall> shellCalls;

HINSTANCE WINAPI RecordShellOpen(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR, LPCWSTR, INT) {
    shellCalls.push_back({owner, verb ? verb : L"", file ? file : L""});
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(ERROR_FILE_NOT_FOUND)); // as without a browser
}

// One showing of the modal dialog, driven from a timer of the test thread: once the dialog is up,
// whileOpen inspects it and close ends it as a user would. Past the deadline the dialog is destroyed,
// so no test leaves a window behind.
struct DialogRun {
    std::function<void(HWND)> whileOpen;
    std::function<void(HWND)> close;
    HWND dialog = nullptr;
    bool forced = false;
    ULONGLONG deadline = 0;
};
DialogRun* currentRun = nullptr;

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    DialogRun& run = *currentRun;
    HWND dialog = appState.aboutDialog;
    if (!run.dialog && dialog && IsWindowVisible(dialog)) {
        run.dialog = dialog;
        run.whileOpen(dialog);
        run.close(dialog);
    } else if (dialog && GetTickCount64() > run.deadline) {
        run.forced = true;
        DestroyWindow(dialog);
    }
}

void PressEscape(HWND dialog) {
    PostMessageW(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
}

void ClickLabel(HWND dialog, int id) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, STN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

class AboutDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        savedSettings_ = settings;
        ResetTextTableForTesting();
        const std::wstring folder = FreshScratchFolder(L"about");
        const std::u16string file = u"[ABOUTDLG]\r\nAboutProgram=About Glimra\r\nDescDonate=Support us\r\n"
                                    u"[ABOUTDLG]\r\n";
        std::vector<unsigned char> bytes = {0xFF, 0xFE};
        for (char16_t c : file) {
            bytes.push_back(static_cast<unsigned char>(c & 0xFF));
            bytes.push_back(static_cast<unsigned char>(c >> 8));
        }
        ASSERT_TRUE(WriteBytes(folder + L"English.lng", bytes));
        SelectLanguage(u"English.lng", ToU16(folder));
        SetLanguageFileName(settings, u"English.lng");

        owner_ = CreateWindowExW(0, L"STATIC", L"about owner", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        appState.ownerWindow = owner_;
        shellCalls.clear();
        aboutShellOpen = RecordShellOpen;
    }
    void TearDown() override {
        aboutShellOpen = ShellExecuteW;
        appState.ownerWindow = nullptr;
        appState.aboutDialog = nullptr;
        DestroyWindow(owner_);
        ResetTextTableForTesting();
        settings = savedSettings_;
        languageFolder.clear();
        startupLanguageFile.clear();
        startupLanguagePath.clear();
    }

    // Shows the dialog and returns when it has ended; the run records what happened.
    void Show(DialogRun& run) {
        run.deadline = GetTickCount64() + 10000;
        currentRun = &run;
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, Tick);
        ShowAboutDialog(owner_);
        KillTimer(nullptr, timer);
        currentRun = nullptr;
    }

    SettingsBlock savedSettings_;
    HWND owner_ = nullptr;
};

TEST_F(AboutDialog, ShowsItsTextsAtThePixelLayoutAndHoldsItsHandleOnlyWhileOpen) {
    std::wstring caption, product, version, rule, page, donate;
    RECT client{}, pageRect{};
    bool handleWhileOpen = false, ownerDisabled = false, hasPicture = false, hasLargeIcon = false;
    DialogRun run;
    run.whileOpen = [&](HWND dialog) {
        handleWhileOpen = appState.aboutDialog == dialog;
        ownerDisabled = !IsWindowEnabled(owner_);
        caption = TextOf(dialog);
        product = TextOf(GetDlgItem(dialog, IDC_ABOUT_PRODUCT));
        version = TextOf(GetDlgItem(dialog, IDC_ABOUT_VERSION));
        rule = TextOf(GetDlgItem(dialog, IDC_ABOUT_RULE));
        page = TextOf(GetDlgItem(dialog, IDC_ABOUT_PROGRAM_PAGE));
        donate = TextOf(GetDlgItem(dialog, IDC_ABOUT_DONATE));
        GetClientRect(dialog, &client);
        GetWindowRect(GetDlgItem(dialog, IDC_ABOUT_PROGRAM_PAGE), &pageRect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&pageRect), 2);
        hasPicture = SendMessageW(GetDlgItem(dialog, IDC_ABOUT_PICTURE), STM_GETICON, 0, 0) != 0;
        hasLargeIcon = SendMessageW(dialog, WM_GETICON, ICON_BIG, 0) != 0;
        // A second request while open does nothing and returns at once.
        ShowAboutDialog(owner_);
    };
    run.close = PressEscape;
    Show(run);

    ASSERT_NE(run.dialog, nullptr);
    EXPECT_FALSE(run.forced) << "Escape did not end the dialog";
    EXPECT_TRUE(handleWhileOpen);
    EXPECT_EQ(appState.aboutDialog, nullptr);
    EXPECT_FALSE(IsWindow(run.dialog));
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(owner_));

    EXPECT_EQ(caption, L"About Glimra");
    EXPECT_EQ(product, L"Glimra V1.3 03-15-2020");
    EXPECT_EQ(version, L"Glimra VX 1.3.1.2- version.");
    EXPECT_EQ(rule, std::wstring(48, L'-'));
    EXPECT_EQ(page, GLIMRA_PROGRAM_PAGE);
    EXPECT_EQ(donate, L"Support us");
    EXPECT_EQ(client.right, 280);
    EXPECT_EQ(client.bottom, 340);
    EXPECT_EQ(pageRect.left, 40);
    EXPECT_EQ(pageRect.top, 75);
    EXPECT_EQ(pageRect.right - pageRect.left, 200);
    EXPECT_EQ(pageRect.bottom - pageRect.top, 18);
    EXPECT_TRUE(hasPicture);
    EXPECT_TRUE(hasLargeIcon);
}

TEST_F(AboutDialog, LinksAskTheShellToOpenTheirPagesAndAFailureKeepsTheDialogOpen) {
    bool openAfterClicks = false;
    HCURSOR staticCursorBefore = nullptr, staticCursorWhileOpen = nullptr;
    DialogRun run;
    run.whileOpen = [&](HWND dialog) {
        ClickLabel(dialog, IDC_ABOUT_PROGRAM_PAGE);
        ClickLabel(dialog, IDC_ABOUT_DONATE);
        openAfterClicks = IsWindow(dialog) && appState.aboutDialog == dialog;
        staticCursorWhileOpen =
            reinterpret_cast<HCURSOR>(GetClassLongPtrW(GetDlgItem(dialog, IDC_ABOUT_RULE), GCLP_HCURSOR));
    };
    run.close = [](HWND dialog) { PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); };
    staticCursorBefore = reinterpret_cast<HCURSOR>(GetClassLongPtrW(owner_, GCLP_HCURSOR));
    Show(run);

    ASSERT_NE(run.dialog, nullptr);
    EXPECT_FALSE(run.forced) << "the close box did not end the dialog";
    EXPECT_TRUE(openAfterClicks);
    ASSERT_EQ(shellCalls.size(), 2u);
    EXPECT_EQ(shellCalls[0].file, GLIMRA_PROGRAM_PAGE);
    EXPECT_EQ(shellCalls[1].file, GLIMRA_DONATE_PAGE);
    for (const ShellCall& call : shellCalls) {
        EXPECT_EQ(call.owner, owner_);
        EXPECT_EQ(call.verb, L"Open");
    }
    // The hand is the links' own: other labels of the process keep their class cursor.
    EXPECT_EQ(staticCursorWhileOpen, staticCursorBefore);
    EXPECT_EQ(appState.aboutDialog, nullptr);
}

TEST_F(AboutDialog, FontsHaveTheirSizesAndStylesAndAreReleasedWhenTheDialogEnds) {
    const int ids[] = {IDC_ABOUT_PRODUCT, IDC_ABOUT_VERSION, IDC_ABOUT_PROGRAM_PAGE, IDC_ABOUT_DONATE};
    HFONT fonts[4] = {};
    LOGFONTW described[4] = {};
    DialogRun run;
    run.whileOpen = [&](HWND dialog) {
        for (int i = 0; i < 4; ++i) {
            fonts[i] = reinterpret_cast<HFONT>(SendMessageW(GetDlgItem(dialog, ids[i]), WM_GETFONT, 0, 0));
            GetObjectW(fonts[i], sizeof(LOGFONTW), &described[i]);
        }
    };
    run.close = PressEscape;
    Show(run);

    ASSERT_NE(run.dialog, nullptr);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(ids[i]);
        ASSERT_NE(fonts[i], nullptr);
        EXPECT_STREQ(described[i].lfFaceName, L"Arial Unicode MS");
        EXPECT_EQ(described[i].lfWeight, FW_BOLD);
        EXPECT_EQ(described[i].lfUnderline != 0,
                  ids[i] == IDC_ABOUT_PROGRAM_PAGE || ids[i] == IDC_ABOUT_DONATE);
        EXPECT_EQ(GetObjectType(fonts[i]), 0u) << "font still alive after the dialog ended";
    }
    // 14, 10 and 11 points: the title largest, the donation link above the program-page link.
    EXPECT_LT(described[0].lfHeight, described[3].lfHeight);
    EXPECT_LT(described[3].lfHeight, described[2].lfHeight);
    EXPECT_EQ(described[1].lfHeight, described[2].lfHeight);
    EXPECT_NE(fonts[1], fonts[2]);
}

// The visible dialogs of this thread, the open About dialog among them.
int VisibleDialogsOfThisThread() {
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM lParam) -> BOOL {
            wchar_t name[16] = {};
            GetClassNameW(window, name, 16);
            if (lstrcmpW(name, L"#32770") == 0 && IsWindowVisible(window))
                ++*reinterpret_cast<int*>(lParam);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

TEST_F(AboutDialog, ASecondRequestWhileOpenBringsTheOpenOneForwardAndMakesNoOther) {
    HWND elsewhere = nullptr, foregroundBefore = nullptr, foregroundAfter = nullptr;
    HWND handleAfter = nullptr;
    int dialogsAfter = 0;
    ULONGLONG secondRequestMs = 0;
    DialogRun run;
    run.whileOpen = [&](HWND) {
        // The user has gone on to another window meanwhile.
        elsewhere = CreateWindowExW(0, L"STATIC", L"elsewhere", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 120, 80,
                                    nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetForegroundWindow(elsewhere);
        foregroundBefore = GetForegroundWindow();
        const ULONGLONG start = GetTickCount64();
        ShowAboutDialog(owner_);
        secondRequestMs = GetTickCount64() - start;
        foregroundAfter = GetForegroundWindow();
        handleAfter = appState.aboutDialog;
        dialogsAfter = VisibleDialogsOfThisThread();
    };
    run.close = PressEscape;
    Show(run);
    if (elsewhere)
        DestroyWindow(elsewhere);

    ASSERT_NE(run.dialog, nullptr);
    EXPECT_FALSE(run.forced) << "Escape did not end the dialog";
    ASSERT_EQ(foregroundBefore, elsewhere) << "the test could not put another window in front";
    EXPECT_EQ(foregroundAfter, run.dialog) << "the open dialog comes forward";
    EXPECT_EQ(handleAfter, run.dialog);
    EXPECT_EQ(dialogsAfter, 1) << "no second dialog";
    EXPECT_LT(secondRequestMs, 2000u) << "the second request returns at once, not when a dialog ends";
    EXPECT_EQ(appState.aboutDialog, nullptr);
}

// Dragged to a monitor at 150 %: the dialog takes the place Windows suggests and lays itself out again
// from its 96-DPI layout, with fonts made for the new scale; the fonts and picture it replaces are released.
TEST_F(AboutDialog, ANewDpiLaysTheDialogOutAgainAtTheSuggestedPlace) {
    struct Seen {
        RECT frame{};
        RECT page{}, picture{}, donate{};
        LONG title = 0, text = 0, link = 0, donateFont = 0;
        int pictureWidth = 0;
        bool oldFontsGone = false, oldPictureGone = false;
        bool sizeAnswered = false;
        SIZE size{100, 100};
        RECT expectedFrame{};
    } seen;
    const RECT suggested{30, 40, 30 + 430, 40 + 560};
    DialogRun run;
    run.whileOpen = [&](HWND dialog) {
        auto fontOf = [&](int id) {
            return reinterpret_cast<HFONT>(SendMessageW(GetDlgItem(dialog, id), WM_GETFONT, 0, 0));
        };
        auto heightOf = [&](int id) {
            LOGFONTW font{};
            GetObjectW(fontOf(id), sizeof(font), &font);
            return font.lfHeight;
        };
        auto rectOf = [&](int id) {
            RECT rect{};
            GetWindowRect(GetDlgItem(dialog, id), &rect);
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
            return rect;
        };
        const HFONT oldTitle = fontOf(IDC_ABOUT_PRODUCT);
        const HFONT oldLink = fontOf(IDC_ABOUT_PROGRAM_PAGE);
        const HICON oldPicture =
            reinterpret_cast<HICON>(SendMessageW(GetDlgItem(dialog, IDC_ABOUT_PICTURE), STM_GETICON, 0, 0));

        // Asked first for its size at the new scale: its own client area, not the old frame scaled.
        seen.sizeAnswered = SendMessageW(dialog, 0x02E4, 144, reinterpret_cast<LPARAM>(&seen.size)) == TRUE;
        seen.expectedFrame = FrameForClient(420, 510, static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE)),
                                            static_cast<DWORD>(GetWindowLongW(dialog, GWL_EXSTYLE)), 144);
        SendMessageW(dialog, 0x02E0, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
        GetWindowRect(dialog, &seen.frame);
        seen.page = rectOf(IDC_ABOUT_PROGRAM_PAGE);
        seen.picture = rectOf(IDC_ABOUT_PICTURE);
        seen.donate = rectOf(IDC_ABOUT_DONATE);
        seen.title = heightOf(IDC_ABOUT_PRODUCT);
        seen.text = heightOf(IDC_ABOUT_DESCRIPTION);
        seen.link = heightOf(IDC_ABOUT_PROGRAM_PAGE);
        seen.donateFont = heightOf(IDC_ABOUT_DONATE);
        seen.pictureWidth = IconWidth(
            reinterpret_cast<HICON>(SendMessageW(GetDlgItem(dialog, IDC_ABOUT_PICTURE), STM_GETICON, 0, 0)));
        seen.oldFontsGone = GetObjectType(oldTitle) == 0 && GetObjectType(oldLink) == 0;
        ICONINFO info{};
        seen.oldPictureGone = !GetIconInfo(oldPicture, &info);
    };
    run.close = PressEscape;
    Show(run);

    ASSERT_NE(run.dialog, nullptr);
    EXPECT_FALSE(run.forced);
    EXPECT_TRUE(seen.sizeAnswered);
    EXPECT_EQ(seen.size.cx, seen.expectedFrame.right - seen.expectedFrame.left);
    EXPECT_EQ(seen.size.cy, seen.expectedFrame.bottom - seen.expectedFrame.top);
    EXPECT_EQ(seen.frame.left, suggested.left);
    EXPECT_EQ(seen.frame.top, suggested.top);
    EXPECT_EQ(seen.frame.right, suggested.right);
    EXPECT_EQ(seen.frame.bottom, suggested.bottom);
    // 40, 75, 200 × 18; 80, 110, 128 × 128; 27, 292, 225 × 24 at 96 DPI.
    EXPECT_EQ(seen.page.left, 60);
    EXPECT_EQ(seen.page.top, 113);
    EXPECT_EQ(seen.page.right - seen.page.left, 300);
    EXPECT_EQ(seen.page.bottom - seen.page.top, 27);
    EXPECT_EQ(seen.picture.left, 120);
    EXPECT_EQ(seen.picture.top, 165);
    EXPECT_EQ(seen.picture.right - seen.picture.left, 192);
    EXPECT_EQ(seen.pictureWidth, 192) << "the picture made for the new scale";
    EXPECT_EQ(seen.donate.left, 41);
    EXPECT_EQ(seen.donate.top, 438);
    EXPECT_EQ(seen.donate.right - seen.donate.left, 338);
    EXPECT_EQ(seen.donate.bottom - seen.donate.top, 36);
    // 14, 10, 10 and 11 points at 144 DPI.
    EXPECT_EQ(seen.title, -28);
    EXPECT_EQ(seen.text, -20);
    EXPECT_EQ(seen.link, -20);
    EXPECT_EQ(seen.donateFont, -22);
    EXPECT_TRUE(seen.oldFontsGone) << "the fonts made for 96 DPI are released";
    EXPECT_TRUE(seen.oldPictureGone);
}

} // namespace
