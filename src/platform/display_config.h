// The system's displays as the program sees them: every display monitor (EnumDisplayMonitors) with its
// physical monitors, and the active display paths (QueryDisplayConfig) that give each its name and key.
#pragma once

#include <windows.h>

#include <vector>

#include "monitor/display_discovery.h"

// Every display monitor with its GDI device name, rectangle and primary flag; no physical monitors yet.
std::vector<DisplayMonitor> EnumerateDisplayMonitors();

// The active display paths with their source's GDI device name and their target's name and device path.
// Empty where the display-configuration functions are missing (Windows Vista) or fail (no WDDM driver);
// a path whose names cannot be read is left out.
std::vector<DisplayPath> QueryActiveDisplayPaths();

// One display as found: its identity and, when asked for, its physical monitors' handles in the order of
// identity.physicalMonitors. The caller owns the handles and gives them back with DestroyPhysicalMonitors.
struct FoundDisplay {
    DisplayIdentity identity;
    HMONITOR monitor = nullptr;
    std::vector<HANDLE> physicalHandles;
};

// Every display in the order they stand on the desktop. withPhysicalMonitors: also hand out each display's
// physical monitors through the physical-monitor library (at most kMaxPhysicalMonitorsPerDisplay each).
std::vector<FoundDisplay> FindDisplays(bool withPhysicalMonitors);

constexpr DWORD kMaxPhysicalMonitorsPerDisplay = 16;
