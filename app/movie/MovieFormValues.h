#pragma once

#include "foundation/containers/StringList.h"
#include "foundation/text/String.h"
#include "graphics/color/Color.h"

#include <cstdint>

struct MovieLink;

// The rules by which the movie editors turn a record's values into what their
// controls show and back, kept apart from the widgets so that they can be
// checked anywhere.
namespace MovieFormValues {

// The first year of a moving picture, and how far ahead an announced one may
// lie. The year box shows "n/a" one below the first year.
constexpr int kFirstYear = 1888;
constexpr int kYearsAhead = 5;

struct YearRange
{
    int minimum = 0;
    int maximum = 0;
};

// The year box's range for a stored year in a given current year: "n/a"
// at the minimum, real years up to five years ahead, widened so that a stored
// year outside still shows as itself and is kept.
YearRange yearRange(int storedYear, int currentYear);
// What the box shows for a stored year: the year, or the minimum for 0.
int yearShown(int storedYear, const YearRange& range);
// What a box value stores: 0 at the minimum ("n/a"), else the value.
int yearStored(int value, const YearRange& range);

// Parts split at ",", each trimmed, empty ones dropped.
StringList splitList(const String& text);
String joinList(const StringList& list);

// The own-rating combo's index for a stored rating: truncated, 0 to 10.
int ratingIndex(float rating);
// The rating a save stores: the stored value while the combo still shows the
// index it was filled with, else the chosen index.
float ratingStored(float stored, int filledIndex, int chosenIndex);
// The text beside the combo: one decimal, empty at 0.
String ratingText(float rating);

// A card colour as stored: the empty colour when it is the view's default,
// so that the movie follows later changes of the default.
Color cardColorStored(const Color& chosen, const Color& viewDefault);
// A card colour as the picker shows it: the movie's when visible, else the
// view's default.
Color cardColorShown(const Color& stored, const Color& viewDefault);
// The font family as stored: empty when it is the view's own.
String fontFamilyStored(const String& chosen, const String& viewFamily);

// A link for a path dropped on the link table: local, the path as URL, the
// file name without extension (or the whole name) with blanks for "_" as
// description, playable when the lower-case extension is a video one.
MovieLink linkFromDroppedPath(const String& path, const StringList& videoExtensions);
// A link for a dropped text: online, the text as URL and description.
MovieLink linkFromDroppedText(const String& text);

// Whether a file may be taken as a picture by its lower-case extension:
// jpg, jpeg, png or bmp.
bool isPictureFile(const String& path);

// A link's URL with every scheme prefix removed (any case) and trimmed: what
// must not be empty for the link to count as given.
String linkCheckText(const String& url);

} // namespace MovieFormValues
