#include "update/internet_error_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(InternetErrorText, KnownCodesGiveTheirPhrasesAsWritten) {
    const struct {
        int32_t code;
        const char16_t* phrase;
    } cases[] = {
        {12001, u"Out of Handles"},
        {12007, u"The server name could not be resolved"},
        {12029, u"Cannot Connect"},
        {12034, u"Need UI"},
        {12036, u"Handle Exists"},
        {12037, u"SSL certificate date that was received from the server is bad. The certificate is expired"},
        {12040, u"HTTTS to HTTP on Redirect"},
        {12042, u"CHG POSTt is Non-Secure"},
        {12043, u"POST  is Non_Secure"},
        {12047, u"Asych thread failed"},
        {12050, u"Retry Dialog"},
        {12052, u"HTTPS-HTTP SUBMIT Redirect"},
        {12057, u"Security Certificate Revision Failed"},
        {12110, u"FTP Transfer in Progress"},
        {12112, u"FTP - No Passive mode"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(InternetErrorText(c.code), c.phrase) << c.code;
    }
}

TEST(InternetErrorText, OtherCodesGiveTheUnexpectedForm) {
    const struct {
        int32_t code;
        const char16_t* text;
    } cases[] = {
        {12035, u"Unexpected Error Code 12035"},
        {12051, u"Unexpected Error Code 12051"},
        {12058, u"Unexpected Error Code 12058"},
        {12109, u"Unexpected Error Code 12109"},
        {12113, u"Unexpected Error Code 12113"},
        {12000, u"Unexpected Error Code 12000"},
        {0, u"Unexpected Error Code 0"},
        {5, u"Unexpected Error Code 5"},
        {-5, u"Unexpected Error Code -5"},
        {INT32_MIN, u"Unexpected Error Code -2147483648"},
        {INT32_MAX, u"Unexpected Error Code 2147483647"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(InternetErrorText(c.code), c.text) << c.code;
    }
}

} // namespace
