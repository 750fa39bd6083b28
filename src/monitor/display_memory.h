// The positions of every display but the primary one, the link choice and the brightness keys, kept in
// "Displays.ini" beside the data file (the primary display's first monitor keeps its place in the data
// file). This is the file's one record in memory: every change goes through here, and every write writes
// it whole, so no writer puts back what another changed.
#pragma once

#include <string>

#include "monitor/display_settings_file.h"

struct DisplayControl;

// Loads the file beside dataFilePath; the link choice takes effect at once. Returns true when the file was
// damaged or unreadable (then set aside where possible) and the user is to be told, once. An empty path
// forgets the record: nothing is written until the next load.
bool LoadRememberedDisplays(const std::wstring& dataFilePath);
// The record as loaded and changed since (the brightness keys are read from it).
const DisplaySettings& RememberedDisplaySettings();
// Keeps the brightness keys in the record and writes the file at once (nothing without a load).
void RememberBrightnessKeys(KeyCombination up, KeyCombination down, bool underPointerOnly);
// Gives a display other than the primary one its remembered video position and reads its monitors, their
// remembered positions standing in for a monitor that does not answer in no-blocking mode.
void ApplyRememberedDisplay(DisplayControl& display);
// Notes the present positions of every display but the primary one (also of those about to go).
void NoteDisplayPositions();
// Notes them and writes the file whole; nothing when the load found a file it had to leave alone.
void SaveRememberedDisplays();
