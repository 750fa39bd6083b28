// One document fetched over HTTP or HTTPS with the system's Internet client library.
#pragma once

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

// Returns the body; on failure an empty body, errorText "DownloadUrl\r\nError: ..." (at most 63 characters)
// and, where the system gave one, errorCode. Neither the HTTP status nor redirects are looked at.
std::string DownloadUrl(std::u16string_view url, uint32_t& errorCode, std::u16string& errorText,
                        uint8_t ignoreCertificateErrors);

// The request flags for a canonical URL: fixed part, HTTPS, and the two certificate exemptions.
uint32_t DownloadRequestFlags(std::u16string_view canonicalUrl, uint8_t ignoreCertificateErrors);
