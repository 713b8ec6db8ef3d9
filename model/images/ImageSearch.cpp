#include "model/images/ImageSearch.h"

#include "foundation/text/CharClass.h"
#include "model/shell/ShellLauncher.h"

namespace {

// Over https: the user's title travels in the address, and plain http would
// show it to everyone on the way and let anyone there answer in the page's place.
const char16_t kSearchPage[] = u"https://www.google.com/search?tbm=isch&q=";

// The escape of a character that would change the query, or null.
const char16_t* escapeOf(char16_t unit)
{
    switch (unit) {
    case u'%':
        return u"%25";
    case u'+':
        return u"%2B";
    case u'#':
        return u"%23";
    case u',':
        return u"%2C";
    case u'\u00B7':
        return u"%B7";
    case u':':
        return u"%3A";
    case u'&':
        return u"%26";
    default:
        return nullptr;
    }
}

} // namespace

String ImageSearch::url(const String& title)
{
    String query;
    bool inSpace = false;
    for (int i = 0; i < title.length(); ++i) {
        char16_t unit = title.at(i);
        if (isSpaceChar(unit)) {
            if (!inSpace)
                query.appendChar(u'+');
            inSpace = true;
            continue;
        }
        inSpace = false;
        const char16_t* escape = escapeOf(unit);
        if (escape)
            query.appendCString(escape);
        else
            query.appendChar(unit);
    }
    return String(kSearchPage).append(query);
}

void ImageSearch::open(const String& title)
{
    ShellLauncher::openAddress(url(title));
}
