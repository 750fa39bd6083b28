#include "app/data_folder.h"

#include <gtest/gtest.h>

#include "app/box_watcher.h"
#include "app/scratch_folder.h"
#include "app/shell_utilities.h"

namespace {

using namespace std::chrono_literals;

TEST(EnsureDataFolder, CreatesBothFoldersUnderTheBase) {
    const std::wstring base = FreshScratchFolder(L"data");
    const std::wstring expected = base + L"Glimra\\Glimra v1.3.1.2\\";
    EXPECT_EQ(EnsureDataFolderIn(base), expected);
    EXPECT_TRUE(IsFolder(base + L"Glimra"));
    EXPECT_TRUE(IsFolder(expected));
}

TEST(EnsureDataFolder, AddsTheBackslashToTheBaseAndKeepsExistingFolders) {
    std::wstring base = FreshScratchFolder(L"again");
    base.pop_back();
    const std::wstring first = EnsureDataFolderIn(base);
    ASSERT_FALSE(first.empty());
    HANDLE marker = CreateFileW((first + L"DataProfiles.dat").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(marker, INVALID_HANDLE_VALUE);
    CloseHandle(marker);
    EXPECT_EQ(EnsureDataFolderIn(base), base + L"\\Glimra\\Glimra v1.3.1.2\\");
    EXPECT_TRUE(FileExists(first + L"DataProfiles.dat"));
}

TEST(EnsureDataFolder, MissingBaseIsReportedAndGivesNothing) {
    const std::wstring base = FreshScratchFolder(L"missing") + L"not here";
    BoxWatcher watcher(GetCurrentThreadId(), 200ms);
    EXPECT_EQ(EnsureDataFolderIn(base), L"");
    const BoxWatcher::Seen& seen = watcher.Join();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.caption, L"Function EnsureDataFolder");
    EXPECT_EQ(seen.text.rfind(L"Error ", 0), 0u);
    EXPECT_FALSE(IsFolder(base));
}

TEST(EnsureDataFolder, FileInPlaceOfTheFolderIsReportedAndGivesNothing) {
    const std::wstring base = FreshScratchFolder(L"blocked");
    ASSERT_TRUE(WriteBytes(base + L"Glimra", {'x'}));
    BoxWatcher watcher(GetCurrentThreadId(), 200ms);
    EXPECT_EQ(EnsureDataFolderIn(base), L"");
    const BoxWatcher::Seen& seen = watcher.Join();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.caption, L"Function EnsureDataFolder");
    EXPECT_FALSE(IsFolder(base + L"Glimra"));
}

TEST(EnsureDataFolder, UsesTheSpecialFolder) {
    const std::wstring appData = SpecialFolderPath(0x1A);
    ASSERT_FALSE(appData.empty());
    EXPECT_EQ(EnsureDataFolder(0x1A), appData + L"\\Glimra\\Glimra v1.3.1.2\\");
}

} // namespace
