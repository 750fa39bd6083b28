// Where the running program lives: its file, its folder and its name, from the module itself, never
// from the current directory.
#pragma once

#include <string>

// Full path of the executable, of any length; empty only when the system cannot tell.
std::wstring ProgramFilePath();

// The executable's folder with a trailing backslash.
std::wstring ProgramFolder();

// The executable's file name without its extension (the caption of boxes given none).
std::wstring ProgramFileTitle();
