// Small files read whole and replaced whole: the new content is written beside the old file and swapped in
// one step, so a failed save keeps the old file. Shared by the data file and the display settings file.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// A virus scanner or a backup tool may hold a file for a moment after it is written.
bool IsMomentaryHold(DWORD error);
bool IsNotFound(DWORD error);

// Reads at most limit bytes of the file. On failure the last error says why; a folder standing where the
// file belongs reads as access denied.
bool ReadFileUpTo(const wchar_t* path, std::size_t limit, std::vector<uint8_t>& bytes);

// Writes bytes to path + ".new" and swaps it in for path, trying again while the file is held for a moment.
// On failure the old file is untouched and the last error says why; a read-only file is never replaced.
bool ReplaceFileWhole(const std::wstring& path, std::span<const uint8_t> bytes);

// Moves a file to a new name, replacing what stands there, trying again while either is held for a moment.
bool MoveReplacing(const wchar_t* from, const wchar_t* to);
