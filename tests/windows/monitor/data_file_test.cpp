#include "monitor/data_file.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "dialogs/autostart.h"
#include "monitor/data_file_layout.h"
#include "monitor/monitor_control.h"
#include "monitor/profile_table.h"
#include "monitor/profiles.h"
#include "slider_host.h"

namespace {

constexpr std::size_t kRecordAt = kSettingsBlockSize + 4 + kProfileTableNameBytes;

std::vector<uint8_t> ReadBytes(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::wstring& path, const std::vector<uint8_t>& bytes) {
    std::ofstream file(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

int32_t Int32At(const std::vector<uint8_t>& bytes, std::size_t offset) {
    int32_t value;
    std::memcpy(&value, bytes.data() + offset, sizeof(value));
    return value;
}

void PutInt32(std::vector<uint8_t>& bytes, std::size_t offset, int32_t value) {
    std::memcpy(bytes.data() + offset, &value, sizeof(value));
}

std::u16string TextAt(const std::vector<uint8_t>& bytes, std::size_t offset, std::size_t units) {
    std::u16string text;
    for (std::size_t i = 0; i < units; ++i) {
        const char16_t unit = static_cast<char16_t>(bytes[offset + 2 * i] | bytes[offset + 2 * i + 1] << 8);
        if (!unit)
            break;
        text.push_back(unit);
    }
    return text;
}

// A one-profile file as an earlier run would have left it.
std::vector<uint8_t> StoredFile(int32_t startCount, int32_t brightness, int32_t contrast, int32_t video) {
    SettingsBlock block{};
    block.currentProfileId = 255;
    block.startCount = startCount;
    block.autoStartFlag = 1;
    ProfileRecord record{};
    record.profileId = 255;
    record.brightnessPosition = brightness;
    record.contrastPosition = contrast;
    record.videoPosition = video;
    SetProfileName(record, u"Default");
    ProfileTable table;
    ProfileTableAdd(table, 255, u"Default", record);
    return SerializeDataFile(block, table);
}

struct SaveErrorBox {
    HWND owner;
    std::wstring text;
    std::wstring caption;
    UINT style;
    WORD language;
};
std::vector<SaveErrorBox> shownBoxes;

int WINAPI RecordSaveErrorBox(HWND owner, LPCWSTR text, LPCWSTR caption, UINT style, WORD language) {
    shownBoxes.push_back({owner, text, caption, style, language});
    return IDOK;
}

// The main window's part: three trackbars (0..100, at 50) whose parent records the notifications.
class DataFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        wchar_t scratch[MAX_PATH] = {};
        ASSERT_TRUE(GetEnvironmentVariableW(L"GLIMRA_TEST_SCRATCH", scratch, MAX_PATH));
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::wstring(scratch) + L"\\data_file_";
        for (const char* c = test->name(); *c; ++c)
            folder_.push_back(static_cast<wchar_t>(*c));
        CreateDirectoryW(folder_.c_str(), nullptr);
        path_ = folder_ + L"\\DataProfiles.dat";
        lstrcpynW(appState.dataFilePath, path_.c_str(), kDataFilePathUnits);

        settings = {};
        ProfileTableReset();
        profileTable.lastFoundIndex = 0;
        monitorSystem.gammaEnabled = 0;
        FirstDisplay().ddcEnabled = 0;
        shownBoxes.clear();
        videoNotifications = 0;
        dataFileErrorBox = RecordSaveErrorBox;
        host_ = std::make_unique<SliderHost>(L"GlimraDataFileTestHost", HostProcedure);
    }

    void TearDown() override {
        dataFileErrorBox = MessageBoxExW;
        runKeyCreate = RegCreateKeyW;
        runValueSet = RegSetValueExW;
        host_.reset();
        appState.dataFilePath[0] = L'\0';
    }

    static LRESULT CALLBACK HostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_VSCROLL && reinterpret_cast<HWND>(lParam) == FirstDisplay().videoSlider)
            ++videoNotifications;
        return DefWindowProcW(window, message, wParam, lParam);
    }

    static inline int videoNotifications = 0;
    std::wstring folder_;
    std::wstring path_;
    std::unique_ptr<SliderHost> host_;
};

