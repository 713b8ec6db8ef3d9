#pragma once

// Helpers shared by the model tests: movies that free themselves, and short
// readable forms of the lists the model hands out.

#include "foundation/containers/List.h"
#include "foundation/containers/StringList.h"
#include "model/records/Movie.h"
#include "tests/foundation/io/IoTestSupport.h"

#include <string>
#include <vector>

namespace modeltest {

// A movie list that owns its movies, as the model's does.
class OwnedMovies
{
public:
    OwnedMovies() = default;
    OwnedMovies(const OwnedMovies&) = delete;
    OwnedMovies& operator=(const OwnedMovies&) = delete;
    ~OwnedMovies()
    {
        for (Movie* movie : list)
            delete movie;
    }

    Movie& add(const String& title)
    {
        Movie* movie = new Movie;
        movie->title = title;
        movie->id = list.count() + 1;
        list.append(movie);
        return *movie;
    }

    std::vector<int> ids() const
    {
        std::vector<int> result;
        for (const Movie* movie : list)
            result.push_back(movie->id);
        return result;
    }

    List<Movie*> list;
};

inline StringList listOf(std::initializer_list<const char16_t*> items)
{
    StringList list;
    for (const char16_t* item : items)
        list.append(String(item));
    return list;
}

inline std::vector<std::string> shown(const StringList& list)
{
    std::vector<std::string> result;
    for (const String& item : list)
        result.push_back(iotest::show(item));
    return result;
}

} // namespace modeltest
