#include "i18n/language_list.h"

#include <gtest/gtest.h>

#include <string>

#include "i18n/language_file.h"
#include "i18n/text_cut.h"

namespace {

std::u16string Block(std::u16string_view lines) {
    return u"\uFEFF[FILE]\r\n" + std::u16string(lines) +
           u"[FILE]\r\n\r\n[MAINDLG]\r\nMenu=Menu\r\n[MAINDLG]\r\n";
}

class LanguageListTest : public ::testing::Test {
  protected:
    void TearDown() override { languageList.clear(); }
};

TEST(LanguageHeader, ReadsFieldsSkippingEmptyLinesWithAnyCaseAndSpaces) {
    const auto info = ReadLanguageHeader(Block(
        u"\r\n  name  =  English  \r\n\r\nAuthor=Ann\r\nVERSIONID=1.3\r\nPicture=en.bmp\r\nOther=x\r\n"));
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->name, u"English");
    EXPECT_EQ(info->author, u"Ann");
    EXPECT_EQ(info->versionId, u"1.3");
    EXPECT_EQ(info->picture, u"en.bmp");
}

TEST(LanguageHeader, LaterLineWins) {
    const auto info = ReadLanguageHeader(Block(u"NAME=First\r\nNAME=Second\r\n"));
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->name, u"Second");
}

TEST(LanguageHeader, MissingUnclosedOrEmptyBlockIsNotALanguageFile) {
    EXPECT_FALSE(ReadLanguageHeader(u"[MAINDLG]\r\nMenu=Menu\r\n[MAINDLG]\r\n").has_value());
    EXPECT_FALSE(ReadLanguageHeader(u"[FILE]\r\nNAME=English\r\n").has_value());
    EXPECT_FALSE(ReadLanguageHeader(u"[FILE][FILE]\r\nNAME=English\r\n").has_value());
    EXPECT_FALSE(ReadLanguageHeader(u"").has_value());
}

TEST(LanguageHeader, FieldsAreCutToTheirLengths) {
    const std::u16string longText(40, u'x');
    const auto info =
        ReadLanguageHeader(Block(u"NAME=" + longText + u"\r\nAUTHOR=" + longText + u"\r\nVERSIONID=" +
                                 longText + u"\r\nPICTURE=" + longText + u"\r\n"));
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->name.size(), 31u);
    EXPECT_EQ(info->author.size(), 31u);
    EXPECT_EQ(info->versionId.size(), 7u);
    EXPECT_EQ(info->picture.size(), 31u);
}

TEST(LanguageHeader, TabsAreKeptInTheHeaderBlock) {
    const auto info = ReadLanguageHeader(Block(u"NAME=Eng\tlish\r\n"));
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->name, u"Eng\tlish");
}

TEST(LanguageRecord, FileWithoutNameIsNotListedAndFileNameIsUpperCased) {
    EXPECT_FALSE(LanguageRecordFromFile(Block(u"AUTHOR=Ann\r\n"), u"a.lng").has_value());
    EXPECT_FALSE(LanguageRecordFromFile(Block(u"NAME=  \r\n"), u"a.lng").has_value());
    const auto record = LanguageRecordFromFile(Block(u"NAME=Русский\r\n"), u"russian.lng");
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->fileName, u"RUSSIAN.LNG");
}

TEST(LanguageRecord, ItemTextWithoutVersionEndsInV) {
    const auto record = LanguageRecordFromFile(Block(u"NAME=English\r\nAUTHOR=Ann\r\n"), u"English.lng");
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(LanguageItemText(*record), u"English, Ann, v");
}

