// The language in use: the language folder beside the program, the file chosen at start-up, and the
// loading of one section of a language file into the text table.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "i18n/text_table.h"
#include "platform/wide.h"

// Set once at start-up by SelectLanguage.
extern std::u16string languageFolder;      // ends in "\"
extern std::u16string startupLanguageFile; // a file name, at most 31 characters
extern std::u16string startupLanguagePath; // languageFolder + startupLanguageFile

constexpr std::size_t kLanguageFileNameLength = 31;

// Chooses the language folder (folder when it is an existing directory, else "Langs\" beside the
// program) and the start-up file (fileName, or the system language's English name + ".lng" when empty).
// Returns the file name in use, for the settings. A fileName that is a path is kept but opens nothing.
std::u16string SelectLanguage(std::u16string_view fileName, std::u16string_view folder);

// The English name of a locale's language ("English", "Russian"); locale 0 is the system default.
std::u16string SystemLanguageName(uint32_t localeId);

// startupLanguageFile without its extension ".lng"; empty when that name is a path.
std::u16string CurrentLanguageName();

// The file named by the settings' languageFileName in languageFolder, built at the moment of the call;
// empty when that name is a path.
std::u16string CurrentLanguageFilePath();

// True for an existing file that is not a folder.
bool RegularFileExists(std::u16string_view path);

// The file's bytes as UTF-16 text; empty when there is no such file (wildcards never name one) or it
// cannot be read.
std::u16string ReadUnicodeTextFile(std::u16string_view path);

// Appends the entries of one section ("[OPTDLG]") of the file to the text table; the start-up language
// file stands in when no file exists at filePath. Failures leave the built-in defaults in force.
void LoadLanguageSection(std::u16string_view section, std::u16string_view filePath);

// GetText for the Win32 side: the text of a key as the system's wide string.
inline std::wstring WideText(const TextKey& key, std::u16string_view insert = {}) {
    return ToWide(GetText(key, insert));
}
