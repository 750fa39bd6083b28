#include "monitor/data_file.h"

#include <new>
#include <string>
#include <vector>

#include "monitor/data_file_layout.h"
#include "monitor/profile_table.h"
#include "monitor/settings_records.h"
#include "monitor/whole_file.h"

DataFileErrorBoxProc dataFileErrorBox = MessageBoxExW;

namespace {

constexpr UINT kSaveErrorStyle = MB_ICONEXCLAMATION | MB_SYSTEMMODAL | MB_TOPMOST; // 0x41030
constexpr WORD kMessageLanguage = 0x409;
constexpr int kCheckpointFile = 6;
static_assert(kSaveErrorStyle == 0x41030);

// The file this run could not read, and why; empty when the last load met no such file.
std::wstring unreadablePath;
DWORD unreadableError = ERROR_SUCCESS;

bool IsUnreadablePath(const wchar_t* path) {
    return !unreadablePath.empty() && path && lstrcmpiW(unreadablePath.c_str(), path) == 0;
}

std::wstring SystemMessage(DWORD error, DWORD language) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        error, language, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length && buffer ? std::wstring(buffer, length) : std::wstring();
    if (buffer)
        LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    return text;
}

// In English like the rest of the box; in the system's language when English texts are not installed.
std::wstring ErrorDescription(DWORD error) {
    std::wstring text = SystemMessage(error, kMessageLanguage);
    if (text.empty())
        text = SystemMessage(error, 0);
    if (text.empty())
        text = L"error " + std::to_wstring(error);
    return text;
}

void ShowSaveError(const std::wstring& description, int checkpoint) {
    const std::wstring text = L"ERROR: " + description + L" , Set Save File - " + std::to_wstring(checkpoint);
    dataFileErrorBox(nullptr, text.c_str(), L"ARRAY_FileSave", kSaveErrorStyle, kMessageLanguage);
}

void MarkUnreadable(const wchar_t* path, DWORD error) {
    unreadablePath = path;
    unreadableError = error == ERROR_SUCCESS ? ERROR_READ_FAULT : error;
}

} // namespace

int ARRAY_FileLoad(const wchar_t* path) {
    unreadablePath.clear();
    unreadableError = ERROR_SUCCESS;
    if (!path || !*path)
        return 0;
    std::vector<uint8_t> bytes;
    try {
        // At most as much as a sound data file can hold: the rest could never be used.
        if (!ReadFileUpTo(path, kDataFileMaxSize, bytes)) {
            // Only a missing file means a first start; any other failure leaves the user's file alone.
            const DWORD error = GetLastError();
            if (!IsNotFound(error))
                MarkUnreadable(path, error);
            return 0;
        }
        return ParseDataFile(bytes, settings, profileTable) == LoadResult::Loaded ? 1 : 0;
    } catch (const std::bad_alloc&) {
        ProfileTableReset(profileTable);
        MarkUnreadable(path, ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
}

bool DataFileUnreadable() {
    return !unreadablePath.empty();
}

void ReportUnreadableDataFile() {
    if (unreadablePath.empty())
        return;
    const std::wstring text = L"ERROR: " + ErrorDescription(unreadableError) + L" , Read File - " +
                              unreadablePath +
                              L"\r\nThe settings could not be read. This run keeps the file as it is and "
                              L"will not write it.";
    dataFileErrorBox(nullptr, text.c_str(), L"ARRAY_FileLoad", kSaveErrorStyle, kMessageLanguage);
}

int ARRAY_FileSave(const wchar_t* path) {
    if (IsUnreadablePath(path))
        return 0; // the user was told at start-up that this run leaves the file alone
    int checkpoint = 1;
    try {
        if (ProfileTableUpperIndex(profileTable) < 0)
            return 0;
        checkpoint = 3;
        settings.profileUpperIndex = profileTable.lastIndex;
        checkpoint = kCheckpointFile; // the ids, names and records shrink together, then the file is written
        ProfileTableShrinkToLastIndex(profileTable);
        const std::vector<uint8_t> bytes = SerializeDataFile(settings, profileTable);
        if (!path || !*path) {
            ShowSaveError(ErrorDescription(ERROR_INVALID_NAME), checkpoint);
            return 0;
        }
        if (!ReplaceFileWhole(path, bytes)) {
            ShowSaveError(ErrorDescription(GetLastError()), checkpoint);
            return 0;
        }
        return 1;
    } catch (const std::bad_alloc&) {
        ShowSaveError(ErrorDescription(ERROR_NOT_ENOUGH_MEMORY), checkpoint);
        return 0;
    }
}
