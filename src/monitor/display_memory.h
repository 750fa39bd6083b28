// The positions of every display but the primary one, and the link choice, kept in "Displays.ini" beside
// the data file (the primary display's first monitor keeps its place in the data file).
#pragma once

#include <string>

struct DisplayControl;

// Loads the file beside dataFilePath; the link choice takes effect at once. Returns true when the file was
// damaged or unreadable (then set aside where possible) and the user is to be told, once.
bool LoadRememberedDisplays(const std::wstring& dataFilePath);
// Gives a display other than the primary one its remembered video position and reads its monitors, their
// remembered positions standing in for a monitor that does not answer in no-blocking mode.
void ApplyRememberedDisplay(DisplayControl& display);
// Notes the present positions of every display but the primary one (also of those about to go).
void NoteDisplayPositions();
// Notes them and writes the file whole; nothing when the load found a file it had to leave alone.
void SaveRememberedDisplays();
