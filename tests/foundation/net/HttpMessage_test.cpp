// Request text, header lines and answer parsing, without a network.
#include "foundation/containers/StringList.h"
#include "foundation/net/HttpHeaders.h"
#include "foundation/net/HttpRequest.h"
#include "foundation/net/HttpResponse.h"
#include "tests/foundation/net/NetTestText.h"

#include <gtest/gtest.h>

using nettest::text;
using nettest::utf8;

namespace {

bool parse(HttpResponse& response, const std::string& answer)
{
    return response.parse(nettest::raw(answer), nettest::size(answer));
}

std::string linesOf(const HttpHeaders& headers)
{
    return utf8(headers.toText());
}

} // namespace

TEST(HttpRequest, WritesTheRequestBytesInOrder)
{
    HttpRequest post;
    post.setMethod(HttpRequest::kPost);
    post.setHost(text("example.org"));
    post.setPath(text("/service"));
    post.addFormField(text("q"), text("abc"));
    post.addFormField(text("x"), text("1"));
    post.headers().setHeader(text("Host: example.org"));
    post.headers().setHeader(text("Content-Length: 9"));
    post.headers().setHeader(text("Connection: close"));
    EXPECT_EQ(post.formByteLength(), 9);
    EXPECT_EQ(utf8(post.toText()), "POST /service HTTP/1.0\r\n"
                                   "Host: example.org\r\n"
                                   "Content-Length: 9\r\n"
                                   "Connection: close\r\n"
                                   "\r\n"
                                   "q=abc&x=1");

    // A GET carries its form right behind the path, without a '?'.
    HttpRequest get;
    get.addFormField(text("a"), text("b"));
    EXPECT_EQ(utf8(get.methodName()), "GET");
    EXPECT_EQ(utf8(get.toText()), "GET /a=b HTTP/1.0\r\n\r\n");

    // Any method other than GET counts as POST; without fields no body.
    HttpRequest other;
    other.setMethod(7);
    other.setVersion(text("1.1"));
    EXPECT_EQ(utf8(other.toText()), "POST / HTTP/1.1\r\n\r\n");
}

TEST(HttpRequest, PathIsMadeSafeForTheRequestLine)
{
    HttpRequest request;
    request.setPath(text("/find?q=star wars\tIV"));
    EXPECT_EQ(utf8(request.toText()), "GET /find?q=star%20wars%09IV HTTP/1.0\r\n\r\n");
    request.setPath(String());
    EXPECT_EQ(utf8(request.toText()), "GET / HTTP/1.0\r\n\r\n");
    EXPECT_TRUE(request.isSendable());

    // Line breaks or zeros anywhere would let a scraped address add request
    // lines of its own.
    HttpRequest badPath;
    badPath.setPath(text("/a\r\nX-Injected: 1"));
    EXPECT_FALSE(badPath.isSendable());
    HttpRequest badHost;
    badHost.setHost(text("example.org\n"));
    EXPECT_FALSE(badHost.isSendable());
    HttpRequest badHeader;
    badHeader.headers().setHeader(text("Referer: http://a\r\nb/"));
    EXPECT_FALSE(badHeader.isSendable());
    HttpRequest badField;
    String value = text("v");
    value += char16_t(0);
    badField.addFormField(text("n"), value);
    EXPECT_FALSE(badField.isSendable());
}

TEST(HttpRequest, FormLengthCountsUtf8Bytes)
{
    HttpRequest request;
    EXPECT_EQ(request.formByteLength(), 0);
    request.addFormField(text("t"), text("é€"));
    EXPECT_EQ(request.formFieldCount(), 1);
    EXPECT_EQ(request.formByteLength(), 2 + 2 + 3);
}

