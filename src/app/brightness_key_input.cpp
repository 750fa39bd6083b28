#include "app/brightness_key_input.h"

#include <algorithm>
#include <string>

#include "app/level_overlay.h"
#include "monitor/channels.h"
#include "monitor/display_memory.h"
#include "monitor/monitor_control.h"
#include "monitor/video_brightness.h"

BrightnessKeyChoice brightnessKeyChoice;

namespace {

// Supported from Windows 7: a held key gives one WM_HOTKEY, not the keyboard's repeat.
constexpr UINT kModNoRepeat = 0x4000;
constexpr double kFirstVersionWithNoRepeat = 6.01;

// The brightness sliders moved by keys whose displays still wait for their requests. The display is looked
// up again when the request goes: it may have gone meanwhile.
std::vector<HWND> pendingSends;

bool RegisterCombination(HWND window, int id, KeyCombination keys) {
    UnregisterHotKey(window, id);
    if (keys.IsEmpty())
        return true;
    UINT modifiers = keys.modifiers & kKeyModifierMask;
    if (WindowsVersionNumber() >= kFirstVersionWithNoRepeat)
        modifiers |= kModNoRepeat;
    return RegisterHotKey(window, id, modifiers, keys.virtualKey) != FALSE;
}

BrightnessKeyRegistration RegisterChoice(HWND window, const BrightnessKeyChoice& choice) {
    BrightnessKeyRegistration result;
    // Both go first, so the down key may take over what the up key held.
    UnregisterHotKey(window, kHotkeyBrightnessUp);
    UnregisterHotKey(window, kHotkeyBrightnessDown);
    if (!RegisterCombination(window, kHotkeyBrightnessUp, choice.up))
        result.taken.push_back(choice.up);
    // The second registration of one combination fails as if another program held it; it is ours.
    result.sameForBoth = !choice.down.IsEmpty() && choice.down == choice.up;
    if (!result.sameForBoth && !RegisterCombination(window, kHotkeyBrightnessDown, choice.down))
        result.taken.push_back(choice.down);
    return result;
}

std::wstring KeyName(UINT virtualKey) {
    UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    // The arrows and the keys beside them share their scan codes with the number pad's.
    if ((virtualKey >= VK_PRIOR && virtualKey <= VK_DOWN) || virtualKey == VK_INSERT ||
        virtualKey == VK_DELETE || virtualKey == VK_DIVIDE || virtualKey == VK_NUMLOCK)
        scanCode |= 0x100;
    wchar_t name[64] = {};
    if (scanCode != 0 && GetKeyNameTextW(static_cast<LONG>(scanCode << 16), name, 64) > 0)
        return name;
    wchar_t code[8];
    wsprintfW(code, L"#%02X", virtualKey);
    return code;
}

} // namespace

std::wstring KeyCombinationName(KeyCombination keys) {
    std::wstring name;
    if (keys.modifiers & MOD_CONTROL)
        name += KeyName(VK_CONTROL) + L"+";
    if (keys.modifiers & MOD_ALT)
        name += KeyName(VK_MENU) + L"+";
    if (keys.modifiers & MOD_SHIFT)
        name += KeyName(VK_SHIFT) + L"+";
    if (keys.modifiers & MOD_WIN)
        name += L"Win+";
    return name + KeyName(keys.virtualKey);
}

// One entry per display group, in the window's order.
std::vector<KeyDisplay> CurrentKeyDisplays() {
    std::vector<KeyDisplay> result;
    for (const DisplayControl& control : displayControls) {
        KeyDisplay display;
        display.monitor =
            control.monitor ? control.monitor : MonitorFromWindow(nullptr, MONITOR_DEFAULTTOPRIMARY);
        MONITORINFO info{};
        info.cbSize = sizeof(info);
        if (GetMonitorInfoW(display.monitor, &info))
            display.keys.desktopRect = {info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right,
                                        info.rcMonitor.bottom};
        display.brightnessSlider = control.brightnessSlider;
        display.videoSlider = control.videoSlider;
        display.keys.hasMonitorBrightness =
            display.brightnessSlider && IsWindowEnabled(display.brightnessSlider);
        display.keys.brightnessPosition =
            display.brightnessSlider ? GetSliderPosition(display.brightnessSlider) : kSliderStart;
        display.keys.videoPosition =
            display.videoSlider ? GetSliderPosition(display.videoSlider) : kSliderStart;
        result.push_back(display);
    }
    return result;
}

