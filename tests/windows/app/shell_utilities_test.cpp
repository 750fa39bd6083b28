#include "app/shell_utilities.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/scratch_folder.h"

namespace {

// A 16 x 16, 32-bit icon file.
std::vector<unsigned char> SmallIconFile() {
    std::vector<unsigned char> bytes;
    auto put16 = [&](uint16_t v) {
        bytes.push_back(v & 0xFF);
        bytes.push_back(v >> 8);
    };
    auto put32 = [&](uint32_t v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };
    const uint32_t imageSize = 40 + 16 * 16 * 4 + 16 * 4;
    put16(0), put16(1), put16(1);                         // icon directory with one image
    bytes.push_back(16), bytes.push_back(16), put16(0);   // 16 x 16, no palette
    put16(1), put16(32), put32(imageSize), put32(6 + 16); // planes, bits, size, offset
    put32(40), put32(16), put32(32), put16(1), put16(32); // BITMAPINFOHEADER, height doubled for the mask
    put32(0), put32(16 * 16 * 4), put32(0), put32(0), put32(0), put32(0);
    for (int i = 0; i < 16 * 16; ++i)
        put32(0xFF3080C0);
    for (int i = 0; i < 16; ++i)
        put32(0);
    return bytes;
}

HWND PlainWindow() {
    return CreateWindowExW(0, L"STATIC", L"icon target", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

TEST(AddTrailingBackslash, AppendsOnlyWhenMissing) {
    EXPECT_EQ(AddTrailingBackslash(L"C:\\Data"), L"C:\\Data\\");
    EXPECT_EQ(AddTrailingBackslash(L"C:\\Data\\"), L"C:\\Data\\");
    EXPECT_EQ(AddTrailingBackslash(L""), L"\\");
    EXPECT_EQ(AddTrailingBackslash(L"C:/Data/"), L"C:/Data/\\");
}

TEST(ProgramFolder, NamesTheRunningProgramNotTheCurrentDirectory) {
    wchar_t previous[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, previous);
    SetCurrentDirectoryW(FreshScratchFolder(L"elsewhere").c_str());
    const std::wstring folder = ProgramFolder();
    SetCurrentDirectoryW(previous);
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), L'\\');
    EXPECT_EQ(ProgramFileTitle(), L"glimra_windows_tests");
    EXPECT_EQ(ProgramFilePath(), folder + L"glimra_windows_tests.exe");
    EXPECT_TRUE(FileExists(ProgramFilePath()));
}

TEST(PathTests, TellFoldersFromFilesAndMissingPaths) {
    const std::wstring folder = FreshScratchFolder(L"paths");
    const std::wstring file = folder + L"file.txt";
    ASSERT_TRUE(WriteBytes(file, {'x'}));
    EXPECT_TRUE(IsFolder(folder));
    EXPECT_FALSE(IsFolder(file));
    EXPECT_FALSE(IsFolder(folder + L"missing"));
    EXPECT_TRUE(FileExists(file));
    EXPECT_TRUE(FileExists(folder));
    EXPECT_FALSE(FileExists(folder + L"missing.txt"));
}

TEST(SpecialFolderPath, GivesTheRoamingApplicationDataFolder) {
    const std::wstring path = SpecialFolderPath(CSIDL_APPDATA);
    ASSERT_FALSE(path.empty());
    EXPECT_TRUE(IsFolder(path));
    EXPECT_NE(path.back(), L'\\');
}

TEST(SpecialFolderPath, IsEmptyForAFolderTheSystemDoesNotHave) {
    EXPECT_TRUE(SpecialFolderPath(0x7F).empty());
}

TEST(LoadIconResource, LoadsTheProgramsOwnIconsByNameOrNumber) {
    HICON named = LoadIconResource(L"A001", nullptr, false);
    EXPECT_TRUE(named);
    if (named)
        DestroyIcon(named);
    HICON numbered = LoadIconResource(L"#124", GetModuleHandleW(nullptr), false);
    EXPECT_TRUE(numbered);
    if (numbered)
        DestroyIcon(numbered);
    // A shared icon is the one handle the system keeps for the module.
    EXPECT_EQ(LoadIconResource(L"#110", nullptr, true), LoadIconResource(L"#110", nullptr, true));
}

TEST(LoadIconResource, GivesZeroForMissingIcons) {
    EXPECT_FALSE(LoadIconResource(L"NO_SUCH_ICON", nullptr, false));
    EXPECT_FALSE(LoadIconResource(L"#9999", nullptr, true));
    // Names are cut to 31 characters, so a longer one cannot reach an icon named by its whole text.
    EXPECT_FALSE(LoadIconResource(L"A001" + std::wstring(40, L'X'), nullptr, false));
}

TEST(SetWindowIconFromResource, SetsTheLargeIconFromAFile) {
    const std::wstring folder = FreshScratchFolder(L"icon");
    ASSERT_TRUE(WriteBytes(folder + L"small.ico", SmallIconFile()));
    HWND window = PlainWindow();
    ASSERT_TRUE(window);
    SetWindowIconFromResource(window, folder + L"small.ico", false);
    EXPECT_TRUE(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
    DestroyWindow(window);
}

TEST(SetWindowIconFromResource, SetsTheSharedProgramIcon) {
    HWND window = PlainWindow();
    ASSERT_TRUE(window);
    SetWindowIconFromResource(window, L"A001", true);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0)),
              LoadIconResource(L"A001", nullptr, true));
    DestroyWindow(window);
}

TEST(SetWindowIconFromResource, LeavesTheWindowAloneWhenTheIconIsMissing) {
    HWND window = PlainWindow();
    ASSERT_TRUE(window);
    const LRESULT before = SendMessageW(window, WM_GETICON, ICON_BIG, 0);
    SetWindowIconFromResource(window, L"C:\\no\\such\\file.ico", false);
    SetWindowIconFromResource(window, L"NO_SUCH_ICON", true);
    EXPECT_EQ(SendMessageW(window, WM_GETICON, ICON_BIG, 0), before);
    DestroyWindow(window);
}

} // namespace
