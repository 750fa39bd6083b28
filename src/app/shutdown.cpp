#include "app/shutdown.h"

#include "app/app_state.h"
#include "app/brightness_key_input.h"
#include "app/tray.h"
#include "monitor/panel_displays.h"
#include "monitor/profiles.h"
#include "platform/dxva2.h"

void ShutDownProgram() {
    // A second WM_DESTROY would give back library references twice and write the file again.
    if (appState.shutDown)
        return;
    appState.shutDown = true;
    // A start that did not finish has no positions worth keeping: the file stays as it was.
    if (appState.startupFinished) {
        // A key pressed just before the exit has moved its slider; its monitor hears it before the handles
        // go.
        SendPendingBrightnessKeys(appState.mainWindow);
        SendPanelLevelsNow(appState.mainWindow);
        SaveSettings();
    }
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
