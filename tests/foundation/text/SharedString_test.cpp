// A shared text is held once by all its copies and never changes under them.
#include <gtest/gtest.h>

#include "foundation/text/SharedString.h"

TEST(SharedString, CopiesHoldTheOneTextAndAnEmptyOneHoldsNone)
{
    String folder(u"C:\\Data\\Movies\\Images");
    SharedString shared(folder);
    SharedString copy = shared;
    folder.append(String(u"\\More"));
    EXPECT_TRUE(String::equalsCString(copy.text(), u"C:\\Data\\Movies\\Images"));
    EXPECT_EQ(&copy.text(), &shared.text());
    EXPECT_TRUE(SharedString().text().isEmpty());
    EXPECT_TRUE(SharedString(String()).text().isEmpty());
    EXPECT_NE(&SharedString(folder).text(), &shared.text());
}
