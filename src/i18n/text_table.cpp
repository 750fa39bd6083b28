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
    if (pattern.empty())
        return;
    // Built in one pass: replacing in place moves the whole tail each time, which a downloaded document
    // full of entities turns into seconds of a frozen window.
    std::u16string result;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(pattern, from)) != std::u16string::npos; from = at + pattern.size()) {
        result.append(text, from, at - from);
        result.append(replacement); // an insert that itself holds "%s" is not expanded again
    }
    if (from == 0)
        return; // nothing found: the text stays as it is
    result.append(text, from, std::u16string::npos);
    text = std::move(result);
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
