#include "monitor/display_settings_store.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

namespace {

std::string ReadText(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteText(const std::wstring& path, const std::string& text) {
    std::ofstream file(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    file << text;
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

DisplaySettings TwoDisplays() {
    DisplaySettings settings;
    settings.linkMonitors = true;
    settings.otherSettings = {{"display_under_pointer", "1"}};
    settings.displays.push_back(
        {u"\\\\?\\DISPLAY#DEL40F4#5&1a2b3c&0&UID4352", u"DELL U2415", 40, 60, 50, 2, {}});
    settings.displays.push_back(
        {u"\\\\?\\DISPLAY#BOE0747#4&2c1d&0&UID265988", u"\u00C9cran", 0, 100, 73, 1, {}});
    return settings;
}

class DisplaySettingsStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        wchar_t scratch[MAX_PATH] = {};
        ASSERT_TRUE(GetEnvironmentVariableW(L"GLIMRA_TEST_SCRATCH", scratch, MAX_PATH));
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::wstring folder = std::wstring(scratch) + L"\\display_settings_";
        for (const char* c = test->name(); *c; ++c)
            folder.push_back(static_cast<wchar_t>(*c));
        CreateDirectoryW(folder.c_str(), nullptr);
        store_.path = DisplaySettingsPath(folder + L"\\DataProfiles.dat");
        aside_ = store_.path + L".damaged";
    }

    DisplaySettingsStore store_;
    std::wstring aside_;
};

} // namespace

TEST_F(DisplaySettingsStoreTest, WhatIsSavedBesideTheDataFileLoadsBack) {
    EXPECT_EQ(DisplaySettingsPath(L"C:\\Users\\u\\Glimra v1.3.1.2\\DataProfiles.dat"),
              L"C:\\Users\\u\\Glimra v1.3.1.2\\Displays.ini");
    EXPECT_EQ(DisplaySettingsPath(L"DataProfiles.dat"), L"Displays.ini")
        << "no data folder: the current folder";

    DisplaySettings loaded;
    loaded.linkMonitors = true;
    DisplaySettingsLoad load = LoadDisplaySettings(store_, loaded);
    EXPECT_EQ(load.result, DisplaySettingsResult::NotFound);
    EXPECT_FALSE(load.tellUser) << "no file is nothing to tell";
    EXPECT_EQ(loaded, DisplaySettings{});

    const DisplaySettings saved = TwoDisplays();
    ASSERT_TRUE(SaveDisplaySettings(store_, saved));
    WriteText(store_.path + L".new", "left over by an interrupted save");
    DisplaySettings changed = saved;
    changed.displays[1].videoPosition = 20;
    ASSERT_TRUE(SaveDisplaySettings(store_, changed)) << "an existing file and a leftover are replaced";
    EXPECT_EQ(ReadText(store_.path), WriteDisplaySettings(changed));
    EXPECT_FALSE(Exists(store_.path + L".new"));

    load = LoadDisplaySettings(store_, loaded);
    EXPECT_EQ(load.result, DisplaySettingsResult::Ok);
    EXPECT_FALSE(load.tellUser);
    EXPECT_EQ(loaded, changed);
}

TEST_F(DisplaySettingsStoreTest, ADamagedFileIsSetAsideReportedOnceAndNothingIsLost) {
    const std::string damaged = WriteDisplaySettings(TwoDisplays()) + "brightness=\x01\xFF junk\r\n";
    WriteText(store_.path, damaged);
    WriteText(aside_, "an older damaged copy");

    DisplaySettings loaded = TwoDisplays();
    DisplaySettingsLoad load = LoadDisplaySettings(store_, loaded);
    EXPECT_EQ(load.result, DisplaySettingsResult::Damaged);
    EXPECT_TRUE(load.tellUser);
    EXPECT_TRUE(load.setAside);
    EXPECT_EQ(loaded, DisplaySettings{}) << "the run goes on with defaults";
    EXPECT_FALSE(Exists(store_.path));
    EXPECT_EQ(ReadText(aside_), damaged) << "the user's file is kept whole under the other name";
    EXPECT_EQ(ReadText(aside_ + L".1"), "an older damaged copy") << "and the older copy beside it";

    load = LoadDisplaySettings(store_, loaded);
    EXPECT_EQ(load.result, DisplaySettingsResult::NotFound);
    EXPECT_FALSE(load.tellUser) << "told once";

    DisplaySettings fresh;
    fresh.linkMonitors = true;
    ASSERT_TRUE(SaveDisplaySettings(store_, fresh));
    EXPECT_EQ(ReadText(aside_), damaged) << "saving never touches the copy set aside";
    EXPECT_EQ(LoadDisplaySettings(store_, loaded).result, DisplaySettingsResult::Ok);
    EXPECT_EQ(loaded, fresh);
}

TEST_F(DisplaySettingsStoreTest, AFileHeldByAnotherProgramIsWaitedForOrLeftAlone) {
    const std::string stored = WriteDisplaySettings(TwoDisplays());
    WriteText(store_.path, stored);

    // Held for a moment, as a virus scanner does: read once it is free, and not taken for damaged.
    HANDLE held = CreateFileW(store_.path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::thread release([held] {
        std::this_thread::sleep_for(150ms);
        CloseHandle(held);
    });
    DisplaySettings loaded;
    DisplaySettingsLoad load = LoadDisplaySettings(store_, loaded);
    release.join();
    EXPECT_EQ(load.result, DisplaySettingsResult::Ok);
    EXPECT_FALSE(load.tellUser);
    EXPECT_EQ(loaded, TwoDisplays());

    // Held for the whole start: it can be neither read nor set aside, so this run never writes it.
    held = CreateFileW(store_.path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    load = LoadDisplaySettings(store_, loaded);
    CloseHandle(held);
    EXPECT_EQ(load.result, DisplaySettingsResult::Damaged);
    EXPECT_TRUE(load.tellUser);
    EXPECT_FALSE(load.setAside);
    EXPECT_TRUE(store_.leaveAlone);
    EXPECT_EQ(loaded, DisplaySettings{});
    EXPECT_FALSE(SaveDisplaySettings(store_, DisplaySettings{}));
    EXPECT_EQ(ReadText(store_.path), stored);
    EXPECT_FALSE(Exists(aside_));
}

// Every numbered name taken: the damaged file stays where it is, untouched, and this run never writes it.
TEST_F(DisplaySettingsStoreTest, ADamagedFileWithNoNameFreeToSetItAsideUnderIsLeftAlone) {
    WriteText(aside_, "damaged copy");
    for (int number = 1; number <= kMaxOlderDamagedCopies; ++number)
        WriteText(aside_ + L"." + std::to_wstring(number), "damaged copy " + std::to_string(number));
    WriteText(store_.path, "[display]\r\nnot a setting\r\n");

    DisplaySettings loaded;
    const DisplaySettingsLoad load = LoadDisplaySettings(store_, loaded);
    EXPECT_TRUE(load.tellUser);
    EXPECT_FALSE(load.setAside);
    EXPECT_TRUE(store_.leaveAlone);
    EXPECT_FALSE(SaveDisplaySettings(store_, DisplaySettings{}));
    EXPECT_EQ(ReadText(store_.path), "[display]\r\nnot a setting\r\n");
    EXPECT_EQ(ReadText(aside_), "damaged copy");
    EXPECT_EQ(ReadText(aside_ + L".9"), "damaged copy 9");
}
