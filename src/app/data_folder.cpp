#include "app/data_folder.h"

#include <windows.h>

#include "app/message_boxes.h"
#include "app/shell_utilities.h"

namespace {

constexpr wchar_t kRoutineName[] = L"EnsureDataFolder";
constexpr wchar_t kMakerFolder[] = L"Glimra";
// Not the program's version (that lives in CMakeLists.txt): the folder keeps this name in every later
// version, so an upgrade finds the user's settings.
constexpr wchar_t kVersionFolder[] = L"Glimra v1.3.1.2";

// A folder that cannot be made, or a file in its place, is a run-time error for the caller.
bool MakeFolder(const std::wstring& path, int line) {
    if (IsFolder(path))
        return true;
    if (CreateDirectoryW(path.c_str(), nullptr))
        return true;
    const DWORD error = GetLastError();
    if (IsFolder(path)) // made by someone else in the meantime
        return true;
    ReportRoutineError(kRoutineName, error, line);
    return false;
}

} // namespace

std::wstring EnsureDataFolderIn(std::wstring_view baseFolder) {
    const std::wstring base = AddTrailingBackslash(baseFolder);
    if (!IsFolder(base)) {
        ReportRoutineError(kRoutineName, 0, __LINE__);
        return {};
    }
    const std::wstring maker = base + kMakerFolder;
    if (!MakeFolder(maker, __LINE__))
        return {};
    const std::wstring version = maker + L"\\" + kVersionFolder;
    if (!MakeFolder(version, __LINE__))
        return {};
    return version + L"\\";
}

std::wstring EnsureDataFolder(int csidl) {
    return EnsureDataFolderIn(SpecialFolderPath(csidl));
}
