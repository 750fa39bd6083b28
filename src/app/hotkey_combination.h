// The system hotkey control and RegisterHotKey number their modifiers differently: the control's word
// (HKM_GETHOTKEY, HKM_SETHOTKEY) holds the key in its low byte and HOTKEYF_SHIFT 1, HOTKEYF_CONTROL 2,
// HOTKEYF_ALT 4, HOTKEYF_EXT 8 in its high byte; RegisterHotKey takes MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4,
// MOD_WIN 8. Pure conversions between the two.
#pragma once

#include <cstdint>

#include "monitor/display_settings_file.h"

constexpr uint8_t kHotkeyFlagShift = 0x01;
constexpr uint8_t kHotkeyFlagControl = 0x02;
constexpr uint8_t kHotkeyFlagAlt = 0x04;
constexpr uint8_t kHotkeyFlagExtended = 0x08;

constexpr uint8_t kModifierAlt = 0x01;
constexpr uint8_t kModifierControl = 0x02;
constexpr uint8_t kModifierShift = 0x04;
constexpr uint8_t kModifierWin = 0x08;

// The combination a hotkey control holds. Its extended-key flag only tells the arrows from the number
// pad's keys by the scan code; the virtual key already does, so it is dropped. The control has no Windows
// key.
KeyCombination KeyCombinationFromHotkeyWord(uint16_t word);

// The word that shows the combination in a hotkey control, with the extended flag set for the keys that
// sit beside the number pad (or the control would name "Num 8" for the up arrow). The Windows key cannot
// be shown and is left out.
uint16_t HotkeyWordFromKeyCombination(KeyCombination keys);
