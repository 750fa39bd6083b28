// A simulated DDC/CI monitor behind the physical-monitor functions of dxva2.dll.
//
// Its state lives in "<DXVA2_SIM_DIR>\monitor.txt" (key=value lines), so it persists across the
// program's runs like a real monitor's; every call is appended to "<DXVA2_SIM_DIR>\calls.log" as
//   <ms since load> <unix epoch ms> <function> code=0x<hex> value=<n> result=<0|1> handle=0x<hex>
// where handle is the physical-monitor handle the call used (the first one handed out or released).
// Keys: brightness, brightness_max, contrast, contrast_max, factory_brightness, factory_contrast,
// monitors (physical monitors reported, default 1), fetch_fails (1: the count is reported but handing out
// the handles fails, as it does for a monitor that goes away between the two calls), silent (1: every VCP
// read and write fails),
// fail_codes (VCP codes in hex whose reads fail, e.g. "12"), delay_ms (sleep in each VCP call),
// handle (the first physical handle handed out, default 0x1001; VCP calls through any other fail, so
// writing a new one with new values "re-plugs" the monitor), destroy_calls (counted by the simulator:
// calls of DestroyPhysicalMonitors).
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

std::map<std::string, std::string> Defaults() {
    return {{"brightness", "70"},
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
            {"handle", "0x1001"}};
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

long Number(const std::map<std::string, std::string>& state, const char* key) {
    const auto found = state.find(key);
    return found == state.end() ? 0 : std::strtol(found->second.c_str(), nullptr, 10);
}

// The physical handle the monitor answers to now.
HANDLE CurrentHandle(const std::map<std::string, std::string>& state) {
    const auto found = state.find("handle");
    const ULONG_PTR value = found == state.end() ? 0 : std::strtoull(found->second.c_str(), nullptr, 0);
    return reinterpret_cast<HANDLE>(value);
}

bool ReadFails(const std::map<std::string, std::string>& state, BYTE code) {
    if (Number(state, "silent"))
        return true;
    char hex[8];
    std::snprintf(hex, sizeof(hex), "%x", code);
    const std::string& codes = state.at("fail_codes");
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

void Log(const char* function, int code, long value, BOOL result, HANDLE handle) {
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
    std::fprintf(file, "%llu %llu %s code=0x%02x value=%ld result=%d handle=0x%llx\n",
                 GetTickCount64() - loadTick, epochMs, function, code, value, result ? 1 : 0,
                 static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(handle)));
    std::fclose(file);
}

void DelayIfAsked(const std::map<std::string, std::string>& state) {
    const long delay = Number(state, "delay_ms");
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
    const BOOL ok = monitor != nullptr && count != nullptr;
    if (ok)
        *count = static_cast<DWORD>(Number(state, "monitors"));
    Log("GetNumberOfPhysicalMonitorsFromHMONITOR", 0, ok ? static_cast<long>(*count) : -1, ok, nullptr);
    return ok;
}

extern "C" __declspec(dllexport) BOOL WINAPI
    GetPhysicalMonitorsFromHMONITOR(HMONITOR monitor, DWORD arraySize, PhysicalMonitorEntry* monitors) {
    StateLock lock;
    const auto state = LoadState();
    const BOOL ok = monitor != nullptr && monitors != nullptr && arraySize >= 1 &&
                    arraySize <= static_cast<DWORD>(Number(state, "monitors")) &&
                    !Number(state, "fetch_fails");
    const HANDLE first = CurrentHandle(state);
    if (ok) {
        for (DWORD i = 0; i < arraySize; ++i) {
            monitors[i].hPhysicalMonitor = reinterpret_cast<HANDLE>(reinterpret_cast<ULONG_PTR>(first) + i);
            std::swprintf(monitors[i].szPhysicalMonitorDescription, 128, L"Simulated DDC/CI Monitor %lu",
                          i + 1);
        }
    }
    Log("GetPhysicalMonitorsFromHMONITOR", 0, static_cast<long>(arraySize), ok, ok ? first : nullptr);
    return ok;
}

extern "C" __declspec(dllexport) BOOL WINAPI SetVCPFeature(HANDLE physical, BYTE code, DWORD value) {
    StateLock lock;
    auto state = LoadState();
    DelayIfAsked(state);
    BOOL ok = physical == CurrentHandle(state) && !Number(state, "silent");
    if (ok) {
        if (code == 0x10) {
            state["brightness"] = std::to_string(value);
        } else if (code == 0x12) {
            state["contrast"] = std::to_string(value);
        } else if (code == 0x05) {
            if (value != 0) {
                state["brightness"] = state["factory_brightness"];
                state["contrast"] = state["factory_contrast"];
            }
        } else {
            ok = FALSE;
        }
        if (ok)
            SaveState(state);
    }
    Log("SetVCPFeature", code, static_cast<long>(value), ok, physical);
    return ok;
}

extern "C" __declspec(dllexport) BOOL WINAPI
    GetVCPFeatureAndVCPFeatureReply(HANDLE physical, BYTE code, DWORD* codeType, DWORD* current,
                                    DWORD* maximum) {
    StateLock lock;
    const auto state = LoadState();
    DelayIfAsked(state);
    BOOL ok = physical == CurrentHandle(state) && !ReadFails(state, code) && (code == 0x10 || code == 0x12);
    long value = -1;
    if (ok) {
        const char* key = code == 0x10 ? "brightness" : "contrast";
        const char* maxKey = code == 0x10 ? "brightness_max" : "contrast_max";
        value = Number(state, key);
        if (codeType)
            *codeType = 0; // MC_SET_PARAMETER
        if (current)
            *current = static_cast<DWORD>(value);
        if (maximum)
            *maximum = static_cast<DWORD>(Number(state, maxKey));
    }
    Log("GetVCPFeatureAndVCPFeatureReply", code, value, ok, physical);
    return ok;
}

// Releases handles handed out earlier, current or not; value in the log is the array size.
extern "C" __declspec(dllexport) BOOL WINAPI
    DestroyPhysicalMonitors(DWORD arraySize, PhysicalMonitorEntry* monitors) {
    StateLock lock;
    auto state = LoadState();
    const BOOL ok = monitors != nullptr && arraySize >= 1;
    state["destroy_calls"] = std::to_string(Number(state, "destroy_calls") + 1);
    SaveState(state);
    Log("DestroyPhysicalMonitors", 0, static_cast<long>(arraySize), ok,
        ok ? monitors[0].hPhysicalMonitor : nullptr);
    return ok;
}
