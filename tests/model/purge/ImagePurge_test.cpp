// Picture files that no movie uses any more go; everything a movie still
// uses stays; and nothing is touched while no collection is open.
#include <gtest/gtest.h>

#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "model/CollectionModel.h"
#include "model/NewMovieRecord.h"
#include "model/purge/ImagePurge.h"
#include "tests/model/collection/CollectionTestSupport.h"

#include <functional>

using collectiontest::Workspace;
using iotest::show;

namespace {

Movie* movieWithCovers(std::initializer_list<const char16_t*> covers, const char16_t* background)
{
    Movie* movie = new Movie;
    for (const char16_t* name : covers)
        movie->covers.append(Cover(String(name)));
    movie->cardStyle.backgroundImage = String(background);
    return movie;
}

// Writes each file, runs purge and gives which of them are left.
std::vector<std::string> leftAfter(const Workspace& space, const std::string& folder,
                                   const std::vector<std::string>& names, const std::function<void()>& purge)
{
    for (const std::string& name : names)
        EXPECT_TRUE(space.put(folder + "/" + name, iotest::bytesOf("pixels"))) << name;
    purge();
    std::vector<std::string> left;
    for (const std::string& name : names) {
        if (File::exists(space.path(folder + "/" + name)))
            left.push_back(name);
    }
    return left;
}

} // namespace

TEST(ImagePurge, NamesThumbnailsByTheDigestOfTheCoversName)
{
    EXPECT_EQ(show(Cover(String(u"c.png")).thumbnailName()), "b7d6351a179bcb92474e545b5356baf9.png");
    EXPECT_EQ(show(Cover(String(u"Alien (12) - poster.png")).thumbnailName()),
              "35cbf25a0117e8bc5c38e8fc3e142a13.png");
    EXPECT_EQ(show(Cover(String(u"\u00c9t\u00e9.png")).thumbnailName()),
              "e571409d8e87897097f49b2731fc7264.png");
}

TEST(ImagePurge, RemovingAMovieDeletesOnlyThePicturesNoOneUses)
{
    Workspace space;
    CollectionFile creator(space.folder());
    ASSERT_TRUE(creator.create(String(u"Pics"), String(u"me"), String()));
    CollectionModel model(space.folder());
    ASSERT_TRUE(model.openCollection(creator.filePathFor(String(u"Pics"))));
    Movie* leaving = movieWithCovers({u"poster.png", u"shared.png"}, u"back.jpg");
    model.appendMovie(leaving);
    model.appendMovie(movieWithCovers({u"shared.png", u"own.png", u"Case.JPG"}, u"paper.jpg"));
    ASSERT_TRUE(Directory::create(space.path("Pics/Images/folder")));
    EXPECT_EQ(leftAfter(space, "Pics/Images",
                        {"poster.png", "shared.png", "own.png", "back.jpg", "paper.jpg", "stray.txt",
                         "STRAY.PNG", ".hidden", "case.jpg"},
                        [&] { ASSERT_TRUE(model.removeMovie(leaving)); }),
              (std::vector<std::string>{"shared.png", "own.png", "paper.jpg", "case.jpg"}))
        << "a name differing only in letter case is the file the movie uses";
    EXPECT_TRUE(Directory::exists(space.path("Pics/Images/folder")));

    // Closing deletes the thumbnails no cover has, but only PNG files.
    std::string used = show(Cover(String(u"own.png")).thumbnailName());
    std::string gone = show(Cover(String(u"poster.png")).thumbnailName());
    EXPECT_EQ(leftAfter(space, "Pics/Thumbnails", {used, gone, "odd.PNG", "photo.jpg"},
                        [&] { ASSERT_TRUE(model.closeCollection()); }),
              (std::vector<std::string>{used, "photo.jpg"}));
    EXPECT_TRUE(File::exists(space.path("Pics/Images/shared.png")));
}

// Nothing open, or a collection opened from another folder: the pictures of
// the collection in the data folder stay.
TEST(ImagePurge, TouchesOnlyTheFoldersOfTheOpenCollection)
{
    Workspace space;
    CollectionFile data(space.folder());
    ASSERT_TRUE(data.create(String(u"Pics"), String(), String()));
    CollectionFile elsewhere(space.path("Elsewhere"));
    ASSERT_TRUE(elsewhere.create(String(u"Pics"), String(), String()));
    CollectionModel model(space.folder());
    auto purges = [&] {
        model.purgeImages();
        model.purgeThumbnails();
        ImagePurge::purgeImages(String(), List<Movie*>());
        ASSERT_TRUE(model.openCollection(elsewhere.filePathFor(String(u"Pics"))));
        ASSERT_TRUE(model.removeMovie(model.addMovie(NewMovieRecord())));
        ASSERT_TRUE(model.closeCollection());
    };
    EXPECT_EQ(leftAfter(space, "Pics/Images", {"cover.png"}, purges),
              (std::vector<std::string>{"cover.png"}));
    EXPECT_EQ(leftAfter(space, "Pics/Thumbnails", {"thumb.png"}, purges),
              (std::vector<std::string>{"thumb.png"}));
}
