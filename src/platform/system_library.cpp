#include "platform/system_library.h"

#include <string>

HMODULE LoadSystemLibrary(const wchar_t* name, LibraryLoaderProc loader) {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr; // the last error is GetSystemDirectoryW's
    const std::wstring path = std::wstring(folder, length) + L"\\" + name;
    // A full path, so the search order cannot pick a planted copy; works where LOAD_LIBRARY_SEARCH_SYSTEM32
    // is not available (Windows 7 without its update).
    return loader(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}
