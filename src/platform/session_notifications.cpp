#include "platform/session_notifications.h"

#include "platform/system_library.h"

namespace {

constexpr DWORD kNotifyForThisSession = 0; // NOTIFY_FOR_THIS_SESSION

HMODULE library = nullptr;
bool registered = false;

template <typename Function> Function LookUp(const char* name) {
    if (!library)
        library = LoadSystemLibrary(L"wtsapi32.dll");
    return LibraryFunction<Function>(library, name);
}

} // namespace

bool RegisterSessionNotifications(HWND window) {
    if (registered)
        return true;
    using Function = BOOL(WINAPI*)(HWND, DWORD);
    auto function = LookUp<Function>("WTSRegisterSessionNotification");
    // Early in a logon the session service may not answer yet; the caller asks again later.
    registered = function && function(window, kNotifyForThisSession);
    return registered;
}

void UnregisterSessionNotifications(HWND window) {
    if (!registered)
        return;
    using Function = BOOL(WINAPI*)(HWND);
    if (auto function = LookUp<Function>("WTSUnRegisterSessionNotification"))
        function(window);
    registered = false;
}
