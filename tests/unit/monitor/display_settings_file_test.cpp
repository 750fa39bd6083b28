#include "monitor/display_settings_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr char16_t kDellPath[] =
    u"\\\\?\\DISPLAY#DEL40F4#5&1a2b3c&0&UID4352#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}";
constexpr char16_t kLaptopPath[] =
    u"\\\\?\\DISPLAY#BOE0747#4&2c1d&0&UID265988#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}";

DisplaySettingsResult Parse(const std::string& text, DisplaySettings& settings) {
    return ParseDisplaySettings(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()),
                                settings);
}

// A valid display section with the given path, seen at the given count.
std::string Section(const std::string& path, int lastSeen) {
    return "[display]\npath=" + path +
           "\nbrightness=1\ncontrast=2\nvideo=3\nlast_seen=" + std::to_string(lastSeen) + "\n";
}

// A well-formed file with one display in which `line` replaces the line that starts with `key`.
std::string WithLine(const std::string& key, const std::string& line) {
    std::string text =
        "[settings]\nlink_monitors=1\n[display]\npath=\\\\?\\DISPLAY#A\nname=Left\nbrightness=40\n"
        "contrast=60\nvideo=55\nlast_seen=7\n";
    const std::size_t at = text.find("\n" + key) + 1;
    return text.replace(at, text.find('\n', at) - at, line);
}

} // namespace

TEST(DisplaySettingsFile, WritesThePlainTextAPersonCanReadAndReadsItBackUnchanged) {
    DisplaySettings settings;
    settings.linkMonitors = true;
    settings.brightnessUpKey = {2 | 1, 0x26}; // Ctrl+Alt+Up
    settings.keysUnderPointerOnly = true;
    settings.displays.push_back({kDellPath, u"DELL U2415", 40, 60, 50, 12, {}});
    // A name beyond the first plane and beyond ASCII: both must survive as UTF-8.
    settings.displays.push_back({kLaptopPath, u"\u00C9cran \U0001F5B5", 0, 100, 73, 3, {}});
    const std::string text = WriteDisplaySettings(settings);
    EXPECT_EQ(text,
              "; Glimra: the slider positions of each display, kept by its device path, and the program's "
              "choices.\r\n"
              "; Lines starting with ; are notes. Edit this file only while Glimra is not running.\r\n"
              "[settings]\r\n"
              "link_monitors=1\r\n"
              "brightness_up_key=ctrl+alt+0x26\r\n"
              "brightness_down_key=\r\n"
              "keys_under_pointer=1\r\n"
              "\r\n"
              "[display]\r\n"
              "path=\\\\?\\DISPLAY#DEL40F4#5&1a2b3c&0&UID4352#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}\r\n"
              "name=DELL U2415\r\n"
              "brightness=40\r\n"
              "contrast=60\r\n"
              "video=50\r\n"
              "last_seen=12\r\n"
              "\r\n"
              "[display]\r\n"
              "path=\\\\?\\DISPLAY#BOE0747#4&2c1d&0&UID265988#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}\r\n"
              "name=\xC3\x89\x63ran \xF0\x9F\x96\xB5\r\n"
              "brightness=0\r\n"
              "contrast=100\r\n"
              "video=73\r\n"
              "last_seen=3\r\n");
    DisplaySettings read;
    read.linkMonitors = false;
    ASSERT_EQ(Parse(text, read), DisplaySettingsResult::Ok);
    EXPECT_EQ(read, settings);
}

