// WinINet, loaded on the first download only: most runs never check for updates.
#pragma once

#include <windows.h>
#include <wininet.h>

#include <cstdint>

struct InternetFunctions {
    decltype(&InternetOpenW) openInternet;
    decltype(&InternetSetOptionW) setOption;
    decltype(&InternetCanonicalizeUrlW) canonicalizeUrl;
    decltype(&InternetOpenUrlW) openUrl;
    decltype(&InternetQueryDataAvailable) queryDataAvailable;
    decltype(&InternetReadFileExW) readFile;
    decltype(&HttpQueryInfoW) queryInfo;
    decltype(&InternetCloseHandle) closeHandle;
};

// Loads the library at path and looks up every function the download uses. Returns the library (the
// caller frees it), or 0 when it cannot be loaded or lacks a function, with the system's code in errorCode.
HMODULE LoadInternetFunctions(const wchar_t* path, InternetFunctions& functions, uint32_t& errorCode);

// WinINet from the system folder, loaded on the first call and kept for the run; nullptr as above.
const InternetFunctions* SystemInternetFunctions(uint32_t& errorCode);
