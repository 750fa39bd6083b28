#include "update/internet_error_text.h"

#include <string_view>

namespace {

struct ErrorPhrase {
    int32_t code;
    std::u16string_view phrase;
};

// These are the program's own texts, spelling included; users quote them in reports.
constexpr ErrorPhrase kPhrases[] = {
    {12001, u"Out of Handles"},
    {12002, u"Timeout"},
    {12003, u"Internet Extended Error"},
    {12004, u"Internal Error"},
    {12005, u"Invalid URL"},
    {12006, u"Unrecognized Scheme"},
    {12007, u"The server name could not be resolved"},
    {12008, u"Protocol Not Found"},
    {12009, u"Invalid Option"},
    {12010, u"Invalid Option Length"},
    {12011, u"Option Not Settable"},
    {12012, u"Internet Shutdown"},
    {12013, u"Incorrect User Name"},
    {12014, u"Incorrect Password"},
    {12015, u"Login Failure"},
    {12016, u"Invalid Operation"},
    {12017, u"Operation Canceled"},
    {12018, u"Invalid Handle Type"},
    {12019, u"Incorrect Handle State"},
    {12020, u"Not Proxy Request"},
    {12021, u"Registry Value Not Found"},
    {12022, u"Bad Registry Parameter"},
    {12023, u"No Direct Access"},
    {12024, u"No Context"},
    {12025, u"No Callback"},
    {12026, u"Request Pending"},
    {12027, u"Incorrect Format"},
    {12028, u"Item Not Found"},
    {12029, u"Cannot Connect"},
    {12030, u"Connection Aborted"},
    {12031, u"Connection Reset"},
    {12032, u"Force Retry"},
    {12033, u"Invalid Proxy Request"},
    {12034, u"Need UI"},
    {12036, u"Handle Exists"},
    {12037, u"SSL certificate date that was received from the server is bad. The certificate is expired"},
    {12038, u"SSL certificate common name (host name field) is incorrect."},
    {12039, u"The application is moving from a non-SSL to an SSL connection because of a redirect."},
    {12040, u"HTTTS to HTTP on Redirect"},
    {12041, u"Mixed Security"},
    {12042, u"CHG POSTt is Non-Secure"},
    {12043, u"POST  is Non_Secure"},
    {12044, u"Client Authorization Certificate Needed"},
    {12045, u"Invalid Client Authorization"},
    {12046, u"Client Authorization Not Set Up"},
    {12047, u"Asych thread failed"},
    {12048, u"Redirect Scheme Change"},
    {12049, u"Dialog Pending"},
    {12050, u"Retry Dialog"},
    {12052, u"HTTPS-HTTP SUBMIT Redirect"},
    {12053, u"Insert CD-ROM"},
    {12054, u"FORTEZZA Login Needed"},
    {12055, u"Security Certificate Errors"},
    {12056, u"Security Certificate has no Revision"},
    {12057, u"Security Certificate Revision Failed"},
    {12110, u"FTP Transfer in Progress"},
    {12111, u"FTP Dropped"},
    {12112, u"FTP - No Passive mode"},
};

std::u16string DecimalText(int32_t value) {
    // Widen first: the most negative value has no positive counterpart in 32 bits.
    int64_t magnitude = value < 0 ? -static_cast<int64_t>(value) : value;
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) {
        digits.insert(digits.begin(), u'-');
    }
    return digits;
}

} // namespace

std::u16string InternetErrorText(int32_t code) {
    for (const ErrorPhrase& entry : kPhrases) {
        if (entry.code == code) {
            return std::u16string(entry.phrase);
        }
    }
    return u"Unexpected Error Code " + DecimalText(code);
}
