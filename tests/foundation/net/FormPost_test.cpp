// The form-post worker's exchange, run on the test's own thread.
#include "foundation/net/FormPost.h"
#include "foundation/net/Network.h"
#include "foundation/net/Url.h"
#include "tests/foundation/net/NetTestText.h"
#include "tests/support/ServerSocket.h"
#include "tests/support/TestHttpServer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

using nettest::text;
using nettest::utf8;
using testsupport::TestHttpServer;

namespace {

class FormPostTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Network::instance().startup();
        ASSERT_TRUE(m_server.isListening());
        m_post.setTarget(text("Reelstack/1.2.0"), text(m_server.hostAndPort()), text("/service-informer"));
        m_post.setDeadline(10000);
    }

    // Sends the form to a server answering answer; records what the
    // handler saw.
    int sendAnswered(const std::string& answer, bool accept)
    {
        m_server.enqueue(testsupport::answerWith(answer));
        return send(accept);
    }

    int send(bool accept)
    {
        m_handled = 0;
        m_seen.clear();
        return m_post.send(
            [this, accept](const String& text) {
                ++m_handled;
                m_seen = utf8(text);
                return accept;
            },
            nullptr);
    }

    TestHttpServer m_server;
    FormPost m_post;
    int m_handled = 0;
    std::string m_seen;
};

} // namespace

TEST_F(FormPostTest, PostsTheFormWithItsHeadersInOrder)
{
    m_post.addFormField(text("q"), urlEncode(text("PD94+bWw/IA==")));
    m_post.addFormField(text("lang"), text("en"));
    ASSERT_EQ(sendAnswered("HTTP/1.0 200 OK\r\n\r\n<?xml version=\"1.0\"?><answer/>", true),
              FormPost::kAccepted);
    EXPECT_EQ(m_seen, "<?xml version=\"1.0\"?><answer/>");
    EXPECT_EQ(m_server.lastRequest(), "POST /service-informer HTTP/1.0\r\n"
                                      "User-Agent: Reelstack/1.2.0\r\n"
                                      "Host: " +
                                          m_server.hostAndPort() +
                                          "\r\n"
                                          "Content-Type: application/x-www-form-urlencoded\r\n"
                                          "Content-Length: 29\r\n"
                                          "Connection: close\r\n"
                                          "\r\n"
                                          "q=PD94%2BbWw/IA%3D%3D&lang=en");
}

TEST_F(FormPostTest, ResultTellsFailureRefusalAndAcceptance)
{
    EXPECT_EQ(sendAnswered("HTTP/1.0 404 Not Found\r\n\r\n<answer/>", true), FormPost::kRefused);
    EXPECT_EQ(m_handled, 0);

    EXPECT_EQ(sendAnswered("HTTP/1.0 200 OK\r\n\r\n", true), FormPost::kRefused);
    EXPECT_EQ(m_handled, 0) << "an empty body is refused without asking";
    EXPECT_EQ(sendAnswered(std::string("HTTP/1.0 200 OK\r\n\r\n\0\0\0", 22), true), FormPost::kRefused);
    EXPECT_EQ(m_handled, 0) << "zero bytes only count as empty";

    EXPECT_EQ(sendAnswered(std::string("HTTP/1.0 200 OK\r\n\r\nv\xc3\xa9rsion\0\0", 29), true),
              FormPost::kAccepted);
    EXPECT_EQ(m_seen, "vérsion") << "trailing zero bytes are not decoded";

    EXPECT_EQ(sendAnswered("HTTP/1.0 200 OK\r\n\r\nnot what I want", false), FormPost::kRefused);
    EXPECT_EQ(m_handled, 1);

    EXPECT_EQ(sendAnswered("HTTP/1.0 200 OK\r\nno end", true), FormPost::kFailed);
    EXPECT_EQ(m_handled, 0);

    m_post.setTarget(text("Reelstack/1.2.0"),
                     text("127.0.0.1:" + std::to_string(testsupport::ServerSocket::unusedPort())),
                     text("/x"));
    EXPECT_EQ(send(true), FormPost::kFailed);
}

TEST_F(FormPostTest, TargetNeedsAgentHostAndPath)
{
    EXPECT_TRUE(m_post.hasTarget());
    FormPost post;
    EXPECT_FALSE(post.hasTarget());
    post.setTarget(text("agent"), text("host"), String());
    EXPECT_FALSE(post.hasTarget());
    post.setTarget(String(), text("host"), text("/p"));
    EXPECT_FALSE(post.hasTarget());
    post.setTarget(text("agent"), String(), text("/p"));
    EXPECT_FALSE(post.hasTarget());
}

TEST_F(FormPostTest, RaisedAbortFlagEndsAStalledExchange)
{
    std::atomic<bool> abort{false};
    m_server.enqueue(testsupport::stalled(5000));
    std::thread raiser([&abort] {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        abort = true;
    });
    auto start = std::chrono::steady_clock::now();
    int result = m_post.send([](const String&) { return true; }, &abort);
    raiser.join();
    EXPECT_EQ(result, FormPost::kFailed);
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
                  .count(),
              3000);
}
