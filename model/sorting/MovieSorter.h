#pragma once

#include "foundation/containers/List.h"

class Movie;
struct SortComparator;

// Puts a movie list in a comparator's order by relinking its nodes. Each
// movie's sort key (the title past its article, in capitals, or the year, or
// a date-time) is computed once, and a stable merge sort orders the keys, so
// the result is the comparator's order with equal movies in their previous
// order, in n log n time.
class MovieSorter
{
public:
    static void sort(List<Movie*>& movies, const SortComparator& comparator);
};
