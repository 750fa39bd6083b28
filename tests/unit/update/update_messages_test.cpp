#include "update/update_messages.h"

#include <gtest/gtest.h>

#include "i18n/text_table.h"

namespace {

TEST(UpdateMessages, OutcomesAreClassifiedByTheirStartInAnyCase) {
    const struct {
        const char16_t* outcome;
        UpdateMessageKind kind;
    } cases[] = {
        {u"Error: DownloadUrl\r\nError: InternetOpenUrl:  12029, Cannot Connect",
         UpdateMessageKind::DownloadError},
        {u"no data", UpdateMessageKind::NoData},
        {u"noup", UpdateMessageKind::NotNewer},
        {u"Version 1.3.1.3: faster start", UpdateMessageKind::NewerVersion},
        {u"", UpdateMessageKind::NewerVersion},
        // A description that happens to begin with a marker is taken for that marker.
        {u"ERRORS fixed in this release", UpdateMessageKind::DownloadError},
        {u"No Data loss on exit any more", UpdateMessageKind::NoData},
        {u"NoUpdate needed for Windows 7", UpdateMessageKind::NotNewer},
        {u"erro", UpdateMessageKind::NewerVersion},
        {u"no dat", UpdateMessageKind::NewerVersion},
        {u"nou", UpdateMessageKind::NewerVersion},
        {u" noup", UpdateMessageKind::NewerVersion},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ClassifyUpdateOutcome(c.outcome), c.kind)
            << std::string(c.outcome, c.outcome + std::char_traits<char16_t>::length(c.outcome));
    }
}

TEST(UpdateMessages, BuiltInTextsCompleteEachMessage) {
    ResetTextTableForTesting();
    EXPECT_EQ(UpdateMessageCaption(), u"Проверка обновления");
    EXPECT_EQ(UpdateMessageText(UpdateMessageKind::DownloadError, u"Error: x, Cannot Connect"),
              u"Error: x, Cannot Connect\r\nПроверка обновления прервана!\r\n"
              u"Проверьте, что соединение с интернетом активно\r\nУбедитесь, что программу не блокируют");
    EXPECT_EQ(UpdateMessageText(UpdateMessageKind::NoData, u"no data"), u"no data\r\nДанные не найдены");
    EXPECT_EQ(UpdateMessageText(UpdateMessageKind::NotNewer, u"noup"),
              u"Программа не нуждается в обновлении");
    EXPECT_EQ(UpdateMessageText(UpdateMessageKind::NewerVersion, u"Glimra 1.3.1.3"),
              u"Glimra 1.3.1.3\r\n\r\nПерейти на сайт программы?");
}

TEST(UpdateMessages, LanguageFileTextsReplaceTheDefaults) {
    ResetTextTableForTesting();
    AddText(u"CheckUpdates", u"Update check");
    AddText(u"UpdateCheckAborted", u"%sUpdate check aborted!%sCheck the connection");
    AddText(u"NoFataFound", u"No data found");
    AddText(u"ProgramNotUpdated", u"");
    EXPECT_EQ(UpdateMessageCaption(), u"Update check");
    EXPECT_EQ(UpdateMessageText(UpdateMessageKind::DownloadError, u"Error: e"),
              u"Error: e\r\nUpdate check aborted!\r\nCheck the connection");
    EXPECT_EQ(UpdateMessageText(UpdateMessageKind::NoData, u"no data"), u"no data\r\nNo data found");
    // An empty value in the file falls back to the built-in text.
    EXPECT_EQ(UpdateMessageText(UpdateMessageKind::NotNewer, u"noup"),
              u"Программа не нуждается в обновлении");
    ResetTextTableForTesting();
}

} // namespace
