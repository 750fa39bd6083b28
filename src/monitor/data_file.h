// Reading and writing "DataProfiles.dat" (the process-wide settings block and profile table).
#pragma once

#include <windows.h>

// Returns 1 when the profile table was loaded, else 0. A missing file changes nothing; a file without
// profiles or with a damaged profile count still sets the settings. Failures are silent.
int ARRAY_FileLoad(const wchar_t* path);

// Returns 1 when the file was written, else 0 (an empty table writes nothing). The new content goes to a
// temporary file beside the old one, which then replaces it in one step, so a failed save keeps the old
// file. Failures are reported by the "ARRAY_FileSave" box.
int ARRAY_FileSave(const wchar_t* path);

// How the save failure box is shown; tests replace it to read the text without opening a window.
using SaveErrorBoxProc = int(WINAPI*)(HWND owner, LPCWSTR text, LPCWSTR caption, UINT style, WORD language);
extern SaveErrorBoxProc saveErrorBox;
