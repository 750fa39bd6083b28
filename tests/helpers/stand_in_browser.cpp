// Test-only stand-in for the web browser: registered for http in the test prefix, it records each
// address it is asked to open, one per line, in %GLIMRA_BROWSER_LOG%.
#include <windows.h>

#include <cstdio>

int wmain(int argc, wchar_t** argv) {
    wchar_t logPath[MAX_PATH] = {};
    if (argc < 2 || !GetEnvironmentVariableW(L"GLIMRA_BROWSER_LOG", logPath, MAX_PATH))
        return 1;
    FILE* log = _wfopen(logPath, L"ab");
    if (!log)
        return 1;
    char address[4096] = {};
    WideCharToMultiByte(CP_UTF8, 0, argv[1], -1, address, sizeof(address) - 1, nullptr, nullptr);
    std::fprintf(log, "%s\n", address);
    std::fclose(log);
    return 0;
}
