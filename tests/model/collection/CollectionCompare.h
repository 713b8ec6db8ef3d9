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

// Declared up front so that the list comparison finds them all.
std::string differenceOf(const Loan& a, const Loan& b);
std::string differenceOf(const Loaner& a, const Loaner& b);

// Collects the name of the first field that differs.
class Differ
{
public:
    template <typename T> Differ& field(const char* name, const T& a, const T& b)
    {
        if (m_first.empty() && !same(a, b))
            m_first = name;
        return *this;
    }
    // A difference found inside a part, named below prefix.
    Differ& part(const std::string& prefix, const std::string& difference)
    {
        if (m_first.empty() && !difference.empty())
            m_first = prefix + difference;
        return *this;
    }
    std::string result() const { return m_first; }

private:
    std::string m_first;
};

inline std::string differenceOf(const CastItem& a, const CastItem& b)
{
    return Differ().field("actor", a.actor, b.actor).field("character", a.character, b.character).result();
}

inline std::string differenceOf(const CrewItem& a, const CrewItem& b)
{
    return Differ()
        .field("role", a.role, b.role)
        .field("unme", a.unme, b.unme)
        .field("name", a.name, b.name)
        .result();
}

inline std::string differenceOf(const Cover& a, const Cover& b)
{
    return Differ().field("kind", a.kind, b.kind).field("name", a.name, b.name).result();
}

inline std::string differenceOf(const MovieLink& a, const MovieLink& b)
{
    return Differ()
        .field("type", a.type, b.type)
        .field("description", a.description, b.description)
        .field("url", a.url, b.url)
        .field("play", a.play, b.play)
        .result();
}

inline std::string differenceOf(const Episode& a, const Episode& b)
{
    return Differ()
        .field("season", a.season, b.season)
        .field("number", a.number, b.number)
        .field("year", a.year, b.year)
        .field("month", a.month, b.month)
        .field("day", a.day, b.day)
        .field("title", a.title, b.title)
        .field("plot", a.plot, b.plot)
        .field("file", a.file, b.file)
        .field("url", a.url, b.url)
        .result();
}

inline std::string differenceOf(const Loan& a, const Loan& b)
{
    return Differ()
        .field("movieId", a.movieId, b.movieId)
        .field("lendDate", a.lendDate, b.lendDate)
        .field("dueDate", a.dueDate, b.dueDate)
        .field("returnDate", a.returnDate, b.returnDate)
        .field("notes", a.notes, b.notes)
        .result();
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
    return Differ()
        .field("name", a.name, b.name)
        .field("email", a.email, b.email)
        .field("address", a.address, b.address)
        .field("phone", a.phone, b.phone)
        .field("comments", a.comments, b.comments)
        .part("", differenceOfLists(a.loans, b.loans, "loans"))
        .result();
}

inline std::string differenceOf(const CardStyle& a, const CardStyle& b)
{
    return Differ()
        .field("backgroundColor", a.backgroundColor, b.backgroundColor)
        .field("backgroundImage", a.backgroundImage, b.backgroundImage)
        .field("textColor", a.textColor, b.textColor)
        .field("titleColor", a.titleColor, b.titleColor)
        .field("linkColor", a.linkColor, b.linkColor)
        .field("fontFamily", a.fontFamily, b.fontFamily)
        .field("fontSize", a.fontSize, b.fontSize)
        .result();
}

inline std::string differenceOf(const Movie& a, const Movie& b)
{
    return Differ()
        .field("created", a.created, b.created)
        .field("modified", a.modified, b.modified)
        .field("id", a.id, b.id)
        .field("nclk", a.nclk, b.nclk)
        .field("title", a.title, b.title)
        .field("originalTitle", a.originalTitle, b.originalTitle)
        .field("genres", a.genres, b.genres)
        .field("studios", a.studios, b.studios)
        .field("countries", a.countries, b.countries)
        .field("languages", a.languages, b.languages)
        .field("year", a.year, b.year)
        .field("runningTime", a.runningTime, b.runningTime)
        .field("colour", a.colour, b.colour)
        .field("format", a.format, b.format)
        .field("barcode", a.barcode, b.barcode)
        .field("plot", a.plot, b.plot)
        .field("mpaaRating", a.mpaaRating, b.mpaaRating)
        .field("imdbRating", a.imdbRating, b.imdbRating)
        .field("notes", a.notes, b.notes)
        .field("tags", a.tags, b.tags)
        .field("purchasePrice", a.purchasePrice, b.purchasePrice)
        .field("seen", a.seen, b.seen)
        .field("wishlist", a.wishlist, b.wishlist)
        .field("myRating", a.myRating, b.myRating)
        .field("colorLabel", a.colorLabel, b.colorLabel)
        .part("cardStyle.", differenceOf(a.cardStyle, b.cardStyle))
        .part("", differenceOfLists(a.cast, b.cast, "cast"))
        .part("", differenceOfLists(a.crew, b.crew, "crew"))
        .part("", differenceOfLists(a.covers, b.covers, "covers"))
        .part("", differenceOfLists(a.links, b.links, "links"))
        .part("", differenceOfLists(a.episodes, b.episodes, "episodes"))
        .result();
}

inline std::string differenceOf(const CollectionHeader& a, const CollectionHeader& b)
{
    return Differ()
        .field("author", a.author, b.author)
        .field("password", a.password, b.password)
        .field("version", a.version, b.version)
        .field("created", a.created, b.created)
        .field("modified", a.modified, b.modified)
        .field("lastMovieId", a.lastMovieId, b.lastMovieId)
        .field("selectedMovieId", a.selectedMovieId, b.selectedMovieId)
        .result();
}

inline std::string differenceOfMovies(const List<Movie*>& a, const List<Movie*>& b)
{
    if (a.count() != b.count())
        return "movies.count";
    int index = 0;
    for (List<Movie*>::Node *x = a.first(), *y = b.first(); x; x = x->next, y = y->next, ++index) {
        std::string difference = differenceOf(*x->value, *y->value);
        if (!difference.empty())
            return "movies[" + std::to_string(index) + "]." + difference;
    }
    return std::string();
}

} // namespace collectiontest
