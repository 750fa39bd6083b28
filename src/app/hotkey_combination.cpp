#include "app/hotkey_combination.h"

namespace {

struct ModifierPair {
    uint8_t hotkeyFlag;
    uint8_t modifier;
};
constexpr ModifierPair kPairs[] = {
    {kHotkeyFlagShift, kModifierShift},
    {kHotkeyFlagControl, kModifierControl},
    {kHotkeyFlagAlt, kModifierAlt},
};

// Virtual keys whose scan code is shared with a number-pad key and told apart by the extended bit:
// Page Up .. Down, Insert, Delete, the number pad's divide, Num Lock, and the Windows and menu keys.
bool IsExtendedKey(uint8_t key) {
    return (key >= 0x21 && key <= 0x28) || key == 0x2D || key == 0x2E || key == 0x6F || key == 0x90 ||
           (key >= 0x5B && key <= 0x5D);
}

} // namespace

KeyCombination KeyCombinationFromHotkeyWord(uint16_t word) {
    const auto flags = static_cast<uint8_t>(word >> 8);
    KeyCombination keys;
    keys.virtualKey = static_cast<uint8_t>(word & 0xFF);
    if (keys.virtualKey == 0)
        return {};
    for (const ModifierPair& pair : kPairs)
        if (flags & pair.hotkeyFlag)
            keys.modifiers = static_cast<uint8_t>(keys.modifiers | pair.modifier);
    return keys;
}

uint16_t HotkeyWordFromKeyCombination(KeyCombination keys) {
    if (keys.IsEmpty())
        return 0;
    uint8_t flags = IsExtendedKey(keys.virtualKey) ? kHotkeyFlagExtended : 0;
    for (const ModifierPair& pair : kPairs)
        if (keys.modifiers & pair.modifier)
            flags = static_cast<uint8_t>(flags | pair.hotkeyFlag);
    return static_cast<uint16_t>(flags << 8 | keys.virtualKey);
}
