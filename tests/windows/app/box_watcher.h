// Watches, from a second thread, the message box that the test thread is about to show: records what
// it shows and closes it (as a user would) when it is still open after a given time, so that no test
// ever leaves a box behind.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

class BoxWatcher {
  public:
    struct Seen {
        bool found = false;
        std::wstring caption;
        std::wstring text;
        HWND owner = nullptr;
        bool topmost = false;
        bool systemModal = false;
        bool hasIcon = false;
        bool closedByWatcher = false;
        std::chrono::milliseconds openFor{0};
    };

    // The box must appear on threadId within findWithin; it is closed with button after closeAfter.
    BoxWatcher(DWORD threadId, std::chrono::milliseconds closeAfter, WORD button = IDOK,
               std::chrono::milliseconds findWithin = std::chrono::seconds(10))
        : thread_([=, this] { Watch(threadId, closeAfter, button, findWithin); }) {}
    ~BoxWatcher() { Join(); }
    BoxWatcher(const BoxWatcher&) = delete;
    BoxWatcher& operator=(const BoxWatcher&) = delete;

    const Seen& Join() {
        if (thread_.joinable())
            thread_.join();
        return seen_;
    }

    static std::wstring TextOf(HWND window) {
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
        text.resize(
            static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
        return text;
    }

  private:
    struct Search {
        HWND box = nullptr;
    };

    static BOOL CALLBACK FindBox(HWND window, LPARAM lParam) {
        wchar_t className[16] = {};
        GetClassNameW(window, className, 16);
        if (lstrcmpW(className, L"#32770") == 0 && IsWindowVisible(window)) {
            reinterpret_cast<Search*>(lParam)->box = window;
            return FALSE;
        }
        return TRUE;
    }

    static BOOL CALLBACK ReadChild(HWND child, LPARAM lParam) {
        Seen& seen = *reinterpret_cast<Seen*>(lParam);
        wchar_t className[16] = {};
        GetClassNameW(child, className, 16);
        if (lstrcmpiW(className, L"Static") != 0)
            return TRUE;
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            seen.hasIcon =
                seen.hasIcon || (IsWindowVisible(child) && SendMessageW(child, STM_GETICON, 0, 0) != 0);
        } else {
            const std::wstring text = TextOf(child);
            if (text.size() > seen.text.size())
                seen.text = text;
        }
        return TRUE;
    }

    void Describe(HWND box) {
        seen_.caption = TextOf(box);
        seen_.owner = GetWindow(box, GW_OWNER);
        seen_.topmost = (GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        seen_.text.clear();
        seen_.hasIcon = false;
        EnumChildWindows(box, ReadChild, reinterpret_cast<LPARAM>(&seen_));
    }

    void Watch(DWORD threadId, std::chrono::milliseconds closeAfter, WORD button,
               std::chrono::milliseconds findWithin) {
        using Clock = std::chrono::steady_clock;
        const auto findEnd = Clock::now() + findWithin;
        Search search;
        while (!search.box && Clock::now() < findEnd) {
            EnumThreadWindows(threadId, FindBox, reinterpret_cast<LPARAM>(&search));
            if (!search.box)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        if (!search.box)
            return;
        HWND box = search.box;
        const auto shownAt = Clock::now();
        seen_.found = true;
        Describe(box);
        // The box may show before it has finished setting itself up (it is placed topmost from its own
        // message loop): look again until it has, within a deadline that a loaded machine can meet.
        const auto settleEnd = Clock::now() + std::chrono::seconds(3);
        do {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (IsWindow(box))
                Describe(box);
        } while (IsWindow(box) && !seen_.topmost && Clock::now() < settleEnd);

        while (IsWindow(box) && Clock::now() - shownAt < closeAfter)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        seen_.openFor = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - shownAt);
        const auto giveUp = Clock::now() + std::chrono::seconds(10);
        while (IsWindow(box) && Clock::now() < giveUp) {
            seen_.closedByWatcher = true;
            PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }

    Seen seen_;
    std::thread thread_;
};
