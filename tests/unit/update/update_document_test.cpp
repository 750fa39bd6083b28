#include "update/update_document.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr char16_t kTag[] = u"GLIMRA_VX";
constexpr char16_t kVersion[] = u"1.3.1.2";

std::string Item(const std::string& title, const std::string& version, const std::string& data) {
    return "<item><title>" + title + "</title><version>" + version + "</version><data>" + data +
           "</data></item>\n";
}

std::string Document(const std::string& items) {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<html><body><renovation>\n" + items +
           "</renovation></body></html>\n";
}

struct ScanCase {
    const char* name;
    std::string body;
    std::u16string outcome;
};

TEST(UpdateDocument, ScanFindsThisProductsEntryAndDecides) {
    const std::vector<ScanCase> cases = {
        {"other products only", Document(Item("OTHER_TOOL", "9.9", "x") + Item("GLIMRA_PRO", "9.9", "y")),
         u"no data"},
        {"entry after another product",
         Document(Item("OTHER_TOOL", "9.9", "x") + Item("GLIMRA_VX", "1.4", "new")), u"new"},
        {"title in lower case", Document(Item("glimra_vx", "1.4", "new")), u"new"},
        {"title with spaces around it", Document(Item("   Glimra_Vx  ", "1.4", "new")), u"new"},
        {"title with a line break inside", Document(Item("GLIMRA_VX\r\n", "1.4", "new")), u"no data"},
        {"title with a tab around it", Document(Item("\tGLIMRA_VX", "1.4", "new")), u"no data"},
        {"fourth part greater", Document(Item("GLIMRA_VX", "1.3.1.10", "ten")), u"ten"},
        {"third part greater", Document(Item("GLIMRA_VX", "1.3.2", "two")), u"two"},
        {"fifth part ignored", Document(Item("GLIMRA_VX", "1.3.1.2.9", "nine")), u"noup"},
        {"same version", Document(Item("GLIMRA_VX", " 1.3.1.2 ", "same")), u"noup"},
        {"older version", Document(Item("GLIMRA_VX", "1.2.9.9", "old")), u"noup"},
        {"empty version", Document(Item("GLIMRA_VX", "", "none")), u"noup"},
        {"version with spaces around it", Document(Item("GLIMRA_VX", "  1.3.1.3 ", "spaced")), u"spaced"},
        {"only the first entry of this product counts",
         Document(Item("GLIMRA_VX", "1.3.1.2", "first") + Item("GLIMRA_VX", "2.0", "second")), u"noup"},
        {"newer version with empty description", Document(Item("GLIMRA_VX", "2.0", "")), u""},
        {"description keeps its line breaks", Document(Item("GLIMRA_VX", "2.0", "line 1\r\nline 2&#13;")),
         u"line 1\r\nline 2"},
        {"description in Cyrillic",
         Document(Item("GLIMRA_VX", "2.0", "\xD0\x9D\xD0\xBE\xD0\xB2\xD0\xB0\xD1\x8F")),
         u"\u041D\u043E\u0432\u0430\u044F"},
        {"error page", "<html><head><title>404 Not Found</title></head><body>Not Found</body></html>",
         u"no data"},
        {"empty renovation", Document(""), u"no data"},
        {"renovation without items", Document("<other>GLIMRA_VX</other>"), u"no data"},
        {"only the first renovation counts",
         Document(Item("OTHER_TOOL", "9.9", "x")) + Document(Item("GLIMRA_VX", "2.0", "late")), u"no data"},
        {"an empty item ends the search", Document("<item></item>" + Item("GLIMRA_VX", "2.0", "after")),
         u"no data"},
        {"element names are case-sensitive", Document("<ITEM><title>GLIMRA_VX</title></ITEM>"), u"no data"},
    };
    for (const ScanCase& c : cases) {
        EXPECT_EQ(ScanUpdateDocument(c.body, kTag, kVersion), c.outcome) << c.name;
    }
}

