#include "monitor/display_settings_file.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

#include "monitor/utf8_text.h"

namespace {

constexpr std::string_view kSettingsSection = "settings";
constexpr std::string_view kDisplaySection = "display";
constexpr std::string_view kLinkKey = "link_monitors";
constexpr std::string_view kUpKeyKey = "brightness_up_key";
constexpr std::string_view kDownKeyKey = "brightness_down_key";
constexpr std::string_view kUnderPointerKey = "keys_under_pointer";
constexpr std::string_view kPathKey = "path";
constexpr std::string_view kNameKey = "name";
constexpr std::string_view kBrightnessKey = "brightness";
constexpr std::string_view kContrastKey = "contrast";
constexpr std::string_view kVideoKey = "video";
constexpr std::string_view kLastSeenKey = "last_seen";
constexpr std::array<std::string_view, 6> kDisplayKeys = {kPathKey,     kNameKey,  kBrightnessKey,
                                                          kContrastKey, kVideoKey, kLastSeenKey};
constexpr std::array<std::string_view, 4> kSettingsKeys = {kLinkKey, kUpKeyKey, kDownKeyKey,
                                                           kUnderPointerKey};
// In the order they are written.
constexpr std::array<std::pair<std::string_view, uint8_t>, 4> kModifierNames = {
    {{"ctrl", 2}, {"alt", 1}, {"shift", 4}, {"win", 8}}};
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kHeader =
    "; Glimra: the slider positions of each display, kept by its device path, and the program's choices.\r\n"
    "; Lines starting with ; are notes. Edit this file only while Glimra is not running.\r\n";
constexpr char16_t kReplacement = u'\uFFFD';

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

bool IsControl(uint32_t character) {
    return character < 0x20 || character == 0x7F;
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

bool SamePath(std::u16string_view a, std::u16string_view b) {
    const auto lower = [](char16_t c) {
        return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char16_t x, char16_t y) { return lower(x) == lower(y); });
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// A text as the file can hold it: see NormalizeDisplaySettings.
std::u16string WritableText(std::u16string_view text, std::size_t limit) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            out.push_back(unit);
            out.push_back(text[++i]);
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            out.push_back(kReplacement);
        } else {
            out.push_back(IsControl(unit) ? u' ' : unit);
        }
    }
    const auto trimEnd = [&] {
        while (!out.empty() && out.back() == u' ')
            out.pop_back();
    };
    trimEnd();
    const std::size_t lead = out.find_first_not_of(u' ');
    out.erase(0, lead == std::u16string::npos ? out.size() : lead);
    if (out.size() > limit) {
        // A pair is cut whole, never into an unpaired half.
        out.resize(IsHighSurrogate(out[limit - 1]) ? limit - 1 : limit);
        trimEnd();
    }
    return out;
}

bool IsKeyName(std::string_view key) {
    if (key.empty() || key.size() > kMaxOtherKeyBytes)
        return false;
    return std::all_of(key.begin(), key.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
               c == '-' || c == '.';
    });
}

template <std::size_t N> bool IsKnownKey(std::string_view key, const std::array<std::string_view, N>& known) {
    return std::any_of(known.begin(), known.end(), [&](std::string_view k) { return SameAsciiCase(key, k); });
}

// An other key's value can be written and read back unchanged.
bool IsWritableValue(std::string_view value) {
    std::u16string ignored;
    return value.size() <= kMaxOtherValueBytes && TrimBlanks(value) == value &&
           Utf16FromUtf8(value, ignored) && std::none_of(value.begin(), value.end(), [](char c) {
               return IsControl(static_cast<unsigned char>(c));
           });
}

template <std::size_t N>
std::vector<OtherKey> WritableOtherKeys(const std::vector<OtherKey>& keys,
                                        const std::array<std::string_view, N>& known) {
    std::vector<OtherKey> out;
    for (const OtherKey& key : keys) {
        if (out.size() == kMaxOtherKeysPerSection)
            break;
        const bool repeated = std::any_of(
            out.begin(), out.end(), [&](const OtherKey& k) { return SameAsciiCase(k.first, key.first); });
        if (IsKeyName(key.first) && !IsKnownKey(key.first, known) && !repeated && IsWritableValue(key.second))
            out.push_back(key);
    }
    return out;
}

