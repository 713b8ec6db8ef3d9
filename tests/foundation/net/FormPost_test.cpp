// The form-post worker's exchange, run on the test's own thread.
#include "foundation/net/FormPost.h"
#include "foundation/net/Url.h"
#include "tests/foundation/net/LoopbackTest.h"

using testsupport::text;

namespace {

class FormPostTest : public LoopbackTest
{
protected:
    void SetUp() override
    {
        LoopbackTest::SetUp();
        m_post.setTarget(text("Reelstack/1.2.0"), serverHost(), text("/service-informer"));
        m_post.setDeadline(10000);
    }

    // Sends the form to a server answering bytes; records what the handler saw.
    int sendAnswered(const std::string& bytes, bool accept)
    {
        answer(bytes);
        m_handled = 0;
        m_seen.clear();
        return m_post.send(
            [this, accept](const String& text) {
                ++m_handled;
                m_seen = testsupport::utf8(text);
                return accept;
            },
            nullptr);
    }

    FormPost m_post;
    int m_handled = 0;
    std::string m_seen;
};

} // namespace

TEST_F(FormPostTest, PostsTheFormWithItsHeadersInOrder)
{
    m_post.addFormField(text("q"), urlEncode(text("PD94+bWw/IA==")));
    m_post.addFormField(text("lang"), text("en"));
    ASSERT_EQ(sendAnswered("HTTP/1.0 200 OK\r\n\r\n<answer/>", true), FormPost::kAccepted);
    EXPECT_EQ(m_seen, "<answer/>");
    EXPECT_EQ(
        m_server.lastRequest(),
        "POST /service-informer HTTP/1.0\r\nUser-Agent: Reelstack/1.2.0\r\nHost: " + m_server.hostAndPort() +
            "\r\nContent-Type: application/x-www-form-urlencoded\r\n"
            "Content-Length: 29\r\nConnection: close\r\n\r\n"
            "q=PD94%2BbWw/IA%3D%3D&lang=en");
}

TEST_F(FormPostTest, ResultTellsFailureRefusalAndAcceptance)
{
    struct Case
    {
        std::string answer;
        bool accept;
        int result;
        int handled;
    };
    // An empty body, or one of zero bytes only, is refused without asking.
    const Case cases[] = {
        {"HTTP/1.0 404 Not Found\r\n\r\n<answer/>", true, FormPost::kRefused, 0},
        {"HTTP/1.0 200 OK\r\n\r\n", true, FormPost::kRefused, 0},
        {std::string("HTTP/1.0 200 OK\r\n\r\n\0\0\0", 22), true, FormPost::kRefused, 0},
        {"HTTP/1.0 200 OK\r\n\r\nnot what I want", false, FormPost::kRefused, 1},
        {"HTTP/1.0 200 OK\r\nno end", true, FormPost::kFailed, 0},
        {std::string("HTTP/1.0 200 OK\r\n\r\nv\xc3\xa9rsion\0\0", 29), true, FormPost::kAccepted, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sendAnswered(c.answer, c.accept), c.result) << c.answer;
        EXPECT_EQ(m_handled, c.handled) << c.answer;
    }
    EXPECT_EQ(m_seen, "vérsion") << "trailing zero bytes are not decoded";
    m_post.setTarget(text("Reelstack/1.2.0"), unusedHost(), text("/x"));
    EXPECT_EQ(sendAnswered("", true), FormPost::kFailed);

    // A target needs agent, host and path.
    FormPost post;
    for (int missing = 0; missing < 3; ++missing) {
        post.setTarget(missing == 0 ? String() : text("agent"), missing == 1 ? String() : text("host"),
                       missing == 2 ? String() : text("/p"));
        EXPECT_FALSE(post.hasTarget()) << missing;
    }
}