TEST(DisplaySettingsFile, AcceptsWhatAPersonOrAnEditorMayWrite) {
    DisplaySettings settings;
    // Notepad's byte-order mark, LF line ends, notes, blank lines, blanks around keys and values, other case,
    // leading zeros, no [settings] and no name.
    const std::string text = "\xEF\xBB\xBF# written by hand\n\n  [ Display ]  \n\tPATH = \\\\?\\DISPLAY#A \n"
                             "Brightness=007\ncontrast =0\nvideo= 100\nlast_seen=4294967295\n; the end\n";
    ASSERT_EQ(Parse(text, settings), DisplaySettingsResult::Ok);
    EXPECT_FALSE(settings.linkMonitors);
    ASSERT_EQ(settings.displays.size(), 1u);
    const DisplayEntry& display = settings.displays[0];
    EXPECT_EQ(display.devicePath, u"\\\\?\\DISPLAY#A");
    EXPECT_EQ(display.name, u"");
    EXPECT_EQ(display.brightnessPosition, 7);
    EXPECT_EQ(display.contrastPosition, 0);
    EXPECT_EQ(display.videoPosition, 100);
    EXPECT_EQ(display.lastSeen, 4294967295u);

    ASSERT_EQ(Parse("", settings), DisplaySettingsResult::Ok) << "an emptied file holds the defaults";
    EXPECT_EQ(settings, DisplaySettings{});
    ASSERT_EQ(Parse("[settings]\r\nlink_monitors=1\r\n", settings), DisplaySettingsResult::Ok);
    EXPECT_TRUE(settings.linkMonitors);
    EXPECT_TRUE(settings.displays.empty());
}

TEST(DisplaySettingsFile, ChoicesOfANewerVersionAreKeptAndWrittenBack) {
    const std::string text =
        "[settings]\nlink_monitors=0\nhotkey_brighter=Ctrl+Alt+Up\ndisplay_under_pointer=1\n" +
        Section("A", 1) + "input.source=HDMI 2\nempty=\n";
    DisplaySettings settings;
    ASSERT_EQ(Parse(text, settings), DisplaySettingsResult::Ok);
    const std::vector<OtherKey> expectedSettings = {{"hotkey_brighter", "Ctrl+Alt+Up"},
                                                    {"display_under_pointer", "1"}};
    const std::vector<OtherKey> expectedDisplay = {{"input.source", "HDMI 2"}, {"empty", ""}};
    EXPECT_EQ(settings.otherSettings, expectedSettings);
    ASSERT_EQ(settings.displays.size(), 1u);
    EXPECT_EQ(settings.displays[0].otherKeys, expectedDisplay);
    DisplaySettings again;
    ASSERT_EQ(Parse(WriteDisplaySettings(settings), again), DisplaySettingsResult::Ok);
    EXPECT_EQ(again, settings);
}

TEST(DisplaySettingsFile, KeyCombinationsAreReadAsAPersonMayWriteThemAndRejectedWhenNoCombination) {
    const struct {
        const char* text;
        std::optional<KeyCombination> keys;
    } cases[] = {
        {"", KeyCombination{}},
        {"0x26", KeyCombination{0, 0x26}},
        {"ctrl+alt+0x26", KeyCombination{2 | 1, 0x26}},
        {"Win + SHIFT + 0XA", KeyCombination{8 | 4, 0x0A}},
        {"shift+ctrl+alt+win+0xfe", KeyCombination{15, 0xFE}},
        {"ctrl+ctrl+0x26", std::nullopt},
        {"ctrl+", std::nullopt},
        {"ctrl", std::nullopt},
        {"0x", std::nullopt},
        {"0x00", std::nullopt},
        {"0xff", std::nullopt},
        {"0x100", std::nullopt},
        {"0xg1", std::nullopt},
        {"38", std::nullopt},
        {"hyper+0x26", std::nullopt},
        {"+0x26", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseKeyCombination(c.text), c.keys) << c.text;
        if (c.keys)
            EXPECT_EQ(ParseKeyCombination(KeyCombinationText(*c.keys)), c.keys) << c.text;
    }
    EXPECT_EQ(KeyCombinationText({4 | 8 | 1 | 2, 0x71}), "ctrl+alt+shift+win+0x71");
    // What the file cannot hold is none: no key, or modifier bits beyond the four.
    DisplaySettings settings;
    settings.brightnessUpKey = {2, 0};
    settings.brightnessDownKey = {0x12, 0x28};
    DisplaySettings read;
    ASSERT_EQ(Parse(WriteDisplaySettings(settings), read), DisplaySettingsResult::Ok);
    EXPECT_EQ(read.brightnessUpKey, KeyCombination{});
    EXPECT_EQ(read.brightnessDownKey, KeyCombination{});
}

