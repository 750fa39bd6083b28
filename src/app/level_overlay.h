// The level a brightness key set, shown on its display near the bottom: topmost, never active, never hit
// by the mouse, fading out after the last press.
#pragma once

#include <windows.h>

#include <string>

constexpr wchar_t kLevelOverlayClass[] = L"GlimraLevel";

// Shows (or updates in place) the level of monitor's display: the bar filled to percent and text beside
// it, drawn at that display's scale; it fades out and is gone about 1.5 s after the last call.
void ShowLevelOverlay(HMONITOR monitor, int percent, const std::wstring& text);
