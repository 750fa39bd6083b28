#include "platform/session_notifications.h"

#include "platform/system_library.h"

SessionRegistrationProc sessionRegistration = nullptr;

namespace {

constexpr DWORD kNotifyForThisSession = 0; // NOTIFY_FOR_THIS_SESSION

HMODULE library = nullptr;
HWND registeredWindow = nullptr; // one registration per window, undone once

template <typename Function> Function LookUp(const char* name) {
    if (!library)
        library = LoadSystemLibrary(L"wtsapi32.dll");
    return LibraryFunction<Function>(library, name);
}

SessionRegistrationProc RegistrationFunction() {
    return sessionRegistration ? sessionRegistration
                               : LookUp<SessionRegistrationProc>("WTSRegisterSessionNotification");
}

} // namespace

bool RegisterSessionNotifications(HWND window) {
    if (registeredWindow == window)
        return true;
    auto function = RegistrationFunction();
    // Before the session services are up the call fails (RPC_S_INVALID_BINDING); the caller asks again.
    if (!function || !function(window, kNotifyForThisSession))
        return false;
    registeredWindow = window;
    return true;
}

void StartSessionNotifications(HWND window) {
    // Where the library is missing there is nothing to wait for.
    if (!RegisterSessionNotifications(window) && RegistrationFunction())
        SetTimer(window, IDT_SESSION_RETRY, kSessionRetryMs, nullptr);
}

void RetrySessionNotifications(HWND window) {
    if (RegisterSessionNotifications(window))
        KillTimer(window, IDT_SESSION_RETRY);
}

void UnregisterSessionNotifications(HWND window) {
    KillTimer(window, IDT_SESSION_RETRY);
    if (registeredWindow != window)
        return;
    using Function = BOOL(WINAPI*)(HWND);
    if (auto function = LookUp<Function>("WTSUnRegisterSessionNotification"))
        function(window);
    registeredWindow = nullptr;
}
