#include "model/sorting/SortComparator.h"

#include "foundation/text/TerminatedText.h"
#include "model/records/Movie.h"
#include "model/sorting/SortArticles.h"

namespace {

int compareNumbers(int32_t a, int32_t b)
{
    if (a == b)
        return 0;
    return a < b ? -1 : 1;
}

int compareDateTimes(const DateTime& a, const DateTime& b)
{
    int result = a.date().compare(b.date());
    return result != 0 ? result : a.time().compare(b.time());
}

} // namespace

int SortComparator::compare(const Movie& a, const Movie& b) const
{
    int result = compareAscending(a, b);
    return order == kAscending ? result : -result;
}

int SortComparator::compareAscending(const Movie& a, const Movie& b) const
{
    switch (mode) {
    case kByTitle:
        return compareTitles(a, b);
    case kByYear:
        return compareNumbers(a.year, b.year);
    case kByCreated:
        return compareDateTimes(a.created, b.created);
    case kByModified:
        return compareDateTimes(a.modified, b.modified);
    default:
        return 0;
    }
}

int SortComparator::compareTitles(const Movie& a, const Movie& b) const
{
    if (!ignoreArticle || SortArticles::list().isEmpty())
        return wideCompareNoCase(a.title.data(), b.title.data());
    const char16_t* keyA = a.title.isEmpty() ? nullptr : a.title.constCharAt(SortArticles::keyStart(a.title));
    const char16_t* keyB = b.title.isEmpty() ? nullptr : b.title.constCharAt(SortArticles::keyStart(b.title));
    return wideCompareNoCase(keyA, keyB);
}
