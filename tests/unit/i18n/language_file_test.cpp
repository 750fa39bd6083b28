#include "i18n/language_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "i18n/text_table.h"

namespace {

std::vector<uint8_t> Utf16LeBytes(std::u16string_view text) {
    std::vector<uint8_t> bytes;
    for (char16_t c : text) {
        bytes.push_back(static_cast<uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<uint8_t>(c >> 8));
    }
    return bytes;
}

// What a language file holds after it has been read from disk.
std::u16string FileText(std::u16string_view text) {
    return DecodeUtf16Le(Utf16LeBytes(text));
}

class LanguageFile : public ::testing::Test {
  protected:
    void SetUp() override { ResetTextTableForTesting(); }
    void TearDown() override { ResetTextTableForTesting(); }
};

constexpr std::u16string_view kMenuFile = u"\uFEFF[FILE]\r\nNAME=English\r\n[FILE]\r\n"
                                          u"[MAINMENU]\r\n"
                                          u"AboutProgram=About\r\n"
                                          u"Help = Help \r\n"
                                          u"exit=Quit\r\n"
                                          u"Cancel=Latin cancel\r\n"
                                          u"[MAINMENU]\r\n";

TEST_F(LanguageFile, SectionEntriesAreReadInFileOrder) {
    const auto entries = ParseLanguageSection(FileText(kMenuFile), u"[MAINMENU]");
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].key, u"AboutProgram");
    EXPECT_EQ(entries[0].value, u"About");
    EXPECT_EQ(entries[1].key, u"Help");
    EXPECT_EQ(entries[1].value, u"Help");
    EXPECT_EQ(entries[3].value, u"Latin cancel");
}

TEST_F(LanguageFile, LowerCaseKeyInTheFileMatchesExit) {
    AddLanguageSection(FileText(kMenuFile), u"[MAINMENU]");
    EXPECT_EQ(GetText(kExit), u"Quit");
}

TEST_F(LanguageFile, CancelWrittenWithLatinCDoesNotMatch) {
    AddLanguageSection(FileText(kMenuFile), u"[MAINMENU]");
    EXPECT_EQ(GetText(kCancel), u"Отмена");
}

TEST_F(LanguageFile, CyrillicKeyInLowerCaseMatches) {
    AddLanguageSection(FileText(u"[MAINMENU]\r\n\u0441ancel=Dismiss\r\n[MAINMENU]\r\n"), u"[MAINMENU]");
    EXPECT_EQ(GetText(kCancel), u"Dismiss");
}

TEST_F(LanguageFile, MainMenuCaptionWinsOverTheAboutDialogsOwn) {
    const std::u16string text = FileText(std::u16string(kMenuFile) +
                                         u"[ABOUTDLG]\r\nAboutProgram=About the program\r\n[ABOUTDLG]\r\n");
    AddLanguageSection(text, u"[MAINDLG]");
    AddLanguageSection(text, u"[MAINMENU]");
    AddLanguageSection(text, u"[ABOUTDLG]");
    EXPECT_EQ(GetText(kAboutDlgAboutProgram), u"About");
}

TEST_F(LanguageFile, EmptyValueGivesTheDefault) {
    AddLanguageSection(FileText(u"[MAINMENU]\r\nExit=\r\nHelp=   \r\n[MAINMENU]\r\n"), u"[MAINMENU]");
    EXPECT_EQ(TextTableCount(), 2u);
    EXPECT_EQ(GetText(kExit), u"Выйти");
    EXPECT_EQ(GetText(kHelp), u"Справка");
}

TEST_F(LanguageFile, PercentSTwiceGetsTheInsertAtBothPlaces) {
    AddLanguageSection(FileText(u"[MESDATA]\r\nDescDonateMess=%s: support %s\r\n"
                                u"WantHelpProject=Help?%sClick here%s\r\n[MESDATA]\r\n"),
                       u"[MESDATA]");
    EXPECT_EQ(GetText(kDescDonateMess, u"Glimra"), u"Glimra: support Glimra");
    EXPECT_EQ(GetText(kWantHelpProject, u"\r\n"), u"Help?\r\nClick here\r\n");
}

TEST_F(LanguageFile, LineFeedOnlyFileGivesNoEntries) {
    const auto entries =
        ParseLanguageSection(FileText(u"[MAINMENU]\nExit=Quit\nHelp=Help\n[MAINMENU]\n"), u"[MAINMENU]");
    EXPECT_TRUE(entries.empty());
}

TEST_F(LanguageFile, LoneCarriageReturnDoesNotEndALine) {
    const auto entries =
        ParseLanguageSection(FileText(u"[MAINMENU]\r\nExit=Quit\rHelp=Help\r\n[MAINMENU]"), u"[MAINMENU]");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].value, u"Quit\rHelp=Help");
}

TEST_F(LanguageFile, EmptyLineEndsTheSection) {
    const auto entries = ParseLanguageSection(
        FileText(u"[MAINMENU]\r\nExit=Quit\r\n\r\nHelp=Help\r\n[MAINMENU]\r\n"), u"[MAINMENU]");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].key, u"Exit");
}

