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

    // What open does with a link.
    enum OpenAction
    {
        kOpenNothing = 0,
        kStartFile = 1,
        kOpenFolder = 2,
        kOpenAddress = 3
    };

    // "http://", "https://" and "ftp://".
    static StringList urlSchemes();
    // A local link starts its file or opens its folder; an online link opens
    // in the browser only when it starts with one of the schemes (any case)
    // and has more after it, so that no other text ever reaches the shell.
    static void open(const String& url, int32_t type);
    static OpenAction openAction(const String& url, int32_t type);
    // The file or folder a local link names: the url as it stands, or the
    // path of a "file:" address (empty when that address names none).
    static String localPath(const String& url);
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
