// Whole exchanges against the scripted loopback server: what reaches the
// wire, how each kind of answer comes back, and how failures are reported.
#include "foundation/net/HttpClient.h"
#include "foundation/net/Network.h"
#include "tests/foundation/net/NetTestText.h"
#include "tests/support/ServerSocket.h"
#include "tests/support/TestHttpServer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

using nettest::text;
using nettest::utf8;
using testsupport::TestHttpServer;

namespace {

const int kLimit = 64 * 1024;

class HttpClientTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Network::instance().startup();
        ASSERT_TRUE(m_server.isListening());
    }

    // A GET of path from the test server, as the callers build it.
    void prepare(HttpClient& client, const std::string& path)
    {
        HttpRequest& request = client.request();
        request.setHost(text(m_server.hostAndPort()));
        request.setPath(text(path));
        request.headers().setHeader(text("Host: " + m_server.hostAndPort()));
        request.headers().setHeader(text("Connection: close"));
        client.response().setReceiveTimeout(10);
        client.response().setResultBufferSize(kLimit);
        client.setDeadline(10000);
    }

    // Performs one GET of "/" answered by answer.
    bool fetch(HttpClient& client, const std::string& answer)
    {
        m_server.enqueue(testsupport::answerWith(answer));
        prepare(client, "/");
        return client.perform();
    }

    TestHttpServer m_server;
};

} // namespace

TEST(HttpClientErrors, EveryCodeHasItsText)
{
    const char* expected[] = {
        "No error.",
        "Result buffer size incorrect.",
        "Result processing failed.",
        "Socket init failed.",
        "Socket create failed.",
        "Socket detect host failed.",
        "Socket connect failed.",
        "Socket already open.",
        "Socket not init.",
        "Socket not open.",
        "Socket read params is incorrect.",
        "Socket read timeout elapsed.",
        "Socket read failed.",
        "Socket read buffer is full.",
        "Socket write params is incorrect.",
        "Socket write failed.",
        "Socket write timeout elapsed.",
        "Unknown error.",
        "Socket deadline elapsed.",
        "Socket aborted.",
        "Request is incorrect.",
    };
    for (int code = 0; code <= 20; ++code)
        EXPECT_EQ(utf8(HttpClient::errorText(code)), expected[code]) << "code " << code;
    EXPECT_EQ(utf8(HttpClient::errorText(21)), "Unknown error.");
    EXPECT_EQ(utf8(HttpClient::errorText(-5)), "Unknown error.");
}

TEST_F(HttpClientTest, SendsExactlyTheCallersRequest)
{
    m_server.enqueue(testsupport::answerWith("HTTP/1.0 200 OK\r\n\r\nthanks"));
    HttpClient client;
    prepare(client, "/service-feedback");
    HttpRequest& request = client.request();
    request.setMethod(HttpRequest::kPost);
    request.addFormField(text("text"), text("hello%20there"));
    request.addFormField(text("mail"), text("a%40b"));
    client.setUserAgent(text("Agent/1"));
    ASSERT_TRUE(client.perform()) << client.errorCode();
    EXPECT_EQ(utf8(client.userAgent()), "Agent/1");
    EXPECT_EQ(m_server.lastRequest(), "POST /service-feedback HTTP/1.0\r\n"
                                      "Host: " +
                                          m_server.hostAndPort() +
                                          "\r\n"
                                          "Connection: close\r\n"
                                          "User-Agent: Agent/1\r\n"
                                          "\r\n"
                                          "text=hello%20there&mail=a%40b");
    EXPECT_EQ(nettest::bytes(client.response().body()), "thanks");
    EXPECT_FALSE(client.hasError());
}

TEST_F(HttpClientTest, ReportsEachKindOfStatus)
{
    struct Case
    {
        const char* answer;
        int kind;
        const char* body;
    };
    const Case cases[] = {
        {"HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\nplain", HttpHeaders::kStatusOk, "plain"},
        {"HTTP/1.0 200 OK\r\n\r\nno type", HttpHeaders::kStatusOk, "no type"},
        {"HTTP/1.1 200 OK\r\nServer: x\r\n\r\n", HttpHeaders::kStatusOk, ""},
        {"HTTP/1.0 200 fine\r\n\r\nlower", HttpHeaders::kStatusOk, "lower"},
        {"HTTP/1.0 404 Not Found\r\n\r\nmissing", HttpHeaders::kStatusNotFound, "missing"},
        {"HTTP/1.0 302 Found\r\nLocation: http://elsewhere/page\r\n\r\n", HttpHeaders::kStatusFound, ""},
        {"HTTP/1.0 411 Length Required\r\n\r\n", HttpHeaders::kStatusLengthRequired, ""},
        {"garbage \x01\x02\xff\r\n\r\n", HttpHeaders::kStatusOther, ""},
    };
    for (const Case& c : cases) {
        HttpClient client;
        ASSERT_TRUE(fetch(client, c.answer)) << c.answer << " code " << client.errorCode();
        EXPECT_EQ(client.response().headers().statusKind(), c.kind) << c.answer;
        EXPECT_EQ(nettest::bytes(client.response().body()), c.body) << c.answer;
    }
    HttpClient redirected;
    ASSERT_TRUE(fetch(redirected, "HTTP/1.0 302 Found\r\nLocation: http://elsewhere/page\r\n\r\n"));
    EXPECT_EQ(utf8(redirected.response().headers().value(text("Location"))), "http://elsewhere/page");
}

