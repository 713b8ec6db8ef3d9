// Request text, header lines and answer parsing, without a network.
#include "foundation/containers/StringList.h"
#include "foundation/net/HttpHeaders.h"
#include "foundation/net/HttpRequest.h"
#include "foundation/net/HttpResponse.h"
#include "tests/support/TestText.h"

#include <gtest/gtest.h>

using testsupport::bytesOf;
using testsupport::text;
using testsupport::utf8;

namespace {

bool parse(HttpResponse& response, const std::string& answer)
{
    return response.parse(testsupport::raw(answer), int(answer.size()));
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
    post.addFormField(text("x"), text("é€"));
    post.headers().setHeader(text("Host: example.org"));
    post.headers().setHeader(text("Connection: close"));
    EXPECT_EQ(post.formByteLength(), 13) << "UTF-8 bytes are counted";
    EXPECT_EQ(utf8(post.toText()), "POST /service HTTP/1.0\r\nHost: example.org\r\nConnection: close\r\n\r\n"
                                   "q=abc&x=é€");

    // A GET carries its form right behind the path, without a '?'; spaces and
    // controls in the path are escaped; an empty path is "/".
    HttpRequest get;
    get.setPath(text("/find?q=star wars\tIV&"));
    get.addFormField(text("a"), text("b"));
    EXPECT_EQ(utf8(get.toText()), "GET /find?q=star%20wars%09IV&a=b HTTP/1.0\r\n\r\n");
    HttpRequest other;
    other.setMethod(7);
    other.setVersion(text("1.1"));
    EXPECT_EQ(utf8(other.toText()), "POST / HTTP/1.1\r\n\r\n") << "any other method counts as POST";
    EXPECT_TRUE(other.isSendable());
}

TEST(HttpRequest, LineBreaksOrZerosAnywhereMakeItUnsendable)
{
    // They would let a scraped address add request lines of its own.
    String zero = text("v");
    zero += char16_t(0);
    HttpRequest path, host, header, field;
    path.setPath(text("/a\r\nX-Injected: 1"));
    host.setHost(text("example.org\n"));
    header.headers().setHeader(text("Referer: http://a\r\nb/"));
    field.addFormField(text("n"), zero);
    for (const HttpRequest* request : {&path, &host, &header, &field})
        EXPECT_FALSE(request->isSendable()) << utf8(request->toText());
}

TEST(HttpHeaders, SetHeaderReplacesOnlyTheWholeSameName)
{
    HttpHeaders headers;
    for (const char* line : {"Hostname: keep", "Host: first", "  Host: second  ", "Accept: */*", "no colon",
                             "no colon", "   ", "host: lower"})
        headers.setHeader(text(line));
    headers.setHeader(text("X-Time"), text("12:30"));
    EXPECT_EQ(linesOf(headers), "Hostname: keep\r\nHost: second\r\nAccept: */*\r\nno colon\r\nno "
                                "colon\r\nhost: lower\r\nX-Time:12:30\r\n");
    EXPECT_EQ(utf8(headers.value(text("Host:"))), "second");
    EXPECT_EQ(utf8(headers.value(text("X-Time"))), "") << "the value needs \": \"";

    // Setting many lines at once gives what setting them one by one gives.
    StringList lines;
    for (const char* line : {"Host: a", "Hostname: b", " Host: c ", "", "bare", "bare", "X: 1", "X:2", "Y: y",
                             "X: 3", "Host: d", ":empty name", ":again"})
        lines.append(text(line));
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
    const std::pair<const char*, int> cases[] = {
        {"HTTP/1.1 200 OK", HttpHeaders::kStatusOk},
        {"HTTP/1.0 302 Found", HttpHeaders::kStatusFound},
        {"HTTP/1.0 404 200 OK", HttpHeaders::kStatusNotFound},
        {"HTTP/1.0 411 Length Required", HttpHeaders::kStatusLengthRequired},
        {"HTTP/1.0 500 Internal error, not 200 OK", HttpHeaders::kStatusOther},
        {"HTTP/1.0 2000 OK", HttpHeaders::kStatusOther},
        {"HTTP/1.0", HttpHeaders::kStatusOther},
        {"Server says 200 OK", HttpHeaders::kStatusOther},
        {"http/1.0 200 OK", HttpHeaders::kStatusOther},
    };
    for (const auto& c : cases) {
        HttpHeaders headers;
        headers.appendLine(text(c.first));
        EXPECT_EQ(headers.statusKind(), c.second) << c.first;
    }
}

TEST(HttpResponse, ParsesStatusHeadersAndBody)
{
    HttpResponse response;
    // A repeated header keeps the later value in the place of the first.
    ASSERT_TRUE(parse(response, "HTTP/1.0 200 OK\r\nSet: 1\r\nOther: x\r\nSet: 2\r\n\r\nbody\r\n\r\nmore"));
    EXPECT_EQ(linesOf(response.headers()), "HTTP/1.0 200 OK\r\nSet: 2\r\nOther: x\r\n");
    EXPECT_EQ(bytesOf(response.body()), "body\r\n\r\nmore");

    // Body bytes are kept as they are, zeros included; header bytes are read
    // in the ANSI code page.
    ASSERT_TRUE(parse(response, std::string("HTTP/1.0 200 OK\r\nX-Name: Caf\xe9\r\n\r\nab\0\0\0", 38)));
    EXPECT_EQ(bytesOf(response.body()), std::string("ab\0\0\0", 5));
    EXPECT_EQ(response.body().trimmedLength(), 2);
    EXPECT_EQ(utf8(response.headers().value(text("X-Name:"))), "Café");

    // An answer that is only the empty line has no status line at all.
    ASSERT_TRUE(parse(response, "\r\n\r\nrest"));
    EXPECT_EQ(response.headers().count(), 0);
    EXPECT_EQ(bytesOf(response.body()), "rest");
}

TEST(HttpResponse, RefusesAnswersWithoutHeaderEndAndKeepsWhatItHad)
{
    HttpResponse response;
    ASSERT_TRUE(parse(response, "HTTP/1.0 200 OK\r\nA: 1\r\n\r\nkept"));
    for (const char* answer :
         {"HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n",
          "HTTP/1.0 200 OK\nContent-Type: text/html\n\nbody", "\r\n\r", "", "HTTP/1.0 200 OK\r\n\r"}) {
        EXPECT_FALSE(parse(response, answer)) << answer;
        EXPECT_EQ(linesOf(response.headers()), "HTTP/1.0 200 OK\r\nA: 1\r\n") << answer;
        EXPECT_EQ(bytesOf(response.body()), "kept") << answer;
    }
    EXPECT_FALSE(response.parse(nullptr, 20));

    // Thousands of repeated lines keep one line per name, the last value (and
    // parse in linear time: this froze the GUI thread once).
    std::string many = "HTTP/1.0 200 OK\r\n";
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 5000; ++i)
            many += "X-" + std::to_string(i) + ": " + std::to_string(round) + "\r\n";
    }
    ASSERT_TRUE(parse(response, many + "\r\n"));
    EXPECT_EQ(response.headers().count(), 5001);
    EXPECT_EQ(utf8(response.headers().value(text("X-0:"))), "1");
}

TEST(HttpResponse, CharsetComesFromThePageItself)
{
    const std::pair<const char*, const char*> cases[] = {
        {"<meta content=\"text/html; charset=UTF-8\">", "utf-8"},
        {"<meta content=\"text/html; charset=utf-8", ""},
        {"<meta content=\"text/html;charset=utf-8\">", ""},
        {"<meta content=\"TEXT/HTML; charset=utf-8\">", ""},
        {"text/html; charset=\"", ""},
    };
    HttpResponse response;
    for (const auto& c : cases) {
        ASSERT_TRUE(parse(response, std::string("HTTP/1.0 200 OK\r\n\r\n") + c.first));
        EXPECT_EQ(utf8(response.charset()), c.second) << c.first;
    }
    ASSERT_TRUE(parse(response, "HTTP/1.0 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n\r\n"));
    EXPECT_EQ(utf8(response.charset()), "") << "a declaration in the header alone does not count";
}