TEST(DisplaySettingsFile, AnythingNotFullyUnderstoodIsDamagedAndGivesDefaults) {
    std::string manyDisplays = "[settings]\n";
    for (std::size_t i = 0; i <= kMaxRememberedDisplays; ++i)
        manyDisplays += Section("P" + std::to_string(i), static_cast<int>(i));
    std::string manyKeys = "[settings]\n";
    for (std::size_t i = 0; i <= kMaxOtherKeysPerSection; ++i)
        manyKeys += "k" + std::to_string(i) + "=1\n";
    const std::string longPath(kMaxDisplayPathUnits + 1, 'p');
    // Three bytes of UTF-8 but one unit each: the limit counts units.
    std::string longName;
    for (std::size_t i = 0; i <= kMaxDisplayNameUnits; ++i)
        longName += "\xE2\x82\xAC";
    std::string huge = WithLine("name", "name=x") + "; ";
    huge.resize(kMaxDisplaySettingsFileBytes + 1, 'x');

    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"position above 100", WithLine("brightness", "brightness=101")},
        {"negative position", WithLine("contrast", "contrast=-1")},
        {"position not a number", WithLine("video", "video=5x")},
        {"position empty", WithLine("video", "video=")},
        {"position with a sign", WithLine("video", "video=+5")},
        {"last seen beyond 32 bits", WithLine("last_seen", "last_seen=4294967296")},
        {"last seen of many digits", WithLine("last_seen", "last_seen=00000000001")},
        {"link neither 0 nor 1", WithLine("link_monitors", "link_monitors=2")},
        {"key repeated", WithLine("video", "video=5\nVIDEO=5")},
        {"link repeated", WithLine("link_monitors", "link_monitors=1\nlink_monitors=1")},
        {"pointer choice neither 0 nor 1", WithLine("link_monitors", "keys_under_pointer=yes")},
        {"key combination repeated",
         WithLine("link_monitors", "brightness_up_key=0x26\nbrightness_up_key=0x26")},
        {"key combination of words", WithLine("link_monitors", "brightness_down_key=Ctrl+Down")},
        {"name repeated", WithLine("name", "name=a\nname=a")},
        {"no path", WithLine("path", "; no path")},
        {"empty path", WithLine("path", "path=")},
        {"no brightness", WithLine("brightness", ";")},
        {"no contrast", WithLine("contrast", ";")},
        {"no video", WithLine("video", ";")},
        {"no last seen", WithLine("last_seen", ";")},
        {"same display twice",
         "[display]\npath=\\\\?\\DISPLAY#a\nbrightness=1\ncontrast=1\nvideo=1\nlast_seen=1\n" +
             WithLine("name", "name=x")},
        {"path too long", WithLine("path", "path=" + longPath)},
        {"name too long", WithLine("name", "name=" + longName)},
        {"tab inside a name", WithLine("name", "name=a\tb")},
        {"carriage return inside a line", WithLine("name", "name=a\rb")},
        {"NUL byte", WithLine("name", std::string("name=a\0b", 8))},
        {"lone continuation byte", WithLine("name", "name=\x80")},
        {"overlong slash", WithLine("name", "name=\xC0\xAF")},
        {"encoded surrogate", WithLine("name", "name=\xED\xA0\x80")},
        {"beyond Unicode", WithLine("name", "name=\xF4\x90\x80\x80")},
        {"cut sequence at the end", WithLine("name", "name=x") + "\xE2\x82"},
        {"key before any section", "link_monitors=1\n" + WithLine("name", "name=x")},
        {"unknown section", WithLine("name", "name=x") + "[hotkeys]\n"},
        {"second settings section", WithLine("name", "name=x") + "[settings]\n"},
        {"line without a key", WithLine("name", "just some words")},
        {"unclosed section", WithLine("name", "name=x") + "[display\n"},
        {"other key with a blank", WithLine("name", "name=x\nmy key=1")},
        {"other key too long", WithLine("name", "name=x\n" + std::string(kMaxOtherKeyBytes + 1, 'k') + "=1")},
        {"other value too long", WithLine("name", "name=x\nk=" + std::string(kMaxOtherValueBytes + 1, 'v'))},
        {"other key repeated", WithLine("name", "name=x\nk=1\nK=2")},
        {"too many other keys", manyKeys},
        {"more displays than are remembered", manyDisplays},
        {"larger than any file of ours", huge},
    };
    for (const auto& c : cases) {
        DisplaySettings settings;
        settings.linkMonitors = true;
        settings.displays.push_back({u"left over", u"", 1, 2, 3, 4, {}});
        EXPECT_EQ(Parse(c.text, settings), DisplaySettingsResult::Damaged) << c.what;
        EXPECT_EQ(settings, DisplaySettings{}) << c.what << ": defaults, nothing half-read";
    }
    // The base of the table is sound, so each case is damaged by its own change.
    DisplaySettings settings;
    EXPECT_EQ(Parse(WithLine("name", "name=x"), settings), DisplaySettingsResult::Ok);
    EXPECT_EQ(Parse(manyDisplays.substr(0, manyDisplays.rfind("[display]")), settings),
              DisplaySettingsResult::Ok);
}

