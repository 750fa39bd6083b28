// Unicode upper-casing of UTF-16 text without the operating system, so that keys compare the same on
// every platform: Latin-1, Latin Extended-A, Greek and Cyrillic (with its supplement).
#pragma once

#include <string>
#include <string_view>

char16_t UpperCaseChar(char16_t c);
std::u16string UpperCaseText(std::u16string_view text);
