#pragma once

#include "foundation/text/String.h"
#include "model/records/MovieLink.h"

#include <cstdint>

// What the folder scan and the text import know of a movie they propose:
// enough for CollectionModel::addMovie to make a record of it.
struct NewMovieRecord
{
    String title;
    int32_t year = 0;
    String format;
    MovieLinkList links;
};
