// Libraries of the operating system, loaded at run time from the system folder by full path.
#pragma once

#include <windows.h>

// LoadLibraryExW's shape, so a test can stand in for the loader.
using LibraryLoaderProc = HMODULE(WINAPI*)(LPCWSTR name, HANDLE reserved, DWORD flags);

// Loads name (e.g. L"wininet.dll") by the full path of the system folder's copy, never from the program's
// folder or the current directory; the libraries it needs are searched from the system folder as well.
// 0 on failure, with the last error set.
HMODULE LoadSystemLibrary(const wchar_t* name, LibraryLoaderProc loader = LoadLibraryExW);

// The function module exports by name, as the caller's type; nullptr when module is 0 or lacks it.
template <typename Function> Function LibraryFunction(HMODULE module, const char* name) {
    if (!module)
        return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
