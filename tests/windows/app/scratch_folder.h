// A fresh folder of its own for each test, under the runner's scratch folder.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

inline std::wstring FreshScratchFolder(const std::wstring& name) {
    wchar_t scratch[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"GLIMRA_TEST_SCRATCH", scratch, MAX_PATH))
        GetTempPathW(MAX_PATH, scratch);
    std::wstring folder = scratch;
    if (folder.empty() || folder.back() != L'\\')
        folder += L'\\';
    static int serial = 0;
    folder +=
        L"shell-" + name + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++serial);
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder + L"\\";
}

inline bool WriteBytes(const std::wstring& path, const std::vector<unsigned char>& bytes) {
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}
