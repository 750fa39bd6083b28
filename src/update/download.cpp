#include "update/download.h"

#include <windows.h>
#include <wininet.h>

#include <cstdint>
#include <optional>

#include "platform/internet.h"
#include "platform/wide.h"
#include "update/update_check_progress.h"

std::atomic<uint32_t> downloadDeadlineMs{kDownloadDeadlineMs};

namespace {

constexpr DWORD kUrlBufferChars = 2048;
constexpr DWORD kReadChunkBytes = 4096;
constexpr std::size_t kErrorTextMax = 63;

constexpr DWORD kFixedRequestFlags = INTERNET_FLAG_EXISTING_CONNECT | INTERNET_FLAG_NO_CACHE_WRITE |
                                     INTERNET_FLAG_NO_AUTO_REDIRECT | INTERNET_FLAG_NO_AUTH;
static_assert(kFixedRequestFlags == 0x24240000);
static_assert(kDeadlineErrorCode == ERROR_INTERNET_TIMEOUT);

// Closes a WinINet handle through the loaded library.
class InternetHandle {
  public:
    InternetHandle(const InternetFunctions& api, HINTERNET handle) : api_(api), handle_(handle) {}
    ~InternetHandle() {
        if (handle_)
            api_.closeHandle(handle_);
    }
    InternetHandle(const InternetHandle&) = delete;
    InternetHandle& operator=(const InternetHandle&) = delete;
    HINTERNET get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

  private:
    const InternetFunctions& api_;
    HINTERNET handle_;
};

void SetErrorText(std::u16string& errorText, std::u16string_view detail) {
    errorText = std::u16string(kDownloadRoutineName) + u"\r\nError: " + std::u16string(detail);
    if (errorText.size() > kErrorTextMax) {
        errorText.resize(kErrorTextMax);
    }
}

// "<step> <code>": the step's text ends in a space and the code is preceded by one more.
std::u16string StepWithCode(std::u16string_view step, DWORD code) {
    return std::u16string(step) + u" " + ToU16(std::to_wstring(code));
}

void SetTimeouts(const InternetFunctions& api, HINTERNET internet) {
    for (DWORD option :
         {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT}) {
        DWORD timeout = kDownloadTimeoutMs;
        // Best effort: without it WinINet's own, much longer time-outs apply.
        api.setOption(internet, option, &timeout, sizeof(timeout));
    }
}

// The length the server announced, or nothing when it sent none (a body that ends with the connection).
std::optional<uint64_t> AnnouncedLength(const InternetFunctions& api, HINTERNET request) {
    wchar_t text[32] = {};
    DWORD size = sizeof(text);
    if (!api.queryInfo(request, HTTP_QUERY_CONTENT_LENGTH, text, &size, nullptr))
        return std::nullopt;
    uint64_t length = 0;
    for (const wchar_t* c = text; *c; ++c) {
        if (*c < L'0' || *c > L'9' || length > (UINT64_MAX - 9) / 10)
            return std::nullopt;
        length = length * 10 + static_cast<uint64_t>(*c - L'0');
    }
    return length;
}

// Reads the whole body. On failure returns false with errorCode and errorText set.
bool ReadBody(const InternetFunctions& api, HINTERNET request, ULONGLONG started, std::string& body,
              uint32_t& errorCode, std::u16string& errorText) {
    char chunk[kReadChunkBytes];
    INTERNET_BUFFERSW buffers{};
    // The structure's own size: 40 bytes in 32-bit builds, larger with 64-bit pointers.
    buffers.dwStructSize = sizeof(buffers);
    buffers.lpvBuffer = chunk;
    for (;;) {
        // The window thread has reported the time-out by now; stopping here frees the connection of a
        // server that trickles bytes, which WinINet's per-operation time-outs never would.
        if (GetTickCount64() - started > downloadDeadlineMs.load()) {
            errorCode = kDeadlineErrorCode;
            errorText = DeadlineErrorText();
            return false;
        }
        // Only what has arrived is read, so no read waits for a full chunk while the deadline passes.
        DWORD available = 0;
        if (!api.queryDataAvailable(request, &available, 0, 0)) {
            errorCode = GetLastError();
            SetErrorText(errorText, StepWithCode(u"InternetQueryDataAvailable ", errorCode));
            return false;
        }
        if (available == 0)
            break;
        buffers.dwBufferLength = available < kReadChunkBytes ? available : kReadChunkBytes;
        if (!api.readFile(request, &buffers, IRF_SYNC, 0)) {
            errorCode = GetLastError();
            SetErrorText(errorText, StepWithCode(u"InternetReadFileEx ", errorCode));
            return false;
        }
        if (buffers.dwBufferLength == 0)
            break;
        body.append(chunk, buffers.dwBufferLength);
        if (body.size() > kMaxDocumentBytes) {
            SetErrorText(errorText, u"Document larger than 1 MiB ");
            return false;
        }
    }
    // The connection ended before the announced length: half a document is no document.
    if (const std::optional<uint64_t> announced = AnnouncedLength(api, request);
        announced && body.size() < *announced) {
        errorCode = ERROR_INTERNET_CONNECTION_ABORTED;
        SetErrorText(errorText, StepWithCode(u"InternetReadFileEx ", errorCode));
        return false;
    }
    return true;
}

} // namespace

