// The process-wide table of user-visible texts, loaded section by section from the language file.
#pragma once

#include <string>
#include <string_view>

// Appends one entry; the key is stored upper-cased and trimmed, the value as read.
void AddText(std::u16string_view key, std::u16string_view value);

// The first entry whose key matches (first 19 characters, any case) or, when missing or empty, the
// default; every "%s" is replaced by insert when insert is not empty.
std::u16string GetText(std::u16string_view key, std::u16string_view defaultText, std::u16string_view insert = {});
