// Which displays there are, in which order, under which name and stable key: the system's display paths
// joined to its display monitors and their physical monitors. Pure: the Win32 glue fills the inputs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "controls/layout_rect.h"

// One active display path (QueryDisplayConfig): its source's GDI device name and its target's identity.
struct DisplayPath {
    std::u16string gdiDeviceName;      // source, e.g. \\.\DISPLAY1; shared by paths that mirror one picture
    std::u16string friendlyName;       // target's monitorFriendlyDeviceName
    bool friendlyNameFromEdid = false; // Windows took the friendly name from the monitor's EDID
    std::u16string devicePath;         // target's monitorDevicePath: the same for a monitor across plugs
    uint32_t outputTechnology = 0;     // target's connector, a DISPLAYCONFIG_VIDEO_OUTPUT_TECHNOLOGY
};

// One display monitor (EnumDisplayMonitors) with the descriptions of its physical monitors, in the order
// GetPhysicalMonitorsFromHMONITOR handed them out.
struct DisplayMonitor {
    std::uintptr_t monitorId = 0; // the HMONITOR, opaque here
    std::u16string gdiDeviceName; // MONITORINFOEXW.szDevice
    LayoutRect rect;              // MONITORINFO.rcMonitor
    bool primary = false;
    std::vector<std::u16string> physicalDescriptions;
};

// A physical monitor of a display with the path it is paired with (by index among the display's paths).
struct PhysicalMonitorIdentity {
    std::size_t index = 0;      // into the display monitor's physical monitors
    std::u16string description; // as the physical-monitor library gave it
    std::u16string devicePath;  // of the paired path; empty when the display has fewer paths
    bool operator==(const PhysicalMonitorIdentity&) const = default;
};

struct DisplayIdentity {
    std::uintptr_t monitorId = 0;
    std::u16string gdiDeviceName;
    // The stable key: the first path's target device path; empty when no path names this display.
    std::u16string devicePath;
    std::u16string name;
    LayoutRect rect;
    bool primary = false;
    std::vector<PhysicalMonitorIdentity> physicalMonitors;
    bool operator==(const DisplayIdentity&) const = default;
};

// N of "\\.\DISPLAYN" (case ignored), 0 when the name has no such number.
int DisplayNumber(std::u16string_view gdiDeviceName);

// The display's name: a friendly name Windows took from an EDID (the first of the display's paths that has
// one), else the first physical monitor's description, else "Display N" after its GDI device name
// (fallbackNumber where that name has no number). Windows' own generic names ("Display1" under Wine,
// "Generic PnP Monitor") are not taken.
std::u16string DisplayName(const std::vector<const DisplayPath*>& paths,
                           const std::vector<std::u16string>& physicalDescriptions,
                           std::u16string_view gdiDeviceName, int fallbackNumber);

// The friendly name Windows took from an EDID for the display of gdiDeviceName (the first of its paths
// that has one, the GDI names compared as the join compares them), or empty.
std::u16string EdidFriendlyName(const std::vector<DisplayPath>& paths, std::u16string_view gdiDeviceName);

// Joins paths to monitors through the GDI device name and orders the result as the displays stand on the
// desktop: left to right, then top to bottom, the primary first where two start at the same place
// (Xinerama reports every screen at 0,0), else in the order they were enumerated. Paths whose source has
// no monitor are left out; a monitor without a path is kept with an empty device path.
std::vector<DisplayIdentity> JoinDisplays(const std::vector<DisplayPath>& paths,
                                          const std::vector<DisplayMonitor>& monitors);

// Orders displays in place by the rule above.
void OrderDisplays(std::vector<DisplayIdentity>& displays);