std::optional<uint32_t> ParseNumber(std::string_view text, uint32_t maximum) {
    if (text.empty() || text.size() > 10 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    uint64_t value = 0;
    for (const char c : text)
        value = value * 10 + static_cast<uint64_t>(c - '0');
    if (value > maximum)
        return std::nullopt;
    return static_cast<uint32_t>(value);
}

int32_t HeldPosition(int32_t position) {
    return std::clamp(position, 0, 100);
}

// One section of the file while it is read; each field is set at most once.
struct SectionReader {
    bool isDisplay = false;
    DisplayEntry entry;
    std::vector<OtherKey> otherKeys;
    std::optional<bool> link, underPointer;
    std::optional<KeyCombination> upKey, downKey;
    bool hasPath = false, hasName = false;
    std::optional<uint32_t> brightness, contrast, video, lastSeen;
};

// Takes one key of the current section; false when the file is damaged.
bool TakeKey(SectionReader& section, std::string_view key, std::string_view value) {
    const auto number = [&](std::optional<uint32_t>& field, uint32_t maximum) {
        if (field)
            return false;
        field = ParseNumber(value, maximum);
        return field.has_value();
    };
    const auto text = [&](bool& seen, std::u16string& field, std::size_t limit) {
        if (seen || !Utf16FromUtf8(value, field) || WritableText(field, limit) != field)
            return false;
        seen = true;
        return true;
    };
    const auto flag = [&](std::optional<bool>& field) {
        if (field)
            return false;
        const std::optional<uint32_t> number = ParseNumber(value, 1);
        field = number ? std::optional<bool>(*number == 1) : std::nullopt;
        return field.has_value();
    };
    const auto keys = [&](std::optional<KeyCombination>& field) {
        if (field)
            return false;
        field = ParseKeyCombination(value);
        return field.has_value();
    };
    if (!section.isDisplay && SameAsciiCase(key, kLinkKey))
        return flag(section.link);
    if (!section.isDisplay && SameAsciiCase(key, kUnderPointerKey))
        return flag(section.underPointer);
    if (!section.isDisplay && SameAsciiCase(key, kUpKeyKey))
        return keys(section.upKey);
    if (!section.isDisplay && SameAsciiCase(key, kDownKeyKey))
        return keys(section.downKey);
    if (section.isDisplay) {
        if (SameAsciiCase(key, kPathKey))
            return text(section.hasPath, section.entry.devicePath, kMaxDisplayPathUnits) &&
                   !section.entry.devicePath.empty();
        if (SameAsciiCase(key, kNameKey))
            return text(section.hasName, section.entry.name, kMaxDisplayNameUnits);
        if (SameAsciiCase(key, kBrightnessKey))
            return number(section.brightness, 100);
        if (SameAsciiCase(key, kContrastKey))
            return number(section.contrast, 100);
        if (SameAsciiCase(key, kVideoKey))
            return number(section.video, 100);
        if (SameAsciiCase(key, kLastSeenKey))
            return number(section.lastSeen, std::numeric_limits<uint32_t>::max());
    }
    if (!IsKeyName(key) || section.otherKeys.size() == kMaxOtherKeysPerSection || !IsWritableValue(value))
        return false;
    if (std::any_of(section.otherKeys.begin(), section.otherKeys.end(),
                    [&](const OtherKey& k) { return SameAsciiCase(k.first, key); }))
        return false;
    section.otherKeys.emplace_back(std::string(key), std::string(value));
    return true;
}

// Ends a section into settings; false when it lacks a field or repeats a display.
bool FinishSection(SectionReader& section, DisplaySettings& settings) {
    if (!section.isDisplay) {
        settings.linkMonitors = section.link.value_or(false);
        settings.keysUnderPointerOnly = section.underPointer.value_or(false);
        settings.brightnessUpKey = section.upKey.value_or(KeyCombination{});
        settings.brightnessDownKey = section.downKey.value_or(KeyCombination{});
        settings.otherSettings = std::move(section.otherKeys);
        return true;
    }
    if (!section.hasPath || !section.brightness || !section.contrast || !section.video || !section.lastSeen)
        return false;
    if (settings.displays.size() == kMaxRememberedDisplays || FindDisplay(settings, section.entry.devicePath))
        return false;
    section.entry.brightnessPosition = static_cast<int32_t>(*section.brightness);
    section.entry.contrastPosition = static_cast<int32_t>(*section.contrast);
    section.entry.videoPosition = static_cast<int32_t>(*section.video);
    section.entry.lastSeen = *section.lastSeen;
    section.entry.otherKeys = std::move(section.otherKeys);
    settings.displays.push_back(std::move(section.entry));
    return true;
}

bool ParseLines(std::string_view text, DisplaySettings& settings) {
    std::optional<SectionReader> section;
    bool settingsSeen = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (std::any_of(line.begin(), line.end(),
                        [](char c) { return c != '\t' && IsControl(static_cast<unsigned char>(c)); }))
            return false;
        line = TrimBlanks(line);
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            if (line.back() != ']')
                return false;
            if (section && !FinishSection(*section, settings))
                return false;
            const std::string_view name = TrimBlanks(line.substr(1, line.size() - 2));
            section.emplace();
            if (SameAsciiCase(name, kDisplaySection)) {
                section->isDisplay = true;
            } else if (!SameAsciiCase(name, kSettingsSection) || settingsSeen) {
                return false;
            } else {
                settingsSeen = true;
            }
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!section || equals == std::string_view::npos)
            return false;
        if (!TakeKey(*section, TrimBlanks(line.substr(0, equals)), TrimBlanks(line.substr(equals + 1))))
            return false;
    }
    return !section || FinishSection(*section, settings);
}

