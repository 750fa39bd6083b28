// The shell's process-wide run-time record, owned by the user-interface thread.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <cstdint>

struct EmbeddedFont {
    HFONT font = nullptr;        // 0 when not created
    HANDLE memoryFont = nullptr; // from AddFontMemResourceEx; 0 when the resource was not added
};

constexpr int kPaletteSize = 6;
constexpr int kDataFilePathUnits = 512;

struct AppState {
    HWND mainWindow = nullptr;
    int dpi = 96;               // the display scale the main window and its controls and fonts are made for
    HWND ownerWindow = nullptr; // set once the child controls exist; owner of message boxes and shell calls
    HICON appIcon = nullptr;
    wchar_t dataFilePath[kDataFilePathUnits] = {};
    EmbeddedFont fonts[2]; // 0: icon glyphs, 1: title
    HFONT captionFont = nullptr;
    COLORREF palette[kPaletteSize] = {};
    HWND resetButton = nullptr;
    HWND menuButton = nullptr;
    int32_t notificationKind = 0; // 0 none, 1 donation request, 2 improved-version notice
    HWND hoverControl = nullptr;
    HWND savedFocus = nullptr;
    UINT taskbarCreatedMessage = 0;
    NOTIFYICONDATAW trayIconData = {};
    int32_t tooltipCreated = 0;
    HWND aboutDialog = nullptr;   // nonzero while the About dialog is open
    HWND optionsDialog = nullptr; // nonzero while the Options dialog is open
    bool startupFinished =
        false;             // the start is counted and the window is ready: reminders and saving may run
    bool shutDown = false; // the WM_DESTROY handling has run; it never runs twice
};

extern AppState appState;

// The About or Options dialog while one is open (they are modal, so at most one), else 0.
inline HWND OpenProgramDialog() {
    return appState.optionsDialog ? appState.optionsDialog : appState.aboutDialog;
}
