// The user-visible update check: download, decision and one message.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "update/update_messages.h"

// Checks the published update document and tells the user the outcome; on a newer version offers the
// program's web page. Returns at once: the download runs on a worker thread and the message is shown on
// this thread, which must keep handling messages, when the answer comes or the deadline passes. Returns
// false, starting nothing, while an earlier check is still waiting or showing its message.
bool RunUpdateCheck(HWND ownerWindow);

// The same check against another document address.
bool RunUpdateCheckAt(HWND ownerWindow, std::wstring_view documentUrl);

// True from the start of a check until its message is closed.
bool UpdateCheckRunning();

// CheckForUpdate over WinINet.
std::u16string CheckForUpdate(std::u16string_view url, std::u16string_view productTag,
                              std::u16string_view currentVersion);

// How the check reaches the user. The default shows message boxes and opens the page in the browser;
// tests put a recorder in its place so no window stays open.
struct UpdateCheckPresenter {
    // Returns the button chosen (IDOK, IDYES, IDNO).
    int (*showMessage)(HWND owner, UpdateMessageKind kind, std::wstring_view text, std::wstring_view caption);
    void (*openProgramPage)(const wchar_t* address);
};

// Installs a presenter and returns the one it replaces.
UpdateCheckPresenter SetUpdateCheckPresenter(UpdateCheckPresenter presenter);

// The presenter the program uses.
UpdateCheckPresenter DefaultUpdateCheckPresenter();
