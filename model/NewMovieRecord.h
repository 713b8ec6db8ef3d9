#pragma once

#include "foundation/containers/List.h"
#include "foundation/text/String.h"
#include "model/records/MovieLink.h"

#include <cstdint>

// The values proposed for a movie not yet in the collection, from the step
// that found them (the bar-code search, the folder scan, the text import) to
// the code that makes the movie. A plain value: copies copy the links too.
// CollectionModel::addMovie takes all but the bar code, which only the movie
// editor keeps.
struct NewMovieRecord
{
    String title;
    // 0: no year.
    int32_t year = 0;
    String barCode;
    String format;
    MovieLinkList links;
};

// Several proposed movies, in the order they were found; owns them.
class NewMovieRecordList : public List<NewMovieRecord>
{
};
