#include "platform/shell_open.h"

#include <objbase.h>
#include <shellapi.h>

#include "platform/system_library.h"

namespace {

using ComInitializeProc = HRESULT(WINAPI*)(LPVOID reserved, DWORD model);
using ComUninitializeProc = void(WINAPI*)();

// Set on the thread whose open started COM, so that it, and only it, ends COM again.
thread_local ComUninitializeProc endCom = nullptr;
thread_local bool comTried = false;

void StartComOnThisThread() {
    if (comTried)
        return;
    comTried = true;
    // Kept for the run: COM objects the shell made may live until the process ends.
    HMODULE ole32 = LoadSystemLibrary(L"ole32.dll");
    if (!ole32)
        return;
    const auto initialize = LibraryFunction<ComInitializeProc>(ole32, "CoInitializeEx");
    const auto uninitialize = LibraryFunction<ComUninitializeProc>(ole32, "CoUninitialize");
    if (!initialize || !uninitialize)
        return;
    // S_FALSE (already started here) also takes a reference that must be given back.
    if (SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)))
        endCom = uninitialize;
}

} // namespace

HINSTANCE WINAPI OpenWithShell(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR folder,
                               INT show) {
    StartComOnThisThread();
    return ShellExecuteW(owner, verb, file, parameters, folder, show);
}

void EndShellCom() {
    if (endCom) {
        endCom();
        endCom = nullptr;
    }
}
