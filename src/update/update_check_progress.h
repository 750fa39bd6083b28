// The one update check that may run at a time: its answer is awaited on the window thread, which also keeps
// the deadline, so an answer that comes after the deadline (or after another check began) is recognised.
#pragma once

#include <cstdint>
#include <string>

struct UpdateCheckProgress {
    uint32_t generation = 0; // of the latest check begun
    bool waiting = false;    // its download has neither answered nor outlived the deadline
    bool busy = false;       // begun, and its message not yet closed
};

// Begins a check with a new generation; false (and nothing changed) while one is busy.
bool BeginUpdateCheck(UpdateCheckProgress& progress);

// True for the first answer to the awaited check, which stops the waiting; false for a late or stale one.
// The deadline's passing is such an answer too.
bool AcceptUpdateAnswer(UpdateCheckProgress& progress, uint32_t generation);

// The check's message has been closed: the menu may begin another.
void EndUpdateCheck(UpdateCheckProgress& progress);

// WinINet's time-out code, the one the deadline's passing is reported with.
inline constexpr uint32_t kDeadlineErrorCode = 12002;

// The download's error text for the passed deadline: "DownloadUrl\r\nError: InternetReadFileEx  12002".
std::u16string DeadlineErrorText();

// The check's outcome when the deadline passed first, as a download that timed out reports it.
std::u16string DeadlineOutcome();
