// Process entry: the common controls for the thread, then the program, then the exit code. COM starts
// only when the program first opens something with the shell.
#include <windows.h>

#include <commctrl.h>
#include "app/startup.h"
#include "platform/shell_open.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), 0x706F}; // includes the trackbar the sliders derive from
    InitCommonControlsEx(&controls);
    const int result = WinMain(instance, nullptr, GetCommandLineA(), SW_HIDE);
    EndShellCom();
    ExitProcess(static_cast<UINT>(result));
}
