// Arbitrary bytes as a language file, and a section name taken from the input itself.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "i18n/language_file.h"
#include "i18n/text_table.h"
#include "i18n/text_keys.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The first byte chooses the section: a known header, or text cut from the file itself.
    static constexpr std::u16string_view kSections[] = {u"[MAINDLG]", u"[MAINMENU]", u"[ABOUTDLG]",
                                                        u"[OPTDLG]",  u"[UPDATA]",   u"[MESDATA]"};
    if (size == 0)
        return 0;
    const uint8_t selector = data[0];
    const std::u16string text = DecodeUtf16Le(std::span<const uint8_t>(data + 1, size - 1));
    std::u16string section;
    if (selector < 6 * 32) {
        section = kSections[selector % 6];
    } else if (!text.empty()) {
        const std::size_t start = selector % text.size();
        section = text.substr(start, 1 + selector % 12);
    }

    for (const LanguageEntry& entry : ParseLanguageSection(text, section)) {
        if (entry.key.empty() || entry.key.size() > kLanguageFieldLength ||
            entry.value.size() > kLanguageFieldLength)
            __builtin_trap();
    }
    ResetTextTableForTesting();
    AddLanguageSection(text, section);
    for (const TextKey& key : kAllTextKeys) {
        if (GetText(key, u"\r\n").empty())
            __builtin_trap(); // every text has a non-empty default
    }
    return 0;
}
