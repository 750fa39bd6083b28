#include "i18n/language.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "app/program_folder.h"
#include "app/scratch_folder.h"
#include "i18n/text_table.h"
#include "monitor/settings_records.h"
#include "platform/wide.h"

namespace {

std::vector<unsigned char> Utf16LeFile(std::u16string_view text, bool withMark = true) {
    std::vector<unsigned char> bytes;
    if (withMark)
        bytes = {0xFF, 0xFE};
    for (char16_t c : text) {
        bytes.push_back(static_cast<unsigned char>(c & 0xFF));
        bytes.push_back(static_cast<unsigned char>(c >> 8));
    }
    return bytes;
}

constexpr std::u16string_view kEnglishFile =
    u"[FILE]\r\nNAME=English\r\n[FILE]\r\n"
    u"[MAINMENU]\r\nexit=Quit\r\nAboutProgram=About\r\n[MAINMENU]\r\n"
    u"[ABOUTDLG]\r\nAboutProgram=About the program\r\n"
    u"DescPrg=Sets the monitor\r\n[ABOUTDLG]\r\n";

class Language : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetTextTableForTesting();
        savedSettings_ = settings;
        folder_ = FreshScratchFolder(L"langs");
    }
    void TearDown() override {
        ResetTextTableForTesting();
        settings = savedSettings_;
        languageFolder.clear();
        startupLanguageFile.clear();
        startupLanguagePath.clear();
    }
    std::u16string Folder() const { return ToU16(folder_); }

    SettingsBlock savedSettings_;
    std::wstring folder_;
};

TEST_F(Language, DefaultFileIsTheSystemLanguageInTheLangsFolderBesideTheProgram) {
    // The current directory must play no part in finding the folder.
    wchar_t previous[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, previous);
    SetCurrentDirectoryW(folder_.c_str());
    const std::u16string chosen = SelectLanguage(u"", u"");
    SetCurrentDirectoryW(previous);

    const std::u16string systemLanguage = SystemLanguageName(0);
    ASSERT_FALSE(systemLanguage.empty());
    EXPECT_EQ(chosen, systemLanguage + u".lng");
    EXPECT_EQ(startupLanguageFile, chosen);
    EXPECT_EQ(languageFolder, ToU16(ProgramFolder() + L"Langs\\"));
    EXPECT_EQ(startupLanguagePath, languageFolder + chosen);
    EXPECT_EQ(CurrentLanguageName(), systemLanguage);
}

TEST_F(Language, SavedFileNameIsKeptEvenWhenItsFileIsGone) {
    EXPECT_EQ(SelectLanguage(u"Klingon.lng", u""), u"Klingon.lng");
    EXPECT_EQ(CurrentLanguageName(), u"Klingon");
}

TEST_F(Language, GivenFolderIsUsedWhenItExists) {
    std::u16string folder = Folder();
    folder.pop_back(); // the routine adds the backslash itself
    SelectLanguage(u"English.lng", folder);
    EXPECT_EQ(languageFolder, Folder());
    EXPECT_EQ(startupLanguagePath, Folder() + u"English.lng");
    SelectLanguage(u"English.lng", Folder() + u"missing\\");
    EXPECT_EQ(languageFolder, ToU16(ProgramFolder() + L"Langs\\"));
}

TEST_F(Language, LongFileNameIsCutTo31Characters) {
    const std::u16string name = std::u16string(40, u'n') + u".lng";
    EXPECT_EQ(SelectLanguage(name, u""), name.substr(0, 31));
}

