#include "dialogs/autostart.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr wchar_t kScratchKey[] = L"Software\\GlimraTest";
constexpr char kScratchKeyAnsi[] = "Software\\GlimraTest";
constexpr wchar_t kChildVariable[] = L"GLIMRA_AUTOSTART_CHILD";

struct RunValue {
    bool present = false;
    DWORD type = 0;
    std::vector<BYTE> data;

    std::wstring Text() const {
        std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
        return text.substr(0, text.find(L'\0'));
    }
};

RunValue ReadRunValue(const wchar_t* name) {
    RunValue value;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return value;
    DWORD size = 0;
    if (RegQueryValueExW(key, name, nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
        value.data.resize(size);
        value.present =
            RegQueryValueExW(key, name, nullptr, &value.type, value.data.data(), &size) == ERROR_SUCCESS;
    }
    RegCloseKey(key);
    return value;
}

bool KeyExists(const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void CreateKey(const std::wstring& path) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyW(HKEY_CURRENT_USER, path.c_str(), &key), ERROR_SUCCESS);
    RegCloseKey(key);
}

// The exported routine as a caller outside the program reaches it: by name, root and name by reference.
LONG CallExportedDelRegKey(HKEY root, const std::string& subKey) {
    using DelRegKeyProc = LONG(WINAPI*)(const int32_t*, const char*);
    const auto proc = reinterpret_cast<DelRegKeyProc>(GetProcAddress(GetModuleHandleW(nullptr), "DELREGKEY"));
    if (!proc) {
        ADD_FAILURE() << "DELREGKEY is not exported by name";
        return -1;
    }
    const int32_t rootValue = static_cast<int32_t>(reinterpret_cast<intptr_t>(root));
    return proc(&rootValue, subKey.c_str());
}

class AutoStart : public ::testing::Test {
  protected:
    void TearDown() override { RemoveAutoStart(); }
};

class DelRegKey : public ::testing::Test {
  protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kScratchKey); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kScratchKey); }
};

TEST_F(AutoStart, RegistrationHoldsTheRunningProgramsFullPathQuoted) {
    ASSERT_EQ(SetAutoStart(), kAutoStartRegistered);
    const RunValue value = ReadRunValue(kAutoStartValueName);
    ASSERT_TRUE(value.present);
    EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ));
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    EXPECT_EQ(value.Text(), L"\"" + std::wstring(path) + L"\"");
    EXPECT_EQ(value.data.size(), 510u) << "a short path is padded to the fixed length";
}

// Only does something when started by the tests below, from a copy of this runner; outside the AutoStart
// fixture, whose clean-up would remove the value it writes.
TEST(AutoStartChild, RegistersItself) {
    if (!GetEnvironmentVariableW(kChildVariable, nullptr, 0))
        GTEST_SKIP() << "runs only as the child of the registration tests";
    ASSERT_EQ(SetAutoStart(), kAutoStartRegistered);
}

// Copies this runner to folder\name, lets the copy register itself and returns the copy's path.
std::wstring RegisterFromCopy(const std::wstring& folder, const std::wstring& name) {
    const std::wstring copy = folder + L"\\" + name;
    EXPECT_TRUE(CopyFileW(RunningProgramPath().c_str(), copy.c_str(), FALSE)) << GetLastError();
    std::wstring commandLine = L"\"" + copy + L"\" --gtest_filter=AutoStartChild.RegistersItself";
    SetEnvironmentVariableW(kChildVariable, L"1");
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                        nullptr, &startup, &process);
    SetEnvironmentVariableW(kChildVariable, nullptr);
    EXPECT_TRUE(started) << GetLastError();
    if (!started)
        return copy;
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(exitCode, 0u);
    return copy;
}

std::wstring ScratchFolder() {
    wchar_t scratch[MAX_PATH] = {};
    EXPECT_TRUE(GetEnvironmentVariableW(L"GLIMRA_TEST_SCRATCH", scratch, MAX_PATH));
    return scratch;
}

TEST_F(AutoStart, RegistersAPathLongerThanTheFixedBuffer) {
    // A copy of this runner whose full path is 258 characters: longer than the 254 a fixed 255-character
    // buffer keeps, still short enough for every system to start it.
    constexpr std::size_t kPathLength = 258;
    const std::wstring name = L"glimra_t.exe";
    const std::wstring base = ScratchFolder() + L"\\autostart_";
    ASSERT_LT(base.size(), kPathLength - name.size() - 1);
    const std::wstring folder = base + std::wstring(kPathLength - name.size() - 1 - base.size(), L'x');
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr)) << GetLastError();

    const std::wstring expected = RegisterFromCopy(folder, name);
    ASSERT_EQ(expected.size(), kPathLength);
    const RunValue value = ReadRunValue(kAutoStartValueName);
    ASSERT_TRUE(value.present);
    EXPECT_EQ(value.Text(), L"\"" + expected + L"\"") << "never cut";
    EXPECT_EQ(value.data.size(), (expected.size() + 3) * sizeof(wchar_t));
    DeleteFileW(expected.c_str());
    RemoveDirectoryW(folder.c_str());
}

