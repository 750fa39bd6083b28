#include "dialogs/autostart.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "platform/registry.h"

RunKeyCreateProc runKeyCreate = RegCreateKeyW;
RunValueSetProc runValueSet = RegSetValueExW;

namespace {

// The value's data is at least this long, the path padded with zero characters.
constexpr std::size_t kMinimumValueUnits = 255;
// Beyond this no Windows path can reach.
constexpr DWORD kLongestPathUnits = 32768;

bool SamePath(std::wstring_view a, std::wstring_view b) {
    return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()),
                                TRUE) == CSTR_EQUAL;
}

// The text the Run value holds now, or nothing when it is missing or not a string.
std::wstring StoredRunValue(HKEY key) {
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key, kAutoStartValueName, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return {};
    std::vector<wchar_t> data(size / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key, kAutoStartValueName, nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                         &size) != ERROR_SUCCESS)
        return {};
    return std::wstring(data.data());
}

} // namespace

std::wstring AutoStartCommand(std::wstring_view programPath) {
    return L"\"" + std::wstring(programPath) + L"\"";
}

bool AutoStartValueNamesProgram(std::wstring_view stored, std::wstring_view programPath) {
    if (programPath.empty())
        return false;
    if (stored.size() >= 2 && stored.front() == L'"' && stored.back() == L'"')
        stored = stored.substr(1, stored.size() - 2);
    return SamePath(stored, programPath);
}

std::wstring RunningProgramPath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), size);
        if (length == 0)
            return {};
        if (length < size)
            return std::wstring(buffer.data(), length);
        // A full buffer means the path was cut: try a larger one, but never hand out a cut path.
        if (size >= kLongestPathUnits)
            return {};
        buffer.resize(std::min<DWORD>(size * 2, kLongestPathUnits));
    }
}

uint8_t SetAutoStart() {
    HKEY opened = nullptr;
    if (runKeyCreate(HKEY_CURRENT_USER, kRunKeyPath, &opened) != ERROR_SUCCESS)
        return kAutoStartKeyFailed;
    UniqueRegistryKey key(opened);

    const std::wstring path = RunningProgramPath();
    if (path.empty())
        return kAutoStartValueFailed; // a cut or empty path would start some other program
    // Quoted: Windows reads an unquoted path with spaces as a chain of candidates (C:\Program.exe first).
    const std::wstring command = AutoStartCommand(path);
    std::vector<wchar_t> data(std::max(kMinimumValueUnits, command.size() + 1), L'\0');
    std::copy(command.begin(), command.end(), data.begin());
    const LSTATUS status =
        runValueSet(key.get(), kAutoStartValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.data()),
                    static_cast<DWORD>(data.size() * sizeof(wchar_t)));
    if (status == ERROR_SUCCESS)
        return kAutoStartRegistered;
    // A value that already starts this program, quoted or in the older unquoted form, still does so.
    return AutoStartValueNamesProgram(StoredRunValue(key.get()), path) ? kAutoStartRegistered
                                                                       : kAutoStartValueFailed;
}

void RemoveAutoStart() {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKeyPath, 0, KEY_ALL_ACCESS, &opened) != ERROR_SUCCESS)
        return;
    UniqueRegistryKey key(opened);
    RegDeleteValueW(key.get(), kAutoStartValueName);
}

extern "C" __declspec(dllexport) LONG WINAPI DELREGKEY(const int32_t* root, const char* subKey) {
    if (!root || !subKey || !*subKey)
        return 0; // nothing named: never delete a root key itself
    // Predefined root handles are 32-bit values sign-extended to the handle width.
    HKEY rootKey = reinterpret_cast<HKEY>(static_cast<intptr_t>(*root));

    // The whole name is converted: a name cut short could name a different key.
    const int units = MultiByteToWideChar(CP_ACP, 0, subKey, -1, nullptr, 0);
    if (units <= 1)
        return 0;
    std::wstring name(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(CP_ACP, 0, subKey, -1, name.data(), units);
    name.resize(static_cast<std::size_t>(units - 1));

    HKEY opened = nullptr;
    if (RegOpenKeyExW(rootKey, name.c_str(), 0, KEY_ALL_ACCESS, &opened) != ERROR_SUCCESS)
        return 0;
    UniqueRegistryKey key(opened);
    return RegDeleteKeyW(rootKey, name.c_str());
}
