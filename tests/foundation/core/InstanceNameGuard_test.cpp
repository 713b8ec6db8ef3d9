// The instance name guard of the test programs: the program's own name, in
// any case, only under the display lock; any other name anywhere.
#include "tests/support/InstanceNameGuard.h"
#include "tests/support/TestText.h"

#include <gtest/gtest.h>

TEST(InstanceNameGuard, OnlyTheDisplayLockAllowsTheProgramsOwnName)
{
    const struct
    {
        const char* name;
        bool displayLock;
        bool allowed;
    } rows[] = {
        {"Reelstack", false, false},
        {"REELSTACK", false, false},
        {"reelstack", false, false},
        {"Reelstack", true, true},
        {"Reelstack config test", false, true},
        {"Reelstack ", false, true},
        {"", false, true},
    };
    for (const auto& row : rows)
        EXPECT_EQ(InstanceNameGuard::allows(testsupport::text(row.name), row.displayLock), row.allowed)
            << row.name << (row.displayLock ? " with the lock" : " without the lock");
}
