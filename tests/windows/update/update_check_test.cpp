#include "update/update_check.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "i18n/text_keys.h"
#include "i18n/text_table.h"
#include "platform/wide.h"
#include "update_host.h"

using namespace std::chrono_literals;

namespace {

struct ShownMessage {
    HWND owner;
    UpdateMessageKind kind;
    std::wstring text;
    std::wstring caption;
};

// Records what the check would show and answers with a chosen button; no window is created.
class RecordingPresenter {
  public:
    explicit RecordingPresenter(int answer, bool realBoxes = false) {
        messages.clear();
        openedPages.clear();
        answer_ = answer;
        UpdateCheckPresenter recorder{Record, RecordPage};
        if (realBoxes) {
            recorder.showMessage = DefaultUpdateCheckPresenter().showMessage;
        }
        previous_ = SetUpdateCheckPresenter(recorder);
    }
    ~RecordingPresenter() { SetUpdateCheckPresenter(previous_); }

    static inline std::vector<ShownMessage> messages;
    static inline std::vector<std::wstring> openedPages;

  private:
    static int Record(HWND owner, UpdateMessageKind kind, std::wstring_view text, std::wstring_view caption) {
        messages.push_back({owner, kind, std::wstring(text), std::wstring(caption)});
        return answer_;
    }
    static void RecordPage(const wchar_t* address) { openedPages.emplace_back(address); }

    static inline int answer_ = IDOK;
    UpdateCheckPresenter previous_{};
};

HWND FakeOwner() {
    return reinterpret_cast<HWND>(static_cast<uintptr_t>(0x1234));
}

std::wstring Text(const TextKey& key, std::u16string_view insert = {}) {
    return ToWide(GetText(key, insert));
}

// Handles this thread's messages, as the program's loop does, until the check's message has been closed.
bool PumpUntilTheCheckEnds(std::chrono::milliseconds limit = 40s) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (UpdateCheckRunning() && std::chrono::steady_clock::now() < end) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return !UpdateCheckRunning();
}

void RunCheck(HWND owner, const std::wstring& url) {
    ASSERT_TRUE(RunUpdateCheckAt(owner, url));
    ASSERT_TRUE(PumpUntilTheCheckEnds()) << "the check never ended";
}

const std::wstring kTimeoutText = L"Error: DownloadUrl\r\nError: InternetReadFileEx  12002, Timeout";

const std::u16string kNewerDescription = u"Glimra 1.3.1.10\r\n<Новое> &amp; fixed";

TEST(RunUpdateCheck, ARefusedConnectionShowsTheErrorAndWhyItStopped) {
    ASSERT_UPDATE_HOST_RUNNING();
    RecordingPresenter presenter(IDOK);
    RunCheck(FakeOwner(), RefusedUrl());
    ASSERT_EQ(RecordingPresenter::messages.size(), 1u);
    const ShownMessage& shown = RecordingPresenter::messages[0];
    EXPECT_EQ(shown.owner, FakeOwner());
    EXPECT_EQ(shown.kind, UpdateMessageKind::DownloadError);
    EXPECT_EQ(shown.caption, Text(kCheckUpdates));
    EXPECT_EQ(shown.text, L"Error: DownloadUrl\r\nError: InternetOpenUrl:  12029, Cannot Connect" +
                              Text(kUpdateCheckAborted, u"\r\n"));
    EXPECT_TRUE(RecordingPresenter::openedPages.empty());
}

TEST(RunUpdateCheck, EachOutcomeGetsItsOwnMessage) {
    ASSERT_UPDATE_HOST_RUNNING();
    const struct {
        const wchar_t* path;
        UpdateMessageKind kind;
        std::wstring text;
    } cases[] = {
        {L"/other.xhtm", UpdateMessageKind::NoData, L"no data\r\n" + Text(kNoFataFound)},
        {L"/no_such_document.xhtm", UpdateMessageKind::NoData, L"no data\r\n" + Text(kNoFataFound)},
        {L"/noup.xhtm", UpdateMessageKind::NotNewer, Text(kProgramNotUpdated)},
        {L"/moved.xhtm", UpdateMessageKind::DownloadError,
         L"Error: DownloadUrl\r\nError: RetBuffer Len = 0 , Unexpected Error Code 0" +
             Text(kUpdateCheckAborted, u"\r\n")},
        {L"/oversized.xhtm", UpdateMessageKind::DownloadError,
         L"Error: DownloadUrl\r\nError: Document larger than 1 MiB , Unexpected Error Code 0" +
             Text(kUpdateCheckAborted, u"\r\n")},
        // Half a document is a failed download, not a document without this product.
        {L"/cut.xhtm", UpdateMessageKind::DownloadError,
         L"Error: DownloadUrl\r\nError: InternetReadFileEx  12030, Connection Aborted" +
             Text(kUpdateCheckAborted, u"\r\n")},
    };
    for (const auto& c : cases) {
        RecordingPresenter presenter(IDYES);
        RunCheck(nullptr, HostUrl(c.path));
        ASSERT_EQ(RecordingPresenter::messages.size(), 1u);
        EXPECT_EQ(RecordingPresenter::messages[0].kind, c.kind);
        EXPECT_EQ(RecordingPresenter::messages[0].text, c.text);
        EXPECT_EQ(RecordingPresenter::messages[0].caption, Text(kCheckUpdates));
        EXPECT_TRUE(RecordingPresenter::openedPages.empty()) << "only a newer version offers the page";
    }
}

