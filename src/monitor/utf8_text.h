// UTF-16 text in memory and UTF-8 in plain text files, converted both ways.
#pragma once

#include <string>
#include <string_view>

// UTF-16 as UTF-8; an unpaired surrogate becomes U+FFFD, never bytes that no reader accepts.
std::string Utf8FromUtf16(std::u16string_view text);
// Strict UTF-8 as UTF-16: false on any overlong form, encoded surrogate, value beyond Unicode or cut
// sequence, so a damaged file is told from a sound one.
bool Utf16FromUtf8(std::string_view text, std::u16string& out);
