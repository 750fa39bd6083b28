// Test side of the simulated DDC/CI monitor: a private state folder, its settings and its call log.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

struct SimulatorCall {
    uint64_t sinceLoadMs = 0;
    uint64_t epochMs = 0;
    std::string function;
    int code = 0;
    long value = 0;
    int result = 0;
    unsigned long long handle = 0; // the physical-monitor handle the call used
    std::string display;           // the display whose monitor answered, "DISPLAY1", "DISPLAY2", ...
};

inline uint64_t EpochMilliseconds() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const ULONGLONG ticks = (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return (ticks - 116444736000000000ULL) / 10000ULL;
}

class SimulatedMonitor {
  public:
    // Points the simulator (through DXVA2_SIM_DIR) at a fresh folder under the test scratch folder.
    explicit SimulatedMonitor(const std::string& settings = "") {
        wchar_t scratch[MAX_PATH] = {};
        if (!GetEnvironmentVariableW(L"GLIMRA_TEST_SCRATCH", scratch, MAX_PATH))
            GetTempPathW(MAX_PATH, scratch);
        folder_ = std::wstring(scratch) + L"\\monitor-" + std::to_wstring(GetTickCount64()) + L"-" +
                  std::to_wstring(counter_++) + L"\\";
        CreateDirectoryW(folder_.c_str(), nullptr);
        SetEnvironmentVariableW(L"DXVA2_SIM_DIR", folder_.c_str());
        Configure(settings);
    }
    ~SimulatedMonitor() { SetEnvironmentVariableW(L"DXVA2_SIM_DIR", nullptr); }

    // Replaces the monitor's state file; lines "key=value".
    void Configure(const std::string& settings) {
        FILE* file = _wfopen((folder_ + L"monitor.txt").c_str(), L"wb");
        std::fputs(settings.c_str(), file);
        std::fclose(file);
    }

    std::string StateValue(const std::string& key) const {
        FILE* file = _wfopen((folder_ + L"monitor.txt").c_str(), L"rb");
        if (!file)
            return {};
        char line[256];
        std::string found;
        while (std::fgets(line, sizeof(line), file)) {
            std::string text(line);
            while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
                text.pop_back();
            if (text.rfind(key + "=", 0) == 0)
                found = text.substr(key.size() + 1);
        }
        std::fclose(file);
        return found;
    }

    std::vector<SimulatorCall> Calls(const std::string& function = "") const {
        std::vector<SimulatorCall> calls;
        FILE* file = _wfopen((folder_ + L"calls.log").c_str(), L"rb");
        if (!file)
            return calls;
        char line[512];
        while (std::fgets(line, sizeof(line), file)) {
            SimulatorCall call;
            char name[128] = {};
            unsigned long long since = 0, epoch = 0;
            if (std::sscanf(line, "%llu %llu %127s code=0x%x value=%ld result=%d handle=0x%llx", &since,
                            &epoch, name, &call.code, &call.value, &call.result, &call.handle) >= 6) {
                call.sinceLoadMs = since;
                call.epochMs = epoch;
                call.function = name;
                if (const char* display = std::strstr(line, " display=")) {
                    char found[32] = {};
                    if (std::sscanf(display, " display=%31s", found) == 1)
                        call.display = found;
                }
                if (function.empty() || call.function == function)
                    calls.push_back(call);
            }
        }
        std::fclose(file);
        return calls;
    }

    // Polls the log until `count` calls of `function` are there or the deadline passes.
    std::vector<SimulatorCall> WaitForCalls(const std::string& function, std::size_t count,
                                            std::chrono::milliseconds deadline) const {
        const auto end = std::chrono::steady_clock::now() + deadline;
        for (;;) {
            auto calls = Calls(function);
            if (calls.size() >= count || std::chrono::steady_clock::now() > end)
                return calls;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

  private:
    std::wstring folder_;
    static inline int counter_ = 0;
};
