#include "app/shell_utilities.h"

#include <shlobj.h>
#include <shlwapi.h>

#include "platform/system_library.h"

namespace {

constexpr std::size_t kResourceNameLength = 31;

} // namespace

std::wstring SpecialFolderPath(int csidl) {
    // Into our own buffer: an item list would be allocated by COM, which a start must not load.
    wchar_t path[MAX_PATH] = {};
    if (SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path) != S_OK)
        return {};
    return path;
}

bool IsFolder(std::wstring_view path) {
    return PathIsDirectoryW(std::wstring(path).c_str()) != FALSE;
}

bool FileExists(std::wstring_view path) {
    return PathFileExistsW(std::wstring(path).c_str()) != FALSE;
}

std::wstring AddTrailingBackslash(std::wstring_view path) {
    std::wstring result(path);
    if (result.empty() || result.back() != L'\\')
        result += L'\\';
    return result;
}

namespace {

HICON LoadIconAtSize(std::wstring_view name, HMODULE module, int width, int height, UINT flags) {
    if (!module)
        module = GetModuleHandleW(nullptr);
    if (!module)
        return nullptr;
    const std::wstring resource(name.substr(0, kResourceNameLength));
    return static_cast<HICON>(LoadImageW(module, resource.c_str(), IMAGE_ICON, width, height, flags));
}

} // namespace

HICON LoadIconResource(std::wstring_view name, HMODULE module, bool shared) {
    return LoadIconAtSize(name, module, 0, 0, shared ? LR_SHARED : 0);
}

HICON LoadIconScaledDown(std::wstring_view name, int size) {
    const std::wstring resource(name.substr(0, kResourceNameLength));
    HMODULE module = GetModuleHandleW(nullptr);
    // Common controls 6 (the manifest's), looked up at run time: the function is missing from version 5.
    using Function = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);
    const auto scaleDown =
        LibraryFunction<Function>(GetModuleHandleW(L"comctl32.dll"), "LoadIconWithScaleDown");
    HICON icon = nullptr;
    if (scaleDown && SUCCEEDED(scaleDown(module, resource.c_str(), size, size, &icon)) && icon)
        return icon;
    return LoadIconAtSize(name, module, size, size, 0);
}

void SetWindowIconFromResource(HWND window, std::wstring_view name, bool fromResource) {
    const std::wstring source(name);
    HANDLE icon = fromResource
                      ? LoadImageW(GetModuleHandleW(nullptr), source.c_str(), IMAGE_ICON, 0, 0, LR_SHARED)
                      : LoadImageW(nullptr, source.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE);
    if (icon)
        SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}
