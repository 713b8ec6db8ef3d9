#pragma once

#include "foundation/containers/List.h"
#include "foundation/containers/StringList.h"
#include "foundation/text/String.h"

#include <vector>

class Movie;

// The distinct values of a collection that the filters, the editors and the
// statistics offer, gathered in one pass over the movies in list order.
// Every collecting operation appends to the caller's list without emptying
// it, and only values the list does not hold yet (exact comparison), so the
// values keep the order of their first occurrence. Names that are empty have
// no first character and give no initial.
class ValueLists
{
public:
    static void collectGenres(const List<Movie*>& movies, StringList& out);
    static void collectCountries(const List<Movie*>& movies, StringList& out);
    static void collectStudios(const List<Movie*>& movies, StringList& out);
    static void collectTags(const List<Movie*>& movies, StringList& out);
    static void collectActors(const List<Movie*>& movies, StringList& out);
    // Actors whose name begins with exactly this character; also, when asked,
    // the movies with such an actor, in order: one walk over the casts for
    // both the actor box and the filter by an initial.
    static void collectActorsStartingWith(const List<Movie*>& movies, char16_t first, StringList& out,
                                          std::vector<Movie*>* having = nullptr);
    static void collectDirectors(const List<Movie*>& movies, StringList& out);
    // The empty format too.
    static void collectFormats(const List<Movie*>& movies, StringList& out);

    // One entry, the character and "...", per first character met in this
    // call (case-sensitive); what the caller's list held is not consulted.
    static void collectTitleInitials(const List<Movie*>& movies, StringList& out);
    static void collectActorInitials(const List<Movie*>& movies, StringList& out);

    // The value met most often; on a tie the one met first; empty when no
    // movie has any.
    static String mostFrequentGenre(const List<Movie*>& movies);
    static String mostFrequentStudio(const List<Movie*>& movies);

private:
    static void collectEach(const List<Movie*>& movies, StringList Movie::*field, StringList& out);
    static String mostFrequentOf(const List<Movie*>& movies, StringList Movie::*field);
};
