// A simulated DDC/CI monitor behind the physical-monitor functions of dxva2.dll.
//
// Its state lives in "<DXVA2_SIM_DIR>\monitor.txt" (key=value lines), so it persists across the
// program's runs like a real monitor's; every call is appended to "<DXVA2_SIM_DIR>\calls.log" as
//   <ms since load> <unix epoch ms> <function> code=0x<hex> value=<n> result=<0|1> handle=0x<hex>
//   display=DISPLAY<n>
// where handle is the physical-monitor handle the call used (the first one handed out or released) and
// display the display whose monitor answered (DISPLAY1 for a handle no display knows). New fields only ever
// go at the end of the line.
// Keys: brightness, brightness_max, contrast, contrast_max, factory_brightness, factory_contrast,
// monitors (physical monitors reported, default 1), fetch_fails (1: the count is reported but handing out
// the handles fails, as it does for a monitor that goes away between the two calls), silent (1: every VCP
// read and write fails),
// fail_codes (VCP codes in hex whose reads fail, e.g. "12"), delay_ms (sleep in each VCP call),
// handle (the first physical handle handed out, default 0x1001; a display of several physical monitors
// hands out that handle and the ones after it, all showing one picture: they share the display's values,
// and the log names the handle each call came through. VCP calls through any other handle fail, so writing
// a new one with new values "re-plugs" the monitor), description (the physical monitors'
// description before their number, default "Simulated DDC/CI Monitor"), destroy_calls (counted by the
// simulator: calls of DestroyPhysicalMonitors, whichever display's).
// Several displays: the display monitor (HMONITOR) passed in is told apart by its GDI device name
// (GetMonitorInfoW's szDevice, \\.\DISPLAYn). Display 1, and any HMONITOR that is not a display's, is the
// monitor of the keys above. Display n > 1 has the same keys prefixed "display<n>." (display2.brightness,
// display2.silent, display2.handle, ...), with the same defaults except handle n * 0x10000 + 1 (0x20001
// for display 2) and description "Simulated Monitor <n>"; a VCP call reaches the display whose current
// handle it names.
// Without DXVA2_SIM_DIR the monitor keeps its state in memory and logs nothing.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <map>
#include <string>

