// Fetching a resource by its address, as the image store does.
#include "foundation/net/HttpClient.h"
#include "foundation/net/Network.h"
#include "foundation/net/UserAgent.h"
#include "tests/foundation/net/NetTestText.h"
#include "tests/support/TestHttpServer.h"

#include <gtest/gtest.h>

using nettest::text;
using nettest::utf8;
using testsupport::TestHttpServer;

namespace {

class DownloadPageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Network::instance().startup();
        ASSERT_TRUE(m_server.isListening());
    }

    std::string download(const std::string& path, String& contentType, int limitMiB = 10)
    {
        return nettest::bytes(HttpClient::downloadPage(text(m_server.url(path)), contentType, limitMiB));
    }

    TestHttpServer m_server;
};

} // namespace

TEST_F(DownloadPageTest, SendsBrowserHeadersToTheHostAndPortOfTheAddress)
{
    m_server.enqueue(
        testsupport::answerWith("HTTP/1.0 200 OK\r\nContent-Type:  image/jpeg \r\n\r\n\xff\xd8\xff"));
    String contentType = text("unset");
    EXPECT_EQ(download("/images/Cover One.jpg", contentType), "\xff\xd8\xff");
    EXPECT_EQ(utf8(contentType), "image/jpeg");

    const std::string host = m_server.hostAndPort();
    EXPECT_EQ(m_server.lastRequest(), "GET /images/Cover%20One.jpg HTTP/1.0\r\n"
                                      "User-Agent: " +
                                          utf8(userAgentString(1)) +
                                          "\r\n"
                                          "Accept-Language: en-us,en\r\n"
                                          "Host: " +
                                          host +
                                          "\r\n"
                                          "Referer: http://" +
                                          host +
                                          "/\r\n"
                                          "Connection: close\r\n"
                                          "\r\n");
}

TEST_F(DownloadPageTest, OnlyATypedOkAnswerWithABodyCounts)
{
    const char* refused[] = {
        "HTTP/1.0 200 OK\r\n\r\nno content type",
        "HTTP/1.0 404 Not Found\r\nContent-Type: text/html\r\n\r\nmissing",
        "HTTP/1.0 302 Found\r\nLocation: /x\r\nContent-Type: text/html\r\n\r\nmoved",
        "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n",
        "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n",
    };
    for (const char* answer : refused) {
        m_server.enqueue(testsupport::answerWith(answer));
        String contentType = text("unset");
        EXPECT_EQ(download("/", contentType), "") << answer;
        EXPECT_EQ(utf8(contentType), "unset") << answer;
    }

    m_server.enqueue(testsupport::answerWith("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n<html>"));
    String contentType;
    EXPECT_EQ(download("", contentType), "<html>");
    EXPECT_EQ(m_server.lastRequest().substr(0, 20), "GET / HTTP/1.0\r\nUser") << "no path asks for the root";
}

TEST_F(DownloadPageTest, SizeLimitAndAddressAreChecked)
{
    std::string answer = "HTTP/1.0 200 OK\r\nContent-Type: application/octet-stream\r\n\r\n";
    std::string body(1024 * 1024 - answer.size(), 'x');
    m_server.enqueue(testsupport::answerWith(answer + body));
    String contentType;
    EXPECT_EQ(download("/one", contentType, 1).size(), body.size()) << "an answer of exactly the limit fits";

    m_server.enqueue(testsupport::answerWith(answer + body + "x"));
    EXPECT_EQ(download("/two", contentType, 1), "");

    // Limits whose byte count would overflow, or that make no sense, are
    // refused without a connection.
    const int badLimits[] = {0, -1, 2048, 4096, 0x7FFFFFFF};
    for (int limit : badLimits)
        EXPECT_EQ(download("/bad", contentType, limit), "") << limit;
    const char* badAddresses[] = {"https://127.0.0.1/secure", "", "   ", "http:///nohost"};
    for (const char* address : badAddresses)
        EXPECT_TRUE(HttpClient::downloadPage(text(address), contentType, 1).isEmpty()) << address;

    EXPECT_TRUE(m_server.waitForServed(2, 5000));
    EXPECT_EQ(m_server.requests().size(), 2u);
}
