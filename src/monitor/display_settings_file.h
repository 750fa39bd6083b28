// "Displays.ini": the slider positions of each display, kept by its device path, and the program-wide
// choices beside "DataProfiles.dat". A plain UTF-8 text a person can read and edit:
//
//   [settings]
//   link_monitors=0
//   brightness_up_key=ctrl+alt+0x26
//   brightness_down_key=
//   keys_under_pointer=0
//
//   [display]
//   path=\\?\DISPLAY#DEL40F4#5&1a2b3c&0&UID4352#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}
//   name=DELL U2415
//   brightness=40
//   contrast=60
//   video=50
//   last_seen=12
//
// New program-wide choices are new keys of [settings]; keys this version does not know are kept and
// written back, so an older version does not lose a newer one's choices. Parsed and written over byte
// buffers only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

constexpr std::size_t kMaxRememberedDisplays = 32;
// Device paths and names come from fixed fields of 128 UTF-16 units.
constexpr std::size_t kMaxDisplayPathUnits = 127;
constexpr std::size_t kMaxDisplayNameUnits = 127;
constexpr std::size_t kMaxOtherKeysPerSection = 32;
constexpr std::size_t kMaxOtherKeyBytes = 48;
constexpr std::size_t kMaxOtherValueBytes = 256;
// Far more than the largest file the limits above allow: anything bigger is not ours.
constexpr std::size_t kMaxDisplaySettingsFileBytes = 512 * 1024;

// A key this version does not know, with its value, both as they stood in the file.
using OtherKey = std::pair<std::string, std::string>;

struct DisplayEntry {
    std::u16string devicePath; // the key: stable across restarts and ports
    std::u16string name;       // for the reader of the file only
    int32_t brightnessPosition = 50;
    int32_t contrastPosition = 50;
    int32_t videoPosition = 50;
    // Higher is seen more recently; the lowest goes first when a new display needs the place.
    uint32_t lastSeen = 0;
    std::vector<OtherKey> otherKeys;

    bool operator==(const DisplayEntry&) const = default;
};

// A global key combination: RegisterHotKey's modifiers (MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4, MOD_WIN 8)
// and a virtual-key code; key 0 is no combination. In the file: the modifiers by name, then the key in
// hex ("ctrl+shift+0x26"), or nothing.
struct KeyCombination {
    uint8_t modifiers = 0;
    uint8_t virtualKey = 0;
    bool IsEmpty() const { return virtualKey == 0; }
    bool operator==(const KeyCombination&) const = default;
};
constexpr uint8_t kKeyModifierMask = 0x0F;

struct DisplaySettings {
    bool linkMonitors = false;
    KeyCombination brightnessUpKey;
    KeyCombination brightnessDownKey;
    bool keysUnderPointerOnly = false; // the keys move only the display under the pointer
    std::vector<OtherKey> otherSettings;
    std::vector<DisplayEntry> displays;

    bool operator==(const DisplaySettings&) const = default;
};

enum class DisplaySettingsResult {
    Ok,
    NotFound, // no file: defaults (only the file access says this)
    Damaged,  // anything this version could not fully understand: defaults
};

// Fills settings from the file image, or resets them to defaults and returns Damaged. A file is damaged
// when it is too large, not UTF-8, holds a line that is no section, key or note, an unknown section, a bad
// or repeated value, a display without path or positions, the same display twice, or more displays than
// are remembered. A UTF-8 byte-order mark and CRLF or LF line ends are accepted.
DisplaySettingsResult ParseDisplaySettings(std::span<const uint8_t> bytes, DisplaySettings& settings);

// What the writer stores of settings: texts made writable (no control characters, no unpaired
// surrogates, no spaces at the ends, cut to their limits), positions held to 0..100, displays without a
// path or repeating one dropped, only the 32 seen last, and only other keys that can be read back.
DisplaySettings NormalizeDisplaySettings(const DisplaySettings& settings);

// The file's text (CRLF line ends) for NormalizeDisplaySettings(settings); parsing it gives exactly that.
std::string WriteDisplaySettings(const DisplaySettings& settings);

// A combination as the file writes it ("" for none), and back; nothing when the text is no combination.
std::string KeyCombinationText(KeyCombination keys);
std::optional<KeyCombination> ParseKeyCombination(std::string_view text);

// The entry of a device path (compared without regard to ASCII case, as Windows does), or null.
DisplayEntry* FindDisplay(DisplaySettings& settings, std::u16string_view devicePath);

// Marks a display as seen now, adding it with default positions when it is new; when more than 32 would be
// remembered, the one seen longest ago is forgotten. Returns the display's entry.
DisplayEntry& NoteDisplaySeen(DisplaySettings& settings, std::u16string_view devicePath,
                              std::u16string_view name);
