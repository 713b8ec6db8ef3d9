#include "model/extractors/MovieSite.h"

namespace {

const char16_t kMainDomain[] = u"moviedb.example";
const char16_t kImageHost[] = u"images.moviedb.example";

} // namespace

bool MovieSite::isOwnPicture(const String& address) const
{
    if (imageHost.isEmpty())
        return false;
    return address.startsWith(String(u"http://") + imageHost + u"/images/", String::kCaseSensitive);
}

MovieSite MovieSite::english()
{
    return MovieSite{String(u"www.moviedb.example"), String(kMainDomain), String(kImageHost),
                     String(kMainDomain)};
}

MovieSite MovieSite::localized(const String& code)
{
    static const char16_t* const kCodes[] = {u"de", u"it", u"es", u"fr"};
    for (const char16_t* known : kCodes) {
        if (code == String(known)) {
            // The code goes in front of our domain, so that every name stays
            // under ".example": at the end it would name a host under that
            // country's domain, which someone else holds and which would
            // receive the titles the user searches for.
            String domain = code + u"." + kMainDomain;
            return MovieSite{String(u"www.") + domain, domain, String(kImageHost), String(kMainDomain)};
        }
    }
    return MovieSite();
}
