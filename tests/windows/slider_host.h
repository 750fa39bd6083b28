// A stand-in for the main window in tests: a host window with the three trackbars (0..100, at 50), given
// to the first display's record, where monitor control and the profiles find them, and a window procedure
// of the test's choosing.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "display_records.h"

class SliderHost {
  public:
    SliderHost(const wchar_t* className, WNDPROC procedure) {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = className;
        RegisterClassW(&windowClass);
        window_ = CreateWindowExW(0, className, L"host", WS_OVERLAPPEDWINDOW, 0, 0, 300, 300, nullptr,
                                  nullptr, windowClass.hInstance, nullptr);
        // One display, as under a Wine desktop: the records of other tests' displays are gone.
        displayControls.resize(1);
        FirstDisplay().brightnessSlider = MakeSlider(0);
        FirstDisplay().contrastSlider = MakeSlider(1);
        FirstDisplay().videoSlider = MakeSlider(2);
    }
    ~SliderHost() {
        DestroyWindow(window_);
        for (DisplayControl& display : displayControls)
            display.brightnessSlider = display.contrastSlider = display.videoSlider = nullptr;
    }
    SliderHost(const SliderHost&) = delete;
    HWND Window() const { return window_; }
    SliderHost& operator=(const SliderHost&) = delete;

  private:
    HWND MakeSlider(int index) {
        HWND slider =
            CreateWindowExW(0, TRACKBAR_CLASSW, L"", WS_CHILD | WS_VISIBLE | TBS_VERT, 10 + 40 * index, 10,
                            30, 200, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
        SendMessageW(slider, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
        SendMessageW(slider, TBM_SETPOS, TRUE, 50);
        return slider;
    }

    HWND window_ = nullptr;
};
