#pragma once

#include "foundation/containers/List.h"

class DateTime;
class LoanerList;
class Movie;
class String;
struct CollectionHeader;

// Writes a whole collection file. The bytes go through a temporary file
// beside the target, one movie at a time, every write checked; the target is
// replaced only when all of them landed, so a full disk or a crash never
// costs the collection that was there.
class CollectionWriter
{
public:
    static bool write(const String& path, const CollectionHeader& header, const List<Movie*>& movies,
                      const LoanerList& loaners);
    // The file of a new, empty collection.
    static bool writeNew(const String& path, const String& author, const String& password,
                         const DateTime& createdUtc);
};
