#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/tray.h"
#include "monitor/profile_table.h"
#include "monitor/settings_records.h"

TEST(TrayIconAttempts, ThePauseKeepsAQuitMessageForTheLoopAndStopsTheAttempts) {
    PostQuitMessage(7);
    EXPECT_FALSE(PauseBetweenTrayAttempts());
    MSG message;
    ASSERT_TRUE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) << "the quit message was swallowed";
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(message.wParam, 7u);
    EXPECT_TRUE(PauseBetweenTrayAttempts()) << "with nothing pending the attempts go on";
}

TEST(MainWindowCreation, ChildControlsThatCannotBeCreatedAreReportedBeforeTheProfilesAreTouched) {
    // Without a parent no child control can exist: the start must stop as after any creation failure.
    appState.mainWindow = nullptr;
    settings = {};
    ProfileTableReset();
    EXPECT_EQ(CreateMainControls(), FALSE);
    EXPECT_EQ(ProfileTableUpperIndex(), -1) << "no profile was made from positions of 0";
    EXPECT_EQ(settings.startCount, 0) << "the start was not counted";
    EXPECT_EQ(settings.autoStartFlag, 0) << "autostart was not registered";
    if (appState.captionFont)
        DeleteObject(appState.captionFont);
    appState.captionFont = nullptr;
}
