#include "monitor/panel_control.h"

#include <commctrl.h>

#include <string>

#include "controls/drawing.h"
#include "i18n/text_keys.h"
#include "i18n/language.h"
#include "monitor/channels.h"

void ShowPanelSliders(HWND brightnessSlider, HWND contrastSlider) {
    EnableWindow(brightnessSlider, TRUE);
    EnableWindow(contrastSlider, FALSE);
    if (contrastSlider)
        SetDisabledControlTip(contrastSlider, WideText(kPanelContrastTT).c_str());
}

void ForgetPanelTip(HWND contrastSlider) {
    if (contrastSlider)
        SetDisabledControlTip(contrastSlider, nullptr);
}

void RequestPanelLevel(DisplayPanel& panel, uint8_t percent, HWND window) {
    panel.pendingPercent = percent > 100 ? 100 : percent;
    panel.sendAttempts = 0;
    if (window)
        SetTimer(window, IDT_PANEL_SEND, kPanelSettleMs, nullptr); // the same id starts the wait again
}

void SendPanelLevelNow(DisplayPanel& panel) {
    if (!panel.pendingPercent)
        return;
    // Silent either way: the program is ending, and a panel that does not answer now has no later.
    SetPanelLevel(panel.backlight, *panel.pendingPercent);
    panel.pendingPercent.reset();
    panel.sendAttempts = 0;
}

void ReadPanelIntoSlider(DisplayPanel& panel, HWND slider, const int32_t* storedPosition) {
    if (ReadPanelLevel(panel.backlight) == PanelResult::Done) {
        SendMessageW(slider, TBM_SETPOS, TRUE, PositionFromMonitorValue(panel.backlight.currentLevel));
        return;
    }
    // A panel that does not answer now (WMI busy, or right after a resume) is no reason to disable it.
    if (storedPosition && slider) {
        SendMessageW(slider, TBM_SETPOS, TRUE, *storedPosition);
        SendMessageW(GetParent(slider), WM_VSCROLL, 0, reinterpret_cast<LPARAM>(slider));
    }
}