TEST(DisplaySettingsFile, WhateverIsInMemoryIsWrittenSoThatItReadsBackAsNormalized) {
    std::mt19937 random(16);
    const std::u16string alphabet = u"aZ09 #&\\?{}=[];\t\r\n\x7F\u00E9\u20AC\xD800\xDC00\xD83D\xDDB5";
    const auto text = [&](std::size_t longest) {
        std::u16string out(random() % (longest + 1), u' ');
        for (char16_t& unit : out)
            unit = alphabet[random() % alphabet.size()];
        return out;
    };
    const std::string keyChars = "ab_.-Z9 =;[\x01\xC3";
    const auto otherKeys = [&] {
        std::vector<OtherKey> keys(random() % 40);
        for (OtherKey& key : keys) {
            for (std::size_t i = random() % 6; i > 0; --i)
                key.first += keyChars[random() % keyChars.size()];
            for (std::size_t i = random() % 8; i > 0; --i)
                key.second += keyChars[random() % keyChars.size()];
        }
        if (!keys.empty() && random() % 4 == 0)
            keys[0].first = "LINK_MONITORS";
        return keys;
    };
    for (int round = 0; round < 100; ++round) {
        DisplaySettings settings;
        settings.linkMonitors = random() % 2 == 0;
        settings.otherSettings = otherKeys();
        for (std::size_t i = random() % 40; i > 0; --i) {
            DisplayEntry entry;
            entry.devicePath = random() % 8 == 0 ? u"\\\\?\\DISPLAY#SAME" : text(140);
            if (random() % 8 == 0)
                entry.devicePath = u"\\\\?\\display#same"; // the same display in other case
            entry.name = text(140);
            entry.brightnessPosition = static_cast<int32_t>(random() % 300) - 100;
            entry.contrastPosition = static_cast<int32_t>(random());
            entry.videoPosition = static_cast<int32_t>(random() % 101);
            entry.lastSeen = static_cast<uint32_t>(random() % 50);
            entry.otherKeys = otherKeys();
            settings.displays.push_back(entry);
        }
        const DisplaySettings normal = NormalizeDisplaySettings(settings);
        EXPECT_LE(normal.displays.size(), kMaxRememberedDisplays);
        EXPECT_EQ(NormalizeDisplaySettings(normal), normal) << "round " << round;
        DisplaySettings read;
        ASSERT_EQ(Parse(WriteDisplaySettings(settings), read), DisplaySettingsResult::Ok)
            << "round " << round;
        EXPECT_EQ(read, normal) << "round " << round;
    }
}

