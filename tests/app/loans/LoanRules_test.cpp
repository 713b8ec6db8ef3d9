// The loan rules on a fixed day: which loans are overdue (and colour the
// loans window), which loaners and loans the editors refuse, and how the
// loans table shows and sorts dates and movies.
#include "app/loans/LoanRules.h"
#include "foundation/containers/List.h"
#include "foundation/time/FixedToday.h"
#include "model/records/LoanerList.h"
#include "model/records/Movie.h"
#include "tests/support/IoTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// March 1 of a leap year: yesterday is February 29, in another month.
const Date kToday(2024, 3, 1);

class LoanRulesTest : public testing::Test
{
protected:
    void SetUp() override { FixedToday::fix(kToday); }
    void TearDown() override { FixedToday::release(); }

    static Date day(int offset) { return Date(kToday).addDays(offset); }
};

Loan loanOf(int32_t movieId, const Date& lent, const Date& due, const Date& returned = Date())
{
    return Loan{movieId, lent, due, returned, String()};
}

} // namespace

TEST_F(LoanRulesTest, TheFixedDayIsToday)
{
    EXPECT_EQ(Date::todayLocal(), kToday);
    EXPECT_TRUE(Date(2024, 2, 29).isYesterday());
    FixedToday::release();
    EXPECT_NE(Date::todayLocal().year(), 0) << "the null date gives the clock back";
}