TEST_F(DataFileTest, FirstRunWritesDefaultProfile) {
    EXPECT_EQ(ARRAY_FileLoad(path_.c_str()), 0);
    InitProfiles();
    EXPECT_EQ(settings.autoStartFlag, kAutoStartRegistered);
    EXPECT_EQ(videoNotifications, 0) << "nothing is applied on the first start";
    SaveSettings();
    RemoveAutoStart();

    std::vector<uint8_t> expected(5108, 0);
    PutInt32(expected, 12, 255);
    PutInt32(expected, 20, 1);
    expected[102] = 1;
    PutInt32(expected, kSettingsBlockSize, 255);
    const char16_t name[] = u"Default";
    for (std::size_t i = 0; i < 7; ++i) {
        expected[kSettingsBlockSize + 4 + 2 * i] = static_cast<uint8_t>(name[i]);
        expected[kRecordAt + 185 + 2 * i] = static_cast<uint8_t>(name[i]);
    }
    PutInt32(expected, kRecordAt + 1, 255);
    PutInt32(expected, kRecordAt + 101, 50);
    PutInt32(expected, kRecordAt + 105, 50);
    PutInt32(expected, kRecordAt + 109, 50);
    EXPECT_EQ(ReadBytes(path_), expected);
    EXPECT_FALSE(Exists(path_ + L".new"));
    EXPECT_TRUE(shownBoxes.empty());
}

TEST_F(DataFileTest, LaterStartRestoresVideoAndSavesPositionsAtExit) {
    WriteBytes(path_, StoredFile(3, 20, 30, 70));
    ASSERT_EQ(ARRAY_FileLoad(path_.c_str()), 1);
    InitProfiles();
    EXPECT_EQ(GetSliderPosition(FirstDisplay().videoSlider), 70);
    EXPECT_EQ(videoNotifications, 1) << "the restored video position is applied";
    EXPECT_EQ(settings.startCount, 4);

    // The monitor sliders keep where they stand (here no monitor was read); the user moves them.
    SetSliderPosition(FirstDisplay().brightnessSlider, 11, 0);
    SetSliderPosition(FirstDisplay().contrastSlider, 22, 0);
    EnableWindow(FirstDisplay().contrastSlider, FALSE); // a disabled slider's position is saved all the same
    SetSliderPosition(FirstDisplay().videoSlider, 33, 0);
    SaveSettings();

    const std::vector<uint8_t> bytes = ReadBytes(path_);
    ASSERT_EQ(bytes.size(), 5108u);
    EXPECT_EQ(Int32At(bytes, 20), 4);
    EXPECT_EQ(Int32At(bytes, kRecordAt + 101), 11);
    EXPECT_EQ(Int32At(bytes, kRecordAt + 105), 22);
    EXPECT_EQ(Int32At(bytes, kRecordAt + 109), 33);
    EXPECT_EQ(TextAt(bytes, kRecordAt + 185, 32), u"Default");
}

TEST_F(DataFileTest, SaveKeepsReservedSettingsBytesAndClearsTheCurrentRecordsOwn) {
    std::vector<uint8_t> original = StoredFile(2, 40, 40, 40);
    for (std::size_t i = 28; i < 102; ++i)
        original[i] = static_cast<uint8_t>(i);
    for (std::size_t i = 173; i < kSettingsBlockSize; ++i)
        original[i] = static_cast<uint8_t>(i * 3 + 1);
    for (std::size_t i = 5; i < 101; ++i)
        original[kRecordAt + i] = 0xEE;
    for (std::size_t i = 249; i < kProfileRecordSize; ++i)
        original[kRecordAt + i] = 0xDD;
    WriteBytes(path_, original);

    ASSERT_EQ(ARRAY_FileLoad(path_.c_str()), 1);
    InitProfiles();
    SaveSettings();

    const std::vector<uint8_t> bytes = ReadBytes(path_);
    ASSERT_EQ(bytes.size(), original.size());
    for (std::size_t i = 0; i < kSettingsBlockSize; ++i) {
        if (i >= 20 && i < 24)
            continue; // startCount advanced
        ASSERT_EQ(bytes[i], original[i]) << "settings byte " << i;
    }
    EXPECT_EQ(Int32At(bytes, 20), 3);
    for (std::size_t i = 5; i < 101; ++i)
        ASSERT_EQ(bytes[kRecordAt + i], 0) << "record byte " << i;
    for (std::size_t i = 249; i < kProfileRecordSize; ++i)
        ASSERT_EQ(bytes[kRecordAt + i], 0) << "record byte " << i;
}

