// Address splitting, form encoding, browser identities and entity decoding.
#include "foundation/net/HtmlEntities.h"
#include "foundation/net/Url.h"
#include "foundation/net/UserAgent.h"
#include "tests/foundation/net/NetTestText.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using nettest::text;
using nettest::utf8;

TEST(Url, HostAndPathOfAnAddress)
{
    struct Case
    {
        const char* url;
        const char* host;
        const char* path;
    };
    const Case cases[] = {
        {"http://www.example.com/title/tt01/", "www.example.com", "/title/tt01/"},
        {"  HTTP://WWW.Example.COM/Find?Q=Star  ", "www.example.com", "/Find?Q=Star"},
        {"http://example.com:8080/a", "example.com:8080", "/a"},
        {"http://example.com", "example.com", ""},
        {"example.com", "example.com", ""},
        {"example.com/x/y", "example.com", "/x/y"},
        {"http://", "", ""},
        {"http:///root", "", ""},
        {"/path/only", "", ""},
        {"", "", ""},
        // Schemes we do not speak give nothing rather than a host "https:".
        {"https://example.com/secure", "", ""},
        {"ftp://example.com/file", "", ""},
        {"svn+ssh://example.com/repo", "", ""},
        // Text that only contains "://" later is not a scheme.
        {"example.com/redirect?to=http://other/", "example.com", "/redirect?to=http://other/"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(utf8(urlHost(text(c.url))), c.host) << c.url;
        EXPECT_EQ(utf8(urlPath(text(c.url))), c.path) << c.url;
    }
}

TEST(Url, EncodeEscapesExactlyTheReservedBytes)
{
    EXPECT_EQ(utf8(urlEncode(String())), "");
    EXPECT_EQ(utf8(urlEncode(text("a b+é"))), "a%20b%2B%C3%A9");
    EXPECT_EQ(utf8(urlEncode(text("<>\"#%{}|\\^~[]+?&@=:,"))),
              "%3C%3E%22%23%25%7B%7D%7C%5C%5E%7E%5B%5D%2B%3F%26%40%3D%3A%2C");
    EXPECT_EQ(utf8(urlEncode(text("AZaz09-_.!*'();/$\x7f"))), "AZaz09-_.!*'();/$\x7f");
    EXPECT_EQ(utf8(urlEncode(text("\t\r\n"))), "%09%0D%0A");
    EXPECT_EQ(utf8(urlEncode(text("€"))), "%E2%82%AC");
    // Base64 text, as the update query sends it.
    EXPECT_EQ(utf8(urlEncode(text("PD94+bWw/IA=="))), "PD94%2BbWw/IA%3D%3D");
}

TEST(Url, DecodeReversesEncodeAndStopsAtBrokenEscapes)
{
    const char* samples[] = {"plain", "a b+c=d&e", "100% sure?", "Café crème", "€ and 𝄞", "<tag attr=\"x\">"};
    for (const char* sample : samples)
        EXPECT_EQ(utf8(urlDecode(urlEncode(text(sample)))), sample) << sample;

    EXPECT_EQ(utf8(urlDecode(String())), "");
    EXPECT_EQ(utf8(urlDecode(text("a+b%21"))), "a b!");
    EXPECT_EQ(utf8(urlDecode(text("%41%4a%4A"))), "AJJ");
    // One digit followed by another character gives that digit's value;
    // all three characters are used up.
    EXPECT_EQ(utf8(urlDecode(text("x%9gy"))), "x\ty");
    EXPECT_EQ(utf8(urlDecode(text("ok%4"))), "ok");
    EXPECT_EQ(utf8(urlDecode(text("ok%"))), "ok");
    EXPECT_EQ(utf8(urlDecode(text("ok%zzrest"))), "ok");
    EXPECT_EQ(utf8(urlDecode(text("ok%00rest"))), "ok");
    EXPECT_EQ(utf8(urlDecode(text("ok%-1rest"))), "ok");
}

TEST(UserAgent, IdentitiesAreFixedAndTheFirefoxChoiceIsKept)
{
    EXPECT_EQ(utf8(userAgentString(0)), "Mozilla/4.0 (compatible; MSIE 7.0; Windows NT 6.0)");
    EXPECT_EQ(utf8(userAgentString(2)), "Opera/10.00 (Windows NT 6.0; U; en) Presto/2.2.0");
    EXPECT_EQ(utf8(userAgentString(3)), "Mozilla/5.0 (Windows; U; Windows NT 6.1; en-US) AppleWebKit/533.16 "
                                        "(KHTML, like Gecko) Version/5.0 Safari/533.16");
    EXPECT_EQ(utf8(userAgentString(4)), "Mozilla/5.0 (Windows; U; Windows NT 5.1; en-US) AppleWebKit/534.6 "
                                        "(KHTML, like Gecko) Chrome/7.0.503.0 Safari/534.6");
    const std::string fallback =
        "Mozilla/5.0 (Windows; U; Windows NT 5.1; en-US; rv:1.9.2.3) Gecko/20100401 Firefox/3.6.3";
    EXPECT_EQ(utf8(userAgentString(5)), fallback);
    EXPECT_EQ(utf8(userAgentString(-1)), fallback);

    const std::set<std::string> firefox = {
        "Mozilla/5.0 (Windows NT 5.1; rv:10.0.2) Gecko/20100101 Firefox/10.0.2",
        "Mozilla/5.0 (Windows NT 6.1; WOW64; rv:12.0) Gecko/20100101 Firefox/12.0",
        "Mozilla/5.0 (Windows NT 6.1; rv:14.0) Gecko/20100101 Firefox/14.0.1",
        "Mozilla/5.0 (Windows NT 6.1; WOW64; rv:15.0) Gecko/20100101 Firefox/15.0.1",
    };
    std::string first = utf8(userAgentString(1));
    EXPECT_EQ(firefox.count(first), 1u) << first;
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(utf8(userAgentString(1)), first);
}

TEST(HtmlEntities, NumericAndNamedFormsBecomeCharacters)
{
    EXPECT_EQ(utf8(decodeHtmlEntities(text("Caf&eacute; &#233;t&eacute; &nbsp;&#160;"))),
              "Café été \u00a0\u00a0");
    EXPECT_EQ(utf8(decodeHtmlEntities(text("&lt;b&gt; &quot;x&quot; &apos;y&#39; &amp; &#38;"))),
              "<b> \"x\" 'y' & &");
    EXPECT_EQ(utf8(decodeHtmlEntities(text("&times;&#215;&divide;&#247;&yuml;&#255;&Agrave;&szlig;"))),
              "××÷÷ÿÿÀß");
    // "&amp;" is replaced last, so an escaped reference is decoded once.
    EXPECT_EQ(utf8(decodeHtmlEntities(text("&amp;lt; &amp;eacute;"))), "&lt; &eacute;");
    // Names are case-sensitive; unknown references stay.
    EXPECT_EQ(utf8(decodeHtmlEntities(text("&Eacute;&EACUTE; &euro; &#8364; &nbsp"))),
              "É&EACUTE; &euro; &#8364; &nbsp");
    EXPECT_EQ(utf8(decodeHtmlEntities(String())), "");
}
