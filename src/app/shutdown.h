// The end of the program: save, unload, release the fonts, remove the tray icon and leave the loop.
#pragma once

void ShutDownProgram();
