#include "monitor/whole_file.h"

#include <memory>

namespace {

constexpr wchar_t kTemporarySuffix[] = L".new";
constexpr int kMoveAttempts = 10;
constexpr DWORD kMovePauseMs = 50;

struct FileCloser {
    void operator()(HANDLE file) const { CloseHandle(file); }
};
using UniqueFile = std::unique_ptr<void, FileCloser>;

UniqueFile OpenFile(const wchar_t* path, DWORD access, DWORD share, DWORD disposition) {
    HANDLE file = CreateFileW(path, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    return UniqueFile(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

bool WriteWhole(HANDLE file, std::span<const uint8_t> bytes) {
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

// Deletes the temporary file without losing the error that made us give it up.
bool GiveUp(const std::wstring& temporary) {
    const DWORD error = GetLastError();
    DeleteFileW(temporary.c_str());
    SetLastError(error);
    return false;
}

} // namespace

bool IsMomentaryHold(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED;
}

bool IsNotFound(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool ReadFileUpTo(const wchar_t* path, std::size_t limit, std::vector<uint8_t>& bytes) {
    const DWORD attributes = GetFileAttributesW(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        SetLastError(ERROR_ACCESS_DENIED); // a folder stands where the file belongs
        return false;
    }
    UniqueFile file = OpenFile(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    if (!file)
        return false;
    bytes.resize(limit);
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

bool ReplaceFileWhole(const std::wstring& path, std::span<const uint8_t> bytes) {
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
            SetLastError(error);
            return GiveUp(temporary);
        }
        if (!CloseHandle(file.release()))
            return GiveUp(temporary);
    }
    if (!MoveReplacing(temporary.c_str(), path.c_str()))
        return GiveUp(temporary);
    return true;
}

bool MoveReplacing(const wchar_t* from, const wchar_t* to) {
    constexpr DWORD flags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    bool moved = MoveFileExW(from, to, flags);
    for (int attempt = 1; !moved && attempt < kMoveAttempts && IsMomentaryHold(GetLastError()); ++attempt) {
        Sleep(kMovePauseMs);
        moved = MoveFileExW(from, to, flags);
    }
    return moved;
}