TEST(RunUpdateCheck, ANewerVersionAnsweredNoOpensNothing) {
    ASSERT_UPDATE_HOST_RUNNING();
    RecordingPresenter presenter(IDNO);
    RunCheck(nullptr, HostUrl(L"/checking_update_v1_00.xhtm"));
    ASSERT_EQ(RecordingPresenter::messages.size(), 1u);
    EXPECT_EQ(RecordingPresenter::messages[0].kind, UpdateMessageKind::NewerVersion);
    EXPECT_EQ(RecordingPresenter::messages[0].text,
              ToWide(kNewerDescription) + L"\r\n\r\n" + Text(kGoProgramWebsite));
    EXPECT_TRUE(RecordingPresenter::openedPages.empty());
}

TEST(RunUpdateCheck, AServerThatNeverAnswersEndsAtTheDeadlineWithoutHoldingTheThread) {
    ASSERT_UPDATE_HOST_RUNNING();
    RecordingPresenter presenter(IDOK);
    DeadlineForTest shortened(1500);
    const auto start = std::chrono::steady_clock::now();
    // The request is taken but no status line or header ever comes: before the body, where no read runs.
    ASSERT_TRUE(RunUpdateCheckAt(FakeOwner(), HostUrl(L"/silent.xhtm?case=deadline")));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 500ms) << "the download must not run on this thread";
    EXPECT_TRUE(UpdateCheckRunning());
    EXPECT_FALSE(RunUpdateCheckAt(FakeOwner(), HostUrl(L"/noup.xhtm?case=second"))) << "one check at a time";
    ASSERT_TRUE(PumpUntilTheCheckEnds(10s));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(elapsed, 1500ms);
    EXPECT_LT(elapsed, 3s) << "the deadline is kept by this thread, not by WinINet's time-outs";
    ASSERT_EQ(RecordingPresenter::messages.size(), 1u);
    EXPECT_EQ(RecordingPresenter::messages[0].owner, FakeOwner());
    EXPECT_EQ(RecordingPresenter::messages[0].kind, UpdateMessageKind::DownloadError);
    EXPECT_EQ(RecordingPresenter::messages[0].text, kTimeoutText + Text(kUpdateCheckAborted, u"\r\n"));
    EXPECT_EQ(RecordingPresenter::messages[0].caption, Text(kCheckUpdates));
    EXPECT_EQ(HostRequestsWith("case=deadline").size(), 1u);
    EXPECT_TRUE(HostRequestsWith("case=second").empty()) << "the second command must start nothing";
}

TEST(RunUpdateCheck, AnAnswerAfterTheDeadlineIsDropped) {
    ASSERT_UPDATE_HOST_RUNNING();
    RecordingPresenter presenter(IDYES);
    {
        // The newer version's document, but only after 2 s: the deadline has passed by then.
        DeadlineForTest shortened(700);
        RunCheck(nullptr, HostUrl(L"/slow.xhtm?ms=2000&case=late"));
    }
    ASSERT_EQ(RecordingPresenter::messages.size(), 1u);
    EXPECT_EQ(RecordingPresenter::messages[0].text, kTimeoutText + Text(kUpdateCheckAborted, u"\r\n"));
    // The late answer arrives while the next check waits for its own; only the next one's is shown.
    DeadlineForTest longer(8000);
    RunCheck(nullptr, HostUrl(L"/slow.xhtm?ms=3000&doc=noup&case=next"));
    ASSERT_EQ(RecordingPresenter::messages.size(), 2u);
    EXPECT_EQ(RecordingPresenter::messages[1].kind, UpdateMessageKind::NotNewer);
    EXPECT_TRUE(RecordingPresenter::openedPages.empty()) << "the late newer version must not be offered";
}

