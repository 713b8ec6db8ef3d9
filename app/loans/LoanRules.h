#pragma once

#include "foundation/text/String.h"
#include "foundation/time/Date.h"

#include <cstdint>
#include <vector>

template <typename T> class List;
class LoanerList;
class Movie;
struct Loan;
struct Loaner;

// What the loans window and its editors decide without a screen: what a
// loan's cells read, and which loaners and loans the editors may store.
class LoanRules
{
public:
    // Why the loan editor refuses its input.
    enum LoanCheck
    {
        kLoanAccepted = 0,
        kNoMovies,
        kDateUnset,
        kDueBeforeLoan,
        kReturnBeforeLoan,
        kMovieLentTwice
    };

    // The loan editor's input.
    struct LoanInput
    {
        bool hasMovies = false;
        int32_t movieId = 0;
        Date lendDate;
        Date dueDate;
        Date returnDate;
    };

    // One movie as the loan editor offers it.
    struct MovieChoice
    {
        String caption;
        int32_t movieId = 0;
    };

    // The title, then " (year)" when the year is known.
    static String movieCaption(const Movie& movie);
    // Every movie's caption and id, ordered by the caption's code units as
    // the movie box sorts them (a caption before a longer one it begins;
    // equal captions in list order). Sorting them here first, by a key of
    // their first units held beside them, spares the box a sort that would
    // chase 100,000 scattered texts.
    static std::vector<MovieChoice> sortedMovieChoices(const List<Movie*>& movies);
    // The date in the collection's date format, or notSet for the null date.
    static String dateText(const Date& date, const String& notSet);
    // The Julian day number, 0 for the null date so that unset dates sort
    // first.
    static double dateSortValue(const Date& date);

    // A trimmed, non-empty name that no other loaner has in any letter case;
    // edited is the loaner being renamed (null when adding), whose own name
    // does not count.
    static bool isLoanerNameAvailable(const LoanerList& loaners, const String& name, const Loaner* edited);
    // Every loan of the loaner counts, returned or not, except edited (null
    // when adding).
    static LoanCheck checkLoan(const Loaner& loaner, const Loan* edited, const LoanInput& input);
    // The date a new loan is due: lendDate plus the period, never less than
    // one day.
    static Date dueDateFor(const Date& lendDate, int32_t period);
};