TEST_F(Language, StoredNameThatIsAPathOpensNothing) {
    // A language file one folder up, which a name with ".." would reach.
    const std::wstring inner = folder_ + L"inner\\";
    CreateDirectoryW(inner.c_str(), nullptr);
    ASSERT_TRUE(WriteBytes(folder_ + L"Outside.lng", Utf16LeFile(kEnglishFile)));
    for (const char16_t* name : {u"..\\Outside.lng", u"../Outside.lng", u"C:Outside.lng"}) {
        ResetTextTableForTesting();
        EXPECT_EQ(SelectLanguage(name, ToU16(inner)), name); // kept as stored, not used
        EXPECT_EQ(startupLanguagePath, u"");
        EXPECT_EQ(CurrentLanguageName(), u""); // so the help command opens the English help
        SetLanguageFileName(settings, name);
        EXPECT_EQ(CurrentLanguageFilePath(), u"");
        LoadLanguageSection(u"[MAINMENU]", CurrentLanguageFilePath());
        EXPECT_EQ(TextTableCount(), 0u);
        EXPECT_EQ(GetText(kExit), u"Выйти");
    }
    // A stored plain name is still followed, while the start-up file stands in for one that is a path.
    SelectLanguage(u"..\\Outside.lng", Folder());
    SetLanguageFileName(settings, u"Outside.lng");
    LoadLanguageSection(u"[MAINMENU]", CurrentLanguageFilePath());
    EXPECT_EQ(GetText(kExit), u"Quit");
}

TEST_F(Language, StartupNameIsCutWithoutSplittingACharacter) {
    const std::u16string name = std::u16string(30, u'n') + u"\U0001F600.lng";
    EXPECT_EQ(SelectLanguage(name, u""), std::u16string(30, u'n'));
}

TEST_F(Language, SystemLanguageNamesAreEnglish) {
    // Each shipped language file is named so; one name serves every country of a language.
    const std::pair<uint32_t, const char16_t*> names[] = {
        {0x409, u"English"},    {0x809, u"English"},
        {0x419, u"Russian"},    {0x422, u"Ukrainian"},
        {0x407, u"German"},     {0xC07, u"German"},
        {0x40C, u"French"},     {0x0C0A, u"Spanish"},
        {0x410, u"Italian"},    {0x416, u"Portuguese"},
        {0x816, u"Portuguese"}, {0x415, u"Polish"},
        {0x41F, u"Turkish"},    {0x804, u"Chinese (Simplified)"},
        {0x411, u"Japanese"},
    };
    for (const auto& [locale, name] : names)
        EXPECT_EQ(SystemLanguageName(locale), name) << std::hex << locale;
}

TEST_F(Language, NoLanguageFileGivesTheRussianDefaults) {
    SelectLanguage(u"Missing.lng", Folder());
    for (const char16_t* section :
         {u"[MAINDLG]", u"[MAINMENU]", u"[ABOUTDLG]", u"[OPTDLG]", u"[UPDATA]", u"[MESDATA]"})
        LoadLanguageSection(section, Folder() + u"Missing.lng");
    EXPECT_EQ(TextTableCount(), 0u);
    for (const TextKey& key : kAllTextKeys)
        EXPECT_EQ(GetText(key), key.defaultText);
}

TEST_F(Language, SectionsLoadFromTheFileAndTheMenuCaptionWins) {
    ASSERT_TRUE(WriteBytes(folder_ + L"English.lng", Utf16LeFile(kEnglishFile)));
    SelectLanguage(u"English.lng", Folder());
    LoadLanguageSection(u"[MAINMENU]", Folder() + u"English.lng");
    LoadLanguageSection(u"[ABOUTDLG]", Folder() + u"English.lng");
    EXPECT_EQ(GetText(kExit), u"Quit");
    EXPECT_EQ(GetText(kDescPrg), u"Sets the monitor");
    EXPECT_EQ(GetText(kAboutDlgAboutProgram), u"About");
    EXPECT_EQ(GetText(kHelp), u"Справка");
}

TEST_F(Language, MissingFileFallsBackToTheStartupFile) {
    ASSERT_TRUE(WriteBytes(folder_ + L"English.lng", Utf16LeFile(kEnglishFile)));
    SelectLanguage(u"English.lng", Folder());
    LoadLanguageSection(u"[MAINMENU]", Folder() + u"Deleted.lng");
    EXPECT_EQ(GetText(kExit), u"Quit");
}

