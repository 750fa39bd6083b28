#include "app/hotkey_combination.h"

#include <gtest/gtest.h>

namespace {

constexpr uint16_t Word(uint8_t flags, uint8_t key) {
    return static_cast<uint16_t>(flags << 8 | key);
}

} // namespace

// The two numberings differ for Shift and Alt, which swap places; Control is 2 in both.
TEST(HotkeyCombination, ControlFlagsBecomeRegisterHotKeyModifiersAndBack) {
    const struct {
        uint16_t word;
        KeyCombination keys;
    } cases[] = {
        {Word(kHotkeyFlagShift, 'A'), {kModifierShift, 'A'}},
        {Word(kHotkeyFlagAlt, 'A'), {kModifierAlt, 'A'}},
        {Word(kHotkeyFlagControl, 'A'), {kModifierControl, 'A'}},
        {Word(kHotkeyFlagControl | kHotkeyFlagAlt, 0x70), {kModifierControl | kModifierAlt, 0x70}},
        {Word(kHotkeyFlagShift | kHotkeyFlagControl | kHotkeyFlagAlt, 'Z'),
         {kModifierShift | kModifierControl | kModifierAlt, 'Z'}},
        {Word(0, 0x7B), {0, 0x7B}}, // F12 alone
        // The arrows and the keys beside them carry the extended flag, which is no modifier.
        {Word(kHotkeyFlagExtended | kHotkeyFlagControl, 0x26), {kModifierControl, 0x26}},
        {Word(kHotkeyFlagExtended | kHotkeyFlagShift | kHotkeyFlagAlt, 0x28),
         {kModifierShift | kModifierAlt, 0x28}},
        {Word(kHotkeyFlagExtended, 0x2E), {0, 0x2E}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KeyCombinationFromHotkeyWord(c.word), c.keys) << std::hex << c.word;
        EXPECT_EQ(HotkeyWordFromKeyCombination(c.keys), c.word) << std::hex << c.word;
    }
}

TEST(HotkeyCombination, AnEmptyControlIsNoCombinationAndTheWindowsKeyCannotBeShown) {
    EXPECT_TRUE(KeyCombinationFromHotkeyWord(0).IsEmpty());
    // Modifiers held without a key yet: still nothing to register.
    EXPECT_EQ(KeyCombinationFromHotkeyWord(Word(kHotkeyFlagControl | kHotkeyFlagAlt, 0)), KeyCombination{});
    EXPECT_EQ(HotkeyWordFromKeyCombination({}), 0);
    EXPECT_EQ(HotkeyWordFromKeyCombination({kModifierControl, 0}), 0);
    EXPECT_EQ(HotkeyWordFromKeyCombination({kModifierWin | kModifierAlt, 'B'}), Word(kHotkeyFlagAlt, 'B'));
    // The number pad's 8 is no arrow: no extended flag.
    EXPECT_EQ(HotkeyWordFromKeyCombination({kModifierControl, 0x68}), Word(kHotkeyFlagControl, 0x68));
}
