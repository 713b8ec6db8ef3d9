#include "model/backup/CollectionBackup.h"

#include "foundation/data/PakArchive.h"
#include "foundation/io/Directory.h"
#include "foundation/io/Path.h"
#include "foundation/time/DateTime.h"

namespace {

const char16_t kBackupFolderName[] = u"Backup";
const char16_t kExtension[] = u"backup";

String joined(const String& folder, const String& name)
{
    return String(folder).appendChar(kPathSeparator).append(name);
}

} // namespace

String CollectionBackup::backupFolder(const String& dataDirectory)
{
    return joined(dataDirectory, String(kBackupFolderName));
}

String CollectionBackup::archiveName(const String& collectionName, const DateTime& when)
{
    return collectionName + u" - " + when.date().toString(String(u"d MMMM yyyy")) +
           when.time().toString(String(u" h.m.s")) + u"." + kExtension;
}

String CollectionBackup::backup(const String& dataDirectory, const String& collectionName) const
{
    const String folder = joined(dataDirectory, collectionName);
    if (collectionName.isEmpty() || !Directory::exists(folder))
        return String();
    const String target = backupFolder(dataDirectory);
    if (!Directory::exists(target) && !Directory::create(target))
        return String();
    const String path = joined(target, archiveName(collectionName, DateTime::now()));
    PakArchive archive;
    if (!archive.packFolder(folder, path))
        return String();
    return path;
}

bool CollectionBackup::restore(const String& archivePath, const String& folder) const
{
    PakArchive archive;
    return archive.unpackToFolder(archivePath, folder);
}

StringList CollectionBackup::list(const String& dataDirectory) const
{
    StringList extensions;
    extensions.append(String(kExtension));
    StringList names;
    Directory::list(backupFolder(dataDirectory), Directory::kListFiles | Directory::kListNamesOnly,
                    &extensions, names);
    return names;
}
