#include "app/movie/MovieFormValues.h"

#include "foundation/io/Path.h"
#include "model/records/MovieLink.h"

#include <initializer_list>

namespace MovieFormValues {

YearRange yearRange(int storedYear, int currentYear)
{
    YearRange range;
    range.minimum = kFirstYear - 1;
    range.maximum = currentYear + kYearsAhead;
    if (storedYear != 0 && storedYear <= range.minimum)
        range.minimum = storedYear - 1;
    if (storedYear > range.maximum)
        range.maximum = storedYear;
    return range;
}

int yearShown(int storedYear, const YearRange& range)
{
    return storedYear == 0 ? range.minimum : storedYear;
}

int yearStored(int value, const YearRange& range)
{
    return value <= range.minimum ? 0 : value;
}

// Trimmed here: the split's own trim flag leaves a text without any comma
// untrimmed.
StringList splitList(const String& text)
{
    StringList parts;
    for (const String& part : String::split(text, String(u","), 0)) {
        const String trimmed = part.trim();
        if (!trimmed.isEmpty())
            parts.append(trimmed);
    }
    return parts;
}

String joinList(const StringList& list)
{
    return list.join(String(u", "));
}

int ratingIndex(float rating)
{
    if (!(rating > 0.0f))
        return 0;
    if (rating >= 10.0f)
        return 10;
    return int(rating);
}

float ratingStored(float stored, int filledIndex, int chosenIndex)
{
    if (chosenIndex == filledIndex)
        return stored;
    return float(chosenIndex < 0 ? 0 : chosenIndex);
}

String ratingText(float rating)
{
    if (!(rating > 0.0f))
        return String();
    return String::fromDouble(double(rating), 1);
}

Color cardColorStored(const Color& chosen, const Color& viewDefault)
{
    return chosen == viewDefault ? Color(0, 0, 0, 0) : chosen;
}

Color cardColorShown(const Color& stored, const Color& viewDefault)
{
    return stored.alpha() != 0 ? stored : viewDefault;
}

String fontFamilyStored(const String& chosen, const String& viewFamily)
{
    return String::equals(chosen, viewFamily) ? String() : chosen;
}

MovieLink linkFromDroppedPath(const String& path, const StringList& videoExtensions)
{
    MovieLink link;
    link.type = MovieLink::kLocal;
    link.url = path;
    String name = pathBaseName(path);
    if (name.isEmpty())
        name = pathFileName(path);
    link.description = name.replaceChar(u'_', u' ', String::kCaseSensitive);
    link.play = videoExtensions.contains(pathExtension(path, 1));
    return link;
}

MovieLink linkFromDroppedText(const String& text)
{
    MovieLink link;
    link.type = MovieLink::kOnline;
    link.url = text;
    link.description = text;
    return link;
}

bool isPictureFile(const String& path)
{
    const String extension = pathExtension(path, 1);
    for (const char16_t* known : {u"jpg", u"jpeg", u"png", u"bmp"}) {
        if (String::equalsCString(extension, known))
            return true;
    }
    return false;
}

String linkCheckText(const String& url)
{
    String text = url;
    for (const String& scheme : MovieLink::urlSchemes())
        text = text.replace(scheme, String(), String::kIgnoreCase);
    return text.trim();
}

} // namespace MovieFormValues
