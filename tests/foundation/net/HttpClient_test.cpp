// Whole exchanges against the scripted loopback server: what reaches the
// wire, how each kind of answer comes back, and how failures are reported.
#include "foundation/net/HttpClient.h"
#include "tests/foundation/net/LoopbackTest.h"

#include <vector>

using testsupport::bytesOf;
using testsupport::text;
using testsupport::utf8;

namespace {

const int kLimit = 64 * 1024;

class HttpClientTest : public LoopbackTest
{
protected:
    // A GET of path from the test server, as the callers build it.
    void prepare(HttpClient& client, const std::string& path)
    {
        HttpRequest& request = client.request();
        request.setHost(serverHost());
        request.setPath(text(path));
        request.headers().setHeader(text("Host: " + m_server.hostAndPort()));
        request.headers().setHeader(text("Connection: close"));
        client.response().setReceiveTimeout(10);
        client.response().setResultBufferSize(kLimit);
        client.setDeadline(10000);
    }

    // Performs one GET of "/" answered by the given script.
    bool fetch(HttpClient& client, const testsupport::HttpScript& script)
    {
        m_server.enqueue(script);
        prepare(client, "/");
        return client.perform();
    }
    bool fetch(HttpClient& client, const std::string& bytes)
    {
        return fetch(client, testsupport::answerWith(bytes));
    }
};

} // namespace

TEST_F(HttpClientTest, SendsExactlyTheCallersRequestIntoTheCallersBuffer)
{
    answer("HTTP/1.0 200 OK\r\n\r\nthanks");
    HttpClient client;
    prepare(client, "/service-feedback");
    std::vector<uint8_t> buffer(128, 0xAA);
    client.response().setResultBuffer(buffer.data());
    client.response().setResultBufferSize(int(buffer.size()));
    HttpRequest& request = client.request();
    request.setMethod(HttpRequest::kPost);
    request.addFormField(text("text"), text("hello%20there"));
    request.addFormField(text("mail"), text("a%40b"));
    client.setUserAgent(text("Agent/1"));
    ASSERT_TRUE(client.perform()) << client.errorCode();
    EXPECT_EQ(m_server.lastRequest(), "POST /service-feedback HTTP/1.0\r\nHost: " + m_server.hostAndPort() +
                                          "\r\nConnection: close\r\nUser-Agent: Agent/1\r\n\r\n"
                                          "text=hello%20there&mail=a%40b");
    EXPECT_EQ(bytesOf(client.response().body()), "thanks");
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + 25), "HTTP/1.0 200 OK\r\n\r\nthanks");
    EXPECT_FALSE(client.hasError());
}

TEST_F(HttpClientTest, ReadsAnswersWholeSlowOrLarge)
{
    const std::string big = "X-Big: " + std::string(kLimit - 100, 'h');
    std::string exact = "HTTP/1.0 200 OK\r\n\r\n";
    exact += std::string(kLimit - exact.size(), 'e');
    const std::string slowBody(20000, 'b');
    // Headers of almost the whole limit; an answer of exactly the limit.
    const std::pair<testsupport::HttpScript, std::string> cases[] = {
        {testsupport::answerWith("HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\nplain"), "plain"},
        {testsupport::dribbled("HTTP/1.0 200 OK\r\n\r\n" + slowBody, 1500, 5), slowBody},
        {testsupport::answerWith("HTTP/1.0 200 OK\r\n" + big + "\r\n\r\nend"), "end"},
        {testsupport::answerWith(exact), exact.substr(19)},
    };
    for (const auto& c : cases) {
        HttpClient client;
        ASSERT_TRUE(fetch(client, c.first)) << c.second.substr(0, 20) << " code " << client.errorCode();
        EXPECT_EQ(client.response().headers().statusKind(), HttpHeaders::kStatusOk) << c.second.substr(0, 20);
        EXPECT_EQ(bytesOf(client.response().body()), c.second) << c.second.substr(0, 20);
    }
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
    EXPECT_FALSE(fetch(silent, testsupport::closedWithoutAnswer()));
    EXPECT_EQ(silent.errorCode(), HttpClient::kUnknownError);

    // The deadline decides: the server would hold out a hundred times as
    // long, and each read would wait 10 s before its own time-out.
    HttpClient stalled;
    m_server.enqueue(testsupport::stalled(30000));
    prepare(stalled, "/");
    stalled.setDeadline(300);
    EXPECT_FALSE(stalled.perform());
    EXPECT_EQ(stalled.errorCode(), HttpClient::kSocketDeadlineElapsed);
    EXPECT_NE(stalled.systemError(), 0);
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

    const std::pair<String, int> hosts[] = {
        {text("https:"), HttpClient::kSocketDetectHostFailed},
        {text("127.0.0.1:"), HttpClient::kSocketDetectHostFailed},
        {text("127.0.0.1:0"), HttpClient::kSocketDetectHostFailed},
        {text("127.0.0.1:65536"), HttpClient::kSocketDetectHostFailed},
        {text("127.0.0.1:8o"), HttpClient::kSocketDetectHostFailed},
        {unusedHost(), HttpClient::kSocketConnectFailed},
    };
    for (const auto& host : hosts) {
        HttpClient client;
        prepare(client, "/");
        client.request().setHost(host.first);
        EXPECT_FALSE(client.perform()) << utf8(host.first);
        EXPECT_EQ(client.errorCode(), host.second) << utf8(host.first);
    }

    // The port may also come from the request itself.
    HttpClient byPort;
    answer("HTTP/1.0 200 OK\r\n\r\nport");
    prepare(byPort, "/");
    byPort.request().setHost(text("127.0.0.1"));
    byPort.request().setPort(m_server.port());
    ASSERT_TRUE(byPort.perform()) << byPort.errorCode();
    EXPECT_EQ(bytesOf(byPort.response().body()), "port");
    EXPECT_TRUE(m_server.waitForServed(1, 5000));
    EXPECT_EQ(m_server.requests().size(), 1u) << "no refused request reached the server";
    EXPECT_EQ(utf8(HttpClient::errorText(21)), "Unknown error.");
}
