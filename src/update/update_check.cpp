#include "update/update_check.h"

#include <cstdlib>
#include <memory>

#include "app/message_boxes.h"
#include "i18n/language.h"
#include "platform/internet.h"
#include "platform/shell_open.h"
#include "platform/wide.h"
#include "update/download.h"
#include "update/update_check_progress.h"
#include "update/update_document.h"

namespace {

constexpr int kErrorMessageTimeoutMs = 8000;
constexpr int kProgramIconId = 110;
constexpr wchar_t kAnswerWindowClass[] = L"GlimraUpdateAnswers";
// Sent by the worker: wParam the check's generation, lParam its outcome (a std::u16string the receiver
// frees).
constexpr UINT kAnswerMessage = WM_APP + 1;
constexpr UINT_PTR kDeadlineTimer = 1;

int ShowUpdateMessageBox(HWND owner, UpdateMessageKind kind, std::wstring_view text,
                         std::wstring_view caption) {
    switch (kind) {
    case UpdateMessageKind::DownloadError:
        TimedMessageBox(owner, text, caption, kMessageWarning, kErrorMessageTimeoutMs);
        return IDOK;
    case UpdateMessageKind::NoData:
        TimedMessageBox(owner, text, caption, kMessageWarning, 0);
        return IDOK;
    case UpdateMessageKind::NotNewer:
        TimedMessageBox(owner, text, caption, kMessageInformation, 0);
        return IDOK;
    case UpdateMessageKind::NewerVersion:
        break;
    }
    return IconMessageBox(owner, text, caption, kProgramIconId, MB_TOPMOST | MB_YESNO);
}

void OpenPageInBrowser(const wchar_t* address) {
    // Not reported: the check is over, and the menu still offers the same page.
    OpenWithShell(nullptr, L"Open", address, L"", L"", SW_SHOWNORMAL);
}

UpdateCheckPresenter presenter = DefaultUpdateCheckPresenter();
UpdateCheckProgress progress;
HWND messageOwner = nullptr;

// Everything the worker uses is its own or lives until the process ends: the function table is filled on
// the window thread and WinINet is never unloaded during the run. The window thread never waits for the
// worker; at exit the process ends with the worker still blocked, if it is.
struct CheckJob {
    HWND answerWindow;
    uint32_t generation;
    std::wstring url;
    const InternetFunctions* api;
    uint32_t loadError;
};

// The worker owns and closes its WinINet handles. Nothing aborts it from outside: WinINet documents closing a
// handle as safe only while no call uses it, so a blocked call runs to WinINet's own end, and its late
// answer is dropped by the window thread.
DWORD WINAPI CheckWorker(void* parameter) {
    const std::unique_ptr<CheckJob> job(static_cast<CheckJob*>(parameter));
    auto download = [&job](std::u16string_view url, uint32_t& code, std::u16string& text, uint8_t ignore) {
        return DownloadUrlWith(job->api, job->loadError, url, code, text, ignore);
    };
    auto outcome = std::make_unique<std::u16string>(
        CheckForUpdate(AsU16(job->url), kUpdateProductTag, kUpdateProgramVersion, download));
    // A window that is gone (the program is ending) refuses the message; the outcome is then freed here.
    if (PostMessageW(job->answerWindow, kAnswerMessage, job->generation,
                     reinterpret_cast<LPARAM>(outcome.get())))
        outcome.release();
    return 0;
}

void ShowOutcome(std::u16string_view outcome) {
    LoadLanguageSection(u"[UPDATA]", CurrentLanguageFilePath());
    const std::wstring caption = ToWide(UpdateMessageCaption());
    const UpdateMessageKind kind = ClassifyUpdateOutcome(outcome);
    const std::wstring text = ToWide(UpdateMessageText(kind, outcome));
    const int answer = presenter.showMessage(messageOwner, kind, text, caption);
    if (kind == UpdateMessageKind::NewerVersion && answer == IDYES) {
        presenter.openProgramPage(GLIMRA_PROGRAM_PAGE);
    }
    EndUpdateCheck(progress);
}

LRESULT CALLBACK AnswerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kAnswerMessage) {
        const std::unique_ptr<std::u16string> outcome(reinterpret_cast<std::u16string*>(lParam));
        if (AcceptUpdateAnswer(progress, static_cast<uint32_t>(wParam))) {
            KillTimer(window, kDeadlineTimer);
            ShowOutcome(*outcome);
        }
        return 0;
    }
    if (message == WM_TIMER && wParam == kDeadlineTimer) {
        KillTimer(window, kDeadlineTimer);
        if (AcceptUpdateAnswer(progress, progress.generation))
            ShowOutcome(DeadlineOutcome());
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A message-only window on the thread that starts checks: it receives the answers and the deadline.
HWND AnswerWindow() {
    static HWND window = nullptr;
    if (window)
        return window;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = AnswerWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kAnswerWindowClass;
    RegisterClassExW(&windowClass);
    window = CreateWindowExW(0, kAnswerWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                             windowClass.hInstance, nullptr);
    return window;
}

#ifdef GLIMRA_TEST_SEAMS
// The tests' build only: the system tests shorten the deadline so they need not wait 30 s for it.
void ApplyTestDeadline() {
    wchar_t value[16] = {};
    const DWORD length = GetEnvironmentVariableW(L"GLIMRA_TEST_UPDATE_DEADLINE_MS", value, 16);
    if (length > 0 && length < 16)
        downloadDeadlineMs = static_cast<uint32_t>(_wtoi(value));
}
#endif

} // namespace

UpdateCheckPresenter DefaultUpdateCheckPresenter() {
    return {ShowUpdateMessageBox, OpenPageInBrowser};
}

UpdateCheckPresenter SetUpdateCheckPresenter(UpdateCheckPresenter replacement) {
    const UpdateCheckPresenter previous = presenter;
    presenter = replacement;
    return previous;
}

std::u16string CheckForUpdate(std::u16string_view url, std::u16string_view productTag,
                              std::u16string_view currentVersion) {
    return CheckForUpdate(url, productTag, currentVersion, DownloadUrl);
}

bool RunUpdateCheck(HWND ownerWindow) {
#ifdef GLIMRA_TEST_SEAMS
    ApplyTestDeadline();
#endif
    return RunUpdateCheckAt(ownerWindow, GLIMRA_UPDATE_URL);
}

bool RunUpdateCheckAt(HWND ownerWindow, std::wstring_view documentUrl) {
    if (!BeginUpdateCheck(progress))
        return false;
    messageOwner = ownerWindow;
    // Loaded here, never on a worker: two workers (one abandoned at the deadline) must not race to load it.
    uint32_t loadError = 0;
    const InternetFunctions* api = SystemInternetFunctions(loadError);
    HWND answers = AnswerWindow();
    if (!answers) {
        // Without a window to answer to, the check can only run here, as it once always did.
        AcceptUpdateAnswer(progress, progress.generation);
        ShowOutcome(CheckForUpdate(AsU16(documentUrl), kUpdateProductTag, kUpdateProgramVersion));
        return true;
    }
    SetTimer(answers, kDeadlineTimer, downloadDeadlineMs.load(), nullptr);
    auto* job = new CheckJob{answers, progress.generation, std::wstring(documentUrl), api, loadError};
    if (HANDLE thread = CreateThread(nullptr, 0, CheckWorker, job, 0, nullptr))
        CloseHandle(thread); // detached: nothing ever waits for the worker
    else
        CheckWorker(job); // no thread to spare: download here; the answer still arrives as a message
    return true;
}

bool UpdateCheckRunning() {
    return progress.busy;
}
