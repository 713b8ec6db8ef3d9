// The form-post worker on its own thread: the outcome it reports, where the
// answer and the finished signal arrive, and that it can always be stopped.
#include "foundation/net/Network.h"
#include "foundation/net/UpdatesBotThread.h"
#include "foundation/signals/SignalReceiver.h"
#include "tests/foundation/net/NetTestText.h"
#include "tests/support/ServerSocket.h"
#include "tests/support/TestHttpServer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

using nettest::text;
using nettest::utf8;
using testsupport::TestHttpServer;

namespace {

using Clock = std::chrono::steady_clock;

long long msSince(Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// A worker that accepts answers starting with "yes" and records what it saw.
class Informer : public UpdatesBotThread
{
public:
    ~Informer() override { stop(-1); }

    std::atomic<int> answers{0};
    std::atomic<uint32_t> answerThread{0};
    std::string lastAnswer;

protected:
    bool handleAnswer(const String& answer) override
    {
        ++answers;
        answerThread = Thread::currentThreadId();
        lastAnswer = utf8(answer);
        return lastAnswer.compare(0, 3, "yes") == 0;
    }
};

// Counts finished signals and the thread they arrive on.
class FinishLog : public SignalReceiver
{
public:
    explicit FinishLog(Thread& thread) { thread.finished.connect(this, &FinishLog::onFinished); }

    int count = 0;
    uint32_t thread = 0;

private:
    void onFinished()
    {
        ++count;
        thread = Thread::currentThreadId();
    }
};

// Delivers thread reports on this (GUI) thread until done() or five seconds.
bool deliverUntil(const std::function<bool()>& done)
{
    Clock::time_point start = Clock::now();
    while (!done()) {
        if (msSince(start) > 5000)
            return false;
        Thread::deliverReports();
        Thread::sleep(1);
    }
    return true;
}

class UpdatesBotThreadTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Network::instance().startup();
        ASSERT_TRUE(m_server.isListening());
        m_informer.setTarget(text("Reelstack/1.2.0"), text(m_server.hostAndPort()),
                             text("/service-informer"));
        m_informer.addFormField(text("q"), text("PD94bWw%3D"));
        m_informer.setDeadline(10000);
    }

    // Starts the worker against answer and waits for its finished signal.
    int runAgainst(const std::string& answer, FinishLog& log)
    {
        m_server.enqueue(testsupport::answerWith(answer));
        int before = log.count;
        if (!m_informer.start())
            return -1;
        EXPECT_TRUE(deliverUntil([&] { return log.count > before; }));
        EXPECT_FALSE(m_informer.isBusy());
        return m_informer.result();
    }

    TestHttpServer m_server;
    Informer m_informer;
};

} // namespace

TEST_F(UpdatesBotThreadTest, AcceptedAnswerIsHandledOnTheWorkerAndReportedOnTheGuiThread)
{
    FinishLog log(m_informer);
    EXPECT_EQ(m_informer.result(), UpdatesBotThread::kNone);
    EXPECT_EQ(utf8(m_informer.name()), "UpdatesBotThread");

    EXPECT_EQ(runAgainst("HTTP/1.0 200 OK\r\n\r\nyes, 1.3.0", log), UpdatesBotThread::kAccepted);
    EXPECT_EQ(m_informer.lastAnswer, "yes, 1.3.0");
    EXPECT_NE(m_informer.answerThread.load(), Thread::currentThreadId());
    EXPECT_EQ(log.count, 1);
    EXPECT_EQ(log.thread, Thread::currentThreadId());
    EXPECT_EQ(m_server.lastRequest(), "POST /service-informer HTTP/1.0\r\n"
                                      "User-Agent: Reelstack/1.2.0\r\n"
                                      "Host: " +
                                          m_server.hostAndPort() +
                                          "\r\n"
                                          "Content-Type: application/x-www-form-urlencoded\r\n"
                                          "Content-Length: 12\r\n"
                                          "Connection: close\r\n"
                                          "\r\n"
                                          "q=PD94bWw%3D");

    // The same worker may ask again; each outcome replaces the last.
    EXPECT_EQ(runAgainst("HTTP/1.0 200 OK\r\n\r\nno", log), UpdatesBotThread::kRefused);
    EXPECT_EQ(runAgainst("HTTP/1.0 404 Not Found\r\n\r\nyes", log), UpdatesBotThread::kRefused);
    EXPECT_EQ(runAgainst("HTTP/1.0 200 OK\r\n\r\n", log), UpdatesBotThread::kRefused);
    EXPECT_EQ(m_informer.answers.load(), 2) << "no handler call for a 404 or an empty body";
    EXPECT_EQ(log.count, 4);
}

TEST_F(UpdatesBotThreadTest, UnreachableServiceGivesFailure)
{
    FinishLog log(m_informer);
    m_informer.setTarget(text("Reelstack/1.2.0"),
                         text("127.0.0.1:" + std::to_string(testsupport::ServerSocket::unusedPort())),
                         text("/service-informer"));
    ASSERT_TRUE(m_informer.start());
    EXPECT_TRUE(deliverUntil([&] { return log.count == 1; }));
    EXPECT_EQ(m_informer.result(), UpdatesBotThread::kFailed);
    EXPECT_FALSE(m_informer.isBusy());
}

TEST_F(UpdatesBotThreadTest, StartIsRefusedWithoutTargetOrWhileBusy)
{
    Informer noPath;
    noPath.setTarget(text("agent"), text(m_server.hostAndPort()), String());
    EXPECT_FALSE(noPath.start());
    EXPECT_FALSE(noPath.isBusy());
    EXPECT_FALSE(noPath.isRunning());

    m_server.enqueue(testsupport::stalled(5000));
    ASSERT_TRUE(m_informer.start());
    EXPECT_TRUE(m_informer.isBusy());
    EXPECT_FALSE(m_informer.start()) << "a request is under way";
    EXPECT_TRUE(m_informer.isBusy());
    EXPECT_EQ(m_informer.result(), UpdatesBotThread::kNone);

    // Stopping ends the stalled exchange at once instead of waiting for the
    // server or the deadline.
    Clock::time_point start = Clock::now();
    EXPECT_TRUE(m_informer.stop(-1));
    EXPECT_LT(msSince(start), 2000);
    EXPECT_EQ(m_informer.result(), UpdatesBotThread::kFailed);
    EXPECT_FALSE(m_informer.isBusy());
}

TEST_F(UpdatesBotThreadTest, DestroyingABusyWorkerDoesNotWaitForTheServer)
{
    m_server.enqueue(testsupport::stalled(5000));
    auto informer = std::make_unique<Informer>();
    informer->setTarget(text("agent"), text(m_server.hostAndPort()), text("/slow"));
    ASSERT_TRUE(informer->start());
    ASSERT_TRUE(m_server.waitForRequests(1, 5000)) << "the worker is inside its exchange";
    Clock::time_point start = Clock::now();
    informer.reset();
    EXPECT_LT(msSince(start), 2000);
    Thread::deliverReports();
}