namespace {

struct PhysicalMonitorEntry {
    HANDLE hPhysicalMonitor;
    WCHAR szPhysicalMonitorDescription[128];
};

ULONGLONG loadTick = 0;
std::map<std::string, std::string> memoryState;

std::wstring SimulatorFolder() {
    wchar_t folder[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"DXVA2_SIM_DIR", folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    std::wstring result(folder);
    if (result.back() != L'\\')
        result += L'\\';
    return result;
}

// Serialises file access between worker threads and between processes.
struct StateLock {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, L"Local\\glimra_dxva2_simulator");
    StateLock() { WaitForSingleObject(mutex, 5000); }
    ~StateLock() {
        ReleaseMutex(mutex);
        CloseHandle(mutex);
    }
};

const std::map<std::string, std::string>& Defaults() {
    static const std::map<std::string, std::string> defaults = {{"brightness", "70"},
                                                                {"brightness_max", "100"},
                                                                {"contrast", "60"},
                                                                {"contrast_max", "100"},
                                                                {"factory_brightness", "80"},
                                                                {"factory_contrast", "75"},
                                                                {"monitors", "1"},
                                                                {"fetch_fails", "0"},
                                                                {"silent", "0"},
                                                                {"fail_codes", ""},
                                                                {"delay_ms", "0"},
                                                                {"handle", "0x1001"},
                                                                {"description", "Simulated DDC/CI Monitor"}};
    return defaults;
}

std::map<std::string, std::string> LoadState() {
    const std::wstring folder = SimulatorFolder();
    if (folder.empty()) {
        if (memoryState.empty())
            memoryState = Defaults();
        return memoryState;
    }
    std::map<std::string, std::string> state = Defaults();
    FILE* file = _wfopen((folder + L"monitor.txt").c_str(), L"rb");
    if (!file)
        return state;
    char line[256];
    while (std::fgets(line, sizeof(line), file)) {
        std::string text(line);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
            text.pop_back();
        const auto equals = text.find('=');
        if (equals != std::string::npos)
            state[text.substr(0, equals)] = text.substr(equals + 1);
    }
    std::fclose(file);
    return state;
}

void SaveState(const std::map<std::string, std::string>& state) {
    const std::wstring folder = SimulatorFolder();
    if (folder.empty()) {
        memoryState = state;
        return;
    }
    FILE* file = _wfopen((folder + L"monitor.txt").c_str(), L"wb");
    if (!file)
        return;
    for (const auto& [key, value] : state)
        std::fprintf(file, "%s=%s\n", key.c_str(), value.c_str());
    std::fclose(file);
}

using State = std::map<std::string, std::string>;

constexpr int kMaxDisplays = 9;

// One display's value of key: display 1's keys stand alone, display n's are prefixed "display<n>.".
std::string Value(const State& state, int display, const std::string& key) {
    const std::string name = display <= 1 ? key : "display" + std::to_string(display) + "." + key;
    const auto found = state.find(name);
    if (found != state.end())
        return found->second;
    if (display > 1 && key == "handle")
        return std::to_string(display * 0x10000 + 1);
    if (display > 1 && key == "description")
        return "Simulated Monitor " + std::to_string(display);
    const auto fallback = Defaults().find(key);
    return fallback == Defaults().end() ? std::string() : fallback->second;
}

void SetValue(State& state, int display, const std::string& key, const std::string& value) {
    state[display <= 1 ? key : "display" + std::to_string(display) + "." + key] = value;
}

long Number(const State& state, int display, const char* key) {
    return std::strtol(Value(state, display, key).c_str(), nullptr, 10);
}

// The physical handle the display's monitor answers to now.
HANDLE CurrentHandle(const State& state, int display) {
    return reinterpret_cast<HANDLE>(
        static_cast<ULONG_PTR>(std::strtoull(Value(state, display, "handle").c_str(), nullptr, 0)));
}

// The display a physical handle belongs to: one of the handles its physical monitors are handed out
// under now; 0 when it is no display's.
int DisplayOfHandle(const State& state, HANDLE physical) {
    const auto value = reinterpret_cast<ULONG_PTR>(physical);
    for (int display = 1; display <= kMaxDisplays; ++display) {
        const auto first = reinterpret_cast<ULONG_PTR>(CurrentHandle(state, display));
        const long count = Number(state, display, "monitors");
        if (value >= first && count > 0 && value - first < static_cast<ULONG_PTR>(count))
            return display;
    }
    return 0;
}

// The display an HMONITOR stands for, by its GDI device name; 1 for anything that is not a display's.
int DisplayOfMonitor(HMONITOR monitor) {
    MONITORINFOEXW info{};
    info.cbSize = sizeof(info);
    if (!monitor || !GetMonitorInfoW(monitor, &info))
        return 1;
    const wchar_t* digits = std::wcsstr(info.szDevice, L"DISPLAY");
    const long number = digits ? std::wcstol(digits + 7, nullptr, 10) : 0;
    return number >= 1 && number <= kMaxDisplays ? static_cast<int>(number) : 1;
}

bool ReadFails(const State& state, int display, BYTE code) {
    if (Number(state, display, "silent"))
        return true;
    const std::string codes = Value(state, display, "fail_codes");
    std::size_t start = 0;
    while (start < codes.size()) {
        std::size_t end = codes.find(',', start);
        if (end == std::string::npos)
            end = codes.size();
        if (std::strtol(codes.substr(start, end - start).c_str(), nullptr, 16) == code)
            return true;
        start = end + 1;
    }
    return false;
}

void Log(const char* function, int code, long value, BOOL result, HANDLE handle, int display) {
    const std::wstring folder = SimulatorFolder();
    if (folder.empty())
        return;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const ULONGLONG ticks = (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    const ULONGLONG epochMs = (ticks - 116444736000000000ULL) / 10000ULL;
    FILE* file = _wfopen((folder + L"calls.log").c_str(), L"ab");
    if (!file)
        return;
    std::fprintf(file, "%llu %llu %s code=0x%02x value=%ld result=%d handle=0x%llx display=DISPLAY%d\n",
                 GetTickCount64() - loadTick, epochMs, function, code, value, result ? 1 : 0,
                 static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(handle)),
                 display < 1 ? 1 : display);
    std::fclose(file);
}

void DelayIfAsked(const State& state, int display) {
    const long delay = Number(state, display, "delay_ms");
    if (delay > 0)
        Sleep(static_cast<DWORD>(delay));
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, void*) {
    if (reason == DLL_PROCESS_ATTACH)
        loadTick = GetTickCount64();
    return TRUE;
}

extern "C" __declspec(dllexport) BOOL WINAPI
    GetNumberOfPhysicalMonitorsFromHMONITOR(HMONITOR monitor, DWORD* count) {
    StateLock lock;
    const auto state = LoadState();
    const int display = DisplayOfMonitor(monitor);
    const BOOL ok = monitor != nullptr && count != nullptr;
    if (ok)
        *count = static_cast<DWORD>(Number(state, display, "monitors"));
    Log("GetNumberOfPhysicalMonitorsFromHMONITOR", 0, ok ? static_cast<long>(*count) : -1, ok, nullptr,
        display);
    return ok;
}

extern "C" __declspec(dllexport) BOOL WINAPI
    GetPhysicalMonitorsFromHMONITOR(HMONITOR monitor, DWORD arraySize, PhysicalMonitorEntry* monitors) {
    StateLock lock;
    const auto state = LoadState();
    const int display = DisplayOfMonitor(monitor);
    const BOOL ok = monitor != nullptr && monitors != nullptr && arraySize >= 1 &&
                    arraySize <= static_cast<DWORD>(Number(state, display, "monitors")) &&
                    !Number(state, display, "fetch_fails");
    const HANDLE first = CurrentHandle(state, display);
    if (ok) {
        const std::string narrow = Value(state, display, "description");
        const std::wstring description(narrow.begin(), narrow.end()); // ASCII
        for (DWORD i = 0; i < arraySize; ++i) {
            monitors[i].hPhysicalMonitor = reinterpret_cast<HANDLE>(reinterpret_cast<ULONG_PTR>(first) + i);
            std::swprintf(monitors[i].szPhysicalMonitorDescription, 128, L"%ls %lu", description.c_str(),
                          i + 1);
        }
    }
    Log("GetPhysicalMonitorsFromHMONITOR", 0, static_cast<long>(arraySize), ok, ok ? first : nullptr,
        display);
    return ok;
}

extern "C" __declspec(dllexport) BOOL WINAPI SetVCPFeature(HANDLE physical, BYTE code, DWORD value) {
    StateLock lock;
    auto state = LoadState();
    const int display = DisplayOfHandle(state, physical);
    DelayIfAsked(state, display);
    BOOL ok = display != 0 && !Number(state, display, "silent");
    if (ok) {
        if (code == 0x10) {
            SetValue(state, display, "brightness", std::to_string(value));
        } else if (code == 0x12) {
            SetValue(state, display, "contrast", std::to_string(value));
        } else if (code == 0x05) {
            if (value != 0) {
                SetValue(state, display, "brightness", Value(state, display, "factory_brightness"));
                SetValue(state, display, "contrast", Value(state, display, "factory_contrast"));
            }
        } else {
            ok = FALSE;
        }
        if (ok)
            SaveState(state);
    }
    Log("SetVCPFeature", code, static_cast<long>(value), ok, physical, display);
    return ok;
}

extern "C" __declspec(dllexport) BOOL WINAPI
    GetVCPFeatureAndVCPFeatureReply(HANDLE physical, BYTE code, DWORD* codeType, DWORD* current,
                                    DWORD* maximum) {
    StateLock lock;
    const auto state = LoadState();
    const int display = DisplayOfHandle(state, physical);
    DelayIfAsked(state, display);
    BOOL ok = display != 0 && !ReadFails(state, display, code) && (code == 0x10 || code == 0x12);
    long value = -1;
    if (ok) {
        const char* key = code == 0x10 ? "brightness" : "contrast";
        const char* maxKey = code == 0x10 ? "brightness_max" : "contrast_max";
        value = Number(state, display, key);
        if (codeType)
            *codeType = 0; // MC_SET_PARAMETER
        if (current)
            *current = static_cast<DWORD>(value);
        if (maximum)
            *maximum = static_cast<DWORD>(Number(state, display, maxKey));
    }
    Log("GetVCPFeatureAndVCPFeatureReply", code, value, ok, physical, display);
    return ok;
}

// Releases handles handed out earlier, current or not; value in the log is the array size.
extern "C" __declspec(dllexport) BOOL WINAPI
    DestroyPhysicalMonitors(DWORD arraySize, PhysicalMonitorEntry* monitors) {
    StateLock lock;
    auto state = LoadState();
    const BOOL ok = monitors != nullptr && arraySize >= 1;
    state["destroy_calls"] = std::to_string(Number(state, 1, "destroy_calls") + 1);
    SaveState(state);
    const HANDLE first = ok ? monitors[0].hPhysicalMonitor : nullptr;
    // A handle of an earlier plug is no display's now; it counts as the first display's, as before.
    Log("DestroyPhysicalMonitors", 0, static_cast<long>(arraySize), ok, first, DisplayOfHandle(state, first));
    return ok;
}
