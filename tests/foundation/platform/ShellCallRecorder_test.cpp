// The shell seam: what a recorder holds and what it lets run, for ordinary
// calls and for the program's own executables.
#include "foundation/platform/ShellCallRecorder.h"
#include "tests/support/IoTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ShellCallRecorder, OwnProgramsRunOnlyUnderARecorderThatRunsThemAndEveryCallIsReported)
{
    enum Installed
    {
        kNone,
        kHoldingAll,
        kRunningOwn
    };
    const struct
    {
        Installed installed;
        bool own;
        bool taken;
        size_t reported;
    } cases[] = {
        {kNone, false, false, 0},      {kNone, true, false, 0},      {kHoldingAll, false, true, 1},
        {kHoldingAll, true, true, 1},  {kRunningOwn, false, true, 1}, {kRunningOwn, true, false, 1},
    };
    for (const auto& c : cases) {
        std::vector<std::string> reported;
        if (c.installed != kNone) {
            ShellCallRecorder::install(
                [&reported](const String& call, const String& target) {
                    reported.push_back(iotest::show(call) + " " + iotest::show(target));
                },
                c.installed == kRunningOwn);
        }
        const String target(u"C:\\Reelstack\\Helper.exe -path \"x\"");
        const bool taken = c.own ? ShellCallRecorder::takeOwnProgram("execute", target)
                                 : ShellCallRecorder::take("execute", target);
        const std::string what = std::to_string(int(c.installed)) + (c.own ? " own" : " other");
        EXPECT_EQ(taken, c.taken) << what;
        ASSERT_EQ(reported.size(), c.reported) << what;
        if (c.reported) {
            EXPECT_EQ(reported[0], "execute C:\\Reelstack\\Helper.exe -path \"x\"") << what;
        }
        ShellCallRecorder::remove();
        EXPECT_FALSE(ShellCallRecorder::isInstalled());
        EXPECT_FALSE(ShellCallRecorder::takeOwnProgram("execute", target)) << what << ": removed";
    }
}

} // namespace
