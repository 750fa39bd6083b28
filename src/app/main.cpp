// Process entry: COM and the common controls for the thread, then the program, then the exit code.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "app/startup.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    CoInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof(controls), 0x706F}; // includes the trackbar the sliders derive from
    InitCommonControlsEx(&controls);
    const int result = WinMain(instance, nullptr, GetCommandLineA(), SW_HIDE);
    CoUninitialize();
    ExitProcess(static_cast<UINT>(result));
}