TEST(LanguageRecord, OnlyLngFilesOverOneHundredBytesWithANameTheSettingsCanStoreAreListed) {
    EXPECT_FALSE(IsListedLanguageFile(u"German.lng", 100));
    EXPECT_TRUE(IsListedLanguageFile(u"German.lng", 101));
    EXPECT_TRUE(IsListedLanguageFile(u"GERMAN.LNG", 101));
    // What a search for "*.lng" finds through the short names Windows gives long ones.
    EXPECT_FALSE(IsListedLanguageFile(u"German.lng.bak", 4000));
    EXPECT_FALSE(IsListedLanguageFile(u"German.lngx", 4000));
    EXPECT_FALSE(IsListedLanguageFile(u".lng", 4000));
    const std::u16string longest = std::u16string(27, u'n') + u".lng"; // 31 characters
    EXPECT_TRUE(IsListedLanguageFile(longest, 4000));
    EXPECT_FALSE(IsListedLanguageFile(u"n" + longest, 4000));
    EXPECT_TRUE(LanguageRecordFromFile(Block(u"NAME=Long\r\n"), longest).has_value());
    EXPECT_FALSE(LanguageRecordFromFile(Block(u"NAME=Long\r\n"), u"n" + longest).has_value());
}

TEST(LanguageRecord, PictureThatIsAPathIsDropped) {
    for (const char16_t* picture : {u"..\\..\\secret.bmp", u"C:\\pictures\\de.bmp", u"C:de.bmp",
                                    u"pictures/de.bmp", u"..", u"de..bmp"}) {
        const auto record = LanguageRecordFromFile(
            Block(u"NAME=Deutsch\r\nPICTURE=" + std::u16string(picture) + u"\r\n"), u"German.lng");
        ASSERT_TRUE(record.has_value());
        EXPECT_EQ(record->picture, u"");
    }
    const auto plain = LanguageRecordFromFile(Block(u"NAME=Deutsch\r\nPICTURE=de.v2.bmp\r\n"), u"German.lng");
    ASSERT_TRUE(plain.has_value());
    EXPECT_EQ(plain->picture, u"de.v2.bmp");
    EXPECT_FALSE(IsPlainFileName(u""));
    EXPECT_TRUE(IsPlainFileName(u"Русский.lng"));
}

TEST(LanguageRecord, CutsNeverSplitASurrogatePair) {
    const std::u16string pair = u"\U0001F600";                   // one character, two UTF-16 units
    const std::u16string name = std::u16string(30, u'x') + pair; // the cut at 31 falls inside the pair
    const auto info = ReadLanguageHeader(Block(u"NAME=" + name + u"\r\nVERSIONID=1.2.3." + pair + u"\r\n"));
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->name, std::u16string(30, u'x'));
    EXPECT_EQ(info->versionId, u"1.2.3.");
    const std::u16string fits = std::u16string(29, u'x') + pair;
    EXPECT_EQ(ReadLanguageHeader(Block(u"NAME=" + fits + u"\r\n"))->name, fits);

    const std::u16string value = std::u16string(206, u'v') + pair;
    const auto entries = ParseLanguageSection(u"[X]\r\nKey=" + value + u"\r\n[X]", u"[X]");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].value, std::u16string(206, u'v'));

    EXPECT_EQ(CutText(std::u16string_view(u"ab"), 5), u"ab");
    EXPECT_EQ(CutText(std::u16string_view(u"a\U0001F600"), 2), u"a");
    EXPECT_EQ(CutText(std::u16string_view(u"a\U0001F600"), 3), u"a\U0001F600");
    const std::u16string loneHalf = {u'a', u'b', char16_t(0xD800), u'c'}; // not a pair: cut as any unit
    EXPECT_EQ(CutText(std::u16string_view(loneHalf), 3), loneHalf.substr(0, 3));
}

TEST_F(LanguageListTest, PositionsCountFromOneAndOutsideGiveNothing) {
    languageList.push_back({u"", u"English", u"", u"ENGLISH.LNG", u""});
    languageList.push_back({u"", u"Deutsch", u"", u"GERMAN.LNG", u""});
    EXPECT_EQ(LanguageFileAt(0), u"");
    EXPECT_EQ(LanguageFileAt(1), u"ENGLISH.LNG");
    EXPECT_EQ(LanguageFileAt(2), u"GERMAN.LNG");
    EXPECT_EQ(LanguageFileAt(3), u"");
    EXPECT_EQ(LanguagePositionOf(u"German.lng"), 2u);
    EXPECT_EQ(LanguagePositionOf(u"french.lng"), 0u);
}

} // namespace
