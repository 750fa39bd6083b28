#include "monitor/data_file.h"

#include <memory>
#include <new>
#include <string>
#include <vector>

#include "monitor/data_file_layout.h"
#include "monitor/profile_table.h"
#include "monitor/settings_records.h"

DataFileErrorBoxProc dataFileErrorBox = MessageBoxExW;

namespace {

constexpr UINT kSaveErrorStyle = MB_ICONEXCLAMATION | MB_SYSTEMMODAL | MB_TOPMOST; // 0x41030
constexpr WORD kMessageLanguage = 0x409;
constexpr int kCheckpointFile = 6;
constexpr wchar_t kTemporarySuffix[] = L".new";
// A virus scanner or a backup tool may hold the new or the old file for a moment after it is written.
constexpr int kReplaceAttempts = 10;
constexpr DWORD kReplacePauseMs = 50;

static_assert(kSaveErrorStyle == 0x41030);

struct FileCloser {
    void operator()(HANDLE file) const { CloseHandle(file); }
};
using UniqueFile = std::unique_ptr<void, FileCloser>;

UniqueFile OpenFile(const wchar_t* path, DWORD access, DWORD share, DWORD disposition) {
    HANDLE file = CreateFileW(path, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    return UniqueFile(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

// The file this run could not read, and why; empty when the last load met no such file.
std::wstring unreadablePath;
DWORD unreadableError = ERROR_SUCCESS;

bool IsMomentaryHold(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED;
}

bool IsNotFound(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool IsUnreadablePath(const wchar_t* path) {
    return !unreadablePath.empty() && path && lstrcmpiW(unreadablePath.c_str(), path) == 0;
}

// Reads the file, at most as much as a sound data file can hold: the rest could never be used. On
// failure the last error says why.
bool ReadDataFile(const wchar_t* path, std::vector<uint8_t>& bytes) {
    const DWORD attributes = GetFileAttributesW(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        SetLastError(ERROR_ACCESS_DENIED); // a folder stands where the file belongs
        return false;
    }
    UniqueFile file = OpenFile(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    if (!file)
        return false;
    bytes.resize(kDataFileMaxSize);
    std::size_t total = 0;
    while (total < bytes.size()) {
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + total, static_cast<DWORD>(bytes.size() - total), &read,
                      nullptr))
            return false;
        if (read == 0)
            break;
        total += read;
    }
    bytes.resize(total);
    return true;
}

bool WriteWhole(HANDLE file, const std::vector<uint8_t>& bytes) {
    std::size_t total = 0;
    while (total < bytes.size()) {
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + total, static_cast<DWORD>(bytes.size() - total), &written,
                       nullptr))
            return false;
        if (written == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        total += written;
    }
    return true;
}

// Writes the new content beside the old file and swaps it in; on failure the old file is untouched and
// the last error says why.
bool ReplaceDataFile(const std::wstring& path, const std::vector<uint8_t>& bytes) {
    // A read-only file is the user's wish to keep it (and not every system refuses to replace one).
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    const std::wstring temporary = path + kTemporarySuffix;
    // A hidden or read-only leftover of an interrupted save would refuse to be overwritten.
    SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
    {
        UniqueFile file = OpenFile(temporary.c_str(), GENERIC_WRITE, 0, CREATE_ALWAYS);
        if (!file)
            return false;
        if (!WriteWhole(file.get(), bytes) || !FlushFileBuffers(file.get())) {
            const DWORD error = GetLastError();
            file.reset();
            DeleteFileW(temporary.c_str());
            SetLastError(error);
            return false;
        }
        HANDLE handle = file.release();
        if (!CloseHandle(handle)) {
            const DWORD error = GetLastError();
            DeleteFileW(temporary.c_str());
            SetLastError(error);
            return false;
        }
    }
    const auto swapIn = [&] {
        return MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    };
    bool moved = swapIn();
    for (int attempt = 1; !moved && attempt < kReplaceAttempts && IsMomentaryHold(GetLastError()); ++attempt) {
        Sleep(kReplacePauseMs);
        moved = swapIn();
    }
    if (!moved) {
        const DWORD error = GetLastError();
        DeleteFileW(temporary.c_str());
        SetLastError(error);
        return false;
    }
    return true;
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
        if (!ReadDataFile(path, bytes)) {
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
        if (!ReplaceDataFile(path, bytes)) {
            ShowSaveError(ErrorDescription(GetLastError()), checkpoint);
            return 0;
        }
        return 1;
    } catch (const std::bad_alloc&) {
        ShowSaveError(ErrorDescription(ERROR_NOT_ENOUGH_MEMORY), checkpoint);
        return 0;
    }
}
