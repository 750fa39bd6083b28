// The process-wide table of user-visible texts, loaded section by section from the language file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "i18n/text_keys.h"

// Lookups compare the first 19 characters of a key.
constexpr std::size_t kTextKeyLength = 19;
// The entry count is a 16-bit number; further entries are dropped (the first entry of a key wins anyway).
constexpr std::size_t kTextTableCapacity = 65535;

// Appends one entry; the key is stored upper-cased and trimmed, the value as read.
void AddText(std::u16string_view key, std::u16string_view value);

// The first entry whose key matches (first 19 characters, any case) or, when missing or empty, the
// default; every "%s" is replaced by insert when insert is not empty.
std::u16string GetText(std::u16string_view key, std::u16string_view defaultText,
                       std::u16string_view insert = {});

// The same lookup for a key of the built-in table, with its own default.
std::u16string GetText(const TextKey& key, std::u16string_view insert = {});

// Number of entries appended so far.
std::size_t TextTableCount();

// Tests only: empties the table so each case starts as a fresh process would.
void ResetTextTableForTesting();

// Removes U+0020 (only that character) at both ends.
std::u16string_view TrimSpaces(std::u16string_view text);

// Replaces every occurrence, left to right; a replacement is never searched again.
void ReplaceAll(std::u16string& text, std::u16string_view pattern, std::u16string_view replacement);
