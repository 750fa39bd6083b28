// The local web host that the test runner starts on the Linux side, and its request log.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/wide.h"
#include "update/download.h"

inline std::wstring EnvironmentText(const wchar_t* name) {
    wchar_t value[1024] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, 1024);
    return length > 0 && length < 1024 ? std::wstring(value, length) : std::wstring();
}

// An address on the local web host, e.g. HostUrl(L"/noup.xhtm").
inline std::wstring HostUrl(const wchar_t* path) {
    return EnvironmentText(L"GLIMRA_HTTP_SERVER") + path;
}

// An address whose port refuses every connection.
inline std::wstring RefusedUrl() {
    return EnvironmentText(L"GLIMRA_HTTP_REFUSED") + L"/checking_update_v1_00.xhtm";
}

// The host's log, one JSON line per request it received, written before it answers.
inline std::vector<std::string> HostRequestLog() {
    std::vector<std::string> lines;
    FILE* log = _wfopen(EnvironmentText(L"GLIMRA_HTTP_LOG").c_str(), L"rb");
    if (!log) {
        return lines;
    }
    std::string line;
    for (int c = std::fgetc(log); c != EOF; c = std::fgetc(log)) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line.push_back(static_cast<char>(c));
        }
    }
    std::fclose(log);
    return lines;
}

// The log lines for requests whose address contains marker.
inline std::vector<std::string> HostRequestsWith(const std::string& marker) {
    std::vector<std::string> found;
    for (const std::string& line : HostRequestLog()) {
        if (line.find(marker) != std::string::npos) {
            found.push_back(line);
        }
    }
    return found;
}

// The runner always starts the host; its absence is a broken setup, not a reason to pass.
#define ASSERT_UPDATE_HOST_RUNNING()                                                                         \
    ASSERT_FALSE(EnvironmentText(L"GLIMRA_HTTP_SERVER").empty()) << "run through run_windows_tests.py"

// Shortens the deadline in force for one test and gives the program's own back.
class DeadlineForTest {
  public:
    explicit DeadlineForTest(uint32_t ms) { downloadDeadlineMs = ms; }
    ~DeadlineForTest() { downloadDeadlineMs = kDownloadDeadlineMs; }
    DeadlineForTest(const DeadlineForTest&) = delete;
    DeadlineForTest& operator=(const DeadlineForTest&) = delete;
};
