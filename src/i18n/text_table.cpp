#include "i18n/text_table.h"

#include <vector>

#include "i18n/upper_case.h"

namespace {

struct TextEntry {
    std::u16string key; // upper-cased and trimmed
    std::u16string value;
};

std::vector<TextEntry> textTable;

std::u16string NormalizedKey(std::u16string_view key) {
    return std::u16string(TrimSpaces(UpperCaseText(key)));
}

} // namespace

void ReplaceAll(std::u16string& text, std::u16string_view pattern, std::u16string_view replacement) {
    std::size_t at = 0;
    while ((at = text.find(pattern, at)) != std::u16string::npos) {
        text.replace(at, pattern.size(), replacement);
        at += replacement.size(); // an insert that itself holds "%s" is not expanded again
    }
}

std::u16string_view TrimSpaces(std::u16string_view text) {
    const std::size_t first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(u' ');
    return text.substr(first, last - first + 1);
}

void AddText(std::u16string_view key, std::u16string_view value) {
    if (textTable.size() >= kTextTableCapacity)
        return;
    textTable.push_back({NormalizedKey(key), std::u16string(value)});
}

std::u16string GetText(std::u16string_view key, std::u16string_view defaultText, std::u16string_view insert) {
    const std::u16string wanted = NormalizedKey(key.substr(0, kTextKeyLength));
    std::u16string text;
    for (const TextEntry& entry : textTable) {
        if (entry.key == wanted) {
            text = entry.value;
            break;
        }
    }
    if (text.empty())
        text = defaultText;
    if (!insert.empty())
        ReplaceAll(text, u"%s", insert);
    return text;
}

std::u16string GetText(const TextKey& key, std::u16string_view insert) {
    return GetText(key.key, key.defaultText, insert);
}

std::size_t TextTableCount() {
    return textTable.size();
}

void ResetTextTableForTesting() {
    textTable = {};
}
