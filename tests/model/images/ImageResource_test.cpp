#include "model/images/ImageResource.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

int timesListed(const String& name)
{
    std::vector<String> missing = missingImageResources();
    return int(std::count_if(missing.begin(), missing.end(),
                             [&name](const String& other) { return String::equals(other, name); }));
}

} // namespace

// A window that asks for an image the archive lacks shows nothing where the
// icon belongs; the names missed are kept, each once, for driven tests.
TEST(ImageResources, EachNameMissedIsListedOnceAndAnEmptyNameNever)
{
    const String name(u"image-resource-test-missing");
    EXPECT_TRUE(loadImageResource(name).isNull()) << "no archive is open";
    EXPECT_TRUE(loadImageResource(name).isNull());
    EXPECT_TRUE(loadImageResource(String()).isNull());
    EXPECT_EQ(timesListed(name), 1);
    EXPECT_EQ(timesListed(String()), 0);
}
