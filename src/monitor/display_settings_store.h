// "Displays.ini" on disk, beside "DataProfiles.dat": loaded once, saved as a whole new file swapped in.
#pragma once

#include <string>

#include "monitor/display_settings_file.h"

constexpr wchar_t kDisplaySettingsFileName[] = L"Displays.ini";
// A damaged file is kept under this name so the user loses nothing. An older such copy is kept too, under
// this name and a number (".damaged.1" up to ".damaged.9", the first free one).
constexpr wchar_t kDamagedFileSuffix[] = L".damaged";
constexpr int kMaxOlderDamagedCopies = 9;

struct DisplaySettingsStore {
    std::wstring path;
    // Set by a load that met a file it could neither read nor set aside: this run never writes it.
    bool leaveAlone = false;
};

struct DisplaySettingsLoad {
    DisplaySettingsResult result = DisplaySettingsResult::NotFound;
    // The file was damaged or unreadable and the defaults are in use: tell the user, once.
    bool tellUser = false;
    // That file now lies under path + kDamagedFileSuffix; otherwise the store leaves it alone.
    bool setAside = false;
};

// "Displays.ini" in the folder of the data file (the current folder when the data file has a bare name).
std::wstring DisplaySettingsPath(const std::wstring& dataFilePath);

// Fills settings from the store's file. A missing file gives the defaults; a damaged or unreadable one
// gives the defaults too and is set aside, never to be overwritten. Where no name is free to set it aside
// under, it stays where it is and the store leaves it alone.
DisplaySettingsLoad LoadDisplaySettings(DisplaySettingsStore& store, DisplaySettings& settings);

// Writes the file whole and swaps it in; false when nothing was written (the old file then stands), the
// last error saying why. A store that leaves its file alone writes nothing.
bool SaveDisplaySettings(const DisplaySettingsStore& store, const DisplaySettings& settings);
