#pragma once

#include "foundation/containers/List.h"
#include "foundation/text/String.h"

#include <cstdint>

class Movie;
struct MovieLink;

// What a click on the movie card asks to play or open, read from the clicked
// element's id or the anchor's href. Nothing here reaches the shell: the main
// window hands what these find to MovieLink::open or the shell launcher.
class CardPlay
{
public:
    // The id of the element that plays the movie through its play links.
    static const char16_t kPlayId[];
    // Followed by season "." episode number, as in "@play-episode-2.5".
    static const char16_t kPlayEpisodePrefix[];

    // Season and number of an "@play-episode-" id; false for any other id
    // and for a malformed one (too few parts, a number that is not plain
    // decimal digits).
    static bool readEpisodeId(const String& id, int32_t& season, int32_t& number);
    // The file of the episode the id names; empty when the id is no episode
    // id, the movie has no such episode or the episode names no file.
    static String episodeFile(const Movie& movie, const String& id);
    // The links marked for playing, in the movie's link order.
    static List<const MovieLink*> playableLinks(const Movie& movie);
    // What a click on a card anchor hands to the shell, empty for nothing:
    // a web address with more after its scheme as it stands, else the path
    // of a file or folder that exists, written as a path or as the "file:"
    // address the system's browser control makes of one. Any other text
    // opens nothing, so the card never hands the shell text of its own.
    static String hrefTarget(const String& href);
};
