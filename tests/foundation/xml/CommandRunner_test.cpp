// The runner drives the XML tokenizer (whose tests follow its step order): a missed failure,
// an endless run or a change while running would load a damaged file as good, hang or crash.
#include <gtest/gtest.h>

#include "foundation/xml/Command.h"
#include "foundation/xml/CommandRunner.h"

#include <functional>
#include <vector>

namespace {

// A command whose work the test gives.
class ScriptedCommand : public Command
{
public:
    ScriptedCommand(int32_t id, std::function<bool(ScriptedCommand&)> work) : Command(id), m_work(work) {}
    bool execute() override { return m_work(*this); }

private:
    std::function<bool(ScriptedCommand&)> m_work;
};

// Records its id and hands over to next (or ends the run when next is -1).
Command* step(int32_t id, int32_t next, std::vector<int32_t>& trace)
{
    return new ScriptedCommand(id, [next, &trace](ScriptedCommand& self) {
        trace.push_back(self.id());
        if (next >= 0)
            self.setNext(next);
        return true;
    });
}

} // namespace

TEST(CommandRunner, ReportsEachKindOfFailureAndRefusesChangesWhileRunning)
{
    std::vector<int32_t> trace;
    CommandRunner runners[5];
    runners[1].add(step(-1, -1, trace));
    runners[2].add(step(1, -1, trace));
    runners[2].setStartId(4);
    runners[3].add(step(1, 8, trace));
    runners[4].add(step(0, 1234567, trace));
    runners[4].add(new ScriptedCommand(1234567, [](ScriptedCommand&) { return false; }));
    const char16_t* messages[] = {u"unknown error", u"unknown error", u"unknown error", u"command not found",
                                  u"command error, id: 1234567"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(runners[i].run()) << "row " << i;
        EXPECT_EQ(runners[i].errorText(), String(messages[i])) << "row " << i;
        EXPECT_FALSE(runners[i].isRunning()) << "row " << i;
    }
    // A run that never ends is stopped.
    CommandRunner endless;
    endless.add(step(0, 1, trace));
    endless.add(step(1, 0, trace));
    endless.setStepLimit(1000);
    EXPECT_FALSE(endless.run());
    EXPECT_EQ(endless.steps(), 1000);

    // While running, changes and a second run are refused.
    CommandRunner runner;
    bool removed = true;
    bool nestedRun = true;
    runner.add(new ScriptedCommand(1, [&](ScriptedCommand& self) {
        CommandRunner* owner = self.runner();
        removed = owner->remove(2);
        owner->clear();
        owner->setStepLimit(1);
        nestedRun = owner->run();
        self.setNext(2);
        return true;
    }));
    trace.clear();
    runner.add(step(2, -1, trace));
    EXPECT_TRUE(runner.run());
    EXPECT_FALSE(removed || nestedRun);
    EXPECT_EQ(trace, (std::vector<int32_t>{2}));
    EXPECT_EQ(runner.stepLimit(), CommandRunner::kDefaultStepLimit);
}
