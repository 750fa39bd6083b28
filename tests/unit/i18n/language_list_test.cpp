#include "i18n/language_list.h"

#include <gtest/gtest.h>

#include <string>

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