uint32_t DownloadRequestFlags(std::u16string_view canonicalUrl, uint8_t ignoreCertificateErrors) {
    uint32_t flags = kFixedRequestFlags;
    std::u16string scheme(canonicalUrl.substr(0, 5));
    for (char16_t& c : scheme) {
        if (c >= u'A' && c <= u'Z') {
            c = static_cast<char16_t>(c + 0x20);
        }
    }
    if (scheme == u"https") {
        flags |= INTERNET_FLAG_SECURE;
        if (ignoreCertificateErrors != 0) {
            flags |= INTERNET_FLAG_IGNORE_CERT_CN_INVALID | INTERNET_FLAG_IGNORE_CERT_DATE_INVALID;
        }
    }
    return flags;
}

std::string DownloadUrl(std::u16string_view url, uint32_t& errorCode, std::u16string& errorText,
                        uint8_t ignoreCertificateErrors) {
    uint32_t loadError = 0;
    const InternetFunctions* api = SystemInternetFunctions(loadError);
    return DownloadUrlWith(api, loadError, url, errorCode, errorText, ignoreCertificateErrors);
}

std::string DownloadUrlWith(const InternetFunctions* api, uint32_t loadError, std::u16string_view url,
                            uint32_t& errorCode, std::u16string& errorText, uint8_t ignoreCertificateErrors) {
    if (!api) {
        errorCode = loadError;
        SetErrorText(errorText, StepWithCode(u"LoadLibrary wininet.dll ", errorCode));
        return {};
    }
    const ULONGLONG started = GetTickCount64();
    const std::wstring agent = ToWide(kDownloadUserAgent);
    InternetHandle internet(
        *api, api->openInternet(agent.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!internet) {
        errorCode = GetLastError();
        SetErrorText(errorText, StepWithCode(u"InternetOpen ", errorCode));
        return {};
    }
    SetTimeouts(*api, internet.get());

    const std::wstring source = ToWide(url);
    wchar_t canonical[kUrlBufferChars] = {};
    DWORD canonicalLength = kUrlBufferChars;
    if (!api->canonicalizeUrl(source.c_str(), canonical, &canonicalLength, ICU_BROWSER_MODE)) {
        SetErrorText(errorText, u"InternetCanonicalizeUrl ");
        return {};
    }

    const DWORD flags = DownloadRequestFlags(AsU16(canonical), ignoreCertificateErrors);
    InternetHandle request(*api, api->openUrl(internet.get(), canonical, nullptr, 0, flags, 0));
    if (!request) {
        errorCode = GetLastError();
        SetErrorText(errorText, StepWithCode(u"InternetOpenUrl: ", errorCode));
        return {};
    }
    // The last error is not looked at after success: WinINet may leave a stale code there.

    std::string body;
    if (!ReadBody(*api, request.get(), started, body, errorCode, errorText))
        return {};
    if (body.empty()) {
        SetErrorText(errorText, u"RetBuffer Len = 0 ");
    }
    return body;
}
