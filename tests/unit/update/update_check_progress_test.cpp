#include "update/update_check_progress.h"

#include <gtest/gtest.h>

namespace {

TEST(UpdateCheckProgress, OneCheckAtATimeUntilItsMessageCloses) {
    UpdateCheckProgress progress;
    ASSERT_TRUE(BeginUpdateCheck(progress));
    const uint32_t first = progress.generation;
    EXPECT_FALSE(BeginUpdateCheck(progress)) << "a second command while the download runs";
    EXPECT_EQ(progress.generation, first);
    ASSERT_TRUE(AcceptUpdateAnswer(progress, first));
    EXPECT_FALSE(BeginUpdateCheck(progress)) << "nor while its message is shown";
    EndUpdateCheck(progress);
    ASSERT_TRUE(BeginUpdateCheck(progress));
    EXPECT_NE(progress.generation, first);
}

TEST(UpdateCheckProgress, OnlyTheFirstAnswerToTheAwaitedCheckCounts) {
    UpdateCheckProgress progress;
    ASSERT_TRUE(BeginUpdateCheck(progress));
    const uint32_t abandoned = progress.generation;
    // The deadline passes first; the worker's answer follows later and must be dropped.
    EXPECT_TRUE(AcceptUpdateAnswer(progress, abandoned));
    EXPECT_FALSE(AcceptUpdateAnswer(progress, abandoned));
    EndUpdateCheck(progress);
    ASSERT_TRUE(BeginUpdateCheck(progress));
    // The abandoned worker answers while the next check waits: not the next check's answer.
    EXPECT_FALSE(AcceptUpdateAnswer(progress, abandoned));
    EXPECT_TRUE(progress.waiting);
    EXPECT_TRUE(AcceptUpdateAnswer(progress, progress.generation));
}

TEST(UpdateCheckProgress, TheDeadlineIsReportedAsTheDownloadsTimeOut) {
    EXPECT_EQ(DeadlineErrorText(), u"DownloadUrl\r\nError: InternetReadFileEx  12002");
    EXPECT_EQ(DeadlineOutcome(), u"Error: DownloadUrl\r\nError: InternetReadFileEx  12002, Timeout");
}

} // namespace
