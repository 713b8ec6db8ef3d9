// Address splitting, form encoding and entity decoding.
#include "foundation/net/HtmlEntities.h"
#include "foundation/net/Url.h"
#include "tests/support/TestText.h"

#include <gtest/gtest.h>

#include <string>

using testsupport::text;
using testsupport::utf8;

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
        {"example.com/x/y", "example.com", "/x/y"},
        {"http:///root", "", ""},
        {"", "", ""},
        // Schemes we do not speak give nothing rather than a host "https:".
        {"https://example.com/secure", "", ""},
        {"svn+ssh://example.com/repo", "", ""},
        // Text that only contains "://" later is not a scheme.
        {"example.com/redirect?to=http://other/", "example.com", "/redirect?to=http://other/"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(utf8(urlHost(text(c.url))), c.host) << c.url;
        EXPECT_EQ(utf8(urlPath(text(c.url))), c.path) << c.url;
    }
}

TEST(Url, EncodeEscapesExactlyTheReservedBytesAndDecodeReversesIt)
{
    const std::pair<const char*, const char*> encoded[] = {
        {"", ""},
        {"a b+é", "a%20b%2B%C3%A9"},
        {"<>\"#%{}|\\^~[]+?&@=:,", "%3C%3E%22%23%25%7B%7D%7C%5C%5E%7E%5B%5D%2B%3F%26%40%3D%3A%2C"},
        {"AZaz09-_.!*'();/$\x7f", "AZaz09-_.!*'();/$\x7f"},
        {"\t\r\n€", "%09%0D%0A%E2%82%AC"},
        {"€ and 𝄞", "%E2%82%AC%20and%20%F0%9D%84%9E"},
    };
    for (const auto& row : encoded) {
        EXPECT_EQ(utf8(urlEncode(text(row.first))), row.second) << row.first;
        EXPECT_EQ(utf8(urlDecode(text(row.second))), row.first) << row.second;
    }
    // '+' is a space; one digit and another character, or a digit behind a
    // sign or a blank, give that digit's value; a broken escape ends the text.
    const std::pair<const char*, const char*> decoded[] = {
        {"a+b%21", "a b!"}, {"%41%4a%4A", "AJJ"}, {"x%9gy", "x\ty"},   {"ok%4", "ok"},
        {"ok%", "ok"},      {"ok%zzrest", "ok"},  {"ok%00rest", "ok"}, {"ok%-1rest", "ok"},
        {"x%+9y", "x\ty"},  {"x% 9y", "x\ty"},    {"x%\t9y", "x\ty"},
    };
    for (const auto& row : decoded)
        EXPECT_EQ(utf8(urlDecode(text(row.first))), row.second) << row.first;
}

TEST(HtmlEntities, NumericAndNamedFormsBecomeCharacters)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Caf&eacute; &#233;t&eacute; &nbsp;&#160;", "Café été \u00a0\u00a0"},
        {"&lt;b&gt; &quot;x&quot; &apos;y&#39; &amp; &#38;", "<b> \"x\" 'y' & &"},
        {"&times;&#215;&divide;&#247;&yuml;&#255;&Agrave;&szlig;", "××÷÷ÿÿÀß"},
        // "&amp;" is replaced last, so an escaped reference is decoded once.
        {"&amp;lt; &amp;eacute;", "&lt; &eacute;"},
        // Names are case-sensitive; unknown references stay.
        {"&Eacute;&EACUTE; &euro; &#8364; &nbsp", "É&EACUTE; &euro; &#8364; &nbsp"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(utf8(decodeHtmlEntities(text(c.first))), c.second) << c.first;
}

// The forms the system's browser control gives a link to a local file or
// folder, and text that must not pass for one.
TEST(Url, FileAddressesGiveTheLocalPathTheyName)
{
    const std::pair<const char*, const char*> rows[] = {
        {"file:///C:/Movies/Heat.avi", "C:\\Movies\\Heat.avi"},
        {"FILE:///c:/Movies/", "c:\\Movies\\"},
        {"file:///C:/My%20Movies/Caf%C3%A9%20%231.avi", "C:\\My Movies\\Café #1.avi"},
        {"file:///C:/Movies/Amélie 100%.avi", "C:\\Movies\\Amélie 100%.avi"},
        {"file:///C:/a%2", "C:\\a%2"},
        {"file:///C|/Movies/Heat.avi", "C:\\Movies\\Heat.avi"},
        {"file://localhost/C:/Movies/Heat.avi", "C:\\Movies\\Heat.avi"},
        {"file://C:/Movies/Heat.avi", "C:\\Movies\\Heat.avi"},
        {"file:C:\\Movies\\Heat.avi", "C:\\Movies\\Heat.avi"},
        {"file://server/share/Heat%20II.avi", "\\\\server\\share\\Heat II.avi"},
        {"file:///tmp/films/Kept%20Cut.avi", "\\tmp\\films\\Kept Cut.avi"},
        // No path, another scheme, or escapes that are no text.
        {"file://", ""},
        {"file:", ""},
        {"http://example.org/Heat.avi", ""},
        {"C:\\Movies\\Heat.avi", ""},
        {" file:///C:/Heat.avi", ""},
        {"file:///C:/Heat%00.avi", ""},
        {"file:///C:/Heat%C3.avi", ""},
        {"file:///C:/Heat%FF%FE.avi", ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(utf8(fileUrlPath(text(row.first))), row.second) << row.first;
}

// The shell puts an address inside the quotes of the browser's command line:
// a blank, a quote or an angle bracket must never reach it as such, and an
// address with a control character is refused whole.
TEST(Url, AShellWebAddressCannotSplitTheBrowsersCommandLine)
{
    const std::pair<String, const char*> rows[] = {
        {text("http://example.org/film?id=7&x=%41#top"), "http://example.org/film?id=7&x=%41#top"},
        {text("http://example.org/Star Wars"), "http://example.org/Star%20Wars"},
        {text("http://example.org/\" --kiosk \"file:///C:/x.exe"),
         "http://example.org/%22%20--kiosk%20%22file:///C:/x.exe"},
        {text("http://example.org/<b>"), "http://example.org/%3Cb%3E"},
        {text("https://example.org/Amélie"), "https://example.org/Amélie"},
        {text(""), ""},
        {text("http://example.org/a\tb"), ""},
        {text("http://example.org/a\nb"), ""},
        {text("http://example.org/a\rb"), ""},
        {text("http://example.org/a\x7f"), ""},
        {String(u"http://example.org/a\u0085b"), ""},
        {String(u"http://example.org/a\u009fb"), ""},
        {String(u"http://example.org/\0b", 21), ""},
        // The first character past the C1 controls is text like any other.
        {String(u"http://example.org/a\u00a0b"), "http://example.org/a\u00a0b"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(utf8(shellWebAddress(row.first)), row.second) << utf8(row.first);
}
