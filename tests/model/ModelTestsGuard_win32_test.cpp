// The model's tests run beside the flows, without the display lock: the
// guard must be watching their cores and refuse the program's own name.
#include "foundation/core/AppCore.h"
#include "tests/support/InstanceNameGuard.h"

#include <gtest/gtest.h>

TEST(ModelTestsGuard, ACoreUnderTheProgramsOwnNameIsRefusedHere)
{
    EXPECT_EQ(AppCore::instanceClaimCheck(), &InstanceNameGuard::check);
    EXPECT_FALSE(InstanceNameGuard::holdsDisplayLock());
    EXPECT_FALSE(InstanceNameGuard::allows(String(InstanceNameGuard::kProductName),
                                           InstanceNameGuard::holdsDisplayLock()));
}