TEST_F(DataFileTest, DamagedProfileCountKeepsSettingsAndRecreatesDefault) {
    for (const int32_t upper : {-1, -7, 255, 0x7FFFFFFF}) {
        SCOPED_TRACE(upper);
        settings = {};
        ProfileTableReset();
        std::vector<uint8_t> bytes = StoredFile(5, 10, 10, 10);
        PutInt32(bytes, 0, upper);
        PutInt32(bytes, 24, 1); // noBlockingMode
        bytes[102] = 0;         // the user had turned autostart off
        WriteBytes(path_, bytes);

        EXPECT_EQ(ARRAY_FileLoad(path_.c_str()), 0);
        EXPECT_EQ(settings.startCount, 5);
        EXPECT_EQ(settings.noBlockingMode, 1);
        EXPECT_EQ(ProfileTableUpperIndex(), -1);

        InitProfiles();
        EXPECT_EQ(settings.autoStartFlag, 0) << "not registered again";
        EXPECT_EQ(settings.currentProfileId, 255);
        SaveSettings();

        const std::vector<uint8_t> saved = ReadBytes(path_);
        ASSERT_EQ(saved.size(), 5108u) << "the next exit writes a sound file";
        EXPECT_EQ(Int32At(saved, 0), 0);
        EXPECT_EQ(Int32At(saved, 20), 6);
        EXPECT_EQ(Int32At(saved, 24), 1);
        EXPECT_EQ(Int32At(saved, kSettingsBlockSize), 255);
        EXPECT_EQ(Int32At(saved, kRecordAt + 101), 50) << "from the sliders as they stand";
        EXPECT_EQ(TextAt(saved, kRecordAt + 185, 32), u"Default");
    }
    HKEY run = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kRunKeyPath, 0, KEY_READ, &run), ERROR_SUCCESS);
    EXPECT_NE(RegQueryValueExW(run, kAutoStartValueName, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    RegCloseKey(run);
}

TEST_F(DataFileTest, CurrentIdWithoutRecordPointsAtDefaultAgain) {
    std::vector<uint8_t> bytes = StoredFile(2, 10, 20, 30);
    PutInt32(bytes, 12, 7); // currentProfileId names no stored profile
    WriteBytes(path_, bytes);
    ASSERT_EQ(ARRAY_FileLoad(path_.c_str()), 1);
    InitProfiles();
    EXPECT_EQ(videoNotifications, 1) << "repaired before it is applied, so this start restores video too";
    EXPECT_EQ(GetSliderPosition(FirstDisplay().videoSlider), 30);
    EXPECT_EQ(settings.currentProfileId, 255);
    EXPECT_EQ(profileTable.count, 1) << "the stored Default profile is used, not created twice";
    SetSliderPosition(FirstDisplay().brightnessSlider, 64, 0);
    SaveSettings();
    const std::vector<uint8_t> saved = ReadBytes(path_);
    ASSERT_EQ(saved.size(), 5108u);
    EXPECT_EQ(Int32At(saved, 12), 255);
    EXPECT_EQ(Int32At(saved, kRecordAt + 101), 64);
}

TEST_F(DataFileTest, AFileThatCannotBeReadIsNoFirstStartAndIsNeverOverwritten) {
    const std::vector<uint8_t> original = StoredFile(12, 10, 20, 30);
    WriteBytes(path_, original);
    // Another program holds the file open without sharing it, through start and exit.
    HANDLE held = CreateFileW(path_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    EXPECT_EQ(ARRAY_FileLoad(path_.c_str()), 0);
    EXPECT_TRUE(DataFileUnreadable());
    ReportUnreadableDataFile();
    ASSERT_EQ(shownBoxes.size(), 1u) << "the user is told";
    EXPECT_EQ(shownBoxes[0].caption, L"ARRAY_FileLoad");
    EXPECT_EQ(shownBoxes[0].style, 0x41030u);
    EXPECT_EQ(shownBoxes[0].owner, nullptr);
    EXPECT_EQ(shownBoxes[0].text.rfind(L"ERROR: ", 0), 0u) << shownBoxes[0].text;
    EXPECT_NE(shownBoxes[0].text.find(path_), std::wstring::npos) << shownBoxes[0].text;

    InitProfiles();
    EXPECT_EQ(settings.autoStartFlag, 0) << "no first start: autostart is not registered";
    SaveSettings();
    EXPECT_EQ(ARRAY_FileSave(path_.c_str()), 0);
    CloseHandle(held);
    EXPECT_EQ(ARRAY_FileSave(path_.c_str()), 0) << "not even once the file is free again, in this run";
    EXPECT_EQ(ReadBytes(path_), original);
    EXPECT_FALSE(Exists(path_ + L".new"));
    EXPECT_EQ(shownBoxes.size(), 1u) << "told once";
    HKEY run = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kRunKeyPath, 0, KEY_READ, &run), ERROR_SUCCESS);
    EXPECT_NE(RegQueryValueExW(run, kAutoStartValueName, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    RegCloseKey(run);

    // The next run reads it as usual; a missing file is a first start and nothing to report.
    EXPECT_EQ(ARRAY_FileLoad(path_.c_str()), 1);
    EXPECT_FALSE(DataFileUnreadable());
    EXPECT_EQ(ARRAY_FileLoad((folder_ + L"\\missing.dat").c_str()), 0);
    EXPECT_FALSE(DataFileUnreadable());
    ReportUnreadableDataFile();
    EXPECT_EQ(shownBoxes.size(), 1u);
}

TEST_F(DataFileTest, TheHighestStartCountStaysInsteadOfWrapping) {
    WriteBytes(path_, StoredFile(0x7FFFFFFF, 10, 20, 30));
    ASSERT_EQ(ARRAY_FileLoad(path_.c_str()), 1);
    InitProfiles();
    EXPECT_EQ(settings.startCount, 0x7FFFFFFF);
    SaveSettings();
    EXPECT_EQ(Int32At(ReadBytes(path_), 20), 0x7FFFFFFF);
}

TEST_F(DataFileTest, MissingFileChangesNothing) {
    settings.noBlockingMode = 1;
    ProfileTableAdd(3, u"kept", ProfileRecord{});
    EXPECT_EQ(ARRAY_FileLoad(path_.c_str()), 0);
    EXPECT_EQ(settings.noBlockingMode, 1);
    EXPECT_EQ(profileTable.count, 1);
    EXPECT_EQ(ARRAY_FileLoad(folder_.c_str()), 0) << "a folder is not a data file";
    EXPECT_EQ(profileTable.count, 1);
}

TEST_F(DataFileTest, EmptyTableWritesNothing) {
    settings.startCount = 9;
    EXPECT_EQ(ARRAY_FileSave(path_.c_str()), 0);
    EXPECT_FALSE(Exists(path_));
    EXPECT_TRUE(shownBoxes.empty());
}

TEST_F(DataFileTest, FailedSaveKeepsTheOldFileAndSaysSo) {
    const std::vector<uint8_t> old = StoredFile(8, 1, 2, 3);
    WriteBytes(path_, old);
    ASSERT_EQ(ARRAY_FileLoad(path_.c_str()), 1);
    settings.startCount = 99;
    // A folder where the new content would be written.
    ASSERT_TRUE(CreateDirectoryW((path_ + L".new").c_str(), nullptr));

    EXPECT_EQ(ARRAY_FileSave(path_.c_str()), 0);
    EXPECT_EQ(ReadBytes(path_), old);
    ASSERT_EQ(shownBoxes.size(), 1u);
    const SaveErrorBox& box = shownBoxes[0];
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(box.caption, L"ARRAY_FileSave");
    EXPECT_EQ(box.style, 0x41030u);
    EXPECT_EQ(box.language, 0x409);
    EXPECT_EQ(box.text.rfind(L"ERROR: ", 0), 0u) << box.text;
    const std::wstring tail = L" , Set Save File - 6";
    ASSERT_GT(box.text.size(), tail.size() + 7);
    EXPECT_EQ(box.text.substr(box.text.size() - tail.size()), tail) << box.text;

    // Once the way is clear the same table saves.
    RemoveDirectoryW((path_ + L".new").c_str());
    EXPECT_EQ(ARRAY_FileSave(path_.c_str()), 1);
    EXPECT_EQ(Int32At(ReadBytes(path_), 20), 99);
}

TEST_F(DataFileTest, FailedReplaceOfAReadOnlyFileKeepsIt) {
    const std::vector<uint8_t> old = StoredFile(8, 1, 2, 3);
    WriteBytes(path_, old);
    ASSERT_EQ(ARRAY_FileLoad(path_.c_str()), 1);
    settings.startCount = 99;
    ASSERT_TRUE(SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_READONLY));

    EXPECT_EQ(ARRAY_FileSave(path_.c_str()), 0);
    SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadBytes(path_), old);
    EXPECT_FALSE(Exists(path_ + L".new"));
    ASSERT_EQ(shownBoxes.size(), 1u);
    EXPECT_NE(shownBoxes[0].text.find(L" , Set Save File - 6"), std::wstring::npos);
}

