#include "app/loans/LoanRules.h"

#include "model/CollectionModel.h"
#include "model/records/LoanerList.h"
#include "model/records/Movie.h"

String LoanRules::movieCaption(const Movie& movie)
{
    if (movie.year == 0)
        return movie.title;
    return movie.title + String(u" (") + String::fromInt(movie.year) + String(u")");
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