TEST_F(LoanRulesTest, OverdueOnlyWhileOutAndPastTheDueDay)
{
    struct Case
    {
        const char* what;
        Loan loan;
        bool overdue;
    };
    const Case cases[] = {
        {"due yesterday, out", loanOf(1, day(-14), day(-1)), true},
        {"due today, out", loanOf(1, day(-14), day(0)), false},
        {"due tomorrow, out", loanOf(1, day(-14), day(1)), false},
        {"due long ago, out", loanOf(1, day(-400), day(-365)), true},
        {"returned after the due date", loanOf(1, day(-14), day(-5), day(-1)), false},
        {"returned today, due yesterday", loanOf(1, day(-14), day(-1), day(0)), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.loan.isOverdue(), c.overdue) << c.what;

    Loaner loaner;
    loaner.loans.append(cases[1].loan);
    loaner.loans.append(cases[4].loan);
    EXPECT_FALSE(loaner.hasOverdueLoan());
    LoanList::Node* late = loaner.loans.append(cases[0].loan);
    EXPECT_TRUE(loaner.hasOverdueLoan());
    late->value.returnDate = day(0);
    EXPECT_FALSE(loaner.hasOverdueLoan()) << "returning it takes the red away";
}

TEST_F(LoanRulesTest, TheLoanEditorRefusesAsATable)
{
    LoanerList loaners;
    Loaner& anna = loaners.append(Loaner())->value;
    anna.loans.append(loanOf(7, day(-30), day(-16), day(-20)));
    Loan& current = anna.loans.append(loanOf(8, day(-3), day(11)))->value;
    const Loaner& james = loaners.append(Loaner())->value;

    auto input = [&](int32_t movie, const Date& lent, const Date& due, const Date& returned = Date()) {
        LoanRules::LoanInput in;
        in.hasMovies = true;
        in.movieId = movie;
        in.lendDate = lent;
        in.dueDate = due;
        in.returnDate = returned;
        return in;
    };
    LoanRules::LoanInput noMovies = input(9, day(0), day(14));
    noMovies.hasMovies = false;

    struct Case
    {
        const char* what;
        const Loaner* loaner;
        const Loan* edited;
        LoanRules::LoanInput in;
        LoanRules::LoanCheck expected;
    };
    const Case cases[] = {
        {"a fresh loan", &anna, nullptr, input(9, day(0), day(14)), LoanRules::kLoanAccepted},
        {"no movies in the collection", &anna, nullptr, noMovies, LoanRules::kNoMovies},
        {"loan date unset", &anna, nullptr, input(9, Date(), day(14)), LoanRules::kDateUnset},
        {"due date unset", &anna, nullptr, input(9, day(0), Date()), LoanRules::kDateUnset},
        {"due before the loan", &anna, nullptr, input(9, day(0), day(-1)), LoanRules::kDueBeforeLoan},
        {"due on the loan day", &anna, nullptr, input(9, day(0), day(0)), LoanRules::kLoanAccepted},
        {"returned before the loan", &anna, nullptr, input(9, day(0), day(14), day(-1)),
         LoanRules::kReturnBeforeLoan},
        {"returned on the loan day", &anna, nullptr, input(9, day(0), day(14), day(0)),
         LoanRules::kLoanAccepted},
        {"returned after the due date", &anna, nullptr, input(9, day(-20), day(-10), day(0)),
         LoanRules::kLoanAccepted},
        {"the same movie while out", &anna, nullptr, input(8, day(0), day(14)), LoanRules::kMovieLentTwice},
        {"the same movie once returned", &anna, nullptr, input(7, day(0), day(14)),
         LoanRules::kMovieLentTwice},
        {"the same movie to another loaner", &james, nullptr, input(8, day(0), day(14)),
         LoanRules::kLoanAccepted},
        {"the edited loan does not count itself", &anna, &current, input(8, day(-3), day(20)),
         LoanRules::kLoanAccepted},
        {"an edited loan moved onto another of its movies", &anna, &current, input(7, day(-3), day(20)),
         LoanRules::kMovieLentTwice},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LoanRules::checkLoan(*c.loaner, c.edited, c.in), c.expected) << c.what;
}

TEST_F(LoanRulesTest, LoanerNamesIgnoreLetterCase)
{
    LoanerList loaners;
    Loaner& anna = loaners.append(Loaner())->value;
    anna.name = String(u"Anna Fischer");
    Loaner& jurgen = loaners.append(Loaner())->value;
    jurgen.name = String(u"J\u00dcRGEN");

    struct Case
    {
        const char16_t* name;
        const Loaner* edited;
        bool available;
    };
    const Case cases[] = {
        {u"Maria", nullptr, true},
        {u"anna fischer", nullptr, false},
        {u"  ANNA FISCHER ", nullptr, false},
        {u"j\u00fcrgen", nullptr, false},
        {u"", nullptr, false},
        {u"   ", nullptr, false},
        {u"Anna Fischer", &anna, true},
        {u"ANNA fischer", &anna, true},
        {u"j\u00fcrgen", &anna, false},
        {u"   ", &anna, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LoanRules::isLoanerNameAvailable(loaners, String(c.name), c.edited), c.available)
            << iotest::show(String(c.name)) << (c.edited ? " renaming Anna" : " adding");
}

TEST_F(LoanRulesTest, CellsShowDatesAndMoviesAndSortUnsetFirst)
{
    const String notSet(u"n/a");
    EXPECT_EQ(iotest::show(LoanRules::dateText(Date(2024, 2, 29), notSet)), "2024/02/29");
    EXPECT_EQ(iotest::show(LoanRules::dateText(Date(), notSet)), "n/a");
    EXPECT_EQ(LoanRules::dateSortValue(Date()), 0.0);
    EXPECT_LT(LoanRules::dateSortValue(Date()), LoanRules::dateSortValue(Date(1, 1, 1)));
    EXPECT_LT(LoanRules::dateSortValue(Date(2023, 12, 31)), LoanRules::dateSortValue(Date(2024, 1, 1)))
        << "by the day, not by the text";

    Movie movie;
    movie.title = String(u"Alien");
    movie.year = 1979;
    EXPECT_EQ(iotest::show(LoanRules::movieCaption(movie)), "Alien (1979)");
    movie.year = 0;
    EXPECT_EQ(iotest::show(LoanRules::movieCaption(movie)), "Alien");

    EXPECT_EQ(LoanRules::dueDateFor(kToday, 14), Date(2024, 3, 15));
    EXPECT_EQ(LoanRules::dueDateFor(Date(2024, 2, 28), 1), Date(2024, 2, 29));
    EXPECT_EQ(LoanRules::dueDateFor(kToday, 0), Date(2024, 3, 2)) << "never less than a day";
}

TEST_F(LoanRulesTest, MovieChoicesComeInTheMovieBoxsOrder)
{
    struct Row
    {
        const char16_t* title;
        int year;
    };
    // Ids from 1 in this order. Captions sharing their first eight units,
    // one the start of another, equal ones, lower case after upper case and
    // a letter past "Z" show the order is the code units', as the box sorts.
    const Row rows[] = {
        {u"Zorro", 1975},
        {u"Alien", 1986},
        {u"Alien", 1979},
        {u"The Thing From", 0},
        {u"The Thing", 1982},
        {u"The Thing", 1982},
        {u"\u00c4rger", 0},
        {u"alien", 0},
        {u"The Thing From Space", 0},
        {u"A", 0},
        {u"", 0},
    };
    List<Movie*> movies;
    int32_t id = 0;
    for (const Row& row : rows) {
        auto* movie = new Movie();
        movie->id = ++id;
        movie->title = String(row.title);
        movie->year = row.year;
        movies.append(movie);
    }
    std::vector<std::string> shown;
    for (const LoanRules::MovieChoice& choice : LoanRules::sortedMovieChoices(movies))
        shown.push_back(iotest::show(choice.caption) + "#" + std::to_string(choice.movieId));
    EXPECT_EQ(shown, (std::vector<std::string>{"#11", "A#10", "Alien (1979)#3", "Alien (1986)#2",
                                               "The Thing (1982)#5", "The Thing (1982)#6", "The Thing From#4",
                                               "The Thing From Space#9", "Zorro (1975)#1", "alien#8",
                                               "\\u00c4rger#7"}));
    for (Movie* movie : movies)
        delete movie;
}
