#include "monitor/display_settings_store.h"

#include <windows.h>

#include <new>
#include <string>
#include <span>
#include <vector>

#include "monitor/whole_file.h"

namespace {

// A scanner that holds the file for a moment at start-up must not make it look damaged.
constexpr int kReadAttempts = 10;
constexpr DWORD kReadPauseMs = 50;

bool ReadSettingsFile(const std::wstring& path, std::vector<uint8_t>& bytes) {
    // One byte beyond the largest file of ours, so the parser sees that it is too large.
    bool read = ReadFileUpTo(path.c_str(), kMaxDisplaySettingsFileBytes + 1, bytes);
    for (int attempt = 1; !read && attempt < kReadAttempts && IsMomentaryHold(GetLastError()); ++attempt) {
        Sleep(kReadPauseMs);
        read = ReadFileUpTo(path.c_str(), kMaxDisplaySettingsFileBytes + 1, bytes);
    }
    return read;
}

// An older copy set aside before moves on to the first free numbered name; false when none is free.
bool MakeRoomAside(const std::wstring& aside) {
    if (GetFileAttributesW(aside.c_str()) == INVALID_FILE_ATTRIBUTES)
        return true;
    for (int number = 1; number <= kMaxOlderDamagedCopies; ++number) {
        const std::wstring older = aside + L"." + std::to_wstring(number);
        // Without MOVEFILE_REPLACE_EXISTING the move fails on a name that is taken.
        if (MoveFileExW(aside.c_str(), older.c_str(), MOVEFILE_WRITE_THROUGH))
            return true;
    }
    return false;
}

} // namespace

std::wstring DisplaySettingsPath(const std::wstring& dataFilePath) {
    const std::size_t folderEnd = dataFilePath.find_last_of(L"\\/");
    const std::wstring folder = folderEnd == std::wstring::npos ? L"" : dataFilePath.substr(0, folderEnd + 1);
    return folder + kDisplaySettingsFileName;
}

DisplaySettingsLoad LoadDisplaySettings(DisplaySettingsStore& store, DisplaySettings& settings) {
    settings = {};
    store.leaveAlone = false;
    DisplaySettingsLoad load;
    try {
        std::vector<uint8_t> bytes;
        const bool read = ReadSettingsFile(store.path, bytes);
        if (!read && IsNotFound(GetLastError()))
            return load; // a first start, or the displays were never stored
        load.result = read ? ParseDisplaySettings(bytes, settings) : DisplaySettingsResult::Damaged;
    } catch (const std::bad_alloc&) {
        settings = {};
        load.result = DisplaySettingsResult::Damaged;
    }
    if (load.result == DisplaySettingsResult::Ok)
        return load;
    load.tellUser = true;
    const std::wstring aside = store.path + kDamagedFileSuffix;
    load.setAside = MakeRoomAside(aside) && MoveReplacing(store.path.c_str(), aside.c_str());
    store.leaveAlone = !load.setAside;
    return load;
}

bool SaveDisplaySettings(const DisplaySettingsStore& store, const DisplaySettings& settings) {
    if (store.leaveAlone || store.path.empty()) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    try {
        const std::string text = WriteDisplaySettings(settings);
        return ReplaceFileWhole(store.path,
                                std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return false;
    }
}
