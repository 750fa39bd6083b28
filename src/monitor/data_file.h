// Reading and writing "DataProfiles.dat" (the process-wide settings block and profile table).
#pragma once

#include <windows.h>

// Returns 1 when the profile table was loaded, else 0. A missing file changes nothing; a file without
// profiles or with a damaged profile count still sets the settings. Failures are silent here: a file
// that exists but cannot be read is remembered (DataFileUnreadable) and reported by the start-up.
int ARRAY_FileLoad(const wchar_t* path);

// True when the last ARRAY_FileLoad met a data file that exists but could not be read (held open by
// another program, access denied). That run is no first start, and ARRAY_FileSave leaves the file alone.
bool DataFileUnreadable();
// Tells the user, in the "ARRAY_FileLoad" box, why the file could not be read; nothing when it could.
void ReportUnreadableDataFile();

// Returns 1 when the file was written, else 0 (an empty table writes nothing). The new content goes to a
// temporary file beside the old one, which then replaces it in one step, so a failed save keeps the old
// file. Failures are reported by the "ARRAY_FileSave" box.
int ARRAY_FileSave(const wchar_t* path);

// How the load and save failure boxes are shown; tests replace it to read the text without a window.
using DataFileErrorBoxProc = int(WINAPI*)(HWND owner, LPCWSTR text, LPCWSTR caption, UINT style,
                                          WORD language);
extern DataFileErrorBoxProc dataFileErrorBox;
