// Loans, loaners and episodes: the overdue rule the loans window colours by,
// the name check that refuses a second loaner, and the clean-up of loans
// when a movie is removed.
#include <gtest/gtest.h>

#include "model/records/CrewItem.h"
#include "model/records/Episode.h"
#include "model/records/LoanerList.h"
#include "model/records/ModelText.h"
#include "tests/foundation/text/StringTestHelpers.h"

#include <vector>

namespace {

Loan loanOf(int32_t movieId, const Date& due, const Date& returned = Date())
{
    Loan loan;
    loan.movieId = movieId;
    loan.lendDate = Date(due).addDays(-14);
    loan.dueDate = due;
    loan.returnDate = returned;
    return loan;
}

Loaner loanerNamed(const char16_t* name)
{
    Loaner loaner;
    loaner.name = String(name);
    return loaner;
}

std::vector<int32_t> movieIdsOf(const Loaner& loaner)
{
    std::vector<int32_t> ids;
    for (const Loan& loan : loaner.loans)
        ids.push_back(loan.movieId);
    return ids;
}

// Shows which word and context reached the translator.
String bracketed(const String& text, const String& context)
{
    return String(u"[").append(context).append(String(u":")).append(text).append(String(u"]"));
}

} // namespace

TEST(Loan, IsOverdueOnlyWhileOutAndAfterTheDueDay)
{
    Date today = Date::todayLocal();
    Date yesterday = Date(today).addDays(-1);

    EXPECT_TRUE(loanOf(1, yesterday).isOverdue());
    EXPECT_FALSE(loanOf(1, today).isOverdue()) << "due today is not overdue yet";
    EXPECT_FALSE(loanOf(1, Date(today).addDays(1)).isOverdue());
    EXPECT_FALSE(loanOf(1, yesterday, today).isOverdue()) << "a returned loan is never overdue";
    EXPECT_FALSE(loanOf(1, Date(2001, 1, 1), Date(2000, 1, 1)).isOverdue())
        << "whatever the dates of a returned loan say";
}

TEST(Loaner, HasOverdueLoanLooksAtEveryLoan)
{
    Date today = Date::todayLocal();
    Loaner loaner = loanerNamed(u"Anna");
    EXPECT_FALSE(loaner.hasOverdueLoan()) << "no loans at all";

    loaner.loans.append(loanOf(1, Date(today).addDays(3)));
    loaner.loans.append(loanOf(2, Date(today).addDays(-30), Date(today).addDays(-2)));
    EXPECT_FALSE(loaner.hasOverdueLoan());
    loaner.loans.append(loanOf(3, Date(today).addDays(-1)));
    EXPECT_TRUE(loaner.hasOverdueLoan());
}

TEST(Loaner, CopiesOwnTheirLoans)
{
    Loaner original = loanerNamed(u"Anna");
    original.loans.append(loanOf(4, Date(2024, 5, 1)));
    original.loans.append(loanOf(5, Date(2024, 6, 1)));
    {
        Loaner copy = original;
        copy.loans.first()->value.notes = String(u"changed");
        copy.loans.clear();
    }
    ASSERT_EQ(original.loans.count(), 2);
    EXPECT_EQ(movieIdsOf(original), (std::vector<int32_t>{4, 5}));
    EXPECT_TRUE(original.loans.first()->value.notes.isEmpty());
}

TEST(LoanerList, ContainsNameIgnoresLetterCase)
{
    LoanerList loaners;
    loaners.append(loanerNamed(u"Anna Fischer"));
    loaners.append(loanerNamed(u"J\u00dcRGEN"));

    EXPECT_TRUE(loaners.containsName(String(u"anna fischer")));
    EXPECT_TRUE(loaners.containsName(String(u"ANNA FISCHER")));
    EXPECT_TRUE(loaners.containsName(String(u"j\u00fcrgen")));
    EXPECT_FALSE(loaners.containsName(String(u"Anna")));
    EXPECT_FALSE(loaners.containsName(String(u"Anna Fischer ")));
    EXPECT_FALSE(LoanerList().containsName(String()));
}

