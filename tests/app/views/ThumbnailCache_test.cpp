// The grid's bounded thumbnail cache: the longest unused goes first, a
// find counts as a use, and a movie without a picture is remembered too.
#include "app/views/ThumbnailCache.h"

#include <gtest/gtest.h>

TEST(ThumbnailCache, KeepsTheMostRecentlyUsedWithinItsCapacity)
{
    ThumbnailCache cache(3);
    Image picture(4, 6, true);
    for (int id : {1, 2, 3})
        cache.insert(id, id == 2 ? Image() : picture);
    Image found;
    EXPECT_TRUE(cache.find(1, &found));
    EXPECT_EQ(found.width(), 4);
    cache.insert(4, picture);
    struct Case
    {
        int id;
        bool held;
        bool null;
    };
    const Case cases[] = {{1, true, false}, {2, false, true}, {3, true, false}, {4, true, false}};
    for (const Case& c : cases) {
        Image out;
        EXPECT_EQ(cache.find(c.id, &out), c.held) << c.id;
    }
    EXPECT_EQ(cache.count(), 3);
    cache.insert(3, Image());
    EXPECT_EQ(cache.count(), 3) << "a second insert replaces";
    EXPECT_TRUE(cache.find(3, &found));
    EXPECT_TRUE(found.isNull()) << "a movie without a thumbnail is held as such";
    cache.remove(3);
    EXPECT_FALSE(cache.find(3, &found));
    EXPECT_EQ(ThumbnailCache(0).capacity(), 1);
    cache.clear();
    EXPECT_EQ(cache.count(), 0);
}
