// The form-post worker on its own thread: the outcome it reports, where the
// answer and the finished signal arrive, and that it can always be stopped.
#include "foundation/net/UpdatesBotThread.h"
#include "foundation/signals/SignalReceiver.h"
#include "tests/foundation/net/LoopbackTest.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>

using testsupport::text;

namespace {

// A worker that accepts answers starting with "yes" and records what it saw.
class Informer : public UpdatesBotThread
{
public:
    ~Informer() override { stop(-1); }

    std::atomic<int> answers{0};
    std::atomic<uint32_t> answerThread{0};

protected:
    bool handleAnswer(const String& answer) override
    {
        ++answers;
        answerThread = Thread::currentThreadId();
        return testsupport::utf8(answer).compare(0, 3, "yes") == 0;
    }
};

// Counts finished signals and the thread they arrive on.
class FinishLog : public SignalReceiver
{
public:
    explicit FinishLog(Thread& thread) { thread.finished.connect(this, &FinishLog::onFinished); }

    // Delivers thread reports on this (GUI) thread until count signals came.
    bool deliverUntil(int wanted)
    {
        for (int i = 0; i < 5000 && count < wanted; ++i) {
            Thread::deliverReports();
            Thread::sleep(1);
        }
        return count == wanted;
    }

    int count = 0;
    uint32_t thread = 0;

private:
    void onFinished()
    {
        ++count;
        thread = Thread::currentThreadId();
    }
};

class UpdatesBotThreadTest : public LoopbackTest
{
protected:
    void SetUp() override
    {
        LoopbackTest::SetUp();
        m_informer.setTarget(text("Reelstack/1.2.0"), serverHost(), text("/service-informer"));
        m_informer.addFormField(text("q"), text("PD94bWw%3D"));
        m_informer.setDeadline(10000);
    }

    // A worker that waited for the server would be let go when the hold
    // ends, before its own read time-out (10 s) could end the wait; one that
    // stopped at once has closed its connection long before.
    static constexpr int kHoldMs = 8000;
    static constexpr int kNoDeadlineMs = 10 * kHoldMs;
    bool leftBeforeTheServer() const
    {
        return m_server.waitForServed(1, 2 * kHoldMs) && m_server.abandonedCount() == 1;
    }

    Informer m_informer;
};

} // namespace

TEST_F(UpdatesBotThreadTest, AcceptedAnswerIsHandledOnTheWorkerAndReportedOnTheGuiThread)
{
    FinishLog log(m_informer);
    EXPECT_EQ(m_informer.result(), UpdatesBotThread::kNone);
    // The same worker may ask again; each outcome replaces the last.
    const std::pair<const char*, int> cases[] = {
        {"HTTP/1.0 200 OK\r\n\r\nyes, 1.3.0", UpdatesBotThread::kAccepted},
        {"HTTP/1.0 200 OK\r\n\r\nno", UpdatesBotThread::kRefused},
    };
    for (const auto& c : cases) {
        answer(c.first);
        int before = log.count;
        ASSERT_TRUE(m_informer.start()) << c.first;
        EXPECT_TRUE(log.deliverUntil(before + 1)) << c.first;
        EXPECT_FALSE(m_informer.isBusy());
        EXPECT_EQ(m_informer.result(), c.second) << c.first;
    }
    EXPECT_EQ(m_informer.answers.load(), 2);
    EXPECT_NE(m_informer.answerThread.load(), Thread::currentThreadId());
    EXPECT_EQ(log.thread, Thread::currentThreadId());
    EXPECT_EQ(m_server.requests().size(), 2u);
}

TEST_F(UpdatesBotThreadTest, StartIsRefusedWithoutTargetOrWhileBusy)
{
    Informer noPath;
    noPath.setTarget(text("agent"), serverHost(), String());
    EXPECT_FALSE(noPath.start());
    EXPECT_FALSE(noPath.isRunning());

    m_server.enqueue(testsupport::stalled(kHoldMs));
    m_informer.setDeadline(kNoDeadlineMs);
    ASSERT_TRUE(m_informer.start());
    EXPECT_TRUE(m_informer.isBusy());
    EXPECT_FALSE(m_informer.start()) << "a request is under way";
    EXPECT_EQ(m_informer.result(), UpdatesBotThread::kNone);

    // Stopping ends the stalled exchange at once instead of waiting for the
    // server or the deadline: the worker leaves while the server still holds.
    ASSERT_TRUE(m_server.waitForRequests(1, kHoldMs)) << "the worker is inside its exchange";
    EXPECT_TRUE(m_informer.stop(-1));
    EXPECT_EQ(m_informer.result(), UpdatesBotThread::kFailed);
    EXPECT_FALSE(m_informer.isBusy());
    EXPECT_TRUE(leftBeforeTheServer());
}

TEST_F(UpdatesBotThreadTest, DestroyingABusyWorkerDoesNotWaitForTheServer)
{
    m_server.enqueue(testsupport::stalled(kHoldMs));
    auto informer = std::make_unique<Informer>();
    informer->setTarget(text("agent"), serverHost(), text("/slow"));
    informer->setDeadline(kNoDeadlineMs);
    ASSERT_TRUE(informer->start());
    ASSERT_TRUE(m_server.waitForRequests(1, kHoldMs)) << "the worker is inside its exchange";
    informer.reset();
    EXPECT_TRUE(leftBeforeTheServer());
    Thread::deliverReports();
}
