#include "app/views/MovieFilter.h"

#include "model/CollectionModel.h"
#include "model/records/Movie.h"

bool MovieFilter::matches(const Movie& movie, const CollectionModel& model) const
{
    switch (kind) {
    case kRecentlyViewed:
        return model.wasRecentlyShown(&movie);
    case kWishList:
        return movie.wishlist;
    case kSeen:
        return movie.seen;
    case kUnseen:
        return !movie.seen;
    case kActor:
        return matchesActor(movie);
    default:
        break;
    }
    if (!hasValues(kind) || valueIndex == 0)
        return true;
    switch (kind) {
    case kTags:
        return movie.hasTag(value);
    case kTitle:
        return !value.isEmpty() && !movie.title.isEmpty() && movie.title.first() == value.first();
    case kGenre:
        return movie.genres.contains(value);
    case kStudio:
        return movie.studios.contains(value);
    case kCountry:
        return movie.countries.contains(value);
    default:
        return movie.hasDirector(value);
    }
}

bool MovieFilter::matchesActor(const Movie& movie) const
{
    if (valueIndex < 1 || actorIndex < 0)
        return true;
    if (actorIndex == 0)
        return !value.isEmpty() && movie.hasActorStartingWith(value.first());
    return movie.hasActor(actor);
}
