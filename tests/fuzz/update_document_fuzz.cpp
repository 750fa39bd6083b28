// The update document scan and the version rule over arbitrary bytes from a web host.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "update/update_document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view body(reinterpret_cast<const char*>(data), size);
    const std::u16string outcome = ScanUpdateDocument(body, u"GLIMRA_VX", u"1.3.1.2");

    // The outcome is a marker or a piece of the decoded document, never more than the document.
    const std::u16string text = DecodeUtf8(body);
    if (outcome != kOutcomeNoData && outcome != kOutcomeNotNewer && outcome.size() > text.size()) {
        std::abort();
    }

    // The version rule is a strict order: nothing is newer than itself, and not both ways round.
    const std::size_t split = text.find(u'\n');
    const std::u16string_view first = std::u16string_view(text).substr(0, split);
    const std::u16string_view second =
        split == std::u16string::npos ? std::u16string_view() : std::u16string_view(text).substr(split + 1);
    if (IsNewerVersion(first, first) || (IsNewerVersion(first, second) && IsNewerVersion(second, first))) {
        std::abort();
    }
    if (DecodeEntities(text).size() > text.size()) {
        std::abort();
    }
    return 0;
}
