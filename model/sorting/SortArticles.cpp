#include "model/sorting/SortArticles.h"

#include "foundation/text/CharClass.h"
#include "foundation/text/TerminatedText.h"

namespace {

// Each entry carries its blank, so "a" never takes the first letter of a
// word and "l'" only counts when a blank follows the apostrophe. Some entries
// appear twice; the first match wins either way.
const char16_t* const kArticles[] = {
    u"a ",   u"an ",  u"the ", u"gli ", u"uno ", u"lo ",   u"il ",   u"et ",  u"en ",    u"umas ",  u"uns ",
    u"uma ", u"um ",  u"as ",  u"o ",   u"os ",  u"unas ", u"unos ", u"una ", u"un ",    u"las ",   u"los ",
    u"las ", u"el ",  u"une ", u"un ",  u"les ", u"l' ",   u"le ",   u"la ",  u"einen ", u"einer ", u"eines ",
    u"ein ", u"der ", u"dem ", u"des ", u"das ", u"der ",  u"die ",  u"een ", u"het ",   u"de ",
};

} // namespace

StringList& SortArticles::storage()
{
    static StringList articles;
    return articles;
}

const StringList& SortArticles::list()
{
    return storage();
}

void SortArticles::fill()
{
    StringList& articles = storage();
    if (!articles.isEmpty())
        return;
    for (const char16_t* article : kArticles)
        articles.append(String(article));
}

int SortArticles::keyStart(const String& title)
{
    if (title.isEmpty())
        return 0;
    // Most articles differ in their first letter already; that test is the
    // first step of the full comparison anyway.
    char16_t first = toUpperUnit(title.first());
    for (const String& article : storage()) {
        if (toUpperUnit(article.first()) != first)
            continue;
        if (wideCompareNoCaseN(title.data(), article.data(), article.length()) != 0)
            continue;
        // Compared as the zero-terminated text it is, the rest may also end
        // early at a zero unit inside the title.
        bool restIsEmpty = title.length() == article.length() || title.at(article.length()) == 0;
        return restIsEmpty ? 0 : article.length();
    }
    return 0;
}
