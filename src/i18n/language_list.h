// The language list of the Options dialog: the "[FILE]" header block of each language file, read into
// a record, and the list of the languages found, counted from 1 in the order of the folder listing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

constexpr std::size_t kLanguageAuthorLength = 31;
constexpr std::size_t kLanguageNameLength = 31;
constexpr std::size_t kLanguageVersionLength = 7;
constexpr std::size_t kLanguageListFileNameLength = 31;
constexpr std::size_t kLanguagePictureLength = 31;
// A language file of this size or less cannot hold a header block and is not listed.
constexpr uint64_t kSmallestLanguageFile = 100;

struct LanguageInfo {
    std::u16string author;
    std::u16string name; // the language's display name; records without one are never listed
    std::u16string versionId;
    std::u16string fileName; // upper-cased, with its extension
    std::u16string picture;  // a bitmap file in the language folder
};

using LanguageList = std::vector<LanguageInfo>;

// The process-wide list, filled when the Options dialog opens and emptied when it closes.
extern LanguageList languageList;

// True for a name of a file in the folder itself: not empty, no "\", "/" or ":", and no "..". Language and
// picture names are only ever such names, so nothing outside the language and help folders is opened.
bool IsPlainFileName(std::u16string_view name);

// Whether a *.lng file of this name and size is offered: bigger than 100 bytes, and a name the settings
// can store whole (choosing a longer one would store a name that opens nothing).
bool IsListedLanguageFile(std::u16string_view fileName, uint64_t size);

// The fields of the "[FILE]" block of a language file's text (a leading byte-order mark is dropped).
// Empty when the block is missing, unclosed or empty. fileName stays empty.
std::optional<LanguageInfo> ReadLanguageHeader(std::u16string_view fileText);

// The record of one language file named fileName, or empty when it is not offered in the list (no
// complete block, no NAME, or a name longer than the settings can store). A PICTURE that is not a plain
// file name is dropped.
std::optional<LanguageInfo> LanguageRecordFromFile(std::u16string_view fileText,
                                                   std::u16string_view fileName);

// name + ", " + author + ", v" + versionId, the text of the language's combo box item.
std::u16string LanguageItemText(const LanguageInfo& info);

// The fileName of the record at a 1-based position; empty outside the list (position 0 included).
std::u16string LanguageFileAt(std::size_t position);

// The 1-based position of fileName (compared without regard to case), 0 when it is not listed.
std::size_t LanguagePositionOf(std::u16string_view fileName);
