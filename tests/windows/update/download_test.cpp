#include "update/download.h"

#include <gtest/gtest.h>

#include <string>

#include <chrono>

#include "platform/internet.h"
#include "platform/wide.h"
#include "update_host.h"

namespace {

struct Download {
    std::string body;
    uint32_t code;
    std::u16string text;
};

Download Fetch(const std::wstring& url, uint32_t startCode = 0, uint8_t ignoreCertificateErrors = 1) {
    Download result{{}, startCode, {}};
    result.body = DownloadUrl(AsU16(url), result.code, result.text, ignoreCertificateErrors);
    return result;
}

std::string Narrow(std::u16string_view text) {
    return std::string(text.begin(), text.end());
}

TEST(DownloadUrl, ReturnsTheBodyWithoutTouchingTheErrorOutputs) {
    ASSERT_UPDATE_HOST_RUNNING();
    const Download d = Fetch(HostUrl(L"/checking_update_v1_00.xhtm"), 77);
    EXPECT_EQ(d.text, u"");
    EXPECT_EQ(d.code, 77u);
    EXPECT_NE(d.body.find("<renovation>"), std::string::npos);
    EXPECT_NE(d.body.find("&lt;\xD0\x9D\xD0\xBE\xD0\xB2\xD0\xBE\xD0\xB5&gt;"), std::string::npos)
        << "the body arrives as raw UTF-8 bytes";
}

TEST(DownloadUrl, AnErrorPageIsReturnedAsTheBody) {
    ASSERT_UPDATE_HOST_RUNNING();
    const Download d = Fetch(HostUrl(L"/no_such_document.xhtm"));
    EXPECT_EQ(d.text, u"");
    EXPECT_NE(d.body.find("404 Not Found"), std::string::npos);
}

TEST(DownloadUrl, ARedirectIsNotFollowedAndItsEmptyBodyIsAnError) {
    ASSERT_UPDATE_HOST_RUNNING();
    const std::size_t before = HostRequestLog().size();
    const Download d = Fetch(HostUrl(L"/moved.xhtm?case=redirect"));
    EXPECT_EQ(d.body, "");
    EXPECT_EQ(d.text, u"DownloadUrl\r\nError: RetBuffer Len = 0 ");
    EXPECT_EQ(d.code, 0u);
    EXPECT_EQ(HostRequestLog().size(), before + 1) << "the redirect's target must not be requested";
}

TEST(DownloadUrl, ARefusedConnectionNamesTheStepAndTheCode) {
    ASSERT_UPDATE_HOST_RUNNING();
    const Download d = Fetch(RefusedUrl());
    EXPECT_EQ(d.body, "");
    EXPECT_EQ(d.code, 12029u);
    EXPECT_EQ(d.text, u"DownloadUrl\r\nError: InternetOpenUrl:  12029");
}

TEST(DownloadUrl, AnswersOverOneMebibyteAreRefused) {
    ASSERT_UPDATE_HOST_RUNNING();
    const Download largest = Fetch(HostUrl(L"/largest.xhtm"));
    EXPECT_EQ(largest.text, u"");
    EXPECT_EQ(largest.body.size(), kMaxDocumentBytes);

    const Download oversized = Fetch(HostUrl(L"/oversized.xhtm"));
    EXPECT_EQ(oversized.body, "");
    EXPECT_EQ(oversized.code, 0u);
    EXPECT_EQ(oversized.text, u"DownloadUrl\r\nError: Document larger than 1 MiB ");
}

TEST(DownloadUrl, ABodyCutShortByTheServerIsADownloadError) {
    ASSERT_UPDATE_HOST_RUNNING();
    const Download d = Fetch(HostUrl(L"/cut.xhtm"), 5);
    EXPECT_EQ(d.body, "") << "half a document is never scanned";
    EXPECT_EQ(d.code, 12030u);
    EXPECT_EQ(d.text, u"DownloadUrl\r\nError: InternetReadFileEx  12030");
}

TEST(DownloadUrl, TheWholeDownloadHasOneDeadline) {
    ASSERT_UPDATE_HOST_RUNNING();
    EXPECT_EQ(downloadDeadlineMs.load(), 30000u) << "the program runs with 30 s unless a test shortens it";
    // The server sends one byte every 100 ms, so no single read ever waits long, and the whole document would
    // take half a minute. Each download must end at the deadline in force, whichever it is.
    for (const uint32_t deadline : {1000u, 2500u}) {
        DeadlineForTest shortened(deadline);
        const auto start = std::chrono::steady_clock::now();
        const Download d = Fetch(HostUrl(L"/trickle.xhtm"));
        const auto elapsed = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(d.body, "");
        EXPECT_EQ(d.code, 12002u) << "reported as WinINet's time-out";
        EXPECT_EQ(d.text, u"DownloadUrl\r\nError: InternetReadFileEx  12002");
        EXPECT_GE(elapsed, std::chrono::milliseconds(deadline));
        EXPECT_LT(elapsed, std::chrono::milliseconds(deadline + 1400))
            << "reading stops soon after the deadline";
    }
}

TEST(DownloadUrl, AWinInetThatCannotBeLoadedIsADownloadError) {
    InternetFunctions functions{};
    uint32_t loadError = 0;
    EXPECT_EQ(LoadInternetFunctions(L"C:\\no such folder\\wininet.dll", functions, loadError), nullptr);
    EXPECT_EQ(loadError, static_cast<uint32_t>(ERROR_MOD_NOT_FOUND));
    // A library without WinINet's functions is no better.
    wchar_t simulator[MAX_PATH] = {};
    ASSERT_TRUE(GetEnvironmentVariableW(L"GLIMRA_SIMULATOR_DLL", simulator, MAX_PATH));
    uint32_t lookUpError = 0;
    EXPECT_EQ(LoadInternetFunctions(simulator, functions, lookUpError), nullptr);
    EXPECT_EQ(lookUpError, static_cast<uint32_t>(ERROR_PROC_NOT_FOUND));
    EXPECT_EQ(functions.openUrl, nullptr);

    uint32_t code = 0;
    std::u16string text;
    EXPECT_EQ(DownloadUrlWith(nullptr, loadError, u"http://127.0.0.1/", code, text, 1), "");
    EXPECT_EQ(code, static_cast<uint32_t>(ERROR_MOD_NOT_FOUND));
    EXPECT_EQ(text, u"DownloadUrl\r\nError: LoadLibrary wininet.dll  126");
}

TEST(DownloadUrl, WinInetComesFromTheSystemFolder) {
    ASSERT_UPDATE_HOST_RUNNING();
    ASSERT_EQ(Fetch(HostUrl(L"/noup.xhtm")).text, u"");
    HMODULE loaded = GetModuleHandleW(L"wininet.dll");
    ASSERT_NE(loaded, nullptr);
    wchar_t path[MAX_PATH] = {}, folder[MAX_PATH] = {};
    GetModuleFileNameW(loaded, path, MAX_PATH);
    GetSystemDirectoryW(folder, MAX_PATH);
    EXPECT_EQ(lstrcmpiW(path, (std::wstring(folder) + L"\\wininet.dll").c_str()), 0) << Narrow(AsU16(path));
}

TEST(DownloadUrl, AnAddressTooLongToCanonicalizeFailsBeforeAnyRequest) {
    ASSERT_UPDATE_HOST_RUNNING();
    const std::size_t before = HostRequestLog().size();
    const Download d = Fetch(HostUrl(L"/") + std::wstring(2100, L'a'), 5);
    EXPECT_EQ(d.body, "");
    EXPECT_EQ(d.code, 5u) << "no system code is taken for this step";
    EXPECT_EQ(d.text, u"DownloadUrl\r\nError: InternetCanonicalizeUrl ");
    EXPECT_EQ(HostRequestLog().size(), before);
}

TEST(DownloadUrl, TheRequestCarriesTheProgramsUserAgentAndNothingExtra) {
    ASSERT_UPDATE_HOST_RUNNING();
    const Download d = Fetch(HostUrl(L"/noup.xhtm?case=agent"));
    ASSERT_EQ(d.text, u"");
    const std::vector<std::string> requests = HostRequestsWith("case=agent");
    ASSERT_EQ(requests.size(), 1u);
    const std::string& request = requests[0];
    EXPECT_NE(request.find("\"user_agent\": \"" + Narrow(kDownloadUserAgent) + "\""), std::string::npos)
        << request;
    // The flags only keep the answer out of the cache and refuse log-ins; neither adds a header.
    for (const char* header : {"\"Pragma\"", "\"Cache-Control\"", "\"Authorization\"", "\"Cookie\""}) {
        EXPECT_EQ(request.find(header), std::string::npos) << header << " in " << request;
    }
}

TEST(DownloadUrl, AnAuthenticationChallengeIsNotAnswered) {
    ASSERT_UPDATE_HOST_RUNNING();
    const Download d = Fetch(HostUrl(L"/private.xhtm?case=challenge"));
    EXPECT_EQ(d.text, u"");
    EXPECT_NE(d.body.find("Authorization Required"), std::string::npos);
    const std::vector<std::string> requests = HostRequestsWith("case=challenge");
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].find("\"Authorization\""), std::string::npos);
}

