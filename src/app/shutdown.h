// The end of the program: save, unload, release the fonts, remove the tray icon and leave the loop.
// Runs once; later calls do nothing.
#pragma once

void ShutDownProgram();
