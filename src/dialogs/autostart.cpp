#include "dialogs/autostart.h"

#include <algorithm>
#include <vector>

#include "platform/registry.h"

namespace {

// The value's data is at least this long, the path padded with zero characters.
constexpr std::size_t kMinimumValueUnits = 255;
// Beyond this no Windows path can reach.
constexpr DWORD kLongestPathUnits = 32768;

} // namespace

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
    if (RegCreateKeyW(HKEY_CURRENT_USER, kRunKeyPath, &opened) != ERROR_SUCCESS)
        return kAutoStartKeyFailed;
    UniqueRegistryKey key(opened);

    const std::wstring path = RunningProgramPath();
    if (path.empty())
        return kAutoStartValueFailed; // a cut or empty path would start some other program
    std::vector<wchar_t> data(std::max(kMinimumValueUnits, path.size() + 1), L'\0');
    std::copy(path.begin(), path.end(), data.begin());
    const LSTATUS status =
        RegSetValueExW(key.get(), kAutoStartValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.data()),
                       static_cast<DWORD>(data.size() * sizeof(wchar_t)));
    return status == ERROR_SUCCESS ? kAutoStartRegistered : kAutoStartValueFailed;
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
