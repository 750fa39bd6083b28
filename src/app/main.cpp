// Process entry point: a bare hidden window and its message loop, until the application shell lands.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance;
    wc.lpszClassName = L"GLIMRA_V1T3_Class";
    RegisterClassExW(&wc);
    CreateWindowExW(0, wc.lpszClassName, L"Glimra", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
