#include "update/update_check_progress.h"

#include "update/download.h"
#include "update/update_document.h"

bool BeginUpdateCheck(UpdateCheckProgress& progress) {
    if (progress.busy)
        return false;
    ++progress.generation;
    progress.waiting = true;
    progress.busy = true;
    return true;
}

bool AcceptUpdateAnswer(UpdateCheckProgress& progress, uint32_t generation) {
    if (!progress.waiting || generation != progress.generation)
        return false;
    progress.waiting = false;
    return true;
}

void EndUpdateCheck(UpdateCheckProgress& progress) {
    progress.waiting = false;
    progress.busy = false;
}

std::u16string DeadlineErrorText() {
    return std::u16string(kDownloadRoutineName) + u"\r\nError: InternetReadFileEx  12002";
}

std::u16string DeadlineOutcome() {
    return DownloadErrorOutcome(DeadlineErrorText(), kDeadlineErrorCode);
}
