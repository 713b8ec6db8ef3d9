#pragma once

#include "foundation/containers/StringList.h"
#include "foundation/text/String.h"

class DateTime;

// Copies of whole collection folders (the collection file with its Images
// and Thumbnails) packed into one archive each, kept in the "Backup" folder
// of the data folder, where the collection list never looks.
class CollectionBackup
{
public:
    static String backupFolder(const String& dataDirectory);
    // "Name - 7 December 2026 9.5.3.backup" for a backup made at that moment.
    static String archiveName(const String& collectionName, const DateTime& when);

    // Packs the folder of the collection name into a new archive in the
    // backup folder, named by the name and the current time, and gives its
    // path; empty when the collection folder is missing or anything fails,
    // with no archive left behind.
    String backup(const String& dataDirectory, const String& collectionName) const;
    // Unpacks the archive into folder (created when missing). An archive
    // that does not read, or one that would write outside the folder,
    // writes nothing.
    bool restore(const String& archivePath, const String& folder) const;
    // The file names (without folder) of the backup folder's ".backup"
    // archives.
    StringList list(const String& dataDirectory) const;
};
