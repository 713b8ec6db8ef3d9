// The feedback window on the test display against a loopback server, typed
// into and clicked as a user would: the exact request, the answers that
// count as sent, the ones that do not, no server at all, and empty fields.
#include "app/feedback/FeedbackMessage.h"
#include "app/feedback/FeedbackWindow.h"
#include "foundation/net/Network.h"
#include "tests/app/ToolWindowTest.h"
#include "tests/support/ServerSocket.h"
#include "tests/support/TestHttpServer.h"
#include "tests/support/TestText.h"
#include "ui/widgets/balloon/UIBalloonTip.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/text/UITextEdit.h"
#include "ui/widgets/window/UIDialog.h"

using testsupport::LaterStep;
using testsupport::UIHarness;

namespace {

// What the window left after one Send.
struct SendResult
{
    SeenBox box;
    bool balloon = false;
    std::string balloonText;
    bool openAfter = false;
    std::string email;
    std::string message;
};

const std::string kSuccess = "Your feedback has been sent successfully. Thank you.";
const std::string kFailure = "Can not send feedback.";
const std::string kErrorText = "An error occurred, please try again later.";
const std::string kConnectionText = "Please check your connection and try again.";

class FeedbackWindowTest : public ToolWindowTest
{
protected:
    void SetUp() override
    {
        ToolWindowTest::SetUp();
        Network::instance().startup();
        ASSERT_TRUE(server.isListening());
        savedHost = AppCore::instance()->companyHost();
        AppCore::instance()->setCompanyHost(testsupport::text(server.hostAndPort()));
    }
    void TearDown() override
    {
        AppCore::instance()->setCompanyHost(savedHost);
        UIBalloonTip::hideBalloon();
    }

    // Types "me" and "hi" (either may be left out), presses Send, answers
    // the box with OK and, when the window is still open, reads it and
    // cancels.
    SendResult sendTyped(bool typeEmail, bool typeMessage)
    {
        SendResult result;
        FeedbackWindow window(nullptr);
        LaterStep fill(100, [&] {
            UIHarness::activate(window.dialog());
            if (typeEmail)
                UIHarness::typeAt(window.emailField(), {'M', 'E'});
            if (typeMessage)
                UIHarness::typeAt(window.messageEditor(), {'H', 'I'});
            // Posted clicks overtake keys still in the input queue.
            UIHarness::pumpFor(100);
            UIHarness::click(window.sendButton(), window.sendButton()->rect().center());
            if (typeEmail || typeMessage)
                return true;
            result.balloon = UIHarness::pumpUntil([] { return UIBalloonTip::isShowing(); }, 2000);
            result.balloonText = iotest::show(UIBalloonTip::currentText());
            return true;
        });
        auto answer = answerBox(result.box, UIMessageBox::kOk);
        const bool expectBox = typeEmail || typeMessage;
        LaterStep closer(
            100,
            [&] {
                if ((expectBox && !result.box.seen) || runningBox() || fill.isPending())
                    return false;
                UIHarness::pumpFor(100);
                result.openAfter = window.dialog()->isVisible();
                result.email = iotest::show(window.emailField()->text());
                result.message = iotest::show(window.messageEditor()->text().trim());
                UIHarness::click(window.cancelButton(), window.cancelButton()->rect().center());
                return true;
            },
            300);
        window.exec();
        return result;
    }

    testsupport::TestHttpServer server;
    String savedHost;
};

std::string okAnswer(const std::string& body)
{
    return "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n" + body;
}

} // namespace

TEST_F(FeedbackWindowTest, SendPostsTheExactRequestAndAOneWithOkCloses)
{
    server.enqueue(testsupport::answerWith(okAnswer("1")));
    const SendResult result = sendTyped(true, true);

    const std::string body = "q=" + iotest::show(FeedbackMessage::encode(String(u"me\n\nhi")));
    EXPECT_EQ(server.lastRequest(), "POST /service-feedback HTTP/1.0\r\n"
                                    "User-Agent: " +
                                        iotest::show(AppCore::instance()->agentIdentity(false)) +
                                        "\r\n"
                                        "Host: " +
                                        server.hostAndPort() +
                                        "\r\n"
                                        "Content-Type: application/x-www-form-urlencoded\r\n"
                                        "Content-Length: " +
                                        std::to_string(body.size()) +
                                        "\r\n"
                                        "Connection: close\r\n"
                                        "\r\n" +
                                        body);
    EXPECT_TRUE(result.box.seen);
    EXPECT_EQ(result.box.kind, UIMessageBox::kInformation);
    EXPECT_EQ(result.box.text, kSuccess);
    EXPECT_FALSE(result.openAfter);
}

TEST_F(FeedbackWindowTest, RefusedAnswersAndNoServerWarnAndKeepWhatWasTyped)
{
    const struct
    {
        std::string answer;
        const std::string* reason;
    } cases[] = {
        {"HTTP/1.0 404 Not Found\r\nContent-Type: text/plain\r\n\r\n1", &kErrorText},
        {okAnswer("<?xml version=\"1.0\"?><answer version=\"1.1\">1</answer>"), &kErrorText},
        {okAnswer("0"), &kErrorText},
        // Nobody listens at the host: no answer at all.
        {std::string(), &kConnectionText},
    };
    for (const auto& c : cases) {
        if (c.answer.empty())
            AppCore::instance()->setCompanyHost(
                testsupport::text("127.0.0.1:" + std::to_string(testsupport::ServerSocket::unusedPort())));
        else
            server.enqueue(testsupport::answerWith(c.answer));
        const SendResult result = sendTyped(false, true);
        EXPECT_TRUE(result.box.seen) << c.answer;
        EXPECT_EQ(result.box.kind, UIMessageBox::kWarning) << c.answer;
        EXPECT_EQ(result.box.text, kFailure) << c.answer;
        EXPECT_EQ(result.box.informativeText, *c.reason) << c.answer;
        EXPECT_TRUE(result.openAfter) << c.answer;
        EXPECT_EQ(result.email, "") << c.answer;
        EXPECT_EQ(result.message, "hi") << c.answer;
    }
    // Without an address the message goes alone, with no line feeds before.
    EXPECT_NE(server.lastRequest().find("\r\n\r\nq=" + iotest::show(FeedbackMessage::encode(String(u"hi")))),
              std::string::npos);
}

TEST_F(FeedbackWindowTest, EmptyFieldsShowTheBalloonAndSendNothing)
{
    const size_t before = server.requests().size();
    const SendResult result = sendTyped(false, false);
    EXPECT_TRUE(result.balloon);
    EXPECT_EQ(result.balloonText, "Please fill the required fields.");
    EXPECT_FALSE(result.box.seen);
    EXPECT_TRUE(result.openAfter);
    UIHarness::pumpFor(200);
    EXPECT_EQ(server.requests().size(), before);
}
