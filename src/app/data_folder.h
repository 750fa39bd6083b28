// The program's folder for its data file: "Glimra\Glimra v1.3.1.2\" under a special folder.
#pragma once

#include <string>
#include <string_view>

// Creates the data folder under the special folder csidl (CSIDL_APPDATA at start-up) when it is missing
// and returns it with a trailing backslash; on failure reports the error and returns an empty text.
std::wstring EnsureDataFolder(int csidl);

// The same under a given base folder; an empty base means the root of the current drive.
std::wstring EnsureDataFolderIn(std::wstring_view baseFolder);
