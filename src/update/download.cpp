#include "update/download.h"

#include <windows.h>
#include <wininet.h>

#include <memory>
#include <type_traits>

#include "platform/wide.h"

namespace {

constexpr DWORD kUrlBufferChars = 2048;
constexpr DWORD kReadChunkBytes = 4096;
constexpr std::size_t kErrorTextMax = 63;

constexpr DWORD kFixedRequestFlags = INTERNET_FLAG_EXISTING_CONNECT | INTERNET_FLAG_NO_CACHE_WRITE |
                                     INTERNET_FLAG_NO_AUTO_REDIRECT | INTERNET_FLAG_NO_AUTH;
static_assert(kFixedRequestFlags == 0x24240000);

struct InternetHandleCloser {
    void operator()(HINTERNET handle) const { InternetCloseHandle(handle); }
};
using UniqueInternetHandle = std::unique_ptr<std::remove_pointer_t<HINTERNET>, InternetHandleCloser>;

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

void SetTimeouts(HINTERNET internet) {
    for (DWORD option :
         {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT}) {
        DWORD timeout = kDownloadTimeoutMs;
        // Best effort: without it WinINet's own, much longer time-outs apply.
        InternetSetOptionW(internet, option, &timeout, sizeof(timeout));
    }
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
    const std::wstring agent = ToWide(kDownloadUserAgent);
    UniqueInternetHandle internet(
        InternetOpenW(agent.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!internet) {
        errorCode = GetLastError();
        SetErrorText(errorText, StepWithCode(u"InternetOpen ", errorCode));
        return {};
    }
    SetTimeouts(internet.get());

    const std::wstring source = ToWide(url);
    wchar_t canonical[kUrlBufferChars] = {};
    DWORD canonicalLength = kUrlBufferChars;
    if (!InternetCanonicalizeUrlW(source.c_str(), canonical, &canonicalLength, ICU_BROWSER_MODE)) {
        SetErrorText(errorText, u"InternetCanonicalizeUrl ");
        return {};
    }

    const DWORD flags = DownloadRequestFlags(AsU16(canonical), ignoreCertificateErrors);
    UniqueInternetHandle request(InternetOpenUrlW(internet.get(), canonical, nullptr, 0, flags, 0));
    if (!request) {
        errorCode = GetLastError();
        SetErrorText(errorText, StepWithCode(u"InternetOpenUrl: ", errorCode));
        return {};
    }
    // The last error is not looked at after success: WinINet may leave a stale code there.

    std::string body;
    char chunk[kReadChunkBytes];
    INTERNET_BUFFERSW buffers{};
    // The structure's own size: 40 bytes in 32-bit builds, larger with 64-bit pointers.
    buffers.dwStructSize = sizeof(buffers);
    buffers.lpvBuffer = chunk;
    for (;;) {
        buffers.dwBufferLength = kReadChunkBytes;
        if (!InternetReadFileExW(request.get(), &buffers, IRF_SYNC, 0) || buffers.dwBufferLength == 0) {
            break;
        }
        body.append(chunk, buffers.dwBufferLength);
        if (body.size() > kMaxDocumentBytes) {
            SetErrorText(errorText, u"Document larger than 1 MiB ");
            return {};
        }
    }
    if (body.empty()) {
        SetErrorText(errorText, u"RetBuffer Len = 0 ");
    }
    return body;
}
