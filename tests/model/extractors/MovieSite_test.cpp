// Every edition of the movie database is reached by names of our own under
// the reserved ".example", which resolves nowhere: a title the user searches
// for never goes to a host that someone else holds. The main domain is what
// the localized pages print after their "more on" line, so it is the same
// for every edition.
#include "model/extractors/MovieSite.h"
#include "tests/support/TestText.h"

#include <gtest/gtest.h>

#include <string>

using testsupport::text;
using testsupport::utf8;

namespace {

// One or more labels of lower-case letters, digits and '-', then ".example".
bool isUnderExample(const std::string& name)
{
    const std::string suffix = ".example";
    if (name.size() <= suffix.size() || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    bool atLabelStart = true;
    for (char c : name.substr(0, name.size() - suffix.size())) {
        if (c == '.') {
            if (atLabelStart)
                return false;
            atLabelStart = true;
            continue;
        }
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-'))
            return false;
        atLabelStart = false;
    }
    return !atLabelStart;
}

} // namespace

TEST(MovieSite, EveryEditionIsNamedUnderExample)
{
    const MovieSite english = MovieSite::english();
    const struct Row
    {
        const char* code;
        MovieSite site;
    } rows[] = {
        {"en", english},
        {"de", MovieSite::localized(String(u"de"))},
        {"it", MovieSite::localized(String(u"it"))},
        {"es", MovieSite::localized(String(u"es"))},
        {"fr", MovieSite::localized(String(u"fr"))},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.code);
        for (const String* name :
             {&row.site.host, &row.site.siteName, &row.site.imageHost, &row.site.mainDomain})
            EXPECT_TRUE(isUnderExample(utf8(*name))) << utf8(*name);
        EXPECT_EQ(utf8(row.site.mainDomain), utf8(english.mainDomain)) << "the marker the pages print";
        EXPECT_EQ(utf8(row.site.host), "www." + utf8(row.site.siteName));
        const std::string label = std::string(row.code) == "en" ? "" : std::string(row.code) + ".";
        EXPECT_EQ(utf8(row.site.siteName), label + utf8(english.mainDomain))
            << "the edition's own label in front";
    }
    for (const char* unknown : {"", "en", "xx", "DE"}) {
        const MovieSite none = MovieSite::localized(text(unknown));
        EXPECT_TRUE(none.host.isEmpty() && none.siteName.isEmpty() && none.imageHost.isEmpty() &&
                    none.mainDomain.isEmpty())
            << unknown;
    }
}
