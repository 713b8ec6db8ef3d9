#pragma once

#include "foundation/text/String.h"
#include "foundation/time/DateTime.h"

#include <cstdint>

// The header of a collection file: who made it, its password digest, when it
// was made and changed, and the movie-id counter.
struct CollectionHeader
{
    String author;
    // 32 lower-case hexadecimal digits of the MD5 digest of the password's
    // UTF-8 bytes; empty when the collection is not protected.
    String password;
    // The format version read from the file; 0 in a fresh header.
    float version = 0.0f;
    // Local time.
    DateTime created;
    DateTime modified;
    // The highest movie id handed out so far.
    int32_t lastMovieId = 0;
    // The movie selected when the collection was last closed; 0 for none.
    int32_t selectedMovieId = 0;
};
