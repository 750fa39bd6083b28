#include "app/notifications.h"

#include <ctime>
#include <string>

#include "app/app_ids.h"
#include "app/app_state.h"
#include "app/message_boxes.h"
#include "app/tray.h"
#include "i18n/language.h"
#include "i18n/text_keys.h"
#include "i18n/text_table.h"
#include "monitor/settings_records.h"
#include "platform/wide.h"
#include "update/reminder_dates.h"
#include "update/update_check.h"

namespace {

constexpr int kOneCopyTimeoutMs = 5000;
constexpr int kAutoStartErrorTimeoutMs = 8000;
constexpr int kBalloonTimeMs = 3000;
constexpr int kUpdateQuestionIcon = 110;

std::u16string TodayAsMonthDayYear() {
    SYSTEMTIME today;
    GetLocalTime(&today);
    wchar_t text[16];
    wsprintfW(text, L"%02u-%02u-%04u", today.wMonth, today.wDay, today.wYear);
    return ToU16(text);
}

} // namespace

int ShowNotification(std::wstring_view key, HWND owner) {
    LoadLanguageSection(u"[MESDATA]", CurrentLanguageFilePath());
    if (key == L"OneCopyRunning") {
        const std::wstring text = std::wstring(kProgramTitle) + L" - " + WideText(kOneCopyRunning);
        const std::wstring caption = std::wstring(kVersionCaption) + L" -  Program not allowed";
        TimedMessageBox(nullptr, text, caption, kMessageInformation, kOneCopyTimeoutMs);
    } else if (key == L"ErStartWithWin") {
        TimedMessageBox(owner, WideText(kErStartWithWin), L"", kMessageWarning, kAutoStartErrorTimeoutMs);
    } else if (key == L"ErStartWithWinsAdd") {
        TimedMessageBox(owner, WideText(kErStartWithWinsAdd), L"", kMessageWarning,
                        kAutoStartErrorTimeoutMs);
    } else if (key == L"DescDonateMess") {
        ShowTrayBalloon(WideText(kDescDonateMess, u"Glimra"), WideText(kWantHelpProject, u"\r\n"),
                        kTrayIconName, kBalloonTimeMs);
    } else if (key == L"PersonalVersion") {
        ShowTrayBalloon(WideText(kPersonalVersion, u"Glimra"), WideText(kImprovedVersion, u"\r\n"),
                        kTrayIconName, kBalloonTimeMs);
    } else if (key == L"CheckUpdateNow") {
        return IconMessageBox(appState.ownerWindow, WideText(kCheckUpdateNow, u"Glimra V1.3"),
                              kVersionCaption, kUpdateQuestionIcon, MB_YESNO | MB_TOPMOST);
    }
    return 0;
}

void RunReminderCheck(HWND window) {
    RunReminderCheckOn(window, TodayAsMonthDayYear());
}

void RunReminderCheckOn(HWND window, std::u16string_view today) {
    const int days = DaysBetween(today, kBuildDate);
    const auto count = static_cast<uint32_t>(settings.startCount);
    if (StartCountDue(count, 40, 50) && days >= 50 && days < 110) {
        appState.notificationKind = 1;
        ShowNotification(L"DescDonateMess");
    }
    if (StartCountDue(count, 100, 40) && days >= 100) {
        appState.notificationKind = 2;
        ShowNotification(L"PersonalVersion");
    }
    if (StartCountDue(count, 40, 40) && days >= 200) {
        if (ShowNotification(L"CheckUpdateNow") == IDYES)
            RunUpdateCheck(window);
    }
}
