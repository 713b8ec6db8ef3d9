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

inline bool same(const DateTime& a, const DateTime& b)
{
    return a == b;
}

inline bool same(const Date& a, const Date& b)
{
    return a == b;
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
    const std::string& result() const { return m_first; }

private:
    std::string m_first;
};

inline std::string differenceOf(const CastItem& a, const CastItem& b)
{
    Differ differ;
    differ.field("actor", a.actor, b.actor);
    differ.field("character", a.character, b.character);
    return differ.result();
}

inline std::string differenceOf(const CrewItem& a, const CrewItem& b)
{
    Differ differ;
    differ.field("role", a.role, b.role);
    differ.field("unme", a.unme, b.unme);
    differ.field("name", a.name, b.name);
    return differ.result();
}

inline std::string differenceOf(const Cover& a, const Cover& b)
{
    Differ differ;
    differ.field("kind", a.kind, b.kind);
    differ.field("name", a.name, b.name);
    return differ.result();
}

inline std::string differenceOf(const MovieLink& a, const MovieLink& b)
{
    Differ differ;
    differ.field("type", a.type, b.type);
    differ.field("description", a.description, b.description);
    differ.field("url", a.url, b.url);
    differ.field("play", a.play, b.play);
    return differ.result();
}

inline std::string differenceOf(const Episode& a, const Episode& b)
{
    Differ differ;
    differ.field("season", a.season, b.season);
    differ.field("number", a.number, b.number);
    differ.field("year", a.year, b.year);
    differ.field("month", a.month, b.month);
    differ.field("day", a.day, b.day);
    differ.field("title", a.title, b.title);
    differ.field("plot", a.plot, b.plot);
    differ.field("file", a.file, b.file);
    differ.field("url", a.url, b.url);
    return differ.result();
}

inline std::string differenceOf(const Loan& a, const Loan& b)
{
    Differ differ;
    differ.field("movieId", a.movieId, b.movieId);
    differ.field("lendDate", a.lendDate, b.lendDate);
    differ.field("dueDate", a.dueDate, b.dueDate);
    differ.field("returnDate", a.returnDate, b.returnDate);
    differ.field("notes", a.notes, b.notes);
    return differ.result();
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
    Differ differ;
    differ.field("name", a.name, b.name);
    differ.field("email", a.email, b.email);
    differ.field("address", a.address, b.address);
    differ.field("phone", a.phone, b.phone);
    differ.field("comments", a.comments, b.comments);
    return differ.part("", differenceOfLists(a.loans, b.loans, "loans")).result();
}

inline std::string differenceOf(const CardStyle& a, const CardStyle& b)
{
    Differ differ;
    differ.field("backgroundColor", a.backgroundColor, b.backgroundColor);
    differ.field("backgroundImage", a.backgroundImage, b.backgroundImage);
    differ.field("textColor", a.textColor, b.textColor);
    differ.field("titleColor", a.titleColor, b.titleColor);
    differ.field("linkColor", a.linkColor, b.linkColor);
    differ.field("fontFamily", a.fontFamily, b.fontFamily);
    differ.field("fontSize", a.fontSize, b.fontSize);
    return differ.result();
}

inline std::string differenceOf(const Movie& a, const Movie& b)
{
    Differ differ;
    differ.field("created", a.created, b.created);
    differ.field("modified", a.modified, b.modified);
    differ.field("id", a.id, b.id);
    differ.field("nclk", a.nclk, b.nclk);
    differ.field("title", a.title, b.title);
    differ.field("originalTitle", a.originalTitle, b.originalTitle);
    differ.field("genres", a.genres, b.genres);
    differ.field("studios", a.studios, b.studios);
    differ.field("countries", a.countries, b.countries);
    differ.field("languages", a.languages, b.languages);
    differ.field("year", a.year, b.year);
    differ.field("runningTime", a.runningTime, b.runningTime);
    differ.field("colour", a.colour, b.colour);
    differ.field("format", a.format, b.format);
    differ.field("barcode", a.barcode, b.barcode);
    differ.field("plot", a.plot, b.plot);
    differ.field("mpaaRating", a.mpaaRating, b.mpaaRating);
    differ.field("imdbRating", a.imdbRating, b.imdbRating);
    differ.field("notes", a.notes, b.notes);
    differ.field("tags", a.tags, b.tags);
    differ.field("purchasePrice", a.purchasePrice, b.purchasePrice);
    differ.field("seen", a.seen, b.seen);
    differ.field("wishlist", a.wishlist, b.wishlist);
    differ.field("myRating", a.myRating, b.myRating);
    differ.field("colorLabel", a.colorLabel, b.colorLabel);
    differ.part("cardStyle.", differenceOf(a.cardStyle, b.cardStyle));
    differ.part("", differenceOfLists(a.cast, b.cast, "cast"));
    differ.part("", differenceOfLists(a.crew, b.crew, "crew"));
    differ.part("", differenceOfLists(a.covers, b.covers, "covers"));
    differ.part("", differenceOfLists(a.links, b.links, "links"));
    differ.part("", differenceOfLists(a.episodes, b.episodes, "episodes"));
    return differ.result();
}

inline std::string differenceOf(const CollectionHeader& a, const CollectionHeader& b)
{
    Differ differ;
    differ.field("author", a.author, b.author);
    differ.field("password", a.password, b.password);
    differ.field("version", a.version, b.version);
    differ.field("created", a.created, b.created);
    differ.field("modified", a.modified, b.modified);
    differ.field("lastMovieId", a.lastMovieId, b.lastMovieId);
    differ.field("selectedMovieId", a.selectedMovieId, b.selectedMovieId);
    return differ.result();
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
