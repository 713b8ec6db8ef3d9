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
    // The file a local link or an episode file starts when played: its path
    // as MovieLink::localPath reads it, when that names an existing file;
    // empty for a folder, a missing file or a "file:" address naming none,
    // since playing never opens a folder.
    static String fileToPlay(const String& url);
    // The links marked for playing, in the movie's link order.
    static List<const MovieLink*> playableLinks(const Movie& movie);
    // The movie's link a clicked card anchor names, null for none: the link
    // whose url is the href as the card wrote it, or else, for a "file:"
    // address the system's browser control handed over resolved, the local
    // link whose file or folder it names (compared as Windows compares
    // paths). Nothing is looked for on disk: the caller opens the link found
    // by its own type, so an anchor can open only what the movie links to,
    // and only as its link's type says.
    static const MovieLink* linkForHref(const Movie& movie, const String& href);
};
