// The loaner and loan editors on the test display, run modally and driven
// from a timer: a new loan's dates, a date chosen through the calendar, the
// eraser, and refusals that beep and keep the input while the records stay
// as they were.
#include "app/loans/AddEditLoanWindow.h"
#include "app/loans/AddEditLoanerWindow.h"
#include "foundation/signals/SignalReceiver.h"
#include "tests/app/loans/LoansTestSupport.h"
#include "tests/support/LaterStep.h"
#include "ui/core/application/UIApplication.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/calendar/UICalendar.h"
#include "ui/widgets/calendar/UIDateDialog.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/tabs/UITabBar.h"

#include <gtest/gtest.h>

using loanstest::addLoaner;
using loanstest::day;
using loanstest::loanOf;
using testsupport::LaterStep;
using testsupport::UIHarness;

namespace {

struct SoundLog : SignalReceiver
{
    void heard(int kind) { kinds.push_back(kind); }
    std::vector<int> kinds;
};

class LoanEditorsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(UIHarness::start());
        UIApplication::instance()->soundRequested.connectWithArg(&sounds, &SoundLog::heard);
    }

    SoundLog sounds;
};

std::string dateText(const Date& date)
{
    return iotest::show(date.toString(String(u"yyyy/MM/dd")));
}

std::string label(AddEditLoanWindow& window, int row)
{
    return iotest::show(window.dateLabel(row)->text());
}

// Picks the date in the calendar that the date row's button opens.
void chooseThroughCalendar(AddEditLoanWindow& window, int row, const Date& date)
{
    bool done = false;
    LaterStep pick(
        50,
        [&] {
            auto* chooser = dynamic_cast<UIDateDialog*>(loanstest::childDialog(window.dialog()));
            if (!chooser)
                return false;
            chooser->calendar()->setDate(date);
            UIHarness::click(chooser->okButton(), chooser->okButton()->rect().center());
            done = true;
            return true;
        },
        200);
    UITabBar* bar = window.dateBar(row);
    UIHarness::click(bar, bar->tabRect(0).center());
    UIHarness::pumpUntil([&] { return done; }, 5000);
    UIHarness::pumpFor(50);
}

} // namespace

TEST_F(LoanEditorsTest, ANewLoanRunsFromTodayForTheDefaultPeriodAndTakesCalendarDates)
{
    loanstest::Collection movies({{u"Brazil", 1985}, {u"Alien", 1979}, {u"Alien", 1986}});
    ASSERT_TRUE(movies.opened);
    movies.model->loaners().setDefaultLoanPeriod(10);
    Loaner& anna = addLoaner(*movies.model, u"Anna");
    std::string opened[3];
    std::string shownMovies;
    std::string afterCalendar;
    std::string returnSet;
    std::string erased;
    AddEditLoanWindow window(*movies.model, nullptr, anna, nullptr);
    LaterStep step(150, [&] {
        UIHarness::activate(window.dialog());
        UIHarness::pumpFor(50);
        for (int row = 0; row < 3; ++row)
            opened[row] = label(window, row);
        for (int i = 0; i < window.movieBox()->count(); ++i)
            shownMovies += iotest::show(window.movieBox()->itemText(i)) + ";";
        chooseThroughCalendar(window, AddEditLoanWindow::kDueDate, day(20));
        afterCalendar = label(window, AddEditLoanWindow::kDueDate);
        chooseThroughCalendar(window, AddEditLoanWindow::kReturnDate, day(3));
        returnSet = label(window, AddEditLoanWindow::kReturnDate);
        UITabBar* returnBar = window.dateBar(AddEditLoanWindow::kReturnDate);
        UIHarness::click(returnBar, returnBar->tabRect(1).center());
        UIHarness::pumpFor(50);
        erased = label(window, AddEditLoanWindow::kReturnDate);
        window.notesField()->setText(String(u"  on the shelf  "));
        UIHarness::click(window.okButton(), window.okButton()->rect().center());
        return true;
    });
    EXPECT_TRUE(window.exec());
    EXPECT_EQ(opened[0], dateText(day(0)));
    EXPECT_EQ(opened[1], dateText(day(10)));
    EXPECT_EQ(opened[2], "n/a");
    EXPECT_EQ(shownMovies, "Alien (1979);Alien (1986);Brazil (1985);") << "sorted by the shown text";
    EXPECT_EQ(afterCalendar, dateText(day(20)));
    EXPECT_EQ(returnSet, dateText(day(3)));
    EXPECT_EQ(erased, "n/a");
    ASSERT_EQ(anna.loans.count(), 1);
    const Loan& stored = anna.loans.first()->value;
    EXPECT_EQ(stored.movieId, 2) << "item 0 of the sorted box";
    EXPECT_EQ(stored.lendDate, day(0));
    EXPECT_EQ(stored.dueDate, day(20));
    EXPECT_TRUE(stored.returnDate.isNull());
    EXPECT_EQ(iotest::show(stored.notes), "on the shelf");
    EXPECT_TRUE(sounds.kinds.empty());
}