TEST(UpdateDocument, UnclosedElementsNeverYieldPartOfTheDocument) {
    // A missing closing tag means a broken document; nothing of it reaches the user.
    EXPECT_EQ(ScanUpdateDocument("<renovation>" + Item("GLIMRA_VX", "2.0", "new"), kTag, kVersion),
              u"no data");
    EXPECT_EQ(
        ScanUpdateDocument(Document("<item><title>GLIMRA_VX</title><version>2.0</version>"), kTag, kVersion),
        u"no data");
    EXPECT_EQ(ScanUpdateDocument(
                  Document("<item><title>GLIMRA_VX</title><version>2.0</version><data>cut off here</item>"),
                  kTag, kVersion),
              u"");
    EXPECT_EQ(ScanUpdateDocument(Document("<item><title>GLIMRA_VX</item>"), kTag, kVersion), u"no data");
}

TEST(UpdateDocument, InvalidUtf8BecomesReplacementCharacters) {
    const std::string body = Document(Item("GLIMRA_VX", "2.0",
                                           "a\xFF"
                                           "b\xC3"));
    EXPECT_EQ(ScanUpdateDocument(body, kTag, kVersion), u"a\uFFFDb\uFFFD");
    EXPECT_EQ(ScanUpdateDocument(std::string("\x80\xBF\xC0\xAF\xF8\x88\x80\x80\x80", 9), kTag, kVersion),
              u"no data");
}

TEST(UpdateDocument, ProductTagAndVersionAreComparedInLowerCase) {
    const std::string body = Document(Item("glimra_vx", "1.3.1.3", "new"));
    EXPECT_EQ(ScanUpdateDocument(body, u"Glimra_VX", u"1.3.1.2"), u"new");
    EXPECT_EQ(ScanUpdateDocument(body, u"glimra_vx", u"1.3.1.3"), u"noup");
}

TEST(GetTagText, TakesTheFirstElementAndItsFirstClosingTag) {
    EXPECT_EQ(GetTagText(u"<a>one</a><a>two</a>", u"a"), u"one");
    EXPECT_EQ(GetTagText(u"</a>x<a>inner<a>nested</a>tail</a>", u"a"), u"inner<a>nested");
    EXPECT_EQ(GetTagText(u"<a></a>", u"a"), u"");
    EXPECT_EQ(GetTagText(u"no tags at all", u"a"), u"");
    EXPECT_EQ(GetTagText(u"<A>upper</A>", u"a"), u"");
    EXPECT_EQ(GetTagText(u"<a attr=\"1\">with attribute</a>", u"a"), u"");
    EXPECT_EQ(GetTagText(u"<a>never closed", u"a"), u"");
    EXPECT_EQ(GetTagText(u"", u"a"), u"");
}

TEST(DecodeEntities, HandlesTheThreeEscapesInOrderAndKeepsOthers) {
    const struct {
        std::u16string in;
        std::u16string out;
    } cases[] = {
        {u"Version &lt;2.0&gt; is out&#13;", u"Version <2.0> is out"},
        {u"Fixes &amp; features", u"Fixes &amp; features"},
        {u"&#13;&#13;&#13;", u""},
        {u"&l&#13;t;b&g&#13;t;", u"<b>"}, // the carriage-return escape goes first
        {u"&amp;lt;", u"&amp;lt;"},
        {u"&#10;&quot;&#x3C;", u"&#10;&quot;&#x3C;"},
        {u"&lt;&lt;&gt;&gt;", u"<<>>"},
        {u"", u""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeEntities(c.in), c.out);
    }
}

TEST(IsNewerVersion, ComparesUpToFourNumericParts) {
    const struct {
        const char16_t* candidate;
        const char16_t* current;
        bool newer;
    } cases[] = {
        {u"1.3.1.10", u"1.3.1.2", true},
        {u"1.3.2", u"1.3.1.2", true},
        {u"2", u"1.3.1.2", true},
        {u"1.3.1.2.9", u"1.3.1.2", false},
        {u"1.3.1.2", u"1.3.1.2", false},
        {u"1.3.1.1", u"1.3.1.2", false},
        {u"1.2.99.99", u"1.3.1.2", false},
        {u"", u"1.3.1.2", false},
        {u"", u"", false},
        {u"1.3.1.3", u"", true},
        {u"1.3.1.3beta", u"1.3.1.2", true},
        {u"1.3.x.9", u"1.3.0.8", true},
        {u"v2.0", u"1.3.1.2", false},
        {u"1..1", u"1.0.0", true},
        {u"99999999999999999999999999.0", u"1.3.1.2", true},
        {u"99999999999999999999999999", u"99999999999999999999999998", false}, // both saturate
        {u"1.3.1.2", u"1.3.1.10", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsNewerVersion(c.candidate, c.current), c.newer)
            << std::string(c.candidate, c.candidate + std::char_traits<char16_t>::length(c.candidate));
    }
}

