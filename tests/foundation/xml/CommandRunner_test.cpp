// The runner drives the XML tokenizer: a wrong step order, a missed failure or
// an endless run would load a damaged file as good or hang the program.
#include <gtest/gtest.h>

#include "foundation/xml/Command.h"
#include "foundation/xml/CommandRunner.h"

#include <functional>
#include <vector>

namespace {

// A command whose work is given by the test.
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

TEST(CommandRunner, FollowsEachCommandsNextIdUntilNoneIsNamed)
{
    std::vector<int32_t> trace;
    CommandRunner runner;
    runner.add(step(5, 2, trace));
    runner.add(step(9, -1, trace));
    runner.add(step(2, 9, trace));
    runner.setStartId(5);
    EXPECT_TRUE(runner.isReady());
    EXPECT_TRUE(runner.run());
    EXPECT_EQ(trace, (std::vector<int32_t>{5, 2, 9}));
    EXPECT_EQ(runner.steps(), 3);
    EXPECT_FALSE(runner.isRunning());
    EXPECT_EQ(runner.find(9)->runner(), &runner);
    EXPECT_EQ(runner.find(4), nullptr);

    // A second run starts afresh; without a start id the first command added begins.
    trace.clear();
    runner.setStartId(-1);
    EXPECT_TRUE(runner.run());
    EXPECT_EQ(trace, (std::vector<int32_t>{5, 2, 9}));
    runner.remove(5);
    trace.clear();
    EXPECT_TRUE(runner.run());
    EXPECT_EQ(trace, (std::vector<int32_t>{9}));
}

TEST(CommandRunner, ReportsEachKindOfFailureWithItsMessage)
{
    std::vector<int32_t> trace;
    CommandRunner empty;
    EXPECT_FALSE(empty.run());
    EXPECT_EQ(empty.errorText(), String(u"unknown error"));

    CommandRunner invalid;
    invalid.add(step(-1, -1, trace));
    EXPECT_FALSE(invalid.isReady());
    EXPECT_FALSE(invalid.run());
    EXPECT_EQ(invalid.errorText(), String(u"unknown error"));

    CommandRunner noStart;
    noStart.add(step(1, -1, trace));
    noStart.setStartId(4);
    EXPECT_FALSE(noStart.run());
    EXPECT_EQ(noStart.errorText(), String(u"unknown error"));
    EXPECT_FALSE(noStart.isRunning());

    CommandRunner missingNext;
    missingNext.add(step(1, 8, trace));
    EXPECT_FALSE(missingNext.run());
    EXPECT_EQ(missingNext.errorText(), String(u"command not found"));

    CommandRunner failing;
    failing.add(step(0, 1234567, trace));
    failing.add(new ScriptedCommand(1234567, [](ScriptedCommand&) { return false; }));
    EXPECT_FALSE(failing.run());
    EXPECT_EQ(failing.errorText(), String(u"command error, id: 1234567"));
    EXPECT_FALSE(failing.isRunning());

    // The message of the last failure stays until the next one.
    EXPECT_EQ(String(u"<no error>"), failing.find(0)->errorText());
    EXPECT_EQ(CommandRunner().errorText(), String(u"no error"));
}

TEST(CommandRunner, RefusesChangesAndASecondRunWhileRunning)
{
    CommandRunner runner;
    bool removed = true;
    bool nestedRun = true;
    runner.add(new ScriptedCommand(1, [&](ScriptedCommand& self) {
        CommandRunner* owner = self.runner();
        removed = owner->remove(2);
        owner->clear();
        owner->setStartId(2);
        owner->setStepLimit(1);
        nestedRun = owner->run();
        self.setNext(2);
        return true;
    }));
    std::vector<int32_t> trace;
    runner.add(step(2, -1, trace));
    EXPECT_TRUE(runner.run());
    EXPECT_FALSE(removed);
    EXPECT_FALSE(nestedRun);
    EXPECT_EQ(trace, (std::vector<int32_t>{2}));
    EXPECT_EQ(runner.startId(), -1);
    EXPECT_EQ(runner.stepLimit(), CommandRunner::kDefaultStepLimit);

    // Idle again, the runner takes changes.
    EXPECT_TRUE(runner.remove(2));
    EXPECT_FALSE(runner.remove(2));
    runner.clear();
    EXPECT_FALSE(runner.hasCommands());
}

TEST(CommandRunner, StopsARunThatNeverEnds)
{
    CommandRunner runner;
    runner.add(new ScriptedCommand(0, [](ScriptedCommand& self) {
        self.setNext(1);
        return true;
    }));
    runner.add(new ScriptedCommand(1, [](ScriptedCommand& self) {
        self.setNext(0);
        return true;
    }));
    runner.setStepLimit(1000);
    EXPECT_FALSE(runner.run());
    EXPECT_EQ(runner.steps(), 1000);
    EXPECT_FALSE(runner.isRunning());
}
