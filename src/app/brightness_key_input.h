// The two global brightness keys: their stored choice, their registration on the main window, and what a
// press does (WM_HOTKEY): the sliders move at once, the monitors hear of it once the presses pause.
#pragma once

#include <windows.h>

#include <vector>

#include "app/brightness_keys.h"
#include "monitor/display_settings_file.h"

// RegisterHotKey ids of the main window (an application's ids lie in 0x0000..0xBFFF).
constexpr int kHotkeyBrightnessUp = 0x0B01;
constexpr int kHotkeyBrightnessDown = 0x0B02;
// One shot, restarted by every press: the monitors are written this long after the last press.
constexpr UINT_PTR IDT_BRIGHTNESS_KEYS = 1050;
constexpr UINT kBrightnessKeySendDelayMs = 500;

// The keys as chosen, kept in "Displays.ini".
struct BrightnessKeyChoice {
    KeyCombination up;
    KeyCombination down;
    bool underPointerOnly = false;
};
extern BrightnessKeyChoice brightnessKeyChoice;

// One display as a key press reaches it.
struct KeyDisplay {
    BrightnessKeyDisplay keys;  // what decides the move
    HMONITOR monitor = nullptr; // where its level is shown
    HWND brightnessSlider = nullptr;
    HWND videoSlider = nullptr;
};
// The displays the keys act on, in the window's order.
std::vector<KeyDisplay> CurrentKeyDisplays();

// Reads the stored choice and registers it on window; a combination that is taken stays chosen, unheard.
void StartBrightnessKeys(HWND window);
// What a registration of the choice could not register.
struct BrightnessKeyRegistration {
    // Held by another program: kept all the same, and registered at a later start when free.
    std::vector<KeyCombination> taken;
    // Both actions were given one combination: only "Brightness up" has it.
    bool sameForBoth = false;
};
// Stores choice and registers it on window in place of the old one.
BrightnessKeyRegistration ChooseBrightnessKeys(HWND window, const BrightnessKeyChoice& choice);
// The combination as the keyboard names it ("Ctrl+Alt+Up").
std::wstring KeyCombinationName(KeyCombination keys);

// WM_HOTKEY of the main window.
void HandleBrightnessHotkey(HWND window, WPARAM id);
// WM_TIMER of the main window: true when it was the keys' timer.
bool HandleBrightnessKeyTimer(HWND window, WPARAM id);
// Sends at once what waits for the presses to pause, so the monitors match the positions the exit saves.
void SendPendingBrightnessKeys(HWND window);
