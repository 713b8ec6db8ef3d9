// The movie editor's staging folder: pictures reach "Images" only through a
// commit, all or nothing, and nothing of the folder outlives the editor.
#include "app/movie/ImageStaging.h"

#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "tests/app/movie/FailingMoveIn.h"
#include "tests/support/IoTestSupport.h"
#include "tests/support/StringTestHelpers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using iotest::Bytes;

namespace {

class ImageStagingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(native("Films/Images"));
        ASSERT_TRUE(iotest::writeFileBytes(native("Films/Images/a.png"), kOldA));
        ASSERT_TRUE(iotest::writeFileBytes(native("Films/Images/b.png"), kOldB));
        ASSERT_TRUE(iotest::writeFileBytes(native("source.jpg"), kNewA));
    }
    String path(const std::string& relative) const { return iotest::pathIn(dir, relative); }
    std::string native(const std::string& relative) const { return iotest::nativeIn(dir, relative); }
    Bytes bytes(const std::string& relative) const { return iotest::readFileBytes(native(relative)); }
    // Stages a.png from the source and b.png with the given bytes.
    void stageBoth(ImageStaging& staging, const Bytes& newB) const
    {
        ASSERT_TRUE(staging.open(path("Films")));
        ASSERT_TRUE(staging.stageCopy(path("source.jpg"), String(u"a.png")));
        ASSERT_TRUE(iotest::writeFileBytes(native("Films/~editing-1/b.png"), newB));
    }
    static StringList names(std::initializer_list<const char16_t*> items)
    {
        StringList list;
        for (const char16_t* item : items)
            list.append(String(item));
        return list;
    }

    const Bytes kOldA{1, 1, 1};
    const Bytes kOldB{2, 2, 2};
    const Bytes kNewA{9, 8, 7, 6};
    const Bytes kNewB{5, 5};
    testsupport::TempDir dir;
};

} // namespace

TEST_F(ImageStagingTest, CommitMovesOnlyTheNamedStagedFilesAndLeavesNothingBehind)
{
    ImageStaging staging;
    stageBoth(staging, kNewB);
    ASSERT_TRUE(iotest::writeFileBytes(native("Films/~editing-1/unused.png"), kNewB));
    EXPECT_TRUE(staging.has(String(u"a.png")));
    EXPECT_FALSE(staging.has(String(u"c.png")));
    EXPECT_EQ(bytes("Films/Images/a.png"), kOldA) << "staging never touches Images";

    String failed;
    ASSERT_TRUE(staging.commit(path("Films/Images"), names({u"a.png", u"b.png", u"c.png"}), &failed));
    EXPECT_EQ(bytes("Films/Images/a.png"), kNewA);
    EXPECT_EQ(bytes("Films/Images/b.png"), kNewB);
    EXPECT_FALSE(File::exists(path("Films/Images/c.png"))) << "a name without a staged file is passed over";
    EXPECT_FALSE(File::exists(path("Films/Images/unused.png"))) << "only the names asked for move";

    staging.discard();
    EXPECT_FALSE(Directory::exists(path("Films/~editing-1")));
}

TEST_F(ImageStagingTest, AFailedMovePutsEveryPictureBackAndNamesTheFile)
{
    // How the move of b.png is made to fail: b's old file cannot be put
    // aside, or Images is no folder at all.
    struct Case
    {
        const char* what;
        bool blockAside;
        bool imagesIsFile;
        const char16_t* failedName;
    };
    const Case cases[] = {
        {"second file blocked", true, false, u"b.png"},
        {"no Images folder", false, true, u"a.png"},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.what);
        testsupport::TempDir local;
        std::filesystem::create_directories(iotest::nativeIn(local, "Films"));
        const std::string images = iotest::nativeIn(local, "Films/Images");
        if (row.imagesIsFile) {
            ASSERT_TRUE(iotest::writeFileBytes(images, kOldA));
        } else {
            std::filesystem::create_directories(images);
            ASSERT_TRUE(iotest::writeFileBytes(images + "/a.png", kOldA));
            ASSERT_TRUE(iotest::writeFileBytes(images + "/b.png", kOldB));
        }
        ImageStaging staging;
        ASSERT_TRUE(staging.open(iotest::pathIn(local, "Films")));
        ASSERT_TRUE(staging.stageCopy(path("source.jpg"), String(u"a.png")));
        ASSERT_TRUE(iotest::writeFileBytes(iotest::nativeIn(local, "Films/~editing-1/b.png"), kNewB));
        if (row.blockAside) {
            // A non-empty folder where b's old file would wait.
            std::filesystem::create_directories(iotest::nativeIn(local, "Films/~editing-1/previous~b.png/x"));
        }
        String failed;
        EXPECT_FALSE(
            staging.commit(iotest::pathIn(local, "Films/Images"), names({u"a.png", u"b.png"}), &failed));
        EXPECT_EQ(iotest::show(failed), iotest::show(String(row.failedName)));
        if (row.imagesIsFile) {
            EXPECT_EQ(iotest::readFileBytes(images), kOldA);
            continue;
        }
        EXPECT_EQ(iotest::readFileBytes(images + "/a.png"), kOldA) << "the first move was undone";
        EXPECT_EQ(iotest::readFileBytes(images + "/b.png"), kOldB);
        EXPECT_TRUE(staging.has(String(u"a.png"))) << "the staged picture is still there for another try";
    }
}

