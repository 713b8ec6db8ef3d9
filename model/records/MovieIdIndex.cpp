#include "model/records/MovieIdIndex.h"

#include "model/records/Movie.h"

void MovieIdIndex::reset()
{
    m_byId.clear();
    m_made = false;
    m_shared = false;
}

void MovieIdIndex::added(Movie* movie)
{
    if (!m_made || m_shared || !movie)
        return;
    // Appended last, a movie with a known id comes after the one indexed.
    if (!m_byId.emplace(movie->id, movie).second)
        m_shared = true;
}

void MovieIdIndex::removed(const Movie* movie)
{
    if (!m_made || m_shared || !movie)
        return;
    auto found = m_byId.find(movie->id);
    if (found != m_byId.end() && found->second == movie)
        m_byId.erase(found);
}

Movie* MovieIdIndex::find(const List<Movie*>& movies, int32_t id)
{
    if (!m_made)
        make(movies);
    if (m_shared)
        return walk(movies, id);
    auto found = m_byId.find(id);
    return found == m_byId.end() ? nullptr : found->second;
}

void MovieIdIndex::make(const List<Movie*>& movies)
{
    reset();
    m_byId.reserve(size_t(movies.count()));
    for (Movie* movie : movies) {
        if (!m_byId.emplace(movie->id, movie).second)
            m_shared = true;
    }
    m_made = true;
}

Movie* MovieIdIndex::walk(const List<Movie*>& movies, int32_t id)
{
    for (Movie* movie : movies) {
        if (movie->id == id)
            return movie;
    }
    return nullptr;
}
