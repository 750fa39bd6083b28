// A stand-in for the main window in the controls' Windows tests: it forwards the sliders' custom-draw
// notifications to TrackBarCustomDraw and records what the controls tell their parent.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <map>
#include <vector>

#include "controls/trackbar.h"

struct ParentCommand {
    int id = 0;
    int code = 0;
    LPARAM lParam = 0;
};

class ControlHost {
  public:
    // Hidden unless a test needs real input or real painting: Wine without a window manager waits
    // about two seconds when a shown window that was once active goes away.
    explicit ControlHost(bool visible = false, int width = 294, int height = 398) {
        static bool registered = false;
        if (!registered) {
            WNDCLASSW windowClass{};
            windowClass.style = CS_DBLCLKS;
            windowClass.lpfnWndProc = Procedure;
            windowClass.hInstance = GetModuleHandleW(nullptr);
            windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
            windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
            windowClass.lpszClassName = L"GlimraControlsTestHost";
            registered = RegisterClassW(&windowClass) != 0;
        }
        commands.clear();
        nextControlRequests = 0;
        channels.clear();
        thumbs.clear();
        window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"GlimraControlsTestHost", L"host",
                                  WS_POPUP | (visible ? WS_VISIBLE : 0), 0, 0, width, height, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~ControlHost() { DestroyWindow(window_); }
    ControlHost(const ControlHost&) = delete;
    ControlHost& operator=(const ControlHost&) = delete;

    HWND Window() const { return window_; }

    static inline std::vector<ParentCommand> commands;
    static inline int nextControlRequests = 0;
    static inline std::map<HWND, RECT> channels; // the channel and thumb of each slider's last paint
    static inline std::map<HWND, RECT> thumbs;

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
        case WM_COMMAND:
            commands.push_back({LOWORD(wParam), HIWORD(wParam), lParam});
            return 0;
        case WM_NEXTDLGCTL:
            ++nextControlRequests;
            return 0;
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            if (header->code != static_cast<UINT>(NM_CUSTOMDRAW))
                break;
            auto* draw = reinterpret_cast<NMCUSTOMDRAW*>(lParam);
            if (draw->dwDrawStage == CDDS_ITEMPREPAINT && draw->dwItemSpec == TBCD_CHANNEL)
                channels[header->hwndFrom] = draw->rc;
            if (draw->dwDrawStage == CDDS_ITEMPREPAINT && draw->dwItemSpec == TBCD_THUMB)
                thumbs[header->hwndFrom] = draw->rc;
            return TrackBarCustomDraw(lParam);
        }
        default:
            break;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
};

// Dispatches everything queued for this thread.
inline void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Pumps until the condition holds or the deadline passes; returns the condition.
template <typename Condition>
bool PumpUntil(Condition condition, std::chrono::milliseconds deadline = std::chrono::milliseconds(3000)) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        PumpMessages();
        Sleep(5);
    }
    return true;
}

inline int SlotOf(HWND window) {
    return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropW(window, L"Index")));
}
