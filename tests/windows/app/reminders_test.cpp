#include "app/notifications.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "app/app_state.h"
#include "box_watcher.h"
#include "monitor/settings_records.h"
#include "platform/wide.h"
#include "update/reminder_dates.h"

using namespace std::chrono_literals;

namespace {

struct Reminders {
    bool askedAboutUpdates = false;
    int32_t notificationKind = 0;
    std::wstring balloonTitle;
};

// The reminder check of a start with the given count on the given day; an update question is answered No.
Reminders CheckOn(int32_t startCount, std::u16string_view today) {
    settings.startCount = startCount;
    appState.notificationKind = 0;
    appState.trayIconData.szInfoTitle[0] = L'\0';
    BoxWatcher watcher(GetCurrentThreadId(), 0ms, IDNO, 1500ms);
    RunReminderCheckOn(nullptr, today);
    const BoxWatcher::Seen& seen = watcher.Join();
    return {seen.found, appState.notificationKind, appState.trayIconData.szInfoTitle};
}

TEST(Reminders, EachStartAndDayGetsTheRemindersItsRulesAllow) {
    const SettingsBlock savedSettings = settings;
    const struct {
        int32_t startCount;
        const char16_t* today;
        int32_t days; // since the build date, checked below so the table stays honest
        bool asked;
        int32_t kind;
    } cases[] = {
        {50, u"05-04-2020", 50, false, 1},   // donation: first day of its window
        {100, u"07-02-2020", 109, false, 1}, // last day of it
        {150, u"05-03-2020", 49, false, 0},  // a day early
        {150, u"07-03-2020", 110, false, 0}, // a day late
        {49, u"06-01-2020", 78, false, 0},   // not a multiple of 50
        {80, u"11-20-2020", 250, true, 0},   // the update question, and no balloon
        {81, u"11-20-2020", 250, false, 0},  // not a multiple of 40
        {40, u"11-20-2020", 250, false, 0},  // not above 40
        {120, u"11-20-2020", 250, true, 2},  // improved version, then the question
    };
    for (const auto& c : cases) {
        ASSERT_EQ(DaysBetween(c.today, kBuildDate), c.days) << ToWide(c.today).c_str();
        const Reminders shown = CheckOn(c.startCount, c.today);
        const std::string name = "start " + std::to_string(c.startCount) + ", day " + std::to_string(c.days);
        EXPECT_EQ(shown.askedAboutUpdates, c.asked) << name;
        EXPECT_EQ(shown.notificationKind, c.kind) << name;
        EXPECT_EQ(shown.balloonTitle.empty(), c.kind == 0) << name;
        if (c.kind != 0)
            EXPECT_NE(shown.balloonTitle.find(L"Glimra"), std::wstring::npos) << name;
    }
    settings = savedSettings;
    appState.notificationKind = 0;
    appState.trayIconData = {};
}

} // namespace
