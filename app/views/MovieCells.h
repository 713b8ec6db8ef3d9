#pragma once

#include "foundation/text/String.h"
#include "graphics/image/Image.h"

#include <map>
#include <string>

class Movie;
class UITableCell;

// The table's cells for a movie, column by column, and the texts the views
// show for it. Images of the rating and marks are read from the data
// archive once per name.
class MovieCells
{
public:
    enum Column
    {
        kTitle = 0,
        kOriginalTitle,
        kGenre,
        kStudio,
        kCountry,
        kLanguage,
        kYear,
        kRunningTime,
        kMyRating,
        kSeen,
        kWishList,
        kDateAdded,
        kDateModified,
        kImdbRating,
        kMpaaRating,
        kColorLabel,
        kColumnCount
    };
    // The rating cell's alignment: left, vertically centred.
    static constexpr int kRatingAlignment = 17;

    // The title and, unless the year is 0, " (year)".
    static String caption(const Movie& movie);
    // The highest rating a movie's stars show.
    static constexpr float kMaxRating = 10.0f;

    // "star-small-" and the whole part of the user's rating, held to 0..10
    // (no rating counts as 0).
    static String ratingImageName(const Movie& movie);

    // A new cell for that column of the movie's row; null past the columns.
    UITableCell* makeCell(const Movie& movie, int column);
    // The picture of that name from the data archive, kept after the first
    // read (a failed read is tried again).
    Image dataImage(const String& name);

private:
    std::map<std::u16string, Image> m_images;
};
