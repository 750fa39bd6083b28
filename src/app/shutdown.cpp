#include "app/shutdown.h"

#include "app/app_state.h"
#include "app/tray.h"
#include "monitor/profiles.h"
#include "platform/dxva2.h"

void ShutDownProgram() {
    SaveSettings();
    FreeDxva2();
    for (EmbeddedFont& entry : appState.fonts) {
        if (entry.memoryFont) {
            RemoveFontMemResourceEx(entry.memoryFont);
            entry.memoryFont = nullptr;
        }
        if (entry.font) {
            DeleteObject(entry.font);
            entry.font = nullptr;
        }
    }
    RemoveTrayIcon();
    PostQuitMessage(0);
}
