#include "platform/display_config.h"

#include <cwchar>

#include "platform/dxva2.h"
#include "platform/system_library.h"
#include "platform/wide.h"

namespace {

// The sizes Windows checks in each request's header; a header that disagrees makes the call fail.
// https://learn.microsoft.com/windows/win32/api/wingdi/ns-wingdi-displayconfig_target_device_name
static_assert(sizeof(DISPLAYCONFIG_DEVICE_INFO_HEADER) == 20);
static_assert(sizeof(DISPLAYCONFIG_TARGET_DEVICE_NAME) == 420);
static_assert(sizeof(DISPLAYCONFIG_SOURCE_DEVICE_NAME) == 84);
static_assert(sizeof(DISPLAYCONFIG_PATH_INFO) == 72);
static_assert(sizeof(DISPLAYCONFIG_MODE_INFO) == 64);

// The configuration may change between asking for the sizes and the query: ask again, a few times.
constexpr int kQueryAttempts = 4;

using GetBufferSizesProc = LONG(WINAPI*)(UINT32, UINT32*, UINT32*);
using QueryDisplayConfigProc = LONG(WINAPI*)(UINT32, UINT32*, DISPLAYCONFIG_PATH_INFO*, UINT32*,
                                             DISPLAYCONFIG_MODE_INFO*, DISPLAYCONFIG_TOPOLOGY_ID*);
using GetDeviceInfoProc = LONG(WINAPI*)(DISPLAYCONFIG_DEVICE_INFO_HEADER*);

// Windows 7 and later only; looked up at run time so the program still starts on Vista.
struct DisplayConfigFunctions {
    GetBufferSizesProc getBufferSizes;
    QueryDisplayConfigProc query;
    GetDeviceInfoProc getDeviceInfo;
};

DisplayConfigFunctions LookUpFunctions() {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return {LibraryFunction<GetBufferSizesProc>(user32, "GetDisplayConfigBufferSizes"),
            LibraryFunction<QueryDisplayConfigProc>(user32, "QueryDisplayConfig"),
            LibraryFunction<GetDeviceInfoProc>(user32, "DisplayConfigGetDeviceInfo")};
}

std::u16string FixedText(const WCHAR* text, std::size_t capacity) {
    return ToU16(std::wstring_view(text, wcsnlen(text, capacity)));
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, RECT*, LPARAM list) {
    MONITORINFOEXW info{};
    info.cbSize = sizeof(info);
    // A monitor gone between the enumeration and this call is simply not there.
    if (GetMonitorInfoW(monitor, &info)) {
        DisplayMonitor found;
        found.monitorId = reinterpret_cast<std::uintptr_t>(monitor);
        found.gdiDeviceName = FixedText(info.szDevice, CCHDEVICENAME);
        found.rect = {info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
        found.primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
        reinterpret_cast<std::vector<DisplayMonitor>*>(list)->push_back(std::move(found));
    }
    return TRUE;
}

// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-querydisplayconfig
std::vector<DISPLAYCONFIG_PATH_INFO> ActivePaths(const DisplayConfigFunctions& functions) {
    for (int attempt = 0; attempt < kQueryAttempts; ++attempt) {
        UINT32 pathCount = 0, modeCount = 0;
        if (functions.getBufferSizes(QDC_ONLY_ACTIVE_PATHS, &pathCount, &modeCount) != ERROR_SUCCESS)
            return {};
        std::vector<DISPLAYCONFIG_PATH_INFO> paths(pathCount);
        std::vector<DISPLAYCONFIG_MODE_INFO> modes(modeCount);
        const LONG result = functions.query(QDC_ONLY_ACTIVE_PATHS, &pathCount, paths.data(), &modeCount,
                                            modes.data(), nullptr);
        if (result == ERROR_SUCCESS) {
            paths.resize(pathCount);
            return paths;
        }
        if (result != ERROR_INSUFFICIENT_BUFFER)
            return {};
    }
    return {};
}

} // namespace

std::vector<DisplayMonitor> EnumerateDisplayMonitors() {
    std::vector<DisplayMonitor> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

std::vector<DisplayPath> QueryActiveDisplayPaths() {
    const DisplayConfigFunctions functions = LookUpFunctions();
    if (!functions.getBufferSizes || !functions.query || !functions.getDeviceInfo)
        return {};
    std::vector<DisplayPath> found;
    for (const DISPLAYCONFIG_PATH_INFO& path : ActivePaths(functions)) {
        DISPLAYCONFIG_SOURCE_DEVICE_NAME source{};
        source.header.type = DISPLAYCONFIG_DEVICE_INFO_GET_SOURCE_NAME;
        source.header.size = sizeof(source);
        source.header.adapterId = path.sourceInfo.adapterId;
        source.header.id = path.sourceInfo.id;
        DISPLAYCONFIG_TARGET_DEVICE_NAME target{};
        target.header.type = DISPLAYCONFIG_DEVICE_INFO_GET_TARGET_NAME;
        target.header.size = sizeof(target);
        target.header.adapterId = path.targetInfo.adapterId;
        target.header.id = path.targetInfo.id;
        if (functions.getDeviceInfo(&source.header) != ERROR_SUCCESS ||
            functions.getDeviceInfo(&target.header) != ERROR_SUCCESS)
            continue;
        found.push_back(
            {FixedText(source.viewGdiDeviceName, CCHDEVICENAME),
             FixedText(target.monitorFriendlyDeviceName, std::size(target.monitorFriendlyDeviceName)),
             target.flags.friendlyNameFromEdid != 0,
             FixedText(target.monitorDevicePath, std::size(target.monitorDevicePath)),
             static_cast<uint32_t>(path.targetInfo.outputTechnology)});
    }
    return found;
}

std::vector<FoundDisplay> FindDisplays(bool withPhysicalMonitors) {
    std::vector<DisplayMonitor> monitors = EnumerateDisplayMonitors();
    std::vector<std::vector<HANDLE>> handles(monitors.size());
    for (std::size_t m = 0; withPhysicalMonitors && m < monitors.size(); ++m) {
        HMONITOR monitor = reinterpret_cast<HMONITOR>(monitors[m].monitorId);
        DWORD count = 0;
        if (!GetNumberOfPhysicalMonitorsFromHMONITOR(monitor, &count) || count == 0)
            continue;
        // A library that reports absurd counts must not make us allocate without bound.
        std::vector<PhysicalMonitorEntry> entries(
            count > kMaxPhysicalMonitorsPerDisplay ? kMaxPhysicalMonitorsPerDisplay : count);
        if (!GetPhysicalMonitorsFromHMONITOR(monitor, static_cast<DWORD>(entries.size()), entries.data()))
            continue;
        for (const PhysicalMonitorEntry& entry : entries) {
            monitors[m].physicalDescriptions.push_back(
                FixedText(entry.szPhysicalMonitorDescription, std::size(entry.szPhysicalMonitorDescription)));
            handles[m].push_back(entry.hPhysicalMonitor);
        }
    }
    std::vector<FoundDisplay> found;
    for (DisplayIdentity& identity : JoinDisplays(QueryActiveDisplayPaths(), monitors)) {
        FoundDisplay display;
        display.monitor = reinterpret_cast<HMONITOR>(identity.monitorId);
        for (std::size_t m = 0; m < monitors.size(); ++m)
            if (monitors[m].monitorId == identity.monitorId)
                display.physicalHandles = handles[m];
        display.identity = std::move(identity);
        found.push_back(std::move(display));
    }
    return found;
}
