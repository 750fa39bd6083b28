// Cutting UTF-16 text to a fixed number of units without splitting a character.
#pragma once

#include <cstddef>
#include <string_view>

inline bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

inline bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The first units of text, at most length of them; a surrogate pair that the cut would split is left out
// whole. Works for char16_t and, on Windows, wchar_t text.
template <typename Char>
std::basic_string_view<Char> CutText(std::basic_string_view<Char> text, std::size_t length) {
    if (text.size() <= length)
        return text;
    if (length > 0 && IsHighSurrogate(text[length - 1]) && IsLowSurrogate(text[length]))
        --length;
    return text.substr(0, length);
}
