#pragma once

// Field-by-field comparison of collection records for the tests and the fuzz
// target. Each function gives the name of the first field that differs, or an
// empty text when the two are the same, so a failure says where it is.

#include "foundation/containers/List.h"
#include "foundation/containers/StringList.h"
#include "foundation/text/String.h"
#include "model/collection/CollectionHeader.h"
#include "model/records/LoanerList.h"
#include "model/records/Movie.h"

#include <string>

namespace collectiontest {

inline bool same(const String& a, const String& b)
{
    return String::equals(a, b);
}

inline bool same(const StringList& a, const StringList& b)
{
    if (a.count() != b.count())
        return false;
    for (StringList::Node *x = a.first(), *y = b.first(); x; x = x->next, y = y->next) {
        if (!String::equals(x->value, y->value))
            return false;
    }
    return true;
}

template <typename T> bool same(const T& a, const T& b)
{
    return a == b;
}

// The name of one field when its two values differ, else empty.
template <typename T> std::string diff(const char* name, const T& a, const T& b)
{
    return same(a, b) ? std::string() : std::string(name);
}

// The first non-empty difference.
inline std::string firstOf(std::initializer_list<std::string> differences)
{
    for (const std::string& difference : differences) {
        if (!difference.empty())
            return difference;
    }
    return std::string();
}

// Declared up front so that the list comparison finds them.
std::string differenceOf(const Loaner& a, const Loaner& b);
std::string differenceOf(const Movie* a, const Movie* b);

inline std::string differenceOf(const CastItem& a, const CastItem& b)
{
    return firstOf({diff("actor", a.actor, b.actor), diff("character", a.character, b.character)});
}

inline std::string differenceOf(const CrewItem& a, const CrewItem& b)
{
    return firstOf(
        {diff("role", a.role, b.role), diff("unme", a.unme, b.unme), diff("name", a.name, b.name)});
}

inline std::string differenceOf(const Cover& a, const Cover& b)
{
    return firstOf({diff("kind", a.kind, b.kind), diff("name", a.name, b.name)});
}

inline std::string differenceOf(const MovieLink& a, const MovieLink& b)
{
    return firstOf({diff("type", a.type, b.type), diff("description", a.description, b.description),
                    diff("url", a.url, b.url), diff("play", a.play, b.play)});
}

inline std::string differenceOf(const Episode& a, const Episode& b)
{
    return firstOf({diff("season", a.season, b.season), diff("number", a.number, b.number),
                    diff("year", a.year, b.year), diff("month", a.month, b.month), diff("day", a.day, b.day),
                    diff("title", a.title, b.title), diff("plot", a.plot, b.plot),
                    diff("file", a.file, b.file), diff("url", a.url, b.url)});
}

inline std::string differenceOf(const Loan& a, const Loan& b)
{
    return firstOf({diff("movieId", a.movieId, b.movieId), diff("lendDate", a.lendDate, b.lendDate),
                    diff("dueDate", a.dueDate, b.dueDate), diff("returnDate", a.returnDate, b.returnDate),
                    diff("notes", a.notes, b.notes)});
}

template <typename T> std::string differenceOfLists(const List<T>& a, const List<T>& b, const char* name)
{
    if (a.count() != b.count())
        return std::string(name) + ".count";
    int index = 0;
    for (typename List<T>::Node *x = a.first(), *y = b.first(); x; x = x->next, y = y->next, ++index) {
        std::string difference = differenceOf(x->value, y->value);
        if (!difference.empty())
            return std::string(name) + "[" + std::to_string(index) + "]." + difference;
    }
    return std::string();
}

inline std::string differenceOf(const Loaner& a, const Loaner& b)
{
    return firstOf({diff("name", a.name, b.name), diff("email", a.email, b.email),
                    diff("address", a.address, b.address), diff("phone", a.phone, b.phone),
                    diff("comments", a.comments, b.comments), differenceOfLists(a.loans, b.loans, "loans")});
}

inline std::string differenceOf(const CardStyle& a, const CardStyle& b)
{
    return firstOf(
        {diff("backgroundColor", a.backgroundColor, b.backgroundColor),
         diff("backgroundImage", a.backgroundImage, b.backgroundImage),
         diff("textColor", a.textColor, b.textColor), diff("titleColor", a.titleColor, b.titleColor),
         diff("linkColor", a.linkColor, b.linkColor), diff("fontFamily", a.fontFamily, b.fontFamily),
         diff("fontSize", a.fontSize, b.fontSize)});
}

inline std::string differenceOf(const Movie& a, const Movie& b)
{
    std::string card = differenceOf(a.cardStyle, b.cardStyle);
    return firstOf({diff("created", a.created, b.created),
                    diff("modified", a.modified, b.modified),
                    diff("id", a.id, b.id),
                    diff("nclk", a.nclk, b.nclk),
                    diff("title", a.title, b.title),
                    diff("originalTitle", a.originalTitle, b.originalTitle),
                    diff("genres", a.genres, b.genres),
                    diff("studios", a.studios, b.studios),
                    diff("countries", a.countries, b.countries),
                    diff("languages", a.languages, b.languages),
                    diff("year", a.year, b.year),
                    diff("runningTime", a.runningTime, b.runningTime),
                    diff("colour", a.colour, b.colour),
                    diff("format", a.format, b.format),
                    diff("barcode", a.barcode, b.barcode),
                    diff("plot", a.plot, b.plot),
                    diff("mpaaRating", a.mpaaRating, b.mpaaRating),
                    diff("imdbRating", a.imdbRating, b.imdbRating),
                    diff("notes", a.notes, b.notes),
                    diff("tags", a.tags, b.tags),
                    diff("purchasePrice", a.purchasePrice, b.purchasePrice),
                    diff("seen", a.seen, b.seen),
                    diff("wishlist", a.wishlist, b.wishlist),
                    diff("myRating", a.myRating, b.myRating),
                    diff("colorLabel", a.colorLabel, b.colorLabel),
                    card.empty() ? card : "cardStyle." + card,
                    differenceOfLists(a.cast, b.cast, "cast"),
                    differenceOfLists(a.crew, b.crew, "crew"),
                    differenceOfLists(a.covers, b.covers, "covers"),
                    differenceOfLists(a.links, b.links, "links"),
                    differenceOfLists(a.episodes, b.episodes, "episodes")});
}

inline std::string differenceOf(const CollectionHeader& a, const CollectionHeader& b)
{
    return firstOf({diff("author", a.author, b.author), diff("password", a.password, b.password),
                    diff("version", a.version, b.version), diff("created", a.created, b.created),
                    diff("modified", a.modified, b.modified),
                    diff("lastMovieId", a.lastMovieId, b.lastMovieId),
                    diff("selectedMovieId", a.selectedMovieId, b.selectedMovieId)});
}

inline std::string differenceOf(const Movie* a, const Movie* b)
{
    return differenceOf(*a, *b);
}

inline std::string differenceOfMovies(const List<Movie*>& a, const List<Movie*>& b)
{
    return differenceOfLists(a, b, "movies");
}

} // namespace collectiontest
