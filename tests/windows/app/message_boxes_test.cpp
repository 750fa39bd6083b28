#include "app/message_boxes.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "app/app_state.h"
#include "app/box_watcher.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

TEST(TimedMessageBox, ClosesByItselfAfterItsTime) {
    BoxWatcher watcher(GetCurrentThreadId(), 15s);
    const auto start = Clock::now();
    TimedMessageBox(nullptr, L"This box closes by itself.", L"Timed box", kMessageInformation, 1500);
    const auto elapsed = Clock::now() - start;
    const BoxWatcher::Seen& seen = watcher.Join();
    ASSERT_TRUE(seen.found);
    EXPECT_FALSE(seen.closedByWatcher);
    EXPECT_EQ(seen.caption, L"Timed box");
    EXPECT_EQ(seen.text, L"This box closes by itself.");
    EXPECT_TRUE(seen.topmost);
    EXPECT_TRUE(seen.hasIcon);
    EXPECT_GE(elapsed, 1400ms);
    EXPECT_LT(elapsed, 10s);
}

TEST(TimedMessageBox, WithoutTimeOutStaysUntilClosed) {
    BoxWatcher watcher(GetCurrentThreadId(), 2500ms);
    TimedMessageBox(nullptr, L"This box waits for the user.", L"Waiting box", kMessageWarning, 0);
    const BoxWatcher::Seen& seen = watcher.Join();
    ASSERT_TRUE(seen.found);
    EXPECT_TRUE(seen.closedByWatcher);
    EXPECT_GE(seen.openFor, 2500ms);
}

TEST(TimedMessageBox, TimerOfABoxClosedEarlyNeverClosesALaterBox) {
    {
        BoxWatcher watcher(GetCurrentThreadId(), 100ms);
        TimedMessageBox(nullptr, L"Closed by the user at once.", L"First box", kMessagePlain, 1000);
        ASSERT_TRUE(watcher.Join().closedByWatcher);
    }
    BoxWatcher watcher(GetCurrentThreadId(), 2500ms);
    TimedMessageBox(nullptr, L"No time-out here.", L"Second box", kMessagePlain, 0);
    const BoxWatcher::Seen& seen = watcher.Join();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.caption, L"Second box");
    EXPECT_TRUE(seen.closedByWatcher) << "the first box's timer closed the second box";
}

TEST(TimedMessageBox, CaptionAndTextAreCutTo254Characters) {
    const std::wstring text = std::wstring(250, L't') + L"ABCDEFGHIJ" + std::wstring(40, L'u');
    const std::wstring caption = std::wstring(250, L'c') + L"KLMNOPQRST" + std::wstring(40, L'd');
    BoxWatcher watcher(GetCurrentThreadId(), 200ms);
    TimedMessageBox(nullptr, text, caption, kMessagePlain, 0);
    const BoxWatcher::Seen& seen = watcher.Join();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.caption, caption.substr(0, 254));
    EXPECT_EQ(seen.text, text.substr(0, 254));
}

TEST(TimedMessageBox, EmptyCaptionShowsTheProgramName) {
    BoxWatcher watcher(GetCurrentThreadId(), 200ms);
    TimedMessageBox(nullptr, L"Which program?", L"", kMessagePlain, 0);
    EXPECT_EQ(watcher.Join().caption, L"glimra_windows_tests");
}

TEST(TimedMessageBox, UnknownKindShowsNoIcon) {
    BoxWatcher watcher(GetCurrentThreadId(), 200ms);
    TimedMessageBox(nullptr, L"No icon.", L"Kind 9", 9, 0);
    const BoxWatcher::Seen& seen = watcher.Join();
    ASSERT_TRUE(seen.found);
    EXPECT_FALSE(seen.hasIcon);
    EXPECT_TRUE(seen.topmost);
}

TEST(TimedMessageBox, NoOwnerMeansTheProgramsOwnerWindow) {
    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(owner);
    appState.ownerWindow = owner;
    BoxWatcher watcher(GetCurrentThreadId(), 200ms);
    TimedMessageBox(nullptr, L"Owned.", L"Owner", kMessagePlain, 0);
    appState.ownerWindow = nullptr;
    const BoxWatcher::Seen& seen = watcher.Join();
    DestroyWindow(owner);
    EXPECT_EQ(seen.owner, owner);
}

TEST(TimedMessageBox, KindsMapToTopmostStylesWithOneButton) {
    const struct {
        int kind;
        UINT style;
    } rows[] = {
        {0, MB_TOPMOST},
        {1, MB_TOPMOST | MB_ICONINFORMATION},
        {2, MB_TOPMOST | MB_ICONWARNING},
        {3, MB_TOPMOST | MB_ICONQUESTION},
        {4, MB_TOPMOST | MB_ICONERROR},
        {5, MB_TOPMOST},
        {-1, MB_TOPMOST},
        {9, MB_TOPMOST},
    };
    for (const auto& row : rows)
        EXPECT_EQ(MessageBoxStyleForKind(row.kind), row.style) << row.kind;
}

TEST(IconMessageBox, ReturnsTheButtonChosenAndPassesTheTextWhole) {
    const std::wstring text = std::wstring(300, L'x') + L"END";
    BoxWatcher watcher(GetCurrentThreadId(), 300ms, IDNO);
    const int button = IconMessageBox(nullptr, text, L"", 110, MB_YESNO | MB_TOPMOST);
    const BoxWatcher::Seen& seen = watcher.Join();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(button, IDNO);
    EXPECT_TRUE(seen.hasIcon);
    EXPECT_TRUE(seen.topmost);
    EXPECT_EQ(seen.text, text);
    EXPECT_EQ(seen.caption, L"glimra_windows_tests");
}

TEST(IconMessageBox, CutsOnlyTheCaption) {
    const std::wstring caption(300, L'c');
    BoxWatcher watcher(GetCurrentThreadId(), 200ms, IDOK);
    EXPECT_EQ(IconMessageBox(nullptr, L"short", caption, 110, MB_OK), IDOK);
    EXPECT_EQ(watcher.Join().caption, caption.substr(0, 254));
}

TEST(ReportRoutineError, ShowsFunctionNameErrorAndLine) {
    BoxWatcher watcher(GetCurrentThreadId(), 200ms);
    ReportRoutineError(L"ARRAY_Sample", ERROR_ACCESS_DENIED, 42);
    const BoxWatcher::Seen& seen = watcher.Join();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.caption, L"Function ARRAY_Sample");
    EXPECT_EQ(seen.text, RoutineErrorText(ERROR_ACCESS_DENIED, 42));
    EXPECT_EQ(seen.text.rfind(L"Error ", 0), 0u) << Narrow(seen.text);
    EXPECT_EQ(seen.text.substr(seen.text.size() - 4), L", 42") << Narrow(seen.text);
    EXPECT_GT(seen.text.size(), 10u) << "the description of the error is missing";
    EXPECT_TRUE(seen.topmost);
    EXPECT_TRUE(seen.hasIcon);
}

TEST(ReportRoutineError, ErrorZeroStillHasADescription) {
    const std::wstring text = RoutineErrorText(0, 7);
    EXPECT_EQ(text.rfind(L"Error ", 0), 0u);
    EXPECT_GT(text.size(), std::wstring(L"Error , 7").size()) << Narrow(text);
}

} // namespace
