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
};
