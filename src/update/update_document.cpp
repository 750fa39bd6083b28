#include "update/update_document.h"

#include "i18n/text_table.h"
#include "update/internet_error_text.h"

#include <array>
#include <optional>

namespace {

constexpr char16_t kReplacement = 0xFFFD;

struct ElementSpan {
    std::size_t contentBegin;
    std::size_t contentEnd;
    std::size_t afterClose; // where the text after the closing tag starts
};

std::optional<ElementSpan> FindElement(std::u16string_view text, std::u16string_view tagName) {
    const std::u16string opening = u"<" + std::u16string(tagName) + u">";
    const std::u16string closing = u"</" + std::u16string(tagName) + u">";
    const std::size_t open = text.find(opening);
    if (open == std::u16string_view::npos) {
        return std::nullopt;
    }
    const std::size_t close = text.find(closing, open);
    if (close == std::u16string_view::npos) {
        return std::nullopt;
    }
    return ElementSpan{open + opening.size(), close, close + closing.size()};
}

// The decimal number at the start of one version part; absurdly long numbers saturate instead of wrapping.
uint64_t LeadingNumber(std::u16string_view part) {
    constexpr uint64_t kCeiling = UINT64_MAX / 10 - 9;
    uint64_t value = 0;
    for (char16_t c : part) {
        if (c < u'0' || c > u'9') {
            break;
        }
        value = value >= kCeiling ? kCeiling : value * 10 + (c - u'0');
    }
    return value;
}

std::array<uint64_t, 4> VersionParts(std::u16string_view version) {
    std::array<uint64_t, 4> parts{};
    for (std::size_t index = 0; index < parts.size(); ++index) {
        const std::size_t dot = version.find(u'.');
        parts[index] = LeadingNumber(version.substr(0, dot));
        if (dot == std::u16string_view::npos) {
            break;
        }
        version.remove_prefix(dot + 1);
    }
    return parts;
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

} // namespace

std::u16string GetTagText(std::u16string_view text, std::u16string_view tagName) {
    const std::optional<ElementSpan> element = FindElement(text, tagName);
    if (!element) {
        return {};
    }
    return std::u16string(text.substr(element->contentBegin, element->contentEnd - element->contentBegin));
}

std::u16string DecodeEntities(std::u16string_view text) {
    std::u16string decoded(text);
    ReplaceAll(decoded, u"&#13;", u"");
    ReplaceAll(decoded, u"&lt;", u"<");
    ReplaceAll(decoded, u"&gt;", u">");
    return decoded;
}

bool IsNewerVersion(std::u16string_view candidate, std::u16string_view current) {
    const std::array<uint64_t, 4> a = VersionParts(candidate);
    const std::array<uint64_t, 4> b = VersionParts(current);
    for (std::size_t index = 0; index < a.size(); ++index) {
        if (a[index] != b[index]) {
            return a[index] > b[index];
        }
    }
    return false;
}

std::u16string DecodeUtf8(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            text.push_back(lead);
            ++i;
            continue;
        }
        // Sequence length and the allowed range of the second byte (excludes overlongs and surrogates).
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        }
        if (length == 0) {
            text.push_back(kReplacement);
            ++i;
            continue;
        }
        uint32_t code = lead & (0xFF >> (length + 1));
        std::size_t used = 1;
        bool valid = true;
        for (; used < length; ++used) {
            if (i + used >= bytes.size()) {
                valid = false;
                break;
            }
            const auto next = static_cast<unsigned char>(bytes[i + used]);
            const bool inRange = used == 1 ? (next >= low && next <= high) : IsContinuation(next);
            if (!inRange) {
                valid = false;
                break;
            }
            code = (code << 6) | (next & 0x3F);
        }
        // A broken sequence is replaced as one unit up to the byte that broke it, which is read again.
        i += used;
        if (!valid) {
            text.push_back(kReplacement);
        } else if (code >= 0x10000) {
            code -= 0x10000;
            text.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            text.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            text.push_back(static_cast<char16_t>(code));
        }
    }
    return text;
}

std::u16string LowerCaseText(std::u16string_view text) {
    std::u16string lower(text);
    for (char16_t& c : lower) {
        if ((c >= u'A' && c <= u'Z') || (c >= 0x00C0 && c <= 0x00DE && c != 0x00D7) ||
            (c >= 0x0391 && c <= 0x03AB && c != 0x03A2) || (c >= 0x0410 && c <= 0x042F)) {
            c = static_cast<char16_t>(c + 0x20);
        } else if (c >= 0x0400 && c <= 0x040F) {
            c = static_cast<char16_t>(c + 0x50);
        }
    }
    return lower;
}

std::u16string ScanUpdateDocument(std::string_view body, std::u16string_view productTag,
                                  std::u16string_view currentVersion) {
    const std::u16string tag = LowerCaseText(productTag);
    const std::u16string version = LowerCaseText(currentVersion);
    const std::u16string document(TrimSpaces(DecodeUtf8(body)));

    const std::u16string renovation = GetTagText(document, u"renovation");
    if (renovation.empty()) {
        return std::u16string(kOutcomeNoData);
    }
    std::u16string_view rest = renovation;
    for (;;) {
        const std::optional<ElementSpan> element = FindElement(rest, u"item");
        if (!element || element->contentEnd == element->contentBegin) {
            return std::u16string(kOutcomeNoData);
        }
        const std::u16string_view item =
            rest.substr(element->contentBegin, element->contentEnd - element->contentBegin);
        rest.remove_prefix(element->afterClose);
        // Only spaces are trimmed: a line break inside the title makes it differ.
        if (LowerCaseText(TrimSpaces(GetTagText(item, u"title"))) != tag) {
            continue;
        }
        const std::u16string itemVersion(TrimSpaces(GetTagText(item, u"version")));
        if (IsNewerVersion(itemVersion, version)) {
            return DecodeEntities(GetTagText(item, u"data"));
        }
        return std::u16string(kOutcomeNotNewer);
    }
}

std::u16string DownloadErrorOutcome(std::u16string_view errorText, uint32_t errorCode) {
    return u"Error: " + std::u16string(errorText) + u", " +
           InternetErrorText(static_cast<int32_t>(errorCode));
}

std::u16string CheckForUpdate(std::u16string_view url, std::u16string_view productTag,
                              std::u16string_view currentVersion, const UpdateDownloader& download) {
    uint32_t errorCode = 0;
    std::u16string errorText;
    const std::string body = download(url, errorCode, errorText, 1);
    if (!errorText.empty() || body.empty()) {
        return DownloadErrorOutcome(errorText, errorCode);
    }
    return ScanUpdateDocument(body, productTag, currentVersion);
}