TEST_F(LanguageFile, LineOfSpacesAndTabsEndsTheSection) {
    const auto entries = ParseLanguageSection(
        FileText(u"[MAINMENU]\r\nExit=Quit\r\n \t  \r\nHelp=Help\r\n[MAINMENU]\r\n"), u"[MAINMENU]");
    EXPECT_EQ(entries.size(), 1u);
}

TEST_F(LanguageFile, LineWithoutKeyEndsTheSection) {
    const auto entries = ParseLanguageSection(
        FileText(u"[MAINMENU]\r\nExit=Quit\r\n = orphan\r\nHelp=Help\r\n[MAINMENU]\r\n"), u"[MAINMENU]");
    EXPECT_EQ(entries.size(), 1u);
}

TEST_F(LanguageFile, LineWithoutEqualsIsSkippedAndReadingGoesOn) {
    const auto entries = ParseLanguageSection(
        FileText(u"[MAINMENU]\r\nExit=Quit\r\njust words\r\nHelp=Help\r\n[MAINMENU]\r\n"), u"[MAINMENU]");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].key, u"Help");
}

TEST_F(LanguageFile, Utf8FileGivesNoEntries) {
    const std::string utf8 =
        "\xEF\xBB\xBF[MAINMENU]\r\nExit=\xD0\x92\xD1\x8B\xD0\xB9\xD1\x82\xD0\xB8\r\n[MAINMENU]\r\n";
    const std::vector<uint8_t> bytes(utf8.begin(), utf8.end());
    EXPECT_TRUE(ParseLanguageSection(DecodeUtf16Le(bytes), u"[MAINMENU]").empty());
}

TEST_F(LanguageFile, TwentyCharacterKeyIsStoredButNeverFound) {
    AddLanguageSection(FileText(u"[MESDATA]\r\nErStartWithWinsAddXY=long\r\n[MESDATA]\r\n"), u"[MESDATA]");
    EXPECT_EQ(TextTableCount(), 1u);
    EXPECT_EQ(GetText(kErStartWithWinsAdd), kErStartWithWinsAdd.defaultText);
    EXPECT_EQ(GetText(u"ErStartWithWinsAddXY", u"default"), u"default");
}

TEST_F(LanguageFile, TabsAreDeletedEvenInsideValues) {
    const auto entries =
        ParseLanguageSection(FileText(u"[MAINMENU]\r\n\tExit\t=\tQu\tit\r\n[MAIN\tMENU]\r\n"), u"[MAINMENU]");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].key, u"Exit");
    EXPECT_EQ(entries[0].value, u"Quit");
}

TEST_F(LanguageFile, KeysAndValuesAreCutTo207Characters) {
    const std::u16string longKey(300, u'K');
    const std::u16string longValue(300, u'v');
    const auto entries =
        ParseLanguageSection(FileText(u"[X]\r\n" + longKey + u"=" + longValue + u"\r\n[X]"), u"[X]");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].key, longKey.substr(0, 207));
    EXPECT_EQ(entries[0].value, longValue.substr(0, 207));
}

TEST_F(LanguageFile, HeaderThatNeverClosesReadsToTheEnd) {
    const auto entries =
        ParseLanguageSection(FileText(u"[MAINMENU]\r\nHelp=Help\r\nExit=Quit"), u"[MAINMENU]");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].value, u"Quit");
}

TEST_F(LanguageFile, SectionHeadersAreCaseSensitiveAndOtherSectionsStayUnread) {
    const std::u16string text = FileText(u"[mainmenu]\r\nExit=lower\r\n[mainmenu]\r\n"
                                         u"[MAINDLG]\r\nMenu=Menu\r\n[MAINDLG]\r\nExit=outside\r\n");
    EXPECT_TRUE(ParseLanguageSection(text, u"[MAINMENU]").empty());
    const auto entries = ParseLanguageSection(text, u"[MAINDLG]");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].key, u"Menu");
}

TEST_F(LanguageFile, TrailingOddByteIsIgnored) {
    std::vector<uint8_t> bytes = Utf16LeBytes(u"[X]\r\nA=b\r\n[X]");
    bytes.push_back(0x41);
    EXPECT_EQ(DecodeUtf16Le(bytes), u"[X]\r\nA=b\r\n[X]");
    EXPECT_TRUE(DecodeUtf16Le(std::vector<uint8_t>{0x5B}).empty());
}

TEST_F(LanguageFile, ByteOrderMarkOnlyCountsAtTheStart) {
    const auto entries = ParseLanguageSection(FileText(u"\uFEFF[X]\r\n\uFEFFA=b\r\n[X]"), u"[X]");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].key, u"\uFEFFA");
}

TEST_F(LanguageFile, EmptySectionNameReadsNothing) {
    EXPECT_TRUE(ParseLanguageSection(FileText(kMenuFile), u"").empty());
}

TEST_F(LanguageFile, LoadingASectionAgainChangesNoText) {
    AddLanguageSection(FileText(kMenuFile), u"[MAINMENU]");
    AddLanguageSection(FileText(u"[MAINMENU]\r\nExit=Other\r\n[MAINMENU]\r\n"), u"[MAINMENU]");
    EXPECT_EQ(GetText(kExit), u"Quit");
}

} // namespace
