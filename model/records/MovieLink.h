#pragma once

#include "foundation/containers/List.h"
#include "foundation/containers/StringList.h"
#include "foundation/text/String.h"

#include <cstdint>

// A link of a movie: an online address or a local file or folder, which may
// be the one that plays the movie.
struct MovieLink
{
    enum Type
    {
        kOnline = 0,
        kLocal = 1
    };

    // "http://", "https://" and "ftp://".
    static StringList urlSchemes();
    // The file name without extension, or else the last folder of the path,
    // with every '_' turned into a blank.
    static String descriptionFromPath(const String& path);

    int32_t type = kOnline;
    String description;
    String url;
    bool play = false;
};

class MovieLinkList : public List<MovieLink>
{
};
