#pragma once

#include "foundation/containers/List.h"
#include "foundation/text/String.h"
#include "model/collection/CollectionHeader.h"

#include <cstdint>

class CollectionReader;
class DateTime;
class LoanerList;
class Movie;

// Where a collection lives on disk and how it is created, opened, saved and
// peeked at. A collection named N is the file N.rsdb in the folder N of the
// user data folder, beside the folders "Images" and "Thumbnails". The object
// holds the open collection's path (empty while none is open) and header;
// the movies and loaners belong to the caller.
class CollectionFile
{
public:
    explicit CollectionFile(const String& userDataDirectory);
    virtual ~CollectionFile() = default;
    CollectionFile(const CollectionFile&) = delete;
    CollectionFile& operator=(const CollectionFile&) = delete;

    // "rsdb".
    static String extension();
    // Whether the name can be a collection: it becomes a folder and a file
    // name as it stands, so it must be a plain name the system accepts, must
    // not be "backup" (that folder is never listed), and must leave the file's
    // path within the path limit.
    bool isValidName(const String& name) const;
    // The path of the collection's file; empty for a name that is not valid.
    String filePathFor(const String& name) const;

    const String& path() const { return m_path; }
    // The file name of the open collection without extension; empty when none.
    String name() const;
    String directory() const;
    const String& userDataDirectory() const { return m_userDataDirectory; }
    const CollectionHeader& header() const { return m_header; }

    // The digest text of the password; empty removes the protection.
    void setPassword(const String& digest) { m_header.password = digest; }
    const String& password() const { return m_header.password; }
    void setSelectedMovieId(int32_t id) { m_header.selectedMovieId = id; }
    int32_t selectedMovieId() const { return m_header.selectedMovieId; }
    // The id for a new movie: one above the last one handed out. Ids are never
    // reused; 0 once every positive id is taken.
    int32_t nextMovieId();

    // Makes the folders and the file of a new, empty collection, which is not
    // opened. False when the name is not valid, the file exists already or
    // cannot be saved.
    bool create(const String& name, const String& author, const String& password);
    // The same at a creation time given in UTC.
    bool create(const String& name, const String& author, const String& password, const DateTime& createdUtc);

    // The password digest of the collection at path, without opening it;
    // empty for an unprotected, missing or unreadable collection.
    String peekPassword(const String& path) const;

    // Opens the collection at path and appends its movies and loaners to the
    // caller's lists. The whole file is read before anything changes: on
    // failure the lists are untouched and no collection is open.
    bool read(const String& path, List<Movie*>& movies, LoanerList& loaners);
    // The same with the file read already, whole and well (a read ahead of
    // the same path): what readAlready holds is checked and taken.
    bool read(const String& path, CollectionReader* readAlready, List<Movie*>& movies, LoanerList& loaners);
    // Saves the open collection. On failure the file on disk stays as it was.
    bool write(const List<Movie*>& movies, const LoanerList& loaners) const;
    // Forgets the open collection's path and header, so that nothing can be
    // written over it afterwards.
    void close();

private:
    static bool isCollectionFile(const String& path);

    String m_userDataDirectory;
    String m_path;
    CollectionHeader m_header;
};
