#pragma once

#include "foundation/text/String.h"

class CollectionModel;
class Movie;

// What the filter bar lets through: a kind, the value chosen for it and, for
// actors, the actor chosen under an initial. The boxes' state is copied in,
// so the rule holds without the widgets.
struct MovieFilter
{
    enum Kind
    {
        kAll = 0,
        kRecentlyViewed = 1,
        kWishList = 2,
        kSeen = 3,
        kUnseen = 4,
        kTags = 5,
        kTitle = 6,
        kGenre = 7,
        kStudio = 8,
        kCountry = 9,
        kActor = 10,
        kDirector = 11,
        kKindCount = 12
    };

    int kind = kAll;
    // The value box's current index (0 is "All", -1 none) and its text.
    int valueIndex = -1;
    String value;
    // The actor box's current index (0 is "All", -1 none) and its text.
    int actorIndex = -1;
    String actor;

    // Comparisons are exact; initials compare the first code unit. Kinds
    // outside the list let everything through.
    bool matches(const Movie& movie, const CollectionModel& model) const;
    // Whether the kinds with a value box list values.
    static bool hasValues(int kind) { return kind >= kTags && kind <= kDirector; }

private:
    bool matchesActor(const Movie& movie) const;
};
