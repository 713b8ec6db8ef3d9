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

#include <sstream>
#include <string>
#include <type_traits>

namespace collectiontest {

inline bool same(const StringList& a, const StringList& b)
{
    StringList::Node *x = a.first(), *y = b.first();
    for (; x && y && String::equals(x->value, y->value); x = x->next, y = y->next) {
    }
    return !x && !y;
}

template <typename T> bool same(const T& a, const T& b)
{
    return a == b;
}

template <typename T> std::string differenceOfLists(const List<T>& a, const List<T>& b, const char* name);

template <typename T, typename = void> struct IsRecordList : std::false_type
{
};
template <typename T> struct IsRecordList<T, std::void_t<typename T::Node>> : std::true_type
{
};

// One field: its name when the values differ; lists and records name the
// item and field inside.
template <typename T> std::string fieldDifference(const std::string& name, const T& a, const T& b)
{
    if constexpr (IsRecordList<T>::value && !std::is_same_v<T, StringList>)
        return differenceOfLists(a, b, name.c_str());
    else
        return same(a, b) ? std::string() : name;
}

std::string differenceOf(const CardStyle& a, const CardStyle& b);

inline std::string fieldDifference(const std::string& name, const CardStyle& a, const CardStyle& b)
{
    std::string inner = differenceOf(a, b);
    return inner.empty() ? inner : name + "." + inner;
}

// The first differing field of the members given, named in order by names.
template <typename R, typename... M>
std::string fieldsDiffer(const R& a, const R& b, const char* names, M R::*... members)
{
    std::istringstream words(names);
    std::string name, found;
    ((words >> name, found = found.empty() ? fieldDifference(name, a.*members, b.*members) : found), ...);
    return found;
}

inline std::string differenceOf(const CastItem& a, const CastItem& b)
{
    return fieldsDiffer(a, b, "actor character", &CastItem::actor, &CastItem::character);
}

inline std::string differenceOf(const CrewItem& a, const CrewItem& b)
{
    return fieldsDiffer(a, b, "role unme name", &CrewItem::role, &CrewItem::unme, &CrewItem::name);
}

inline std::string differenceOf(const Cover& a, const Cover& b)
{
    return fieldsDiffer(a, b, "kind name", &Cover::kind, &Cover::name);
}

inline std::string differenceOf(const MovieLink& a, const MovieLink& b)
{
    return fieldsDiffer(a, b, "type description url play", &MovieLink::type, &MovieLink::description,
                        &MovieLink::url, &MovieLink::play);
}

inline std::string differenceOf(const Episode& a, const Episode& b)
{
    return fieldsDiffer(a, b, "season number year month day title plot file url", &Episode::season,
                        &Episode::number, &Episode::year, &Episode::month, &Episode::day, &Episode::title,
                        &Episode::plot, &Episode::file, &Episode::url);
}

inline std::string differenceOf(const Loan& a, const Loan& b)
{
    return fieldsDiffer(a, b, "movieId lendDate dueDate returnDate notes", &Loan::movieId, &Loan::lendDate,
                        &Loan::dueDate, &Loan::returnDate, &Loan::notes);
}

inline std::string differenceOf(const Loaner& a, const Loaner& b)
{
    return fieldsDiffer(a, b, "name email address phone comments loans", &Loaner::name, &Loaner::email,
                        &Loaner::address, &Loaner::phone, &Loaner::comments, &Loaner::loans);
}

inline std::string differenceOf(const CardStyle& a, const CardStyle& b)
{
    return fieldsDiffer(
        a, b, "backgroundColor backgroundImage textColor titleColor linkColor fontFamily fontSize",
        &CardStyle::backgroundColor, &CardStyle::backgroundImage, &CardStyle::textColor,
        &CardStyle::titleColor, &CardStyle::linkColor, &CardStyle::fontFamily, &CardStyle::fontSize);
}

inline std::string differenceOf(const Movie& a, const Movie& b)
{
    return fieldsDiffer(
        a, b,
        "created modified id nclk title originalTitle genres studios countries languages "
        "year runningTime colour format barcode plot mpaaRating imdbRating notes tags "
        "purchasePrice seen wishlist myRating colorLabel cardStyle cast crew covers links episodes",
        &Movie::created, &Movie::modified, &Movie::id, &Movie::nclk, &Movie::title, &Movie::originalTitle,
        &Movie::genres, &Movie::studios, &Movie::countries, &Movie::languages, &Movie::year,
        &Movie::runningTime, &Movie::colour, &Movie::format, &Movie::barcode, &Movie::plot,
        &Movie::mpaaRating, &Movie::imdbRating, &Movie::notes, &Movie::tags, &Movie::purchasePrice,
        &Movie::seen, &Movie::wishlist, &Movie::myRating, &Movie::colorLabel, &Movie::cardStyle, &Movie::cast,
        &Movie::crew, &Movie::covers, &Movie::links, &Movie::episodes);
}

inline std::string differenceOf(const CollectionHeader& a, const CollectionHeader& b)
{
    return fieldsDiffer(a, b, "author password version created modified lastMovieId selectedMovieId",
                        &CollectionHeader::author, &CollectionHeader::password, &CollectionHeader::version,
                        &CollectionHeader::created, &CollectionHeader::modified,
                        &CollectionHeader::lastMovieId, &CollectionHeader::selectedMovieId);
}

inline std::string differenceOf(const Movie* a, const Movie* b)
{
    return differenceOf(*a, *b);
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

inline std::string differenceOfMovies(const List<Movie*>& a, const List<Movie*>& b)
{
    return differenceOfLists(a, b, "movies");
}

} // namespace collectiontest
