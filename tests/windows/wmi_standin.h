// Test side of the WMI stand-in: a private state folder, the panel's settings and the call log. The
// stand-in itself is loaded only in the runner's pass with WINEDLLOVERRIDES wbemprox=n, which sets
// GLIMRA_WMI_STANDIN=1.
#pragma once

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

inline bool WmiStandInLoaded() {
    wchar_t value[8] = {};
    return GetEnvironmentVariableW(L"GLIMRA_WMI_STANDIN", value, 8) && value[0] == L'1';
}

class WmiStandIn {
  public:
    // Points the stand-in (through WMI_STANDIN_DIR) at a fresh folder under the test scratch folder.
    explicit WmiStandIn(const std::string& settings = "") {
        wchar_t scratch[MAX_PATH] = {};
        if (!GetEnvironmentVariableW(L"GLIMRA_TEST_SCRATCH", scratch, MAX_PATH))
            GetTempPathW(MAX_PATH, scratch);
        folder_ = std::wstring(scratch) + L"\\wmi-" + std::to_wstring(GetTickCount64()) + L"-" +
                  std::to_wstring(counter_++) + L"\\";
        CreateDirectoryW(folder_.c_str(), nullptr);
        SetEnvironmentVariableW(L"WMI_STANDIN_DIR", folder_.c_str());
        Configure(settings);
    }
    ~WmiStandIn() { SetEnvironmentVariableW(L"WMI_STANDIN_DIR", nullptr); }
    WmiStandIn(const WmiStandIn&) = delete;
    WmiStandIn& operator=(const WmiStandIn&) = delete;

    // Replaces the panel's state file; lines "key=value".
    void Configure(const std::string& settings) {
        FILE* file = _wfopen((folder_ + L"panel.txt").c_str(), L"wb");
        std::fputs(settings.c_str(), file);
        std::fclose(file);
    }

    std::string StateValue(const std::string& key) const {
        std::string found;
        for (const std::string& line : Lines(L"panel.txt"))
            if (line.rfind(key + "=", 0) == 0)
                found = line.substr(key.size() + 1);
        return found;
    }

    // The logged calls, one line each: "<epoch ms> <call> <details> result=0x<hex>".
    std::vector<std::string> Calls() const { return Lines(L"calls.log"); }

    // The logged calls whose line contains every one of parts.
    std::vector<std::string> CallsWith(std::initializer_list<const char*> parts) const {
        std::vector<std::string> matching;
        for (const std::string& line : Calls()) {
            bool all = true;
            for (const char* part : parts)
                all = all && line.find(part) != std::string::npos;
            if (all)
                matching.push_back(line);
        }
        return matching;
    }

  private:
    std::vector<std::string> Lines(const wchar_t* name) const {
        std::vector<std::string> lines;
        FILE* file = _wfopen((folder_ + name).c_str(), L"rb");
        if (!file)
            return lines;
        char line[1024];
        while (std::fgets(line, sizeof(line), file)) {
            std::string text(line);
            while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
                text.pop_back();
            lines.push_back(text);
        }
        std::fclose(file);
        return lines;
    }

    std::wstring folder_;
    static inline int counter_ = 0;
};
