// Special folders, path tests and the icon loaders that start-up, the tray icon and the dialogs share.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "app/program_folder.h"

// The path of a special folder (CSIDL_APPDATA ...), or empty when the system has none.
std::wstring SpecialFolderPath(int csidl);

// True when the path names an existing folder.
bool IsFolder(std::wstring_view path);

// True when a file or folder exists at the path.
bool FileExists(std::wstring_view path);

// The path with "\" appended unless it already ends in one; an empty path gives "\".
std::wstring AddTrailingBackslash(std::wstring_view path);

// An icon at its default size from a module's resources ("A001", or "#124" for an integer id); module 0
// means the program's own. Returns 0 when it cannot be loaded.
HICON LoadIconResource(std::wstring_view name, HMODULE module, bool shared);

// An icon of the program's own resources at size × size pixels: the image of that size, or a larger one
// scaled down, never a smaller one stretched (LoadIconWithScaleDown; plain LoadImageW where common controls
// 6 are missing). Not shared: the caller destroys it. Returns 0 when it cannot be loaded.
HICON LoadIconScaledDown(std::wstring_view name, int size);

// Makes an icon the window's large icon: from the program's resources (shared) when fromResource is
// set, otherwise from the icon file of that name. Nothing happens when it cannot be loaded.
void SetWindowIconFromResource(HWND window, std::wstring_view name, bool fromResource);