TEST(DownloadUrl, AnUnsupportedSchemeFailsWithAnErrorText) {
    uint32_t code = 0;
    std::u16string text;
    DownloadUrl(u"gopher://127.0.0.1/", code, text, 1);
    EXPECT_FALSE(text.empty());
    EXPECT_LE(text.size(), 63u);
    EXPECT_EQ(text.rfind(u"DownloadUrl\r\nError: ", 0), 0u) << Narrow(text);
}

TEST(DownloadRequestFlags, SecureAndCertificateFlagsFollowTheScheme) {
    const struct {
        const char16_t* url;
        uint8_t ignore;
        uint32_t flags;
    } cases[] = {
        {u"http://glimra.example.org/doc", 1, 0x24240000},
        {u"http://glimra.example.org/doc", 0, 0x24240000},
        {u"https://glimra.example.org/doc", 0, 0x24A40000},
        {u"https://glimra.example.org/doc", 1, 0x24A43000},
        {u"HTTPS://glimra.example.org/doc", 1, 0x24A43000},
        {u"HtTpS://glimra.example.org/doc", 0, 0x24A40000},
        {u"ftp://glimra.example.org/doc", 1, 0x24240000},
        {u"http", 1, 0x24240000},
        {u"", 0, 0x24240000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DownloadRequestFlags(c.url, c.ignore), c.flags) << Narrow(c.url);
    }
}

} // namespace