TEST_F(DataFileTest, SaveReplacesAnEarlierFileWhole) {
    std::vector<uint8_t> longer = StoredFile(1, 5, 5, 5);
    longer.resize(9000, 0x5A);
    WriteBytes(path_, longer);
    ASSERT_EQ(ARRAY_FileLoad(path_.c_str()), 1);
    // Left over from an interrupted save, hidden and read-only as a sync tool may leave it.
    WriteBytes(path_ + L".new", std::vector<uint8_t>(20000, 0x11));
    ASSERT_TRUE(
        SetFileAttributesW((path_ + L".new").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(ARRAY_FileSave(path_.c_str()), 1);
    EXPECT_EQ(ReadBytes(path_).size(), 5108u);
    EXPECT_FALSE(Exists(path_ + L".new"));
    EXPECT_TRUE(shownBoxes.empty());
}

TEST_F(DataFileTest, ASaveWaitsForAScannerThatHoldsTheFileForAMoment) {
    WriteBytes(path_, StoredFile(8, 1, 2, 3));
    ASSERT_EQ(ARRAY_FileLoad(path_.c_str()), 1);
    settings.startCount = 77;
    // As a virus scanner reads a file just written: open without delete sharing, let go soon after.
    HANDLE held =
        CreateFileW(path_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    HANDLE letGo = CreateThread(
        nullptr, 0,
        [](void* file) -> DWORD {
            Sleep(150);
            CloseHandle(file);
            return 0;
        },
        held, 0, nullptr);
    ASSERT_NE(letGo, nullptr);
    EXPECT_EQ(ARRAY_FileSave(path_.c_str()), 1);
    WaitForSingleObject(letGo, INFINITE);
    CloseHandle(letGo);
    EXPECT_EQ(Int32At(ReadBytes(path_), 20), 77);
    EXPECT_TRUE(shownBoxes.empty());
}

int registryCalls = 0;

LSTATUS APIENTRY RunKeyDenied(HKEY, LPCWSTR, PHKEY) {
    ++registryCalls;
    return ERROR_ACCESS_DENIED;
}

LSTATUS APIENTRY RunValueDenied(HKEY, LPCWSTR, DWORD, DWORD, const BYTE*, DWORD) {
    ++registryCalls;
    return ERROR_ACCESS_DENIED;
}

LSTATUS APIENTRY CountedRunKeyCreate(HKEY root, LPCWSTR subKey, PHKEY result) {
    ++registryCalls;
    return RegCreateKeyW(root, subKey, result);
}

LSTATUS APIENTRY CountedRunValueSet(HKEY key, LPCWSTR name, DWORD reserved, DWORD type, const BYTE* data,
                                    DWORD size) {
    ++registryCalls;
    return RegSetValueExW(key, name, reserved, type, data, size);
}

TEST_F(DataFileTest, AFailedFirstRegistrationIsStoredAndTheNextStartRegistersNothing) {
    const struct {
        RunKeyCreateProc create;
        RunValueSetProc set;
        uint8_t code;
    } cases[] = {
        {RunKeyDenied, CountedRunValueSet, kAutoStartKeyFailed},
        {CountedRunKeyCreate, RunValueDenied, kAutoStartValueFailed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.code));
        RemoveAutoStart();
        DeleteFileW(path_.c_str());
        settings = {};
        ProfileTableReset();
        runKeyCreate = c.create;
        runValueSet = c.set;
        EXPECT_EQ(ARRAY_FileLoad(path_.c_str()), 0);
        InitProfiles();
        EXPECT_EQ(settings.autoStartFlag, c.code) << "the failure is stored as it came";
        SaveSettings();
        std::vector<uint8_t> bytes = ReadBytes(path_);
        ASSERT_EQ(bytes.size(), 5108u);
        EXPECT_EQ(bytes[102], c.code);

        // The next start, with a registry that would accept the value now.
        settings = {};
        ProfileTableReset();
        runKeyCreate = CountedRunKeyCreate;
        runValueSet = CountedRunValueSet;
        registryCalls = 0;
        ASSERT_EQ(ARRAY_FileLoad(path_.c_str()), 1);
        InitProfiles();
        EXPECT_EQ(registryCalls, 0) << "only the first start registers";
        EXPECT_EQ(settings.autoStartFlag, c.code);
        EXPECT_EQ(settings.startCount, 2);
        SaveSettings();
        bytes = ReadBytes(path_);
        ASSERT_EQ(bytes.size(), 5108u);
        EXPECT_EQ(bytes[102], c.code);
        HKEY run = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKeyPath, 0, KEY_READ, &run) == ERROR_SUCCESS) {
            EXPECT_NE(RegQueryValueExW(run, kAutoStartValueName, nullptr, nullptr, nullptr, nullptr),
                      ERROR_SUCCESS);
            RegCloseKey(run);
        }
    }
}

} // namespace