TEST(DisplaySettingsFile, NormalizingKeepsTheDisplaysSeenLastAndTextsWhole) {
    DisplaySettings settings;
    for (uint32_t i = 0; i < kMaxRememberedDisplays + 3; ++i) { // seen 0, 1, 2 are the oldest
        DisplayEntry& entry = settings.displays.emplace_back();
        entry.devicePath = u"P" + std::u16string(1, static_cast<char16_t>(u'0' + i));
        entry.lastSeen = (i * 8) % static_cast<uint32_t>(kMaxRememberedDisplays + 3);
    }
    const DisplaySettings normal = NormalizeDisplaySettings(settings);
    ASSERT_EQ(normal.displays.size(), kMaxRememberedDisplays);
    for (const DisplayEntry& display : normal.displays)
        EXPECT_GE(display.lastSeen, 3u);
    EXPECT_EQ(normal.displays[0].devicePath, u"P1") << "the order stays";

    DisplaySettings texts;
    // A pair at the limit is cut whole; controls become blanks; blanks at the ends go; a lone half is U+FFFD.
    std::u16string name(kMaxDisplayNameUnits - 1, u'n');
    name += u"\U0001F5B5";
    texts.displays.push_back({u"  a\tb\xD800  ", name, 50, 50, 50, 1, {}});
    const DisplaySettings cut = NormalizeDisplaySettings(texts);
    ASSERT_EQ(cut.displays.size(), 1u);
    EXPECT_EQ(cut.displays[0].devicePath, u"a b\uFFFD");
    EXPECT_EQ(cut.displays[0].name, std::u16string(kMaxDisplayNameUnits - 1, u'n'));
}

TEST(RememberedDisplays, ASeenDisplayComesFirstAndTheOneSeenLongestAgoMakesRoom) {
    DisplaySettings settings;
    DisplayEntry& first = NoteDisplaySeen(settings, kDellPath, u"DELL U2415");
    EXPECT_EQ(first.brightnessPosition, 50);
    EXPECT_EQ(first.videoPosition, 50);
    EXPECT_EQ(first.lastSeen, 1u);
    std::u16string otherCase = kDellPath;
    otherCase[4] = u'd'; // "display": device paths are compared as Windows does, without case
    NoteDisplaySeen(settings, otherCase, u"");
    ASSERT_EQ(settings.displays.size(), 1u);
    EXPECT_EQ(settings.displays[0].lastSeen, 2u);
    EXPECT_EQ(settings.displays[0].name, u"DELL U2415") << "no name keeps the known one";

    for (int i = 0; settings.displays.size() < kMaxRememberedDisplays; ++i)
        NoteDisplaySeen(settings, u"P" + std::u16string(1, static_cast<char16_t>(u'A' + i)), u"");
    NoteDisplaySeen(settings, kDellPath, u""); // now "PA" is the one seen longest ago
    NoteDisplaySeen(settings, kLaptopPath, u"Laptop");
    ASSERT_EQ(settings.displays.size(), kMaxRememberedDisplays);
    EXPECT_EQ(FindDisplay(settings, u"PA"), nullptr);
    EXPECT_NE(FindDisplay(settings, kDellPath), nullptr);
    ASSERT_NE(FindDisplay(settings, kLaptopPath), nullptr);
    EXPECT_EQ(settings.displays.back().name, u"Laptop");
}

TEST(RememberedDisplays, TheCountRunningOutKeepsTheOrderOfSightings) {
    DisplaySettings settings;
    settings.displays.push_back({u"B", u"", 50, 50, 50, 4294967295u, {}});
    settings.displays.push_back({u"A", u"", 50, 50, 50, 9, {}});
    NoteDisplaySeen(settings, u"C", u"");
    ASSERT_EQ(settings.displays.size(), 3u);
    EXPECT_LT(settings.displays[1].lastSeen, settings.displays[0].lastSeen);
    EXPECT_LT(settings.displays[0].lastSeen, settings.displays[2].lastSeen);
}
