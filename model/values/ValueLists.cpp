#include "model/values/ValueLists.h"

#include "model/records/Movie.h"
#include "model/values/DistinctAppender.h"
#include "model/values/MovieWalk.h"
#include "model/values/StringFeed.h"
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
    StringFeed feed([&appender](const String& value) { appender.add(value); });
    walkMovies(movies, field, [&feed, field](const Movie& movie) {
        for (const String& value : movie.*field)
            feed.add(value);
    });
    feed.finish();
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
    StringFeed feed([&appender](const String& actor) { appender.add(actor); });
    walkMovies(movies, &Movie::cast, [&feed](const Movie& movie) {
        for (const CastItem& item : movie.cast)
            feed.add(item.actor);
    });
    feed.finish();
}

void ValueLists::collectActorsStartingWith(const List<Movie*>& movies, char16_t first, StringList& out)
{
    DistinctAppender appender(out);
    StringFeed feed([&appender, first](const String& actor) {
        if (!actor.isEmpty() && actor.first() == first)
            appender.add(actor);
    });
    walkMovies(movies, &Movie::cast, [&feed](const Movie& movie) {
        for (const CastItem& item : movie.cast)
            feed.add(item.actor);
    });
    feed.finish();
}

void ValueLists::collectDirectors(const List<Movie*>& movies, StringList& out)
{
    DistinctAppender appender(out);
    StringFeed feed([&appender](const String& name) { appender.add(name); });
    walkMovies(movies, &Movie::crew, [&feed](const Movie& movie) {
        for (const CrewItem& item : movie.crew) {
            if (item.role == CrewItem::kDirector)
                feed.add(item.name);
        }
    });
    feed.finish();
}

void ValueLists::collectFormats(const List<Movie*>& movies, StringList& out)
{
    DistinctAppender appender(out);
    StringFeed feed([&appender](const String& format) { appender.add(format); });
    walkMovies(movies, &Movie::format, [&feed](const Movie& movie) { feed.add(movie.format); });
    feed.finish();
}

void ValueLists::collectTitleInitials(const List<Movie*>& movies, StringList& out)
{
    InitialsCollector initials(out);
    StringFeed feed([&initials](const String& title) { initials.add(title); });
    walkMovies(movies, &Movie::title, [&feed](const Movie& movie) { feed.add(movie.title); });
    feed.finish();
}

void ValueLists::collectActorInitials(const List<Movie*>& movies, StringList& out)
{
    InitialsCollector initials(out);
    StringFeed feed([&initials](const String& actor) { initials.add(actor); });
    walkMovies(movies, &Movie::cast, [&feed](const Movie& movie) {
        for (const CastItem& item : movie.cast)
            feed.add(item.actor);
    });
    feed.finish();
}

String ValueLists::mostFrequentOf(const List<Movie*>& movies, StringList Movie::*field)
{
    ValueCounter counter;
    StringFeed feed([&counter](const String& value) { counter.add(value); });
    walkMovies(movies, field, [&feed, field](const Movie& movie) {
        for (const String& value : movie.*field)
            feed.add(value);
    });
    feed.finish();
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