TEST_F(LoanEditorsTest, EveryLoanRefusalBeepsAndKeepsTheInput)
{
    loanstest::Collection movies({{u"Alien", 1979}, {u"Brazil", 1985}});
    ASSERT_TRUE(movies.opened);
    Loaner& anna = addLoaner(*movies.model, u"Anna");
    anna.loans.append(loanOf(1, 40, -30, true));
    struct Case
    {
        const char* what;
        int movieIndex; // in the sorted box: 0 Alien (id 1), 1 Brazil (id 2)
        Date dates[3];
    };
    const Case cases[] = {
        {"the same movie again, returned before", 0, {day(0), day(14), Date()}},
        {"due before the loan", 1, {day(0), day(-1), Date()}},
        {"returned before the loan", 1, {day(0), day(14), day(-1)}},
        {"no loan date", 1, {Date(), day(14), Date()}},
        {"no due date", 1, {day(0), Date(), Date()}},
    };
    struct Seen
    {
        size_t beeps = 0;
        bool open = false;
        std::string notes;
        int movieIndex = -1;
    };
    std::vector<Seen> seen;
    AddEditLoanWindow window(*movies.model, nullptr, anna, nullptr);
    LaterStep step(150, [&] {
        UIHarness::activate(window.dialog());
        UIHarness::pumpFor(50);
        for (const Case& c : cases) {
            window.movieBox()->setCurrentIndex(c.movieIndex);
            for (int row = 0; row < 3; ++row)
                window.setDate(row, c.dates[row]);
            window.notesField()->setText(String(u"keep me"));
            const size_t before = sounds.kinds.size();
            UIHarness::click(window.okButton(), window.okButton()->rect().center());
            UIHarness::pumpFor(50);
            Seen s;
            s.beeps = sounds.kinds.size() - before;
            s.open = window.dialog()->isVisible();
            s.notes = iotest::show(window.notesField()->text());
            s.movieIndex = window.movieBox()->currentIndex();
            seen.push_back(s);
        }
        window.cancel();
        return true;
    });
    EXPECT_FALSE(window.exec());
    ASSERT_EQ(seen.size(), std::size(cases));
    for (size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].beeps, 1u) << cases[i].what;
        EXPECT_TRUE(seen[i].open) << cases[i].what;
        EXPECT_EQ(seen[i].notes, "keep me") << cases[i].what;
        EXPECT_EQ(seen[i].movieIndex, cases[i].movieIndex) << cases[i].what;
    }
    for (int kind : sounds.kinds)
        EXPECT_EQ(kind, 1) << "the error sound";
    EXPECT_EQ(anna.loans.count(), 1) << "nothing stored";
}

TEST_F(LoanEditorsTest, EditingKeepsTheLoansOwnMovieWhenTheBoxCannotShowIt)
{
    loanstest::Collection movies({{u"Alien", 1979}, {u"Brazil", 1985}});
    ASSERT_TRUE(movies.opened);
    Loaner& anna = addLoaner(*movies.model, u"Anna");
    Loan& damaged = anna.loans.append(loanOf(99, 5, 5))->value;
    Loan& other = anna.loans.append(loanOf(2, 5, 5))->value;
    anna.loans.append(loanOf(1, 30, -20, true));
    std::string currentMovie;
    AddEditLoanWindow window(*movies.model, nullptr, anna, &damaged);
    LaterStep step(150, [&] {
        UIHarness::pumpFor(50);
        currentMovie = iotest::show(window.movieBox()->currentText());
        window.setDate(AddEditLoanWindow::kReturnDate, day(0));
        UIHarness::click(window.okButton(), window.okButton()->rect().center());
        return true;
    });
    EXPECT_TRUE(window.exec());
    EXPECT_EQ(currentMovie, "") << "no other movie stands in for it";
    EXPECT_EQ(damaged.movieId, 99);
    EXPECT_EQ(damaged.returnDate, day(0));

    // Editing another loan onto a movie the loaner already had is refused.
    AddEditLoanWindow moved(*movies.model, nullptr, anna, &other);
    size_t beeps = 0;
    LaterStep move(150, [&] {
        UIHarness::pumpFor(50);
        moved.movieBox()->setCurrentIndex(0);
        UIHarness::click(moved.okButton(), moved.okButton()->rect().center());
        UIHarness::pumpFor(50);
        beeps = sounds.kinds.size();
        moved.movieBox()->setCurrentIndex(1);
        UIHarness::click(moved.okButton(), moved.okButton()->rect().center());
        return true;
    });
    EXPECT_TRUE(moved.exec()) << "its own movie again is allowed";
    EXPECT_EQ(beeps, 1u) << "Alien went back to Anna already";
    EXPECT_EQ(other.movieId, 2);
}