TEST(LoanerList, RemovingAMovieRemovesEveryLoanOfItAndNothingElse)
{
    LoanerList loaners;
    Loaner& anna = loaners.append(loanerNamed(u"Anna"))->value;
    anna.loans.append(loanOf(7, Date(2024, 1, 1), Date(2024, 1, 3)));
    anna.loans.append(loanOf(8, Date(2024, 2, 1)));
    anna.loans.append(loanOf(7, Date(2024, 3, 1)));
    anna.loans.append(loanOf(9, Date(2024, 4, 1)));
    Loaner& james = loaners.append(loanerNamed(u"James"))->value;
    james.loans.append(loanOf(9, Date(2024, 5, 1)));

    EXPECT_TRUE(loaners.hasLoanOfMovie(7));
    EXPECT_EQ(loaners.removeLoansOfMovie(7), 2) << "the returned loan and the current one";
    EXPECT_FALSE(loaners.hasLoanOfMovie(7));
    EXPECT_EQ(movieIdsOf(anna), (std::vector<int32_t>{8, 9}));
    EXPECT_EQ(movieIdsOf(james), (std::vector<int32_t>{9}));

    EXPECT_EQ(loaners.removeLoansOfMovie(9), 2) << "from every loaner";
    EXPECT_EQ(loaners.removeLoansOfMovie(42), 0);
    EXPECT_EQ(movieIdsOf(anna), (std::vector<int32_t>{8}));
    EXPECT_TRUE(james.loans.isEmpty());
}

TEST(LoanerList, RemoveTakesOnlyItsOwnNodes)
{
    LoanerList loaners;
    LoanerList others;
    loaners.append(loanerNamed(u"Anna"));
    LoanerList::Node* james = loaners.append(loanerNamed(u"James"));
    loaners.append(loanerNamed(u"Marie"));
    LoanerList::Node* foreign = others.append(loanerNamed(u"Olga"));

    EXPECT_FALSE(loaners.remove(foreign));
    EXPECT_FALSE(loaners.remove(nullptr));
    EXPECT_EQ(loaners.count(), 3);
    EXPECT_EQ(others.count(), 1);

    EXPECT_TRUE(loaners.remove(james));
    ASSERT_EQ(loaners.count(), 2);
    EXPECT_EQ(u16(loaners.first()->value.name), u"Anna");
    EXPECT_EQ(u16(loaners.last()->value.name), u"Marie");
}

TEST(LoanerList, KeepsTheDefaultLoanPeriodThroughCopies)
{
    LoanerList loaners;
    EXPECT_EQ(loaners.defaultLoanPeriod(), 14);
    loaners.setDefaultLoanPeriod(21);
    loaners.append(loanerNamed(u"Anna"));
    LoanerList copy = loaners;
    EXPECT_EQ(copy.defaultLoanPeriod(), 21);
    EXPECT_EQ(copy.count(), 1);
}

TEST(Episode, StartsEmptyAndShowsItsReleaseDate)
{
    Episode episode;
    EXPECT_EQ(episode.season, 0);
    EXPECT_EQ(episode.number, 0);
    EXPECT_TRUE(episode.title.isEmpty() && episode.plot.isEmpty() && episode.file.isEmpty() &&
                episode.url.isEmpty());

    String slash(u"/");
    EXPECT_EQ(u16(episode.releaseDateText(slash)), u"") << "no year, no date";
    episode.month = 5;
    episode.day = 6;
    EXPECT_EQ(u16(episode.releaseDateText(slash)), u"");
    episode.year = 2009;
    EXPECT_EQ(u16(episode.releaseDateText(slash)), u"2009/5/6");
    episode.day = 0;
    EXPECT_EQ(u16(episode.releaseDateText(slash)), u"2009/5/");
    episode.month = 0;
    EXPECT_EQ(u16(episode.releaseDateText(slash)), u"2009//");
    episode.day = 17;
    EXPECT_EQ(u16(episode.releaseDateText(String(u". "))), u"2009. . 17");
}

TEST(CrewItem, RoleNamesAreTranslatedInTheMovieContext)
{
    EXPECT_EQ(u16(CrewItem::roleName(CrewItem::kDirector)), u"Director");
    EXPECT_EQ(u16(CrewItem::roleName(CrewItem::kCinematography)), u"Cinematography");
    EXPECT_EQ(u16(CrewItem::roleName(6)), u"");
    EXPECT_EQ(u16(CrewItem::roleName(-1)), u"");

    ModelText::setTranslateFunction(bracketed);
    EXPECT_EQ(u16(CrewItem::roleName(CrewItem::kProducer)), u"[Movie:Producer]");
    EXPECT_EQ(u16(CrewItem::roleName(CrewItem::kCreator)), u"[Movie:Creator]");
    ModelText::setTranslateFunction(nullptr);
    EXPECT_EQ(u16(CrewItem::roleName(CrewItem::kWriter)), u"Writer");
}