// A message box of this process, polled for until the deadline.
HWND FindOwnMessageBox(std::chrono::milliseconds deadline) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (std::chrono::steady_clock::now() < end) {
        HWND found = nullptr;
        EnumWindows(
            [](HWND window, LPARAM result) -> BOOL {
                wchar_t className[16] = {};
                DWORD process = 0;
                GetWindowThreadProcessId(window, &process);
                GetClassNameW(window, className, 16);
                if (process == GetCurrentProcessId() && std::wstring(className) == L"#32770" &&
                    IsWindowVisible(window)) {
                    *reinterpret_cast<HWND*>(result) = window;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&found));
        if (found) {
            return found;
        }
        std::this_thread::sleep_for(50ms);
    }
    return nullptr;
}

struct SeenBox {
    std::wstring caption;
    std::wstring text;
    bool yesAndNo = false;
    bool topmost = false;
};

SeenBox DescribeOnce(HWND box) {
    SeenBox seen;
    wchar_t buffer[1024] = {};
    GetWindowTextW(box, buffer, 1024);
    seen.caption = buffer;
    // The message box keeps its text in the static control with id 0xFFFF.
    GetDlgItemTextW(box, 0xFFFF, buffer, 1024);
    seen.text = buffer;
    seen.yesAndNo = GetDlgItem(box, IDYES) != nullptr && GetDlgItem(box, IDNO) != nullptr;
    seen.topmost = (GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    return seen;
}

// The box is placed topmost from its own message loop once shown; a loaded machine may take a while.
SeenBox Describe(HWND box) {
    SeenBox seen = DescribeOnce(box);
    const auto end = std::chrono::steady_clock::now() + 3s;
    while (!seen.topmost && IsWindow(box) && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(20ms);
        seen = DescribeOnce(box);
    }
    return seen;
}

TEST(RunUpdateCheck, TheErrorBoxClosesByItself) {
    ASSERT_UPDATE_HOST_RUNNING();
    RecordingPresenter presenter(IDOK, true);
    SeenBox seen;
    bool closedByTest = false;
    std::thread watcher([&] {
        HWND box = FindOwnMessageBox(5s);
        if (!box) {
            return;
        }
        seen = Describe(box);
        // A box that never closes would hold the whole run; close it late and let the test fail.
        const auto end = std::chrono::steady_clock::now() + 20s;
        while (IsWindow(box) && std::chrono::steady_clock::now() < end) {
            std::this_thread::sleep_for(100ms);
        }
        if (IsWindow(box)) {
            closedByTest = true;
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
    });
    const auto start = std::chrono::steady_clock::now();
    RunCheck(nullptr, RefusedUrl());
    const auto elapsed = std::chrono::steady_clock::now() - start;
    watcher.join();
    EXPECT_EQ(seen.caption, Text(kCheckUpdates));
    EXPECT_EQ(seen.text.rfind(L"Error: DownloadUrl\r\nError: InternetOpenUrl:  12029, Cannot Connect", 0), 0u)
        << "shown: " << std::string(seen.text.begin(), seen.text.end());
    EXPECT_TRUE(seen.topmost);
    EXPECT_FALSE(closedByTest);
    EXPECT_GE(elapsed, 7500ms);
    EXPECT_LT(elapsed, 15s);
}

TEST(RunUpdateCheck, TheNewerVersionBoxAsksYesOrNo) {
    ASSERT_UPDATE_HOST_RUNNING();
    RecordingPresenter presenter(IDOK, true);
    SeenBox seen;
    std::thread watcher([&] {
        HWND box = FindOwnMessageBox(10s);
        if (!box) {
            return;
        }
        seen = Describe(box);
        PostMessageW(box, WM_COMMAND, IDYES, 0);
    });
    RunCheck(nullptr, HostUrl(L"/checking_update_v1_00.xhtm"));
    watcher.join();
    EXPECT_EQ(seen.caption, Text(kCheckUpdates));
    EXPECT_EQ(seen.text, ToWide(kNewerDescription) + L"\r\n\r\n" + Text(kGoProgramWebsite));
    EXPECT_TRUE(seen.yesAndNo);
    EXPECT_TRUE(seen.topmost);
    ASSERT_EQ(RecordingPresenter::openedPages.size(), 1u);
    const std::wstring& page = RecordingPresenter::openedPages[0];
    EXPECT_TRUE(page.starts_with(L"http://") && page.ends_with(L"/win/glimra/"))
        << std::string(page.begin(), page.end());
}

} // namespace
