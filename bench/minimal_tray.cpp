// The benchmark's yardstick: the least a tray program can be, a hidden window and one tray icon.
#include <windows.h>
#include <shellapi.h>

namespace {
constexpr UINT kTrayMessage = WM_APP + 1;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kTrayMessage && LOWORD(lParam) == WM_MBUTTONDOWN) {
        DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY) {
        NOTIFYICONDATAW data{};
        data.cbSize = sizeof(data);
        data.hWnd = window;
        data.uID = 1;
        Shell_NotifyIconW(NIM_DELETE, &data);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"MinimalTrayClass";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"Minimal tray", WS_POPUP, 0, 0, 10,
                                  10, nullptr, nullptr, instance, nullptr);
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window;
    data.uID = 1;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayMessage;
    data.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    lstrcpyW(data.szTip, L"Minimal tray");
    if (Shell_NotifyIconW(NIM_ADD, &data))
        OutputDebugStringW(L"Minimal: tray icon added\n"); // the benchmark's start-up mark
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
