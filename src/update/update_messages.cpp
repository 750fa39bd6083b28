#include "update/update_messages.h"

#include "i18n/text_keys.h"
#include "i18n/text_table.h"
#include "update/update_document.h"

namespace {

bool StartsWithIgnoringCase(std::u16string_view text, std::u16string_view marker) {
    return text.size() >= marker.size() && LowerCaseText(text.substr(0, marker.size())) == marker;
}

} // namespace

UpdateMessageKind ClassifyUpdateOutcome(std::u16string_view outcome) {
    if (StartsWithIgnoringCase(outcome, u"error")) {
        return UpdateMessageKind::DownloadError;
    }
    if (StartsWithIgnoringCase(outcome, kOutcomeNoData)) {
        return UpdateMessageKind::NoData;
    }
    if (StartsWithIgnoringCase(outcome, kOutcomeNotNewer)) {
        return UpdateMessageKind::NotNewer;
    }
    return UpdateMessageKind::NewerVersion;
}

std::u16string UpdateMessageText(UpdateMessageKind kind, std::u16string_view outcome) {
    switch (kind) {
    case UpdateMessageKind::DownloadError:
        return std::u16string(outcome) + GetText(kUpdateCheckAborted, u"\r\n");
    case UpdateMessageKind::NoData:
        return std::u16string(outcome) + u"\r\n" + GetText(kNoFataFound);
    case UpdateMessageKind::NotNewer:
        return GetText(kProgramNotUpdated);
    case UpdateMessageKind::NewerVersion:
        break;
    }
    return std::u16string(outcome) + u"\r\n\r\n" + GetText(kGoProgramWebsite);
}

std::u16string UpdateMessageCaption() {
    return GetText(kCheckUpdates);
}
