// One document fetched over HTTP or HTTPS with the system's Internet client library.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The name at the head of every download error text.
inline constexpr std::u16string_view kDownloadRoutineName = u"DownloadUrl";
inline constexpr char16_t kDownloadUserAgent[] =
    u"Vantrel Webserver monitoring tool Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
// A larger answer is not an update document; reading stops there so a broken server cannot fill memory.
inline constexpr std::size_t kMaxDocumentBytes = 1024 * 1024;
// Applied to connecting, sending and receiving, so a silent server cannot hold the program for minutes.
inline constexpr uint32_t kDownloadTimeoutMs = 15000;
// The whole check, however slowly the name lookup, the connection or the server go: the window thread reports
// the time-out then, and the download stops reading once it has passed.
inline constexpr uint32_t kDownloadDeadlineMs = 30000;
// The deadline in force: kDownloadDeadlineMs, shorter in tests. Read by the download's worker thread too.
extern std::atomic<uint32_t> downloadDeadlineMs;

struct InternetFunctions;

// Returns the body; on failure an empty body, errorText "DownloadUrl\r\nError: ..." (at most 63 characters)
// and, where the system gave one, errorCode. Neither the HTTP status nor redirects are looked at. A body
// cut short (a failed read, fewer bytes than announced) and the passing of the deadline are failures.
// WinINet is loaded from the system folder on the first call.
std::string DownloadUrl(std::u16string_view url, uint32_t& errorCode, std::u16string& errorText,
                        uint8_t ignoreCertificateErrors);

// The same with the given functions; nullptr reports a library that could not be loaded, with loadError.
std::string DownloadUrlWith(const InternetFunctions* api, uint32_t loadError, std::u16string_view url,
                            uint32_t& errorCode, std::u16string& errorText, uint8_t ignoreCertificateErrors);

// The request flags for a canonical URL: fixed part, HTTPS, and the two certificate exemptions.
uint32_t DownloadRequestFlags(std::u16string_view canonicalUrl, uint8_t ignoreCertificateErrors);
