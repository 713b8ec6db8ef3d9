// What the feedback window sends and how it judges the answer, against a
// loopback server: the exact request bytes, and every answer the service
// might give.
#include "app/feedback/FeedbackMessage.h"
#include "foundation/net/FormPost.h"
#include "foundation/net/Network.h"
#include "tests/support/IoTestSupport.h"
#include "tests/support/ServerSocket.h"
#include "tests/support/TestHttpServer.h"
#include "tests/support/TestText.h"

#include <gtest/gtest.h>

#include <string>

using testsupport::text;

namespace {

std::string show(const String& value)
{
    return iotest::show(value);
}

std::string okAnswer(const std::string& body)
{
    return "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n" + body;
}

} // namespace

TEST(FeedbackMessage, TheBodyIsTheTrimmedFieldsInBase64UrlEncoded)
{
    const struct
    {
        const char16_t* email;
        const char16_t* feedback;
        const char16_t* message;
        const char* encoded;
    } cases[] = {
        {u" a@b.c ", u"\tHi there\r\n", u"a@b.c\n\nHi there", "YUBiLmMKCkhpIHRoZXJl"},
        // An address alone is sent with its two line feeds.
        {u"a@b.c", u"  \n ", u"a@b.c\n\n", "YUBiLmMKCg%3D%3D"},
        // A message alone has none in front.
        {u"", u"Hi there", u"Hi there", "SGkgdGhlcmU%3D"},
        {u"   ", u"Hi there\n", u"Hi there", "SGkgdGhlcmU%3D"},
        // "+" and "=" are escaped, "/" stays; the text is sent as UTF-8.
        {u"", u"Gr\u00FC\u00DFe \u2713 ~~~>>>?", u"Gr\u00FC\u00DFe \u2713 ~~~>>>?",
         "R3LDvMOfZSDinJMgfn5%2BPj4%2BPw%3D%3D"},
        // Nothing but white space is nothing to send.
        {u" \t", u"\r\n \n", u"", ""},
        {u"", u"", u"", ""},
    };
    for (const auto& c : cases) {
        const String message = FeedbackMessage::compose(String(c.email), String(c.feedback));
        EXPECT_EQ(show(message), show(String(c.message))) << c.encoded;
        EXPECT_EQ(show(FeedbackMessage::encode(message)), c.encoded) << c.encoded;
    }
}

TEST(FeedbackMessage, OnlyAOneOrAnAnswerOfVersionOneZeroIsAccepted)
{
    const struct
    {
        const char* answer;
        bool accepted;
    } cases[] = {
        {"1", true},
        {"<?xml version=\"1.0\"?><answer version=\"1.0\">1</answer>", true},
        {"<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<answer version=\"1.0\">1</answer>\n", true},
        {"<?xml version=\"1.0\"?><answer version=\"1.1\">1</answer>", false},
        {"<?xml version=\"1.0\"?><answer>1</answer>", false},
        {"<?xml version=\"1.0\"?><answer version=\"1.0\">0</answer>", false},
        {"<?xml version=\"1.0\"?><reply version=\"1.0\">1</reply>", false},
        {"<?xml version=\"1.0\"?><answer version=\"1.0\">1</answ", false},
        {"<answer version=\"1.0\">1</answer>", false},
        {"1 ", false},
        {"11", false},
        {"0", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FeedbackMessage::isAcceptedAnswer(text(c.answer)), c.accepted) << c.answer;
}

TEST(FeedbackMessage, SendsTheExactRequestAndJudgesTheStatusAndBody)
{
    Network::instance().startup();
    testsupport::TestHttpServer server;
    ASSERT_TRUE(server.isListening());
    const String host = text(server.hostAndPort());
    const String encoded = FeedbackMessage::encode(String(u"a@b.c\n\nHi there"));

    server.enqueue(testsupport::answerWith(okAnswer("1")));
    EXPECT_EQ(FeedbackMessage::send(encoded, host, String(u"Reelstack 1.2.0")), FormPost::kAccepted);
    EXPECT_EQ(server.lastRequest(), "POST /service-feedback HTTP/1.0\r\n"
                                    "User-Agent: Reelstack 1.2.0\r\n"
                                    "Host: " +
                                        server.hostAndPort() +
                                        "\r\n"
                                        "Content-Type: application/x-www-form-urlencoded\r\n"
                                        "Content-Length: 22\r\n"
                                        "Connection: close\r\n"
                                        "\r\n"
                                        "q=YUBiLmMKCkhpIHRoZXJl");

    const struct
    {
        std::string answer;
        int outcome;
    } answers[] = {
        {okAnswer(std::string("1\0\0", 3)), FormPost::kAccepted},
        {"HTTP/1.0 404 Not Found\r\n\r\n1", FormPost::kRefused},
        {"HTTP/1.0 500 Internal Server Error\r\n\r\n1", FormPost::kRefused},
        {okAnswer("<?xml version=\"1.0\"?><answer version=\"1.1\">1</answer>"), FormPost::kRefused},
        {okAnswer(std::string("\0\0", 2)), FormPost::kRefused},
        {okAnswer(""), FormPost::kRefused},
    };
    for (const auto& a : answers) {
        server.enqueue(testsupport::answerWith(a.answer));
        EXPECT_EQ(FeedbackMessage::send(encoded, host, String(u"UA")), a.outcome) << a.answer;
    }

    // Nobody listening: no answer at all.
    const String nowhere = text("127.0.0.1:" + std::to_string(testsupport::ServerSocket::unusedPort()));
    EXPECT_EQ(FeedbackMessage::send(encoded, nowhere, String(u"UA")), FormPost::kFailed);
}
