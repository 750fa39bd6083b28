// The update document: a small XML-like UTF-8 text scanned by plain text search for a few element names.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// The markers of CheckForUpdate's outcome besides an error text and a description.
inline constexpr std::u16string_view kOutcomeNoData = u"no data";
inline constexpr std::u16string_view kOutcomeNotNewer = u"noup";

// Text between the first "<tagName>" and the first "</tagName>" after it (exact, case-sensitive).
// Empty when the opening tag is missing, and also when the closing tag is missing: an unclosed element
// is a broken document, not a description.
std::u16string GetTagText(std::u16string_view text, std::u16string_view tagName);

// Removes every "&#13;", then turns "&lt;" into "<" and "&gt;" into ">"; nothing else is decoded.
std::u16string DecodeEntities(std::u16string_view text);

// Up to four "."-separated decimal parts, missing ones 0, each the number at its start.
bool IsNewerVersion(std::u16string_view candidate, std::u16string_view current);

// UTF-8 to UTF-16; every invalid sequence becomes U+FFFD.
std::u16string DecodeUtf8(std::string_view bytes);

// Lower case as the system does it for the letters that occur in product tags and versions
// (ASCII, Latin-1, Cyrillic, Greek).
std::u16string LowerCaseText(std::u16string_view text);

// The scan of a downloaded body: "no data", "noup" or the decoded description of the newer version.
std::u16string ScanUpdateDocument(std::string_view body, std::u16string_view productTag,
                                  std::u16string_view currentVersion);

// The download behind CheckForUpdate: body bytes, empty on failure with errorCode/errorText filled.
using UpdateDownloader =
    std::function<std::string(std::u16string_view url, uint32_t& errorCode, std::u16string& errorText,
                              uint8_t ignoreCertificateErrors)>;

// "Error: <text>, <phrase of code>": the outcome of a failed download.
std::u16string DownloadErrorOutcome(std::u16string_view errorText, uint32_t errorCode);

// Downloads the document and returns "Error: <text>, <phrase>", "no data", "noup" or the description.
std::u16string CheckForUpdate(std::u16string_view url, std::u16string_view productTag,
                              std::u16string_view currentVersion, const UpdateDownloader& download);
