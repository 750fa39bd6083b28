// What the update check tells the user: the outcome's kind and the text of its message.
#pragma once

#include <string>
#include <string_view>

#include "version.h"

inline constexpr std::u16string_view kUpdateProductTag = u"GLIMRA_VX";
inline constexpr std::u16string_view kUpdateProgramVersion = u"" GLIMRA_VERSION_TEXT;

enum class UpdateMessageKind {
    DownloadError, // warning, closes by itself
    NoData,        // warning
    NotNewer,      // information
    NewerVersion,  // the program's icon, Yes opens the program's web page
};

// By the outcome's start, in any case: "error", then "no data", then "noup"; anything else is a description.
UpdateMessageKind ClassifyUpdateOutcome(std::u16string_view outcome);

// The message text for an outcome, with the [UPDATA] texts (or their defaults) appended.
std::u16string UpdateMessageText(UpdateMessageKind kind, std::u16string_view outcome);

// Caption of every message of the check.
std::u16string UpdateMessageCaption();
