#pragma once

#include "foundation/containers/List.h"

#include <cstdint>
#include <unordered_map>

class Movie;

// Finds a movie of a collection's list by its id without walking the list:
// the list's nodes and movies lie all over memory, so at 100,000 movies one
// walk to a movie near the end costs more than the rest of a refill of the
// views, and a refill asks several times. The owner reports the movies it
// adds and removes and resets the index when it replaces the list; the index
// is made again on the next find. Ids of movies in the list do not change
// (the collection gives each its id before it is added). Should two movies
// share an id, the first in the list's order is the one found, as a walk
// finds it.
class MovieIdIndex
{
public:
    // The list was replaced or emptied.
    void reset();
    // A movie appended to the list.
    void added(Movie* movie);
    // A movie about to leave the list.
    void removed(const Movie* movie);
    // The first movie of the list with that id; null when there is none.
    Movie* find(const List<Movie*>& movies, int32_t id);

private:
    void make(const List<Movie*>& movies);
    static Movie* walk(const List<Movie*>& movies, int32_t id);

    std::unordered_map<int32_t, Movie*> m_byId;
    bool m_made = false;
    // Two movies share an id: the order of the list decides, so it is walked.
    bool m_shared = false;
};