TEST_F(Language, CurrentFilePathFollowsTheSettings) {
    SelectLanguage(u"English.lng", Folder());
    SetLanguageFileName(settings, u"German.lng");
    EXPECT_EQ(CurrentLanguageFilePath(), Folder() + u"German.lng");
    EXPECT_EQ(startupLanguagePath, Folder() + u"English.lng");
}

TEST_F(Language, Utf8FileGivesNoEntries) {
    const std::string utf8 = "\xEF\xBB\xBF[MAINMENU]\r\nExit=Quit\r\n[MAINMENU]\r\n";
    ASSERT_TRUE(WriteBytes(folder_ + L"Utf8.lng", std::vector<unsigned char>(utf8.begin(), utf8.end())));
    SelectLanguage(u"Utf8.lng", Folder());
    LoadLanguageSection(u"[MAINMENU]", Folder() + u"Utf8.lng");
    EXPECT_EQ(TextTableCount(), 0u);
    EXPECT_EQ(GetText(kExit), u"Выйти");
}

TEST(LanguageFiles, ReadUnicodeTextFileGivesTheBytesAsUtf16) {
    const std::wstring folder = FreshScratchFolder(L"read");
    std::vector<unsigned char> bytes = Utf16LeFile(u"Ab\u0416", false);
    bytes.push_back(0x7A); // an odd byte at the end
    ASSERT_TRUE(WriteBytes(folder + L"odd.lng", bytes));
    ASSERT_TRUE(WriteBytes(folder + L"empty.lng", {}));
    EXPECT_EQ(ReadUnicodeTextFile(ToU16(folder + L"odd.lng")), u"Ab\u0416");
    EXPECT_EQ(ReadUnicodeTextFile(ToU16(folder + L"empty.lng")), u"");
    EXPECT_EQ(ReadUnicodeTextFile(ToU16(folder + L"missing.lng")), u"");
    EXPECT_EQ(ReadUnicodeTextFile(ToU16(folder)), u"");
}

TEST(LanguageFiles, WildcardsNeverNameAFile) {
    const std::wstring folder = FreshScratchFolder(L"wild");
    ASSERT_TRUE(WriteBytes(folder + L"a.lng", Utf16LeFile(u"text")));
    EXPECT_TRUE(RegularFileExists(ToU16(folder + L"a.lng")));
    EXPECT_FALSE(RegularFileExists(ToU16(folder + L"?.lng")));
    EXPECT_FALSE(RegularFileExists(ToU16(folder + L"*.lng")));
    EXPECT_EQ(ReadUnicodeTextFile(ToU16(folder + L"?.lng")), u"");
    EXPECT_EQ(ReadUnicodeTextFile(ToU16(folder + L"a.*")), u"");
}

TEST(LanguageFiles, HugeFileIsNotReadIntoMemory) {
    const std::wstring path = FreshScratchFolder(L"huge") + L"huge.lng";
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER size;
    size.QuadPart = 64LL * 1024 * 1024;
    SetFilePointerEx(file, size, nullptr, FILE_BEGIN);
    SetEndOfFile(file);
    CloseHandle(file);
    EXPECT_TRUE(RegularFileExists(ToU16(path)));
    EXPECT_EQ(ReadUnicodeTextFile(ToU16(path)), u"");
    DeleteFileW(path.c_str());
}

TEST(LanguageFiles, FoldersAndMissingPathsAreNotRegularFiles) {
    const std::wstring folder = FreshScratchFolder(L"kinds");
    EXPECT_FALSE(RegularFileExists(ToU16(folder)));
    EXPECT_FALSE(RegularFileExists(ToU16(folder + L"missing.lng")));
    EXPECT_FALSE(RegularFileExists(u""));
}

} // namespace
