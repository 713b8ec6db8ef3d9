#include "model/sorting/SortComparator.h"

#include "foundation/text/TerminatedText.h"
#include "model/records/Movie.h"
#include "model/sorting/SortArticles.h"

namespace {

void setDateTime(SortComparator::Key& key, const DateTime& value)
{
    const Date& date = value.date();
    const Time& time = value.time();
    const int32_t numbers[7] = {date.year(),   date.month(),  date.day(),        time.hour(),
                                time.minute(), time.second(), time.millisecond()};
    for (int i = 0; i < 7; ++i)
        key.numbers[i] = numbers[i];
}

int compareNumbers(const SortComparator::Key& a, const SortComparator::Key& b)
{
    for (int i = 0; i < 7; ++i) {
        if (a.numbers[i] != b.numbers[i])
            return a.numbers[i] < b.numbers[i] ? -1 : 1;
    }
    return 0;
}

} // namespace

SortComparator::Key SortComparator::keyOf(const Movie& movie) const
{
    Key key;
    switch (mode) {
    case kByTitle:
        if (!movie.title.isEmpty()) {
            const bool skipArticle = ignoreArticle && !SortArticles::list().isEmpty();
            key.title = movie.title.constCharAt(skipArticle ? SortArticles::keyStart(movie.title) : 0);
        }
        break;
    case kByYear:
        key.numbers[0] = movie.year;
        break;
    case kByCreated:
        setDateTime(key, movie.created);
        break;
    case kByModified:
        setDateTime(key, movie.modified);
        break;
    default:
        break;
    }
    return key;
}

int SortComparator::compareKeys(const Key& a, const Key& b) const
{
    const int result = mode == kByTitle ? wideCompareNoCase(a.title, b.title) : compareNumbers(a, b);
    return order == kAscending ? result : -result;
}

int SortComparator::compare(const Movie& a, const Movie& b) const
{
    return compareKeys(keyOf(a), keyOf(b));
}
