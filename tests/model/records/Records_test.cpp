// Loans, loaners and episodes: the overdue rule the loans window colours by,
// the name check that refuses a second loaner, the clean-up of loans when a
// movie is removed, and the release date the card shows.
#include <gtest/gtest.h>

#include "tests/model/collection/CollectionTestSupport.h"

namespace {

Loan loanOf(int32_t movieId, int dueInDays, bool returned = false)
{
    Date today = Date::todayLocal();
    return Loan{movieId, Date(today).addDays(dueInDays - 14), Date(today).addDays(dueInDays),
                returned ? today : Date(), String()};
}

std::vector<int32_t> movieIdsOf(const Loaner& loaner)
{
    std::vector<int32_t> ids;
    for (const Loan& loan : loaner.loans)
        ids.push_back(loan.movieId);
    return ids;
}

} // namespace

TEST(Loan, IsOverdueOnlyWhileOutAndAfterTheDueDay)
{
    EXPECT_TRUE(loanOf(1, -1).isOverdue());
    EXPECT_FALSE(loanOf(1, 0).isOverdue()) << "due today is not overdue yet";
    EXPECT_FALSE(loanOf(1, 1).isOverdue());
    EXPECT_FALSE(loanOf(1, -30, true).isOverdue()) << "a returned loan never is";
    Loaner loaner;
    loaner.loans.append(loanOf(1, 3));
    loaner.loans.append(loanOf(2, -30, true));
    EXPECT_FALSE(loaner.hasOverdueLoan());
    loaner.loans.append(loanOf(3, -1));
    EXPECT_TRUE(loaner.hasOverdueLoan()) << "any of its loans";
}

TEST(LoanerList, ContainsNameIgnoresLetterCase)
{
    LoanerList loaners;
    for (const char16_t* name : {u"Anna Fischer", u"J\u00dcRGEN"})
        loaners.append(Loaner())->value.name = String(name);
    for (const char16_t* name : {u"anna fischer", u"ANNA FISCHER", u"j\u00fcrgen"})
        EXPECT_TRUE(loaners.containsName(String(name))) << iotest::show(String(name));
    for (const char16_t* name : {u"Anna", u"Anna Fischer ", u""})
        EXPECT_FALSE(loaners.containsName(String(name))) << iotest::show(String(name));
}

TEST(LoanerList, RemovingAMovieRemovesEveryLoanOfItAndNothingElse)
{
    LoanerList loaners;
    Loaner& anna = loaners.append(Loaner())->value;
    for (int32_t id : {7, 8, 7, 9})
        anna.loans.append(loanOf(id, 0, id == 7));
    Loaner& james = loaners.append(Loaner())->value;
    james.loans.append(loanOf(9, 0));
    EXPECT_EQ(loaners.removeLoansOfMovie(7), 2) << "the returned loan and the current one";
    EXPECT_FALSE(loaners.hasLoanOfMovie(7));
    EXPECT_EQ(movieIdsOf(anna), (std::vector<int32_t>{8, 9}));
    EXPECT_EQ(loaners.removeLoansOfMovie(9), 2) << "from every loaner";
    EXPECT_EQ(loaners.removeLoansOfMovie(42), 0);
    EXPECT_EQ(movieIdsOf(anna), (std::vector<int32_t>{8}));
    EXPECT_TRUE(james.loans.isEmpty());

    // A loaner is removed only through its own list; copies own their loans.
    LoanerList others;
    EXPECT_FALSE(loaners.remove(others.append(Loaner())));
    EXPECT_FALSE(loaners.remove(nullptr));
    LoanerList copy = loaners;
    EXPECT_TRUE(copy.remove(copy.first()));
    EXPECT_TRUE(loaners.remove(loaners.first()));
    ASSERT_EQ(loaners.count(), 1);
    EXPECT_TRUE(loaners.first()->value.loans.isEmpty());
}

TEST(Episode, ShowsItsReleaseDate)
{
    struct Row
    {
        int32_t year, month, day;
        const char16_t* separator;
        const char16_t* shown;
    };
    const Row rows[] = {
        {0, 5, 6, u"/", u""}, // no year, no date
        {2009, 5, 6, u"/", u"2009/5/6"},
        {2009, 5, 0, u"/", u"2009/5/"},
        {2009, 0, 0, u"/", u"2009//"},
        {2009, 0, 17, u". ", u"2009. . 17"},
    };
    for (const Row& row : rows) {
        Episode episode;
        episode.year = row.year;
        episode.month = row.month;
        episode.day = row.day;
        EXPECT_EQ(u16(episode.releaseDateText(String(row.separator))), row.shown) << iotest::show(row.shown);
    }
}
