#include "monitor/utf8_text.h"

#include <gtest/gtest.h>

#include <string>

TEST(Utf8Text, ConvertsBothWaysAndRefusesMalformedBytes) {
    EXPECT_EQ(Utf8FromUtf16(u"a\u00E9\u20AC\U0001F5B5"), "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x96\xB5");
    EXPECT_EQ(Utf8FromUtf16(std::u16string(1, 0xDC00) + u"x" + std::u16string(1, 0xD800)),
              "\xEF\xBF\xBDx\xEF\xBF\xBD")
        << "an unpaired half becomes U+FFFD, never bytes no reader accepts";
    std::u16string out;
    ASSERT_TRUE(Utf16FromUtf8("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x96\xB5", out));
    EXPECT_EQ(out, u"a\u00E9\u20AC\U0001F5B5");
    EXPECT_FALSE(Utf16FromUtf8("\xE0\x80\xAF", out)) << "overlong";
    EXPECT_FALSE(Utf16FromUtf8("\xF0\x8F\xBF\xBF", out)) << "overlong four bytes";
    EXPECT_FALSE(Utf16FromUtf8("\xC3", out)) << "cut";
    EXPECT_FALSE(Utf16FromUtf8("\xC3\x41", out)) << "no continuation";
}
