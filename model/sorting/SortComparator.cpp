#include "model/sorting/SortComparator.h"

#include "foundation/text/CharClass.h"
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

// The title folds as wideCompareNoCase folds each unit, and ends where a
// zero-terminated text would.
void setTitle(SortComparator::Key& key, const String& title, bool skipArticle)
{
    if (title.isEmpty())
        return;
    key.hasTitle = true;
    const int start = skipArticle ? SortArticles::keyStart(title) : 0;
    key.title.reserve(size_t(title.length() - start));
    for (int i = start; i < title.length() && title.at(i) != 0; ++i)
        key.title.push_back(toUpperUnit(title.at(i)));
}

int compareTitles(const SortComparator::Key& a, const SortComparator::Key& b)
{
    if (!a.hasTitle || !b.hasTitle)
        return int(a.hasTitle) - int(b.hasTitle);
    const int result = a.title.compare(b.title);
    return result == 0 ? 0 : (result < 0 ? -1 : 1);
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
        setTitle(key, movie.title, ignoreArticle && !SortArticles::list().isEmpty());
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
    const int result = mode == kByTitle ? compareTitles(a, b) : compareNumbers(a, b);
    return order == kAscending ? result : -result;
}

int SortComparator::compare(const Movie& a, const Movie& b) const
{
    return compareKeys(keyOf(a), keyOf(b));
}