TEST(HttpHeaders, SetHeaderReplacesOnlyTheSameName)
{
    HttpHeaders headers;
    headers.setHeader(text("Hostname: keep"));
    headers.setHeader(text("Host: first"));
    headers.setHeader(text("  Host: second  "));
    headers.setHeader(text("Accept: */*"));
    headers.setHeader(text("no colon"));
    headers.setHeader(text("no colon"));
    headers.setHeader(text("   "));
    headers.setHeader(text("X-Time"), text("12:30"));
    EXPECT_EQ(linesOf(headers), "Hostname: keep\r\n"
                                "Host: second\r\n"
                                "Accept: */*\r\n"
                                "no colon\r\n"
                                "no colon\r\n"
                                "X-Time:12:30\r\n");
    EXPECT_EQ(headers.count(), 6);

    // Names compare case-sensitively, as the lines were written.
    headers.setHeader(text("host: third"));
    EXPECT_EQ(headers.count(), 7);

    EXPECT_EQ(utf8(headers.value(text("Host:"))), "second");
    EXPECT_EQ(utf8(headers.value(text("X-Time"))), "") << "the value needs \": \"";
    EXPECT_EQ(utf8(headers.value(text("Missing:"))), "");
    EXPECT_TRUE(headers.contains(text("Hostname")));
    EXPECT_FALSE(headers.contains(text("Content-Type:")));
    headers.clear();
    EXPECT_EQ(headers.count(), 0);
    EXPECT_EQ(linesOf(headers), "");
}

TEST(HttpHeaders, SettingManyLinesAtOnceMatchesSettingThemOneByOne)
{
    StringList lines;
    const char* samples[] = {"Host: a", "Hostname: b", " Host: c ", "",        "bare",        "bare",  "X: 1",
                             "X:2",     "Y: y",        "X: 3",      "Host: d", ":empty name", ":again"};
    for (const char* sample : samples)
        lines.append(text(sample));

    HttpHeaders oneByOne;
    HttpHeaders atOnce;
    oneByOne.setHeader(text("Y: before"));
    atOnce.setHeader(text("Y: before"));
    for (const String& line : lines)
        oneByOne.setHeader(line);
    atOnce.setHeaders(lines);
    EXPECT_EQ(linesOf(atOnce), linesOf(oneByOne));
    EXPECT_EQ(linesOf(atOnce),
              "Y: y\r\nHost: d\r\nHostname: b\r\nbare\r\nbare\r\nX: 3\r\n:empty name\r\n:again\r\n");
}

TEST(HttpHeaders, StatusKindReadsTheNumericCode)
{
    struct Case
    {
        const char* line;
        int kind;
    };
    const Case cases[] = {
        {"HTTP/1.0 200 OK", HttpHeaders::kStatusOk},
        {"HTTP/1.1 200 OK", HttpHeaders::kStatusOk},
        {"HTTP/1.0 200 ok", HttpHeaders::kStatusOk},
        {"HTTP/1.0 200", HttpHeaders::kStatusOk},
        {"HTTP/1.0 302 Found", HttpHeaders::kStatusFound},
        {"HTTP/1.0 404 Not Found", HttpHeaders::kStatusNotFound},
        {"HTTP/1.0 404 200 OK", HttpHeaders::kStatusNotFound},
        {"HTTP/1.0 411 Length Required", HttpHeaders::kStatusLengthRequired},
        {"HTTP/1.0 500 Internal error, not 200 OK", HttpHeaders::kStatusOther},
        {"HTTP/1.0 301 Moved Permanently", HttpHeaders::kStatusOther},
        {"HTTP/1.0 2000 OK", HttpHeaders::kStatusOther},
        {"HTTP/1.0 20 OK", HttpHeaders::kStatusOther},
        {"HTTP/1.0", HttpHeaders::kStatusOther},
        {"Server says 200 OK", HttpHeaders::kStatusOther},
        {"http/1.0 200 OK", HttpHeaders::kStatusOther},
    };
    for (const Case& c : cases) {
        HttpHeaders headers;
        headers.appendLine(text(c.line));
        EXPECT_EQ(headers.statusKind(), c.kind) << c.line;
    }
    EXPECT_EQ(HttpHeaders().statusKind(), HttpHeaders::kStatusOther);
}

