#pragma once

#include "foundation/containers/List.h"
#include "foundation/text/String.h"

#include <cstdint>

// One episode of a series. Zero in a number means "not given".
struct Episode
{
    // The release date as "year, separator, month, separator, day", where a
    // month or day of 0 is left out but its separator kept; empty without a
    // year.
    String releaseDateText(const String& separator) const;

    int32_t season = 0;
    int32_t number = 0;
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    String title;
    String plot;
    String file;
    String url;
};

class EpisodeList : public List<Episode>
{
};