void AppendLine(std::string& out, std::string_view key, std::string_view value) {
    out.append(key).append("=").append(value).append(kLineEnd);
}

void AppendOtherKeys(std::string& out, const std::vector<OtherKey>& keys) {
    for (const OtherKey& key : keys)
        AppendLine(out, key.first, key.second);
}

} // namespace

DisplaySettingsResult ParseDisplaySettings(std::span<const uint8_t> bytes, DisplaySettings& settings) {
    settings = {};
    if (bytes.size() > kMaxDisplaySettingsFileBytes)
        return DisplaySettingsResult::Damaged;
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (text.starts_with("\xEF\xBB\xBF")) // Notepad may add the mark when a person saves the file
        text.remove_prefix(3);
    std::u16string ignored;
    if (!Utf16FromUtf8(text, ignored) || !ParseLines(text, settings)) {
        settings = {};
        return DisplaySettingsResult::Damaged;
    }
    return DisplaySettingsResult::Ok;
}

DisplaySettings NormalizeDisplaySettings(const DisplaySettings& settings) {
    DisplaySettings out;
    out.linkMonitors = settings.linkMonitors;
    out.keysUnderPointerOnly = settings.keysUnderPointerOnly;
    // A combination the file cannot hold (no key, or unknown modifier bits) is stored as none.
    for (auto [from, to] : {std::pair{&settings.brightnessUpKey, &out.brightnessUpKey},
                            std::pair{&settings.brightnessDownKey, &out.brightnessDownKey}})
        *to = ParseKeyCombination(KeyCombinationText(*from)).value_or(KeyCombination{});
    out.otherSettings = WritableOtherKeys(settings.otherSettings, kSettingsKeys);
    for (const DisplayEntry& display : settings.displays) {
        DisplayEntry entry;
        entry.devicePath = WritableText(display.devicePath, kMaxDisplayPathUnits);
        if (entry.devicePath.empty() || FindDisplay(out, entry.devicePath))
            continue;
        entry.name = WritableText(display.name, kMaxDisplayNameUnits);
        entry.brightnessPosition = HeldPosition(display.brightnessPosition);
        entry.contrastPosition = HeldPosition(display.contrastPosition);
        entry.videoPosition = HeldPosition(display.videoPosition);
        entry.lastSeen = display.lastSeen;
        entry.otherKeys = WritableOtherKeys(display.otherKeys, kDisplayKeys);
        out.displays.push_back(std::move(entry));
    }
    if (out.displays.size() > kMaxRememberedDisplays) {
        // The ones seen last stay, in their order; of equally old ones the earlier stays.
        std::vector<std::size_t> order(out.displays.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return out.displays[a].lastSeen > out.displays[b].lastSeen;
        });
        std::vector<bool> keep(order.size(), false);
        for (std::size_t i = 0; i < kMaxRememberedDisplays; ++i)
            keep[order[i]] = true;
        std::vector<DisplayEntry> kept;
        for (std::size_t i = 0; i < out.displays.size(); ++i)
            if (keep[i])
                kept.push_back(std::move(out.displays[i]));
        out.displays = std::move(kept);
    }
    return out;
}

