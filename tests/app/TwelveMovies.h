#pragma once

// A collection of twelve movies the views' tests share: two genres, a
// series, actors sharing an initial (and one of another case, one without a
// name), labels, ratings 0 and 3.7, added one day after another.
#include "model/CollectionModel.h"
#include "model/collection/CollectionFile.h"
#include "model/records/Movie.h"
#include "tests/support/TestSupport.h"

#include <initializer_list>
#include <string>

namespace twelvemovies {

struct Row
{
    const char16_t* title;
    int year;
    std::initializer_list<const char16_t*> genres;
    std::initializer_list<const char16_t*> tags;
    std::initializer_list<const char16_t*> actors;
    const char16_t* director;
    const char16_t* studio;
    const char16_t* country;
    bool seen;
    bool wish;
    float myRating;
    int label;
    int episodes;
};

// Ids 1 to 12 in this order, which is also the order of the dates added.
inline const Row kRows[12] = {
    {u"Alien",
     1979,
     {u"Drama"},
     {u"Space"},
     {u"Bob Hoskins"},
     u"Ridley",
     u"Fox",
     u"USA",
     true,
     false,
     3.7f,
     1,
     0},
    {u"amelie", 2001, {u"Comedy"}, {}, {u"Audrey"}, u"Jean", u"UGC", u"France", false, true, 0.0f, 0, 0},
    {u"Brazil",
     1985,
     {u"Comedy", u"Drama"},
     {u"Space", u"Cult"},
     {u"Bill Murray", u""},
     u"Terry",
     u"Fox",
     u"UK",
     true,
     false,
     4.0f,
     5,
     0},
    {u"Heat", 0, {u"Drama"}, {}, {u"Al Pacino"}, u"Michael", u"WB", u"USA", false, false, 2.5f, 0, 0},
    {u"Babe",
     1995,
     {u"Comedy"},
     {u"Farm"},
     {u"bob lower"},
     u"Chris",
     u"Universal",
     u"Australia",
     true,
     true,
     1.0f,
     0,
     0},
    {u"Cosmos", 1980, {}, {u"Space"}, {u""}, u"", u"", u"", false, false, 5.0f, 2, 13},
    {u"Dune",
     2021,
     {u"Drama"},
     {},
     {u"Bob Hoskins", u"Zendaya"},
     u"Denis",
     u"WB",
     u"USA",
     false,
     true,
     4.5f,
     0,
     0},
    {u"Elf", 2003, {u"Comedy"}, {u"Cult"}, {u"Will"}, u"Jon", u"New Line", u"USA", true, false, 3.0f, 3, 0},
    {u"Fargo", 1996, {u"Drama"}, {}, {u"Frances"}, u"Joel", u"Gramercy", u"USA", true, false, 4.0f, 0, 0},
    {u"Gravity",
     2013,
     {u"Drama"},
     {u"Space"},
     {u"Sandra"},
     u"Alfonso",
     u"WB",
     u"UK",
     false,
     false,
     3.5f,
     0,
     0},
    {u"Hugo", 2011, {u"Drama"}, {}, {u"Ben"}, u"Martin", u"Paramount", u"USA", false, false, 3.9f, 4, 0},
    {u"Ikiru", 1952, {u"Drama"}, {}, {u"Takashi"}, u"Akira", u"Toho", u"Japan", true, false, 4.8f, 0, 0},
};

inline StringList list(std::initializer_list<const char16_t*> texts)
{
    StringList out;
    for (const char16_t* text : texts)
        out.append(String(text));
    return out;
}

inline Movie* makeMovie(const Row& row, int id)
{
    auto* movie = new Movie;
    movie->id = id;
    movie->title = String(row.title);
    movie->year = row.year;
    movie->genres = list(row.genres);
    movie->tags = list(row.tags);
    for (const char16_t* actor : row.actors)
        movie->cast.append(CastItem{String(actor), String()});
    if (row.director[0]) {
        CrewItem director;
        director.name = String(row.director);
        movie->crew.append(director);
    }
    if (row.studio[0])
        movie->studios.append(String(row.studio));
    if (row.country[0])
        movie->countries.append(String(row.country));
    movie->seen = row.seen;
    movie->wishlist = row.wish;
    movie->myRating = row.myRating;
    movie->colorLabel = row.label;
    for (int i = 1; i <= row.episodes; ++i) {
        Episode episode;
        episode.season = 1;
        episode.number = i;
        movie->episodes.append(episode);
    }
    movie->created = DateTime(2020, 1, id);
    movie->modified = DateTime(2021, 12, 13 - id);
    return movie;
}

// The collection "Twelve" in a temporary data folder, open, with the twelve
// movies.
class Collection
{
public:
    Collection() : model(String::fromUtf8(folder.path().c_str(), int(folder.path().size())))
    {
        CollectionFile file(model.dataDirectory());
        opened = file.create(String(u"Twelve"), String(u"me"), String()) &&
                 model.openCollection(file.filePathFor(String(u"Twelve")));
        int id = 0;
        for (const Row& row : kRows)
            model.appendMovie(makeMovie(row, ++id));
    }

    testsupport::TempDir folder;
    CollectionModel model;
    bool opened = false;
};

} // namespace twelvemovies
