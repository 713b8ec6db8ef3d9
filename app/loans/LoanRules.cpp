#include "app/loans/LoanRules.h"

#include "model/CollectionModel.h"
#include "model/records/LoanerList.h"
#include "model/records/Movie.h"

#include <algorithm>

namespace {

// Four code units from first on, the first one highest; a shorter text ends
// in zeros, which come before every unit a text can hold.
uint64_t unitsFrom(const String& text, int first)
{
    uint64_t key = 0;
    for (int i = first; i < first + 4; ++i)
        key = (key << 16) | (i < text.length() ? text.at(i) : 0u);
    return key;
}

bool captionBefore(const String& a, const String& b)
{
    return std::lexicographical_compare(a.constCharAt(0), a.constCharAt(0) + a.length(), b.constCharAt(0),
                                        b.constCharAt(0) + b.length());
}

// The first eight units of a caption beside its place, so that most
// comparisons never reach the scattered texts.
struct KeyedChoice
{
    uint64_t high;
    uint64_t low;
    int index;
};

} // namespace

String LoanRules::movieCaption(const Movie& movie)
{
    if (movie.year == 0)
        return movie.title;
    return movie.title + String(u" (") + String::fromInt(movie.year) + String(u")");
}

std::vector<LoanRules::MovieChoice> LoanRules::sortedMovieChoices(const List<Movie*>& movies)
{
    std::vector<MovieChoice> choices;
    choices.reserve(size_t(movies.count()));
    for (const Movie* movie : movies)
        choices.push_back({movieCaption(*movie), movie->id});
    std::vector<KeyedChoice> order;
    order.reserve(choices.size());
    for (size_t i = 0; i < choices.size(); ++i)
        order.push_back({unitsFrom(choices[i].caption, 0), unitsFrom(choices[i].caption, 4), int(i)});
    std::stable_sort(order.begin(), order.end(), [&](const KeyedChoice& a, const KeyedChoice& b) {
        if (a.high != b.high)
            return a.high < b.high;
        if (a.low != b.low)
            return a.low < b.low;
        return captionBefore(choices[a.index].caption, choices[b.index].caption);
    });
    std::vector<MovieChoice> sorted;
    sorted.reserve(choices.size());
    for (const KeyedChoice& entry : order)
        sorted.push_back(std::move(choices[entry.index]));
    return sorted;
}

String LoanRules::dateText(const Date& date, const String& notSet)
{
    if (date.isNull())
        return notSet;
    return date.toString(CollectionModel::dateFormat());
}

double LoanRules::dateSortValue(const Date& date)
{
    if (date.isNull())
        return 0.0;
    return static_cast<double>(date.toJulianDay());
}

bool LoanRules::isLoanerNameAvailable(const LoanerList& loaners, const String& name, const Loaner* edited)
{
    const String trimmed = name.trim();
    if (trimmed.isEmpty())
        return false;
    for (const Loaner& loaner : loaners) {
        if (&loaner == edited)
            continue;
        if (String::equalsIgnoreCase(loaner.name, trimmed))
            return false;
    }
    return true;
}

LoanRules::LoanCheck LoanRules::checkLoan(const Loaner& loaner, const Loan* edited, const LoanInput& input)
{
    if (!input.hasMovies)
        return kNoMovies;
    if (input.lendDate.isNull() || input.dueDate.isNull())
        return kDateUnset;
    if (input.lendDate.isAfter(input.dueDate))
        return kDueBeforeLoan;
    if (!input.returnDate.isNull() && input.returnDate.isBefore(input.lendDate))
        return kReturnBeforeLoan;
    for (const Loan& loan : loaner.loans) {
        if (&loan != edited && loan.movieId == input.movieId)
            return kMovieLentTwice;
    }
    return kLoanAccepted;
}

Date LoanRules::dueDateFor(const Date& lendDate, int32_t period)
{
    return Date(lendDate).addDays(period < 1 ? 1 : period);
}
