#include "i18n/language.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "app/program_folder.h"
#include "app/shell_utilities.h"
#include "i18n/language_file.h"
#include "i18n/language_list.h"
#include "i18n/text_cut.h"
#include "i18n/text_table.h"
#include "monitor/settings_records.h"
#include "platform/wide.h"

std::u16string languageFolder;
std::u16string startupLanguageFile;
std::u16string startupLanguagePath;

namespace {

constexpr int kLanguageNameUnits = 128;
// Language files are a few kilobytes; anything this large is not one and is not read into memory.
constexpr LONGLONG kLargestLanguageFile = 16 * 1024 * 1024;

struct FileCloser {
    void operator()(HANDLE file) const { CloseHandle(file); }
};

bool HasWildcard(std::u16string_view path) {
    return path.find_first_of(u"?*") != std::u16string_view::npos;
}

} // namespace

std::u16string SelectLanguage(std::u16string_view fileName, std::u16string_view folder) {
    std::wstring chosenFolder(AsWide(folder));
    if (chosenFolder.empty() || !IsFolder(chosenFolder))
        chosenFolder = ProgramFolder() + L"Langs\\";
    languageFolder = ToU16(AddTrailingBackslash(chosenFolder));

    const std::u16string systemLanguage = SystemLanguageName(0);
    const std::u16string chosen = fileName.empty() ? systemLanguage + u".lng" : std::u16string(fileName);
    startupLanguageFile = std::u16string(CutText(std::u16string_view(chosen), kLanguageFileNameLength));
    // A stored name that is a path is not followed out of the folder: this run keeps the built-in texts
    // (and the English help), and the name stays stored as it was.
    startupLanguagePath = IsPlainFileName(startupLanguageFile) ? languageFolder + startupLanguageFile : u"";
    return startupLanguageFile;
}

std::u16string SystemLanguageName(uint32_t localeId) {
    wchar_t name[kLanguageNameUnits] = {};
    const LCID locale = localeId == 0 ? LOCALE_SYSTEM_DEFAULT : static_cast<LCID>(localeId);
    if (!GetLocaleInfoW(locale, LOCALE_SENGLANGUAGE, name, kLanguageNameUnits))
        return {};
    return std::u16string(TrimSpaces(AsU16(name)));
}

std::u16string CurrentLanguageName() {
    const std::size_t extension = 4; // ".lng"
    if (!IsPlainFileName(startupLanguageFile))
        return {};
    return startupLanguageFile.size() > extension
               ? startupLanguageFile.substr(0, startupLanguageFile.size() - extension)
               : std::u16string();
}

std::u16string CurrentLanguageFilePath() {
    const std::u16string name = GetLanguageFileName(settings);
    return IsPlainFileName(name) ? languageFolder + name : std::u16string();
}

bool RegularFileExists(std::u16string_view path) {
    if (path.empty() || HasWildcard(path))
        return false;
    const DWORD attributes = GetFileAttributesW(ToWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::u16string ReadUnicodeTextFile(std::u16string_view path) {
    if (!RegularFileExists(path))
        return {};
    std::unique_ptr<void, FileCloser> file(CreateFileW(ToWide(path).c_str(), GENERIC_READ,
                                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        file.release(); // nothing to close
        return {};
    }
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > kLargestLanguageFile)
        return {};
    std::vector<uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + filled, static_cast<DWORD>(bytes.size() - filled), &read,
                      nullptr))
            return {};
        if (read == 0)
            break; // the file became shorter while it was read
        filled += read;
    }
    bytes.resize(filled);
    return DecodeUtf16Le(bytes);
}

void LoadLanguageSection(std::u16string_view section, std::u16string_view filePath) {
    const std::u16string_view path = RegularFileExists(filePath) ? filePath : startupLanguagePath;
    const std::u16string text = ReadUnicodeTextFile(path);
    if (!text.empty())
        AddLanguageSection(text, section);
}
