#include "app/message_boxes.h"

#include "app/app_state.h"
#include "app/program_folder.h"
#include "i18n/text_cut.h"

namespace {

constexpr WORD kEnglishLanguage = 0x409;
constexpr UINT kRoutineErrorStyle = MB_TOPMOST | MB_SYSTEMMODAL | MB_ICONEXCLAMATION; // 0x41030
constexpr UINT_PTR kSelfCloseTimer = 0x474C;
constexpr UINT_PTR kTopmostTimer = 0x474D;

std::wstring BoxText(std::wstring_view text) {
    return std::wstring(CutText(text, kMessageBoxTextLength));
}

std::wstring CaptionOrProgramName(std::wstring_view caption) {
    return BoxText(caption.empty() ? std::wstring_view(ProgramFileTitle()) : caption);
}

// Boxes are watched while they are created, through a thread-local CBT hook that learns the box's
// window. A self-closing box gets a timer of its own there (MessageBoxTimeoutW is undocumented and Wine
// ignores its time-out): the timer dies with the box when the user closes it first, so it can never close
// a later box. A topmost box is also placed topmost once shown, which Wine leaves undone for MB_TOPMOST.
struct WatchedBox {
    HHOOK hook = nullptr;
    UINT timeoutMs = 0; // 0: the box stays until it is closed
    bool topmost = false;
    HWND box = nullptr;
};

thread_local WatchedBox* pendingBox = nullptr;

void CALLBACK CloseBoxOnTimer(HWND box, UINT, UINT_PTR timer, DWORD) {
    KillTimer(box, timer);
    EndDialog(box, IDOK);
}

// Runs from the box's own message loop once it is shown.
void CALLBACK PlaceBoxTopmostOnTimer(HWND box, UINT, UINT_PTR timer, DWORD) {
    KillTimer(box, timer);
    SetWindowPos(box, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool IsTopLevelDialog(HWND window, const CBT_CREATEWNDW* creation) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    return lstrcmpW(className, L"#32770") == 0 && !(creation->lpcs->style & WS_CHILD);
}

LRESULT CALLBACK WatchBoxCreation(int code, WPARAM wParam, LPARAM lParam) {
    WatchedBox* pending = pendingBox;
    if (code == HCBT_CREATEWND && pending && !pending->box) {
        HWND window = reinterpret_cast<HWND>(wParam);
        if (IsTopLevelDialog(window, reinterpret_cast<const CBT_CREATEWNDW*>(lParam))) {
            pending->box = window;
            if (pending->topmost)
                SetTimer(window, kTopmostTimer, USER_TIMER_MINIMUM, PlaceBoxTopmostOnTimer);
            if (pending->timeoutMs > 0)
                SetTimer(window, kSelfCloseTimer, pending->timeoutMs, CloseBoxOnTimer);
            // The box is known: a box opened later on this thread must not be taken for it.
            UnhookWindowsHookEx(pending->hook);
            pending->hook = nullptr;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

template <typename ShowBox> int ShowWatchedBox(UINT timeoutMs, bool topmost, ShowBox show) {
    WatchedBox box;
    box.timeoutMs = timeoutMs;
    box.topmost = topmost;
    WatchedBox* outer = pendingBox;
    box.hook = SetWindowsHookExW(WH_CBT, WatchBoxCreation, nullptr, GetCurrentThreadId());
    pendingBox = &box;
    const int button = show();
    pendingBox = outer;
    if (box.hook)
        UnhookWindowsHookEx(box.hook);
    return button;
}

std::wstring ErrorDescription(DWORD errorCode) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        errorCode, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring description;
    if (length && buffer)
        description.assign(buffer, length);
    if (buffer)
        LocalFree(buffer);
    while (!description.empty() && (description.back() == L'\r' || description.back() == L'\n' ||
                                    description.back() == L' ' || description.back() == L'.'))
        description.pop_back();
    if (description.empty())
        description = L"code " + std::to_wstring(errorCode);
    return description;
}

} // namespace

UINT MessageBoxStyleForKind(int kind) {
    switch (kind) {
    case kMessageInformation:
        return MB_TOPMOST | MB_ICONINFORMATION;
    case kMessageWarning:
        return MB_TOPMOST | MB_ICONWARNING;
    case kMessageQuestion:
        return MB_TOPMOST | MB_ICONQUESTION;
    case kMessageError:
        return MB_TOPMOST | MB_ICONERROR;
    default:
        return MB_TOPMOST;
    }
}

void TimedMessageBox(HWND owner, std::wstring_view text, std::wstring_view caption, int kind, int timeoutMs) {
    if (!owner)
        owner = appState.ownerWindow;
    const std::wstring shownText = BoxText(text);
    const std::wstring shownCaption = CaptionOrProgramName(caption);
    const UINT style = MessageBoxStyleForKind(kind);
    ShowWatchedBox(timeoutMs > 0 ? static_cast<UINT>(timeoutMs) : 0, true, [&] {
        return MessageBoxExW(owner, shownText.c_str(), shownCaption.c_str(), style, kEnglishLanguage);
    });
}

int IconMessageBox(HWND owner, std::wstring_view text, std::wstring_view caption, int iconId, UINT style) {
    const std::wstring shownText(text);
    const std::wstring shownCaption = CaptionOrProgramName(caption);
    MSGBOXPARAMSW params = {};
    params.cbSize = sizeof(params);
    params.hwndOwner = owner;
    params.hInstance = GetModuleHandleW(nullptr);
    params.lpszText = shownText.c_str();
    params.lpszCaption = shownCaption.c_str();
    params.dwStyle = MB_USERICON | style;
    params.lpszIcon = MAKEINTRESOURCEW(iconId);
    return ShowWatchedBox(0, (style & MB_TOPMOST) != 0, [&] { return MessageBoxIndirectW(&params); });
}

std::wstring RoutineErrorText(DWORD errorCode, int line) {
    return L"Error " + ErrorDescription(errorCode) + L", " + std::to_wstring(line);
}

void ReportRoutineError(std::wstring_view routineName, DWORD errorCode, int line) {
    const std::wstring caption = L"Function " + std::wstring(routineName);
    MessageBoxExW(nullptr, RoutineErrorText(errorCode, line).c_str(), caption.c_str(), kRoutineErrorStyle,
                  kEnglishLanguage);
}
