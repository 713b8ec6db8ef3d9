#pragma once

#include <cstdint>

class Movie;

// The order the user chose for the movie list: by title, year, date added or
// date modified, ascending or descending, optionally passing over a leading
// article in titles.
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

    // -1 when a belongs before b, 1 when after, 0 when they are equal in this
    // order. Titles compare ignoring case; descending reverses every result
    // but equality, so equal movies keep their order both ways. Another mode
    // finds every pair equal.
    int compare(const Movie& a, const Movie& b) const;

    // Any value but kAscending is descending.
    int32_t order = kAscending;
    int32_t mode = kByCreated;
    bool ignoreArticle = false;

private:
    int compareAscending(const Movie& a, const Movie& b) const;
    int compareTitles(const Movie& a, const Movie& b) const;
};
