// Which built-in panel's backlight belongs to which display, and what a WMI answer means. Pure: the WMI
// glue hands in the names and codes it got.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a call to a panel's backlight came to.
enum class PanelResult : uint8_t {
    Done,     // answered; the record holds the answer
    NoPanel,  // no such panel here: no WMI namespace or class for it, or the panel has gone
    TryLater, // WMI is not ready (right after a resume) or did not answer in time: ask again later
    Failed,   // any other failure; asking again will not help
};

// One built-in panel as WMI lists it.
struct PanelBacklight {
    std::u16string instanceName; // WMI's key, e.g. DISPLAY\BOE0812\4&2f1d5e7c&0&UID265988_0
    std::vector<uint8_t> levels; // the levels the panel allows, in WMI's order
    uint8_t currentLevel = 0;    // as last read or set
};

// The device instance a panel's WMI InstanceName names: "DISPLAY\BOE0812\4&2f1d5e7c&0&UID265988_0" gives
// "DISPLAY\BOE0812\4&2f1d5e7c&0&UID265988" (WMI adds "_<n>" for the instance of the device).
std::u16string PanelDeviceInstance(std::u16string_view instanceName);

// The device instance a display target's device path names: "\\?\DISPLAY#BOE0812#4&2f1d5e7c&0&UID265988#
// {e6f07b5f-...}" gives "DISPLAY\BOE0812\4&2f1d5e7c&0&UID265988". Empty when the path has no such form.
std::u16string DisplayDeviceInstance(std::u16string_view targetDevicePath);

// Whether the panel named instanceName (WMI) is the display whose target device path is targetDevicePath
// (QueryDisplayConfig): the same hardware id and instance id, case ignored.
bool PanelBelongsToDisplay(std::u16string_view instanceName, std::u16string_view targetDevicePath);

// The WMI object path of class's instance with key InstanceName = instanceName, with the key's
// backslashes and quotes escaped: WmiMonitorBrightness.InstanceName="DISPLAY\\BOE0812\\..._0".
std::u16string PanelObjectPath(std::u16string_view className, std::u16string_view instanceName);

// What a failed (or successful) WMI HRESULT means for the caller.
PanelResult PanelResultFromWmi(uint32_t hresult);

// Which of panels (as FindPanels lists them) is the display whose target device path is targetDevicePath;
// none for a display that is no built-in panel.
std::optional<std::size_t> PanelOfDisplay(const std::vector<PanelBacklight>& panels,
                                          std::u16string_view targetDevicePath);