std::string WriteDisplaySettings(const DisplaySettings& settings) {
    const DisplaySettings normal = NormalizeDisplaySettings(settings);
    std::string out(kHeader);
    out.append("[settings]").append(kLineEnd);
    AppendLine(out, kLinkKey, normal.linkMonitors ? "1" : "0");
    AppendLine(out, kUpKeyKey, KeyCombinationText(normal.brightnessUpKey));
    AppendLine(out, kDownKeyKey, KeyCombinationText(normal.brightnessDownKey));
    AppendLine(out, kUnderPointerKey, normal.keysUnderPointerOnly ? "1" : "0");
    AppendOtherKeys(out, normal.otherSettings);
    for (const DisplayEntry& display : normal.displays) {
        out.append(kLineEnd).append("[display]").append(kLineEnd);
        AppendLine(out, kPathKey, Utf8FromUtf16(display.devicePath));
        AppendLine(out, kNameKey, Utf8FromUtf16(display.name));
        AppendLine(out, kBrightnessKey, std::to_string(display.brightnessPosition));
        AppendLine(out, kContrastKey, std::to_string(display.contrastPosition));
        AppendLine(out, kVideoKey, std::to_string(display.videoPosition));
        AppendLine(out, kLastSeenKey, std::to_string(display.lastSeen));
        AppendOtherKeys(out, display.otherKeys);
    }
    return out;
}

std::string KeyCombinationText(KeyCombination keys) {
    if (keys.IsEmpty() || (keys.modifiers & ~kKeyModifierMask) != 0)
        return {};
    std::string text;
    for (const auto& [name, bit] : kModifierNames)
        if (keys.modifiers & bit)
            text.append(name).append("+");
    constexpr char kHex[] = "0123456789abcdef";
    text.append("0x").push_back(kHex[keys.virtualKey >> 4]);
    text.push_back(kHex[keys.virtualKey & 0x0F]);
    return text;
}

std::optional<KeyCombination> ParseKeyCombination(std::string_view text) {
    KeyCombination keys;
    if (text.empty())
        return keys;
    for (;;) {
        const std::size_t plus = text.find('+');
        const std::string_view part = TrimBlanks(text.substr(0, plus));
        if (plus == std::string_view::npos) {
            // The key: "0x" and one or two hex digits, 0x01..0xFE (0xFF is no key).
            if (part.size() < 3 || part.size() > 4 || part[0] != '0' || AsciiLower(part[1]) != 'x')
                return std::nullopt;
            unsigned value = 0;
            for (const char c : part.substr(2)) {
                const char lower = AsciiLower(c);
                if (lower >= '0' && lower <= '9')
                    value = value * 16 + static_cast<unsigned>(lower - '0');
                else if (lower >= 'a' && lower <= 'f')
                    value = value * 16 + static_cast<unsigned>(lower - 'a' + 10);
                else
                    return std::nullopt;
            }
            if (value == 0 || value == 0xFF)
                return std::nullopt;
            keys.virtualKey = static_cast<uint8_t>(value);
            return keys;
        }
        const auto named =
            std::find_if(kModifierNames.begin(), kModifierNames.end(),
                         [&](const auto& modifier) { return SameAsciiCase(part, modifier.first); });
        if (named == kModifierNames.end() || (keys.modifiers & named->second) != 0)
            return std::nullopt;
        keys.modifiers = static_cast<uint8_t>(keys.modifiers | named->second);
        text.remove_prefix(plus + 1);
    }
}

DisplayEntry* FindDisplay(DisplaySettings& settings, std::u16string_view devicePath) {
    for (DisplayEntry& display : settings.displays)
        if (SamePath(display.devicePath, devicePath))
            return &display;
    return nullptr;
}

DisplayEntry& NoteDisplaySeen(DisplaySettings& settings, std::u16string_view devicePath,
                              std::u16string_view name) {
    auto& displays = settings.displays;
    uint32_t newest = 0;
    for (const DisplayEntry& display : displays)
        newest = std::max(newest, display.lastSeen);
    if (newest == std::numeric_limits<uint32_t>::max()) {
        // The count ran out after four billion sightings: number them again from 1, keeping their order.
        std::vector<DisplayEntry*> order;
        for (DisplayEntry& display : displays)
            order.push_back(&display);
        std::stable_sort(order.begin(), order.end(), [](const DisplayEntry* a, const DisplayEntry* b) {
            return a->lastSeen < b->lastSeen;
        });
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i]->lastSeen = static_cast<uint32_t>(i + 1);
        newest = static_cast<uint32_t>(order.size());
    }
    DisplayEntry* entry = FindDisplay(settings, devicePath);
    if (!entry) {
        if (displays.size() >= kMaxRememberedDisplays) {
            const auto oldest =
                std::min_element(displays.begin(), displays.end(),
                                 [](const auto& a, const auto& b) { return a.lastSeen < b.lastSeen; });
            displays.erase(oldest);
        }
        entry = &displays.emplace_back();
        entry->devicePath = devicePath;
    }
    if (!name.empty())
        entry->name = name;
    entry->lastSeen = newest + 1;
    return *entry;
}
