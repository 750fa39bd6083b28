#include "monitor/panel_displays.h"

#include <cwchar>
#include <string>
#include <vector>

#include "monitor/monitor_control.h"
#include "monitor/panel_presence.h"
#include "platform/display_config.h"

namespace {

int findAttempts = 0;

uint8_t BatteryFlag() {
#ifdef GLIMRA_TEST_SEAMS
    // The tests' build only: Wine reports no battery and every display as external, so the system tests
    // give the program a laptop's battery to reach the WMI stand-in.
    wchar_t value[8] = {};
    const DWORD length = GetEnvironmentVariableW(L"GLIMRA_TEST_BATTERY_FLAG", value, 8);
    if (length > 0 && length < 8)
        return static_cast<uint8_t>(_wtoi(value));
#endif
    SYSTEM_POWER_STATUS power{};
    return GetSystemPowerStatus(&power) ? power.BatteryFlag : kBatteryFlagNoBattery;
}

// The cheap look, without COM: a connector inside the computer, or a battery.
bool SystemMayHavePanel() {
    std::vector<uint32_t> technologies;
    for (const DisplayPath& path : QueryActiveDisplayPaths())
        technologies.push_back(path.outputTechnology);
    return MayHaveBuiltInPanel(technologies, BatteryFlag());
}

// Each display gets the panel WMI matched to it; a display that keeps its panel keeps its pending level.
// Returns, by index, the displays that became a panel or stopped being one.
std::vector<bool> AssignPanels(const std::vector<PanelBacklight>& panels) {
    std::vector<bool> changed(displayControls.size(), false);
    for (std::size_t k = 0; k < displayControls.size(); ++k) {
        DisplayControl& display = displayControls[k];
        const std::optional<std::size_t> index = PanelOfDisplay(panels, display.identity.devicePath);
        if (!index) {
            changed[k] = display.panel.has_value();
            display.panel.reset();
            continue;
        }
        const PanelBacklight& found = panels[*index];
        if (display.panel && display.panel->backlight.instanceName == found.instanceName) {
            display.panel->backlight = found;
            continue;
        }
        display.panel = DisplayPanel{found, std::nullopt, 0};
        changed[k] = true;
    }
    return changed;
}

// Another answer than "try later" ends the asking; a panel found late takes over its display's sliders.
void AskForPanels(HWND window, bool applyToSliders) {
    if (window)
        KillTimer(window, IDT_PANEL_FIND);
    if (!SystemMayHavePanel()) {
        OutputDebugStringW(L"Glimra: built-in panels: not asked\n");
        AssignPanels({});
        return;
    }
    std::vector<PanelBacklight> panels;
    ++findAttempts;
    const PanelResult result = FindPanels(panels);
    wchar_t trace[64];
    std::swprintf(trace, 64, L"Glimra: built-in panels: %d (answer %d)\n",
                  result == PanelResult::Done ? static_cast<int>(panels.size()) : 0,
                  static_cast<int>(result));
    OutputDebugStringW(trace);
    if (result == PanelResult::TryLater) {
        // Until WMI answers, each display stays as it was.
        if (window && AskPanelAgain(result, findAttempts, kPanelFindAttempts))
            SetTimer(window, IDT_PANEL_FIND, kPanelFindRetryMs, nullptr);
        return;
    }
    if (result != PanelResult::Done)
        panels.clear();
    const std::vector<bool> changed = AssignPanels(panels);
    if (!applyToSliders)
        return;
    // By index: a monitor's read pumps messages (the list itself stays while it runs).
    for (std::size_t k = 0; k < changed.size() && k < displayControls.size(); ++k) {
        if (!changed[k])
            continue;
        DisplayControl& display = displayControls[k];
        EnableMonitorSliders(display, monitorSystem.ddcCapableSystem != 0 && !display.monitors.empty());
        if (display.ddcEnabled)
            ReadMonitorIntoSliders(display, nullptr);
    }
}

// Sends each settled level; one WMI asks to make later is sent again a few times, then dropped silently.
void SendPendingLevels(HWND window) {
    KillTimer(window, IDT_PANEL_SEND);
    bool again = false;
    bool panelGone = false;
    for (DisplayControl& display : displayControls) {
        if (!display.panel || !display.panel->pendingPercent)
            continue;
        DisplayPanel& panel = *display.panel;
        const PanelResult result = SetPanelLevel(panel.backlight, *panel.pendingPercent);
        ++panel.sendAttempts;
        if (AskPanelAgain(result, panel.sendAttempts, kPanelSendAttempts)) {
            again = true;
            continue;
        }
        panel.pendingPercent.reset();
        panel.sendAttempts = 0;
        panelGone = panelGone || result == PanelResult::NoPanel;
    }
    if (again)
        SetTimer(window, IDT_PANEL_SEND, kPanelSendRetryMs, nullptr);
    // The panel WMI no longer knows (its instance changed): ask which panels there are now.
    if (panelGone) {
        findAttempts = 0;
        AskForPanels(window, true);
    }
}

} // namespace

void FindDisplayPanels(HWND window) {
    findAttempts = 0;
    AskForPanels(window, false);
}

bool HandlePanelTimer(HWND window, WPARAM id) {
    if (id == IDT_PANEL_SEND) {
        SendPendingLevels(window);
        return true;
    }
    if (id == IDT_PANEL_FIND) {
        AskForPanels(window, true);
        return true;
    }
    return false;
}

void SendPanelLevelsNow(HWND window) {
    KillTimer(window, IDT_PANEL_SEND);
    for (DisplayControl& display : displayControls)
        if (display.panel)
            SendPanelLevelNow(*display.panel);
}

void ReadPanelsIntoSliders() {
    for (DisplayControl& display : displayControls)
        if (display.panel && display.brightnessSlider && !display.panel->pendingPercent)
            ReadPanelIntoSlider(*display.panel, display.brightnessSlider, nullptr);
}

void RefreshPanelTips() {
    for (DisplayControl& display : displayControls)
        if (display.panel)
            ShowPanelSliders(display.brightnessSlider, display.contrastSlider);
}
