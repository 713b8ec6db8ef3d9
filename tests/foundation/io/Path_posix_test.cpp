// When every numbered name is taken, no name is offered: handing out a taken
// one would overwrite a cover.
#include <gtest/gtest.h>

#include "foundation/io/Path.h"
#include "tests/support/IoTestSupport.h"

#include <cstdio>

TEST(PathPosix, UniqueFileNameGivesNothingOnceAllNumbersAreTaken)
{
    testsupport::TempDir dir;
    for (int i = 0; i < 10000; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "c_%04d.x", i);
        std::FILE* file = std::fopen(iotest::nativeIn(dir, name).c_str(), "w");
        ASSERT_NE(file, nullptr);
        std::fclose(file);
    }
    EXPECT_TRUE(uniqueFileName(u"c", u"x", iotest::toPath(dir.path())).isEmpty());
    EXPECT_EQ(iotest::show(uniqueFileName(u"c", u"y", iotest::toPath(dir.path()))), "c_0000.y");
}