TEST_F(HttpClientTest, ReadsAnswersThatArriveSlowlyOrAreLarge)
{
    const std::string body(20000, 'b');
    const std::string answer = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n" + body;
    m_server.enqueue(testsupport::dribbled(answer, 1500, 5));
    HttpClient slow;
    prepare(slow, "/");
    ASSERT_TRUE(slow.perform()) << slow.errorCode();
    EXPECT_EQ(nettest::bytes(slow.response().body()), body);

    // Headers of almost the whole limit are still read.
    std::string header = "X-Big: " + std::string(kLimit - 100, 'h');
    HttpClient bigHeaders;
    ASSERT_TRUE(fetch(bigHeaders, "HTTP/1.0 200 OK\r\n" + header + "\r\n\r\nend"));
    EXPECT_EQ(utf8(bigHeaders.response().headers().value(text("X-Big:"))).size(), header.size() - 7);
    EXPECT_EQ(nettest::bytes(bigHeaders.response().body()), "end");

    // An answer of exactly the limit fits; one byte more does not.
    std::string exact = "HTTP/1.0 200 OK\r\n\r\n";
    exact += std::string(kLimit - exact.size(), 'e');
    HttpClient fits;
    ASSERT_TRUE(fetch(fits, exact)) << fits.errorCode();
    EXPECT_EQ(fits.response().body().size(), kLimit - 19);
    HttpClient tooBig;
    EXPECT_FALSE(fetch(tooBig, exact + "!"));
    EXPECT_EQ(tooBig.errorCode(), HttpClient::kSocketReadBufferFull);
}

TEST_F(HttpClientTest, AnswersThatCannotBeSplitOrNeverComeFail)
{
    HttpClient noEnd;
    EXPECT_FALSE(fetch(noEnd, "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n<html>"));
    EXPECT_EQ(noEnd.errorCode(), HttpClient::kResultProcessingFailed);

    HttpClient silent;
    m_server.enqueue(testsupport::closedWithoutAnswer());
    prepare(silent, "/");
    EXPECT_FALSE(silent.perform());
    EXPECT_EQ(silent.errorCode(), HttpClient::kUnknownError);

    HttpClient stalled;
    m_server.enqueue(testsupport::stalled(5000));
    prepare(stalled, "/");
    stalled.setDeadline(300);
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(stalled.perform());
    auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(stalled.errorCode(), HttpClient::kSocketDeadlineElapsed);
    EXPECT_NE(stalled.systemError(), 0);
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count(), 3000);
}

TEST_F(HttpClientTest, RefusesRequestsItCannotSendOrDeliver)
{
    HttpClient noBuffer;
    prepare(noBuffer, "/");
    noBuffer.response().setResultBufferSize(0);
    EXPECT_FALSE(noBuffer.perform());
    EXPECT_EQ(noBuffer.errorCode(), HttpClient::kResultBufferSizeIncorrect);

    HttpClient injected;
    prepare(injected, "/page\r\nX-Evil: 1");
    EXPECT_FALSE(injected.perform());
    EXPECT_EQ(injected.errorCode(), HttpClient::kRequestIncorrect);

    const char* hosts[] = {
        "https:", "127.0.0.1:", "127.0.0.1:0", "127.0.0.1:65536", "127.0.0.1:8o", "no-such-host.invalid", ""};
    for (const char* host : hosts) {
        HttpClient client;
        prepare(client, "/");
        client.request().setHost(text(host));
        EXPECT_FALSE(client.perform()) << host;
        EXPECT_EQ(client.errorCode(), HttpClient::kSocketDetectHostFailed) << host;
    }

    HttpClient refused;
    prepare(refused, "/");
    refused.request().setHost(text("127.0.0.1:" + std::to_string(testsupport::ServerSocket::unusedPort())));
    EXPECT_FALSE(refused.perform());
    EXPECT_EQ(refused.errorCode(), HttpClient::kSocketConnectFailed);
    EXPECT_NE(refused.systemError(), 0);

    // The port may also come from the request itself.
    HttpClient byPort;
    m_server.enqueue(testsupport::answerWith("HTTP/1.0 200 OK\r\n\r\nport"));
    prepare(byPort, "/");
    byPort.request().setHost(text("127.0.0.1"));
    byPort.request().setPort(m_server.port());
    ASSERT_TRUE(byPort.perform()) << byPort.errorCode();
    EXPECT_EQ(nettest::bytes(byPort.response().body()), "port");
    EXPECT_TRUE(m_server.waitForServed(1, 5000));
    EXPECT_EQ(m_server.requests().size(), 1u) << "no refused request reached the server";
}

TEST_F(HttpClientTest, ReadsIntoACallersBuffer)
{
    std::vector<uint8_t> buffer(128, 0xAA);
    HttpClient client;
    m_server.enqueue(testsupport::answerWith("HTTP/1.0 200 OK\r\n\r\nmine"));
    prepare(client, "/");
    client.response().setResultBuffer(buffer.data());
    client.response().setResultBufferSize(static_cast<int>(buffer.size()));
    ASSERT_TRUE(client.perform()) << client.errorCode();
    EXPECT_EQ(nettest::bytes(client.response().body()), "mine");
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + 23), "HTTP/1.0 200 OK\r\n\r\nmine");
}
