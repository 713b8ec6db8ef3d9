#include "model/extractors/MovieSite.h"

MovieSite MovieSite::english()
{
    return MovieSite{String(u"www.moviedb.example"), String(u"moviedb.example"),
                     String(u"images.moviedb.example")};
}