TEST_F(ImageStagingTest, LeftoversGoWhenTheNextEditorOpensAndTheDestructorCleansUp)
{
    std::filesystem::create_directories(native("Films/~editing-7"));
    ASSERT_TRUE(iotest::writeFileBytes(native("Films/~editing-7/crashed.png"), kNewA));
    std::filesystem::create_directories(native("Films/Other"));
    {
        ImageStaging staging;
        ASSERT_TRUE(staging.open(path("Films")));
        EXPECT_FALSE(Directory::exists(path("Films/~editing-7")));
        EXPECT_TRUE(Directory::exists(path("Films/Other"))) << "only staging folders are removed";
        ASSERT_TRUE(staging.stageCopy(path("source.jpg"), String(u"x.jpg")));
        EXPECT_FALSE(staging.stageCopy(path("source.jpg"), String(u"..\\escape.jpg")));
        EXPECT_FALSE(staging.stageCopy(path("missing.jpg"), String(u"y.jpg")));
    }
    EXPECT_FALSE(Directory::exists(path("Films/~editing-1")));
    ImageStaging closed;
    EXPECT_FALSE(closed.open(path("NoSuchFolder")));
    EXPECT_FALSE(closed.isOpen());
    EXPECT_FALSE(closed.stageCopy(path("source.jpg"), String(u"x.jpg")));
}

// A cover name read from a collection file may be a device's, which the
// system finds in the staging folder too: nothing is staged under it, nor
// looked for there.
TEST_F(ImageStagingTest, ADevicesNameIsNeitherStagedNorLookedFor)
{
    ImageStaging staging;
    ASSERT_TRUE(staging.open(path("Films")));
    for (const std::string name : {"COM1.png", "con.jpg", "NUL", "lpt9 .png", "aux.tar.gz"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(staging.stageCopy(path("source.jpg"), iotest::toPath(name)));
        EXPECT_FALSE(staging.has(iotest::toPath(name)));
        EXPECT_TRUE(staging.stagedPath(iotest::toPath(name)).isEmpty());
    }
    EXPECT_TRUE(staging.stageCopy(path("source.jpg"), String(u"COM10.png"))) << "no device's name";
}

TEST_F(ImageStagingTest, AnUnstagedPictureLeavesItsNamesakeInImages)
{
    ImageStaging staging;
    stageBoth(staging, kNewB);
    EXPECT_TRUE(staging.unstage(String(u"a.png")));
    EXPECT_FALSE(staging.has(String(u"a.png")));
    EXPECT_TRUE(staging.unstage(String(u"never.png"))) << "nothing staged is nothing to forget";
    String failed;
    ASSERT_TRUE(staging.commit(path("Films/Images"), names({u"a.png", u"b.png"}), &failed));
    EXPECT_EQ(bytes("Films/Images/a.png"), kOldA) << "the user took the old file back";
    EXPECT_EQ(bytes("Films/Images/b.png"), kNewB);
}

TEST_F(ImageStagingTest, AMoveInThatFailsAfterTheOldPictureWentAsidePutsItBack)
{
    // The first picture, the second after the first moved in, and a new
    // name with nothing in Images to set aside.
    const char16_t* const failing[] = {u"a.png", u"b.png", u"c.png"};
    for (const char16_t* name : failing) {
        SCOPED_TRACE(iotest::show(String(name)));
        testsupport::TempDir local;
        const std::string images = iotest::nativeIn(local, "Films/Images");
        std::filesystem::create_directories(images);
        ASSERT_TRUE(iotest::writeFileBytes(images + "/a.png", kOldA));
        ASSERT_TRUE(iotest::writeFileBytes(images + "/b.png", kOldB));
        FailingMoveIn staging;
        ASSERT_TRUE(staging.open(iotest::pathIn(local, "Films")));
        for (const char16_t* staged : failing)
            ASSERT_TRUE(staging.stageCopy(path("source.jpg"), String(staged)));
        staging.failing = String(name);

        String failed;
        const StringList all = names({u"a.png", u"b.png", u"c.png"});
        EXPECT_FALSE(staging.commit(iotest::pathIn(local, "Films/Images"), all, &failed));
        EXPECT_EQ(iotest::show(failed), iotest::show(String(name))) << "the user is told which picture";
        EXPECT_EQ(iotest::readFileBytes(images + "/a.png"), kOldA);
        EXPECT_EQ(iotest::readFileBytes(images + "/b.png"), kOldB);
        EXPECT_FALSE(std::filesystem::exists(images + "/c.png"));
        StringList left;
        Directory::list(staging.folder(), Directory::kListFiles | Directory::kListNamesOnly, nullptr, left);
        left.sort(1);
        EXPECT_EQ(items(left), (Items{u"a.png", u"b.png", u"c.png"})) << "nothing waits aside any more";

        staging.failing = String();
        ASSERT_TRUE(staging.commit(iotest::pathIn(local, "Films/Images"), all, &failed)) << "another try";
        for (const char* moved : {"/a.png", "/b.png", "/c.png"})
            EXPECT_EQ(iotest::readFileBytes(images + moved), kNewA) << moved;
    }
}
