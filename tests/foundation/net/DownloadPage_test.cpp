// Fetching a resource by its address, as the image store does.
#include "foundation/net/HttpClient.h"
#include "foundation/net/UserAgent.h"
#include "tests/foundation/net/LoopbackTest.h"

using testsupport::text;
using testsupport::utf8;

namespace {

class DownloadPageTest : public LoopbackTest
{
protected:
    std::string download(const std::string& path, String& contentType, int limitMiB = 10)
    {
        return testsupport::bytesOf(
            HttpClient::downloadPage(text(m_server.url(path)), contentType, limitMiB));
    }
};

} // namespace

TEST_F(DownloadPageTest, SendsBrowserHeadersToTheHostAndPortOfTheAddress)
{
    answer("HTTP/1.0 200 OK\r\nContent-Type:  image/jpeg \r\n\r\n\xff\xd8\xff");
    String contentType = text("unset");
    EXPECT_EQ(download("/images/Cover One.jpg", contentType), "\xff\xd8\xff");
    EXPECT_EQ(utf8(contentType), "image/jpeg");
    const std::string host = m_server.hostAndPort();
    EXPECT_EQ(m_server.lastRequest(),
              "GET /images/Cover%20One.jpg HTTP/1.0\r\nUser-Agent: " + utf8(userAgentString(1)) +
                  "\r\nAccept-Language: en-us,en\r\nHost: " + host + "\r\nReferer: http://" + host +
                  "/\r\nConnection: close\r\n\r\n");

    answer("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n<html>");
    EXPECT_EQ(download("", contentType), "<html>");
    EXPECT_EQ(m_server.lastRequest().substr(0, 20), "GET / HTTP/1.0\r\nUser") << "no path asks for the root";
}

TEST_F(DownloadPageTest, OnlyATypedOkAnswerWithABodyWithinTheLimitCounts)
{
    const std::string header = "HTTP/1.0 200 OK\r\nContent-Type: application/octet-stream\r\n\r\n";
    const std::string body(1024 * 1024 - header.size(), 'x');
    answer(header + body);
    String contentType;
    EXPECT_EQ(download("/one", contentType, 1).size(), body.size()) << "an answer of exactly the limit fits";

    const std::string refused[] = {
        header + body + "x",
        "HTTP/1.0 200 OK\r\n\r\nno content type",
        "HTTP/1.0 404 Not Found\r\nContent-Type: text/html\r\n\r\nmissing",
        "HTTP/1.0 302 Found\r\nLocation: /x\r\nContent-Type: text/html\r\n\r\nmoved",
        "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n",
        "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n",
    };
    for (const std::string& bytes : refused) {
        answer(bytes);
        contentType = text("unset");
        EXPECT_EQ(download("/", contentType, 1), "") << bytes.substr(0, 60);
        EXPECT_EQ(utf8(contentType), "unset") << bytes.substr(0, 60);
    }

    // Limits whose byte count would overflow, or that make no sense, and
    // addresses without a host we speak to are refused without a connection.
    for (int limit : {0, -1, 2048, 4096, 0x7FFFFFFF})
        EXPECT_EQ(download("/bad", contentType, limit), "") << limit;
    for (const char* address : {"https://127.0.0.1/secure", "", "   ", "http:///nohost"})
        EXPECT_TRUE(HttpClient::downloadPage(text(address), contentType, 1).isEmpty()) << address;
    EXPECT_TRUE(m_server.waitForServed(7, 5000));
    EXPECT_EQ(m_server.requests().size(), 7u);
}

TEST_F(DownloadPageTest, ABodyShorterThanItsDeclaredLengthIsNoDownload)
{
    const struct
    {
        const char* length; // the Content-Length line
        const char* body;
        const char* expected;
    } rows[] = {
        {"Content-Length: 10", "\xff\xd8\xff", ""}, // the connection was cut after three bytes
        {"content-length:  4 ", "abc", ""},
        {"Content-Length: 99999999999999999999", "abc", ""},
        {"Content-Length: 3", "abc", "abc"},
        {"Content-Length: 2", "abc", "abc"},
        {"Content-Length: x", "abc", "abc"}, // no number declares nothing
        {"X-Other: 10", "abc", "abc"},
    };
    for (const auto& row : rows) {
        answer(std::string("HTTP/1.0 200 OK\r\nContent-Type: image/jpeg\r\n") + row.length + "\r\n\r\n" +
               row.body);
        String contentType;
        EXPECT_EQ(download("/cover.jpg", contentType), row.expected) << row.length;
    }
}
