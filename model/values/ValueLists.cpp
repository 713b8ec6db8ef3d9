#include "model/values/ValueLists.h"

#include "model/records/Movie.h"
#include "model/values/DistinctAppender.h"
#include "model/values/ValueCounter.h"

#include <vector>

namespace {

// The first characters met so far, one flag per UTF-16 unit.
class InitialsCollector
{
public:
    explicit InitialsCollector(StringList& out) : m_out(out), m_seen(0x10000, false) {}

    void add(const String& name)
    {
        if (name.isEmpty() || m_seen[name.first()])
            return;
        m_seen[name.first()] = true;
        m_out.append(String(name.first(), 1) + u"...");
    }

private:
    StringList& m_out;
    std::vector<bool> m_seen;
};

} // namespace

void ValueLists::collectEach(const List<Movie*>& movies, StringList Movie::*field, StringList& out)
{
    DistinctAppender appender(out);
    for (const Movie* movie : movies) {
        for (const String& value : movie->*field)
            appender.add(value);
    }
}

void ValueLists::collectGenres(const List<Movie*>& movies, StringList& out)
{
    collectEach(movies, &Movie::genres, out);
}

void ValueLists::collectCountries(const List<Movie*>& movies, StringList& out)
{
    collectEach(movies, &Movie::countries, out);
}

void ValueLists::collectStudios(const List<Movie*>& movies, StringList& out)
{
    collectEach(movies, &Movie::studios, out);
}

void ValueLists::collectTags(const List<Movie*>& movies, StringList& out)
{
    collectEach(movies, &Movie::tags, out);
}

void ValueLists::collectActors(const List<Movie*>& movies, StringList& out)
{
    DistinctAppender appender(out);
    for (const Movie* movie : movies) {
        for (const CastItem& item : movie->cast)
            appender.add(item.actor);
    }
}

void ValueLists::collectActorsStartingWith(const List<Movie*>& movies, char16_t first, StringList& out,
                                           std::vector<Movie*>* having)
{
    DistinctAppender appender(out);
    for (Movie* movie : movies) {
        bool has = false;
        for (const CastItem& item : movie->cast) {
            if (!item.actor.isEmpty() && item.actor.first() == first) {
                appender.add(item.actor);
                has = true;
            }
        }
        if (has && having)
            having->push_back(movie);
    }
}

void ValueLists::collectDirectors(const List<Movie*>& movies, StringList& out)
{
    DistinctAppender appender(out);
    for (const Movie* movie : movies) {
        for (const CrewItem& item : movie->crew) {
            if (item.role == CrewItem::kDirector)
                appender.add(item.name);
        }
    }
}

void ValueLists::collectFormats(const List<Movie*>& movies, StringList& out)
{
    DistinctAppender appender(out);
    for (const Movie* movie : movies)
        appender.add(movie->format);
}

void ValueLists::collectTitleInitials(const List<Movie*>& movies, StringList& out)
{
    InitialsCollector initials(out);
    for (const Movie* movie : movies)
        initials.add(movie->title);
}

void ValueLists::collectActorInitials(const List<Movie*>& movies, StringList& out)
{
    InitialsCollector initials(out);
    for (const Movie* movie : movies) {
        for (const CastItem& item : movie->cast)
            initials.add(item.actor);
    }
}

String ValueLists::mostFrequentOf(const List<Movie*>& movies, StringList Movie::*field)
{
    ValueCounter counter;
    for (const Movie* movie : movies) {
        for (const String& value : movie->*field)
            counter.add(value);
    }
    return counter.mostFrequent();
}

String ValueLists::mostFrequentGenre(const List<Movie*>& movies)
{
    return mostFrequentOf(movies, &Movie::genres);
}

String ValueLists::mostFrequentStudio(const List<Movie*>& movies)
{
    return mostFrequentOf(movies, &Movie::studios);
}
