#include "i18n/language_file.h"

#include <algorithm>

#include "i18n/text_cut.h"
#include "i18n/text_table.h"

namespace {

constexpr char16_t kByteOrderMark = u'\uFEFF';
constexpr std::u16string_view kLineBreak = u"\r\n";

std::u16string WithoutTabsAndMark(std::u16string_view text) {
    std::u16string clean;
    clean.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(clean), [](char16_t c) { return c != u'\t'; });
    if (!clean.empty() && clean.front() == kByteOrderMark)
        clean.erase(0, 1);
    return clean;
}

std::u16string Field(std::u16string_view text) {
    return std::u16string(CutText(TrimSpaces(text), kLanguageFieldLength));
}

} // namespace

std::u16string DecodeUtf16Le(std::span<const uint8_t> bytes) {
    std::u16string text(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    return text;
}

std::vector<LanguageEntry> ParseLanguageSection(std::u16string_view fileText, std::u16string_view section) {
    std::vector<LanguageEntry> entries;
    if (section.empty())
        return entries;
    const std::u16string text = WithoutTabsAndMark(fileText);
    const std::size_t header = text.find(section);
    if (header == std::u16string::npos)
        return entries;
    const std::size_t bodyStart = header + section.size();
    // A header that never closes leaves the section open to the end of the file.
    const std::size_t bodyEnd = std::min(text.find(section, bodyStart), text.size());
    const std::u16string_view body = std::u16string_view(text).substr(bodyStart, bodyEnd - bodyStart);

    // The first piece is the rest of the header's own line.
    std::size_t lineStart = body.find(kLineBreak);
    while (lineStart != std::u16string_view::npos) {
        lineStart += kLineBreak.size();
        const std::size_t lineEnd = body.find(kLineBreak, lineStart);
        const std::u16string_view line =
            body.substr(lineStart, lineEnd == std::u16string_view::npos ? std::u16string_view::npos
                                                                        : lineEnd - lineStart);
        lineStart = lineEnd;
        if (TrimSpaces(line).empty())
            break; // an empty line ends the section
        const std::size_t equals = line.find(u'=');
        if (equals == std::u16string_view::npos)
            continue; // not an entry; the lines after it still are
        LanguageEntry entry{Field(line.substr(0, equals)), Field(line.substr(equals + 1))};
        if (entry.key.empty())
            break; // a line without a key ends the section
        entries.push_back(std::move(entry));
    }
    return entries;
}

void AddLanguageSection(std::u16string_view fileText, std::u16string_view section) {
    for (const LanguageEntry& entry : ParseLanguageSection(fileText, section))
        AddText(entry.key, entry.value);
}
