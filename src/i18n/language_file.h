// The language-file format: UTF-16 LE text, sections opened and closed by their header line,
// entries of the form key = value, one per CR LF line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Keys and values read from a file are cut to this many characters.
constexpr std::size_t kLanguageFieldLength = 207;

struct LanguageEntry {
    std::u16string key;   // trimmed, as written (the text table upper-cases it)
    std::u16string value; // trimmed
};

// The bytes as UTF-16 little-endian code units; a trailing odd byte is ignored.
std::u16string DecodeUtf16Le(std::span<const uint8_t> bytes);

// The entries of one section of a language file's text, in file order. TABs are deleted and a leading
// byte-order mark dropped first. The section name is the header with its brackets, matched exactly.
std::vector<LanguageEntry> ParseLanguageSection(std::u16string_view fileText, std::u16string_view section);

// Appends the entries of one section to the text table.
void AddLanguageSection(std::u16string_view fileText, std::u16string_view section);