TEST_F(AutoStart, AFolderWithSpacesIsRegisteredQuotedAndAnOldUnquotedValueIsRewritten) {
    const std::wstring programFiles = ScratchFolder() + L"\\Program Files";
    const std::wstring folder = programFiles + L"\\Glimra Test";
    CreateDirectoryW(programFiles.c_str(), nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring program = folder + L"\\Glimra.exe";
    // What earlier versions wrote: the bare path, which Windows would try as "...\Program.exe" first.
    HKEY run = nullptr;
    ASSERT_EQ(RegCreateKeyW(HKEY_CURRENT_USER, kRunKeyPath, &run), ERROR_SUCCESS);
    RegSetValueExW(run, kAutoStartValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(program.c_str()),
                   static_cast<DWORD>((program.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(run);

    ASSERT_EQ(RegisterFromCopy(folder, L"Glimra.exe"), program);
    const RunValue value = ReadRunValue(kAutoStartValueName);
    ASSERT_TRUE(value.present);
    EXPECT_EQ(value.Text(), L"\"" + program + L"\"");
    EXPECT_EQ(value.data.size(), 510u);
    DeleteFileW(program.c_str());
    RemoveDirectoryW(folder.c_str());
    RemoveDirectoryW(programFiles.c_str());
}

TEST(AutoStartValue, QuotedAndUnquotedFormsOfThePathBothNameTheProgram) {
    const std::wstring program = L"C:\\Program Files\\Glimra\\Glimra.exe";
    EXPECT_EQ(AutoStartCommand(program), L"\"C:\\Program Files\\Glimra\\Glimra.exe\"");
    const struct {
        const wchar_t* stored;
        bool names;
    } cases[] = {
        {L"\"C:\\Program Files\\Glimra\\Glimra.exe\"", true},
        {L"C:\\Program Files\\Glimra\\Glimra.exe", true},
        {L"\"c:\\program files\\glimra\\GLIMRA.EXE\"", true}, // Windows paths ignore letter case
        {L"\"C:\\Program Files\\Glimra\\Glimra.exe", false},  // one quote is no quoting
        {L"\"C:\\Program Files\\Glimra\\Glimra.exe\" /hidden", false},
        {L"C:\\Program Files\\Other\\Glimra.exe", false},
        {L"C:\\Program.exe", false},
        {L"\"\"", false},
        {L"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AutoStartValueNamesProgram(c.stored, program), c.names) << c.stored;
    EXPECT_FALSE(AutoStartValueNamesProgram(L"", L"")) << "no path names nothing";
}

TEST_F(AutoStart, RemovalDeletesOnlyTheProgramsValue) {
    HKEY run = nullptr;
    ASSERT_EQ(RegCreateKeyW(HKEY_CURRENT_USER, kRunKeyPath, &run), ERROR_SUCCESS);
    const wchar_t other[] = L"C:\\other.exe";
    RegSetValueExW(run, L"GlimraTestNeighbour", 0, REG_SZ, reinterpret_cast<const BYTE*>(other),
                   sizeof(other));
    ASSERT_EQ(SetAutoStart(), kAutoStartRegistered);

    RemoveAutoStart();
    EXPECT_FALSE(ReadRunValue(kAutoStartValueName).present);
    const RunValue neighbour = ReadRunValue(L"GlimraTestNeighbour");
    EXPECT_TRUE(neighbour.present);
    EXPECT_EQ(neighbour.Text(), other);
    RemoveAutoStart(); // removing twice is harmless
    RegDeleteValueW(run, L"GlimraTestNeighbour");
    RegCloseKey(run);
}

TEST_F(DelRegKey, MissingKeyReturnsZeroAndChangesNothing) {
    CreateKey(std::wstring(kScratchKey) + L"\\Keep");
    EXPECT_EQ(CallExportedDelRegKey(HKEY_CURRENT_USER, std::string(kScratchKeyAnsi) + "\\Missing"), 0);
    EXPECT_TRUE(KeyExists(std::wstring(kScratchKey) + L"\\Keep"));
    EXPECT_EQ(CallExportedDelRegKey(HKEY_CURRENT_USER, ""), 0) << "an empty name never reaches the root";
    EXPECT_TRUE(KeyExists(kScratchKey));
}

TEST_F(DelRegKey, KeyWithSubkeysIsRefusedAndKept) {
    const std::wstring parent = std::wstring(kScratchKey) + L"\\Parent";
    CreateKey(parent + L"\\Child");
    const LONG refused = CallExportedDelRegKey(HKEY_CURRENT_USER, std::string(kScratchKeyAnsi) + "\\Parent");
    EXPECT_NE(refused, ERROR_SUCCESS);
    EXPECT_TRUE(KeyExists(parent + L"\\Child"));

    EXPECT_EQ(CallExportedDelRegKey(HKEY_CURRENT_USER, std::string(kScratchKeyAnsi) + "\\Parent\\Child"), 0);
    EXPECT_FALSE(KeyExists(parent + L"\\Child"));
    EXPECT_EQ(CallExportedDelRegKey(HKEY_CURRENT_USER, std::string(kScratchKeyAnsi) + "\\Parent"), 0);
    EXPECT_FALSE(KeyExists(parent));
}

TEST_F(DelRegKey, NameIsReadInTheSystemCodePage) {
    if (GetACP() != 1252)
        GTEST_SKIP() << "the name below is written for code page 1252";
    CreateKey(std::wstring(kScratchKey) + L"\\Caf\u00E9");
    CreateKey(std::wstring(kScratchKey) + L"\\Cafe");
    EXPECT_EQ(CallExportedDelRegKey(HKEY_CURRENT_USER, std::string(kScratchKeyAnsi) + "\\Caf\xE9"), 0);
    EXPECT_FALSE(KeyExists(std::wstring(kScratchKey) + L"\\Caf\u00E9"));
    EXPECT_TRUE(KeyExists(std::wstring(kScratchKey) + L"\\Cafe"));
}

} // namespace
