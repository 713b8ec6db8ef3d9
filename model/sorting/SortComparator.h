#pragma once

#include <cstdint>
#include <string>

class Movie;

// The order the user chose for the movie list: by title, year, date added or
// date modified, ascending or descending, optionally passing over a leading
// article in titles.
//
// The order is defined on keys: a movie's key holds what it sorts by, and
// two movies compare as their keys do. Comparing two movies and sorting a list
// (MovieSorter, which makes each key once) are the same rules.
struct SortComparator
{
    enum Mode
    {
        kByTitle = 0,
        kByYear = 1,
        kByCreated = 2,
        kByModified = 3
    };
    static constexpr int32_t kAscending = 1;

    // What a movie sorts by in one mode: its title past the article, in
    // capitals and up to a zero unit (no title at all sorts before every
    // other), or up to seven numbers compared in turn (the year; or year,
    // month, day, hour, minute, second and millisecond). Made once per movie,
    // it spares a sort the case mapping of every comparison.
    struct Key
    {
        bool hasTitle = false;
        std::u16string title;
        int32_t numbers[7] = {};
    };

    Key keyOf(const Movie& movie) const;
    // -1 when a belongs before b, 1 when after, 0 when they are equal in this
    // order. Titles compare ignoring case; descending reverses every result
    // but equality, so equal movies keep their order both ways. Another mode
    // finds every pair equal.
    int compareKeys(const Key& a, const Key& b) const;
    int compare(const Movie& a, const Movie& b) const;

    // Any value but kAscending is descending.
    int32_t order = kAscending;
    int32_t mode = kByCreated;
    bool ignoreArticle = false;
};
