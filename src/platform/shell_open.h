// Opening a document or address with the shell. COM, which the shell's handlers need, is started on
// the first open only: most runs never open anything, and the COM libraries cost memory in every run.
#pragma once

#include <windows.h>

// ShellExecuteW's shape and result, with COM started first for the calling thread. Where ole32 cannot
// be loaded the document is still opened: handlers that need no COM keep working.
HINSTANCE WINAPI OpenWithShell(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR folder,
                               INT show);

// Ends COM on this thread if an open started it. Called once before the process ends.
void EndShellCom();
