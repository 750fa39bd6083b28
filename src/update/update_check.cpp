#include "update/update_check.h"

#include "app/message_boxes.h"
#include "i18n/language.h"
#include "platform/shell_open.h"
#include "platform/wide.h"
#include "update/download.h"
#include "update/update_document.h"

namespace {

constexpr int kErrorMessageTimeoutMs = 8000;
constexpr int kProgramIconId = 110;

int ShowUpdateMessageBox(HWND owner, UpdateMessageKind kind, std::wstring_view text,
                         std::wstring_view caption) {
    switch (kind) {
    case UpdateMessageKind::DownloadError:
        TimedMessageBox(owner, text, caption, kMessageWarning, kErrorMessageTimeoutMs);
        return IDOK;
    case UpdateMessageKind::NoData:
        TimedMessageBox(owner, text, caption, kMessageWarning, 0);
        return IDOK;
    case UpdateMessageKind::NotNewer:
        TimedMessageBox(owner, text, caption, kMessageInformation, 0);
        return IDOK;
    case UpdateMessageKind::NewerVersion:
        break;
    }
    return IconMessageBox(owner, text, caption, kProgramIconId, MB_TOPMOST | MB_YESNO);
}

void OpenPageInBrowser(const wchar_t* address) {
    // Not reported: the check is over, and the menu still offers the same page.
    OpenWithShell(nullptr, L"Open", address, L"", L"", SW_SHOWNORMAL);
}

UpdateCheckPresenter presenter = DefaultUpdateCheckPresenter();

} // namespace

UpdateCheckPresenter DefaultUpdateCheckPresenter() {
    return {ShowUpdateMessageBox, OpenPageInBrowser};
}

UpdateCheckPresenter SetUpdateCheckPresenter(UpdateCheckPresenter replacement) {
    const UpdateCheckPresenter previous = presenter;
    presenter = replacement;
    return previous;
}

std::u16string CheckForUpdate(std::u16string_view url, std::u16string_view productTag,
                              std::u16string_view currentVersion) {
    return CheckForUpdate(url, productTag, currentVersion, DownloadUrl);
}

void RunUpdateCheck(HWND ownerWindow) {
    RunUpdateCheckAt(ownerWindow, GLIMRA_UPDATE_URL);
}

void RunUpdateCheckAt(HWND ownerWindow, std::wstring_view documentUrl) {
    LoadLanguageSection(u"[UPDATA]", CurrentLanguageFilePath());
    const std::wstring caption = ToWide(UpdateMessageCaption());
    const std::u16string outcome =
        CheckForUpdate(AsU16(documentUrl), kUpdateProductTag, kUpdateProgramVersion);
    const UpdateMessageKind kind = ClassifyUpdateOutcome(outcome);
    const std::wstring text = ToWide(UpdateMessageText(kind, outcome));
    const int answer = presenter.showMessage(ownerWindow, kind, text, caption);
    if (kind == UpdateMessageKind::NewerVersion && answer == IDYES) {
        presenter.openProgramPage(GLIMRA_PROGRAM_PAGE);
    }
}
