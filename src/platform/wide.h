// Portable code keeps text as UTF-16 in char16_t; on Windows wchar_t is the same 16-bit unit.
#pragma once

#include <string>
#include <string_view>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 glue only: wchar_t is UTF-16 there");

inline std::wstring_view AsWide(std::u16string_view text) {
    return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}
inline std::u16string_view AsU16(std::wstring_view text) {
    return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}
inline std::wstring ToWide(std::u16string_view text) {
    return std::wstring(AsWide(text));
}
inline std::u16string ToU16(std::wstring_view text) {
    return std::u16string(AsU16(text));
}
