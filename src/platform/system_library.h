// Libraries of the operating system, loaded at run time from the system folder by full path.
#pragma once

#include <windows.h>

// Loads name (e.g. L"wininet.dll") from the system folder, never from the program's folder or the current
// directory; the libraries it needs are searched from the system folder as well. 0 on failure, with the
// last error set.
HMODULE LoadSystemLibrary(const wchar_t* name);
