// The program's start-up in its fixed order, the single-instance guard and the message loop.
#pragma once

#include <windows.h>

// Uses only the instance: there are no command-line options and the window always starts hidden.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand);
int AcquireSingleInstance();
