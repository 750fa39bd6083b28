#include "i18n/text_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "i18n/upper_case.h"

namespace {

class TextTableTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetTextTableForTesting(); }
    void TearDown() override { ResetTextTableForTesting(); }
};

TEST_F(TextTableTest, EmptyTableGivesEveryBuiltInDefault) {
    for (const TextKey& key : kAllTextKeys)
        EXPECT_EQ(GetText(key), key.defaultText) << std::string(key.key.begin(), key.key.end());
}

TEST_F(TextTableTest, EmptyValueGivesTheDefault) {
    AddText(u"Exit", u"");
    EXPECT_EQ(GetText(kExit), u"Выйти");
}

TEST_F(TextTableTest, KeysMatchWithoutRegardToCaseOrOuterSpaces) {
    AddText(u"  exit ", u"Quit");
    EXPECT_EQ(GetText(kExit), u"Quit");
    EXPECT_EQ(GetText(u" EXIT", u"default"), u"Quit");
}

TEST_F(TextTableTest, FirstEntryOfAKeyWins) {
    AddText(u"AboutProgram", u"About Glimra");
    AddText(u"ABOUTPROGRAM", u"About this program");
    EXPECT_EQ(GetText(kMainMenuAboutProgram), u"About Glimra");
    EXPECT_EQ(GetText(kAboutDlgAboutProgram), u"About Glimra");
}

TEST_F(TextTableTest, EveryPercentSIsReplacedByTheInsert) {
    AddText(u"DescDonateMess", u"%s needs you %s");
    EXPECT_EQ(GetText(kDescDonateMess, u"Glimra"), u"Glimra needs you Glimra");
    EXPECT_EQ(GetText(kWantHelpProject, u"\r\n"),
              u"Хотите оказать помощь проекту? \r\n Кликните по этому сообщению!");
}

TEST_F(TextTableTest, EmptyInsertLeavesPercentSAlone) {
    EXPECT_EQ(GetText(kPersonalVersion), u"%s улучшенная версия программы");
}

TEST_F(TextTableTest, InsertHoldingPercentSIsNotExpandedAgain) {
    EXPECT_EQ(GetText(u"Missing", u"a%sb", u"%s%s"), u"a%s%sb");
}

TEST_F(TextTableTest, LookupComparesOnlyNineteenCharacters) {
    AddText(u"ErStartWithWinsAddX", u"nineteen"); // exactly 19 characters
    AddText(u"ErStartWithWinsAddXY", u"twenty");
    EXPECT_EQ(GetText(u"ErStartWithWinsAddX", u"default"), u"nineteen");
    // A 20-character lookup key is cut to its first 19 and so finds the 19-character entry.
    EXPECT_EQ(GetText(u"ErStartWithWinsAddXY", u"default"), u"nineteen");
}

TEST_F(TextTableTest, TwentyCharacterKeyInTheTableIsNeverFound) {
    AddText(u"ErStartWithWinsAddXY", u"twenty");
    EXPECT_EQ(GetText(u"ErStartWithWinsAddXY", u"default"), u"default");
    EXPECT_EQ(GetText(u"ErStartWithWinsAddX", u"default"), u"default");
}

TEST_F(TextTableTest, CancelWithLatinCDoesNotMatchTheCyrillicKey) {
    AddText(u"Cancel", u"Cancel");
    EXPECT_EQ(GetText(kCancel), u"Отмена");
    AddText(u"\u0441ancel", u"Dismiss"); // Cyrillic small es
    EXPECT_EQ(GetText(kCancel), u"Dismiss");
}

TEST_F(TextTableTest, CyrillicKeysMatchWithoutRegardToCase) {
    AddText(u"выход", u"found");
    EXPECT_EQ(GetText(u"ВЫХОД", u"default"), u"found");
    AddText(u"ЁЖ", u"yo");
    EXPECT_EQ(GetText(u"ёж", u"default"), u"yo");
}

TEST_F(TextTableTest, TableStopsGrowingAtItsSixteenBitCount) {
    for (std::size_t i = 0; i < kTextTableCapacity + 5; ++i)
        AddText(u"k", u"v");
    EXPECT_EQ(TextTableCount(), kTextTableCapacity);
    AddText(u"Late", u"late");
    EXPECT_EQ(GetText(u"Late", u"default"), u"default");
}

TEST(BuiltInTexts, KeysAreUniqueWithinTheirSectionAndFitTheLookup) {
    std::set<std::u16string> seen;
    for (const TextKey& key : kAllTextKeys) {
        EXPECT_LE(key.key.size(), kTextKeyLength);
        EXPECT_FALSE(key.defaultText.empty());
        EXPECT_TRUE(seen.insert(std::u16string(key.section) + UpperCaseText(key.key)).second);
    }
    EXPECT_EQ(seen.size(), 45u);
}

TEST(BuiltInTexts, OddlySpelledKeysStayAsLanguageFilesWriteThem) {
    EXPECT_EQ(kMonitorBrightnes.key, u"MonitorBrightnes");
    EXPECT_EQ(kVideoBrightnes.key, u"VideoBrightnes");
    EXPECT_EQ(kCheckNoBlocingM.key, u"CheckNoBlocingM");
    EXPECT_EQ(kNoFataFound.key, u"NoFataFound");
    EXPECT_EQ(kCancel.key[0], u'\u0421');
    EXPECT_EQ(kCheckNoBlocingM.defaultText.find(u"монитором. Сохранять"), 26u);
    EXPECT_EQ(kUpdateCheckAborted.defaultText.substr(0, 2), u"\r\n");
}

struct UpperCaseRow {
    char16_t lower;
    char16_t upper;
};

TEST(UpperCase, MapsLettersOfTheCoveredScripts) {
    const UpperCaseRow rows[] = {
        {u'a', u'A'},           {u'z', u'Z'},           {u'\u00E9', u'\u00C9'}, {u'\u00FF', u'\u0178'},
        {u'\u00F7', u'\u00F7'}, {u'\u00DF', u'\u00DF'}, {u'\u0101', u'\u0100'}, {u'\u0142', u'\u0141'},
        {u'\u017E', u'\u017D'}, {u'\u03B1', u'\u0391'}, {u'\u03C2', u'\u03A3'}, {u'\u03C9', u'\u03A9'},
        {u'\u03AC', u'\u0386'}, {u'\u0430', u'\u0410'}, {u'\u044F', u'\u042F'}, {u'\u0451', u'\u0401'},
        {u'\u045F', u'\u040F'}, {u'\u0491', u'\u0490'}, {u'\u04CF', u'\u04C0'}, {u'\u04E9', u'\u04E8'},
        {u'A', u'A'},           {u'1', u'1'},           {u'\u0410', u'\u0410'}, {u'\u4E2D', u'\u4E2D'},
    };
    for (const UpperCaseRow& row : rows)
        EXPECT_EQ(static_cast<int>(UpperCaseChar(row.lower)), static_cast<int>(row.upper))
            << std::hex << static_cast<int>(row.lower);
}

TEST(UpperCase, UpperCaseLettersAreFixedPoints) {
    for (char32_t c = 0; c < 0x530; ++c) {
        const char16_t upper = UpperCaseChar(static_cast<char16_t>(c));
        EXPECT_EQ(UpperCaseChar(upper), upper) << std::hex << static_cast<int>(c);
    }
}

} // namespace
