// The language and help files that ship beside Glimra.exe, read as the program reads them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "i18n/language_file.h"
#include "i18n/language_list.h"
#include "i18n/text_table.h"
#include "i18n/upper_case.h"

namespace {

namespace fs = std::filesystem;

const fs::path kShipped = GLIMRA_SHIPPED_DATA_DIR;

// Each file is named as Windows gives the language's English name (LOCALE_SENGLANGUAGE).
const std::vector<std::string> kLanguages = {"English",
                                             "Russian",
                                             "Ukrainian",
                                             "German",
                                             "French",
                                             "Spanish",
                                             "Italian",
                                             "Portuguese",
                                             "Polish",
                                             "Turkish",
                                             "Chinese (Simplified)",
                                             "Japanese"};

std::vector<uint8_t> ReadBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string Narrow(std::u16string_view text) {
    std::string out;
    for (char16_t c : text)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

std::u16string AsciiToU16(const std::string& text) {
    return std::u16string(text.begin(), text.end());
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::size_t Count(std::u16string_view text, std::u16string_view pattern) {
    std::size_t count = 0;
    for (std::size_t at = text.find(pattern); at != std::u16string_view::npos;
         at = text.find(pattern, at + 1))
        ++count;
    return count;
}

// Where a file writes "%s": the default's own inserts and its line breaks, which a file line cannot hold.
std::size_t InsertsOf(const TextKey& key) {
    return Count(key.defaultText, u"%s") + Count(key.defaultText, u"\r\n");
}

// Text as a help file writes it: the RTF specials escaped, everything beyond ASCII as \uN? with N the
// signed UTF-16 unit.
std::string AsRtfText(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) {
        if (c == u'\\' || c == u'{' || c == u'}')
            out += '\\';
        if (c >= 0x20 && c < 0x7F)
            out += static_cast<char>(c);
        else
            out += "\\u" + std::to_string(static_cast<int16_t>(c)) + "?";
    }
    return out;
}

std::vector<std::u16string> Sections() {
    std::vector<std::u16string> sections;
    for (const TextKey& key : kAllTextKeys)
        if (std::find(sections.begin(), sections.end(), key.section) == sections.end())
            sections.emplace_back(key.section);
    return sections;
}

class ShippedLanguage : public ::testing::TestWithParam<std::string> {
  protected:
    void SetUp() override {
        path_ = kShipped / "Langs" / (GetParam() + ".lng");
        ASSERT_TRUE(fs::exists(path_)) << path_;
        bytes_ = ReadBytes(path_);
        text_ = DecodeUtf16Le(bytes_);
    }
    fs::path path_;
    std::vector<uint8_t> bytes_;
    std::u16string text_;
};

TEST_P(ShippedLanguage, IsUtf16WithMarkAndCrLfLinesOnly) {
    ASSERT_GE(bytes_.size(), 2u);
    EXPECT_EQ(bytes_[0], 0xFF);
    EXPECT_EQ(bytes_[1], 0xFE);
    EXPECT_EQ(bytes_.size() % 2, 0u);
    EXPECT_LE(path_.filename().string().size(), kLanguageListFileNameLength);
    for (std::size_t i = 0; i < text_.size(); ++i) {
        if (text_[i] == u'\n')
            EXPECT_TRUE(i > 0 && text_[i - 1] == u'\r') << "lone LF at " << i;
        if (text_[i] == u'\r')
            EXPECT_TRUE(i + 1 < text_.size() && text_[i + 1] == u'\n') << "lone CR at " << i;
        EXPECT_NE(text_[i], u'\t') << "TAB at " << i;
    }
}

TEST_P(ShippedLanguage, EverySectionHoldsExactlyTheTableKeysWithTheirInserts) {
    for (const std::u16string& section : Sections()) {
        std::map<std::u16string, std::u16string> read;
        for (const LanguageEntry& entry : ParseLanguageSection(text_, section)) {
            EXPECT_TRUE(read.emplace(UpperCaseText(entry.key), entry.value).second)
                << "twice: " << Narrow(entry.key);
        }
        std::set<std::u16string> expected;
        for (const TextKey& key : kAllTextKeys) {
            if (key.section != section)
                continue;
            const std::u16string upper = UpperCaseText(key.key);
            expected.insert(upper);
            const auto found = read.find(upper);
            ASSERT_NE(found, read.end()) << Narrow(section) << " misses " << Narrow(key.key);
            const std::u16string& value = found->second;
            EXPECT_FALSE(TrimSpaces(value).empty()) << Narrow(key.key);
            EXPECT_LE(value.size(), kLanguageFieldLength) << Narrow(key.key);
            EXPECT_EQ(Count(value, u"%s"), InsertsOf(key)) << Narrow(key.key);
            EXPECT_EQ(Count(value, u"%"), Count(value, u"%s")) << Narrow(key.key) << " holds a stray %";
        }
        EXPECT_EQ(read.size(), expected.size())
            << Narrow(section) << " holds keys the program never asks for";
    }
}

TEST_P(ShippedLanguage, HeaderBlockIsCompleteWithAPictureOfTwentyByFifteen) {
    const auto info = LanguageRecordFromFile(text_, AsciiToU16(path_.filename().string()));
    ASSERT_TRUE(info.has_value());
    EXPECT_FALSE(info->author.empty());
    EXPECT_FALSE(info->versionId.empty());
    ASSERT_FALSE(info->picture.empty());
    // The fields are read whole: a value cut at its length would show up as a shorter text here.
    EXPECT_NE(text_.find(u"NAME=" + info->name + u"\r\n"), std::u16string::npos);
    EXPECT_NE(text_.find(u"PICTURE=" + info->picture + u"\r\n"), std::u16string::npos);
    EXPECT_NE(text_.find(u"AUTHOR=" + info->author + u"\r\n"), std::u16string::npos);
    EXPECT_NE(text_.find(u"VERSIONID=" + info->versionId + u"\r\n"), std::u16string::npos);
    EXPECT_TRUE(IsPlainFileName(info->picture));

    // Named exactly as written, so it is found on a case-sensitive file system too.
    const std::vector<uint8_t> picture = ReadBytes(kShipped / "Langs" / Narrow(info->picture));
    ASSERT_GE(picture.size(), 54u) << Narrow(info->picture);
    auto number = [&](std::size_t at) {
        return picture[at] | picture[at + 1] << 8 | picture[at + 2] << 16 | picture[at + 3] << 24;
    };
    EXPECT_EQ(picture[0], 'B');
    EXPECT_EQ(picture[1], 'M');
    EXPECT_EQ(number(18), 20);
    EXPECT_EQ(number(22), 15);
}

TEST_P(ShippedLanguage, HasItsOwnHelpFileAsPlainRtf) {
    // The program asks for Help\<language>.RTF; Windows matches file names without regard to case.
    const fs::path help = kShipped / "Help" / (Lower(GetParam()) + ".rtf");
    ASSERT_TRUE(fs::exists(help)) << help;
    const std::vector<uint8_t> bytes = ReadBytes(help);
    const std::string rtf(bytes.begin(), bytes.end());
    EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
    int depth = 0;
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(rtf[i]);
        ASSERT_LT(c, 0x80) << "characters beyond ASCII must be written as \\uN? escapes, at " << i;
        if (c == '\\') {
            ++i; // an escaped brace or backslash counts as text
            continue;
        }
        depth += c == '{' ? 1 : c == '}' ? -1 : 0;
        ASSERT_GE(depth, 0) << "unbalanced at " << i;
        if (depth == 0)
            EXPECT_EQ(rtf.find_first_not_of("}\r\n", i), std::string::npos)
                << "text after the document's end";
    }
    EXPECT_EQ(depth, 0);
    EXPECT_NE(rtf.find("DataProfiles.dat"), std::string::npos) << "tells where the settings file lives";
    EXPECT_NE(rtf.find("DDC/CI"), std::string::npos);
    EXPECT_NE(rtf.find("Displays.ini"), std::string::npos) << "tells where the other displays' settings live";

    // The menu entry and the Settings controls it explains are named as this language's file names them.
    for (const TextKey& key :
         {kLinkMonitors, kKeysSection, kBrightnessUpKey, kBrightnessDownKey, kKeysUnderPointer}) {
        std::u16string value;
        for (const LanguageEntry& entry : ParseLanguageSection(text_, key.section))
            if (UpperCaseText(entry.key) == UpperCaseText(key.key))
                value = entry.value;
        ASSERT_FALSE(value.empty()) << Narrow(key.key);
        EXPECT_NE(rtf.find(AsRtfText(value)), std::string::npos)
            << "the help never names " << Narrow(key.key);
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedLanguage, ::testing::ValuesIn(kLanguages), [](const auto& info) {
    std::string name = info.param;
    name.erase(std::remove_if(name.begin(), name.end(), [](unsigned char c) { return !std::isalnum(c); }),
               name.end());
    return name;
});

TEST(ShippedLanguages, RussianFileSaysWhatTheBuiltInDefaultsSay) {
    const std::u16string text = DecodeUtf16Le(ReadBytes(kShipped / "Langs" / "Russian.lng"));
    ResetTextTableForTesting();
    for (const std::u16string& section : Sections())
        AddLanguageSection(text, section);
    for (const TextKey& key : kAllTextKeys) {
        // A default with line breaks is written with "%s" where the program inserts them.
        const bool breaks = key.defaultText.find(u"\r\n") != std::u16string_view::npos;
        EXPECT_EQ(GetText(key, breaks ? u"\r\n" : u""), key.defaultText) << Narrow(key.key);
    }
    ResetTextTableForTesting();
}

TEST(ShippedLanguages, EveryFileIsListedOnceUnderItsOwnName) {
    std::set<std::u16string> names;
    std::size_t files = 0;
    for (const auto& entry : fs::directory_iterator(kShipped / "Langs")) {
        if (entry.path().extension() != ".lng")
            continue;
        ++files;
        const std::string fileName = entry.path().filename().string();
        EXPECT_NE(std::find(kLanguages.begin(), kLanguages.end(), entry.path().stem().string()),
                  kLanguages.end())
            << fileName << " is not a language this test knows";
        EXPECT_TRUE(IsListedLanguageFile(AsciiToU16(fileName), fs::file_size(entry.path())));
        const auto info =
            LanguageRecordFromFile(DecodeUtf16Le(ReadBytes(entry.path())), AsciiToU16(fileName));
        ASSERT_TRUE(info.has_value()) << fileName;
        EXPECT_TRUE(names.insert(info->name).second) << "two files call themselves " << Narrow(info->name);
    }
    EXPECT_EQ(files, kLanguages.size());
}

} // namespace
