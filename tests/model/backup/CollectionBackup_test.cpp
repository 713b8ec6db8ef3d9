// A collection folder packed into a backup and brought back byte for byte,
// and the backups that must not write anything.
#include "foundation/data/PakArchive.h"
#include "foundation/io/Directory.h"
#include "foundation/io/Path.h"
#include "foundation/platform/LocaleData.h"
#include "foundation/time/Locale.h"
#include "model/CollectionModel.h"
#include "model/backup/CollectionBackup.h"
#include "tests/model/collection/CollectionTestSupport.h"

#include <gtest/gtest.h>

using namespace collectiontest;
using iotest::show;

namespace {

// Every byte value, so that a restore that changed any byte shows.
Bytes picture(uint8_t seed, size_t size)
{
    Bytes bytes(size);
    for (size_t i = 0; i < size; ++i)
        bytes[i] = uint8_t(i * 7 + seed);
    return bytes;
}

} // namespace

TEST(CollectionBackup, RestoresACollectionWithItsImagesByteForByte)
{
    Workspace space;
    ASSERT_FALSE(space.saveFull().isEmpty());
    const char* files[] = {"Full\\Full.rsdb", "Full\\Images\\Poster one.png", "Full\\Images\\back.jpg",
                           "Full\\Thumbnails\\0cc175b9c0f1b6a831c399e269772661.png"};
    ASSERT_TRUE(Directory::create(space.path("Full\\Images")) &&
                Directory::create(space.path("Full\\Thumbnails")));
    for (int i = 1; i < 4; ++i)
        ASSERT_TRUE(space.put(files[i], picture(uint8_t(i), 3000 + 17 * i)));
    std::vector<Bytes> before;
    for (const char* file : files)
        before.push_back(space.bytes(file));

    CollectionBackup backups;
    const String archive = backups.backup(space.folder(), String(u"Full"));
    ASSERT_FALSE(archive.isEmpty());
    EXPECT_EQ(show(pathDirectory(archive)), show(space.path("Backup")));
    ASSERT_EQ(backups.list(space.folder()).count(), 1);
    EXPECT_EQ(show(backups.list(space.folder()).first()->value), show(pathFileName(archive)));
    CollectionModel model(space.folder());
    StringList collections;
    model.listCollections(collections);
    EXPECT_EQ(collections.count(), 1) << "the backup folder is no collection";

    // The user's collection is damaged; the backup brings back every byte.
    for (const char* file : files)
        ASSERT_TRUE(space.put(file, iotest::bytesOf("damaged")));
    ASSERT_TRUE(backups.restore(archive, space.path("Full")));
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(space.bytes(files[i]), before[i]) << files[i];
    ASSERT_TRUE(model.openCollection(space.path("Full\\Full.rsdb")));
    EXPECT_EQ(model.movieCount(), 2);
    ASSERT_TRUE(model.closeCollection());
}

TEST(CollectionBackup, NamesByTheMomentAndRefusesWhatItCannotDo)
{
    Locale::instance().load(LocaleData::kEnglishUnitedStates);
    EXPECT_EQ(show(CollectionBackup::archiveName(String(u"Films"), DateTime(2026, 12, 7, 9, 5, 3, 0))),
              "Films - 7 December 2026 9.5.3.backup");

    Workspace space;
    CollectionBackup backups;
    EXPECT_TRUE(backups.backup(space.folder(), String(u"Missing")).isEmpty());
    EXPECT_TRUE(backups.backup(space.folder(), String()).isEmpty());
    EXPECT_EQ(backups.list(space.folder()).count(), 0);
    EXPECT_FALSE(backups.restore(space.path("Backup\\none.backup"), space.path("Back")));

    // An archive whose names climb out of the target writes nothing at all.
    PakArchive climbing;
    ASSERT_TRUE(space.put("x", picture(2, 10)));
    ASSERT_NE(climbing.addFile(space.path("x"), String(u"/"), String(u"ok.png")), nullptr);
    ASSERT_NE(climbing.addFile(space.path("x"), String(u"../.."), String(u"evil.png")), nullptr);
    ASSERT_TRUE(climbing.save(space.path("climbing.backup")));
    EXPECT_FALSE(backups.restore(space.path("climbing.backup"), space.path("Back")));
    EXPECT_FALSE(Directory::exists(space.path("Back")));
    ASSERT_TRUE(space.put("damaged.backup", picture(3, 100)));
    EXPECT_FALSE(backups.restore(space.path("damaged.backup"), space.path("Back")));
    EXPECT_FALSE(Directory::exists(space.path("Back")));
}
