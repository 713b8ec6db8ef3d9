// A worker started through its Thread base still runs its own checks: there
// is one start, and the worker's refusals reach callers holding a Thread*.
#include "foundation/net/UpdatesBotThread.h"

#include <gtest/gtest.h>

namespace {

class QuietInformer : public UpdatesBotThread
{
public:
    ~QuietInformer() override { stop(-1); }

protected:
    bool handleAnswer(const String&) override { return true; }
};

} // namespace

TEST(UpdatesBotThreadStart, ABaseClassCallerCannotSkipTheChecks)
{
    QuietInformer noPath;
    noPath.setTarget(String(u"agent"), String(u"127.0.0.1"), String());
    Thread* base = &noPath;
    EXPECT_FALSE(base->start());
    EXPECT_FALSE(noPath.isRunning());
    EXPECT_FALSE(noPath.isBusy());
    EXPECT_EQ(noPath.result(), UpdatesBotThread::kNone);
}
