#pragma once

#include "foundation/containers/List.h"

class Movie;
struct SortComparator;

// Puts a movie list in a comparator's order by relinking its nodes. Each
// movie's key is made once by the comparator, and a stable sort orders the
// keys by the comparator's own rules, so equal movies keep their previous
// order, in n log n time.
class MovieSorter
{
public:
    static void sort(List<Movie*>& movies, const SortComparator& comparator);
    // The last movie, just appended, goes where a stable sort would put it:
    // after every movie it equals. Only when the others are in order already
    // (checked on the way, one key per movie); false, with nothing moved,
    // when they are not and a whole sort is needed.
    static bool placeLast(List<Movie*>& movies, const SortComparator& comparator);
};