TEST(HttpResponse, ParsesStatusHeadersAndBody)
{
    HttpResponse response;
    ASSERT_TRUE(parse(response, "HTTP/1.1 200 OK\r\nServer: test\r\nContent-Type: text/html\r\n\r\n"));
    EXPECT_EQ(response.headers().statusKind(), HttpHeaders::kStatusOk);
    EXPECT_EQ(linesOf(response.headers()), "HTTP/1.1 200 OK\r\nServer: test\r\nContent-Type: text/html\r\n");
    EXPECT_TRUE(response.body().isEmpty());

    // A repeated header keeps the later value in the place of the first.
    ASSERT_TRUE(parse(response, "HTTP/1.0 200 OK\r\nSet: 1\r\nOther: x\r\nSet: 2\r\n\r\nbody\r\n\r\nmore"));
    EXPECT_EQ(linesOf(response.headers()), "HTTP/1.0 200 OK\r\nSet: 2\r\nOther: x\r\n");
    EXPECT_EQ(nettest::bytes(response.body()), "body\r\n\r\nmore");

    // Body bytes are kept as they are, zeros included.
    const std::string zeros("HTTP/1.0 200 OK\r\n\r\nab\0\0\0", 24);
    ASSERT_TRUE(parse(response, zeros));
    EXPECT_EQ(nettest::bytes(response.body()), std::string("ab\0\0\0", 5));
    EXPECT_EQ(response.body().trimmedLength(), 2);

    // Header bytes are read in the ANSI code page.
    ASSERT_TRUE(parse(response, "HTTP/1.0 200 OK\r\nX-Name: Caf\xe9\r\n\r\n"));
    EXPECT_EQ(utf8(response.headers().value(text("X-Name:"))), "Café");

    response.clear();
    EXPECT_EQ(response.headers().count(), 0);
    EXPECT_TRUE(response.body().isEmpty());
}

TEST(HttpResponse, RefusesAnswersWithoutHeaderEndAndKeepsWhatItHad)
{
    HttpResponse response;
    ASSERT_TRUE(parse(response, "HTTP/1.0 200 OK\r\nA: 1\r\n\r\nkept"));
    const char* broken[] = {
        "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n",
        "HTTP/1.0 200 OK\nContent-Type: text/html\n\nbody",
        "\r\n\r",
        "",
        "HTTP/1.0 200 OK\r\n\r",
    };
    for (const char* answer : broken) {
        EXPECT_FALSE(parse(response, answer)) << answer;
        EXPECT_EQ(linesOf(response.headers()), "HTTP/1.0 200 OK\r\nA: 1\r\n") << answer;
        EXPECT_EQ(nettest::bytes(response.body()), "kept") << answer;
    }
    EXPECT_FALSE(response.parse(nullptr, 20));

    // Thousands of repeated lines keep one line per name, the last value.
    std::string many = "HTTP/1.0 200 OK\r\n";
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 5000; ++i)
            many += "X-" + std::to_string(i) + ": " + std::to_string(round) + "\r\n";
    }
    ASSERT_TRUE(parse(response, many + "\r\n"));
    EXPECT_EQ(response.headers().count(), 5001);
    EXPECT_EQ(utf8(response.headers().value(text("X-4999:"))), "1");
    EXPECT_EQ(utf8(response.headers().value(text("X-0:"))), "1");

    // An answer that is only the empty line has no status line at all.
    ASSERT_TRUE(parse(response, "\r\n\r\nrest"));
    EXPECT_EQ(response.headers().count(), 0);
    EXPECT_EQ(response.headers().statusKind(), HttpHeaders::kStatusOther);
    EXPECT_EQ(nettest::bytes(response.body()), "rest");
}

TEST(HttpResponse, CharsetComesFromThePageItself)
{
    HttpResponse response;
    struct Case
    {
        const char* body;
        const char* charset;
    };
    const Case cases[] = {
        {"<meta content=\"text/html; charset=UTF-8\">", "utf-8"},
        {"<meta content=\"text/html; charset=ISO-8859-1\" />", "iso-8859-1"},
        {"<meta content=\"text/html; charset=utf-8", ""},
        {"<meta content=\"text/html;charset=utf-8\">", ""},
        {"<meta content=\"TEXT/HTML; charset=utf-8\">", ""},
        {"no declaration", ""},
        {"text/html; charset=\"", ""},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(parse(response, std::string("HTTP/1.0 200 OK\r\n\r\n") + c.body));
        EXPECT_EQ(utf8(response.charset()), c.charset) << c.body;
    }
    ASSERT_TRUE(parse(response, "HTTP/1.0 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n\r\n"));
    EXPECT_EQ(utf8(response.charset()), "") << "a declaration in the header alone does not count";
}