TEST(DecodeUtf8, DecodesValidTextAndReplacesEachBrokenSequence) {
    const struct {
        std::string in;
        std::u16string out;
    } cases[] = {
        {"plain", u"plain"},
        {"\xC3\xA9\xE2\x82\xAC", u"\u00E9\u20AC"},
        {"\xF0\x9F\x98\x80", u"\U0001F600"},
        {"\xEF\xBB\xBFx", u"\uFEFFx"},
        {"\xC0\x80", u"\uFFFD\uFFFD"},                     // overlong NUL
        {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},           // overlong slash
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},           // encoded surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"}, // beyond U+10FFFF
        {"\xE2\x82", u"\uFFFD"},                           // truncated at the end
        {"\xE2\x82x", u"\uFFFDx"},                         // broken by an ASCII byte, which survives
        {"\xBF", u"\uFFFD"},
        {"\xFE\xFF", u"\uFFFD\uFFFD"},
        {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeUtf8(c.in), c.out);
    }
}

struct FakeDownload {
    std::string body;
    uint32_t code = 0;
    std::u16string text;
    std::u16string askedUrl;
    int ignoreFlag = -1;

    UpdateDownloader Downloader() {
        return
            [this](std::u16string_view url, uint32_t& errorCode, std::u16string& errorText, uint8_t ignore) {
                askedUrl = url;
                ignoreFlag = ignore;
                if (code != 0) {
                    errorCode = code;
                }
                errorText = text;
                return body;
            };
    }
};

TEST(CheckForUpdate, DownloadErrorsBecomeTheErrorOutcome) {
    FakeDownload unresolved{"", 12007, u"DownloadUrl\r\nError: InternetOpenUrl:  12007"};
    EXPECT_EQ(CheckForUpdate(u"http://host/doc", kTag, kVersion, unresolved.Downloader()),
              u"Error: DownloadUrl\r\nError: InternetOpenUrl:  12007, The server name could not be resolved");
    EXPECT_EQ(unresolved.askedUrl, u"http://host/doc");
    EXPECT_EQ(unresolved.ignoreFlag, 1);

    // No system code taken: the code keeps its starting value 0.
    FakeDownload emptyBody{"", 0, u"DownloadUrl\r\nError: RetBuffer Len = 0 "};
    EXPECT_EQ(CheckForUpdate(u"u", kTag, kVersion, emptyBody.Downloader()),
              u"Error: DownloadUrl\r\nError: RetBuffer Len = 0 , Unexpected Error Code 0");

    FakeDownload silent{"", 0, u""};
    EXPECT_EQ(CheckForUpdate(u"u", kTag, kVersion, silent.Downloader()), u"Error: , Unexpected Error Code 0");

    // An error text wins even when some body arrived.
    FakeDownload partial{Document(Item("GLIMRA_VX", "2.0", "new")), 0, u"DownloadUrl\r\nError: x"};
    EXPECT_EQ(CheckForUpdate(u"u", kTag, kVersion, partial.Downloader()),
              u"Error: DownloadUrl\r\nError: x, Unexpected Error Code 0");
}

TEST(CheckForUpdate, ABodyIsScannedForThisProduct) {
    FakeDownload newer{"  \r\n" + Document(Item("GLIMRA_VX", "1.3.1.3", "&lt;b&gt;better&lt;/b&gt;&#13;")), 0,
                       u""};
    EXPECT_EQ(CheckForUpdate(u"u", kTag, kVersion, newer.Downloader()), u"<b>better</b>");
    FakeDownload same{Document(Item("GLIMRA_VX", "1.3.1.2", "x")), 0, u""};
    EXPECT_EQ(CheckForUpdate(u"u", kTag, kVersion, same.Downloader()), u"noup");
}

} // namespace
