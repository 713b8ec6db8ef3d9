// The entry point of every test program: its tests run with the instance
// name guard watching each application core they make.
#include "tests/support/InstanceNameGuard.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    InstanceNameGuard::install();
    return RUN_ALL_TESTS();
}