TEST_F(LoanEditorsTest, LoanerNamesAreRequiredAndUniqueIgnoringCase)
{
    loanstest::Collection movies({});
    ASSERT_TRUE(movies.opened);
    Loaner& anna = addLoaner(*movies.model, u"Anna Fischer");
    addLoaner(*movies.model, u"Bert");
    const char16_t* refused[] = {u"", u"   ", u"anna fischer", u"BERT "};
    std::vector<std::pair<size_t, std::string>> seen;
    AddEditLoanerWindow adding(*movies.model, nullptr, nullptr);
    LaterStep step(150, [&] {
        UIHarness::activate(adding.dialog());
        UIHarness::pumpFor(50);
        adding.phoneField()->setText(String(u"555"));
        for (const char16_t* name : refused) {
            adding.nameField()->setText(String(name));
            const size_t before = sounds.kinds.size();
            UIHarness::click(adding.okButton(), adding.okButton()->rect().center());
            UIHarness::pumpFor(50);
            seen.push_back({sounds.kinds.size() - before, iotest::show(adding.nameField()->text())});
        }
        adding.nameField()->setText(String(u"  Carla  "));
        UIHarness::click(adding.okButton(), adding.okButton()->rect().center());
        return true;
    });
    EXPECT_TRUE(adding.exec());
    ASSERT_EQ(seen.size(), std::size(refused));
    for (size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].first, 1u) << i;
        EXPECT_EQ(seen[i].second, iotest::show(String(refused[i]))) << "the input stays";
    }
    ASSERT_EQ(movies.model->loaners().count(), 3);
    const Loaner& carla = movies.model->loaners().last()->value;
    EXPECT_EQ(iotest::show(carla.name), "Carla");
    EXPECT_EQ(iotest::show(carla.phone), "555");

    AddEditLoanerWindow renaming(*movies.model, nullptr, &anna);
    std::string filled;
    LaterStep rename(150, [&] {
        UIHarness::pumpFor(50);
        filled = iotest::show(renaming.nameField()->text());
        renaming.nameField()->setText(String(u"ANNA FISCHER"));
        UIHarness::click(renaming.okButton(), renaming.okButton()->rect().center());
        return true;
    });
    EXPECT_TRUE(renaming.exec()) << "one's own name in another case";
    EXPECT_EQ(filled, "Anna Fischer");
    EXPECT_EQ(iotest::show(anna.name), "ANNA FISCHER");
}

// The Movie box is as wide as its widest title, so titles read whole; a title
// wider than the skin allows is cut there instead of widening the dialog.
TEST_F(LoanEditorsTest, TheMovieBoxFitsItsWidestTitleWithinTheSkinsMaximum)
{
    struct Case
    {
        const char* what;
        std::initializer_list<std::pair<const char16_t*, int>> movies;
        int widest; // index of the widest caption in the sorted box
        bool fits;
    };
    const Case cases[] = {
        {"ordinary titles",
         {{u"The Clockwork Orchard of Lost Summers", 1999}, {u"The Cloud", 2012}, {u"Up", 0}},
         0,
         true},
        {"a title past the maximum",
         {{u"An Exceedingly Long Title That No Loan Dialog Could Ever Show In Full Width", 2001},
          {u"Brazil", 1985}},
         0,
         false},
    };
    for (const Case& c : cases) {
        loanstest::Collection movies(c.movies);
        ASSERT_TRUE(movies.opened) << c.what;
        Loaner& anna = addLoaner(*movies.model, u"Anna");
        AddEditLoanWindow window(*movies.model, nullptr, anna, nullptr);
        int boxWidth = 0;
        bool elided = true;
        LaterStep step(150, [&] {
            UIHarness::pumpFor(50);
            window.movieBox()->setCurrentIndex(c.widest);
            window.movieBox()->update();
            UIHarness::pumpFor(50);
            elided = window.movieBox()->wasElided();
            boxWidth = window.movieBox()->width();
            window.cancel();
            return true;
        });
        window.exec();
        const int maximum = window.movieBox()->style().maximumWidth;
        EXPECT_EQ(elided, !c.fits) << c.what << ": " << boxWidth << " pixels";
        if (c.fits)
            EXPECT_GT(boxWidth, window.movieBox()->style().minimumWidth) << c.what;
        else
            EXPECT_LE(boxWidth, maximum) << c.what << ": the dialog stays narrow";
    }
}