void StartBrightnessKeys(HWND window) {
    // A damaged file was set aside and reported when the displays were read: here it only means no keys.
    const DisplaySettings& stored = RememberedDisplaySettings();
    brightnessKeyChoice = {stored.brightnessUpKey, stored.brightnessDownKey, stored.keysUnderPointerOnly};
    RegisterChoice(window, brightnessKeyChoice); // a taken combination is silent at start
}

BrightnessKeyRegistration ChooseBrightnessKeys(HWND window, const BrightnessKeyChoice& choice) {
    brightnessKeyChoice = choice;
    RememberBrightnessKeys(choice.up, choice.down, choice.underPointerOnly);
    return RegisterChoice(window, choice);
}

void HandleBrightnessHotkey(HWND window, WPARAM id) {
    if (id != kHotkeyBrightnessUp && id != kHotkeyBrightnessDown)
        return;
    const std::vector<KeyDisplay> displays = CurrentKeyDisplays();
    std::vector<BrightnessKeyDisplay> decided;
    for (const KeyDisplay& display : displays)
        decided.push_back(display.keys);
    POINT pointer{};
    GetCursorPos(&pointer);
    const BrightnessKeyScope scope = brightnessKeyChoice.underPointerOnly
                                         ? BrightnessKeyScope::DisplayUnderPointer
                                         : BrightnessKeyScope::AllDisplays;
    const BrightnessKey key = id == kHotkeyBrightnessUp ? BrightnessKey::Up : BrightnessKey::Down;
    for (const BrightnessKeyMove& move : MovesForBrightnessKey(decided, key, scope, {pointer.x, pointer.y})) {
        const KeyDisplay& display = displays[move.display];
        if (move.slider == BrightnessKeySlider::MonitorBrightness) {
            // The slider moves without telling the window; its request goes once the presses pause.
            SetSliderPosition(display.brightnessSlider, move.position, 0);
            if (std::find(pendingSends.begin(), pendingSends.end(), display.brightnessSlider) ==
                pendingSends.end())
                pendingSends.push_back(display.brightnessSlider);
            const int value = MonitorValueFromPosition(move.position);
            ShowLevelOverlay(display.monitor, value, std::to_wstring(value));
        } else {
            // The gamma ramp is cheap: the picture follows every press.
            SetSliderPosition(display.videoSlider, move.position, 0);
            const int level = VideoLevelFromPosition(move.position);
            if (DisplayControl* control = DisplayOfSlider(display.videoSlider))
                SetVideoBrightness(*control, level);
            ShowLevelOverlay(display.monitor, kSliderMax - move.position, std::to_wstring(level));
        }
    }
    if (!pendingSends.empty())
        SetTimer(window, IDT_BRIGHTNESS_KEYS, kBrightnessKeySendDelayMs, nullptr);
}

namespace {

void SendPending(HWND window, bool now) {
    KillTimer(window, IDT_BRIGHTNESS_KEYS);
    const std::vector<HWND> sends = std::move(pendingSends);
    pendingSends.clear();
    for (HWND slider : sends) {
        // A slider gone with its display, or disabled meanwhile, has nothing to send.
        DisplayControl* display = DisplayOfSlider(slider);
        if (!display || !IsWindowEnabled(slider))
            continue;
        const uint8_t value = MonitorValueFromPosition(GetSliderPosition(slider));
        if (now)
            SendMonitorBrightnessNow(*display, value);
        else
            SetMonitorBrightness(*display, value);
    }
}

} // namespace

bool HandleBrightnessKeyTimer(HWND window, WPARAM id) {
    if (id != IDT_BRIGHTNESS_KEYS)
        return false;
    SendPending(window, false);
    return true;
}

void SendPendingBrightnessKeys(HWND window) {
    SendPending(window, true);
}
